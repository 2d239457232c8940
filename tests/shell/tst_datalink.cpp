#include "datalink.h"
#include "multicast.h"
#include "privatenetwork.h"
#include "resources.h"
#include "typedvalues.h"

#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <memory>

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
        QVERIFY(link.connectToHost(QHostAddress(QStringLiteral("127.0.0.5")), server.serverPort()));
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
        QVERIFY(link.connectToHost(QHostAddress::LocalHost, server.serverPort()));
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
        QVERIFY(link.connectToHost(QHostAddress::LocalHost, server.serverPort()));
        QTRY_COMPARE(link.state(), DataLink::Connected);
        QVERIFY(!link.connectToHost(QHostAddress::LocalHost, server.serverPort()));
        QCOMPARE(link.errorString(), QStringLiteral("This link is already connected or connecting: close it first"));
    }

    // One connection is taken; the listener then closes, so a second reader
    // is refused.
    void listenAcceptTakesOneConnection()
    {
        DataLink listener(DataLink::Tcp);
        QVERIFY(listener.listen(0));
        QCOMPARE(listener.state(), DataLink::Listening);
        const quint16 port = listener.localPort();
        QVERIFY(port != 0);
        std::unique_ptr<DataLink> connection;
        connect(&listener, &DataLink::newConnection, this, [&] {
            connection.reset(listener.nextPendingConnection());
            listener.close();
        });
        QTcpSocket reader;
        reader.bind(QHostAddress(QStringLiteral("127.0.0.7")));
        reader.connectToHost(QHostAddress::LocalHost, port);
        QTRY_VERIFY(connection);
        QCOMPARE(connection->state(), DataLink::Connected);
        QCOMPARE(connection->peerAddress(), QHostAddress(QStringLiteral("127.0.0.7")));
        QCOMPARE(connection->peerPort(), reader.localPort());
        QCOMPARE(connection->localPort(), port);
        QCOMPARE(listener.state(), DataLink::Closed);
        QVERIFY(listener.nextPendingConnection() == nullptr);
        QVERIFY(connection->send("hi"));
        QByteArray atReader;
        QTRY_VERIFY((atReader += reader.readAll()) == "hi");
        QTcpSocket second;
        second.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(!second.waitForConnected(1000) || second.state() != QAbstractSocket::ConnectedState
                || !second.waitForReadyRead(200));
    }

    void listenOnBusyPortFails()
    {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::AnyIPv4));
        DataLink listener(DataLink::Tcp);
        QVERIFY(!listener.listen(other.serverPort()));
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
        const bool done = udp ? link.bind(quint16(port)) : link.listen(quint16(port));
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
        QVERIFY(receiver.bind(0));
        QVERIFY(receiver.localPort() != 0);
        QList<QNetworkDatagram> datagrams;
        connect(&receiver, &DataLink::dataArrived, this, [&] { datagrams.append(receiver.receiveDatagram()); });
        DataLink sender(DataLink::Udp);
        const QHostAddress to(QStringLiteral("127.0.0.9"));
        QVERIFY(sender.sendDatagram(QByteArray(1, '\0'), to, receiver.localPort()));
        QVERIFY(sender.sendDatagram("AB\r", to, receiver.localPort()));
        QTRY_COMPARE(datagrams.size(), 2);
        QCOMPARE(datagrams.at(0).data(), QByteArray(1, '\0'));
        QCOMPARE(datagrams.at(1).data(), QByteArray("AB\r"));
        // Both ends as they really were: the sender's port and the address sent to.
        QCOMPARE(datagrams.at(0).senderAddress(), QHostAddress(QStringLiteral("127.0.0.1")));
        QCOMPARE(quint16(datagrams.at(0).senderPort()), sender.localPort());
        QCOMPARE(datagrams.at(0).destinationAddress(), to);
        QVERIFY(!receiver.bind(0));
        QCOMPARE(receiver.errorString(), QStringLiteral("This link is already bound: close it first"));
    }

    // A datagram to port 0 or to no IPv4 address is refused before anything
    // is sent: false with a text that says what to give, a bound link stays
    // bound and a fresh one closed, and the link still sends afterwards.
    void udpSendToImpossibleTarget_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("bound");
        QTest::addColumn<QString>("error");
        const QString noPort = QStringLiteral("Port 0 cannot be sent to: give the reader's data port (1 to 65535)");
        const QString noAddress = QStringLiteral("No IPv4 address to send to: give the reader's dotted address");
        for (const bool bound : {false, true}) {
            const char *how = bound ? "bound" : "fresh";
            QTest::addRow("%s, port zero", how) << "127.0.0.1" << bound << noPort;
            QTest::addRow("%s, no address", how) << "" << bound << noAddress;
            QTest::addRow("%s, IPv6", how) << "::1" << bound << noAddress;
        }
    }
    void udpSendToImpossibleTarget()
    {
        QFETCH(QString, address);
        QFETCH(bool, bound);
        QFETCH(QString, error);
        DataLink receiver(DataLink::Udp);
        QVERIFY(receiver.bind(0));
        QList<QByteArray> datagrams;
        connect(&receiver, &DataLink::dataArrived, this, [&] { datagrams.append(receiver.receiveDatagram().data()); });

        DataLink sender(DataLink::Udp);
        if (bound)
            QVERIFY(sender.bind(0));
        const DataLink::State stateBefore = sender.state();
        QCOMPARE(stateBefore, bound ? DataLink::Bound : DataLink::Closed);
        const quint16 port = error.startsWith(QLatin1String("Port 0")) ? 0 : receiver.localPort();
        QVERIFY(!sender.sendDatagram("refused", QHostAddress(address), port));
        QCOMPARE(sender.errorString(), error);
        QCOMPARE(sender.state(), stateBefore);

        QVERIFY(sender.sendDatagram("sent", QHostAddress::LocalHost, receiver.localPort()));
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
        QVERIFY(receiver.bind(0));
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
        for (QByteArray data; !(data = receiver.receiveDatagram().data()).isNull();) {
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

    // A typed address with a blank inside is neither an address nor a name:
    // nothing connects, instead of going to what the system's resolver makes
    // of it ("127 .0.0.1" would become 0.0.0.127).
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
        const std::optional<QHostAddress> address = readerAddressFromText(host);
        QCOMPARE(link.connectToHost(address.value_or(QHostAddress()), server.serverPort()), accepted);
        if (accepted) {
            QTRY_COMPARE(link.state(), DataLink::Connected);
        } else {
            QCOMPARE(link.state(), DataLink::Closed);
            QCOMPARE(link.errorString(), QStringLiteral("No IPv4 address to connect to: give the reader's dotted address"));
        }
    }

    void multicastJoinAndOwnGroupsOnly()
    {
        // A socket that joined 224.1.2.4 sees datagrams to that group and, with
        // IP_MULTICAST_ALL off, not those to a group only another socket joined.
        DataLink search(DataLink::Udp);
        QVERIFY(search.bind(53001));
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
        connect(&search, &DataLink::dataArrived, this, [&] { got.append(search.receiveDatagram().data()); });
        QVERIFY(search.sendDatagram("ZAVIDENTIFY", QHostAddress(QStringLiteral("224.1.2.3")), 53001));
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
            if (!endInHandler && udp)
                link->receiveDatagram();
            else if (!endInHandler)
                link->read();
            else if (destroy)
                delete link.data();
            else
                link->close();
        });
        QUdpSocket udpPeer;
        QTcpServer server;
        if (udp) {
            QVERIFY(link->bind(0));
            const quint16 target = link->localPort();
            // Several datagrams in one turn: the handler ends it at the first.
            for (int i = 0; i < 3; ++i)
                udpPeer.writeDatagram("xyz", QHostAddress(QStringLiteral("127.0.0.1")), target);
        } else {
            QVERIFY(server.listen(QHostAddress::LocalHost));
            QVERIFY(link->connectToHost(QHostAddress::LocalHost, server.serverPort()));
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
