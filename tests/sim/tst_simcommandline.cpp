#include "privatenetwork.h"
#include "readersimulator.h"
#include "simclient.h"
#include "simcommandline.h"

#include <QProcess>

#include <csignal>

// The zav-reader-sim command line: the parser, and the program itself.

class TestSimCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void accepted_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("readers");
        QTest::addColumn<QString>("lastAddress");
        QTest::addColumn<QByteArray>("lastMac");
        QTest::newRow("defaults") << QStringList{} << 1 << "127.0.0.2" << QByteArray("0050C2000001");
        QTest::newRow("three") << QStringList{"--readers", "3", "--address", "127.0.0.253"} << 3
                               << "127.0.1.1" << QByteArray("0050C2000003");
        QTest::newRow("mac lower case") << QStringList{"--mac", "00a0c80000ff", "--readers", "2"} << 2
                                        << "127.0.0.3" << QByteArray("00A0C8000100");
        QTest::newRow("all options")
            << QStringList{"--password", "ab cd", "--firmware", "02.00", "--mode", "udp", "--control-port",
                           "1087", "--data-port", "1057", "--udp-port", "1002", "--server-address",
                           "127.0.0.9", "--server-port", "1999", "--speed", "3", "--dhcp", "1",
                           "--dpass", "1", "--cid", "1", "--reboot-delay", "0", "--client-retry", "50",
                           "--no-echo", "--stream", "1000", "--rate", "500", "--fault", "STAT=okcrlf",
                           "--fault", "DL-B=split:1:10,times=2", "--identify-address", "10.0.0.7",
                           "--no-multicast"}
            << 1 << "127.0.0.2" << QByteArray("0050C2000001");
    }
    void accepted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, readers);
        QFETCH(QString, lastAddress);
        QFETCH(QByteArray, lastMac);
        SimulatorSetup setup;
        QString error;
        QVERIFY2(parseSimulatorArguments(arguments, &setup, &error), qPrintable(error));
        QCOMPARE(setup.readers.size(), readers);
        QCOMPARE(setup.readers.last().address.toString(), lastAddress);
        QCOMPARE(setup.readers.last().mac, lastMac);
        if (arguments.contains("--no-echo")) {
            const ReaderConfig &c = setup.readers.first();
            QCOMPARE(c.password, QByteArray("ab cd"));
            QCOMPARE(c.mode, '2');
            QCOMPARE(c.controlPort, quint16(1087));
            QCOMPARE(c.tcpDataPort, quint16(1057));
            QCOMPARE(c.udpDataPort, quint16(1002));
            QCOMPARE(c.serverAddress, QByteArray("127.0.0.9"));
            QCOMPARE(c.serverPort, quint16(1999));
            QCOMPARE(QByteArray() + c.speed + c.dhcp + c.dpass + c.cid, QByteArray("3111"));
            QCOMPARE(c.rebootDelayMs, 0);
            QCOMPARE(c.clientRetryMs, 50);
            QCOMPARE(c.data.echo, false);
            QCOMPARE(c.data.stream, DataBehaviour::CountedBytes);
            QCOMPARE(c.data.streamBytes, 1000);
            QCOMPARE(c.data.bytesPerSecond, 500);
            QCOMPARE(c.identifyAddress, QByteArray("10.0.0.7"));
            QCOMPARE(setup.multicast, false);
            QCOMPARE(setup.faults.size(), 2);
            QCOMPARE(setup.faults.at(1).first, QByteArray("DL-B"));
            QCOMPARE(setup.faults.at(1).second.kind, Fault::Split);
            QCOMPARE(setup.faults.at(1).second.times, 2);
        }
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("readers 0") << QStringList{"--readers", "0"} << "--readers";
        QTest::newRow("readers too many") << QStringList{"--readers", "5001"} << "--readers";
        QTest::newRow("password of 4") << QStringList{"--password", "1234"} << "--password";
        QTest::newRow("mode") << QStringList{"--mode", "bridge"} << "--mode";
        QTest::newRow("port 0") << QStringList{"--control-port", "0"} << "control-port";
        QTest::newRow("port 65536") << QStringList{"--udp-port", "65536"} << "udp-port";
        QTest::newRow("address") << QStringList{"--address", "127.0.0"} << "--address";
        QTest::newRow("mac") << QStringList{"--mac", "0050C20000"} << "--mac";
        QTest::newRow("speed") << QStringList{"--speed", "6"} << "--speed";
        QTest::newRow("stream") << QStringList{"--stream", "lots"} << "--stream";
        QTest::newRow("fault without target") << QStringList{"--fault", "okcrlf"} << "--fault";
        QTest::newRow("fault kind") << QStringList{"--fault", "STAT=boom"} << "unknown kind";
        QTest::newRow("unknown option") << QStringList{"--colour"} << "colour";
        QTest::newRow("stray argument") << QStringList{"readers"} << "readers";
    }
    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        SimulatorSetup setup;
        QString error;
        QVERIFY(!parseSimulatorArguments(arguments, &setup, &error));
        QVERIFY2(error.contains(mentions), qPrintable(error));
    }

    void helpListsEveryOption()
    {
        QProcess program;
        program.start(QStringLiteral(ZAV_SIM_PROGRAM), {"--help"});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        const QString help = QString::fromLatin1(program.readAllStandardOutput());
        for (const char *option :
             {"--readers", "--address", "--password", "--firmware", "--mode", "--mac", "--identification",
              "--identify-address", "--control-port", "--data-port", "--udp-port", "--server-address",
              "--server-port", "--dpass", "--cid", "--reboot-delay", "--no-echo", "--stream", "--rate",
              "--fault", "--demo", "--no-multicast", "noanswer", "okcrlf", "lowerok", "extra:", "replace:",
              "split:", "slow:", "drip:", "close", "reset", "flood:", "oversize:", "allbytes", "MULTICAST",
              "DL-B"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    // Started readers print their lines, serve with the given fault and end on SIGTERM.
    void programRunsReadersAndEndsOnSigterm()
    {
        QProcess program;
        program.start(QStringLiteral(ZAV_SIM_PROGRAM),
                      {"--readers", "3", "--address", "127.0.0.71", "--fault", "STAT=replace:custom\\r"});
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += program.readAllStandardOutput()).contains("ready: 3 readers"), 10000);
        const QList<QByteArray> lines = out.split('\n');
        QCOMPARE(lines.at(0), QByteArray("reader 127.0.0.71 mac 0050C2000001 control 87 data server 57 "
                                         "download 53005 firmware 02.10"));
        QCOMPARE(lines.at(2), QByteArray("reader 127.0.0.73 mac 0050C2000003 control 87 data server 57 "
                                         "download 53005 firmware 02.10"));
        TcpPeer peer;
        QVERIFY(peer.open(QHostAddress(QStringLiteral("127.0.0.73")), 87));
        QVERIFY(peer.login());
        peer.send("STAT\r");
        QCOMPARE(peer.waitFor(7), QByteArray("custom\r"));
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(5000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAllStandardOutput().contains("stopped"));
    }

    void demoStartsTheDemoSet()
    {
        // The demo's first reader uses the program's default address, which the
        // private network gives to lo.
        if (QProcess::execute(QStringLiteral("ip"), {"addr", "add", "192.168.1.55/32", "dev", "lo"}) != 0)
            QSKIP("cannot give lo the address 192.168.1.55 here");
        QProcess program;
        program.start(QStringLiteral(ZAV_SIM_PROGRAM), {"--demo"});
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += program.readAllStandardOutput()).contains("Wide Network Search"), 10000);
        QVERIFY2(out.contains("ready: 6 readers"), out.constData());
        QVERIFY(out.contains("reader 192.168.1.55 mac 0050C2000155 control 87 data server 57"));
        QVERIFY(out.contains("firmware 02.00"));
        QVERIFY(out.contains("data client to 127.0.0.1:5057"));
        QVERIFY(out.contains("data udp 53002 to 127.0.0.1:57"));
        QVERIFY(out.contains("identifies as 127.0.0.5"));
        QVERIFY(out.contains("58203"));

        SearchSocket search;
        QVERIFY(search.open());
        search.send("ZAVIDENTIFY");
        QTRY_COMPARE_WITH_TIMEOUT(search.replies.size(), 6, 5000);
        int duplicates = 0;
        for (const QByteArray &reply : std::as_const(search.replies))
            duplicates += reply.startsWith("127.0.0.5:") ? 1 : 0;
        QCOMPARE(duplicates, 2);

        TcpPeer peer;
        QVERIFY(peer.open(QHostAddress(QStringLiteral("192.168.1.55")), 87));
        QVERIFY(peer.login("58203"));
        ::kill(pid_t(program.processId()), SIGINT);
        QVERIFY(program.waitForFinished(5000));
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSimCommandLine)
#include "tst_simcommandline.moc"
