// The Program Reader window against broken and hostile readers, pasted input
// and many failed exchanges: no crash, no wait beyond its limit, bounded
// memory, every socket closed.
#include "commandlanguage.h"
#include "addresschecks.h"
#include "programtesting.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "resources.h"
#include "scripteddialogs.h"
#include "socketcontrol.h"
#include "uikit.h"
#include "programreaderwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTcpServer>
#include <QTest>

Q_DECLARE_METATYPE(Fault)

namespace {
const QString Unable = QStringLiteral("Unable to connect to reader");
using namespace programtesting;

// Every byte value but the field separator.
QByteArray everyByteButColon()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != ':')
            bytes.append(char(b));
    }
    return bytes;
}
} // namespace

class TestProgramHostile : public QObject, private ProgramReaderFixture
{
    Q_OBJECT
public:
    TestProgramHostile() : ProgramReaderFixture(50) {}

private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }
    void init();
    void cleanup();

    void statNeverComplete_data();
    void statNeverComplete();
    void textFieldsShownExactly_data();
    void textFieldsShownExactly();
    void lostConnectionDuringSettingRun_data();
    void lostConnectionDuringSettingRun();
    void failedGetsKeepDescriptors();
    void badTopRow_data();
    void badTopRow();
    void badSetting_data();
    void badSetting();
    void reportedSettingWrittenBack_data();
    void reportedSettingWrittenBack();

private:
    void verifyIdleAfterFailure();
};

void TestProgramHostile::init()
{
    startFixture();
}

void TestProgramHostile::cleanup()
{
    stopFixture();
}

void TestProgramHostile::verifyIdleAfterFailure()
{
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    QVERIFY(!m_window->busy());
    QVERIFY(!m_window->actionRunning());
    QVERIFY(label2(21)->text().isEmpty());
    QCOMPARE(socket()->State(), int(SocketControl::Closed));
}

void TestProgramHostile::statNeverComplete_data()
{
    QTest::addColumn<QByteArray>("faultTarget");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("10 MB without CR") << QByteArray("STAT") << Fault::oversized(10 << 20) << false;
    QTest::newRow("flood of 20 MB") << QByteArray("STAT") << Fault::flood(20 << 20) << false;
    QTest::newRow("reply dripping every 50 ms") << QByteArray("STAT") << Fault::drip(50) << false;
    QTest::newRow("CR just past the reply limit")
        << QByteArray("STAT") << Fault::replace(QByteArray(control::ReplyLimit, ':') + '\r') << false;
    QTest::newRow("flood of 20 MB instead of the acknowledgement") << QByteArray("PASS") << Fault::flood(20 << 20) << false;
    QTest::newRow("acknowledgement dripping every 50 ms") << QByteArray("PASS") << Fault::drip(50) << true;
}

// At the real cadence: a STAT reply that does not end with its CR within the
// wait fails when the wait ends (about 3 s), and the window never keeps more
// than the reply limit however much the reader sends.
void TestProgramHostile::statNeverComplete()
{
    QFETCH(QByteArray, faultTarget);
    QFETCH(Fault, fault);
    QFETCH(bool, succeeds);
    waits::setTickMs(100);
    SimulatedReader *reader = addReader();
    reader->setFault(faultTarget, fault);
    QVERIFY(m_simulator->start());
    target(reader);
    QElapsedTimer clock;
    clock.start();
    click(Get);
    const qint64 elapsed = clock.elapsed();

    QVERIFY(m_window->replyBuffer().size() <= control::ReplyLimit);
    QVERIFY2(m_window->replyCapacity() <= 2 * control::ReplyLimit, qPrintable(QString::number(m_window->replyCapacity())));
    if (succeeds) {
        QCOMPARE(m_dialogs->messages, QStringList());
        QCOMPARE(m_window->firmware(), QByteArray("02.10"));
        QCOMPARE(socket()->State(), int(SocketControl::Closed));
        return;
    }
    verifyIdleAfterFailure();
    // Connection and login take a look or two; the failing wait runs to its 30th count.
    QVERIFY2(elapsed >= 2900 && elapsed < 3000 + 400 + 1200, qPrintable(QString::number(elapsed)));
    QVERIFY(m_window->firmware().isEmpty());
    QVERIFY(text(4)->text().isEmpty());
    QVERIFY(text(14)->text().isEmpty());
}

void TestProgramHostile::textFieldsShownExactly_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QList<int>>("boxes"); // the boxes whose STAT field holds it; the others get "F"
    const QList<int> all{14, 12, 15, 4, 5, 7, 9, 10, 11, 8, 6};
    QTest::newRow("every byte value but ':'") << everyByteButColon() << all;
    QTest::newRow("markup") << QByteArray("<b>x</b>") << all;
    QTest::newRow("NUL and CR LF") << QByteArray("\0\r\n\0", 4) << all;
    // Longer than a line edit takes by default, still within the reply limit.
    QTest::newRow("40000 bytes of MAC") << QByteArray(40000, 'M') << QList<int>{14};
    QTest::newRow("40000 bytes of firmware") << QByteArray(40000, 'V') << QList<int>{15};
}

// Each text field of STAT goes into its box whole and exactly, one character
// per byte, as plain text.
void TestProgramHostile::textFieldsShownExactly()
{
    QFETCH(QByteArray, field);
    QFETCH(QList<int>, boxes);
    SimulatedReader *reader = addReader();
    // Fields: 1 model, 2 MAC, 3 identifier, 4 firmware, 5..10 address, data
    // port, control port, gateway, server, server port, 11 mode, 12 speed,
    // 13 dhcp, 14, 15 subnet, 16 udp port, 17, 18 data password, 19 send id.
    const int fieldOfBox[] = {0, 0, 0, 0, 5, 6, 16, 7, 15, 8, 9, 10, 3, 0, 2, 4};
    QByteArrayList fields(19, "F");
    for (int box : boxes)
        fields[fieldOfBox[box] - 1] = field;
    fields[0] = "ZAVTCP";
    fields[10] = "1";
    fields[11] = "3";
    fields[12] = "1";
    fields[13] = "X";
    fields[16] = "Y";
    fields[17] = "1";
    fields[18] = "1";
    const QByteArray reply = fields.join(':') + ":\r";
    reader->setFault("STAT", Fault::replace(reply));
    QVERIFY(m_simulator->start());
    target(reader);
    click(Get);

    QCOMPARE(m_dialogs->messages, QStringList());
    const QString expected = QString::fromLatin1(field);
    QCOMPARE(expected.size(), field.size());
    for (int box : {14, 12, 15, 4, 5, 7, 9, 10, 11, 8, 6}) {
        QVERIFY2(text(box)->text() == (boxes.contains(box) ? expected : QStringLiteral("F")),
                 qPrintable(QStringLiteral("Text%1").arg(box)));
    }
    QCOMPARE(m_window->firmware(), fields.at(3));
    QVERIFY(check(2)->isChecked());
    QVERIFY(check(6)->isChecked());
    QVERIFY(check(9)->isChecked());
    QVERIFY(check(11)->isChecked());
    QVERIFY(check(14)->isChecked() && check(14)->isEnabled());
    QCOMPARE(socket()->State(), int(SocketControl::Closed));
}

void TestProgramHostile::lostConnectionDuringSettingRun_data()
{
    QTest::addColumn<QByteArray>("keyword");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("lastLine");
    QTest::newRow("reset at CSN") << QByteArray("CSN") << Fault::resetMidway() << QByteArray("CSN255.255.255.0\r");
    QTest::newRow("reset at NEWPASS") << QByteArray("NEWPASS") << Fault::resetMidway(50) << QByteArray("NEWPASSab   \r");
    QTest::newRow("reset at PASS") << QByteArray("PASS") << Fault::resetMidway() << QByteArray("PASS58203\r");
    QTest::newRow("closed at DPASS") << QByteArray("DPASS") << Fault::closeMidway() << QByteArray("DPASS0\r");
}

// A reader that resets or closes the connection in the middle of a setting
// run: the run ends there, nothing more is sent, the socket is closed.
void TestProgramHostile::lostConnectionDuringSettingRun()
{
    QFETCH(QByteArray, keyword);
    QFETCH(Fault, fault);
    QFETCH(QByteArray, lastLine);
    SimulatedReader *reader = addReader();
    QVERIFY(m_simulator->start());
    target(reader);
    click(Get);
    QVERIFY(!m_window->firmware().isEmpty());
    text(13)->setText(QStringLiteral("ab"));
    reader->setFault(keyword, fault);
    const int connections = reader->connectionCount(Channel::Control);
    click(Set);

    verifyIdleAfterFailure();
    QCOMPARE(reader->connectionCount(Channel::Control), connections + 1);
    const QByteArray received = reader->receivedBytes(Channel::Control, connections + 1);
    QVERIFY2(received.endsWith(lastLine), received.constData());
    // Nothing arrives later either.
    QTest::qWait(200);
    QVERIFY(reader->receivedBytes(Channel::Control, connections + 1).endsWith(lastLine));
}

// Failed gets (a wrong password, and a port where nothing listens) leave no
// descriptor open.
void TestProgramHostile::failedGetsKeepDescriptors()
{
    waits::setTickMs(1);
    SimulatedReader *reader = addReader();
    QVERIFY(m_simulator->start());
    auto failOnce = [this, reader](bool wrongPassword) {
        if (wrongPassword)
            target(reader, QStringLiteral("00000"));
        else
            m_window->setup(QStringLiteral("127.0.0.9"), QStringLiteral("5"));
        m_dialogs->clear();
        click(Get);
        return m_dialogs->messages == QStringList{Unable};
    };
    auto settle = [] {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    };
    QVERIFY(failOnce(true));
    QVERIFY(failOnce(false));
    settle();
    const int before = openFileDescriptorCount();
    for (int i = 0; i < 200; ++i)
        QVERIFY(failOnce(i % 2 == 0));
    QTRY_VERIFY_WITH_TIMEOUT((settle(), openFileDescriptorCount() == before), 5000);
    QVERIFY(!m_window->busy());
}

void TestProgramHostile::badTopRow_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    const QString reader = QStringLiteral("127.0.0.40");
    const QString invalidPassword = QStringLiteral("Invalid Password (must be 5 characters)");
    QTest::newRow("port letters") << reader << "8a7" << "58203" << Unable;
    QTest::newRow("port 0") << reader << "0" << "58203" << Unable;
    QTest::newRow("port 65536") << reader << "65536" << "58203" << Unable;
    QTest::newRow("port 99999") << reader << "99999" << "58203" << Unable;
    QTest::newRow("port blanks") << reader << "  " << "58203" << "Invalid Control Port Number";
    QTest::newRow("address blank inside") << "127.0. 0.40" << "87" << "58203" << Unable;
    QTest::newRow("address letters") << "a.b.c.d" << "87" << "58203" << Unable;
    QTest::newRow("address empty group") << "127..0.40" << "87" << "58203" << Unable;
    QTest::newRow("address blanks only") << "   " << "87" << "58203" << "Invalid IP Address";
    QTest::newRow("password blank first") << reader << "87" << " 5820" << invalidPassword;
    QTest::newRow("password blank last") << reader << "87" << "5820 " << invalidPassword;
    QTest::newRow("password blanks around") << reader << "87" << " 582 " << invalidPassword;
}

// Pasted top-row text in get, set and reboot: the field's message, or an
// unreachable reader at once; nothing reaches the reader, nothing hangs.
void TestProgramHostile::badTopRow()
{
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, password);
    QFETCH(QString, message);
    waits::setTickMs(100);
    QTcpServer listener; // the reader's address and port: must see no connection
    QVERIFY(listener.listen(QHostAddress(QStringLiteral("127.0.0.40")), 87));
    // Set needs an earlier successful get: a reader elsewhere gives one.
    SimulatedReader *reader = addReader();
    QVERIFY(m_simulator->start());
    target(reader);
    click(Get);
    QVERIFY(!m_window->firmware().isEmpty());

    for (int action : {Get, Set, Reboot}) {
        m_window->setup(address, port);
        text(3)->setText(password);
        m_dialogs->clear();
        QElapsedTimer clock;
        clock.start();
        click(action);
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QVERIFY2(clock.elapsed() < 700, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!m_window->busy());
        QVERIFY(label2(21)->text().isEmpty());
        QCOMPARE(socket()->State(), int(SocketControl::Closed));
    }
    QVERIFY(!listener.hasPendingConnections());
    QCOMPARE(reader->connectionCount(Channel::Control), 1);
}

void TestProgramHostile::badSetting_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const struct { int box; const char *message; } ports[] = {
        {5, "Invalid Data Port Number"}, {6, "Invalid UDP Port Number"},
        {7, "Invalid Control Port Number"}, {11, "Invalid Server Port Number"}};
    for (const auto &p : ports) {
        for (const char *value : {"8a7", "0", "65536", "99999", " 87", "-1"})
            QTest::addRow("Text%d \"%s\"", p.box, value) << p.box << QString::fromLatin1(value)
                                                       << QString::fromLatin1(p.message);
    }
    const struct { int box; const char *message; } addresses[] = {
        {4, "Invalid IP Address"}, {8, "Invalid Subnet Address"},
        {9, "Invalid Gateway Address"}, {10, "Invalid Server Address"}};
    for (const auto &a : addresses) {
        for (const char *value : {" 10.0.0.1", "10.0.0.1 ", "10.0. 0.1", "a.b.c.d", "10..0.1", ".10.0.1"})
            QTest::addRow("Text%d \"%s\"", a.box, value) << a.box << QString::fromLatin1(value)
                                                       << QString::fromLatin1(a.message);
    }
}

// A setting the reader could not use is refused with its field's message
// before anything is sent.
void TestProgramHostile::badSetting()
{
    QFETCH(int, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    SimulatedReader *reader = addReader();
    QVERIFY(m_simulator->start());
    target(reader);
    click(Get);
    QVERIFY(!m_window->firmware().isEmpty());
    text(box)->setText(value);
    click(Set);
    QCOMPARE(m_dialogs->messages, QStringList{message});
    QCOMPARE(reader->connectionCount(Channel::Control), 1);
    QVERIFY(!m_window->busy());
    QVERIFY(label2(21)->text().isEmpty());
}

// What the reader itself reported goes back to it unchanged, after the plain
// checks only; once the user types into such a field, the strict checks hold.
void TestProgramHostile::reportedSettingWrittenBack_data()
{
    QTest::addColumn<QByteArray>("setting");   // the reported value's command
    QTest::addColumn<QByteArray>("reported");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");        // empty: the field is left alone
    QTest::addColumn<QString>("message");      // empty: the run completes
    QTest::newRow("server port 0 kept") << QByteArray("SPRT") << QByteArray("0") << 11 << "" << "";
    QTest::newRow("data port 0 kept") << QByteArray("DPT") << QByteArray("0") << 5 << "" << "";
    QTest::newRow("UDP port 0 kept") << QByteArray("UDPP") << QByteArray("0") << 6 << "" << "";
    QTest::newRow("gateway with a letter kept") << QByteArray("GTW") << QByteArray("10.0.0.x") << 9 << "" << "";
    QTest::newRow("subnet with a blank kept")
        << QByteArray("CSN") << QByteArray("255.255. 0.0") << 8 << "" << "";
    QTest::newRow("server address with a letter kept")
        << QByteArray("SIP") << QByteArray("10.0.0.2a") << 10 << "" << "";
    QTest::newRow("server port 0 typed again") << QByteArray("SPRT") << QByteArray("0") << 11 << "0" << "";
    QTest::newRow("typed 0 refused")
        << QByteArray("SPRT") << QByteArray("57") << 11 << "0" << "Invalid Server Port Number";
    QTest::newRow("typed 70000 over a reported 0 refused")
        << QByteArray("SPRT") << QByteArray("0") << 11 << "70000" << "Invalid Server Port Number";
    QTest::newRow("typed 00 over a reported 0 refused")
        << QByteArray("DPT") << QByteArray("0") << 5 << "00" << "Invalid Data Port Number";
    QTest::newRow("typed letter over a reported odd gateway refused")
        << QByteArray("GTW") << QByteArray("10.0.0.x") << 9 << "10.0.0.y" << "Invalid Gateway Address";
    QTest::newRow("plain check still holds for a reported value")
        << QByteArray("SPRT") << QByteArray("0") << 11 << " " << "Invalid Server Port Number";
}

void TestProgramHostile::reportedSettingWrittenBack()
{
    QFETCH(QByteArray, setting);
    QFETCH(QByteArray, reported);
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ReaderConfig config;
    if (setting == "SPRT")
        config.serverPort = quint16(reported.toUInt());
    else if (setting == "DPT")
        config.tcpDataPort = quint16(reported.toUInt());
    else if (setting == "UDPP")
        config.udpDataPort = quint16(reported.toUInt());
    else if (setting == "GTW")
        config.gateway = reported;
    else if (setting == "CSN")
        config.subnet = reported;
    else if (setting == "SIP")
        config.serverAddress = reported;
    SimulatedReader *reader = addReader(config);
    QVERIFY(m_simulator->start());
    target(reader);
    click(Get);
    QVERIFY(!m_window->firmware().isEmpty());
    QCOMPARE(text(box)->text(), QString::fromLatin1(reported));
    if (!typed.isEmpty())
        text(box)->setText(typed);
    reader->clearRecord();
    click(Set);
    if (!message.isEmpty()) {
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QCOMPARE(reader->connectionCount(Channel::Control), 1);
        QVERIFY(reader->receivedBytes(Channel::Control).isEmpty());
        return;
    }
    // Passed by the window and sent as it stands; whether this reader takes
    // the value is its own affair (the simulated one stores only what it can
    // use, and a refusal ends the run as any unacknowledged command does).
    QCOMPARE(m_dialogs->messages.filter(QStringLiteral("Invalid")), QStringList());
    QCOMPARE(m_dialogs->messages.size(), 1);
    const QByteArray sent = reader->receivedBytes(Channel::Control);
    const QByteArray line = setting + (typed.isEmpty() ? reported : typed.toLatin1()) + '\r';
    QVERIFY2(sent.startsWith("PASS58203\r"), sent.constData());
    QVERIFY2(sent.contains('\r' + line), sent.constData());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestProgramHostile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programhostile.moc"
