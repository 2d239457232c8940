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

#include <QLineEdit>

Tcp21Main::Tcp21Main(Dialogs &dialogs, QWidget *parent) : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tcp21main"));
    setWindowTitle(QStringLiteral("ZAV   Tcp/ip Utility V2.2"));
    ui::setColours(this, ui::Grey);
    m_menuform = new MenuForm(this);
    m_menuform->hide();
    // The load event: the first window shown is "Server Connect".
    startclick();
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
    TaskWindow *program = main->taskWindow(MenuForm::ProgramReader);
    if (auto *text1 = program->findChild<QLineEdit *>(QStringLiteral("Text1")))
        text1->setText(QStringLiteral("192.168.1.55"));
    if (auto *text2 = program->findChild<QLineEdit *>(QStringLiteral("Text2")))
        text2->setText(QStringLiteral("87"));
    return main;
}
