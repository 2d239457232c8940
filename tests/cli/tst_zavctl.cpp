// zavctl as a technician runs it: the program in its own process against
// simulated readers in this one. Checks the bytes every reader received,
// standard output in each form, the one-line messages on standard error and
// the exit status; every bad input is refused with nothing sent, the
// password appears in no output, and Ctrl+C leaves no reader unreported.
#include "privatenetwork.h"
#include "readersimulator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
const QByteArray Password = "58203";
const QByteArray Login = "PASS58203\r";

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray firmware(int blocks)
{
    QByteArray bytes;
    for (int i = 0; i < blocks * 1024; ++i)
        bytes.append(char((i * 13 + 5) & 0xff));
    return bytes;
}
} // namespace

class TestZavctl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void getOneReader();
    void getJson();
    void getSeveralWhereOneFails();
    void getFromStandardInputCsv();
    void portOptionOverridesCsvColumn();
    void getRange();
    void setWritesTheWholeRun();
    void setWithNewPasswordAndReboot();
    void setRefusedByTheReaderSettings();
    void setStopsPartWay_data();
    void setStopsPartWay();
    void setEachReaderFromCsv();
    void editedGetOutputGivenBack_data();
    void editedGetOutputGivenBack();
    void csvContradictionsRefused_data();
    void csvContradictionsRefused();
    void applySendsOnlyWhatDiffers_data();
    void applySendsOnlyWhatDiffers();
    void rebootBytes();
    void flashBytes_data();
    void flashBytes();
    void flashLosesReaderMidDownload();
    void badInputSendsNothing_data();
    void badInputSendsNothing();
    void passwordNeverShown_data();
    void passwordNeverShown();
    void helpAndUsage_data();
    void helpAndUsage();
    void parallelRunKeepsOrder();
    void hostileReadersFailAlone();
    void interruptCutsOffEveryReader_data();
    void interruptCutsOffEveryReader();
    void linksNoGuiLibrary();

    void searchListsEachReaderOnce();
    void searchUnknownInterface();
    void scanInAddressOrder();
    void changeAddressMessage();
    void scanComparedWithEarlierList();

private:
    SimulatedReader *addReader(ReaderConfig config = ReaderConfig());
    Run zavctl(const QStringList &arguments, const QByteArray &input = QByteArray(),
               const QHash<QString, QString> &environment = {{QStringLiteral("ZAV_PASSWORD"), QString::fromLatin1(Password)}});
    QString address(SimulatedReader *reader) const { return reader->activeConfig().address.toString(); }
    int connectionsInAll() const;

    ReaderSimulator *m_simulator = nullptr;
    QTemporaryDir m_files;
    int m_nextAddress = 10;
};

void TestZavctl::initTestCase()
{
    ZAV_REQUIRE_PRIVATE_NETWORK();
    QVERIFY(m_files.isValid());
}

void TestZavctl::init()
{
    m_simulator = new ReaderSimulator;
    m_simulator->setMulticastEnabled(false);
}

void TestZavctl::cleanup()
{
    delete m_simulator;
    m_simulator = nullptr;
}

SimulatedReader *TestZavctl::addReader(ReaderConfig config)
{
    config.address = QHostAddress(QStringLiteral("127.0.1.%1").arg(m_nextAddress++));
    config.mac = ReaderSimulator::macAfter("0050C2000000", m_nextAddress);
    SimulatedReader *reader = m_simulator->addReader(config);
    QString error;
    if (!reader->start(&error))
        qWarning("simulator: %s", qPrintable(error));
    return reader;
}

int TestZavctl::connectionsInAll() const
{
    int count = 0;
    for (SimulatedReader *reader : m_simulator->readers())
        count += reader->connectionCount(Channel::Control) + reader->connectionCount(Channel::Download);
    return count;
}

Run TestZavctl::zavctl(const QStringList &arguments, const QByteArray &input,
                       const QHash<QString, QString> &environment)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ZAV_PASSWORD"));
    env.remove(QStringLiteral("ZAV_NEW_PASSWORD"));
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(QStringLiteral(ZAVCTL_PATH), arguments);
    Run run;
    if (!process.waitForStarted(5000))
        return run;
    process.write(input);
    process.closeWriteChannel();
    // The simulated readers live in this process: keep its events running.
    if (!finished.wait(30000)) {
        process.kill();
        process.waitForFinished(1000);
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

void TestZavctl::getOneReader()
{
    ReaderConfig config;
    config.identifier = "DOCK 4";
    config.mode = '1';
    config.cid = '1';
    SimulatedReader *reader = addReader(config);
    const Run run = zavctl({"get", address(reader)});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(reader->receivedBytes(Channel::Control), Login + "STAT\r");
    // Not a terminal: CSV with its header.
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QByteArray("reader,ok,mac,identifier,firmware,address,data-port,control-port,gateway,"
                                     "server-address,server-port,mode,speed,dhcp,subnet-mask,udp-port,data-password,"
                                     "client-send-id,error\r"));
    QCOMPARE(lines.at(1), (address(reader) + ",true," + reader->config().mac + ",DOCK 4,02.10," + address(reader)
                           + ",57,87,0.0.0.0,127.0.0.1,57,client,auto,off,255.255.255.0,53002,no,on,\r").toLatin1());
}

void TestZavctl::getJson()
{
    ReaderConfig old;
    old.firmware = "02.00";
    SimulatedReader *a = addReader(old);
    SimulatedReader *b = addReader();
    const Run run = zavctl({"get", address(a), address(b), "--format", "json"});
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray array = document.array();
    QCOMPARE(array.size(), 2);
    const QJsonObject first = array.at(0).toObject();
    QCOMPARE(first.value("reader").toString(), address(a));
    QCOMPARE(first.value("ok").toBool(), true);
    QCOMPARE(first.value("firmware").toString(), QStringLiteral("02.00"));
    QVERIFY(!first.contains("client-send-id"));  // a 02.00 reader has no such setting
    QVERIFY(!first.contains("error"));
    const QJsonObject second = array.at(1).toObject();
    QCOMPARE(second.keys().size(), 18);  // reader, ok and the 16 keys
    QCOMPARE(second.value("client-send-id").toString(), QStringLiteral("off"));
    QCOMPARE(second.value("mode").toString(), QStringLiteral("server"));
}

void TestZavctl::getSeveralWhereOneFails()
{
    SimulatedReader *a = addReader();
    ReaderConfig other;
    other.password = "11111";
    SimulatedReader *b = addReader(other);
    SimulatedReader *c = addReader();
    const QString silent = QStringLiteral("127.0.1.250");  // nobody there: refused at once
    const Run run = zavctl({"get", address(a), address(b), silent, address(c), "--format", "json"});
    QCOMPARE(run.status, 1);
    const QJsonArray array = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(array.size(), 4);
    const QStringList order{address(a), address(b), silent, address(c)};
    const QList<bool> ok{true, false, false, true};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(array.at(i).toObject().value("reader").toString(), order.at(i));
        QCOMPARE(array.at(i).toObject().value("ok").toBool(), ok.at(i));
        QCOMPARE(array.at(i).toObject().contains("error"), !ok.at(i));
    }
    const QList<QByteArray> messages = run.err.trimmed().split('\n');
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages.at(0).startsWith("zavctl: " + address(b).toLatin1() + ": login not acknowledged"));
    QVERIFY(messages.at(1).startsWith("zavctl: " + silent.toLatin1() + ": no connection"));
    QCOMPARE(c->receivedBytes(Channel::Control), Login + "STAT\r");
}

void TestZavctl::getFromStandardInputCsv()
{
    SimulatedReader *a = addReader();
    ReaderConfig moved;
    moved.controlPort = 8087;
    SimulatedReader *b = addReader(moved);
    // As "search --format csv" writes it: the control-port column is used.
    const QByteArray csv = "address,mac,identification,control-port,interface\r\n" + address(a).toLatin1()
                           + ",0050C2000001,\"Dock, north\",87,lo\r\n" + address(b).toLatin1()
                           + ",0050C2000002,x,8087,lo\r\n";
    const Run run = zavctl({"get", "-", "--format", "csv"}, csv);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count('\n'), 3);
    QCOMPARE(b->receivedBytes(Channel::Control), Login + "STAT\r");
}

void TestZavctl::portOptionOverridesCsvColumn()
{
    // The CSV names port 8088, where something else listens; --port says
    // 8087, where the reader is. Only --port is used.
    ReaderConfig moved;
    moved.controlPort = 8087;
    SimulatedReader *reader = addReader(moved);
    QTcpServer other;
    QVERIFY(other.listen(reader->activeConfig().address, 8088));
    const QByteArray csv = "address,mac,identification,control-port,interface\r\n" + address(reader).toLatin1()
                           + ",0050C2000001,x,8088,lo\r\n";
    const Run run = zavctl({"get", "-", "--port", "8087"}, csv);
    QCOMPARE(run.status, 0);
    QCOMPARE(reader->receivedBytes(Channel::Control), Login + "STAT\r");
    QTest::qWait(50);
    QVERIFY(!other.hasPendingConnections());
}

void TestZavctl::getRange()
{
    QList<SimulatedReader *> readers;
    for (int i = 0; i < 3; ++i)
        readers.append(addReader());
    const QString first = address(readers.first());
    const QString range = first + QLatin1Char('-') + address(readers.last()).section(QLatin1Char('.'), 3);
    const Run run = zavctl({"get", range, "--jobs", "2"});
    QCOMPARE(run.status, 0);
    for (SimulatedReader *reader : readers)
        QCOMPARE(reader->receivedBytes(Channel::Control), Login + "STAT\r");
}

void TestZavctl::setWritesTheWholeRun()
{
    SimulatedReader *reader = addReader();
    const QString a = address(reader);
    const Run run = zavctl({"set", a, "mode=udp", "identifier=DOCK 4", "server-port=4000"});
    QCOMPARE(run.status, 0);
    QCOMPARE(reader->receivedBytes(Channel::Control),
             Login + "STAT\rCIP" + a.toLatin1()
                 + "\rDPT57\rUDPP53002\rCPT87\rCSN255.255.255.0\rGTW0.0.0.0\rSIP127.0.0.1\rSPRT4000\r"
                   "IDENTDOCK 4\rMODE2\rCID0\rSPEED5\rDHCP0\rDPASS0\r");
    QCOMPARE(reader->config().mode, '2');
    QVERIFY(run.out.contains("reboot needed"));
    QVERIFY(run.err.contains("after a reboot"));  // the readers must be restarted
    QCOMPARE(reader->connectionCount(Channel::Control), 1);
}

void TestZavctl::setWithNewPasswordAndReboot()
{
    ReaderConfig old;
    old.firmware = "02.00";
    SimulatedReader *reader = addReader(old);
    const Run run = zavctl({"set", address(reader), "speed=100fd", "--new-password", "--reboot", "--format", "json"},
                           {}, {{"ZAV_PASSWORD", "58203"}, {"ZAV_NEW_PASSWORD", "54321"}});
    QCOMPARE(run.status, 0);
    const QByteArray control = reader->receivedBytes(Channel::Control);
    QVERIFY(!control.contains("CID"));
    QVERIFY(control.contains("SPEED4\rDHCP0\rDPASS0\rNEWPASS54321\r" + Login + "REBOOT\r"));
    QCOMPARE(reader->receivedBytes(Channel::Control, 2), Login + "REBOOT\r");  // its own connection, old password
    QVERIFY(!run.err.contains("after a reboot"));
    QCOMPARE(QJsonDocument::fromJson(run.out).array().at(0).toObject().value("ok").toBool(), true);
}

void TestZavctl::setRefusedByTheReaderSettings()
{
    ReaderConfig config;
    config.gateway = "10.0.0";  // what the reader reports cannot be written back
    SimulatedReader *broken = addReader(config);
    SimulatedReader *fine = addReader();
    const Run run = zavctl({"set", address(broken), address(fine), "mode=client"});
    QCOMPARE(run.status, 1);
    QCOMPARE(broken->receivedBytes(Channel::Control), Login + "STAT\r");
    QVERIFY(run.err.contains(address(broken).toLatin1() + ": Invalid Gateway Address"));
    QVERIFY(fine->receivedBytes(Channel::Control).endsWith("DPASS0\r"));
}

void TestZavctl::setStopsPartWay_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<QStringList>("applied");
    QTest::addColumn<QString>("failedAt");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("reboot");
    QTest::newRow("refused in the middle") << QByteArray("GTW") << QByteArray("replace:ERR\\r")
                                           << QStringList{"CIP", "DPT", "UDPP", "CPT", "CSN"} << "GTW"
                                           << "GTW not acknowledged (answered \"ERR\\r\") "
                                              "(acknowledged: CIP DPT UDPP CPT CSN; failed: GTW)"
                                           << false;
    QTest::newRow("reset at the first") << QByteArray("CIP") << QByteArray("reset") << QStringList() << "CIP"
                                        << "(acknowledged: none; failed: CIP)" << false;
    QTest::newRow("nothing sent") << QByteArray("PASS") << QByteArray("replace:ERR\\r") << QStringList() << ""
                                  << "login not acknowledged (answered \"ERR\\r\")\n" << false;
    QTest::newRow("restart not acknowledged")
        << QByteArray("REBOOT") << QByteArray("replace:ERR\\r")
        << QStringList{"CIP", "DPT", "UDPP", "CPT", "CSN", "GTW", "SIP", "SPRT", "IDENT", "MODE", "CID", "SPEED",
                       "DHCP", "DPASS"}
        << "REBOOT" << "14 settings written, but the reboot failed: REBOOT not acknowledged" << true;
}

void TestZavctl::setStopsPartWay()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, fault);
    QFETCH(QStringList, applied);
    QFETCH(QString, failedAt);
    QFETCH(QString, message);
    QFETCH(bool, reboot);
    SimulatedReader *reader = addReader();
    Fault parsed;
    QString why;
    QVERIFY2(Fault::parse(fault, &parsed, &why), qPrintable(why));
    reader->setFault(target, parsed);
    QStringList arguments{"set", address(reader), "dhcp=on", "--format", "json"};
    if (reboot)
        arguments.append("--reboot");
    const Run run = zavctl(arguments);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(address(reader).toLatin1() + ": "), run.err.constData());
    QVERIFY2(run.err.contains(message.toLatin1()), run.err.constData());
    const QJsonObject result = QJsonDocument::fromJson(run.out).array().at(0).toObject();
    QCOMPARE(result.value("ok").toBool(), false);
    QCOMPARE(result.value("applied").toVariant().toStringList(), applied);
    QCOMPARE(result.value("failed_at").toString(), failedAt);
    // The command that failed is the last the reader received.
    QByteArray received = reader->receivedBytes(Channel::Control);
    received.chop(1);
    const QByteArray last = received.mid(received.lastIndexOf('\r') + 1);
    QVERIFY2(last.startsWith(failedAt.isEmpty() ? QByteArray("PASS") : failedAt.toLatin1()), last.constData());
    QCOMPARE(reader->connectionCount(Channel::Control), reboot ? 2 : 1);  // nothing is tried again
}

void TestZavctl::setEachReaderFromCsv()
{
    SimulatedReader *a = addReader();
    SimulatedReader *b = addReader();
    // Commissioning: every reader its own identifier and new address, all
    // of them the same mode from the command line.
    const QByteArray csv = "reader,identifier,address\n" + address(a).toLatin1() + ",DOCK 1,10.20.0.1\n"
                           + address(b).toLatin1() + ",DOCK 2,10.20.0.2\n";
    const Run run = zavctl({"set", "-", "mode=udp"}, csv);
    QCOMPARE(run.status, 0);
    QVERIFY(a->receivedBytes(Channel::Control).contains("CIP10.20.0.1\r"));
    QVERIFY(a->receivedBytes(Channel::Control).contains("IDENTDOCK 1\rMODE2\r"));
    QVERIFY(b->receivedBytes(Channel::Control).contains("CIP10.20.0.2\r"));
    QVERIFY(b->receivedBytes(Channel::Control).contains("IDENTDOCK 2\rMODE2\r"));
}

void TestZavctl::editedGetOutputGivenBack_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("sentToOther");     // after PASS and STAT, to the reader not edited
    QTest::newRow("set writes every setting") << "set" << QByteArray("CIP");
    QTest::newRow("apply writes what differs") << "apply" << QByteArray();
}

// The get output given back with one cell edited, as a spreadsheet would:
// set writes the whole run to each reader, apply only the edited setting of
// the edited reader (the other gets PASS and STAT only).
void TestZavctl::editedGetOutputGivenBack()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, sentToOther);
    SimulatedReader *a = addReader();
    ReaderConfig old;
    old.firmware = "02.00";
    SimulatedReader *b = addReader(old);
    const Run got = zavctl({"get", address(a), address(b), "--format", "csv"});
    QCOMPARE(got.status, 0);
    QByteArray edited = got.out;
    const QByteArray line = (address(b) + ",true," + b->config().mac + ",READER,").toLatin1();
    QVERIFY(edited.contains(line));
    edited.replace(line, (address(b) + ",true," + b->config().mac + ",GATE 7,").toLatin1());
    a->clearRecord();
    b->clearRecord();
    const Run run = zavctl({command, "-", "--format", "csv"}, edited);
    QCOMPARE(run.status, 0);
    QCOMPARE(b->config().identifier, QByteArray("GATE 7"));
    const QByteArray other = a->receivedBytes(Channel::Control);
    QVERIFY2(other.startsWith(Login + "STAT\r" + sentToOther), other.constData());
    if (command == u"set") {
        QVERIFY(other.contains("IDENTREADER\r"));
        QVERIFY(b->receivedBytes(Channel::Control).contains("IDENTGATE 7\r"));
        return;
    }
    QCOMPARE(other, Login + "STAT\r");
    QCOMPARE(b->receivedBytes(Channel::Control), Login + "STAT\rIDENTGATE 7\r");
    QCOMPARE(run.out, "reader,ok,changed,changes,applied,failed_at,result,error\r\n" + address(a).toLatin1()
                          + ",true,false,,,,unchanged,\r\n" + address(b).toLatin1()
                          + ",true,true,identifier,IDENT,,\"1 settings written, reboot needed\",\r\n");
}

void TestZavctl::csvContradictionsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");
    QTest::newRow("key on both") << QStringList{"set", "-", "mode=udp"} << QByteArray("reader,mode\n@,client\n")
                                 << "also given on the command line";
    QTest::newRow("bad value in a cell") << QStringList{"set", "-"} << QByteArray("reader,data-port\n@,0\n")
                                         << "line 2: data-port=0: Invalid Data Port Number";
    QTest::newRow("one address for two") << QStringList{"set", "-"}
                                         << QByteArray("reader,address\n@,10.0.0.7\n127.0.1.251,10.0.0.7\n")
                                         << "would both get the address 10.0.0.7";
    QTest::newRow("reader twice, different values")
        << QStringList{"set", "-"} << QByteArray("reader,mode\n@,client\n@,udp\n") << "different values";
    QTest::newRow("columns but nothing settable") << QStringList{"set", "-"}
                                                  << QByteArray("reader,ok,mac\n@,true,0050C2000001\n")
                                                  << "nothing to set";
}

void TestZavctl::csvContradictionsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    SimulatedReader *reader = addReader();
    csv.replace("@", address(reader).toLatin1());
    const Run run = zavctl(arguments, csv);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QTest::qWait(50);
    QCOMPARE(connectionsInAll(), 0);
}

void TestZavctl::applySendsOnlyWhatDiffers_data()
{
    QTest::addColumn<QStringList>("arguments");    // after "apply ADDRESS"
    QTest::addColumn<QByteArray>("fault");         // "KEYWORD" to refuse; empty for none
    QTest::addColumn<QByteArray>("sent");          // after PASS, on the first connection
    QTest::addColumn<bool>("restarted");           // a second connection with PASS and REBOOT
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("changes");          // "key:old>new ..."
    QTest::addColumn<QStringList>("applied");
    QTest::addColumn<QString>("failedAt");
    QTest::newRow("holds every value: login and STAT only")
        << QStringList{"mode=server", "server-port=057", "gateway=000.0.0.0", "identifier=READER", "--reboot"}
        << QByteArray() << QByteArray("STAT\r") << false << 0 << false << "" << QStringList() << "";
    QTest::newRow("one key differs: one command")
        << QStringList{"mode=client", "speed=auto"} << QByteArray() << QByteArray("STAT\rMODE1\r") << false << 0
        << true << "mode:server>client" << QStringList{"MODE"} << "";
    QTest::newRow("check sends nothing past STAT")
        << QStringList{"mode=client", "dhcp=on", "--check"} << QByteArray() << QByteArray("STAT\r") << false << 0
        << true << "mode:server>client dhcp:off>on" << QStringList() << "";
    QTest::newRow("stops part-way")
        << QStringList{"dhcp=on", "mode=udp"} << QByteArray("DHCP") << QByteArray("STAT\rMODE2\rDHCP1\r") << false
        << 1 << true << "mode:server>udp dhcp:off>on" << QStringList{"MODE"} << "DHCP";
    QTest::newRow("changed and restarted")
        << QStringList{"udp-port=4001", "--reboot"} << QByteArray() << QByteArray("STAT\rUDPP4001\r") << true << 0
        << true << "udp-port:53002>4001" << QStringList{"UDPP"} << "";
    QTest::newRow("restart not acknowledged")
        << QStringList{"udp-port=4001", "--reboot"} << QByteArray("REBOOT") << QByteArray("STAT\rUDPP4001\r") << true
        << 1 << true << "udp-port:53002>4001" << QStringList{"UDPP"} << "REBOOT";
    QTest::newRow("new password always sent")
        << QStringList{"mode=server", "--new-password"} << QByteArray() << QByteArray("STAT\rNEWPASS54321\r")
        << false << 0 << true << "password:null>null" << QStringList{"NEWPASS"} << "";
}

void TestZavctl::applySendsOnlyWhatDiffers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, fault);
    QFETCH(QByteArray, sent);
    QFETCH(bool, restarted);
    QFETCH(int, status);
    QFETCH(bool, changed);
    QFETCH(QString, changes);
    QFETCH(QStringList, applied);
    QFETCH(QString, failedAt);
    SimulatedReader *reader = addReader();
    if (!fault.isEmpty())
        reader->setFault(fault, Fault::replace("ERR\r"));
    const Run run = zavctl(QStringList{"apply", address(reader)} + arguments + QStringList{"--format", "json"}, {},
                           {{"ZAV_PASSWORD", "58203"}, {"ZAV_NEW_PASSWORD", "54321"}});
    QCOMPARE(run.status, status);
    QCOMPARE(reader->receivedBytes(Channel::Control, 1), Login + sent);
    QCOMPARE(reader->connectionCount(Channel::Control), restarted ? 2 : 1);
    if (restarted)
        QCOMPARE(reader->receivedBytes(Channel::Control, 2), Login + "REBOOT\r");
    const QJsonObject result = QJsonDocument::fromJson(run.out).array().at(0).toObject();
    QCOMPARE(result.value("ok").toBool(), status == 0);
    QCOMPARE(result.value("changed").toBool(), changed);
    QStringList described;
    const QJsonObject differences = result.value("changes").toObject();
    for (const QString &key : differences.keys()) {
        const QJsonObject values = differences.value(key).toObject();
        const auto text = [](const QJsonValue &value) { return value.isNull() ? QStringLiteral("null") : value.toString(); };
        described.append(QStringLiteral("%1:%2>%3").arg(key, text(values.value("old")), text(values.value("new"))));
    }
    QStringList expectedChanges = changes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    expectedChanges.sort();
    described.sort();
    QCOMPARE(described, expectedChanges);
    QCOMPARE(result.value("applied").toVariant().toStringList(), applied);
    QCOMPARE(result.value("failed_at").toString(), failedAt);
}

void TestZavctl::rebootBytes()
{
    SimulatedReader *a = addReader();
    SimulatedReader *b = addReader();
    b->setFault("REBOOT", Fault::noAnswer());
    const Run run = zavctl({"reboot", address(a), address(b), "--format", "csv"}, {},
                           {{"ZAV_PASSWORD", "58203"}});
    QCOMPARE(run.status, 1);
    QCOMPARE(a->receivedBytes(Channel::Control), Login + "REBOOT\r");
    QCOMPARE(b->receivedBytes(Channel::Control), Login + "REBOOT\r");
    QVERIFY(run.out.contains(address(a).toLatin1() + ",true,rebooting,"));
    QVERIFY(run.err.contains(address(b).toLatin1() + ": REBOOT not acknowledged within 3 s"));
}

void TestZavctl::flashBytes_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<bool>("restart");
    QTest::newRow("3 blocks") << 3 << true;
    QTest::newRow("no restart") << 2 << false;
}

void TestZavctl::flashBytes()
{
    QFETCH(int, blocks);
    QFETCH(bool, restart);
    const QByteArray image = firmware(blocks);
    const QString path = m_files.filePath(QStringLiteral("image-%1.bin").arg(blocks));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();
    SimulatedReader *a = addReader();
    SimulatedReader *b = addReader();
    QStringList arguments{"flash", address(a), address(b), path};
    if (!restart)
        arguments.append("--no-restart");
    const Run run = zavctl(arguments);
    QCOMPARE(run.status, 0);
    QByteArray expected = "A" + QByteArray(1, char(blocks)) + QByteArray(1023, ' ');
    for (int i = 0; i < blocks; ++i)
        expected += "B" + image.mid(i * 1024, 1024);
    if (restart)
        expected += "D" + QByteArray(1024, ' ');
    for (SimulatedReader *reader : {a, b}) {
        QTRY_COMPARE(reader->receivedBytes(Channel::Download).size(), expected.size());
        QCOMPARE(reader->receivedBytes(Channel::Download), expected);
        QCOMPARE(reader->receivedBytes(Channel::Control), Login);
    }
    QVERIFY(run.out.contains(QStringLiteral(",true,%1/%1,").arg(blocks).toLatin1()));
    QVERIFY(!run.err.contains("blocks"));  // no progress bar when standard error is no terminal
}

void TestZavctl::flashLosesReaderMidDownload()
{
    const QString path = m_files.filePath(QStringLiteral("image-lost.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(firmware(3));
    file.close();
    SimulatedReader *lost = addReader();
    lost->setFault(faultTarget::DownloadBlock, Fault::resetMidway().afterSkipping(1));
    SimulatedReader *fine = addReader();
    const Run run = zavctl({"flash", address(lost), address(fine), path, "--format", "json"});
    QCOMPARE(run.status, 1);
    const QJsonArray array = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(array.size(), 2);
    QCOMPARE(array.at(0).toObject().value("ok").toBool(), false);
    QCOMPARE(array.at(0).toObject().value("blocks").toString(), QStringLiteral("1/3"));
    QVERIFY2(run.err.contains(address(lost).toLatin1() + ": the reader stopped responding after 1 of 3 blocks"),
             run.err.constData());
    QCOMPARE(array.at(1).toObject().value("ok").toBool(), true);
    QCOMPARE(array.at(1).toObject().value("blocks").toString(), QStringLiteral("3/3"));
}

void TestZavctl::badInputSendsNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("password");  // ZAV_PASSWORD; "-": unset
    QTest::addColumn<QString>("message");
    const QString r = QStringLiteral("@");  // stands for the reader's address
    QTest::newRow("no address") << QStringList{"get"} << QByteArray() << "58203" << "no reader address";
    QTest::newRow("bad address") << QStringList{"get", r, "10.0.0.256"} << QByteArray() << "58203"
                                 << "Invalid IP Address";
    QTest::newRow("letters") << QStringList{"reboot", "a.b.c.d", r} << QByteArray() << "58203" << "Invalid IP Address";
    QTest::newRow("bad range") << QStringList{"get", "10.0.0.9-3"} << QByteArray() << "58203" << "range";
    QTest::newRow("bad line on standard input") << QStringList{"get", "-"} << QByteArray("@\nnonsense\n") << "58203"
                                                << "standard input line 2";
    QTest::newRow("terminal controls on standard input")
        << QStringList{"get", "-"} << QByteArray("@\n\"\x1b]0;\nx\x07\"\n") << "58203" << "\"\\x1B]0;\\nx\\x07\": Invalid";
    QTest::newRow("port 0") << QStringList{"get", r, "--port", "0"} << QByteArray() << "58203"
                            << "Invalid Control Port Number";
    QTest::newRow("port 65536") << QStringList{"get", r, "--port", "65536"} << QByteArray() << "58203"
                                << "Invalid Control Port Number";
    QTest::newRow("jobs 0") << QStringList{"get", r, "--jobs", "0"} << QByteArray() << "58203" << "--jobs";
    QTest::newRow("bad format") << QStringList{"get", r, "--format", "xml"} << QByteArray() << "58203" << "--format";
    QTest::newRow("unknown option") << QStringList{"get", r, "--colour"} << QByteArray() << "58203" << "colour";
    QTest::newRow("password of 4") << QStringList{"get", r} << QByteArray() << "1234"
                                   << "Invalid Password (must be 5 characters)";
    QTest::newRow("no password and no terminal") << QStringList{"get", r} << QByteArray() << "-" << "no password";
    QTest::newRow("unreadable password file")
        << QStringList{"get", r, "--password-file", "/nonexistent/pw"} << QByteArray() << "-" << "/nonexistent/pw";
    QTest::newRow("unknown key") << QStringList{"set", r, "colour=red"} << QByteArray() << "58203" << "unknown key";
    QTest::newRow("read-only key") << QStringList{"set", r, "mac=001122334455"} << QByteArray() << "58203"
                                   << "mac cannot be set";
    QTest::newRow("bad mode") << QStringList{"set", r, "mode=tcp"} << QByteArray() << "58203"
                              << "An Operating Mode must be selected";
    QTest::newRow("bad data port") << QStringList{"set", r, "data-port=0"} << QByteArray() << "58203"
                                   << "Invalid Data Port Number";
    QTest::newRow("bad subnet") << QStringList{"set", r, "subnet-mask=255.255.0"} << QByteArray() << "58203"
                                << "Invalid Subnet Address";
    QTest::newRow("long identifier") << QStringList{"set", r, "identifier=ABCDEFGHIJKLMNOPQRSTU"} << QByteArray()
                                     << "58203" << "Invalid Identifier";
    QTest::newRow("key twice") << QStringList{"set", r, "dhcp=on", "dhcp=off"} << QByteArray() << "58203"
                               << "given twice";
    QTest::newRow("nothing to set") << QStringList{"set", r} << QByteArray() << "58203" << "nothing to set";
    QTest::newRow("one address for two readers") << QStringList{"set", r, "10.0.0.1", "address=10.0.0.7"}
                                                 << QByteArray() << "58203" << "cannot be given to 2 readers";
    QTest::newRow("new password of 3") << QStringList{"set", r, "--new-password-file", "@short"} << QByteArray()
                                       << "58203" << "Invalid Password (must be 5 characters)";
    QTest::newRow("image of 1000 bytes") << QStringList{"flash", r, "@1000"} << QByteArray() << "58203"
                                         << "not a whole number of 1024-byte blocks";
    QTest::newRow("empty image") << QStringList{"flash", r, "@0"} << QByteArray() << "58203" << "empty";
    QTest::newRow("image of 256 blocks") << QStringList{"flash", r, "@262144"} << QByteArray() << "58203"
                                         << "too large";
    QTest::newRow("missing image") << QStringList{"flash", r, "/nonexistent.bin"} << QByteArray() << "58203"
                                   << "cannot be opened";
    QTest::newRow("flash without image") << QStringList{"flash", r} << QByteArray() << "58203" << "image file";
    QTest::newRow("unknown command") << QStringList{"program", r} << QByteArray() << "58203" << "unknown command";
    QTest::newRow("scan bad start") << QStringList{"scan", "10.0.0"} << QByteArray() << "58203" << "Invalid IP Address";
    QTest::newRow("scan start, second group no number")
        << QStringList{"scan", "10.x.0.1"} << QByteArray() << "58203" << "Invalid IP Address";
    QTest::newRow("change-address bad MAC") << QStringList{"change-address", "0050C20000", "10.0.0.7"} << QByteArray()
                                            << "58203" << "12 hex digits";
    QTest::newRow("change-address bad address") << QStringList{"change-address", "0050C2000001", "10.0.0.x"}
                                                << QByteArray() << "58203" << "Invalid IP Address";
}

void TestZavctl::badInputSendsNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, password);
    QFETCH(QString, message);
    SimulatedReader *reader = addReader();
    for (QString &argument : arguments) {
        if (argument == u"@") {
            argument = address(reader);
        } else if (argument == u"@short") {
            argument = m_files.filePath(QStringLiteral("short"));
            QFile file(argument);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("abc\n");
        } else if (argument.startsWith(QLatin1Char('@'))) {
            const int size = argument.mid(1).toInt();
            argument = m_files.filePath(QStringLiteral("image-of-%1").arg(size));
            QFile file(argument);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, 'x'));
        }
    }
    input.replace("@", address(reader).toLatin1());
    QHash<QString, QString> environment;
    if (password != u"-")
        environment.insert(QStringLiteral("ZAV_PASSWORD"), password);
    const Run run = zavctl(arguments, input, environment);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(run.out, QByteArray());
    QTest::qWait(50);
    QCOMPARE(connectionsInAll(), 0);
}

void TestZavctl::passwordNeverShown_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    QTest::newRow("get json") << QStringList{"get", "@", "--format", "json"} << "58203" << 0;
    QTest::newRow("get table") << QStringList{"get", "@", "--format", "table"} << "58203" << 0;
    QTest::newRow("wrong password") << QStringList{"get", "@"} << "97531" << 1;
    QTest::newRow("password of 6") << QStringList{"get", "@"} << "975310" << 2;
    QTest::newRow("set with new password") << QStringList{"set", "@", "dhcp=off", "--new-password", "--format", "json"}
                                           << "58203" << 0;
}

void TestZavctl::passwordNeverShown()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, password);
    QFETCH(int, status);
    SimulatedReader *reader = addReader();
    arguments.replaceInStrings(QStringLiteral("@"), address(reader));
    const Run run = zavctl(arguments, {}, {{"ZAV_PASSWORD", password}, {"ZAV_NEW_PASSWORD", "86420"}});
    QCOMPARE(run.status, status);
    for (const QByteArray &secret : {password.toLatin1(), QByteArray("86420")}) {
        QVERIFY2(!run.out.contains(secret), run.out.constData());
        QVERIFY2(!run.err.contains(secret), run.err.constData());
    }
}

void TestZavctl::helpAndUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("overview") << QStringList{"--help"} << 0 << "Commands:";
    QTest::newRow("no command") << QStringList{} << 2 << "a command is needed";
    for (const char *command : {"search", "scan", "get", "set", "reboot", "change-address", "flash"})
        QTest::newRow(command) << QStringList{QString::fromLatin1(command), "--help"} << 0 << "--help";
    QTest::newRow("password option says why not") << QStringList{"get", "--help"} << 0 << "process list";
}

void TestZavctl::helpAndUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, text);
    const Run run = zavctl(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2((status == 0 ? run.out : run.err).contains(text.toUtf8()), (run.out + run.err).constData());
}

void TestZavctl::parallelRunKeepsOrder()
{
    // Twelve readers, four at a time; the first answers slowly, so later
    // results are known first, yet the output keeps the order given.
    QStringList arguments{"get", "--jobs", "4"};
    QList<SimulatedReader *> readers;
    for (int i = 0; i < 12; ++i) {
        SimulatedReader *reader = addReader();
        if (i == 0)
            reader->setFault("STAT", Fault::slow(600));
        if (i == 5)
            reader->setFault("PASS", Fault::replace("ERR\r"));
        readers.append(reader);
        arguments.append(address(reader));
    }
    const Run run = zavctl(arguments);
    QCOMPARE(run.status, 1);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 13);
    for (int i = 0; i < 12; ++i)
        QVERIFY2(lines.at(i + 1).startsWith((address(readers.at(i)) + (i == 5 ? ",false," : ",true,")).toLatin1()),
                 lines.at(i + 1).constData());
    QCOMPARE(run.err.count('\n'), 1);
}

void TestZavctl::hostileReadersFailAlone()
{
    // A reader that floods, one that drips its reply for ever and one that
    // answers with terminal control sequences: each fails (or shows) on its
    // own line, within the limits, and the others are served meanwhile.
    SimulatedReader *flood = addReader();
    flood->setFault("STAT", Fault::flood(32 * 1024 * 1024));
    SimulatedReader *drip = addReader();
    drip->setFault("STAT", Fault::drip(200));
    ReaderConfig odd;
    odd.identifier = "\x1b]0;x\x07";
    SimulatedReader *escape = addReader(odd);
    SimulatedReader *fine = addReader();
    QElapsedTimer clock;
    clock.start();
    const Run run = zavctl({"get", address(flood), address(drip), address(escape), address(fine), "--format", "table"});
    QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err.count('\n'), 2);
    QVERIFY(run.err.contains(address(flood).toLatin1() + ": "));
    QVERIFY(run.err.contains(address(drip).toLatin1() + ": no complete STAT reply within 3 s"));
    QVERIFY(!run.out.contains('\x1b'));
    QVERIFY(run.out.contains("\\x1B]0;x\\x07"));
    QVERIFY(run.out.contains((address(fine) + "  yes").toLatin1()));
}

void TestZavctl::interruptCutsOffEveryReader_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("Ctrl+C") << int(SIGINT);
    QTest::newRow("terminate") << int(SIGTERM);
}

void TestZavctl::interruptCutsOffEveryReader()
{
#ifdef Q_OS_WIN
    QSKIP("a console's Ctrl+C cannot be sent to another process here");
#else
    // One reader at a time: the first is done, the second never answers its
    // STAT, the third is waiting. The signal ends the run at once; each
    // reader is reported, the one cut off on standard error.
    QFETCH(int, signalNumber);
    SimulatedReader *done = addReader();
    SimulatedReader *silent = addReader();
    silent->setFault("STAT", Fault::noAnswer());
    SimulatedReader *waiting = addReader();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZAV_PASSWORD"), QString::fromLatin1(Password));
    process.setProcessEnvironment(env);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(QStringLiteral(ZAVCTL_PATH),
                  {"get", address(done), address(silent), address(waiting), "--jobs", "1", "--format", "json"});
    QVERIFY(process.waitForStarted(5000));
    process.closeWriteChannel();
    QTRY_VERIFY_WITH_TIMEOUT(silent->receivedBytes(Channel::Control).endsWith("STAT\r"), 5000);
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(process.processId()), signalNumber);
    QVERIFY(finished.wait(5000));
    // At once: well before the silent reader's limit of 3 s.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QJsonArray array = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
    QCOMPARE(array.size(), 3);
    QCOMPARE(array.at(0).toObject().value("ok").toBool(), true);
    QCOMPARE(array.at(1).toObject().value("error").toString(), QStringLiteral("interrupted"));
    QCOMPARE(array.at(2).toObject().value("error").toString(), QStringLiteral("not started (interrupted)"));
    QCOMPARE(process.readAllStandardError(), "zavctl: " + address(silent).toLatin1()
                                                 + ": interrupted\nzavctl: interrupted: 1 readers not started\n");
    QCOMPARE(waiting->connectionCount(Channel::Control), 0);
#endif
}

void TestZavctl::linksNoGuiLibrary()
{
#ifdef Q_OS_WIN
    QSKIP("ldd reads Linux programs only");
#endif
    // The command line runs where no display is: it is built on the logic
    // libraries alone.
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(ZAVCTL_PATH)});
    QVERIFY(ldd.waitForFinished(10000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    QVERIFY2(libraries.contains("libQt6Core"), libraries.constData());
    QVERIFY2(!libraries.contains("libQt6Gui"), libraries.constData());
    QVERIFY2(!libraries.contains("libQt6Widgets"), libraries.constData());
}

void TestZavctl::searchListsEachReaderOnce()
{
    ReaderConfig one;
    one.address = QHostAddress(QStringLiteral("127.0.3.1"));
    one.mac = "0050C2000A01";
    one.identification = "Dock, north";
    ReaderConfig two;
    two.address = QHostAddress(QStringLiteral("127.0.3.2"));
    two.mac = "0050C2000A02";
    two.controlPort = 8087;
    SimulatedReader *a = m_simulator->addReader(one);
    m_simulator->addReader(two);
    m_simulator->setMulticastEnabled(true);
    QString error;
    QVERIFY2(m_simulator->start(&error), qPrintable(error));
    const Run run = zavctl({"search", "--wait", "0.5", "--format", "json"}, {}, {});
    QCOMPARE(run.status, 0);
    QCOMPARE(a->receivedBytes(Channel::Identify), QByteArray("ZAVIDENTIFY"));
    const QJsonArray array = QJsonDocument::fromJson(run.out).array();
    QCOMPARE(array.size(), 2);
    QHash<QString, QJsonObject> byMac;
    for (const QJsonValue &value : array)
        byMac.insert(value.toObject().value("mac").toString(), value.toObject());
    QCOMPARE(byMac.value("0050C2000A01").value("address").toString(), QStringLiteral("127.0.3.1"));
    QCOMPARE(byMac.value("0050C2000A01").value("identification").toString(), QStringLiteral("Dock, north"));
    QCOMPARE(byMac.value("0050C2000A02").value("control-port").toString(), QStringLiteral("8087"));
    QCOMPARE(byMac.value("0050C2000A02").value("interface").toString(), QStringLiteral("lo"));

    // Its CSV feeds the next command, each reader at its own port.
    const Run csv = zavctl({"search", "--wait", "0.5", "--format", "csv"}, {}, {});
    QVERIFY(csv.out.startsWith("address,mac,identification,control-port,interface\r\n"));
    const Run get = zavctl({"get", "-"}, csv.out);
    QCOMPARE(get.status, 0);
    QCOMPARE(get.out.count('\n'), 3);
}

void TestZavctl::searchUnknownInterface()
{
    const Run run = zavctl({"search", "--interface", "eth9", "--wait", "0.1"}, {}, {});
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.contains("eth9"));
    QCOMPARE(run.out, QByteArray());
}

void TestZavctl::scanInAddressOrder()
{
    // Readers at .3 and .1 of five addresses; the others refuse at once.
    for (int host : {3, 1}) {
        ReaderConfig config;
        config.address = QHostAddress(QStringLiteral("127.0.4.%1").arg(host));
        config.mac = ReaderSimulator::macAfter("0050C2000B00", host);
        m_simulator->addReader(config);
    }
    QString error;
    QVERIFY2(m_simulator->start(&error), qPrintable(error));
    SimulatedReader *first = m_simulator->readers().at(1);
    const Run run = zavctl({"scan", "127.0.4.1", "--count", "5", "--timeout", "0.5", "--format", "csv"}, {}, {});
    QCOMPARE(run.status, 0);
    QCOMPARE(first->receivedBytes(Channel::Control), QByteArray("ZAVIDENTIFY\r"));
    const QList<QByteArray> lines = run.out.split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QByteArray("address,mac,identification,control-port,reported-address\r"));
    QVERIFY(lines.at(1).startsWith("127.0.4.1,0050C2000B01,ZAV Reader,87,127.0.4.1"));
    QVERIFY(lines.at(2).startsWith("127.0.4.3,0050C2000B03,ZAV Reader,87,127.0.4.3"));
}

void TestZavctl::changeAddressMessage()
{
    ReaderConfig config;
    config.address = QHostAddress(QStringLiteral("127.0.5.1"));
    config.mac = "0050C2000C01";
    config.rebootDelayMs = 50;
    SimulatedReader *reader = m_simulator->addReader(config);
    m_simulator->setMulticastEnabled(true);
    QString error;
    QVERIFY2(m_simulator->start(&error), qPrintable(error));
    const Run run = zavctl({"change-address", "00:50:C2:00:0C:01", "127.0.5.77", "--format", "json"}, {}, {});
    QCOMPARE(run.status, 0);
    QTRY_COMPARE(reader->receivedBytes(Channel::Identify), QByteArray("RPG0050C2000C01127.0.5.77     "));
    QTRY_COMPARE(reader->activeConfig().address, QHostAddress(QStringLiteral("127.0.5.77")));
    const QJsonObject result = QJsonDocument::fromJson(run.out).array().at(0).toObject();
    QCOMPARE(result.value("ok").toBool(), true);
    QCOMPARE(result.value("new-address").toString(), QStringLiteral("127.0.5.77"));
}

// A scan compared with an earlier list: each reader with its change, the
// missing one too, exit status 3 for --fail-on-change; --changes-only in
// JSON; a file that is no list refused before anything is sent.
void TestZavctl::scanComparedWithEarlierList()
{
    const auto reader = [this](const char *address, const char *mac, const char *identification) {
        ReaderConfig config;
        config.address = QHostAddress(QLatin1String(address));
        config.mac = mac;
        config.identification = identification;
        return m_simulator->addReader(config);
    };
    SimulatedReader *door = reader("127.0.6.1", "0050C2000D01", "Door");
    reader("127.0.6.12", "0050C2000D02", "Gate");
    reader("127.0.6.4", "0050C2000D04", "Shed");
    QString error;
    QVERIFY2(m_simulator->start(&error), qPrintable(error));
    const QString earlier = m_files.filePath(QStringLiteral("earlier.csv"));
    QFile file(earlier);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("address,mac,identification,control-port,interface\r\n127.0.6.1,0050C2000D01,Door,87,lo\r\n"
               "127.0.6.2,0050C2000D02,Gate,87,lo\r\n127.0.6.3,0050C2000D03,Hall,87,lo\r\n");
    file.close();
    const QStringList scan{"scan", "127.0.6.1", "--count", "12", "--timeout", "3", "--compare", earlier};

    const Run run = zavctl(scan + QStringList{"--fail-on-change", "--format", "csv"}, {}, {});
    QCOMPARE(run.status, 3);
    QCOMPARE(run.out, QByteArray("address,mac,identification,control-port,reported-address,change,old_address,"
                                 "old_identification,old_control_port\r\n"
                                 "127.0.6.4,0050C2000D04,Shed,87,127.0.6.4,new,,,\r\n"
                                 ",0050C2000D03,,,,missing,127.0.6.3,Hall,87\r\n"
                                 "127.0.6.12,0050C2000D02,Gate,87,127.0.6.12,moved,127.0.6.2,,\r\n"
                                 "127.0.6.1,0050C2000D01,Door,87,127.0.6.1,unchanged,,,\r\n"));

    const Run changes = zavctl(scan + QStringList{"--changes-only", "--format", "json"}, {}, {});
    QCOMPARE(changes.status, 0);
    const QJsonArray array = QJsonDocument::fromJson(changes.out).array();
    QCOMPARE(array.size(), 3);
    const QJsonObject moved = array.at(2).toObject().value("change").toObject();
    QCOMPARE(moved.value("kinds").toArray(), QJsonArray{"moved"});
    QCOMPARE(moved.value("old_address").toString(), QStringLiteral("127.0.6.2"));
    QVERIFY(!moved.contains("old_identification"));

    door->clearRecord();
    const Run refused = zavctl({"scan", "127.0.6.1", "--compare", m_files.path()}, {}, {});
    QCOMPARE(refused.status, 2);
    QCOMPARE(refused.out, QByteArray());
    QVERIFY2(refused.err.contains("it is not a file"), refused.err.constData());
    QCOMPARE(door->receivedBytes(Channel::Control), QByteArray());
}

QTEST_GUILESS_MAIN(TestZavctl)
#include "tst_zavctl.moc"
