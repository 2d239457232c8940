#include "addresswalk.h"
#include "changeaddress.h"
#include "identifyreply.h"
#include "typedvalues.h"

#include <QTest>

// The byte-level parts of reader discovery: reply fields, list columns, the
// change-address message and the wide-area address order.
class TestIdentify : public QObject
{
    Q_OBJECT
private slots:
    void replyFields_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("mac");
        QTest::addColumn<QByteArray>("identification");
        QTest::addColumn<QByteArray>("port");
        QTest::newRow("four fields") << QByteArray("10.0.0.5:0050C2000001:Door reader:87\r")
                                     << QByteArray("10.0.0.5") << QByteArray("0050C2000001")
                                     << QByteArray("Door reader") << QByteArray("87");
        QTest::newRow("no carriage return") << QByteArray("1.2.3.4:AABBCCDDEEFF:x:53001")
                                            << QByteArray("1.2.3.4") << QByteArray("AABBCCDDEEFF")
                                            << QByteArray("x") << QByteArray("53001");
        QTest::newRow("three fields") << QByteArray("1.2.3.4:AABBCCDDEEFF:id\r") << QByteArray("1.2.3.4")
                                      << QByteArray("AABBCCDDEEFF") << QByteArray("id") << QByteArray();
        QTest::newRow("CR after field 2") << QByteArray("1.2.3.4:AABBCCDDEEFF\r:id:87")
                                          << QByteArray("1.2.3.4") << QByteArray("AABBCCDDEEFF")
                                          << QByteArray() << QByteArray();
        QTest::newRow("more than four fields") << QByteArray("a:b:c:d:e:f\r") << QByteArray("a") << QByteArray("b")
                                               << QByteArray("c") << QByteArray("d");
        QTest::newRow("empty fields") << QByteArray("::x:") << QByteArray() << QByteArray() << QByteArray("x")
                                      << QByteArray();
        QTest::newRow("empty datagram") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                        << QByteArray();
        QTest::newRow("line feed kept, high bytes kept") << QByteArray("a\n:\xe9\x00z:q", 8) << QByteArray("a\n")
                                                         << QByteArray("\xe9\x00z", 3) << QByteArray("q")
                                                         << QByteArray();
    }
    void replyFields()
    {
        QFETCH(QByteArray, reply);
        const IdentifyReply fields = parseIdentifyReply(reply);
        QTEST(fields.address, "address");
        QTEST(fields.mac, "mac");
        QTEST(fields.identification, "identification");
        QTEST(fields.controlPort, "port");
    }

    void localListLine_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("line");
        const QString blank20(20, ' ');
        QTest::newRow("seven-character address")
            << QByteArray("1.2.3.4:0050C2000001:Door:87\r")
            << QString("1.2.3.4" + QString(13, ' ') + "00 50 C2 00 00 01     " + "Door" + QString(21, ' ') + "87   ");
        QTest::newRow("fifteen-character address, five-digit port")
            << QByteArray("192.168.100.200:AABBCCDDEEFF:ZAV Reader:53001\r")
            << QString("192.168.100.200     AA BB CC DD EE FF     ZAV Reader               53001");
        QTest::newRow("three fields: blank port columns")
            << QByteArray("1.2.3.4:AABBCCDDEEFF:id\r")
            << QString("1.2.3.4" + QString(13, ' ') + "AA BB CC DD EE FF     id" + QString(23, ' ') + "     ");
        QTest::newRow("CR after field 2")
            << QByteArray("1.2.3.4:AABBCCDDEEFF\rjunk:87")
            << QString("1.2.3.4" + QString(13, ' ') + "AA BB CC DD EE FF     " + QString(30, ' '));
        QTest::newRow("long fields are cut")
            << QByteArray("123456789012345678901234:AABBCCDDEEFF0011:abcdefghijklmnopqrstuvwxyz0123:1234567:x")
            << QString("12345678901234567890AA BB CC DD EE FF     abcdefghijklmnopqrstuvwxy12345");
        QTest::newRow("short MAC padded with blanks")
            << QByteArray("a:ABC:b:1") << QString("a" + QString(19, ' ') + "AB C          " + QString(8, ' ')
                                                  + "b" + QString(24, ' ') + "1    ");
        QTest::newRow("empty reply") << QByteArray() << QString(blank20 + "                      " + QString(30, ' '));
        QTest::newRow("byte 0xE9 is one column") << QByteArray("\xe9:AABBCCDDEEFF:\xe9:1")
                                                 << QString(QChar(0xe9) + QString(19, ' ') + "AA BB CC DD EE FF     "
                                                            + QChar(0xe9) + QString(24, ' ') + "1    ");
    }
    void localListLine()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, line);
        const QString built = identifyListLine(parseIdentifyReply(reply));
        QCOMPARE(built.size(), identify::LocalLineWidth);
        QCOMPARE(built, line);
    }

    void wideAreaListLine_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("line");
        QTest::newRow("three fields") << QByteArray("10.1.1.5:0050C2000001:ZAV Reader\r")
                                      << QString("10.1.1.5            00 50 C2 00 00 01     ZAV Reader          ");
        QTest::newRow("port field not shown") << QByteArray("10.1.1.5:0050C2000001:ZAV Reader:87:more\r")
                                              << QString("10.1.1.5            00 50 C2 00 00 01     ZAV Reader          ");
        QTest::newRow("identification cut to 20")
            << QByteArray("1.1.1.1:AABBCCDDEEFF:abcdefghijklmnopqrstuvwxyz\r")
            << QString("1.1.1.1             AA BB CC DD EE FF     abcdefghijklmnopqrst");
    }
    void wideAreaListLine()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, line);
        const QString built = ::wideAreaListLine(parseIdentifyReply(reply));
        QCOMPARE(built.size(), identify::WideAreaLineWidth);
        QCOMPARE(built, line);
    }

    void lineColumns_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QByteArray>("mac");
        QTest::newRow("ordinary") << QByteArray("10.0.0.5:0050C2000001:x:87\r") << "10.0.0.5" << "87"
                                  << QByteArray("0050C2000001");
        QTest::newRow("five-digit port") << QByteArray("10.0.0.5:0050C2000001:x:53001\r") << "10.0.0.5" << "53001"
                                         << QByteArray("0050C2000001");
        QTest::newRow("no port") << QByteArray("10.0.0.5:0050C2000001:x\r") << "10.0.0.5" << ""
                                 << QByteArray("0050C2000001");
        QTest::newRow("address beyond 15 columns is cut")
            << QByteArray("1234567890123456789:AABBCCDDEEFF:x:1") << "123456789012345" << "1"
            << QByteArray("AABBCCDDEEFF");
        QTest::newRow("blanks inside kept") << QByteArray(" 1 2 : A B C D E F:x: 8 ") << "1 2" << "8"
                                            << QByteArray(" A B C D E F");
    }
    void lineColumns()
    {
        QFETCH(QByteArray, reply);
        const QString line = identifyListLine(parseIdentifyReply(reply));
        QTEST(addressFromListLine(line), "address");
        QTEST(controlPortFromListLine(line), "port");
        QTEST(macFromListLine(line), "mac");
    }

    void macFromShortLine()
    {
        QCOMPARE(macFromListLine(QString()), QByteArray(12, ' '));
        QCOMPARE(macFromListLine(QString(20, ' ') + "AA B"), QByteArray("AAB         "));
    }

    void changeAddressMessage_data()
    {
        QTest::addColumn<QByteArray>("mac");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("short address padded") << QByteArray("0050C2000001") << "10.0.0.7"
                                              << QByteArray("RPG0050C200000110.0.0.7       ");
        QTest::newRow("fifteen characters fill it") << QByteArray("AABBCCDDEEFF") << "192.168.100.200"
                                                    << QByteArray("RPGAABBCCDDEEFF192.168.100.200");
        QTest::newRow("blanks in the answer are sent") << QByteArray("AABBCCDDEEFF") << " 1.2.3.4"
                                                       << QByteArray("RPGAABBCCDDEEFF 1.2.3.4       ");
        QTest::newRow("over-long arguments cut") << QByteArray("AABBCCDDEEFF99") << "1234567890123456789"
                                                 << QByteArray("RPGAABBCCDDEEFF123456789012345");
        QTest::newRow("short MAC padded") << QByteArray("AB") << "1.2.3.4"
                                          << QByteArray("RPGAB          1.2.3.4        ");
    }
    void changeAddressMessage()
    {
        QFETCH(QByteArray, mac);
        QFETCH(QString, address);
        QFETCH(QByteArray, message);
        const QByteArray built = ::changeAddressMessage(mac, address);
        QCOMPARE(built.size(), changeaddress::MessageLength);
        QCOMPARE(built, message);
    }

    void addressWalk_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("addresses");  // the complete walk, or its first part
        QTest::addColumn<bool>("complete");
        QTest::newRow("end of the last octet, then next third octet from host 1")
            << "10.1.1.250"
            << QStringList{"10.1.1.250", "10.1.1.251", "10.1.1.252", "10.1.1.253", "10.1.1.254", "10.1.1.255",
                           "10.1.2.1", "10.1.2.2"}
            << false;
        QTest::newRow("last address of all") << "10.1.255.255" << QStringList{"10.1.255.255"} << true;
        QTest::newRow("end after x.x.255.255")
            << "10.1.255.253" << QStringList{"10.1.255.253", "10.1.255.254", "10.1.255.255"} << true;
        QTest::newRow("254 then 255 then next third octet")
            << "10.1.254.255" << QStringList{"10.1.254.255", "10.1.255.1", "10.1.255.2"} << false;
        QTest::newRow("first two groups as typed, last two as numbers")
            << "010.1.07.5" << QStringList{"010.1.7.5", "010.1.7.6"} << false;
        QTest::newRow("host 0 as typed is tried") << "1.2.3.0" << QStringList{"1.2.3.0", "1.2.3.1"} << false;
        QTest::newRow("blanks before a number") << "1.2. 3. 9" << QStringList{"1.2.3.9", "1.2.3.10"} << false;
        QTest::newRow("letters count as 0") << "a.b.c.d" << QStringList{"a.b.0.0", "a.b.0.1"} << false;
    }
    void addressWalk()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, addresses);
        QFETCH(bool, complete);
        WideAreaWalk walk(start);
        QStringList walked;
        QString address;
        while (walked.size() < addresses.size() + 1 && walk.next(address))
            walked.append(address);
        if (complete) {
            QCOMPARE(walked, addresses);
            QVERIFY(!walk.next(address));
        } else {
            QCOMPARE(walked.mid(0, addresses.size()), addresses);
        }
    }

    void addressWalkLength()
    {
        // From x.x.0.1 every host 1..255 of every third octet: bounded.
        WideAreaWalk walk(QStringLiteral("10.1.0.1"));
        QString address;
        int count = 0;
        while (walk.next(address) && count < 100000)
            ++count;
        QCOMPARE(count, 256 * 255);
        QCOMPARE(address, QStringLiteral("10.1.255.255"));
    }

    // A reply arriving in pieces gives the same lines as the whole reply,
    // whatever its size, while only the shown part of each field is kept.
    void replyWalkInPieces_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("pieceSize");
        QTest::addColumn<bool>("endsWithCr");
        QTest::newRow("one byte at a time") << QByteArray("127.0.0.5:0050C2000001:Door reader:87\r") << 1 << true;
        QTest::newRow("CR inside a piece, text after it")
            << QByteArray("1.2.3.4:AABBCCDDEEFF:id\rtrailing") << 5 << false;
        QTest::newRow("colon at a piece boundary") << QByteArray("1.2.3.4:AABB:x:y:z\r") << 8 << true;
        QTest::newRow("64 KiB field then the rest")
            << QByteArray(65536, 'A') + ":0050C2000001:" + QByteArray(70000, 'i') + ":87\r" << 4096 << true;
        QTest::newRow("10 MB without CR") << QByteArray(10 * 1024 * 1024, 'x') << 65536 << false;
    }
    void replyWalkInPieces()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, pieceSize);
        IdentifyReplyWalk walk;
        for (qsizetype at = 0; at < reply.size(); at += pieceSize)
            walk.add(reply.mid(at, pieceSize));
        const IdentifyReply whole = parseIdentifyReply(reply);
        QCOMPARE(::identifyListLine(walk.fields()), ::identifyListLine(whole));
        QCOMPARE(::wideAreaListLine(walk.fields()), ::wideAreaListLine(whole));
        QTEST(walk.endsWithCarriageReturn(), "endsWithCr");
        QCOMPARE(walk.bytesSeen(), reply.size());
        const IdentifyReply &kept = walk.fields();
        for (const QByteArray *field : {&kept.address, &kept.mac, &kept.identification, &kept.controlPort})
            QVERIFY(field->size() <= IdentifyReplyWalk::ShownFieldBytes);
    }

    // The new address of "Resolve Dup" must be one a reader can take, and
    // the starting address of a wide-area scan four numbers: no group that
    // a name lookup or a loose reading would turn into another address.
    void typedAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "10.0.0.7" << true;
        QTest::newRow("fifteen characters") << "192.168.100.200" << true;
        QTest::newRow("blanks at the ends") << " 10.0.0.7  " << true;
        QTest::newRow("leading zeros") << "010.1.07.5" << true;
        QTest::newRow("letters") << "a.b.c.d" << false;
        QTest::newRow("letter in a group") << "10.0.0.7x" << false;
        QTest::newRow("letters in groups 3 and 4") << "1.2.c.d" << false;
        QTest::newRow("empty group") << "1..2.3" << false;
        QTest::newRow("leading dot") << ".1.2.3" << false;
        QTest::newRow("blank inside") << "10.0. 0.7" << false;
        QTest::newRow("blank after group 1") << "1 .2.3.4" << false;
        QTest::newRow("above 255") << "10.0.0.256" << false;
        QTest::newRow("four digits") << "10.0.0.0007" << false;
        QTest::newRow("three groups") << "10.0.7" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("10.0.0.\xd9\xa7") << false;
    }
    void typedAddress()
    {
        QFETCH(QString, text);
        QTEST(readerAddressFromText(text).has_value(), "accepted");
    }
};

QTEST_GUILESS_MAIN(TestIdentify)
#include "tst_identify.moc"
