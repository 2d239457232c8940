#include "multicast.h"
#include "privatenetwork.h"
#include "resources.h"
#include "datalink.h"

#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

static QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

class TestDataLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void tcpCarriesEveryByteValue()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.0.5"))));
        DataLink link(DataLink::Tcp);
        link.setRemoteHost(QStringLiteral("127.0.0.5"));
        link.setRemotePort(server.serverPort());
        QVERIFY(link.connectToHost());
        QVERIFY(server.waitForNewConnection(2000));
        QTcpSocket *peer = server.nextPendingConnection();
        QTRY_COMPARE(link.state(), DataLink::Connected);
        QVERIFY(link.send(allBytes()));
        QByteArray atPeer;
        QTRY_VERIFY((atPeer += peer->readAll()).size() == 256);
        QCOMPARE(atPeer, allBytes());

        QByteArray received;
        connect(&link, &DataLink::dataArrived, this, [&](qint64 total) {
            QCOMPARE(total, link.bytesAvailable());
            received += link.read(total);
        });
        peer->write(allBytes());
        QTRY_COMPARE(received.size(), 256);
        QCOMPARE(received, allBytes());
        link.close();
        QCOMPARE(link.state(), DataLink::Closed);
        QVERIFY(!link.send("x"));
    }

    void getDataHonoursLength()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        DataLink link(DataLink::Tcp);
        link.setRemoteHost(QStringLiteral("127.0.0.1"));
        link.setRemotePort(server.serverPort());
        QVERIFY(link.connectToHost());
        QVERIFY(server.waitForNewConnection(2000));
        server.nextPendingConnection()->write("abcdef");
        QTRY_COMPARE(link.bytesAvailable(), 6);
        QCOMPARE(link.read(2), QByteArray("ab"));
        QCOMPARE(link.read(), QByteArray("cdef"));
    }

    void secondConnectOnOpenSocketFails()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        DataLink link(DataLink::Tcp);
        link.setRemoteHost(QStringLiteral("127.0.0.1"));
        link.setRemotePort(server.serverPort());
        QVERIFY(link.connectToHost());
        QTRY_COMPARE(link.state(), DataLink::Connected);
        QVERIFY(!link.connectToHost());
        QVERIFY(!link.errorString().isEmpty());
    }

    void listenAcceptTakesOneConnection()
    {
        DataLink listener(DataLink::Tcp);
        listener.setLocalPort(0);
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        listener.setLocalPort(probe.serverPort());
        probe.close();
        QVERIFY(listener.listen());
        QCOMPARE(listener.state(), DataLink::Listening);
        connect(&listener, &DataLink::connectionRequested, this, [&](qintptr id) {
            if (listener.state() != DataLink::Closed)
                listener.close();
            QVERIFY(listener.accept(id));
        });
        QTcpSocket reader;
        reader.bind(QHostAddress(QStringLiteral("127.0.0.7")));
        reader.connectToHost(QHostAddress::LocalHost, quint16(listener.localPort()));
        QTRY_COMPARE(listener.state(), DataLink::Connected);
        QCOMPARE(listener.peerAddress(), QStringLiteral("127.0.0.7"));
        QVERIFY(listener.send("hi"));
        QByteArray atReader;
        QTRY_VERIFY((atReader += reader.readAll()) == "hi");
        // No longer listening: a second reader is refused.
        QTcpSocket second;
        second.connectToHost(QHostAddress::LocalHost, quint16(listener.localPort()));
        QVERIFY(!second.waitForConnected(1000) || second.state() != QAbstractSocket::ConnectedState
                || !second.waitForReadyRead(200));
    }

    void listenOnBusyPortFails()
    {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::AnyIPv4));
        DataLink listener(DataLink::Tcp);
        listener.setLocalPort(other.serverPort());
        QVERIFY(!listener.listen());
        QCOMPARE(listener.state(), DataLink::Closed);
    }

    // A failed listen() or bind() names its cause, so that a window can say why:
    // no privilege for a port below 1024, or a port another program holds.
    void failureKindNamed_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("privileged");   // the right to listen below 1024
        QTest::addColumn<bool>("occupied");     // another socket holds the port
        QTest::addColumn<int>("kind");          // -1: the operation succeeds
        for (bool udp : {false, true}) {
            const char *name = udp ? "bind" : "listen";
            QTest::addRow("%s 57 without privilege", name) << udp << 57 << false << false
                                                            << int(QAbstractSocket::SocketAccessError);
            QTest::addRow("%s 1023 without privilege", name) << udp << 1023 << false << false
                                                              << int(QAbstractSocket::SocketAccessError);
            QTest::addRow("%s 1024 without privilege", name) << udp << 1024 << false << false << -1;
            QTest::addRow("%s 57 with privilege", name) << udp << 57 << true << false << -1;
            QTest::addRow("%s 57 in use", name) << udp << 57 << true << true
                                                 << int(QAbstractSocket::AddressInUseError);
        }
    }
    void failureKindNamed()
    {
        QFETCH(bool, udp);
        QFETCH(int, port);
        QFETCH(bool, privileged);
        QFETCH(bool, occupied);
        QFETCH(int, kind);
        QTcpServer tcpOccupant;
        QUdpSocket udpOccupant;
        if (occupied) {
            QVERIFY(udp ? udpOccupant.bind(QHostAddress::AnyIPv4, quint16(port), QAbstractSocket::DontShareAddress)
                        : tcpOccupant.listen(QHostAddress::AnyIPv4, quint16(port)));
        }
        QVERIFY(allowLowPorts(privileged));
        auto restore = qScopeGuard([] { allowLowPorts(true); });
        DataLink link(udp ? DataLink::Udp : DataLink::Tcp);
        link.setLocalPort(port);
        const bool done = udp ? link.bind() : link.listen();
        QCOMPARE(done, kind < 0);
        if (kind >= 0) {
            QCOMPARE(int(link.error()), kind);
            QVERIFY(!link.errorString().isEmpty());
            QCOMPARE(link.state(), DataLink::Closed);
        }
    }

    void udpOneDatagramPerEvent()
    {
        DataLink receiver(DataLink::Udp);
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        receiver.setLocalPort(probe.localPort());
        probe.close();
        QVERIFY(receiver.bind());
        QStringList senders;
        QList<QByteArray> datagrams;
        connect(&receiver, &DataLink::dataArrived, this, [&] {
            datagrams.append(receiver.read());
            senders.append(receiver.peerAddress());
        });
        DataLink sender(DataLink::Udp);
        sender.setRemoteHost(QStringLiteral("127.0.0.1"));
        sender.setRemotePort(receiver.localPort());
        QVERIFY(sender.send(QByteArray(1, '\0')));
        QVERIFY(sender.send("AB\r"));
        QTRY_COMPARE(datagrams.size(), 2);
        QCOMPARE(datagrams.at(0), QByteArray(1, '\0'));
        QCOMPARE(datagrams.at(1), QByteArray("AB\r"));
        QCOMPARE(senders.at(0), QStringLiteral("127.0.0.1"));
        QVERIFY(!receiver.bind()); // already bound
        sender.setRemotePort(70000);
        QVERIFY(!sender.send("x"));
    }

    // A datagram to a port outside 1..65535 is refused before anything is
    // sent: send() says false with the error text, a bound link stays
    // bound and a fresh one closed, and the link still sends afterwards.
    void udpSendToImpossiblePort_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("bound");
        for (const bool bound : {false, true}) {
            const char *how = bound ? "bound" : "fresh";
            QTest::addRow("%s, zero", how) << 0 << bound;
            QTest::addRow("%s, negative", how) << -1 << bound;
            QTest::addRow("%s, 65536", how) << 65536 << bound;
            QTest::addRow("%s, 70000", how) << 70000 << bound;
        }
    }
    void udpSendToImpossiblePort()
    {
        QFETCH(int, port);
        QFETCH(bool, bound);
        DataLink receiver(DataLink::Udp);
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        receiver.setLocalPort(probe.localPort());
        probe.close();
        QVERIFY(receiver.bind());
        QList<QByteArray> datagrams;
        connect(&receiver, &DataLink::dataArrived, this, [&] { datagrams.append(receiver.read()); });

        DataLink sender(DataLink::Udp);
        if (bound)
            QVERIFY(sender.bind());
        const DataLink::State stateBefore = sender.state();
        QCOMPARE(stateBefore, bound ? DataLink::Bound : DataLink::Closed);
        sender.setRemoteHost(QStringLiteral("127.0.0.1"));
        sender.setRemotePort(port);
        QVERIFY(!sender.send("refused"));
        QCOMPARE(sender.errorString(), QStringLiteral("Invalid port number"));
        QCOMPARE(sender.state(), stateBefore);
        QCOMPARE(sender.remotePort(), port);

        sender.setRemotePort(receiver.localPort());
        QVERIFY(sender.send("sent"));
        QTRY_COMPARE(datagrams.size(), 1);
        QCOMPARE(datagrams.at(0), QByteArray("sent"));
    }

    // A window may close its link, or delete it, from inside the link's
    // own dataArrived(): the handler's end is final (no further event), and no
    // descriptor stays open.
    void closeInsideDataArrived_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<bool>("destroy");
        QTest::newRow("UDP, closed") << true << false;
        QTest::newRow("UDP, destroyed") << true << true;
        QTest::newRow("TCP, closed") << false << false;
        QTest::newRow("TCP, destroyed") << false << true;
    }
    void closeInsideDataArrived()
    {
        QFETCH(bool, udp);
        QFETCH(bool, destroy);
        // A first exchange creates what the process keeps for good.
        exchangeAndEndInHandler(udp, false, false);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int descriptorsBefore = openFileDescriptorCount();
        exchangeAndEndInHandler(udp, true, destroy);
        QTRY_COMPARE(openFileDescriptorCount(), descriptorsBefore);
    }

    // A window that does not read its datagrams holds at most 16 MiB of them;
    // the oldest go first, the newest is kept.
    void datagramQueueIsBounded()
    {
        DataLink receiver(DataLink::Udp);
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        receiver.setLocalPort(probe.localPort());
        probe.close();
        QVERIFY(receiver.bind());
        int arrivals = 0;
        connect(&receiver, &DataLink::dataArrived, this, [&] { ++arrivals; });
        QUdpSocket sender;
        constexpr int Size = 60000;
        constexpr int Count = 320; // about 19 MB
        for (int i = 0; i < Count; ++i) {
            QByteArray datagram(Size, char('a' + i % 26));
            datagram.prepend(QByteArray::number(i).rightJustified(4, '0'));
            QCOMPARE(sender.writeDatagram(datagram, QHostAddress::LocalHost, quint16(receiver.localPort())),
                     qint64(datagram.size()));
            // Stay within the system's receive buffer: let the link take them.
            if (i % 2 == 1)
                QTRY_COMPARE(arrivals, i + 1);
        }
        QTRY_COMPARE(arrivals, Count);
        qint64 held = 0;
        QByteArray last;
        int count = 0;
        for (QByteArray data; receiver.read(data);) {
            held += data.size();
            last = data;
            ++count;
        }
        QVERIFY2(held <= 16 * 1024 * 1024, qPrintable(QString::number(held)));
        QVERIFY(count < Count);
        QVERIFY(held > 15 * 1024 * 1024);
        QCOMPARE(last.left(4), QByteArray::number(Count - 1).rightJustified(4, '0'));
        QCOMPARE(receiver.bytesAvailable(), 0);
    }

    // A host text with a blank inside is neither an address nor a name: the
    // connect is refused at once instead of going to what the system's
    // resolver makes of it ("127 .0.0.1" would become 0.0.0.127).
    void connectRefusesInnerBlanks_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("blank inside") << "127 .0.0.1" << false;
        QTest::newRow("blank in a group") << "127.0. 0.1" << false;
        QTest::newRow("tab inside") << "127.0.0.\t1" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("blanks around") << "  127.0.0.1  " << true;
    }
    void connectRefusesInnerBlanks()
    {
        QFETCH(QString, host);
        QFETCH(bool, accepted);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        DataLink link(DataLink::Tcp);
        link.setRemoteHost(host);
        link.setRemotePort(server.serverPort());
        QCOMPARE(link.connectToHost(), accepted);
        if (accepted) {
            QTRY_COMPARE(link.state(), DataLink::Connected);
        } else {
            QCOMPARE(link.state(), DataLink::Closed);
            QVERIFY(!link.errorString().isEmpty());
        }
    }

    void multicastJoinAndOwnGroupsOnly()
    {
        // A socket that joined 224.1.2.4 sees datagrams to that group and, with
        // IP_MULTICAST_ALL off, not those to a group only another socket joined.
        DataLink search(DataLink::Udp);
        search.setLocalPort(53001);
        QVERIFY(search.bind());
        ip_mreq membership{};
        membership.imr_multiaddr.s_addr = htonl(QHostAddress(QStringLiteral("224.1.2.4")).toIPv4Address());
        QCOMPARE(::setsockopt(int(search.socketDescriptor()), IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership,
                              sizeof membership),
                 0);
        const int ttl = 5;
        QCOMPARE(::setsockopt(int(search.socketDescriptor()), IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl), 0);
        QCOMPARE(setMulticastAll(search.socketDescriptor(), false), 0);

        QUdpSocket other;
        QVERIFY(other.bind(QHostAddress::AnyIPv4, 53001, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        QVERIFY(other.joinMulticastGroup(QHostAddress(QStringLiteral("224.1.2.3"))));

        QList<QByteArray> got;
        connect(&search, &DataLink::dataArrived, this, [&] { got.append(search.read()); });
        QVERIFY(search.send("never") == false); // no remote port yet
        search.setRemoteHost(QStringLiteral("224.1.2.3"));
        search.setRemotePort(53001);
        QVERIFY(search.send("ZAVIDENTIFY"));
        QUdpSocket reply;
        reply.writeDatagram("reply", QHostAddress(QStringLiteral("224.1.2.4")), 53001);
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.at(0), QByteArray("reply"));
        QTest::qWait(100);
        QCOMPARE(got.size(), 1);
    }

private:
    // One link receives data; its dataArrived() handler reads it, or
    // closes or deletes the link when endInHandler says so.
    void exchangeAndEndInHandler(bool udp, bool endInHandler, bool destroy)
    {
        QPointer<DataLink> link = new DataLink(udp ? DataLink::Udp : DataLink::Tcp);
        int arrivals = 0;
        connect(link, &DataLink::dataArrived, this, [&] {
            ++arrivals;
            if (!endInHandler)
                link->read();
            else if (destroy)
                delete link.data();
            else
                link->close();
        });
        QUdpSocket udpPeer;
        QTcpServer server;
        if (udp) {
            QUdpSocket probe;
            QVERIFY(probe.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
            const quint16 target = probe.localPort();
            probe.close();
            link->setLocalPort(target);
            QVERIFY(link->bind());
            // Several datagrams in one turn: the handler ends it at the first.
            for (int i = 0; i < 3; ++i)
                udpPeer.writeDatagram("xyz", QHostAddress(QStringLiteral("127.0.0.1")), target);
        } else {
            QVERIFY(server.listen(QHostAddress::LocalHost));
            link->setRemoteHost(QStringLiteral("127.0.0.1"));
            link->setRemotePort(server.serverPort());
            QVERIFY(link->connectToHost());
            QVERIFY(server.waitForNewConnection(2000));
            QTcpSocket *tcpPeer = server.nextPendingConnection();
            QTRY_COMPARE(link->state(), DataLink::Connected);
            tcpPeer->write("xyz");
        }
        QTRY_VERIFY(arrivals >= 1);
        if (endInHandler) {
            QTest::qWait(50);
            QCOMPARE(arrivals, 1);
            if (destroy)
                QVERIFY(!link);
            else
                QCOMPARE(link->state(), DataLink::Closed);
        }
        delete link.data();
    }
};

QTEST_GUILESS_MAIN(TestDataLink)
#include "tst_datalink.moc"
