#include "commandlanguage.h"
#include "addresschecks.h"
#include "readersettings.h"
#include "replybuffer.h"
#include "settingchecks.h"
#include "settingrun.h"

#include <QTest>

namespace {
QByteArrayList lines(const QList<SettingCommand> &run)
{
    QByteArrayList result;
    for (const SettingCommand &command : run)
        result.append(command.line());
    return result;
}

ReaderSettings typicalValues(const QByteArray &firmware)
{
    ReaderSettings v;
    const QList<QPair<QString, QByteArray>> values{
        {"address", "10.0.0.9"},     {"data-port", "57"},         {"udp-port", "53002"},
        {"control-port", "87"},      {"subnet-mask", "255.255.0.0"}, {"gateway", "10.0.0.1"},
        {"server-address", "10.0.0.2"}, {"server-port", "4000"},  {"identifier", "DOCK 4"},
        {"mode", "1"},               {"client-send-id", "1"},     {"speed", "5"},
        {"dhcp", "0"},               {"data-password", "1"},      {"firmware", firmware}};
    for (const auto &[key, value] : values)
        v.set(key, value);
    return v;
}

// A value that passes the setting's check, different for every row.
QByteArray sampleValue(const settings::Setting &setting)
{
    const int row = setting.row();
    switch (setting.check) {
    case settings::Check::Address:
        return "10.0." + QByteArray::number(row) + ".1";
    case settings::Check::Port:
        return QByteArray::number(1000 + row);
    case settings::Check::Choice:
    case settings::Check::OptionalChoice:
        return setting.choices.constLast().code;
    case settings::Check::Identifier:
        return "ID " + QByteArray::number(row);
    case settings::Check::Shown:
        break;
    }
    return setting.key == settings::Firmware ? QByteArray("03.01") : "S" + QByteArray::number(row);
}
} // namespace

class TestCommandLanguage : public QObject
{
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        QTest::addColumn<QByteArray>("keyword");
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("STAT") << QByteArray("STAT") << QByteArray() << QByteArray("535441540d");
        QTest::newRow("REBOOT") << QByteArray("REBOOT") << QByteArray() << QByteArray("5245424f4f540d");
        QTest::newRow("MODE 0") << QByteArray("MODE") << QByteArray("0") << QByteArray("4d4f4445300d");
        QTest::newRow("empty IDENT") << QByteArray("IDENT") << QByteArray("") << QByteArray("4944454e540d");
        QTest::newRow("argument with blanks and colon")
            << QByteArray("IDENT") << QByteArray(" a:b ") << QByteArray("4944454e5420613a62200d");
        QTest::newRow("high byte") << QByteArray("IDENT") << QByteArray("\xe9") << QByteArray("4944454e54e90d");
    }
    void commandLine()
    {
        QFETCH(QByteArray, keyword);
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, hex);
        QCOMPARE(control::commandLine(keyword, argument).toHex(), hex);
    }

    void acknowledgement_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("mayBecome"); // more bytes could still make it one
        QTest::newRow("OK CR") << QByteArray("OK\r") << true << false;
        QTest::newRow("OK") << QByteArray("OK") << false << true;
        QTest::newRow("O") << QByteArray("O") << false << true;
        QTest::newRow("OK CR LF") << QByteArray("OK\r\n") << false << false;
        QTest::newRow("LF OK CR") << QByteArray("\nOK\r") << false << false;
        QTest::newRow("lower case") << QByteArray("ok\r") << false << false;
        QTest::newRow("twice") << QByteArray("OK\rOK\r") << false << false;
        QTest::newRow("empty") << QByteArray() << false << true;
        QTest::newRow("error text") << QByteArray("ERROR\r") << false << false;
    }
    void acknowledgement()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(bool, accepted);
        QFETCH(bool, mayBecome);
        QCOMPARE(control::isAcknowledgement(buffer), accepted);
        QCOMPARE(control::mayBecomeAcknowledgement(buffer), mayBecome);
    }

    void completeStatReply_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<bool>("complete");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("CR alone") << QByteArray("\r") << true;
        QTest::newRow("ends in CR") << QByteArray("A:B:\r") << true;
        QTest::newRow("first chunk") << QByteArray("A:B:") << false;
        QTest::newRow("CR LF") << QByteArray("A:B:\r\n") << false;
        QTest::newRow("CR inside") << QByteArray("A\r:B:") << false;
    }
    void completeStatReply()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(bool, complete);
        QCOMPARE(control::isCompleteStatReply(buffer), complete);
    }

    void clientSendIdGate_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<bool>("hasClientSendId");
        QTest::newRow("02.00") << QByteArray("02.00") << false;
        QTest::newRow("02.01") << QByteArray("02.01") << true;
        QTest::newRow("01.99") << QByteArray("01.99") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("blank before") << QByteArray(" 02.00") << true;
        QTest::newRow("2.00") << QByteArray("2.00") << true;
    }
    void clientSendIdGate()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(bool, hasClientSendId);
        QCOMPARE(control::hasClientSendId(firmware), hasClientSendId);
    }

    void newPassword_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("argument");
        QTest::newRow("five") << QByteArray("12345") << QByteArray("12345");
        QTest::newRow("two") << QByteArray("ab") << QByteArray("ab   ");
        QTest::newRow("one") << QByteArray("x") << QByteArray("x    ");
        QTest::newRow("leading blank kept") << QByteArray(" ab") << QByteArray(" ab  ");
    }
    void newPassword()
    {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, argument);
        QCOMPARE(control::newPasswordArgument(typed), argument);
    }

    void boxForCode_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("box");
        QTest::newRow("mode 0 Server") << QByteArray("0") << "mode" << 0;
        QTest::newRow("mode 2 Udp") << QByteArray("2") << "mode" << 2;
        QTest::newRow("mode 3") << QByteArray("3") << "mode" << -1;
        QTest::newRow("speed 1 10hd") << QByteArray("1") << "speed" << 0;
        QTest::newRow("speed 5 Auto") << QByteArray("5") << "speed" << 4;
        QTest::newRow("speed 6") << QByteArray("6") << "speed" << -1;
        QTest::newRow("speed with CR") << QByteArray("5\r") << "speed" << -1;
        QTest::newRow("speed with blank") << QByteArray(" 5") << "speed" << -1;
        QTest::newRow("dhcp 1 On") << QByteArray("1") << "dhcp" << 0;
        QTest::newRow("dhcp 0 Off") << QByteArray("0") << "dhcp" << 1;
        QTest::newRow("dpass 0 No") << QByteArray("0") << "data-password" << 1;
        QTest::newRow("cid 1 On") << QByteArray("1") << "client-send-id" << 0;
        QTest::newRow("cid 0 Off") << QByteArray("0") << "client-send-id" << 1;
        QTest::newRow("empty") << QByteArray() << "mode" << -1;
    }
    void boxForCode()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, key);
        QFETCH(int, box);
        QCOMPARE(settings::choiceOf(*settings::find(key), field), box);
    }

    void codeFromChecks_data()
    {
        QTest::addColumn<QList<bool>>("checked");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("previous");
        QTest::addColumn<QByteArray>("code");
        QTest::newRow("Client") << QList<bool>{false, true, false} << "mode" << QByteArray("0") << QByteArray("1");
        QTest::newRow("none keeps previous")
            << QList<bool>{false, false} << "data-password" << QByteArray("1") << QByteArray("1");
        QTest::newRow("none, never set") << QList<bool>{false, false} << "client-send-id" << QByteArray()
                                         << QByteArray();
        QTest::newRow("Off is 0") << QList<bool>{false, true} << "client-send-id" << QByteArray() << QByteArray("0");
        QTest::newRow("last checked wins")
            << QList<bool>{true, false, false, true, false} << "speed" << QByteArray("5") << QByteArray("4");
    }
    void codeFromChecks()
    {
        QFETCH(QList<bool>, checked);
        QFETCH(QString, key);
        QFETCH(QByteArray, previous);
        QFETCH(QByteArray, code);
        QCOMPARE(settings::codeFromChecks(*settings::find(key), checked, previous), code);
    }

    void statReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArrayList>("expected"); // mac id fw ip dpt cpt gtw sip sprt mode speed dhcp csn udpp dpass cid
        QTest::addColumn<bool>("hasClientSendId");
        const QByteArray full = "ZAVTCP:0050C2000001:READER:02.10:10.0.0.9:57:87:10.0.0.1:10.0.0.2:4000:1:5:0:"
                                "X:255.255.0.0:53002:Y:1:1:\r";
        QTest::newRow("full")
            << full
            << QByteArrayList{"0050C2000001", "READER", "02.10", "10.0.0.9", "57", "87", "10.0.0.1", "10.0.0.2",
                              "4000", "1", "5", "0", "255.255.0.0", "53002", "1", "1"}
            << true;
        QByteArray old = full;
        old.replace("02.10", "02.00");
        QTest::newRow("02.00 ignores field 19")
            << old
            << QByteArrayList{"0050C2000001", "READER", "02.00", "10.0.0.9", "57", "87", "10.0.0.1", "10.0.0.2",
                              "4000", "1", "5", "0", "255.255.0.0", "53002", "1", ""}
            << false;
        QTest::newRow("field 19 holds the CR")
            << QByteArray("M:MAC:ID:02.01:A:D:C:G:S:P:2:3:1:X:N:U:Y:0:1\r")
            << QByteArrayList{"MAC", "ID", "02.01", "A", "D", "C", "G", "S", "P", "2", "3", "1", "N", "U", "0", "1\r"}
            << true;
        QTest::newRow("fewer fields")
            << QByteArray("M:MAC:ID:02.10:A:D:\r")
            << QByteArrayList{"MAC", "ID", "02.10", "A", "D", "\r", "", "", "", "", "", "", "", "", "", ""}
            << true;
        QTest::newRow("empty fields and blanks kept")
            << QByteArray("M:: id ::A:D:C:G:S:P:0:6:0:X:N:U:Y:0:0:\r")
            << QByteArrayList{"", " id ", "", "A", "D", "C", "G", "S", "P", "0", "6", "0", "N", "U", "0", "0"}
            << true;
    }
    void statReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArrayList, expected);
        QFETCH(bool, hasClientSendId);
        const ReaderSettings s = ReaderSettings::fromStatReply(reply);
        QByteArrayList actual;
        for (const QString &key : settings::keys())
            actual.append(s.value(key));
        QCOMPARE(actual, expected);
        QCOMPARE(s.hasClientSendId(), hasClientSendId);
        QCOMPARE(s.contains(settings::ClientSendId), hasClientSendId);
    }

    // Every row of the table round-trips: a STAT reply built from the table
    // gives each setting its own field, the setting run writes it with its
    // keyword in table order, its check takes a usable value and refuses a
    // broken one with the row's text, and its words and codes map both ways.
    void settingsTable_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : settings::keys())
            QTest::newRow(qPrintable(key)) << key;
    }
    void settingsTable()
    {
        QFETCH(QString, key);
        const settings::Setting &setting = *settings::find(key);
        QByteArrayList fields(20, "x");
        for (const settings::Setting &other : settings::table())
            fields[other.statField] = sampleValue(other);
        const QByteArray reply = fields.mid(1).join(':') + ":\r";
        const ReaderSettings parsed = ReaderSettings::fromStatReply(reply);
        QCOMPARE(parsed.value(key), sampleValue(setting));
        QCOMPARE(parsed.keys(), settings::keys());

        const QList<SettingCommand> run = ::settingRun(parsed);
        QByteArrayList keywords;
        for (const settings::Setting &other : settings::table()) {
            if (!other.readOnly())
                keywords.append(other.keyword);
        }
        QByteArrayList sent;
        for (const SettingCommand &command : run) {
            sent.append(command.keyword);
            if (command.keyword == setting.keyword)
                QCOMPARE(command.argument, sampleValue(setting));
        }
        QCOMPARE(sent, keywords);
        QCOMPARE(sent.contains(setting.keyword), !setting.readOnly());
        QVERIFY(!setting.caption.isEmpty());

        if (setting.check != settings::Check::Shown) {
            QCOMPARE(settingchecks::valueRefusal(setting, sampleValue(setting)), QString());
            QCOMPARE(settingchecks::valueRefusal(setting, "1:2\r"), setting.refusal);
            QVERIFY(!setting.refusal.isEmpty());
        }
        for (const settings::Choice &choice : setting.choices) {
            QCOMPARE(settings::codeForWord(setting, choice.word.toUpper()), std::optional<QByteArray>(choice.code));
            QCOMPARE(settings::text(setting, choice.code), choice.word);
            QVERIFY(!choice.caption.isEmpty());
        }
        // Nothing but the two option kinds has words.
        QCOMPARE(setting.choices.isEmpty(), setting.check != settings::Check::Choice
                                                && setting.check != settings::Check::OptionalChoice);
    }

    void settingRun_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QByteArray>("newPassword");
        QTest::addColumn<QByteArrayList>("expected");
        const QByteArrayList base{"CIP10.0.0.9\r", "DPT57\r", "UDPP53002\r", "CPT87\r", "CSN255.255.0.0\r",
                                  "GTW10.0.0.1\r", "SIP10.0.0.2\r", "SPRT4000\r", "IDENTDOCK 4\r", "MODE1\r"};
        const QByteArrayList tail{"SPEED5\r", "DHCP0\r", "DPASS1\r"};
        QTest::newRow("02.00: 13 commands") << QByteArray("02.00") << QByteArray() << base + tail;
        QTest::newRow("02.00 with new password: 14")
            << QByteArray("02.00") << QByteArray("ab") << base + tail + QByteArrayList{"NEWPASSab   \r"};
        QTest::newRow("02.01: 14 with CID") << QByteArray("02.01") << QByteArray()
                                            << base + QByteArrayList{"CID1\r"} + tail;
        QTest::newRow("02.10 with new password: 15")
            << QByteArray("02.10") << QByteArray("99999")
            << base + QByteArrayList{"CID1\r"} + tail + QByteArrayList{"NEWPASS99999\r"};
        QTest::newRow("blank new password sends none")
            << QByteArray("02.00") << QByteArray("   ") << base + tail;
        QTest::newRow("leading blank of new password kept")
            << QByteArray("02.00") << QByteArray(" 1") << base + tail + QByteArrayList{"NEWPASS 1   \r"};
    }
    void settingRun()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(QByteArray, newPassword);
        QFETCH(QByteArrayList, expected);
        QCOMPARE(lines(::settingRun(typicalValues(firmware), newPassword)), expected);
    }

    // Only what differs is sent: values compare as the reader holds them.
    void changeRun_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QStringList>("wanted");   // key=value, codes as the reader has them
        QTest::addColumn<QByteArray>("newPassword");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::newRow("all as held") << QByteArray("02.10") << QStringList{"mode=1", "identifier=DOCK 4"}
                                     << QByteArray() << QByteArrayList();
        QTest::newRow("one differs") << QByteArray("02.10") << QStringList{"mode=2", "speed=5"} << QByteArray()
                                     << QByteArrayList{"MODE2\r"};
        QTest::newRow("in run order") << QByteArray("02.10") << QStringList{"dhcp=1", "address=10.0.0.8"}
                                      << QByteArray() << QByteArrayList{"CIP10.0.0.8\r", "DHCP1\r"};
        QTest::newRow("leading zeros are the same address")
            << QByteArray("02.10") << QStringList{"gateway=010.000.000.001", "server-port=04000"} << QByteArray()
            << QByteArrayList();
        QTest::newRow("a blank is not the same address")
            << QByteArray("02.10") << QStringList{"gateway=10.0.0.1 "} << QByteArray()
            << QByteArrayList{"GTW10.0.0.1 \r"};
        QTest::newRow("identifier byte for byte") << QByteArray("02.10") << QStringList{"identifier=dock 4"}
                                                  << QByteArray() << QByteArrayList{"IDENTdock 4\r"};
        QTest::newRow("no CID for 02.00") << QByteArray("02.00") << QStringList{"client-send-id=0"} << QByteArray()
                                          << QByteArrayList();
        QTest::newRow("new password always sent") << QByteArray("02.10") << QStringList() << QByteArray("ab")
                                                  << QByteArrayList{"NEWPASSab   \r"};
    }
    void changeRun()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(QStringList, wanted);
        QFETCH(QByteArray, newPassword);
        QFETCH(QByteArrayList, expected);
        const ReaderSettings reader = typicalValues(firmware);
        ReaderSettings changes;
        for (const QString &item : wanted)
            changes.set(item.section(QLatin1Char('='), 0, 0), item.section(QLatin1Char('='), 1).toLatin1());
        QCOMPARE(lines(::changeRun(reader, changes, newPassword)), expected);
    }

    // The reply buffer keeps at most ReplyLimit bytes; a reply that ran over
    // is never complete, even when the bytes it kept end with a CR.
    void replyLimit_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<qsizetype>("kept");
        QTest::addColumn<bool>("overlong");
        const qsizetype limit = control::ReplyLimit;
        QTest::newRow("small") << QByteArrayList{"OK", "\r"} << qsizetype(3) << false;
        QTest::newRow("exactly the limit") << QByteArrayList{QByteArray(limit - 1, 'A'), "\r"} << limit << false;
        QTest::newRow("one byte over") << QByteArrayList{QByteArray(limit, 'A'), "\r"} << limit << true;
        QTest::newRow("one huge chunk") << QByteArrayList{QByteArray(10 * limit, '\r')} << limit << true;
        QTest::newRow("over, then more") << QByteArrayList{QByteArray(limit + 5, 'A'), "B", "\r"} << limit << true;
    }

    void replyLimit()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(qsizetype, kept);
        QFETCH(bool, overlong);
        ReplyBuffer buffer(control::ReplyLimit);
        QByteArray all;
        for (const QByteArray &chunk : chunks) {
            buffer.append(chunk);
            all += chunk;
        }
        QCOMPARE(buffer.bytes().size(), kept);
        QCOMPARE(buffer.bytes(), all.left(kept));
        QCOMPARE(buffer.overlong(), overlong);
    }

    // A value counts as reported only when it equals the reader's own; only
    // such a value passes with the plain checks, and codes are always strict.
    void settingsRefusal_data()
    {
        QTest::addColumn<QByteArray>("setting");  // its key
        QTest::addColumn<QByteArray>("given");
        QTest::addColumn<QByteArray>("reported"); // "-": nothing reported
        QTest::addColumn<QString>("refusal");
        QTest::newRow("typical values") << QByteArray() << QByteArray() << QByteArray("-") << QString();
        QTest::newRow("server port 0 as reported") << QByteArray("server-port") << QByteArray("0") << QByteArray("0")
                                                   << QString();
        QTest::newRow("server port 0 given") << QByteArray("server-port") << QByteArray("0") << QByteArray("-")
                                             << "Invalid Server Port Number";
        QTest::newRow("server port 0 over a reported 57")
            << QByteArray("server-port") << QByteArray("0") << QByteArray("57") << "Invalid Server Port Number";
        QTest::newRow("data port 00 over a reported 0")
            << QByteArray("data-port") << QByteArray("00") << QByteArray("0") << "Invalid Data Port Number";
        QTest::newRow("gateway with a letter as reported")
            << QByteArray("gateway") << QByteArray("10.0.0.x") << QByteArray("10.0.0.x") << QString();
        QTest::newRow("gateway with a letter given")
            << QByteArray("gateway") << QByteArray("10.0.0.x") << QByteArray("-") << "Invalid Gateway Address";
        QTest::newRow("subnet with a blank given")
            << QByteArray("subnet-mask") << QByteArray("255.255. 0.0") << QByteArray("10.0.0.1")
            << "Invalid Subnet Address";
        QTest::newRow("blank port fails even as reported")
            << QByteArray("udp-port") << QByteArray(" ") << QByteArray(" ") << "Invalid UDP Port Number";
        QTest::newRow("unknown mode fails even as reported")
            << QByteArray("mode") << QByteArray("7") << QByteArray("7") << "An Operating Mode must be selected";
    }
    void settingsRefusal()
    {
        QFETCH(QByteArray, setting);
        QFETCH(QByteArray, given);
        QFETCH(QByteArray, reported);
        QFETCH(QString, refusal);
        ReaderSettings values = typicalValues("02.10");
        ReaderSettings reader = values;
        if (!setting.isEmpty()) {
            values.set(QString::fromLatin1(setting), given);
            reader.set(QString::fromLatin1(setting), reported);
        }
        QCOMPARE(settingchecks::runRefusal(values, reported == "-" ? nullptr : &reader), refusal);
    }

    void settingChecks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("port");
        QTest::addColumn<bool>("address");
        QTest::newRow("87") << QByteArray("87") << true << false;
        QTest::newRow("1") << QByteArray("1") << true << false;
        QTest::newRow("65535") << QByteArray("65535") << true << false;
        QTest::newRow("0") << QByteArray("0") << false << false;
        QTest::newRow("00000") << QByteArray("00000") << false << false;
        QTest::newRow("65536") << QByteArray("65536") << false << false;
        QTest::newRow("99999") << QByteArray("99999") << false << false;
        QTest::newRow("letters") << QByteArray("8a7") << false << false;
        QTest::newRow("blank before") << QByteArray(" 87") << false << false;
        QTest::newRow("six digits") << QByteArray("000087") << false << false;
        QTest::newRow("sign") << QByteArray("+87") << false << false;
        QTest::newRow("empty") << QByteArray() << false << false;
        QTest::newRow("address") << QByteArray("192.168.1.55") << false << true;
        QTest::newRow("zeros") << QByteArray("0.0.0.0") << false << true;
        QTest::newRow("leading zeros") << QByteArray("010.001.000.255") << false << true;
        QTest::newRow("blank before address") << QByteArray(" 1.2.3.4") << false << false;
        QTest::newRow("blank after address") << QByteArray("1.2.3.4 ") << false << false;
        QTest::newRow("blank inside") << QByteArray("1. 2.3.4") << false << false;
        QTest::newRow("letters address") << QByteArray("a.b.c.d") << false << false;
        QTest::newRow("empty group") << QByteArray("1..2.3") << false << false;
        QTest::newRow("dot first") << QByteArray(".1.2.3") << false << false;
        QTest::newRow("256") << QByteArray("1.2.3.256") << false << false;
        QTest::newRow("four digits") << QByteArray("1.2.3.0255") << false << false;
        QTest::newRow("five groups") << QByteArray("1.2.3.4.5") << false << false;
    }

    void settingChecks()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, port);
        QFETCH(bool, address);
        QCOMPARE(control::isPortNumber(text), port);
        QCOMPARE(control::isDottedAddress(text), address);
    }
};

QTEST_GUILESS_MAIN(TestCommandLanguage)
#include "tst_commandlanguage.moc"
