#include "multicast.h"
#include "privatenetwork.h"
#include "resources.h"
#include "socketcontrol.h"

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

class TestSocketControl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void portFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::newRow("87") << "87" << 87;
        QTest::newRow("65535") << "65535" << 65535;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("65536") << "65536" << 0;
        QTest::newRow("99999") << "99999" << 0;
        QTest::newRow("letters") << "8a7" << 0;
        QTest::newRow("blank") << " " << 0;
        QTest::newRow("negative") << "-5" << 0;
    }
    void portFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, port);
        bool ok = false;
        QCOMPARE(int(SocketControl::portFromText(text, &ok)), port);
        QCOMPARE(ok, port != 0);
    }

    void tcpCarriesEveryByteValue()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.0.5"))));
        SocketControl control(SocketControl::Tcp);
        control.RemoteHost = QStringLiteral("127.0.0.5");
        control.RemotePort = server.serverPort();
        QVERIFY(control.Connect());
        QVERIFY(server.waitForNewConnection(2000));
        QTcpSocket *peer = server.nextPendingConnection();
        QTRY_COMPARE(control.State(), int(SocketControl::Connected));
        QVERIFY(control.SendData(allBytes()));
        QByteArray atPeer;
        QTRY_VERIFY((atPeer += peer->readAll()).size() == 256);
        QCOMPARE(atPeer, allBytes());

        QByteArray received;
        connect(&control, &SocketControl::DataArrival, this, [&](qint64 total) {
            QCOMPARE(total, control.BytesReceived());
            received += control.GetData(total);
        });
        peer->write(allBytes());
        QTRY_COMPARE(received.size(), 256);
        QCOMPARE(received, allBytes());
        control.Close();
        QCOMPARE(control.State(), 0);
        QVERIFY(!control.SendData("x"));
    }

    void getDataHonoursLength()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        SocketControl control(SocketControl::Tcp);
        control.RemoteHost = QStringLiteral("127.0.0.1");
        control.RemotePort = server.serverPort();
        QVERIFY(control.Connect());
        QVERIFY(server.waitForNewConnection(2000));
        server.nextPendingConnection()->write("abcdef");
        QTRY_COMPARE(control.BytesReceived(), 6);
        QCOMPARE(control.GetData(2), QByteArray("ab"));
        QCOMPARE(control.GetData(), QByteArray("cdef"));
    }

    void secondConnectOnOpenSocketFails()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        SocketControl control(SocketControl::Tcp);
        control.RemoteHost = QStringLiteral("127.0.0.1");
        control.RemotePort = server.serverPort();
        QVERIFY(control.Connect());
        QTRY_COMPARE(control.State(), int(SocketControl::Connected));
        QVERIFY(!control.Connect());
        QVERIFY(!control.lastError().isEmpty());
    }

    void listenAcceptTakesOneConnection()
    {
        SocketControl listener(SocketControl::Tcp);
        listener.LocalPort = 0;
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        listener.LocalPort = probe.serverPort();
        probe.close();
        QVERIFY(listener.Listen());
        QCOMPARE(listener.State(), int(SocketControl::Listening));
        connect(&listener, &SocketControl::ConnectionRequest, this, [&](qintptr id) {
            if (listener.State() != SocketControl::Closed)
                listener.Close();
            QVERIFY(listener.Accept(id));
        });
        QTcpSocket reader;
        reader.bind(QHostAddress(QStringLiteral("127.0.0.7")));
        reader.connectToHost(QHostAddress::LocalHost, quint16(listener.LocalPort));
        QTRY_COMPARE(listener.State(), int(SocketControl::Connected));
        QCOMPARE(listener.RemoteHostIP(), QStringLiteral("127.0.0.7"));
        QVERIFY(listener.SendData("hi"));
        QByteArray atReader;
        QTRY_VERIFY((atReader += reader.readAll()) == "hi");
        // No longer listening: a second reader is refused.
        QTcpSocket second;
        second.connectToHost(QHostAddress::LocalHost, quint16(listener.LocalPort));
        QVERIFY(!second.waitForConnected(1000) || second.state() != QAbstractSocket::ConnectedState
                || !second.waitForReadyRead(200));
    }

    void listenOnBusyPortFails()
    {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::AnyIPv4));
        SocketControl listener(SocketControl::Tcp);
        listener.LocalPort = other.serverPort();
        QVERIFY(!listener.Listen());
        QCOMPARE(listener.State(), 0);
    }

    // A failed Listen or Bind names its cause, so that a window can say why:
    // no privilege for a port below 1024, or a port another program holds.
    void failureKindNamed_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("privileged");   // the right to listen below 1024
        QTest::addColumn<bool>("occupied");     // another socket holds the port
        QTest::addColumn<int>("kind");          // -1: the operation succeeds
        for (bool udp : {false, true}) {
            const char *name = udp ? "Bind" : "Listen";
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
        SocketControl control(udp ? SocketControl::Udp : SocketControl::Tcp);
        control.LocalPort = port;
        const bool done = udp ? control.Bind() : control.Listen();
        QCOMPARE(done, kind < 0);
        if (kind >= 0) {
            QCOMPARE(int(control.lastSocketError()), kind);
            QVERIFY(!control.lastError().isEmpty());
            QCOMPARE(control.State(), int(SocketControl::Closed));
        }
    }

    void udpOneDatagramPerEvent()
    {
        SocketControl receiver(SocketControl::Udp);
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        receiver.LocalPort = probe.localPort();
        probe.close();
        QVERIFY(receiver.Bind());
        QStringList senders;
        QList<QByteArray> datagrams;
        connect(&receiver, &SocketControl::DataArrival, this, [&] {
            datagrams.append(receiver.GetData());
            senders.append(receiver.RemoteHostIP());
        });
        SocketControl sender(SocketControl::Udp);
        sender.RemoteHost = QStringLiteral("127.0.0.1");
        sender.RemotePort = receiver.LocalPort;
        QVERIFY(sender.SendData(QByteArray(1, '\0')));
        QVERIFY(sender.SendData("AB\r"));
        QTRY_COMPARE(datagrams.size(), 2);
        QCOMPARE(datagrams.at(0), QByteArray(1, '\0'));
        QCOMPARE(datagrams.at(1), QByteArray("AB\r"));
        QCOMPARE(senders.at(0), QStringLiteral("127.0.0.1"));
        QVERIFY(!receiver.Bind()); // already bound
        sender.RemotePort = 70000;
        QVERIFY(!sender.SendData("x"));
    }

    // A datagram to a port outside 1..65535 is refused before anything is
    // sent: SendData says false with the error text, a bound control stays
    // bound and a fresh one closed, and the control still sends afterwards.
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
        SocketControl receiver(SocketControl::Udp);
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        receiver.LocalPort = probe.localPort();
        probe.close();
        QVERIFY(receiver.Bind());
        QList<QByteArray> datagrams;
        connect(&receiver, &SocketControl::DataArrival, this, [&] { datagrams.append(receiver.GetData()); });

        SocketControl sender(SocketControl::Udp);
        if (bound)
            QVERIFY(sender.Bind());
        const int stateBefore = sender.State();
        QCOMPARE(stateBefore, bound ? int(SocketControl::Open) : int(SocketControl::Closed));
        sender.RemoteHost = QStringLiteral("127.0.0.1");
        sender.RemotePort = port;
        QVERIFY(!sender.SendData("refused"));
        QCOMPARE(sender.lastError(), QStringLiteral("Invalid port number"));
        QCOMPARE(sender.State(), stateBefore);
        QCOMPARE(sender.RemotePort, port);

        sender.RemotePort = receiver.LocalPort;
        QVERIFY(sender.SendData("sent"));
        QTRY_COMPARE(datagrams.size(), 1);
        QCOMPARE(datagrams.at(0), QByteArray("sent"));
    }

    // A window may Close its control, or delete it, from inside the control's
    // own DataArrival: the handler's end is final (no further event), and no
    // descriptor stays open.
    void closeInsideOwnDataArrival_data()
    {
        QTest::addColumn<bool>("udp");
        QTest::addColumn<bool>("destroy");
        QTest::newRow("UDP, Close") << true << false;
        QTest::newRow("UDP, destroyed") << true << true;
        QTest::newRow("TCP, Close") << false << false;
        QTest::newRow("TCP, destroyed") << false << true;
    }
    void closeInsideOwnDataArrival()
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
        SocketControl receiver(SocketControl::Udp);
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        receiver.LocalPort = probe.localPort();
        probe.close();
        QVERIFY(receiver.Bind());
        int arrivals = 0;
        connect(&receiver, &SocketControl::DataArrival, this, [&] { ++arrivals; });
        QUdpSocket sender;
        constexpr int Size = 60000;
        constexpr int Count = 320; // about 19 MB
        for (int i = 0; i < Count; ++i) {
            QByteArray datagram(Size, char('a' + i % 26));
            datagram.prepend(QByteArray::number(i).rightJustified(4, '0'));
            QCOMPARE(sender.writeDatagram(datagram, QHostAddress::LocalHost, quint16(receiver.LocalPort)),
                     qint64(datagram.size()));
            // Stay within the system's receive buffer: let the control take them.
            if (i % 2 == 1)
                QTRY_COMPARE(arrivals, i + 1);
        }
        QTRY_COMPARE(arrivals, Count);
        qint64 held = 0;
        QByteArray last;
        int count = 0;
        for (QByteArray data; receiver.GetData(data);) {
            held += data.size();
            last = data;
            ++count;
        }
        QVERIFY2(held <= 16 * 1024 * 1024, qPrintable(QString::number(held)));
        QVERIFY(count < Count);
        QVERIFY(held > 15 * 1024 * 1024);
        QCOMPARE(last.left(4), QByteArray::number(Count - 1).rightJustified(4, '0'));
        QCOMPARE(receiver.BytesReceived(), 0);
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
        SocketControl control(SocketControl::Tcp);
        control.RemoteHost = host;
        control.RemotePort = server.serverPort();
        QCOMPARE(control.Connect(), accepted);
        if (accepted) {
            QTRY_COMPARE(control.State(), int(SocketControl::Connected));
        } else {
            QCOMPARE(control.State(), 0);
            QVERIFY(!control.lastError().isEmpty());
        }
    }

    void multicastJoinAndOwnGroupsOnly()
    {
        // A socket that joined 224.1.2.4 sees datagrams to that group and, with
        // IP_MULTICAST_ALL off, not those to a group only another socket joined.
        SocketControl search(SocketControl::Udp);
        search.LocalPort = 53001;
        QVERIFY(search.Bind());
        ip_mreq membership{};
        membership.imr_multiaddr.s_addr = htonl(QHostAddress(QStringLiteral("224.1.2.4")).toIPv4Address());
        QCOMPARE(::setsockopt(int(search.SocketHandle()), IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership,
                              sizeof membership),
                 0);
        const int ttl = 5;
        QCOMPARE(::setsockopt(int(search.SocketHandle()), IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl), 0);
        QCOMPARE(setMulticastAll(search.SocketHandle(), false), 0);

        QUdpSocket other;
        QVERIFY(other.bind(QHostAddress::AnyIPv4, 53001, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        QVERIFY(other.joinMulticastGroup(QHostAddress(QStringLiteral("224.1.2.3"))));

        QList<QByteArray> got;
        connect(&search, &SocketControl::DataArrival, this, [&] { got.append(search.GetData()); });
        QVERIFY(search.SendData("never") == false); // no remote port yet
        search.RemoteHost = QStringLiteral("224.1.2.3");
        search.RemotePort = 53001;
        QVERIFY(search.SendData("ZAVIDENTIFY"));
        QUdpSocket reply;
        reply.writeDatagram("reply", QHostAddress(QStringLiteral("224.1.2.4")), 53001);
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.at(0), QByteArray("reply"));
        QTest::qWait(100);
        QCOMPARE(got.size(), 1);
    }

private:
    // One control receives data; its DataArrival handler reads it, or
    // Closes or deletes the control when endInHandler says so.
    void exchangeAndEndInHandler(bool udp, bool endInHandler, bool destroy)
    {
        QPointer<SocketControl> control = new SocketControl(udp ? SocketControl::Udp : SocketControl::Tcp);
        int arrivals = 0;
        connect(control, &SocketControl::DataArrival, this, [&] {
            ++arrivals;
            if (!endInHandler)
                control->GetData();
            else if (destroy)
                delete control.data();
            else
                control->Close();
        });
        QUdpSocket udpPeer;
        QTcpServer server;
        if (udp) {
            QUdpSocket probe;
            QVERIFY(probe.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
            const quint16 target = probe.localPort();
            probe.close();
            control->LocalPort = target;
            QVERIFY(control->Bind());
            // Several datagrams in one turn: the handler ends it at the first.
            for (int i = 0; i < 3; ++i)
                udpPeer.writeDatagram("xyz", QHostAddress(QStringLiteral("127.0.0.1")), target);
        } else {
            QVERIFY(server.listen(QHostAddress::LocalHost));
            control->RemoteHost = QStringLiteral("127.0.0.1");
            control->RemotePort = server.serverPort();
            QVERIFY(control->Connect());
            QVERIFY(server.waitForNewConnection(2000));
            QTcpSocket *tcpPeer = server.nextPendingConnection();
            QTRY_COMPARE(control->State(), int(SocketControl::Connected));
            tcpPeer->write("xyz");
        }
        QTRY_VERIFY(arrivals >= 1);
        if (endInHandler) {
            QTest::qWait(50);
            QCOMPARE(arrivals, 1);
            if (destroy)
                QVERIFY(!control);
            else
                QCOMPARE(control->State(), 0);
        }
        delete control.data();
    }
};

QTEST_GUILESS_MAIN(TestSocketControl)
#include "tst_socketcontrol.moc"
