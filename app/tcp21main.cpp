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
#include <QLineEdit>
#include <QWindow>

Tcp21Main::Tcp21Main(Dialogs &dialogs, QWidget *parent) : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tcp21main"));
    setWindowTitle(QStringLiteral("ZAV   Tcp/ip Utility V2.2"));
    ui::setColours(this, ui::Grey);
    m_menuform = new MenuForm(this);
    m_menuform->hide();
    // The load event: the first window shown is "Server Connect".
    startclick();
    connect(qApp, &QApplication::focusChanged, this, &Tcp21Main::keepFocusInFront);
}

void Tcp21Main::startclick()
{
    m_menuform->label1Click(MenuForm::ServerConnect);
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
    case 0: {
        auto *window = new LanSearch(m_dialogs, this);
        connect(window, &LanSearch::readerChosen, m_menuform, &MenuForm::do_click3);
        return window;
    }
    case 1: {
        auto *window = new WanSearch(m_dialogs, this);
        connect(window, &WanSearch::readerChosen, m_menuform, &MenuForm::do_click3);
        return window;
    }
    case 2:
        return new WideProgram(m_dialogs, this);
    case 3:
        return new ServerTest(m_dialogs, this);
    case 4:
        return new ClientTest(m_dialogs, this);
    case 5:
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
    TaskWindow *program = main->taskWindow(MenuForm::ProgramReader);
    if (auto *text1 = program->findChild<QLineEdit *>(QStringLiteral("Text1")))
        text1->setText(QStringLiteral("192.168.1.55"));
    if (auto *text2 = program->findChild<QLineEdit *>(QStringLiteral("Text2")))
        text2->setText(QStringLiteral("87"));
    return main;
}

void setApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("zav-utility"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zav-utility.png")));
    QApplication::setDesktopFileName(QStringLiteral("zav-utility"));
}
