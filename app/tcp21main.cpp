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
    if (!focus || !window->isAncestorOf(focus)) {
        for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
            if (window->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window)
                && w->isEnabled()) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
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
    main->resize(twips(12500), twips(9000));
    main->show();
    // The size is the outer size: take off what the window frame adds.
    const QSize frame = main->frameGeometry().size() - main->size();
    if (!frame.isEmpty())
        main->resize(twips(12500) - frame.width(), twips(9000) - frame.height());
    main->menuform()->setGeometry(0, 0, twips(2500), main->frameGeometry().height());
    main->menuform()->show();
    main->menuform()->lower();
    main->programReader()->setReader(QStringLiteral("192.168.1.55"), QStringLiteral("87"));
    return main;
}
