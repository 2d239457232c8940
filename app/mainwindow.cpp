#include "mainwindow.h"

#include "clientconnectwindow.h"
#include "defaults.h"
#include "dialogs.h"
#include "flashreaderwindow.h"
#include "localsearchwindow.h"
#include "programreaderwindow.h"
#include "serverconnectwindow.h"
#include "taskmenu.h"
#include "twips.h"
#include "udpconnectwindow.h"
#include "uikit.h"
#include "version.h"
#include "widesearchwindow.h"

#include <QApplication>
#include <QIcon>
#include <QWindow>

MainWindow::MainWindow(Dialogs &dialogs, QWidget *parent) : QWidget(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("ZAV   Tcp/ip Utility V") + version::MajorMinor);
    ui::setColours(this, ui::Grey);
    m_taskMenu = new TaskMenu(this);
    m_taskMenu->hide();
    connect(m_taskMenu, &TaskMenu::entryChosen, this, &MainWindow::bringToFront);
    connect(m_taskMenu, &TaskMenu::readerHandedOver, this,
            [this](const QString &address, const QString &port) { programReader()->setup(address, port); });
    // The first window shown is "Server Connect".
    m_taskMenu->choose(menu::ServerConnect);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::keepFocusInFront);
}

// Closing the window moves the focus once more, after this part of the
// object is gone: the focus watch must end first.
MainWindow::~MainWindow()
{
    disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::keepFocusInFront);
}

void MainWindow::bringToFront(int index)
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

ProgramReaderWindow *MainWindow::programReader()
{
    return static_cast<ProgramReaderWindow *>(taskWindow(menu::ProgramReader));
}

void MainWindow::keepLastSearchesIn(const QString &folder)
{
    m_lastSearchFolder = folder;
    if (auto *local = qobject_cast<LocalSearchWindow *>(existingTaskWindow(menu::LocalNetworkSearch)))
        local->keepLastSearchIn(folder);
    if (auto *wide = qobject_cast<WideSearchWindow *>(existingTaskWindow(menu::WideNetworkSearch)))
        wide->keepLastSearchIn(folder);
}

TaskWindow *MainWindow::taskWindow(int index)
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

TaskWindow *MainWindow::createTaskWindow(int index)
{
    switch (index) {
    case menu::LocalNetworkSearch: {
        auto *window = new LocalSearchWindow(m_dialogs, this);
        connect(window, &LocalSearchWindow::readerChosen, m_taskMenu, &TaskMenu::handOverToProgramReader);
        if (!m_lastSearchFolder.isEmpty())
            window->keepLastSearchIn(m_lastSearchFolder);
        return window;
    }
    case menu::WideNetworkSearch: {
        auto *window = new WideSearchWindow(m_dialogs, this);
        connect(window, &WideSearchWindow::readerChosen, m_taskMenu, &TaskMenu::handOverToProgramReader);
        if (!m_lastSearchFolder.isEmpty())
            window->keepLastSearchIn(m_lastSearchFolder);
        return window;
    }
    case menu::ProgramReader:
        return new ProgramReaderWindow(m_dialogs, this);
    case menu::ServerConnect:
        return new ServerConnectWindow(m_dialogs, this);
    case menu::ClientConnect:
        return new ClientConnectWindow(m_dialogs, this);
    case menu::UdpConnect:
        return new UdpConnectWindow(m_dialogs, this);
    default:
        return new FlashReaderWindow(m_dialogs, this);
    }
}

void MainWindow::setOuterSize(const QSize &outer)
{
    m_outerSize = outer;
    resize(outer);
    applyOuterSize();
}

// A window manager frames a window only after it is shown, and tells its
// frame later still: the outer size is given when the frame is first known.
void MainWindow::applyOuterSize()
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

bool MainWindow::event(QEvent *event)
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

bool MainWindow::focusNextPrevChild(bool next)
{
    TaskWindow *front = TaskWindow::frontWindow(this);
    if (!front)
        return QWidget::focusNextPrevChild(next);
    return front->focusNextControl(next);
}

void MainWindow::keepFocusInFront(QWidget *old, QWidget *now)
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

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_taskMenu->setGeometry(0, 0, twips(2500), frameGeometry().height());
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    m_taskMenu->setGeometry(0, 0, twips(2500), frameGeometry().height());
}

MainWindow *showMainWindow(Dialogs &dialogs)
{
    auto *main = new MainWindow(dialogs);
    main->setOuterSize(QSize(twips(12500), twips(9000)));
    main->show();
    main->taskMenu()->setGeometry(0, 0, twips(2500), main->frameGeometry().height());
    main->taskMenu()->show();
    main->taskMenu()->lower();
    main->programReader()->setReader(defaults::ReaderAddress, QString::number(defaults::ControlPort));
    return main;
}

void setApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("zav-utility"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zav-utility.png")));
    QApplication::setDesktopFileName(QStringLiteral("zav-utility"));
}
