// Keys stay in the task window in front: a connected Server Connect that
// another window covers receives nothing, whatever is typed and however
// often Tab and Shift+Tab are pressed.
#include "taskmenu.h"
#include "addresschecks.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "serverconnectwindow.h"
#include "taskwindow.h"
#include "mainwindow.h"
#include "uikit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {
const QString ReaderAddress = QStringLiteral("127.0.0.7");

enum Press { Tab, ShiftTab, Backtab, Letters, FocusCovered };

bool inside(const QWidget *window, const QWidget *w)
{
    return w && (w == window || window->isAncestorOf(w));
}
} // namespace

class TestFrontWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }
    void init();
    void cleanup();

    void coveredWindowTakesNoKeys_data();
    void coveredWindowTakesNoKeys();
    void tabCyclesInsideTheFrontWindow_data();
    void tabCyclesInsideTheFrontWindow();

private:
    void press(Press kind);
    QWidget *entry(int index) const { return m_main->taskMenu()->entry(index); }

    std::unique_ptr<ReaderSimulator> m_simulator;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    MainWindow *m_main = nullptr;
    SimulatedReader *m_reader = nullptr;
    ServerConnectWindow *m_server = nullptr;
};

void TestFrontWindow::init()
{
    m_simulator = std::make_unique<ReaderSimulator>();
    m_simulator->setMulticastEnabled(false);
    ReaderConfig config;
    config.address = QHostAddress(ReaderAddress);
    config.mode = '0';
    config.data.echo = false;
    m_reader = m_simulator->addReader(config);
    QString error;
    QVERIFY2(m_simulator->start(&error), qPrintable(error));
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_main = showMainWindow(*m_dialogs);
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_main->activateWindow();
    QTRY_VERIFY(m_main->isActiveWindow());

    m_server = qobject_cast<ServerConnectWindow *>(m_main->existingTaskWindow(menu::ServerConnect));
    QVERIFY(m_server);
    m_server->addressEdit()->setText(ReaderAddress);
    QTest::mouseClick(m_server->connectButton(), Qt::LeftButton);
    QTRY_COMPARE(m_server->status(), QStringLiteral("Connected"));
    QTRY_COMPARE(m_reader->dataConnections(), 1);
    // The data connection works: a key typed in the window goes out.
    QTest::keyClick(m_main->windowHandle(), 'a');
    QTRY_COMPARE(m_reader->receivedBytes(Channel::Data), QByteArray("a"));
}

void TestFrontWindow::cleanup()
{
    delete m_main;
    m_main = nullptr;
    m_dialogs.reset();
    m_simulator.reset();
}

void TestFrontWindow::press(Press kind)
{
    QWindow *handle = m_main->windowHandle();
    switch (kind) {
    case Tab:
        QTest::keyClick(handle, Qt::Key_Tab);
        break;
    case ShiftTab:
        QTest::keyClick(handle, Qt::Key_Tab, Qt::ShiftModifier);
        break;
    case Backtab:
        QTest::keyClick(handle, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case Letters:
        for (char c : QByteArray("xyz"))
            QTest::keyClick(handle, c);
        break;
    case FocusCovered:
        // As a click on a part of the covered window that shows beside a
        // smaller window in front would do.
        m_server->addressEdit()->setFocus(Qt::MouseFocusReason);
        break;
    }
}

void TestFrontWindow::coveredWindowTakesNoKeys_data()
{
    QTest::addColumn<int>("cover");
    QTest::addColumn<QList<int>>("presses");
    const QList<int> tabs{Tab, Letters};
    const QList<int> shiftTabs{ShiftTab, Letters};
    const QList<int> backtabs{Backtab, Letters};
    const QList<int> mixed{Tab, Tab, Letters, ShiftTab, Letters, Tab, Tab, Tab, Backtab, Letters};
    const QList<int> covered{FocusCovered, Letters, Tab, Letters, FocusCovered, ShiftTab, Letters};
    const char *const names[] = {"Local Network Search", "Wide Network Search", "Program Reader", "",
                                 "Client Connect", "Udp Connect", "Flash Reader"};
    for (int cover : {0, 1, 2, 4, 5, 6}) {
        QTest::addRow("%s: Tab", names[cover]) << cover << tabs;
        QTest::addRow("%s: Shift+Tab", names[cover]) << cover << shiftTabs;
        QTest::addRow("%s: Backtab", names[cover]) << cover << backtabs;
        QTest::addRow("%s: mixed", names[cover]) << cover << mixed;
        QTest::addRow("%s: focus put into the covered window", names[cover]) << cover << covered;
    }
}

void TestFrontWindow::coveredWindowTakesNoKeys()
{
    QFETCH(int, cover);
    QFETCH(QList<int>, presses);
    QTest::mouseClick(entry(cover), Qt::LeftButton);
    QWidget *front = m_main->existingTaskWindow(cover);
    QCOMPARE(TaskWindow::frontWindow(m_main), front);
    QVERIFY(inside(front, QApplication::focusWidget()));

    // Enough rounds to walk every window's tab order more than once.
    QStringList focusedInCovered;
    for (int round = 0; round < 20; ++round) {
        for (int kind : presses) {
            press(Press(kind));
            if (inside(m_server, QApplication::focusWidget()))
                focusedInCovered << QApplication::focusWidget()->objectName();
        }
    }
    // Back in front, the window takes keys again; the reader then holds
    // exactly what was typed there, so nothing came in between.
    QTest::mouseClick(entry(menu::ServerConnect), Qt::LeftButton);
    QVERIFY(inside(m_server, QApplication::focusWidget()));
    QTest::keyClick(m_main->windowHandle(), 'Z');
    QTRY_VERIFY(m_reader->receivedBytes(Channel::Data).endsWith('Z'));
    QCOMPARE(m_reader->receivedBytes(Channel::Data), QByteArray("aZ"));
    QCOMPARE(m_reader->dataConnections(), 1);
    QCOMPARE(focusedInCovered, QStringList());
}

// Tab walks the front window's controls in their own order and comes round
// to the first again; Shift+Tab walks them backwards.
void TestFrontWindow::tabCyclesInsideTheFrontWindow_data()
{
    QTest::addColumn<int>("window");
    for (int index : {0, 1, 2, 4, 5, 6})
        QTest::addRow("%d", index) << index;
}

void TestFrontWindow::tabCyclesInsideTheFrontWindow()
{
    QFETCH(int, window);
    QTest::mouseClick(entry(window), Qt::LeftButton);
    TaskWindow *front = m_main->existingTaskWindow(window);
    QStringList order;
    QWidget *first = QApplication::focusWidget();
    QVERIFY(inside(front, first));
    for (int guard = 0; guard < 100; ++guard) {
        order << QApplication::focusWidget()->objectName();
        press(Tab);
        QVERIFY(inside(front, QApplication::focusWidget()));
        if (QApplication::focusWidget() == first)
            break;
    }
    QCOMPARE(QApplication::focusWidget(), first);
    QVERIFY(order.size() > 1);
    // The same controls in the window's own tab order.
    QStringList chain;
    for (QWidget *w = first; chain.size() < order.size(); w = w->nextInFocusChain()) {
        if (inside(front, w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible()
            && w->isEnabled())
            chain << w->objectName();
    }
    QCOMPARE(order, chain);
    QStringList backwards;
    for (int i = 0; i < order.size(); ++i) {
        press(ShiftTab);
        backwards.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(backwards, order);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestFrontWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frontwindow.moc"
