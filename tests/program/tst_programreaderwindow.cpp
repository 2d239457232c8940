// The Program Reader window against simulated readers on 127.0.0.x: the bytes
// each reader received, what the window shows and the texts of the dialogs.
#include "addresschecks.h"
#include "programtesting.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "twips.h"
#include "uikit.h"
#include "programreaderwindow.h"
#include "commandlanguage.h"
#include "socketcontrol.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace {
const QString Busy = QStringLiteral("Connection is Currently Busy");
const QString Unable = QStringLiteral("Unable to connect to reader");
const QString NewParameters = QStringLiteral(
    "New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect");
const QString Rebooting = QStringLiteral("Reader is Rebooting");
const QString GetFirst = QStringLiteral("You must get the parameters before setting them");

using namespace programtesting;

// The setting commands a reader with the default panel contents receives.
QByteArray settingLines(bool withCid, const QByteArray &cid = "0")
{
    QByteArray lines = "CIP127.0.0.2\rDPT57\rUDPP53002\rCPT87\rCSN255.255.255.0\rGTW0.0.0.0\rSIP127.0.0.1\r"
                       "SPRT57\rIDENTREADER\rMODE0\r";
    if (withCid)
        lines += "CID" + cid + "\r";
    return lines + "SPEED5\rDHCP0\rDPASS0\r";
}
} // namespace

class TestProgramReaderWindow : public QObject, private ProgramReaderFixture
{
    Q_OBJECT
public:
    TestProgramReaderWindow() : ProgramReaderFixture(10) {}

private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void fontsAndColours();
    void loadDefaults();
    void tabOrder();
    void actionsAreAccessibleButtons_data();
    void actionsAreAccessibleButtons();
    void fieldsNamedByTheirLabels_data();
    void fieldsNamedByTheirLabels();
    void setupFillsTopRowAndFocusesPassword();
    void keyFilters_data();
    void keyFilters();
    void optionGroups();
    void fieldLabelsRunNothing();

    void getFillsPanels_data();
    void getFillsPanels();
    void getAtRealTiming();
    void getShortReply();
    void getUnknownCodesLeaveGroupsEmpty();
    void getLongFieldShownWhole();
    void getFailures_data();
    void getFailures();
    void getWithoutStatReplyKeepsFirmware();
    void getChecks_data();
    void getChecks();
    void portThatIsNoNumber_data();
    void portThatIsNoNumber();
    void clickWhileConnectingIsRefused();
    void windowDestroyedDuringWait();

    void setBeforeGet();
    void setRuns_data();
    void setRuns();
    void setChecks_data();
    void setChecks();
    void setStopsAtRejectedCommand();
    void setEmptyIdentifierAndKeptCodes();
    void setGateKeptAfterHandOver();
    void clickDuringFinalMessageRefused();

    void rebootWithoutGet();
    void rebootRefusesGetWhileMessageOpen();
    void rebootNotAcknowledged();

private:
    bool startSimulator();
    bool getFrom(SimulatedReader *reader);
    QList<bool> checks() const;
};

void TestProgramReaderWindow::init()
{
    startFixture();
}

void TestProgramReaderWindow::cleanup()
{
    stopFixture();
}

bool TestProgramReaderWindow::startSimulator()
{
    QString error;
    const bool started = m_simulator->start(&error);
    if (!started)
        qWarning("simulator: %s", qPrintable(error));
    return started;
}

bool TestProgramReaderWindow::getFrom(SimulatedReader *reader)
{
    target(reader);
    const qsizetype before = m_dialogs->messages.size();
    click(Get);
    return m_dialogs->messages.size() == before && !m_window->firmware().isEmpty();
}

QList<bool> TestProgramReaderWindow::checks() const
{
    QList<bool> states;
    for (int n = 1; n <= 14; ++n)
        states.append(check(n)->isChecked());
    return states;
}

void TestProgramReaderWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsGeometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    auto row = [](const char *name, QRect r, const char *caption, const char *tip) {
        QTest::newRow(name) << QString::fromLatin1(name) << r << QString::fromLatin1(caption) << QString::fromLatin1(tip);
    };
    row("Label1", QRect(900, 120, 6855, 315), "Program  Reader", "");
    row("Label2(0)", QRect(480, 720, 1095, 315), "IP Address", "");
    row("Text1", QRect(1740, 720, 1575, 315), "", "Current IP Address for the reader");
    row("Label2(1)", QRect(3600, 720, 1215, 315), "Control Port", "");
    row("Text2", QRect(4800, 720, 735, 315), "", "Current control port for the reader");
    row("Label2(2)", QRect(5940, 720, 1095, 315), "Password", "");
    row("Text3", QRect(7080, 720, 1035, 315), "",
        "Current password for the reader (a password is required to read or save the settings)");
    row("Label2(3)", QRect(600, 1380, 2535, 315), "Get  Parameters", "Read the settings from the reader");
    row("Label2(4)", QRect(3840, 1380, 2535, 315), "Set  Parameters",
        "Reprogram the reader with the current settings on the screen");
    row("Label2(20)", QRect(7140, 1380, 1935, 315), "Reboot", "Restart the reader with the new settings");
    row("Shape2", QRect(600, 1320, 2595, 375), "", "");
    row("Shape3", QRect(3840, 1320, 2595, 375), "", "");
    row("Shape5", QRect(7140, 1320, 1935, 375), "", "");
    row("Shape1", QRect(300, 2040, 4575, 5115), "", "");
    row("Shape4", QRect(4860, 2040, 4575, 5115), "", "");
    row("Text4", QRect(2760, 2340, 1815, 255), "", "Sets the IP address of the reader");
    row("Label2(5)", QRect(540, 2340, 2205, 255), "Reader IP Address", "Sets the IP address of the reader");
    row("Text6", QRect(2760, 3180, 1815, 255), "", "Reader's data port for UDP connections only");
    row("Label2(17)", QRect(540, 3180, 2205, 255), "Reader Data Port (udp)", "Reader's data port for UDP connections only");
    row("Text9", QRect(2760, 4440, 1815, 255), "", "Gateway address for the reader (required if operating over a WAN)");
    row("Label2(16)", QRect(540, 4020, 2205, 255), "Reader Subnet Mask", "Enter your network's subnet mask");
    row("Text12", QRect(2760, 5700, 1815, 255), "", "20 character unique identifier which identifies this reader");
    row("Label2(8)", QRect(540, 6120, 2205, 255), "Password", "Password for Control Port");
    row("Text14", QRect(2760, 6540, 1815, 255), "", "Reader's unique MAC Address (you cannot change this)");
    row("Label2(13)", QRect(5040, 2340, 3000, 315), "Operating Mode",
        "Sets the Operating mode of the reader (tcp client, tcp server, or udp)");
    row("Check1", QRect(5220, 2820, 975, 255), "Server", "The reader will operate as a server");
    row("Check3", QRect(7140, 2820, 735, 255), "Udp", "The reader will use UDP for communication");
    row("Check7", QRect(7680, 3780, 795, 255), "100fd", "Set the reader speed to 100BaseT Full Duplex");
    row("Check8", QRect(8520, 3780, 795, 255), "Auto", "");
    row("Label2(23)", QRect(7380, 4260, 1995, 315), "Client send id", "");
    row("Check14", QRect(7620, 4680, 735, 255), "On", "The reader will send the reader identification on a client connect");
    row("Check13", QRect(8400, 4680, 735, 255), "Off",
        "The reader will not send the reader identification on a client connect");
    row("Label2(19)", QRect(5040, 5160, 4335, 315), "Password required for Data Transfer", "");
    row("Check11", QRect(5220, 5520, 735, 255), "Yes",
        "A password is required through the Control Port in order for the reader to receive data");
    row("Label2(22)", QRect(5040, 6540, 1875, 315), "Firmware Version:",
        "Sets the Operating mode of the reader (tcp client, tcp server, or udp)");
    row("Text15", QRect(6960, 6540, 1815, 255), "", "");
    row("Label2(21)", QRect(300, 7200, 9135, 315), "", "");
}

void TestProgramReaderWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsGeometry);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    auto *control = m_window->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                             twipsGeometry.height()));
    QCOMPARE(control->toolTip(), tip);
    if (auto *l = qobject_cast<QLabel *>(control)) {
        QCOMPARE(l->text(), caption);
        QCOMPARE(l->textFormat(), Qt::PlainText);
    } else if (auto *c = qobject_cast<QCheckBox *>(control)) {
        QCOMPARE(c->text(), caption);
    }
}

void TestProgramReaderWindow::fontsAndColours()
{
    QCOMPARE(m_window->size(), QSize(twips(10650), twips(8220)));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(m_window->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Label2\\(\\d+\\)$"))).size(), 24);
    for (int i : {0, 5, 13, 22, 21}) {
        QCOMPARE(label2(i)->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label2(i)->font().pointSizeF(), 9.0);
        QVERIFY(label2(i)->font().bold());
    }
    for (int i : {3, 4, 20}) {
        QCOMPARE(label2(i)->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label2(i)->font().pointSizeF(), 9.75);
        QCOMPARE(label2(i)->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(label2(i)->alignment() & Qt::AlignHCenter);
    }
    QCOMPARE(label2(21)->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QVERIFY(label2(21)->alignment() & Qt::AlignHCenter);
    QVERIFY(m_window->findChild<QLabel *>(QStringLiteral("Label1"))->alignment() & Qt::AlignHCenter);
    for (int n = 1; n <= 14; ++n) {
        QCOMPARE(check(n)->font().pointSizeF(), 8.25);
        QVERIFY(check(n)->font().bold());
    }
    for (int n = 1; n <= 15; ++n)
        QCOMPARE(text(n)->palette().color(QPalette::Base), QColor(Qt::white));
    const QList<int> limits{15, 5, 5, 15, 5, 5, 5, 15, 15, 15, 5, 20, 5};
    for (int n = 1; n <= 13; ++n)
        QCOMPARE(text(n)->maxLength(), limits.at(n - 1));
    QVERIFY(text(14)->isReadOnly());
    QVERIFY(text(15)->isReadOnly());
    QCOMPARE(m_window->findChild<SocketControl *>(QStringLiteral("Winsock1"))->protocol(), SocketControl::Tcp);
}

void TestProgramReaderWindow::loadDefaults()
{
    ProgramReaderWindow fresh(*m_dialogs);
    auto t = [&fresh](int n) { return fresh.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n)); };
    QCOMPARE(t(3)->text(), QStringLiteral("58203"));
    for (int n = 4; n <= 15; ++n)
        QVERIFY2(t(n)->text().isEmpty(), qPrintable(QString::number(n)));
    QVERIFY(fresh.findChild<QLabel *>(QStringLiteral("Label2(21)"))->text().isEmpty());
    for (QCheckBox *c : fresh.findChildren<QCheckBox *>())
        QVERIFY(!c->isChecked() && c->isEnabled());
    QVERIFY(!fresh.busy());
    QVERIFY(fresh.firmware().isEmpty());
    QVERIFY(fresh.cidcode().isEmpty());
}

void TestProgramReaderWindow::actionsAreAccessibleButtons_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("get") << 3 << "Get  Parameters";
    QTest::newRow("set") << 4 << "Set  Parameters";
    QTest::newRow("reboot") << 20 << "Reboot";
}

void TestProgramReaderWindow::actionsAreAccessibleButtons()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    auto *label = m_window->findChild<QLabel *>(QStringLiteral("Label2(%1)").arg(index));
    QVERIFY(label);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QVERIFY(accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // Pressing from the keyboard runs the action: here "Reboot"/"Get" with a
    // blank address end in the first check's message.
    text(1)->setText(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    label->setFocus();
    QTRY_VERIFY(label->hasFocus());
    QTest::keyClick(label, Qt::Key_Space);
    QTRY_COMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.constFirst(),
             index == 4 ? QStringLiteral("You must get the parameters before setting them") : QStringLiteral("Invalid IP Address"));
}

void TestProgramReaderWindow::fieldsNamedByTheirLabels_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    const char *const names[][2] = {
        {"Text1", "IP Address"}, {"Text2", "Control Port"}, {"Text3", "Password"},
        {"Text4", "Reader IP Address"}, {"Text5", "Reader Data Port (tcp)"}, {"Text6", "Reader Data Port (udp)"},
        {"Text7", "Reader Control Port"}, {"Text8", "Reader Subnet Mask"}, {"Text9", "Reader Gateway Address"},
        {"Text10", "Server Address"}, {"Text11", "Server Port"}, {"Text12", "Identifier"}, {"Text13", "Password"},
        {"Text14", "Mac Address"}, {"Text15", "Firmware Version:"}, {"Check1", "Server"}, {"Check8", "Auto"},
        {"Check13", "Off"}, {"Check14", "On"},
    };
    for (const auto &n : names)
        QTest::newRow(n[0]) << QString::fromLatin1(n[0]) << QString::fromLatin1(n[1]);
}

void TestProgramReaderWindow::fieldsNamedByTheirLabels()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    auto *widget = m_window->findChild<QWidget *>(field);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestProgramReaderWindow::tabOrder()
{
    QStringList expected;
    for (int n = 1; n <= 14; ++n)
        expected << QStringLiteral("Text%1").arg(n);
    for (int n = 1; n <= 12; ++n)
        expected << QStringLiteral("Check%1").arg(n);
    expected << QStringLiteral("Text15") << QStringLiteral("Check13") << QStringLiteral("Check14");
    // The actions follow the listed controls, so the keyboard reaches them too.
    expected << QStringLiteral("Label2(3)") << QStringLiteral("Label2(4)") << QStringLiteral("Label2(20)");
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    QStringList actual;
    QWidget *w = text(1);
    for (int guard = 0; guard < 200 && actual.size() < expected.size(); ++guard) {
        if (w->focusPolicy() & Qt::TabFocus)
            actual << w->objectName();
        w = w->nextInFocusChain();
    }
    QCOMPARE(actual, expected);
}

void TestProgramReaderWindow::setupFillsTopRowAndFocusesPassword()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    text(4)->setText(QStringLiteral("10.1.1.1"));
    text(1)->setFocus();
    m_window->setup(QStringLiteral("10.9.8.7:x"), QStringLiteral("abc"));
    // Text placed by setup is not filtered.
    QCOMPARE(text(1)->text(), QStringLiteral("10.9.8.7:x"));
    QCOMPARE(text(2)->text(), QStringLiteral("abc"));
    QCOMPARE(text(4)->text(), QStringLiteral("10.1.1.1"));
    QTRY_COMPARE(QApplication::focusWidget(), text(3));
}

void TestProgramReaderWindow::keyFilters_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Text1 address") << 1 << "1a.2 -" << "1.2";
    QTest::newRow("Text2 letter") << 2 << "8x7" << "87";
    QTest::newRow("Text5 dot") << 5 << "5.7" << "57";
    QTest::newRow("Text8 dot accepted") << 8 << "255.0" << "255.0";
    QTest::newRow("Text11 port") << 11 << "40:00" << "4000";
    QTest::newRow("Text2 five digits at most") << 2 << "1234567" << "12345";
    QTest::newRow("Text3 anything") << 3 << "a b:!" << "a b:!";
    QTest::newRow("Text12 anything") << 12 << "Dock #4" << "Dock #4";
    QTest::newRow("Text13 five at most") << 13 << "abcdefg" << "abcde";
    QTest::newRow("Text4 backspace passes") << 4 << "12\b3" << "13";
}

void TestProgramReaderWindow::keyFilters()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    text(box)->clear();
    for (QChar c : typed) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(text(box), Qt::Key_Backspace);
        else
            QTest::keyClicks(text(box), QString(c));
    }
    QCOMPARE(text(box)->text(), shown);
}

void TestProgramReaderWindow::optionGroups()
{
    QTest::mouseClick(check(1), Qt::LeftButton);
    QTest::mouseClick(check(2), Qt::LeftButton);
    QVERIFY(!check(1)->isChecked() && check(2)->isChecked());
    QTest::mouseClick(check(2), Qt::LeftButton);
    QVERIFY(!check(1)->isChecked() && !check(2)->isChecked() && !check(3)->isChecked());

    // Groups are independent of each other, also when the program checks a box.
    check(4)->setChecked(true);
    check(9)->setChecked(true);
    check(11)->setChecked(true);
    check(13)->setChecked(true);
    check(8)->setChecked(true);
    check(14)->setChecked(true);
    QCOMPARE(checks(), (QList<bool>{false, false, false, false, false, false, false, true, true, false, true, false,
                                    false, true}));
}

void TestProgramReaderWindow::fieldLabelsRunNothing()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    for (int i : {0, 1, 2, 5, 13, 19, 21, 22, 23})
        QTest::mouseClick(label2(i), Qt::LeftButton);
    QTest::mouseClick(m_window->findChild<QWidget *>(QStringLiteral("Label1")), Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(reader->connectionCount(Channel::Control), 0);
    QVERIFY(status().isEmpty());
}

void TestProgramReaderWindow::getFillsPanels_data()
{
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<char>("cid");
    QTest::addColumn<bool>("clientSendIdEnabled");
    QTest::addColumn<int>("checkedCidBox"); // 13, 14 or 0
    QTest::newRow("02.00: no field 19, boxes disabled") << QByteArray("02.00") << '1' << false << 0;
    QTest::newRow("02.01 on") << QByteArray("02.01") << '1' << true << 14;
    QTest::newRow("02.01 off") << QByteArray("02.01") << '0' << true << 13;
    QTest::newRow("03.00 on") << QByteArray("03.00") << '1' << true << 14;
}

void TestProgramReaderWindow::getFillsPanels()
{
    QFETCH(QByteArray, firmware);
    QFETCH(char, cid);
    QFETCH(bool, clientSendIdEnabled);
    QFETCH(int, checkedCidBox);

    ReaderConfig config;
    config.firmware = firmware;
    config.cid = cid;
    config.mac = "0050C2ABCDEF";
    config.identifier = "Dock <b>4</b>";
    config.tcpDataPort = 1001;
    config.udpDataPort = 1002;
    config.controlPort = 87;
    config.subnet = "255.255.0.0";
    config.gateway = "10.0.0.1";
    config.serverAddress = "10.0.0.2";
    config.serverPort = 4000;
    config.mode = '1';
    config.speed = '3';
    config.dhcp = '1';
    config.dpass = '1';
    SimulatedReader *reader = addReader(config);
    QVERIFY(startSimulator());
    // A reader before it that reported field 19 leaves nothing behind.
    check(13)->setChecked(true);
    check(13)->setEnabled(false);
    text(13)->setText(QStringLiteral("newpw"));

    target(reader);
    click(Get);

    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("PASS58203\rSTAT\r"));
    QCOMPARE(m_window->cmdline(), QByteArray("STAT\r"));
    QCOMPARE(text(14)->text(), QStringLiteral("0050C2ABCDEF"));
    QCOMPARE(text(12)->text(), QStringLiteral("Dock <b>4</b>"));
    QCOMPARE(text(15)->text(), QString::fromLatin1(firmware));
    QCOMPARE(m_window->firmware(), firmware);
    QCOMPARE(text(4)->text(), reader->activeConfig().address.toString());
    QCOMPARE(text(5)->text(), QStringLiteral("1001"));
    QCOMPARE(text(6)->text(), QStringLiteral("1002"));
    QCOMPARE(text(7)->text(), QStringLiteral("87"));
    QCOMPARE(text(8)->text(), QStringLiteral("255.255.0.0"));
    QCOMPARE(text(9)->text(), QStringLiteral("10.0.0.1"));
    QCOMPARE(text(10)->text(), QStringLiteral("10.0.0.2"));
    QCOMPARE(text(11)->text(), QStringLiteral("4000"));
    QCOMPARE(text(13)->text(), QStringLiteral("newpw"));
    QCOMPARE(m_window->modecode(), QByteArray("1"));
    QCOMPARE(m_window->speedcode(), QByteArray("3"));
    QCOMPARE(m_window->dhcpcode(), QByteArray("1"));
    QCOMPARE(m_window->dpasscode(), QByteArray("1"));
    QVERIFY(m_window->cidcode().isEmpty());

    QList<bool> expected{false, true, false, false, false, true, false, false, true, false, true, false, false, false};
    if (checkedCidBox)
        expected[checkedCidBox - 1] = true;
    QCOMPARE(checks(), expected);
    QCOMPARE(check(13)->isEnabled(), clientSendIdEnabled);
    QCOMPARE(check(14)->isEnabled(), clientSendIdEnabled);
    QVERIFY(status().isEmpty());
    QVERIFY(!m_window->busy());
    QCOMPARE(m_window->findChild<SocketControl *>(QStringLiteral("Winsock1"))->State(), int(SocketControl::Closed));
}

// One get at the product's own 100 ms cadence: login and STAT each take one
// look, the connection one more.
void TestProgramReaderWindow::getAtRealTiming()
{
    waits::setTickMs(100);
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    QElapsedTimer clock;
    clock.start();
    click(Get);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(m_window->firmware(), QByteArray("02.10"));
    QVERIFY2(elapsed >= 290 && elapsed < 300 + 700, qPrintable(QString::number(elapsed)));
}

void TestProgramReaderWindow::getShortReply()
{
    SimulatedReader *reader = addReader();
    reader->setFault("STAT", Fault::replace("ZAVTCP:0050C2000001:ID:02.10:10.0.0.9:\r"));
    QVERIFY(startSimulator());
    for (int n : {1, 4, 9, 11, 13})
        check(n)->setChecked(true);
    text(10)->setText(QStringLiteral("1.1.1.1"));
    target(reader);
    click(Get);

    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(text(4)->text(), QStringLiteral("10.0.0.9"));
    // The CR after the last colon becomes field 6; everything after is empty.
    QCOMPARE(text(5)->text(), QStringLiteral("\r"));
    for (int n : {6, 7, 8, 9, 10, 11})
        QVERIFY2(text(n)->text().isEmpty(), qPrintable(QString::number(n)));
    QCOMPARE(checks(), QList<bool>(14, false));
    QVERIFY(check(13)->isEnabled() && check(14)->isEnabled());
    QCOMPARE(m_window->firmware(), QByteArray("02.10"));
}

void TestProgramReaderWindow::getUnknownCodesLeaveGroupsEmpty()
{
    SimulatedReader *reader = addReader();
    // Speed "6" matches no box; field 19 keeps the CR because no colon ends it.
    reader->setFault("STAT", Fault::replace("ZAVTCP:MAC:ID:02.10:10.0.0.9:57:87:0.0.0.0:127.0.0.1:57:2:6:0:X:"
                                            "255.255.255.0:53002:Y:0:1\r"));
    QVERIFY(startSimulator());
    target(reader);
    click(Get);
    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(m_window->speedcode(), QByteArray("6"));
    QCOMPARE(checks(), (QList<bool>{false, false, true, false, false, false, false, false, false, true, false, true,
                                    false, false}));
    QVERIFY(check(13)->isEnabled() && check(14)->isEnabled());
}

// A field longer than its box's typing limit is shown whole, not cut, so
// that a later set does not write back a shortened value.
void TestProgramReaderWindow::getLongFieldShownWhole()
{
    SimulatedReader *reader = addReader();
    const QByteArray longIdentifier = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    reader->setFault("STAT", Fault::replace("ZAVTCP:MAC:" + longIdentifier + ":02.10:10.100.100.100x:57:87:"
                                            "0.0.0.0:127.0.0.1:57:2:5:0:X:255.255.255.0:53002:Y:0:1:\r").only(1));
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    QCOMPARE(text(12)->text(), QString::fromLatin1(longIdentifier));
    QCOMPARE(text(4)->text(), QStringLiteral("10.100.100.100x"));
    click(Get);
    QCOMPARE(text(12)->text(), QStringLiteral("READER"));
    QCOMPARE(text(12)->maxLength(), 20);
    QCOMPARE(text(4)->maxLength(), 15);
}

void TestProgramReaderWindow::getFailures_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("faultTarget");
    QTest::addColumn<int>("faultKind"); // 0 none, 1 OK CR LF, 2 split, 3 byte before OK, 4 no answer
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QByteArray>("received");
    QTest::newRow("wrong password") << "12345" << QByteArray() << 0 << false << QByteArray("PASS12345\r");
    QTest::newRow("OK CR LF") << "58203" << QByteArray("PASS") << 1 << false << QByteArray("PASS58203\r");
    QTest::newRow("acknowledgement in two chunks")
        << "58203" << QByteArray("PASS") << 2 << true << QByteArray("PASS58203\rSTAT\r");
    QTest::newRow("byte before OK") << "58203" << QByteArray("PASS") << 3 << false << QByteArray("PASS58203\r");
    QTest::newRow("no STAT reply") << "58203" << QByteArray("STAT") << 4 << false << QByteArray("PASS58203\rSTAT\r");
}

void TestProgramReaderWindow::getFailures()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, faultTarget);
    QFETCH(int, faultKind);
    QFETCH(bool, succeeds);
    QFETCH(QByteArray, received);

    SimulatedReader *reader = addReader();
    switch (faultKind) {
    case 1: reader->setFault(faultTarget, Fault::okCrLf()); break;
    case 2: reader->setFault(faultTarget, Fault::split(2, 60)); break;
    case 3: reader->setFault(faultTarget, Fault::replace("\nOK\r")); break;
    case 4: reader->setFault(faultTarget, Fault::noAnswer()); break;
    default: break;
    }
    QVERIFY(startSimulator());
    text(4)->setText(QStringLiteral("1.2.3.4"));
    check(2)->setChecked(true);
    target(reader, password);
    click(Get);

    QTRY_COMPARE(reader->receivedBytes(Channel::Control), received);
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
    QCOMPARE(m_window->findChild<SocketControl *>(QStringLiteral("Winsock1"))->State(), int(SocketControl::Closed));
    if (succeeds) {
        QCOMPARE(m_dialogs->messages, QStringList());
        QCOMPARE(m_window->firmware(), QByteArray("02.10"));
        return;
    }
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    // Nothing already on screen is undone.
    QCOMPARE(text(4)->text(), QStringLiteral("1.2.3.4"));
    QVERIFY(check(2)->isChecked());
    QVERIFY(m_window->firmware().isEmpty());
}

void TestProgramReaderWindow::getWithoutStatReplyKeepsFirmware()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    reader->setFault("STAT", Fault::replace("A:B:C:"));
    click(Get);
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    QCOMPARE(m_window->firmware(), QByteArray("02.10"));
    QCOMPARE(text(15)->text(), QStringLiteral("02.10"));
}

void TestProgramReaderWindow::getChecks_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::newRow("address two dots") << "1.2.3" << "87" << "58203" << "Invalid IP Address";
    QTest::newRow("address empty") << "" << "" << "" << "Invalid IP Address";
    QTest::newRow("port blank") << "127.0.0.1" << "   " << "" << "Invalid Control Port Number";
    QTest::newRow("password four") << "127.0.0.1" << "87" << "1234" << "Invalid Password (must be 5 characters)";
    QTest::newRow("password blanks") << "127.0.0.1" << "87" << "     " << "Invalid Password (must be 5 characters)";
}

void TestProgramReaderWindow::getChecks()
{
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, password);
    QFETCH(QString, message);
    m_window->setup(address, port);
    text(3)->setText(password);
    for (int action : {Get, Reboot}) {
        m_dialogs->clear();
        click(action);
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QVERIFY(status().isEmpty());
        QCOMPARE(m_window->findChild<SocketControl *>(QStringLiteral("Winsock1"))->State(), int(SocketControl::Closed));
    }
}

void TestProgramReaderWindow::portThatIsNoNumber_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("zero") << "0";
    QTest::newRow("above 65535") << "65536";
    QTest::newRow("five nines") << "99999";
    QTest::newRow("letters") << "8a7";
    QTest::newRow("huge") << "99999999999999999999";
    QTest::newRow("negative") << "-87";
}

// A pasted port that is no port ends as an unreachable reader at once,
// without any connection (never port 0).
void TestProgramReaderWindow::portThatIsNoNumber()
{
    QFETCH(QString, port);
    waits::setTickMs(100);
    QTcpServer anyPort;
    QVERIFY(anyPort.listen(QHostAddress(QStringLiteral("127.0.0.9")), 0));
    m_window->setup(QStringLiteral("127.0.0.9"), port);
    for (int action : {Get, Reboot}) {
        m_dialogs->clear();
        QElapsedTimer clock;
        clock.start();
        click(action);
        QCOMPARE(m_dialogs->messages, QStringList{Unable});
        QVERIFY2(clock.elapsed() < 700, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!m_window->busy());
        QVERIFY(status().isEmpty());
    }
    QVERIFY(!anyPort.hasPendingConnections());
}

// A second action while the first one still waits for its connection is
// refused and leaves the pending connection alone.
void TestProgramReaderWindow::clickWhileConnectingIsRefused()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    // Nothing listens on this port: the connection wait runs to its limit.
    m_window->setup(QStringLiteral("127.0.0.9"), QStringLiteral("5"));
    bool busyMeanwhile = true;
    QString statusMeanwhile;
    QTimer::singleShot(60, m_window, [&] {
        busyMeanwhile = m_window->busy();
        statusMeanwhile = status();
        target(reader);
        click(Set);
        click(Get);
        click(Reboot);
    });
    click(Get);
    QCOMPARE(statusMeanwhile, QStringLiteral("Attempting Connection"));
    QVERIFY(!busyMeanwhile);
    QCOMPARE(m_dialogs->messages, (QStringList{Busy, Busy, Busy, Unable}));
    QCOMPARE(reader->connectionCount(Channel::Control), 0);
    QVERIFY(!m_window->actionRunning());
}

void TestProgramReaderWindow::windowDestroyedDuringWait()
{
    SimulatedReader *reader = addReader();
    reader->setFault("STAT", Fault::noAnswer());
    QVERIFY(startSimulator());
    target(reader);
    QPointer<ProgramReaderWindow> window(m_window);
    connect(reader, &SimulatedReader::commandReceived, this, [window](const QByteArray &keyword) {
        if (keyword == "STAT")
            QTimer::singleShot(0, [window] { delete window.data(); });
    });
    m_window->getparams();
    QVERIFY(!window);
    m_window = nullptr;
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestProgramReaderWindow::setBeforeGet()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    const QStringList valid{"127.0.0.2", "57", "53002", "87", "255.255.255.0", "0.0.0.0", "127.0.0.1", "57"};
    for (int n = 4; n <= 11; ++n)
        text(n)->setText(valid.at(n - 4));
    for (int n : {1, 8, 10})
        check(n)->setChecked(true);
    click(Set);
    QCOMPARE(m_dialogs->messages, QStringList{GetFirst});
    QCOMPARE(reader->connectionCount(Channel::Control), 0);
}

void TestProgramReaderWindow::setRuns_data()
{
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<int>("commands");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("02.00: 13") << QByteArray("02.00") << "" << 13 << settingLines(false);
    QTest::newRow("02.00 new password: 14")
        << QByteArray("02.00") << "ab" << 14 << settingLines(false) + "NEWPASSab   \r";
    QTest::newRow("02.01: 14") << QByteArray("02.01") << "   " << 14 << settingLines(true);
    QTest::newRow("02.01 new password: 15")
        << QByteArray("02.01") << " 1234" << 15 << settingLines(true) + "NEWPASS 1234\r";
}

void TestProgramReaderWindow::setRuns()
{
    QFETCH(QByteArray, firmware);
    QFETCH(QString, newPassword);
    QFETCH(int, commands);
    QFETCH(QByteArray, expected);

    ReaderConfig config;
    config.firmware = firmware;
    config.cid = '0';
    SimulatedReader *reader = addReader(config);
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    // The default settings come back unchanged, except the reader's address
    // (STAT reports where it listens).
    text(4)->setText(QStringLiteral("127.0.0.2"));
    text(13)->setText(newPassword);
    reader->clearRecord();

    QStringList statusDuringRun;
    int commandsSeen = 0;
    connect(reader, &SimulatedReader::commandReceived, this, [&](const QByteArray &keyword) {
        if (keyword != "PASS")
            ++commandsSeen;
        if (keyword == "CIP")
            statusDuringRun << status();
    });
    bool busyAtMessage = false;
    m_dialogs->whileOpen = [&](const QString &) {
        busyAtMessage = m_window->busy();
        statusDuringRun << status();
    };
    click(Set);

    QCOMPARE(m_dialogs->messages, QStringList{NewParameters});
    QCOMPARE(reader->receivedBytes(Channel::Control), "PASS58203\r" + expected);
    QCOMPARE(commandsSeen, commands);
    QCOMPARE(statusDuringRun, (QStringList{QStringLiteral("Setting Parameters - Please Wait"), QString()}));
    QVERIFY(busyAtMessage);
    QVERIFY(!m_window->busy());
    QCOMPARE(m_window->findChild<SocketControl *>(QStringLiteral("Winsock1"))->State(), int(SocketControl::Closed));
    // No field changes: after a password change Text3 keeps the old one.
    QCOMPARE(text(3)->text(), QStringLiteral("58203"));
    QCOMPARE(text(13)->text(), newPassword);
    QCOMPARE(m_window->modecode(), QByteArray("0"));
    QCOMPARE(m_window->cidcode(), control::hasClientSendId(firmware) ? QByteArray("0") : QByteArray());
}

void TestProgramReaderWindow::setChecks_data()
{
    QTest::addColumn<int>("box");       // text box to change, or -n to uncheck group of check n
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("Text1") << 1 << "1.2.3.256" << "Invalid IP Address";
    QTest::newRow("Text2") << 2 << "" << "Invalid Control Port Number";
    QTest::newRow("Text3") << 3 << "1234" << "Invalid Password (must be 5 characters)";
    QTest::newRow("Text4") << 4 << "10.0.0" << "Invalid IP Address";
    QTest::newRow("Text5") << 5 << " " << "Invalid Data Port Number";
    QTest::newRow("Text6") << 6 << "" << "Invalid UDP Port Number";
    QTest::newRow("Text7") << 7 << "" << "Invalid Control Port Number";
    QTest::newRow("Text8") << 8 << "255.255.255." << "Invalid Subnet Address";
    QTest::newRow("Text9") << 9 << "" << "Invalid Gateway Address";
    QTest::newRow("Text10") << 10 << "1.2.3.4.5" << "Invalid Server Address";
    QTest::newRow("Text11") << 11 << "" << "Invalid Server Port Number";
    QTest::newRow("mode") << -1 << "" << "An Operating Mode must be selected";
    QTest::newRow("speed") << -8 << "" << "A Speed must be selected";
    QTest::newRow("dhcp") << -10 << "" << "A DHCP setting must be selected";
}

void TestProgramReaderWindow::setChecks()
{
    QFETCH(int, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    if (box > 0)
        text(box)->setText(value);
    else
        check(-box)->setChecked(false);
    const int connections = reader->connectionCount(Channel::Control);
    click(Set);
    QCOMPARE(m_dialogs->messages, QStringList{message});
    QCOMPARE(reader->connectionCount(Channel::Control), connections);
    QVERIFY(status().isEmpty());
}

void TestProgramReaderWindow::setStopsAtRejectedCommand()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    text(4)->setText(QStringLiteral("10.0.0.9"));
    text(5)->setText(QStringLiteral("1001"));
    text(8)->setText(QStringLiteral("255.0.0.0"));
    text(9)->setText(QStringLiteral("10.0.0.1"));
    text(10)->setText(QStringLiteral("10.0.0.2"));
    reader->setFault("GTW", Fault::refuse());
    reader->clearRecord();
    click(Set);

    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    QTRY_COMPARE(reader->receivedBytes(Channel::Control),
                 QByteArray("PASS58203\rCIP10.0.0.9\rDPT1001\rUDPP53002\rCPT87\rCSN255.0.0.0\rGTW10.0.0.1\r"));
    QCOMPARE(reader->config().subnet, QByteArray("255.0.0.0"));
    QCOMPARE(reader->config().tcpDataPort, quint16(1001));
    QCOMPARE(reader->config().gateway, QByteArray("0.0.0.0"));
    QCOMPARE(reader->config().serverAddress, QByteArray("127.0.0.1"));
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
}

void TestProgramReaderWindow::setEmptyIdentifierAndKeptCodes()
{
    ReaderConfig config;
    config.dpass = '1';
    SimulatedReader *reader = addReader(config);
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    text(12)->clear();
    // Neither data-password box nor client-send-id box checked: DPASS sends the
    // code of the last STAT, CID the code this window sent last: none yet, so
    // the line is "CID" CR alone, which this reader refuses.
    check(11)->setChecked(false);
    check(13)->setChecked(false);
    reader->clearRecord();
    click(Set);
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    QByteArray sent = reader->receivedBytes(Channel::Control);
    QVERIFY2(sent.endsWith("\rIDENT\rMODE0\rCID\r"), sent.constData());

    m_dialogs->clear();
    check(14)->setChecked(true);
    reader->clearRecord();
    click(Set);
    sent = reader->receivedBytes(Channel::Control);
    QVERIFY2(sent.endsWith("\rIDENT\rMODE0\rCID1\rSPEED5\rDHCP0\rDPASS1\r"), sent.constData());

    check(14)->setChecked(false);
    reader->clearRecord();
    click(Set);
    QCOMPARE(m_dialogs->messages, (QStringList{NewParameters, NewParameters}));
    QVERIFY(reader->receivedBytes(Channel::Control).contains("\rCID1\r"));
    QCOMPARE(m_window->cidcode(), QByteArray("1"));
    QCOMPARE(m_window->dpasscode(), QByteArray("1"));
}

void TestProgramReaderWindow::setGateKeptAfterHandOver()
{
    ReaderConfig oldFirmware;
    oldFirmware.firmware = "02.00";
    SimulatedReader *first = addReader(oldFirmware);
    SimulatedReader *second = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(first));
    const QString firstAddress = text(4)->text();
    m_window->setup(second->activeConfig().address.toString(), QStringLiteral("87"));
    click(Set);

    QCOMPARE(m_dialogs->messages, QStringList{NewParameters});
    const QByteArray sent = second->receivedBytes(Channel::Control);
    // The panels of the first reader go to the second, gated by the first
    // reader's firmware: no "CID".
    QVERIFY2(sent.startsWith("PASS58203\rCIP" + firstAddress.toLatin1() + "\r"), sent.constData());
    QVERIFY2(!sent.contains("CID"), sent.constData());
    QCOMPARE(first->connectionCount(Channel::Control), 1);
}

void TestProgramReaderWindow::clickDuringFinalMessageRefused()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    text(4)->setText(QStringLiteral("127.0.0.2"));
    int connectionsDuringMessage = -1;
    m_dialogs->whileOpen = [&](const QString &text) {
        if (text != NewParameters)
            return;
        connectionsDuringMessage = reader->connectionCount(Channel::Control);
        click(Get);
        click(Reboot);
        click(Set);
    };
    click(Set);
    QCOMPARE(m_dialogs->messages, (QStringList{NewParameters, Busy, Busy, Busy}));
    QCOMPARE(reader->connectionCount(Channel::Control), connectionsDuringMessage);
    QVERIFY(!m_window->busy());
}

void TestProgramReaderWindow::rebootWithoutGet()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    bool busyAtMessage = false;
    m_dialogs->whileOpen = [&](const QString &) { busyAtMessage = m_window->busy(); };
    click(Reboot);
    QCOMPARE(m_dialogs->messages, QStringList{Rebooting});
    QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("PASS58203\rREBOOT\r"));
    QVERIFY(busyAtMessage);
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
    QCOMPARE(reader->state(), SimulatedReader::Restarting);
    QVERIFY(m_window->firmware().isEmpty());
}

void TestProgramReaderWindow::rebootRefusesGetWhileMessageOpen()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    m_dialogs->whileOpen = [&](const QString &text) {
        if (text == Rebooting)
            click(Get);
    };
    click(Reboot);
    QCOMPARE(m_dialogs->messages, (QStringList{Rebooting, Busy}));
    QCOMPARE(reader->connectionCount(Channel::Control), 1);
}

void TestProgramReaderWindow::rebootNotAcknowledged()
{
    SimulatedReader *reader = addReader();
    reader->setFault("REBOOT", Fault::noAnswer());
    QVERIFY(startSimulator());
    target(reader);
    click(Reboot);
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("PASS58203\rREBOOT\r"));
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestProgramReaderWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programreaderwindow.moc"
