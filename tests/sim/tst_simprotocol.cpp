#include "privatenetwork.h"
#include "readersimulator.h"
#include "simclient.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>

// The simulated reader's side of every exchange, byte for byte, with plain
// sockets as the client.

namespace {
QByteArray allByteValues()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

QByteArray downloadMessage(char letter, const QByteArray &body)
{
    QByteArray message(1, letter);
    message += body;
    return message;
}
} // namespace

class TestSimProtocol : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void login_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("right") << QByteArray("PASS58203\r") << QByteArray("OK\r");
        QTest::newRow("wrong") << QByteArray("PASS58204\r") << QByteArray();
        QTest::newRow("short") << QByteArray("PASS5820\r") << QByteArray();
        QTest::newRow("blank kept") << QByteArray("PASS 5820\r") << QByteArray();
        QTest::newRow("lower case") << QByteArray("pass58203\r") << QByteArray();
        QTest::newRow("STAT first") << QByteArray("STAT\r") << QByteArray();
        QTest::newRow("setting first") << QByteArray("MODE1\r") << QByteArray();
    }
    void login()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, reply);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.11"));
        QString error;
        QVERIFY2(simulator.start(&error), qPrintable(error));
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.11"), 87));
        peer.send(sent);
        QCOMPARE(reply.isEmpty() ? peer.collect(400) : peer.waitFor(reply.size()), reply);
        QCOMPARE(reader->receivedBytes(Channel::Control), sent);
        QCOMPARE(reader->loginSeen(), !reply.isEmpty());
        QCOMPARE(reader->config().mode, '0');
    }

    void stat_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("02.10") << QByteArray("02.10")
                               << QByteArray("ZAVTCP:0050C2000001:READER:02.10:127.0.0.12:57:87:0.0.0.0:"
                                             "127.0.0.1:57:0:5:0:0:255.255.255.0:53002:0:0:0:\r");
        QTest::newRow("02.00") << QByteArray("02.00")
                               << QByteArray("ZAVTCP:0050C2000001:READER:02.00:127.0.0.12:57:87:0.0.0.0:"
                                             "127.0.0.1:57:0:5:0:0:255.255.255.0:53002:0:0:\r");
        QTest::newRow("02.01") << QByteArray("02.01")
                               << QByteArray("ZAVTCP:0050C2000001:READER:02.01:127.0.0.12:57:87:0.0.0.0:"
                                             "127.0.0.1:57:0:5:0:0:255.255.255.0:53002:0:0:0:\r");
    }
    void stat()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(QByteArray, reply);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.12");
        config.firmware = firmware;
        simulator.addReader(config);
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.12"), 87));
        QVERIFY(peer.login());
        peer.send("STAT\r");
        QCOMPARE(peer.waitFor(reply.size()), reply);
        // "CID" is acknowledged except by a "02.00" reader, which stays silent.
        peer.send("CID1\r");
        if (firmware == "02.00")
            QCOMPARE(peer.collect(400), QByteArray());
        else
            QCOMPARE(peer.waitFor(3), QByteArray("OK\r"));
    }

    void settingsRunThenReboot()
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.13"));
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.13"), 87));
        QVERIFY(peer.login());
        const QList<QByteArray> run{"CIP127.0.0.113", "DPT1001",      "UDPP1002", "CPT1087",
                                    "CSN255.255.0.0", "GTW127.0.0.1", "SIP127.0.0.5", "SPRT1057",
                                    "IDENTDock 4 north", "MODE2",     "CID1",     "SPEED3",
                                    "DHCP1",          "DPASS1",       "NEWPASSab   "};
        for (const QByteArray &command : run) {
            peer.send(command + '\r');
            QVERIFY2(peer.waitFor(3) == "OK\r", command.constData());
        }
        const QByteArray written = "ZAVTCP:0050C2000001:Dock 4 north:02.10:127.0.0.113:1001:1087:127.0.0.1:"
                                   "127.0.0.5:1057:2:3:1:0:255.255.0.0:1002:0:1:1:\r";
        // The written values show at once; they come into force at the restart.
        peer.send("STAT\r");
        QCOMPARE(peer.waitFor(written.size()), written);
        QCOMPARE(reader->activeConfig().address, ip("127.0.0.13"));

        QSignalSpy restarted(reader, &SimulatedReader::started);
        peer.send("REBOOT\r");
        QCOMPARE(peer.waitFor(3), QByteArray("OK\r"));
        QTRY_VERIFY_WITH_TIMEOUT(peer.closed, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(restarted.count(), 1, 3000);

        TcpPeer old;
        QVERIFY(!old.open(ip("127.0.0.13"), 87, 1000));
        TcpPeer again;
        QVERIFY(again.open(ip("127.0.0.113"), 1087));
        QVERIFY(!again.login("58203"));
        TcpPeer third;
        QVERIFY(third.open(ip("127.0.0.113"), 1087));
        QVERIFY(third.login("ab   "));
        third.send("STAT\r");
        QCOMPARE(third.waitFor(written.size()), written);
        QCOMPARE(reader->activeConfig().mode, '2');
        QCOMPARE(reader->activeConfig().controlPort, quint16(1087));
    }

    void refusedValues_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("address with three groups") << QByteArray("CIP10.0.0");
        QTest::newRow("address group 256") << QByteArray("GTW10.0.0.256");
        QTest::newRow("port 0") << QByteArray("DPT0");
        QTest::newRow("port 65536") << QByteArray("CPT65536");
        QTest::newRow("port letters") << QByteArray("SPRT8a");
        QTest::newRow("mode 3") << QByteArray("MODE3");
        QTest::newRow("speed 0") << QByteArray("SPEED0");
        QTest::newRow("dhcp two characters") << QByteArray("DHCP11");
        QTest::newRow("identifier with colon") << QByteArray("IDENTa:b");
        QTest::newRow("identifier of 21") << QByteArray("IDENT123456789012345678901");
        QTest::newRow("password of 4") << QByteArray("NEWPASSabcd");
        QTest::newRow("unknown command") << QByteArray("HELLO");
    }
    void refusedValues()
    {
        QFETCH(QByteArray, command);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.14"));
        QVERIFY(simulator.start());
        const QByteArray before = reader->statReply();
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.14"), 87));
        QVERIFY(peer.login());
        peer.send(command + '\r');
        QCOMPARE(peer.waitFor(4), QByteArray("ERR\r"));
        QCOMPARE(reader->statReply(), before);
        QCOMPARE(reader->config().password, QByteArray("58203"));
    }

    void tcpIdentify_data()
    {
        QTest::addColumn<QByteArray>("identifyAddress");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("own address") << QByteArray() << QByteArray("127.0.0.15:0050C2000001:ZAV Reader\r");
        QTest::newRow("given address") << QByteArray("10.0.0.7") << QByteArray("10.0.0.7:0050C2000001:ZAV Reader\r");
    }
    void tcpIdentify()
    {
        QFETCH(QByteArray, identifyAddress);
        QFETCH(QByteArray, reply);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.15");
        config.identifyAddress = identifyAddress;
        simulator.addReader(config);
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.15"), 87));
        peer.send("ZAVIDENTIFY\r"); // no login needed
        QCOMPARE(peer.waitFor(reply.size()), reply);
    }

    void multicastIdentify()
    {
        ReaderSimulator simulator;
        ReaderConfig a = readerAt("127.0.0.21");
        a.mac = "00A0C8000021";
        a.identification = "Gate A";
        ReaderConfig b = readerAt("127.0.0.22");
        b.mac = "00A0C8000022";
        b.identification = "Gate B";
        b.controlPort = 10001;
        b.identifyAddress = "127.0.0.21"; // answers with A's address
        SimulatedReader *readerA = simulator.addReader(a);
        simulator.addReader(b);
        QString error;
        QVERIFY2(simulator.start(&error), qPrintable(error));
        SearchSocket search;
        QVERIFY(search.open());
        search.send("ZAVIDENTIFY");
        QTRY_COMPARE_WITH_TIMEOUT(search.replies.size(), 2, 3000);
        QCOMPARE(search.replies.at(0), QByteArray("127.0.0.21:00A0C8000021:Gate A:87\r"));
        QCOMPARE(search.replies.at(1), QByteArray("127.0.0.21:00A0C8000022:Gate B:10001\r"));
        QCOMPARE(readerA->receivedBytes(Channel::Identify), QByteArray("ZAVIDENTIFY"));
        // Neither the replies nor anything but the exact request draws an answer.
        search.send("ZAVIDENTIFY\r");
        search.send("127.0.0.21:00A0C8000021:Gate A:87\r");
        QTest::qWait(400);
        QCOMPARE(search.replies.size(), 2);
        QCOMPARE(simulator.identifyRepliesSent(), 2);
    }

    void changeAddressByMac()
    {
        ReaderSimulator simulator;
        ReaderConfig a = readerAt("127.0.0.23");
        a.mac = "00A0C8000023";
        ReaderConfig b = readerAt("127.0.0.24");
        b.mac = "00A0C8000024";
        b.identifyAddress = "127.0.0.23";
        SimulatedReader *readerA = simulator.addReader(a);
        SimulatedReader *readerB = simulator.addReader(b);
        QVERIFY(simulator.start());
        SearchSocket search;
        QVERIFY(search.open());
        QSignalSpy restartedB(readerB, &SimulatedReader::started);
        search.send("RPG00A0C8000099127.0.0.99     "); // nobody's MAC
        search.send("RPG00A0C8000024127.0.0.124    ");
        QTRY_COMPARE_WITH_TIMEOUT(restartedB.count(), 1, 3000);
        QCOMPARE(readerB->activeConfig().address, ip("127.0.0.124"));
        QCOMPARE(readerA->activeConfig().address, ip("127.0.0.23"));
        QCOMPARE(readerA->state(), SimulatedReader::Running);
        search.send("ZAVIDENTIFY");
        QTRY_COMPARE_WITH_TIMEOUT(search.replies.size(), 2, 3000);
        QVERIFY(search.replies.contains("127.0.0.124:00A0C8000024:ZAV Reader:87\r"));
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.124"), 87));
    }

    void serverModeEcho_data()
    {
        QTest::addColumn<char>("dpass");
        QTest::newRow("no data password") << '0';
        QTest::newRow("data password") << '1';
    }
    void serverModeEcho()
    {
        QFETCH(char, dpass);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.31");
        config.dpass = dpass;
        SimulatedReader *reader = simulator.addReader(config);
        QVERIFY(simulator.start());
        TcpPeer data;
        QVERIFY(data.open(ip("127.0.0.31"), 57));
        data.send("ab");
        if (dpass == '1') {
            QCOMPARE(data.collect(400), QByteArray());
            QTRY_COMPARE(reader->receivedBytes(Channel::Data), QByteArray("ab"));
            QCOMPARE(reader->received(Channel::Data).first().accepted, false);
            TcpPeer control;
            QVERIFY(control.open(ip("127.0.0.31"), 87));
            QVERIFY(control.login());
        } else {
            QCOMPARE(data.waitFor(2), QByteArray("ab"));
        }
        data.send(allByteValues());
        QCOMPARE(data.waitFor(256), allByteValues());
    }

    void clientMode_data()
    {
        QTest::addColumn<char>("dpass");
        QTest::newRow("no data password") << '0';
        QTest::newRow("data password") << '1';
    }
    void clientMode()
    {
        QFETCH(char, dpass);
        QTcpServer window;
        QVERIFY(window.listen(ip("127.0.0.1"), 0));
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.32");
        config.mode = '1';
        config.serverPort = window.serverPort();
        config.cid = '1';
        config.dpass = dpass;
        config.identification = "Dock 7";
        SimulatedReader *reader = simulator.addReader(config);
        QVERIFY(simulator.start());
        QTRY_VERIFY_WITH_TIMEOUT(window.hasPendingConnections(), 3000);
        QTcpSocket *socket = window.nextPendingConnection();
        // The connection comes from the reader's own address, where its control port is.
        QCOMPARE(socket->peerAddress(), ip("127.0.0.32"));
        QByteArray in;
        QTRY_VERIFY((in += socket->readAll()) == "Dock 7\r");
        if (dpass == '1') {
            socket->write("no");
            QTRY_COMPARE(reader->receivedBytes(Channel::Data), QByteArray("no"));
            QTest::qWait(200);
            QCOMPARE(in += socket->readAll(), QByteArray("Dock 7\r"));
            TcpPeer control;
            QVERIFY(control.open(socket->peerAddress(), 87));
            QVERIFY(control.login());
            reader->clearRecord();
        }
        socket->write("xyz");
        QTRY_VERIFY((in += socket->readAll()) == "Dock 7\rxyz");
        QCOMPARE(reader->receivedBytes(Channel::Data), QByteArray("xyz"));
    }

    void clientModeTriesAgain()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(ip("127.0.0.1"), 0));
        const quint16 port = probe.serverPort();
        probe.close();
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.34");
        config.mode = '1';
        config.serverPort = port;
        SimulatedReader *reader = simulator.addReader(config);
        QVERIFY(simulator.start());
        QTest::qWait(300); // refused at least once
        QTcpServer window;
        QVERIFY(window.listen(ip("127.0.0.1"), port));
        QTRY_VERIFY_WITH_TIMEOUT(window.hasPendingConnections(), 3000);
        QTRY_COMPARE(reader->dataConnections(), 1);
        QVERIFY(reader->sendData("hello"));
        QTcpSocket *socket = window.nextPendingConnection();
        QByteArray in;
        QTRY_VERIFY((in += socket->readAll()) == "hello");
    }

    void udpMode_data()
    {
        QTest::addColumn<char>("dpass");
        QTest::newRow("no data password") << '0';
        QTest::newRow("data password") << '1';
    }
    void udpMode()
    {
        QFETCH(char, dpass);
        QUdpSocket window;
        QVERIFY(window.bind(ip("127.0.0.1"), 0));
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.33");
        config.mode = '2';
        config.serverPort = window.localPort();
        config.dpass = dpass;
        SimulatedReader *reader = simulator.addReader(config);
        QVERIFY(simulator.start());
        QSignalSpy arrivals(reader, &SimulatedReader::bytesReceived);
        if (dpass == '1') {
            window.writeDatagram("x", ip("127.0.0.33"), 53002);
            QTRY_COMPARE(arrivals.size(), 1);
            QTest::qWait(200);
            QVERIFY(!window.hasPendingDatagrams());
            TcpPeer control;
            QVERIFY(control.open(ip("127.0.0.33"), 87));
            QVERIFY(control.login());
            arrivals.clear();
            reader->clearRecord();
        }
        window.writeDatagram("Q", ip("127.0.0.33"), 53002);
        window.writeDatagram(QByteArray(1, '\0'), ip("127.0.0.33"), 53002);
        QList<QNetworkDatagram> got;
        QTRY_VERIFY_WITH_TIMEOUT((window.hasPendingDatagrams() && (got.append(window.receiveDatagram()), true),
                                  got.size() == 2), 3000);
        QCOMPARE(got.at(0).data(), QByteArray("Q"));
        QCOMPARE(got.at(1).data(), QByteArray(1, '\0'));
        QCOMPARE(got.at(0).senderAddress(), ip("127.0.0.33"));
        QCOMPARE(got.at(0).senderPort(), 53002);
        QCOMPARE(reader->received(Channel::Data).size(), 2);
        QCOMPARE(arrivals.size(), 2);
        QCOMPARE(arrivals.at(1).at(0).value<Channel>(), Channel::Data);
        QCOMPARE(arrivals.at(1).at(2).toByteArray(), QByteArray(1, '\0'));
    }

    void download()
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.41"));
        QVERIFY(simulator.start());
        QByteArray image;
        for (int i = 0; i < 3 * 1024; ++i)
            image.append(char((i * 7) & 0xFF));

        TcpPeer control;
        QVERIFY(control.open(ip("127.0.0.41"), 87));
        QVERIFY(control.login());
        TcpPeer port;
        QVERIFY(port.open(ip("127.0.0.41"), 53005));
        port.send(downloadMessage('A', QByteArray(1, '\x03') + QByteArray(1023, ' ')));
        QCOMPARE(port.waitFor(3), QByteArray("OK\r"));
        for (int block = 0; block < 3; ++block) {
            port.send(downloadMessage('B', image.mid(block * 1024, 1024)));
            QCOMPARE(port.waitFor(3), QByteArray("OK\r"));
        }
        // A fourth block is more than was announced.
        port.send(downloadMessage('B', QByteArray(1024, 'x')));
        QCOMPARE(port.collect(300), QByteArray());
        QSignalSpy received(reader, &SimulatedReader::firmwareReceived);
        QSignalSpy restarted(reader, &SimulatedReader::started);
        port.send(downloadMessage('D', QByteArray(1024, ' ')));
        QCOMPARE(port.waitFor(3), QByteArray("OK\r"));
        QCOMPARE(received.count(), 1);
        QCOMPARE(reader->firmwareImage(), image);
        QTRY_COMPARE_WITH_TIMEOUT(restarted.count(), 1, 3000);
        QCOMPARE(reader->activeConfig().firmware, QByteArray("02.11"));
        QCOMPARE(reader->receivedBytes(Channel::Download).size(), 6 * 1025);
    }

    void downloadNeedsLogin()
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        simulator.addReader(readerAt("127.0.0.42"));
        QVERIFY(simulator.start());
        TcpPeer port;
        QVERIFY(port.open(ip("127.0.0.42"), 53005));
        port.send(downloadMessage('A', QByteArray(1, '\x01') + QByteArray(1023, ' ')));
        QCOMPARE(port.collect(400), QByteArray());
    }

    // Arbitrary bytes on every port leave the reader serving.
    void garbageOnEveryPort()
    {
        ReaderSimulator simulator;
        ReaderConfig config = readerAt("127.0.0.43");
        config.mode = '2';
        SimulatedReader *reader = simulator.addReader(config);
        QVERIFY(simulator.start());
        QRandomGenerator random(7);
        QByteArray junk(200000, Qt::Uninitialized);
        for (char &c : junk)
            c = char(random.bounded(256));
        junk.replace('\r', "x"); // one endless line on the control port
        TcpPeer control;
        QVERIFY(control.open(ip("127.0.0.43"), 87));
        control.send(junk);
        TcpPeer download;
        QVERIFY(download.open(ip("127.0.0.43"), 53005));
        download.send(junk);
        SearchSocket search;
        QVERIFY(search.open());
        for (const QByteArray &datagram : {QByteArray(), QByteArray("RPG"), QByteArray(30, '\0'),
                                           QByteArray("RPG0050C2000001") + QByteArray(15, '\xff'),
                                           junk.left(60000)})
            search.send(datagram);
        QUdpSocket udp;
        udp.writeDatagram(QByteArray(), ip("127.0.0.43"), 53002);
        udp.writeDatagram(junk.left(60000), ip("127.0.0.43"), 53002);
        QTRY_COMPARE_WITH_TIMEOUT(reader->receivedBytes(Channel::Download).size(), junk.size(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(reader->connectionCount(Channel::Identify), 5, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(reader->receivedBytes(Channel::Control).size(), junk.size(), 5000);
        QCOMPARE(reader->state(), SimulatedReader::Running);
        QCOMPARE(reader->activeConfig().address, ip("127.0.0.43"));
        control.send("\rPASS58203\r");
        QCOMPARE(control.waitFor(3), QByteArray("OK\r"));
        control.send("STAT\r");
        QVERIFY(control.waitFor(60).endsWith(":\r"));
    }
};

QTEST_GUILESS_MAIN(TestSimProtocol)
#include "tst_simprotocol.moc"
