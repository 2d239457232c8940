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
    void verifyIdleAfterFailure(const QString &message = Unable);
};

void TestProgramHostile::init()
{
    startFixture();
}

void TestProgramHostile::cleanup()
{
    stopFixture();
}

void TestProgramHostile::verifyIdleAfterFailure(const QString &message)
{
    QCOMPARE(m_dialogs->messages, QStringList{message});
    QVERIFY(!m_window->busy());
    QVERIFY(!m_window->jobRunning());
    QVERIFY(status().isEmpty());
    QVERIFY(!m_window->connectionOpen());
}

void TestProgramHostile::statNeverComplete_data()
{
    QTest::addColumn<QByteArray>("faultTarget");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<bool>("atLimit"); // false: fails at once
    QTest::newRow("10 MB without CR") << QByteArray("STAT") << Fault::oversized(10 << 20) << false << false;
    QTest::newRow("flood of 20 MB") << QByteArray("STAT") << Fault::flood(20 << 20) << false << false;
    QTest::newRow("reply dripping every 50 ms") << QByteArray("STAT") << Fault::drip(50) << false << true;
    QTest::newRow("CR just past the reply limit")
        << QByteArray("STAT") << Fault::replace(QByteArray(control::ReplyLimit, ':') + '\r') << false << false;
    QTest::newRow("flood of 20 MB instead of the acknowledgement")
        << QByteArray("PASS") << Fault::flood(20 << 20) << false << false;
    QTest::newRow("acknowledgement dripping every 50 ms") << QByteArray("PASS") << Fault::drip(50) << true << false;
}

// With the real limits: a STAT reply that does not end with its CR within
// 3 s fails then; one that can no longer be a reply (longer than the reply
// limit) fails at once, however much the reader sends.
void TestProgramHostile::statNeverComplete()
{
    QFETCH(QByteArray, faultTarget);
    QFETCH(Fault, fault);
    QFETCH(bool, succeeds);
    QFETCH(bool, atLimit);
    m_window->setLimits({});
    SimulatedReader *reader = addReader();
    reader->setFault(faultTarget, fault);
    QVERIFY(m_simulator->start());
    target(reader);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run(Get));
    const qint64 elapsed = clock.elapsed();

    if (succeeds) {
        QCOMPARE(m_dialogs->messages, QStringList());
        QCOMPARE(m_window->firmware(), QByteArray("02.10"));
        QVERIFY(!m_window->connectionOpen());
        return;
    }
    verifyIdleAfterFailure();
    if (atLimit)
        QVERIFY2(elapsed >= 2900 && elapsed < 3000 + 1000, qPrintable(QString::number(elapsed)));
    else
        QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));
    QVERIFY(m_window->firmware().isEmpty());
    QVERIFY(m_window->readerAddressEdit()->text().isEmpty());
    QVERIFY(m_window->macAddressEdit()->text().isEmpty());
}

void TestProgramHostile::textFieldsShownExactly_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QList<int>>("boxes"); // the fields whose STAT field holds it; the others get "F"
    const QList<int> all{MacAddress, Identifier, Firmware, ReaderAddress, DataPort, ReaderControlPort, Gateway,
                         ServerAddress, ServerPort, SubnetMask, UdpPort};
    QTest::newRow("every byte value but ':'") << everyByteButColon() << all;
    QTest::newRow("markup") << QByteArray("<b>x</b>") << all;
    QTest::newRow("NUL and CR LF") << QByteArray("\0\r\n\0", 4) << all;
    // Longer than a line edit takes by default, still within the reply limit.
    QTest::newRow("40000 bytes of MAC") << QByteArray(40000, 'M') << QList<int>{MacAddress};
    QTest::newRow("40000 bytes of firmware") << QByteArray(40000, 'V') << QList<int>{Firmware};
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
    const QHash<int, int> fieldOfBox{{ReaderAddress, 5}, {DataPort, 6}, {UdpPort, 16}, {ReaderControlPort, 7},
                                     {SubnetMask, 15}, {Gateway, 8}, {ServerAddress, 9}, {ServerPort, 10},
                                     {Identifier, 3}, {MacAddress, 2}, {Firmware, 4}};
    QByteArrayList fields(19, "F");
    for (int box : boxes)
        fields[fieldOfBox.value(box) - 1] = field;
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
    QVERIFY(run(Get));

    QCOMPARE(m_dialogs->messages, QStringList());
    const QString expected = QString::fromLatin1(field);
    QCOMPARE(expected.size(), field.size());
    for (auto box = fieldOfBox.cbegin(); box != fieldOfBox.cend(); ++box) {
        QVERIFY2(this->field(Field(box.key()))->text() == (boxes.contains(box.key()) ? expected : QStringLiteral("F")),
                 qPrintable(this->field(Field(box.key()))->objectName()));
    }
    QCOMPARE(m_window->firmware(), fields.at(3));
    QCOMPARE(checkedCodes(), QStringLiteral("1 3 1 1 1"));
    QVERIFY(m_window->clientSendIdGroup()->button(1)->isEnabled());
    QVERIFY(!m_window->connectionOpen());
}

void TestProgramHostile::lostConnectionDuringSettingRun_data()
{
    QTest::addColumn<QByteArray>("keyword");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("lastLine");
    // The message's second line, up to the reason the system gives.
    QTest::addColumn<QString>("report");
    QTest::newRow("reset at CSN") << QByteArray("CSN") << Fault::resetMidway() << QByteArray("CSN255.255.255.0\r")
                                  << "CIP, DPT, UDPP, CPT acknowledged; CSN not acknowledged (";
    QTest::newRow("reset at NEWPASS")
        << QByteArray("NEWPASS") << Fault::resetMidway(50) << QByteArray("NEWPASSab   \r")
        << "CIP, DPT, UDPP, CPT, CSN, GTW, SIP, SPRT, IDENT, MODE, CID, SPEED, DHCP, DPASS acknowledged; "
           "NEWPASS not acknowledged (";
    QTest::newRow("reset at PASS") << QByteArray("PASS") << Fault::resetMidway() << QByteArray("PASS58203\r")
                                   << QString();
    QTest::newRow("closed at DPASS")
        << QByteArray("DPASS") << Fault::closeMidway() << QByteArray("DPASS0\r")
        << "CIP, DPT, UDPP, CPT, CSN, GTW, SIP, SPRT, IDENT, MODE, CID, SPEED, DHCP acknowledged; "
           "DPASS not acknowledged (";
}

// A reader that resets or closes the connection in the middle of a setting
// run: the run ends there, nothing more is sent, the socket is closed.
void TestProgramHostile::lostConnectionDuringSettingRun()
{
    QFETCH(QByteArray, keyword);
    QFETCH(Fault, fault);
    QFETCH(QByteArray, lastLine);
    QFETCH(QString, report);
    SimulatedReader *reader = addReader();
    QVERIFY(m_simulator->start());
    target(reader);
    QVERIFY(run(Get));
    QVERIFY(!m_window->firmware().isEmpty());
    m_window->newPasswordEdit()->setText(QStringLiteral("ab"));
    reader->setFault(keyword, fault);
    const int connections = reader->connectionCount(Channel::Control);
    QVERIFY(run(Set));

    QCOMPARE(m_dialogs->messages.size(), 1);
    const QString message = m_dialogs->messages.constFirst();
    QVERIFY2(report.isEmpty() ? message == Unable : message.startsWith(Unable + QLatin1Char('\n') + report),
             qPrintable(message));
    verifyIdleAfterFailure(message);
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
    m_window->setLimits({30, 30});
    SimulatedReader *reader = addReader();
    QVERIFY(m_simulator->start());
    auto failOnce = [this, reader](bool wrongPassword) {
        if (wrongPassword)
            target(reader, QStringLiteral("00000"));
        else
            m_window->setup(QStringLiteral("127.0.0.9"), QStringLiteral("5"));
        m_dialogs->clear();
        return run(Get) && m_dialogs->messages == QStringList{Unable};
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
    m_window->setLimits({});
    QTcpServer listener; // the reader's address and port: must see no connection
    QVERIFY(listener.listen(QHostAddress(QStringLiteral("127.0.0.40")), 87));
    // Set needs an earlier successful get: a reader elsewhere gives one.
    SimulatedReader *reader = addReader();
    QVERIFY(m_simulator->start());
    target(reader);
    QVERIFY(run(Get));
    QVERIFY(!m_window->firmware().isEmpty());

    for (Action action : {Get, Set, Reboot}) {
        m_window->setup(address, port);
        m_window->passwordEdit()->setText(password);
        m_dialogs->clear();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(run(action));
        QCOMPARE(m_dialogs->messages, QStringList{message});
        // At once: far below the limit of 3 s, with time to spare for a busy machine.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!m_window->busy());
        QVERIFY(status().isEmpty());
        QVERIFY(!m_window->connectionOpen());
    }
    QVERIFY(!listener.hasPendingConnections());
    QCOMPARE(reader->connectionCount(Channel::Control), 1);
}

void TestProgramHostile::badSetting_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const struct { int box; const char *name; const char *message; } ports[] = {
        {DataPort, "data port", "Invalid Data Port Number"}, {UdpPort, "udp port", "Invalid UDP Port Number"},
        {ReaderControlPort, "control port", "Invalid Control Port Number"},
        {ServerPort, "server port", "Invalid Server Port Number"}};
    for (const auto &p : ports) {
        for (const char *value : {"8a7", "0", "65536", "99999", " 87", "-1"})
            QTest::addRow("%s \"%s\"", p.name, value) << p.box << QString::fromLatin1(value)
                                                      << QString::fromLatin1(p.message);
    }
    const struct { int box; const char *name; const char *message; } addresses[] = {
        {ReaderAddress, "reader address", "Invalid IP Address"}, {SubnetMask, "subnet mask", "Invalid Subnet Address"},
        {Gateway, "gateway", "Invalid Gateway Address"}, {ServerAddress, "server address", "Invalid Server Address"}};
    for (const auto &a : addresses) {
        for (const char *value : {" 10.0.0.1", "10.0.0.1 ", "10.0. 0.1", "a.b.c.d", "10..0.1", ".10.0.1"})
            QTest::addRow("%s \"%s\"", a.name, value) << a.box << QString::fromLatin1(value)
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
    QVERIFY(run(Get));
    QVERIFY(!m_window->firmware().isEmpty());
    field(Field(box))->setText(value);
    QVERIFY(run(Set));
    QCOMPARE(m_dialogs->messages, QStringList{message});
    QCOMPARE(reader->connectionCount(Channel::Control), 1);
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
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
    QTest::newRow("server port 0 kept") << QByteArray("SPRT") << QByteArray("0") << int(ServerPort) << "" << "";
    QTest::newRow("data port 0 kept") << QByteArray("DPT") << QByteArray("0") << int(DataPort) << "" << "";
    QTest::newRow("UDP port 0 kept") << QByteArray("UDPP") << QByteArray("0") << int(UdpPort) << "" << "";
    QTest::newRow("gateway with a letter kept")
        << QByteArray("GTW") << QByteArray("10.0.0.x") << int(Gateway) << "" << "";
    QTest::newRow("subnet with a blank kept")
        << QByteArray("CSN") << QByteArray("255.255. 0.0") << int(SubnetMask) << "" << "";
    QTest::newRow("server address with a letter kept")
        << QByteArray("SIP") << QByteArray("10.0.0.2a") << int(ServerAddress) << "" << "";
    QTest::newRow("server port 0 typed again")
        << QByteArray("SPRT") << QByteArray("0") << int(ServerPort) << "0" << "";
    QTest::newRow("typed 0 refused")
        << QByteArray("SPRT") << QByteArray("57") << int(ServerPort) << "0" << "Invalid Server Port Number";
    QTest::newRow("typed 70000 over a reported 0 refused")
        << QByteArray("SPRT") << QByteArray("0") << int(ServerPort) << "70000" << "Invalid Server Port Number";
    QTest::newRow("typed 00 over a reported 0 refused")
        << QByteArray("DPT") << QByteArray("0") << int(DataPort) << "00" << "Invalid Data Port Number";
    QTest::newRow("typed letter over a reported odd gateway refused")
        << QByteArray("GTW") << QByteArray("10.0.0.x") << int(Gateway) << "10.0.0.y" << "Invalid Gateway Address";
    QTest::newRow("plain check still holds for a reported value")
        << QByteArray("SPRT") << QByteArray("0") << int(ServerPort) << " " << "Invalid Server Port Number";
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
    QVERIFY(run(Get));
    QVERIFY(!m_window->firmware().isEmpty());
    QCOMPARE(field(Field(box))->text(), QString::fromLatin1(reported));
    if (!typed.isEmpty())
        field(Field(box))->setText(typed);
    reader->clearRecord();
    QVERIFY(run(Set));
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
