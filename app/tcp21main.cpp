#include "tcp21main.h"

#include "clienttest.h"
#include "dialogs.h"
#include "flashdl.h"
#include "lansearch.h"
#include "menuform.h"
#include "servertest.h"
#include "twips.h"
#include "udpform.h"
#include "uikit.h"
#include "wansearch.h"
#include "wideprogram.h"

#include <QApplication>
#include <QIcon>
#include <QWindow>

Tcp21Main::Tcp21Main(Dialogs &dialogs, QWidget *parent) : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tcp21main"));
    setWindowTitle(QStringLiteral("ZAV   Tcp/ip Utility V2.2"));
    ui::setColours(this, ui::Grey);
    m_menuform = new MenuForm(this);
    m_menuform->hide();
    connect(m_menuform, &MenuForm::entryChosen, this, &Tcp21Main::bringToFront);
    connect(m_menuform, &MenuForm::readerHandedOver, this,
            [this](const QString &address, const QString &port) { programReader()->setup(address, port); });
    // The load event: the first window shown is "Server Connect".
    startclick();
    connect(qApp, &QApplication::focusChanged, this, &Tcp21Main::keepFocusInFront);
}

// Closing the window moves the focus once more, after this part of the
// object is gone: the focus watch must end first.
Tcp21Main::~Tcp21Main()
{
    disconnect(qApp, &QApplication::focusChanged, this, &Tcp21Main::keepFocusInFront);
}

void Tcp21Main::startclick()
{
    m_menuform->label1Click(menu::ServerConnect);
}

void Tcp21Main::bringToFront(int index)
{
    TaskWindow *window = taskWindow(index);
    if (!window)
        return;
    window->move(twips(2501), 0);
    window->show();
    window->raise();
    // The keyboard follows the window brought to the front.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !window->isAncestorOf(focus))
        window->focusFirstControl();
}

WideProgram *Tcp21Main::programReader()
{
    return static_cast<WideProgram *>(taskWindow(menu::ProgramReader));
}

TaskWindow *Tcp21Main::taskWindow(int index)
{
    if (index < 0 || index >= int(m_windows.size()))
        return nullptr;
    if (!m_windows.at(size_t(index))) {
        TaskWindow *window = createTaskWindow(index);
        window->hide();
        m_windows.at(size_t(index)) = window;
    }
    return m_windows.at(size_t(index));
}

TaskWindow *Tcp21Main::createTaskWindow(int index)
{
    switch (index) {
    case menu::LocalNetworkSearch: {
        auto *window = new LanSearch(m_dialogs, this);
        connect(window, &LanSearch::readerChosen, m_menuform, &MenuForm::do_click3);
        return window;
    }
    case menu::WideNetworkSearch: {
        auto *window = new WanSearch(m_dialogs, this);
        connect(window, &WanSearch::readerChosen, m_menuform, &MenuForm::do_click3);
        return window;
    }
    case menu::ProgramReader:
        return new WideProgram(m_dialogs, this);
    case menu::ServerConnect:
        return new ServerTest(m_dialogs, this);
    case menu::ClientConnect:
        return new ClientTest(m_dialogs, this);
    case menu::UdpConnect:
        return new UdpForm(m_dialogs, this);
    default:
        return new Flashdl(m_dialogs, this);
    }
}

void Tcp21Main::setOuterSize(const QSize &outer)
{
    m_outerSize = outer;
    resize(outer);
    applyOuterSize();
}

// A window manager frames a window only after it is shown, and tells its
// frame later still: the outer size is given when the frame is first known.
void Tcp21Main::applyOuterSize()
{
    if (m_outerSize.isEmpty() || !isVisible())
        return;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        m_outerSize = QSize();
        return;
    }
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        return;
    const QSize outer = m_outerSize;
    m_outerSize = QSize();
    resize(outer.shrunkBy(frame));
}

bool Tcp21Main::event(QEvent *event)
{
    const bool result = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        applyOuterSize();
        break;
    default:
        break;
    }
    return result;
}

bool Tcp21Main::focusNextPrevChild(bool next)
{
    TaskWindow *front = TaskWindow::frontWindow(this);
    if (!front)
        return QWidget::focusNextPrevChild(next);
    return front->focusNextControl(next);
}

void Tcp21Main::keepFocusInFront(QWidget *old, QWidget *now)
{
    if (!now || now->window() != this)
        return;
    TaskWindow *front = TaskWindow::frontWindow(this);
    if (!front || front->isAncestorOf(now) || now == front)
        return;
    for (QWidget *w = now->parentWidget(); w && w != this; w = w->parentWidget()) {
        if (qobject_cast<TaskWindow *>(w)) {
            // A covered task window: its controls take no keys.
            if (old && old->window() == this && (front->isAncestorOf(old) || old == front))
                old->setFocus(Qt::OtherFocusReason);
            else if (!front->focusFirstControl())
                now->clearFocus();
            return;
        }
    }
}

void Tcp21Main::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_menuform->setGeometry(0, 0, twips(2500), frameGeometry().height());
}

void Tcp21Main::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    m_menuform->setGeometry(0, 0, twips(2500), frameGeometry().height());
}

Tcp21Main *Main(Dialogs &dialogs)
{
    auto *main = new Tcp21Main(dialogs);
    main->setOuterSize(QSize(twips(12500), twips(9000)));
    main->show();
    main->menuform()->setGeometry(0, 0, twips(2500), main->frameGeometry().height());
    main->menuform()->show();
    main->menuform()->lower();
    main->programReader()->setReader(QStringLiteral("192.168.1.55"), QStringLiteral("87"));
    return main;
}

void setApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("zav-utility"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zav-utility.png")));
    QApplication::setDesktopFileName(QStringLiteral("zav-utility"));
}
