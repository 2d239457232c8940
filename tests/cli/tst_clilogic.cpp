// zavctl's pure parts: addresses and ranges, standard input, KEY=VALUE and
// its refusals (the "Set  Parameters" words), the run a reader is sent, the
// three output forms, password files, the job runner's limit, the time limit
// of a reader's job, and the command table against the bash completion and
// the manual page.
#include "commandtable.h"
#include "csvfields.h"
#include "defaults.h"
#include "downloadmessage.h"
#include "jobrunner.h"
#include "output.h"
#include "passwords.h"
#include "readerkeys.h"
#include "readerrun.h"
#include "readersettings.h"
#include "settingchecks.h"
#include "settingrun.h"
#include "settingsfile.h"
#include "targets.h"
#include "version.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryFile>

#include <QTest>
#include <QTimer>

namespace {
// A STAT reply of a reader with firmware 02.10 and every setting valid.
const QByteArray Stat = "ZAVTCP:0050C2000001:READER:02.10:10.0.0.9:57:87:10.0.0.1:10.0.0.2:4000:1:5:0:x:"
                        "255.255.255.0:53002:y:1:1:\r";

QStringList addresses(const QList<targets::Target> &list)
{
    QStringList result;
    for (const targets::Target &target : list)
        result.append(target.port ? QStringLiteral("%1:%2").arg(target.address).arg(target.port) : target.address);
    return result;
}

QByteArrayList lines(const QList<SettingCommand> &run)
{
    QByteArrayList result;
    for (const SettingCommand &command : run)
        result.append(command.line());
    return result;
}

QByteArray sourceFile(const char *name)
{
    QFile file(QStringLiteral(CLI_SOURCE_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// An engine that never ends on its own; stop() ends it unless it is deaf.
class EndlessSession : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    static inline bool deaf = false;
    void stop()
    {
        if (!deaf)
            emit finished(false);
    }
    QString errorText() const { return QStringLiteral("stopped"); }
signals:
    void finished(bool ok);
};

class TestCliLogic : public QObject
{
    Q_OBJECT
private slots:
    void addressArguments_data();
    void addressArguments();
    void standardInput_data();
    void standardInput();
    void csvFields_data();
    void csvFields();
    void duplicatesDropped();
    void csvColumnsKeptWithTheReader();

    void changes_data();
    void changes();
    void refusalsAreTheWindowTexts_data();
    void refusalsAreTheWindowTexts();
    void runAfterChanges_data();
    void runAfterChanges();
    void runRefusals_data();
    void runRefusals();
    void getKeys_data();
    void getKeys();
    void settingsFileIsTheGetCsv();

    void passwordChecks_data();
    void passwordChecks();
    void passwordSources();
    void firstLine_data();
    void firstLine();

    void jsonStrings_data();
    void jsonStrings();
    void formats_data();
    void formats();
    void tableCellsAreInert();
    void emptyResults_data();
    void emptyResults();

    void jobRunnerKeepsItsLimit_data();
    void jobRunnerKeepsItsLimit();
    void jobLimitEndsAHungJob_data();
    void jobLimitEndsAHungJob();

    void commandTableMatchesCompletionAndManual();
};

void TestCliLogic::addressArguments_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QStringList>("expected"); // empty: refused
    QTest::newRow("one") << "10.0.0.5" << QStringList{"10.0.0.5"};
    QTest::newRow("blanks around") << " 10.0.0.5 " << QStringList{"10.0.0.5"};
    QTest::newRow("leading zeros are decimal") << "010.001.0.08" << QStringList{"10.1.0.8"};
    QTest::newRow("range") << "10.0.0.5-7" << QStringList{"10.0.0.5", "10.0.0.6", "10.0.0.7"};
    QTest::newRow("range of one") << "10.0.0.5-5" << QStringList{"10.0.0.5"};
    QTest::newRow("range to 255") << "10.0.0.254-255" << QStringList{"10.0.0.254", "10.0.0.255"};
    QTest::newRow("range backwards") << "10.0.0.7-5" << QStringList();
    QTest::newRow("range past 255") << "10.0.0.250-256" << QStringList();
    QTest::newRow("range end not a number") << "10.0.0.5-x" << QStringList();
    QTest::newRow("range end empty") << "10.0.0.5-" << QStringList();
    QTest::newRow("range of addresses") << "10.0.0.5-10.0.0.9" << QStringList();
    QTest::newRow("letters pass the loose check only") << "a.b.c.d" << QStringList();
    QTest::newRow("three groups") << "10.0.0" << QStringList();
    QTest::newRow("group over 255") << "10.0.0.256" << QStringList();
    QTest::newRow("empty group") << "10..0.1" << QStringList();
    QTest::newRow("host name") << "reader.example" << QStringList();
    QTest::newRow("port attached") << "10.0.0.5:87" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
}

void TestCliLogic::addressArguments()
{
    QFETCH(QString, argument);
    QFETCH(QStringList, expected);
    QList<targets::Target> list;
    QString refusal;
    const bool ok = targets::parseAddressArgument(argument, &list, &refusal);
    QCOMPARE(ok, !expected.isEmpty());
    QCOMPARE(addresses(list), expected);
    QCOMPARE(refusal.isEmpty(), ok);
}

void TestCliLogic::standardInput_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("ok");
    QTest::newRow("one a line") << QByteArray("10.0.0.1\n10.0.0.2\n") << QStringList{"10.0.0.1", "10.0.0.2"} << true;
    QTest::newRow("CR LF, blanks, comments, empty lines")
        << QByteArray("# readers\r\n 10.0.0.1 \r\n\r\n10.0.0.2") << QStringList{"10.0.0.1", "10.0.0.2"} << true;
    QTest::newRow("search CSV: port column used")
        << QByteArray("address,mac,identification,control-port,interface\r\n"
                      "10.0.0.1,0050C2000001,\"Dock, north\",8087,eth0\r\n10.0.0.2,0050C2000002,x,,eth0\r\n")
        << QStringList{"10.0.0.1:8087", "10.0.0.2"} << true;
    QTest::newRow("get CSV: reader column")
        << QByteArray("reader,ok,mac\r\n10.0.0.3,true,0050C2000003\r\n") << QStringList{"10.0.0.3"} << true;
    QTest::newRow("bad port in port column")
        << QByteArray("address,control-port\n10.0.0.1,99999\n") << QStringList() << false;
    QTest::newRow("bad address") << QByteArray("10.0.0.1\nnot-an-address\n") << QStringList() << false;
    QTest::newRow("header only on the first line")
        << QByteArray("10.0.0.1\naddress\n") << QStringList() << false;
    QTest::newRow("quoted field over two lines")
        << QByteArray("reader,identifier\r\n10.0.0.1,\"DOCK\r\n4\"\r\n10.0.0.2,x\r\n")
        << QStringList{"10.0.0.1", "10.0.0.2"} << true;
    QTest::newRow("quote never closed") << QByteArray("10.0.0.1,\"x\n10.0.0.2\n10.0.0.3\n") << QStringList()
                                        << false;
    QTest::newRow("quote in a comment") << QByteArray("# the \"north\n10.0.0.1\n") << QStringList{"10.0.0.1"}
                                        << true;
    QTest::newRow("nothing") << QByteArray("") << QStringList() << true;
}

void TestCliLogic::standardInput()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    QFETCH(bool, ok);
    QList<targets::Target> list;
    QString refusal;
    QCOMPARE(targets::parseInput(input, &list, &refusal), ok);
    if (ok)
        QCOMPARE(addresses(list), expected);
    else
        QVERIFY(refusal.contains(QLatin1String("line")));
}

void TestCliLogic::csvFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("plain") << "a,b,c" << QStringList{"a", "b", "c"};
    QTest::newRow("quoted comma") << "\"a,b\",c" << QStringList{"a,b", "c"};
    QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",x" << QStringList{"say \"hi\"", "x"};
    QTest::newRow("empty fields") << ",," << QStringList{"", "", ""};
    QTest::newRow("inert apostrophe kept") << "'=1+2,b" << QStringList{"'=1+2", "b"};
}

void TestCliLogic::csvFields()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(csvRecordFields(line), fields);
}

void TestCliLogic::duplicatesDropped()
{
    const QList<targets::Target> list{{"10.0.0.1", 0}, {"10.0.0.2", 0}, {"10.0.0.1", 0}, {"10.0.0.1", 88}};
    QCOMPARE(addresses(targets::withoutDuplicates(list)), (QStringList{"10.0.0.1", "10.0.0.2", "10.0.0.1:88"}));
}

void TestCliLogic::csvColumnsKeptWithTheReader()
{
    const QByteArray csv = "reader,ok,identifier,mode,client-send-id\r\n"
                           "10.0.0.1,true,'=SUM(A1),client,\r\n"
                           "10.0.0.2,true,\"Dock, 4\",,on\r\n"
                           "10.0.0.3,true,''=1,,\r\n";
    QList<targets::Target> list;
    QString refusal;
    QVERIFY(targets::parseInput(csv, &list, &refusal));
    QCOMPARE(list.size(), 3);
    using Columns = QList<QPair<QString, QString>>;
    // The apostrophe that made the field inert is not part of the value;
    // empty cells are no value.
    QCOMPARE(list.at(0).columns, (Columns{{"ok", "true"}, {"identifier", "=SUM(A1)"}, {"mode", "client"}}));
    QCOMPARE(list.at(1).columns, (Columns{{"ok", "true"}, {"identifier", "Dock, 4"}, {"client-send-id", "on"}}));
    // An apostrophe of the value itself was doubled by the writer.
    QCOMPARE(list.at(2).columns, (Columns{{"ok", "true"}, {"identifier", "'=1"}}));
    QCOMPARE(cellWithoutLoss(QStringLiteral("'=1")), QStringLiteral("''=1"));
    QCOMPARE(list.at(0).line, 2);
    QCOMPARE(list.at(1).line, 3);
}

void TestCliLogic::changes_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("value"); // what is sent; null: refused
    QTest::newRow("mode word") << "mode=client" << "mode" << QByteArray("1");
    QTest::newRow("mode upper case") << "mode=UDP" << "mode" << QByteArray("2");
    QTest::newRow("speed auto") << "speed=auto" << "speed" << QByteArray("5");
    QTest::newRow("speed 100fd") << "speed=100fd" << "speed" << QByteArray("4");
    QTest::newRow("dhcp off") << "dhcp=off" << "dhcp" << QByteArray("0");
    QTest::newRow("data-password yes") << "data-password=yes" << "data-password" << QByteArray("1");
    QTest::newRow("client-send-id on") << "client-send-id=on" << "client-send-id" << QByteArray("1");
    QTest::newRow("client-send-id off") << "client-send-id=off" << "client-send-id" << QByteArray("0");
    QTest::newRow("address") << "address=10.0.0.7" << "address" << QByteArray("10.0.0.7");
    QTest::newRow("port") << "server-port=65535" << "server-port" << QByteArray("65535");
    QTest::newRow("identifier with blanks") << "identifier=DOCK 4" << "identifier" << QByteArray("DOCK 4");
    QTest::newRow("empty identifier") << "identifier=" << "identifier" << QByteArray("");
    QTest::newRow("identifier of 20") << "identifier=ABCDEFGHIJKLMNOPQRST" << "identifier"
                                      << QByteArray("ABCDEFGHIJKLMNOPQRST");
    QTest::newRow("identifier Latin-1") << QString::fromUtf8("identifier=Caf\u00e9") << "identifier"
                                        << QByteArray("Caf\xe9");
    QTest::newRow("identifier of 21") << "identifier=ABCDEFGHIJKLMNOPQRSTU" << "" << QByteArray();
    QTest::newRow("identifier with colon") << "identifier=a:b" << "" << QByteArray();
    QTest::newRow("identifier with CR") << "identifier=a\rREBOOT" << "" << QByteArray();
    QTest::newRow("identifier beyond Latin-1") << QString::fromUtf8("identifier=\u20ac") << "" << QByteArray();
    QTest::newRow("unknown key") << "colour=red" << "" << QByteArray();
    QTest::newRow("no key") << "=1" << "" << QByteArray();
    QTest::newRow("mac is read-only") << "mac=0050C2000001" << "" << QByteArray();
    QTest::newRow("firmware is read-only") << "firmware=02.00" << "" << QByteArray();
    QTest::newRow("mode code instead of word") << "mode=0" << "" << QByteArray();
    QTest::newRow("port 0") << "data-port=0" << "" << QByteArray();
    QTest::newRow("port with sign") << "data-port=+57" << "" << QByteArray();
    QTest::newRow("port 65536") << "udp-port=65536" << "" << QByteArray();
    QTest::newRow("address with blank") << "gateway=10.0.0.1 " << "" << QByteArray();
}

void TestCliLogic::changes()
{
    QFETCH(QString, argument);
    QFETCH(QString, key);
    QFETCH(QByteArray, value);
    readerkeys::Change change;
    QString refusal;
    const bool ok = readerkeys::parseChange(argument, &change, &refusal);
    QCOMPARE(ok, !value.isNull());
    if (ok) {
        QCOMPARE(change.key, key);
        QCOMPARE(change.value, value);
    } else {
        QVERIFY(!refusal.isEmpty());
    }
}

void TestCliLogic::refusalsAreTheWindowTexts_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("text");
    QTest::newRow("address") << "address=1.2.3" << "Invalid IP Address";
    QTest::newRow("address letters") << "address=a.b.c.d" << "Invalid IP Address";
    QTest::newRow("data port") << "data-port=" << "Invalid Data Port Number";
    QTest::newRow("udp port") << "udp-port=x" << "Invalid UDP Port Number";
    QTest::newRow("control port") << "control-port=70000" << "Invalid Control Port Number";
    QTest::newRow("subnet") << "subnet-mask=255.255.255" << "Invalid Subnet Address";
    QTest::newRow("gateway") << "gateway=1.2.3.4.5" << "Invalid Gateway Address";
    QTest::newRow("server address") << "server-address=" << "Invalid Server Address";
    QTest::newRow("server port") << "server-port=0" << "Invalid Server Port Number";
    QTest::newRow("mode") << "mode=tcp" << "An Operating Mode must be selected";
    QTest::newRow("speed") << "speed=1000fd" << "A Speed must be selected";
    QTest::newRow("dhcp") << "dhcp=yes" << "A DHCP setting must be selected";
}

void TestCliLogic::refusalsAreTheWindowTexts()
{
    QFETCH(QString, argument);
    QFETCH(QString, text);
    readerkeys::Change change;
    QString refusal;
    QVERIFY(!readerkeys::parseChange(argument, &change, &refusal));
    QVERIFY2(refusal.startsWith(text), qPrintable(refusal));
}

void TestCliLogic::runAfterChanges_data()
{
    QTest::addColumn<QByteArray>("stat");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QByteArray>("newPassword");
    QTest::addColumn<QByteArrayList>("expected");
    const QByteArrayList unchanged{"CIP10.0.0.9\r", "DPT57\r", "UDPP53002\r", "CPT87\r", "CSN255.255.255.0\r",
                                   "GTW10.0.0.1\r", "SIP10.0.0.2\r", "SPRT4000\r", "IDENTREADER\r", "MODE1\r",
                                   "CID1\r", "SPEED5\r", "DHCP0\r", "DPASS1\r"};
    QTest::newRow("one change, the rest written back") << Stat << QStringList{"mode=udp"} << QByteArray()
                                                       << [&] { auto l = unchanged; l[9] = "MODE2\r"; return l; }();
    QTest::newRow("every key")
        << Stat
        << QStringList{"address=10.0.1.1", "data-port=58", "udp-port=53003", "control-port=88",
                       "subnet-mask=255.255.0.0", "gateway=10.0.1.254", "server-address=10.0.1.2",
                       "server-port=4001", "identifier=", "mode=server", "client-send-id=off", "speed=10hd",
                       "dhcp=on", "data-password=no"}
        << QByteArray("54321")
        << QByteArrayList{"CIP10.0.1.1\r", "DPT58\r", "UDPP53003\r", "CPT88\r", "CSN255.255.0.0\r", "GTW10.0.1.254\r",
                          "SIP10.0.1.2\r", "SPRT4001\r", "IDENT\r", "MODE0\r", "CID0\r", "SPEED1\r", "DHCP1\r",
                          "DPASS0\r", "NEWPASS54321\r"};
    QByteArray old = Stat;
    old.replace(":02.10:", ":02.00:");
    QTest::newRow("02.00: no CID") << old << QStringList{"speed=100hd"} << QByteArray()
                                   << [&] { auto l = unchanged; l[11] = "SPEED3\r"; l.removeAt(10); return l; }();
}

void TestCliLogic::runAfterChanges()
{
    QFETCH(QByteArray, stat);
    QFETCH(QStringList, changes);
    QFETCH(QByteArray, newPassword);
    QFETCH(QByteArrayList, expected);
    QList<readerkeys::Change> parsed;
    for (const QString &argument : changes) {
        readerkeys::Change change;
        QString refusal;
        QVERIFY2(readerkeys::parseChange(argument, &change, &refusal), qPrintable(refusal));
        parsed.append(change);
    }
    const ReaderSettings reply = ReaderSettings::fromStatReply(stat);
    const ReaderSettings values = readerkeys::applyChanges(reply, parsed);
    QCOMPARE(readerkeys::runRefusal(reply, parsed, values), QString());
    QCOMPARE(lines(settingRun(values, newPassword)), expected);
}

void TestCliLogic::runRefusals_data()
{
    QTest::addColumn<QByteArray>("stat");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("refusal"); // start of it; empty: accepted
    QByteArray old = Stat;
    old.replace(":02.10:", ":02.00:");
    QTest::newRow("client-send-id on 02.00") << old << "client-send-id=on" << "client-send-id cannot be set";
    QByteArray badGateway = Stat;
    badGateway.replace(":10.0.0.1:", ":10.0.0:");
    QTest::newRow("reader's own gateway refused") << badGateway << "mode=udp" << "Invalid Gateway Address";
    QTest::newRow("given gateway mends it") << badGateway << "gateway=10.0.0.254" << "";
    QByteArray serverPortZero = Stat;
    serverPortZero.replace(":10.0.0.2:4000:", ":10.0.0.2:0:");
    QTest::newRow("reader's own server port 0 written back") << serverPortZero << "mode=server" << "";
    QByteArray blankServerPort = Stat;
    blankServerPort.replace(":10.0.0.2:4000:", ":10.0.0.2::");
    QTest::newRow("reader's own blank server port refused") << blankServerPort << "mode=server"
                                                            << "Invalid Server Port Number";
    QByteArray looseGateway = Stat;
    looseGateway.replace(":10.0.0.1:", ":a.b.c.d:");
    QTest::newRow("reader's own loose gateway written back") << looseGateway << "mode=udp" << "";
    QByteArray badSpeed = Stat;
    badSpeed.replace(":1:5:0:", ":1:6:0:");
    QTest::newRow("unknown speed code") << badSpeed << "mode=udp" << "A Speed must be selected";
    QTest::newRow("speed given") << badSpeed << "speed=auto" << "";
    QByteArray badDpass = Stat;
    badDpass.replace(":y:1:1:", ":y:7:1:");
    QTest::newRow("unknown data-password code") << badDpass << "mode=udp" << "Invalid data-password";
    QByteArray shortReply = "ZAVTCP:0050C2000001:READER:02.10:\r";
    QTest::newRow("short reply") << shortReply << "mode=udp" << "Invalid IP Address";
}

void TestCliLogic::runRefusals()
{
    QFETCH(QByteArray, stat);
    QFETCH(QString, change);
    QFETCH(QString, refusal);
    readerkeys::Change parsed;
    QString why;
    QVERIFY(readerkeys::parseChange(change, &parsed, &why));
    const ReaderSettings reply = ReaderSettings::fromStatReply(stat);
    const QString result = readerkeys::runRefusal(reply, {parsed}, readerkeys::applyChanges(reply, {parsed}));
    if (refusal.isEmpty())
        QCOMPARE(result, QString());
    else
        QVERIFY2(result.startsWith(refusal), qPrintable(result));
}

void TestCliLogic::getKeys_data()
{
    QTest::addColumn<QByteArray>("stat");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("02.10")
        << Stat
        << QStringList{"0050C2000001", "READER", "02.10", "10.0.0.9", "57", "87", "10.0.0.1", "10.0.0.2", "4000",
                       "client", "auto", "off", "255.255.255.0", "53002", "yes", "on"};
    QByteArray old = Stat;
    old.replace(":02.10:", ":02.00:");
    QTest::newRow("02.00 has no client-send-id")
        << old
        << QStringList{"0050C2000001", "READER", "02.00", "10.0.0.9", "57", "87", "10.0.0.1", "10.0.0.2", "4000",
                       "client", "auto", "off", "255.255.255.0", "53002", "yes"};
    QTest::newRow("unknown codes as received")
        << QByteArray("M:A:B:03.00:1.2.3.4:1:2:3:4:5:9:0:x:y:m:u:z:2:\r")
        << QStringList{"A", "B", "03.00", "1.2.3.4", "1", "2", "3", "4", "5", "9", "0", "x", "m", "u", "2", "\r"};
}

void TestCliLogic::getKeys()
{
    QFETCH(QByteArray, stat);
    QFETCH(QStringList, values);
    const auto fields = readerkeys::fromReader(ReaderSettings::fromStatReply(stat));
    QStringList keys, got;
    for (const auto &[key, value] : fields) {
        keys.append(key);
        got.append(value);
    }
    QCOMPARE(keys, settings::keys().mid(0, values.size()));
    QCOMPARE(got, values);
}

// A file saved in Program Reader is what get writes for the same reader, and
// reads back to the same settings.
void TestCliLogic::settingsFileIsTheGetCsv()
{
    QByteArray stat = Stat;
    stat.replace(":READER:", ":'=SUM(A1), \"x\":");
    const ReaderSettings reader = ReaderSettings::fromStatReply(stat);
    output::Record record{{"reader", QStringLiteral("10.0.0.9")}, {"ok", true}};
    for (const auto &[key, value] : readerkeys::fromReader(reader))
        record.append({key, value});
    const QByteArray get = output::render(output::Format::Csv, settingsfile::columns(), {record});
    QCOMPARE(settingsfile::text(QStringLiteral("10.0.0.9"), reader).toUtf8(), get);

    const settingsfile::Contents back = settingsfile::read(settingsfile::ByteOrderMark + get);
    QCOMPARE(back.refusal, QString());
    QCOMPARE(back.ignoredColumns, QStringList());
    QCOMPARE(back.rows.size(), 1);
    QCOMPARE(back.rows.first().reader, QStringLiteral("10.0.0.9"));
    QCOMPARE(back.rows.first().settings, reader);
}

void TestCliLogic::passwordChecks_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("five digits") << "58203" << true;
    QTest::newRow("blank inside") << "12 45" << true;
    QTest::newRow("Latin-1") << QString::fromUtf8("ab\u00e9cd") << true;
    QTest::newRow("four") << "1234" << false;
    QTest::newRow("six") << "123456" << false;
    QTest::newRow("leading blank") << " 1234" << false;
    QTest::newRow("trailing blank makes six") << "12345 " << false;
    QTest::newRow("beyond Latin-1") << QString::fromUtf8("1234\u20ac") << false;
    QTest::newRow("empty") << "" << false;
}

void TestCliLogic::passwordChecks()
{
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    QCOMPARE(settingchecks::passwordRefusal(password).isEmpty(), accepted);
    if (!accepted)
        QCOMPARE(settingchecks::passwordRefusal(password), settingchecks::InvalidPassword);
}

void TestCliLogic::passwordSources()
{
    const QByteArray variable = "ZAV_TEST_PASSWORD_SOURCE";
    qunsetenv(variable.constData());
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write("11111\r\nsecond line\n");
    file.flush();

    passwords::Source source;
    source.environmentVariable = QString::fromLatin1(variable);
    source.file = file.fileName();
    source.optionGiven = true;
    source.option = QStringLiteral("33333");
    source.name = QStringLiteral("password");
    QByteArray password;
    QString refusal;

    qputenv(variable.constData(), "22222");
    QVERIFY(passwords::obtain(source, &password, &refusal));
    QCOMPARE(password, QByteArray("22222"));   // the environment first
    qunsetenv(variable.constData());
    QVERIFY(passwords::obtain(source, &password, &refusal));
    QCOMPARE(password, QByteArray("11111"));   // then the file's first line
    source.file.clear();
    QVERIFY(passwords::obtain(source, &password, &refusal));
    QCOMPARE(password, QByteArray("33333"));   // then the option

    source.file = file.fileName() + QStringLiteral(".missing");
    QVERIFY(!passwords::obtain(source, &password, &refusal));
    QVERIFY(refusal.contains(QLatin1String(".missing")));

    qputenv(variable.constData(), "1234");
    QVERIFY(!passwords::obtain(source, &password, &refusal));
    QVERIFY(refusal.startsWith(settingchecks::InvalidPassword));
    QVERIFY(!refusal.contains(QLatin1String("1234")));  // never shown
    qunsetenv(variable.constData());
}

void TestCliLogic::firstLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("LF") << QByteArray("12345\nx") << QByteArray("12345");
    QTest::newRow("CR LF") << QByteArray("12345\r\n") << QByteArray("12345");
    QTest::newRow("no line end") << QByteArray("12345") << QByteArray("12345");
    QTest::newRow("blanks kept") << QByteArray(" 2345 \n") << QByteArray(" 2345 ");
    QTest::newRow("empty") << QByteArray("") << QByteArray("");
}

void TestCliLogic::firstLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, line);
    QCOMPARE(passwords::firstLine(bytes), line);
}

void TestCliLogic::jsonStrings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("json");
    QTest::newRow("plain") << "DOCK 4" << "\"DOCK 4\"";
    QTest::newRow("quote and backslash") << "a\"b\\c" << "\"a\\\"b\\\\c\"";
    QTest::newRow("CR LF tab") << "\r\n\t" << "\"\\r\\n\\t\"";
    QTest::newRow("escape and NUL") << QString::fromLatin1("\x1b[2J\0x", 6) << "\"\\u001b[2J\\u0000x\"";
    QTest::newRow("DEL and C1") << QString::fromLatin1("\x7f\x85") << "\"\\u007f\\u0085\"";
    QTest::newRow("Latin-1 letter kept") << QString::fromLatin1("\xe9") << QString::fromLatin1("\"\xe9\"");
}

void TestCliLogic::jsonStrings()
{
    QFETCH(QString, text);
    QFETCH(QString, json);
    QCOMPARE(output::jsonString(text), json);
}

void TestCliLogic::formats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("table") << int(output::Format::Table)
                           << QByteArray("READER     OK   IDENTIFIER  APPLIED  ERROR\n"
                                         "10.0.0.1   yes  =1+2,\"x\"    CIP DPT\n"
                                         "10.0.0.22  no                        no connection\n");
    QTest::newRow("csv") << int(output::Format::Csv)
                         << QByteArray("reader,ok,identifier,applied,error\r\n"
                                       "10.0.0.1,true,\"'=1+2,\"\"x\"\"\",CIP DPT,\r\n"
                                       "10.0.0.22,false,,,no connection\r\n");
    QTest::newRow("json") << int(output::Format::Json)
                          << QByteArray("[\n  {\"reader\": \"10.0.0.1\", \"ok\": true, \"identifier\": \"=1+2,\\\"x\\\"\", "
                                        "\"applied\": [\"CIP\", \"DPT\"]},\n"
                                        "  {\"reader\": \"10.0.0.22\", \"ok\": false, \"applied\": [], "
                                        "\"error\": \"no connection\"}\n]\n");
}

void TestCliLogic::formats()
{
    QFETCH(int, format);
    QFETCH(QByteArray, expected);
    const QList<output::Record> records{
        {{"reader", QStringLiteral("10.0.0.1")}, {"ok", true}, {"identifier", QStringLiteral("=1+2,\"x\"")},
         {"applied", QStringList{"CIP", "DPT"}}},
        {{"reader", QStringLiteral("10.0.0.22")}, {"ok", false}, {"applied", QStringList()},
         {"error", QStringLiteral("no connection")}},
    };
    const QByteArray text =
        output::render(output::Format(format), {"reader", "ok", "identifier", "applied", "error"}, records);
    QCOMPARE(text, expected);
}

void TestCliLogic::tableCellsAreInert()
{
    // A reader calling itself with terminal control sequences cannot drive
    // the technician's terminal.
    const QByteArray text = output::render(output::Format::Table, {"identifier"},
                                           {{{"identifier", QString::fromLatin1("\x1b]0;pwned\x07\x9b" "2J")}}});
    QVERIFY(!text.contains('\x1b'));
    QVERIFY(!text.contains('\x07'));
    QVERIFY(text.contains("\\x1B]0;pwned\\x07\\x9B2J"));
}

void TestCliLogic::emptyResults_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("table") << int(output::Format::Table) << QByteArray("ADDRESS  MAC\n");
    QTest::newRow("csv") << int(output::Format::Csv) << QByteArray("address,mac\r\n");
    QTest::newRow("json") << int(output::Format::Json) << QByteArray("[]\n");
}

void TestCliLogic::emptyResults()
{
    QFETCH(int, format);
    QFETCH(QByteArray, expected);
    QCOMPARE(output::render(output::Format(format), {"address", "mac"}, {}), expected);
}

void TestCliLogic::jobRunnerKeepsItsLimit_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("parallel");
    QTest::addColumn<bool>("finishAtOnce");
    QTest::newRow("none") << 0 << 4 << false;
    QTest::newRow("fewer than the limit") << 3 << 16 << false;
    QTest::newRow("many") << 100 << 7 << false;
    QTest::newRow("one at a time") << 5 << 1 << false;
    QTest::newRow("jobs that end inside their start") << 50 << 4 << true;
}

void TestCliLogic::jobRunnerKeepsItsLimit()
{
    QFETCH(int, count);
    QFETCH(int, parallel);
    QFETCH(bool, finishAtOnce);
    QList<int> started;
    JobRunner *runnerPointer = nullptr;
    JobRunner runner(count, parallel, [&](int index) {
        started.append(index);
        QVERIFY(runnerPointer->runningCount() <= parallel);
        if (finishAtOnce)
            runnerPointer->finish(index);
        else
            QTimer::singleShot(index % 3, runnerPointer, [runnerPointer, index] { runnerPointer->finish(index); });
    });
    runnerPointer = &runner;
    QSignalSpy done(&runner, &JobRunner::allFinished);
    runner.run();
    QVERIFY(done.count() == 1 || done.wait(5000));
    QCOMPARE(done.count(), 1);
    QCOMPARE(runner.finishedCount(), count);
    QCOMPARE(started.size(), count);
    QCOMPARE(runner.peakRunning(), qMin(count, finishAtOnce ? 1 : parallel));
}

void TestCliLogic::jobLimitEndsAHungJob_data()
{
    QTest::addColumn<bool>("deaf");
    QTest::newRow("engine stops when told") << false;
    QTest::newRow("engine ignores stop") << true;
}

void TestCliLogic::jobLimitEndsAHungJob()
{
    // Three readers, two at a time, each behind an engine that never ends:
    // every one is reported failed once its time is up, and the run ends.
    QFETCH(bool, deaf);
    EndlessSession::deaf = deaf;
    QByteArray out;
    QByteArray err;
    zavctl::Io io;
    io.out = [&out](const QByteArray &bytes) { out += bytes; };
    io.err = [&err](const QByteArray &bytes) { err += bytes; };
    Console console(io);
    cli::ReaderOptions options;
    for (const char *address : {"10.0.0.1", "10.0.0.2", "10.0.0.3"})
        options.targets.append({QString::fromLatin1(address), 0});
    options.jobs = 2;
    cli::ReaderRun run(console, options, {}, QStringLiteral("get"));
    QElapsedTimer clock;
    clock.start();
    const int status = run.exec(100, [&run](int index) {
        run.runSession<EndlessSession>(index, [](EndlessSession &) {},
                                       [](EndlessSession &, const QString &error) {
                                           return cli::Outcome::failure(error);
                                       });
    });
    QCOMPARE(status, int(zavctl::ReaderFailed));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(out, QByteArray("reader,ok,error\r\n"
                             "10.0.0.1,false,no result within 0.1 s\r\n"
                             "10.0.0.2,false,no result within 0.1 s\r\n"
                             "10.0.0.3,false,no result within 0.1 s\r\n"));
    QCOMPARE(err.count('\n'), 3);
}

void TestCliLogic::commandTableMatchesCompletionAndManual()
{
    const QString completion = QString::fromUtf8(sourceFile("zavctl.bash-completion"));
    const QString manual = QString::fromUtf8(sourceFile("zavctl.1"));
    QVERIFY(!completion.isEmpty());
    QVERIFY(!manual.isEmpty());
    // The manual names the version the build carries (the window captions show the same).
    QVERIFY(manual.contains(QStringLiteral("\"ZAV TCP/IP Utility %1\"").arg(version::MajorMinor)));
    const auto manualName = [](QString name) { return name.replace(QLatin1Char('-'), QLatin1String("\\-")); };
    const auto quoted = [&completion](const QString &variable) {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("local %1=\"([^\"]*)\"").arg(variable)).match(completion);
        return match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };

    QStringList names;
    for (const cli::Command &command : cli::commands())
        names.append(command.name);
    QCOMPARE(quoted(QStringLiteral("commands")), names);
    QStringList keys;
    for (const QString &key : settings::settableKeys())
        keys.append(key + QLatin1Char('='));
    QCOMPARE(quoted(QStringLiteral("keys")), keys);
    // The words offered after each option key, and the keys the manual lists
    // for get, in their order, with their words.
    QStringList listed;
    for (const QString &key : settings::keys()) {
        const settings::Setting &setting = *settings::find(key);
        if (setting.choices.isEmpty()) {
            listed.append(manualName(key));
            continue;
        }
        const QString words = settings::words(setting, QStringLiteral(" "));
        QVERIFY2(completion.contains(QStringLiteral("%1=*) COMPREPLY=($(compgen -P %1= -W \"%2\"").arg(key, words)),
                 qPrintable(key));
        listed.append(QStringLiteral("%1 (%2)").arg(manualName(key), settings::words(setting, QStringLiteral("|"))));
    }
    const QString keysSentence = QStringLiteral("The keys, in this order: %1.").arg(listed.join(QLatin1String(", ")));
    QVERIFY2(manual.simplified().contains(keysSentence), qPrintable(keysSentence));
    // The defaults the manual quotes are those of the build.
    for (const QString &phrase : {QStringLiteral("(default %1)").arg(defaults::ControlPort),
                                  QStringLiteral("UDP port %1").arg(defaults::IdentifyPort),
                                  QStringLiteral("download port %1").arg(defaults::DownloadPort),
                                  QStringLiteral("%1\\-byte block").arg(defaults::DownloadBlockSize),
                                  QStringLiteral("(%1 to %2 bytes)")
                                      .arg(defaults::DownloadBlockSize)
                                      .arg(downloadMessage::MaxBlocks * defaults::DownloadBlockSize),
                                  QStringLiteral("ZAV_PASSWORD=%1 zavctl").arg(defaults::Password)})
        QVERIFY2(manual.simplified().contains(phrase), qPrintable(phrase));

    // The options offered after each command, as the case of the completion lists them.
    QHash<QString, QStringList> offered;
    const QRegularExpression commandCase(QStringLiteral("^\\s*([a-z|-]+)\\) options=\"([^\"]*)\"\\s*;;"),
                                         QRegularExpression::MultilineOption);
    for (auto it = commandCase.globalMatch(completion); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString words = match.captured(2);
        words.replace(QLatin1String("$reader_options"), quoted(QStringLiteral("reader_options")).join(QLatin1Char(' ')));
        for (const QString &name : match.captured(1).split(QLatin1Char('|')))
            offered.insert(name, words.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    // The options whose value the completion knows (or knows to leave alone).
    QStringList valued;
    const QRegularExpression valueCase(QStringLiteral("^\\s*(--[a-z|-]+)\\)"), QRegularExpression::MultilineOption);
    for (auto it = valueCase.globalMatch(completion); it.hasNext();)
        valued += it.next().captured(1).split(QLatin1Char('|'));

    for (const cli::Command &command : cli::commands()) {
        QVERIFY2(manual.contains(QStringLiteral(".B zavctl ") + manualName(command.name)), qPrintable(command.name));
        QStringList options{QStringLiteral("--help")};
        for (const QCommandLineOption &option : command.options) {
            const QString name = QStringLiteral("--") + option.names().constLast();
            options.append(name);
            QVERIFY2(manual.contains(manualName(name)), qPrintable(command.name + QLatin1Char(' ') + name));
            if (!option.valueName().isEmpty())
                QVERIFY2(valued.contains(name), qPrintable(name));
        }
        QStringList completed = offered.value(command.name);
        completed.sort();
        options.sort();
        QCOMPARE(completed, options);
        // What a command needs brings its options.
        if (command.needs & cli::Readers)
            QVERIFY(options.contains(QStringLiteral("--port")) && options.contains(QStringLiteral("--jobs")));
        if (command.needs & cli::Password)
            QVERIFY(options.contains(QStringLiteral("--password-file")) && options.contains(QStringLiteral("--password")));
        if (command.needs & cli::Format)
            QVERIFY(options.contains(QStringLiteral("--format")));
    }
}

QTEST_GUILESS_MAIN(TestCliLogic)
#include "tst_clilogic.moc"
