#include "module1.h"
#include "privatenetwork.h"
#include "socketcontrol.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

// The waits at their real cadence: a look every 100 ms, false at the 30th count.
class TestWaits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void waitconnectGivesUpAfterAboutThreeSeconds()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        SocketControl socket(SocketControl::Tcp);
        socket.RemoteHost = QStringLiteral("127.0.0.1");
        socket.RemotePort = port;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waitconnect(socket));
        QVERIFY2(clock.elapsed() >= 2900 && clock.elapsed() < 3600, qPrintable(QString::number(clock.elapsed())));
        socket.Close();
    }

    void waitconnectSucceedsAtFirstLook()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.0.9"))));
        SocketControl socket(SocketControl::Tcp);
        socket.RemoteHost = QStringLiteral("127.0.0.9");
        socket.RemotePort = server.serverPort();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(waitconnect(socket));
        QVERIFY(clock.elapsed() < 400);
        QCOMPARE(socket.State(), 7);
    }

    void waitconnectRefusesImpossiblePort_data()
    {
        QTest::addColumn<int>("port");
        QTest::newRow("zero") << 0;
        QTest::newRow("65536") << 65536;
        QTest::newRow("negative") << -1;
    }
    void waitconnectRefusesImpossiblePort()
    {
        QFETCH(int, port);
        SocketControl socket(SocketControl::Tcp);
        socket.RemoteHost = QStringLiteral("127.0.0.1");
        socket.RemotePort = port;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waitconnect(socket));
        QVERIFY(clock.elapsed() < 100);
        QCOMPARE(socket.State(), 0);
    }

    void waitokAcceptsAcknowledgementInTwoChunks()
    {
        QByteArray buffer;
        QTimer::singleShot(50, [&] { buffer.append("O"); });
        QTimer::singleShot(1050, [&] { buffer.append("K\r"); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(waitok(buffer));
        QVERIFY2(clock.elapsed() >= 1050 && clock.elapsed() < 1300, qPrintable(QString::number(clock.elapsed())));
    }

    // The 29th look, at about 2.9 s, still sees an acknowledgement that came
    // just before it.
    void waitokLastLook()
    {
        QByteArray buffer;
        QElapsedTimer clock;
        qint64 setAt = -1;
        QTimer::singleShot(2800, Qt::PreciseTimer, [&] {
            buffer = "OK\r";
            setAt = clock.elapsed();
        });
        clock.start();
        QVERIFY(waitok(buffer));
        const qint64 elapsed = clock.elapsed();
        QVERIFY(setAt >= 2700);
        // Seen at the next look (within a tick), not at a later one.
        QVERIFY2(elapsed >= setAt && elapsed < setAt + 100 + 700,
                 qPrintable(QStringLiteral("%1 %2").arg(setAt).arg(elapsed)));
    }

    void waitokRefusesLineFeed()
    {
        QByteArray buffer("OK\r\n");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waitok(buffer));
        QVERIFY(clock.elapsed() >= 2900 && clock.elapsed() < 3600);
    }

    void waitokOverSocket()
    {
        // "OK" and CR reach the reply buffer through a real socket, 1 s apart.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        SocketControl socket(SocketControl::Tcp);
        QByteArray buffer;
        connect(&socket, &SocketControl::DataArrival, this, [&] {
            if (socket.BytesReceived() != 0)
                buffer.append(socket.GetData(socket.BytesReceived()));
        });
        socket.RemoteHost = QStringLiteral("127.0.0.1");
        socket.RemotePort = server.serverPort();
        QVERIFY(waitconnect(socket));
        QVERIFY(server.hasPendingConnections() || server.waitForNewConnection(1000));
        QTcpSocket *peer = server.nextPendingConnection();
        peer->write("OK");
        QTimer::singleShot(1000, peer, [peer] { peer->write("\r"); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(waitok(buffer));
        QVERIFY(clock.elapsed() >= 1000 && clock.elapsed() < 1300);
    }

    void waitokStopsWhenOwnerGoes()
    {
        QByteArray buffer;
        auto *owner = new QObject;
        QTimer::singleShot(150, [owner] { delete owner; });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waitok(buffer, owner));
        QVERIFY(clock.elapsed() < 1000);
    }
};

QTEST_GUILESS_MAIN(TestWaits)
#include "tst_waits.moc"
