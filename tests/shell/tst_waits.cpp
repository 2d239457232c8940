#include "addresschecks.h"
#include "privatenetwork.h"
#include "socketcontrol.h"

#include <QElapsedTimer>
#include <QPointer>
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
    void cleanup()
    {
        waits::setLookObserver({});
        waits::setTickMs(100);
    }

    // The looks are counted, not timed: the acknowledgement is put into the
    // buffer at a given look, either just before the buffer is read at that
    // look or just after (then the next look is the first that can see it).
    // However slow the machine, the 29th look is the last one.
    void waitokLooksAreCounted_data()
    {
        QTest::addColumn<int>("look");
        QTest::addColumn<bool>("afterTheLook");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("looksTaken");
        QTest::newRow("at the first look") << 1 << false << true << 1;
        QTest::newRow("after the first look") << 1 << true << true << 2;
        QTest::newRow("at the 28th look") << 28 << false << true << 28;
        QTest::newRow("after the 28th look") << 28 << true << true << 29;
        QTest::newRow("at the 29th look") << 29 << false << true << 29;
        QTest::newRow("after the 29th look") << 29 << true << false << 29;
    }
    void waitokLooksAreCounted()
    {
        QFETCH(int, look);
        QFETCH(bool, afterTheLook);
        QFETCH(bool, accepted);
        QFETCH(int, looksTaken);
        waits::setTickMs(1);
        QByteArray buffer;
        int looks = 0;
        waits::setLookObserver([&](int n) {
            looks = n;
            if (n != look)
                return;
            if (afterTheLook)
                QTimer::singleShot(0, [&] { buffer = "OK\r"; });
            else
                buffer = "OK\r";
        });
        QCOMPARE(waitok(buffer), accepted);
        QCOMPARE(looks, looksTaken);
    }

    // The same count for every named wait that counts to 30, and the wide-area
    // scan's waits: 9 or 29 looks at the connection, 10 passes for the reply.
    void looksOfEachWait_data()
    {
        QTest::addColumn<int>("counts");
        QTest::addColumn<int>("looks");
        QTest::addColumn<bool>("sleepsLastCount");
        QTest::newRow("waitok and waitconnect") << waits::Limit << 29 << true;
        QTest::newRow("scan connect") << 10 << 9 << true;
        QTest::newRow("scan connect, slow mode") << 30 << 29 << true;
    }
    void looksOfEachWait()
    {
        QFETCH(int, counts);
        QFETCH(int, looks);
        QFETCH(bool, sleepsLastCount);
        waits::setTickMs(1);
        const waits::Cadence cadence = waits::counting(counts);
        QCOMPARE(cadence.looks, looks);
        QCOMPARE(cadence.sleepsLastCount, sleepsLastCount);
        QCOMPARE(cadence.tickMs, 1);
        int asked = 0;
        QVERIFY(!waits::until(cadence, [&] { ++asked; return false; }));
        QCOMPARE(asked, looks);
    }

    void scanReplyPassesIgnoreTheTickSeam()
    {
        waits::setTickMs(1);
        const waits::Cadence cadence = waits::passes(10, 20);
        QCOMPARE(cadence.tickMs, 20);
        QCOMPARE(cadence.looks, 10);
        QVERIFY(!cadence.sleepsLastCount);
        int asked = 0;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!waits::until(cadence, [&] { ++asked; return false; }));
        QCOMPARE(asked, 10);
        QVERIFY2(clock.elapsed() >= 200, qPrintable(QString::number(clock.elapsed())));
    }

    void waitconnectLooksAreCounted_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<int>("looksTaken");
        QTest::newRow("listening") << true << -1; // seen at an early look
        QTest::newRow("nobody listening") << false << 29;
    }
    void waitconnectLooksAreCounted()
    {
        QFETCH(bool, listening);
        QFETCH(int, looksTaken);
        waits::setTickMs(1);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress(QStringLiteral("127.0.0.9"))));
        const quint16 port = server.serverPort();
        if (!listening)
            server.close();
        int looks = 0;
        waits::setLookObserver([&](int n) { looks = n; });
        SocketControl socket(SocketControl::Tcp);
        socket.RemoteHost = QStringLiteral("127.0.0.9");
        socket.RemotePort = port;
        QCOMPARE(waitconnect(socket), listening);
        if (looksTaken >= 0)
            QCOMPARE(looks, looksTaken);
        else
            QVERIFY(looks >= 1 && looks < 29);
        socket.Close();
    }

    void waitconnectStopsWhenTheSocketGoes()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        auto *socket = new SocketControl(SocketControl::Tcp);
        socket->RemoteHost = QStringLiteral("127.0.0.1");
        socket->RemotePort = port;
        QTimer::singleShot(150, socket, [socket] { socket->deleteLater(); });
        QElapsedTimer clock;
        clock.start();
        QPointer<SocketControl> alive(socket);
        QVERIFY(!waitconnect(*socket));
        QVERIFY(!alive);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

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
