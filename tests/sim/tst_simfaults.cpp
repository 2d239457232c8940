#include "privatenetwork.h"
#include "readersimulator.h"
#include "replywriter.h"
#include "simclient.h"

#include <QSignalSpy>

Q_DECLARE_METATYPE(Fault)

// Faults, streams and timing of the simulated reader, seen from a plain client.

namespace {
QByteArray pattern(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(i & 0xFF));
    return bytes;
}

const QByteArray Stat = "ZAVTCP:0050C2000001:READER:02.10:127.0.0.51:57:87:0.0.0.0:"
                        "127.0.0.1:57:0:5:0:0:255.255.255.0:53002:0:0:0:\r";
} // namespace

class TestSimFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void replySteps_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QList<QByteArray>>("writes");
        QTest::addColumn<int>("ending"); // -1 none, else ReplyStep::Action
        QTest::newRow("none") << Fault() << QList<QByteArray>{"OK\r"} << -1;
        QTest::newRow("no answer") << Fault::noAnswer() << QList<QByteArray>{} << -1;
        QTest::newRow("ok crlf") << Fault::okCrLf() << QList<QByteArray>{"OK\r\n"} << -1;
        QTest::newRow("lower ok") << Fault::lowerCaseOk() << QList<QByteArray>{"ok\r"} << -1;
        QTest::newRow("extra") << Fault::extraBytes("X") << QList<QByteArray>{"OK\rX"} << -1;
        QTest::newRow("split 2") << Fault::split(2, 10) << QList<QByteArray>{"OK", "\r"} << -1;
        QTest::newRow("drip") << Fault::drip(10) << QList<QByteArray>{"O", "K", "\r"} << -1;
        QTest::newRow("slow") << Fault::slow(10) << QList<QByteArray>{"OK\r"} << -1;
        QTest::newRow("close") << Fault::closeMidway() << QList<QByteArray>{"O"} << int(ReplyStep::Close);
        QTest::newRow("reset") << Fault::resetMidway() << QList<QByteArray>{"O"} << int(ReplyStep::Reset);
        QTest::newRow("flood") << Fault::flood(300) << QList<QByteArray>{pattern(300)} << -1;
        QTest::newRow("oversize") << Fault::oversized(13) << QList<QByteArray>{"0123456789:01"} << -1;
    }
    void replySteps()
    {
        QFETCH(Fault, fault);
        QFETCH(QList<QByteArray>, writes);
        QFETCH(int, ending);
        const QList<ReplyStep> steps = ::replySteps("OK\r", fault);
        QList<QByteArray> written;
        int last = -1;
        for (const ReplyStep &step : steps) {
            if (step.action == ReplyStep::Write)
                written.append(step.bytes);
            else
                last = int(step.action);
        }
        QCOMPARE(written, writes);
        QCOMPARE(last, ending);
    }

    void faultText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("noanswer") << QByteArray("noanswer") << true << int(Fault::NoAnswer) << QByteArray();
        QTest::newRow("refuse") << QByteArray("refuse") << true << int(Fault::NoAnswer) << QByteArray();
        QTest::newRow("okcrlf") << QByteArray("okcrlf") << true << int(Fault::Replace) << QByteArray("OK\r\n");
        QTest::newRow("replace escapes") << QByteArray("replace:a:b\\r\\x00\\\\") << true << int(Fault::Replace)
                                         << QByteArray("a:b\r\0\\", 6);
        QTest::newRow("extra") << QByteArray("extra:\\n") << true << int(Fault::Append) << QByteArray("\n");
        QTest::newRow("split") << QByteArray("split:3:200") << true << int(Fault::Split) << QByteArray();
        QTest::newRow("close bare") << QByteArray("close") << true << int(Fault::Close) << QByteArray();
        QTest::newRow("reset delay") << QByteArray("reset:50") << true << int(Fault::Reset) << QByteArray();
        QTest::newRow("with counts") << QByteArray("slow:100,after=2,times=1") << true << int(Fault::Delay)
                                     << QByteArray();
        QTest::newRow("unknown") << QByteArray("explode") << false << 0 << QByteArray();
        QTest::newRow("split missing delay") << QByteArray("split:3") << false << 0 << QByteArray();
        QTest::newRow("bad escape") << QByteArray("replace:\\q") << false << 0 << QByteArray();
        QTest::newRow("short hex") << QByteArray("replace:\\x4") << false << 0 << QByteArray();
        QTest::newRow("flood too big") << QByteArray("flood:999999999999") << false << 0 << QByteArray();
    }
    void faultText()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        Fault fault;
        QString error;
        QCOMPARE(Fault::parse(text, &fault, &error), valid);
        if (!valid) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(int(fault.kind), kind);
        QCOMPARE(fault.bytes, bytes);
        if (text.contains("after=2")) {
            QCOMPARE(fault.skip, 2);
            QCOMPARE(fault.times, 1);
            QCOMPARE(fault.delayMs, 100);
        }
    }

    // The bytes a client gets for one command with a fault.
    void replyFaults_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("closes");
        const QByteArray big(64 * 1024, 'i');
        QTest::newRow("login OK CR LF") << QByteArray("PASS") << Fault::okCrLf() << QByteArray("PASS58203")
                                        << QByteArray("OK\r\n") << false;
        QTest::newRow("login ok") << QByteArray("PASS") << Fault::lowerCaseOk() << QByteArray("PASS58203")
                                  << QByteArray("ok\r") << false;
        QTest::newRow("login extra") << QByteArray("PASS") << Fault::extraBytes("X") << QByteArray("PASS58203")
                                     << QByteArray("OK\rX") << false;
        QTest::newRow("login no answer") << QByteArray("PASS") << Fault::noAnswer() << QByteArray("PASS58203")
                                         << QByteArray() << false;
        QTest::newRow("every command no answer") << QByteArray("*") << Fault::noAnswer()
                                                 << QByteArray("PASS58203") << QByteArray() << false;
        QTest::newRow("custom STAT") << QByteArray("STAT") << Fault::replace("a:b:c:02.00:\r")
                                     << QByteArray("STAT") << QByteArray("a:b:c:02.00:\r") << false;
        QTest::newRow("oversized STAT") << QByteArray("STAT") << Fault::oversized(100000) << QByteArray("STAT")
                                        << ::replySteps({}, Fault::oversized(100000)).first().bytes << false;
        QTest::newRow("flood") << QByteArray("STAT") << Fault::flood(300000) << QByteArray("STAT")
                               << pattern(300000) << false;
        QTest::newRow("STAT closed midway") << QByteArray("STAT") << Fault::closeMidway()
                                            << QByteArray("STAT") << Stat.left(Stat.size() / 2) << true;
        QTest::newRow("STAT reset midway") << QByteArray("STAT") << Fault::resetMidway()
                                           << QByteArray("STAT") << Stat.left(Stat.size() / 2) << true;
        QTest::newRow("identify of 64 KiB") << QByteArray("ZAVIDENTIFY") << Fault::replace(big)
                                            << QByteArray("ZAVIDENTIFY") << big << false;
        QTest::newRow("identify all bytes") << QByteArray("ZAVIDENTIFY") << Fault::allByteValues()
                                            << QByteArray("ZAVIDENTIFY") << pattern(256) << false;
    }
    void replyFaults()
    {
        QFETCH(QByteArray, target);
        QFETCH(Fault, fault);
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, reply);
        QFETCH(bool, closes);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.51"));
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.51"), 87));
        if (command != "PASS58203" && command != "ZAVIDENTIFY")
            QVERIFY(peer.login());
        reader->setFault(target, fault);
        peer.send(command + '\r');
        if (reply.isEmpty())
            QCOMPARE(peer.collect(400), QByteArray());
        else
            QCOMPARE(peer.waitFor(reply.size(), 5000), reply);
        if (closes)
            QTRY_VERIFY_WITH_TIMEOUT(peer.closed, 3000);
        else
            QCOMPARE(peer.collect(100), reply);
    }

    void timedFaults_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("minimumMs");
        QTest::newRow("split 30 bytes, 200 ms") << Fault::split(30, 200) << 3 << 400;
        QTest::newRow("slow 500 ms") << Fault::slow(500) << 1 << 500;
        QTest::newRow("drip 20 ms") << Fault::drip(20) << Stat.size() << 20 * (Stat.size() - 1);
    }
    void timedFaults()
    {
        QFETCH(Fault, fault);
        QFETCH(int, pieces);
        QFETCH(int, minimumMs);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.51"));
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.51"), 87));
        QVERIFY(peer.login());
        reader->setFault("STAT", fault);
        peer.send("STAT\r");
        QCOMPARE(peer.waitFor(Stat.size(), 20000), Stat);
        const qint64 last = peer.arrivals.last();
        // Each of the fault's timers may fire late on a busy machine.
        QVERIFY2(last >= minimumMs - 20 && last < minimumMs + 900 + 25 * pieces, qPrintable(QString::number(last)));
        // Pieces sent apart arrive apart (a busy machine may join a few).
        QVERIFY2(peer.arrivals.size() >= qMax(1, pieces * 2 / 3), qPrintable(QString::number(peer.arrivals.size())));
    }

    void refusedSettingIsNotStored()
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.52"));
        reader->setFault("DHCP", Fault::refuse());
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.52"), 87));
        QVERIFY(peer.login());
        peer.send("MODE1\r");
        QCOMPARE(peer.waitFor(3), QByteArray("OK\r"));
        peer.send("DHCP1\r");
        QCOMPARE(peer.collect(400), QByteArray());
        QCOMPARE(reader->config().dhcp, '0');
        QCOMPARE(reader->config().mode, '1');
        peer.send("SPEED3\r"); // the reader still serves the next command
        QCOMPARE(peer.waitFor(3), QByteArray("OK\r"));
    }

    void faultCounts()
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.53"));
        reader->setFault("CSN", Fault::okCrLf().afterSkipping(1).only(1));
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.53"), 87));
        QVERIFY(peer.login());
        const QList<QByteArray> expected{"OK\r", "OK\r\n", "OK\r"};
        for (const QByteArray &reply : expected) {
            peer.send("CSN255.0.0.0\r");
            QCOMPARE(peer.waitFor(reply.size()), reply);
            QCOMPARE(peer.collect(50), reply);
        }
    }

    void refusedRebootKeepsRunning()
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.54"));
        reader->setFault("REBOOT", Fault::noAnswer());
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.54"), 87));
        QVERIFY(peer.login());
        peer.send("REBOOT\r");
        QCOMPARE(peer.collect(500), QByteArray());
        QVERIFY(!peer.closed);
        QCOMPARE(reader->state(), SimulatedReader::Running);
    }

    void rebootDelay()
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.55");
        config.rebootDelayMs = 1000;
        SimulatedReader *reader = simulator.addReader(config);
        QVERIFY(simulator.start());
        TcpPeer peer;
        QVERIFY(peer.open(ip("127.0.0.55"), 87));
        QVERIFY(peer.login());
        QElapsedTimer clock;
        clock.start();
        QSignalSpy started(reader, &SimulatedReader::started);
        peer.send("REBOOT\r");
        QCOMPARE(peer.waitFor(3), QByteArray("OK\r"));
        QTRY_VERIFY_WITH_TIMEOUT(peer.closed, 2000);
        TcpPeer during;
        QVERIFY(!during.open(ip("127.0.0.55"), 87, 500));
        QVERIFY(started.wait(3000));
        QVERIFY2(clock.elapsed() >= 950 && clock.elapsed() < 1000 + 900, qPrintable(QString::number(clock.elapsed())));
        TcpPeer after;
        QVERIFY(after.open(ip("127.0.0.55"), 87));
    }

    void downloadFaults_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QList<QByteArray>>("replies"); // to A, B, B
        QTest::newRow("second block unanswered")
            << QByteArray("DL-B") << Fault::noAnswer().afterSkipping(1)
            << QList<QByteArray>{"OK\r", "OK\r", ""};
        QTest::newRow("announce OK CR LF") << QByteArray("DL-A") << Fault::okCrLf()
                                           << QList<QByteArray>{"OK\r\n", "OK\r", "OK\r"};
        QTest::newRow("block ack split") << QByteArray("DL-B") << Fault::split(1, 100)
                                         << QList<QByteArray>{"OK\r", "OK\r", "OK\r"};
    }
    void downloadFaults()
    {
        QFETCH(QByteArray, target);
        QFETCH(Fault, fault);
        QFETCH(QList<QByteArray>, replies);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        SimulatedReader *reader = simulator.addReader(readerAt("127.0.0.56"));
        reader->setFault(target, fault);
        QVERIFY(simulator.start());
        TcpPeer control;
        QVERIFY(control.open(ip("127.0.0.56"), 87));
        QVERIFY(control.login());
        TcpPeer port;
        QVERIFY(port.open(ip("127.0.0.56"), 53005));
        const QList<QByteArray> messages{"A" + QByteArray(1, '\x02') + QByteArray(1023, ' '),
                                         "B" + QByteArray(1024, 'a'), "B" + QByteArray(1024, 'b')};
        for (int i = 0; i < messages.size(); ++i) {
            port.send(messages.at(i));
            if (replies.at(i).isEmpty())
                QCOMPARE(port.collect(400), QByteArray());
            else
                QCOMPARE(port.waitFor(replies.at(i).size()), replies.at(i));
        }
        QCOMPARE(reader->receivedBytes(Channel::Download), messages.join());
    }

    void streams_data()
    {
        QTest::addColumn<int>("stream");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("minimumMs");
        QTest::newRow("all byte values") << int(DataBehaviour::AllByteValues) << 256 << 0 << 0;
        QTest::newRow("100000 bytes at once") << int(DataBehaviour::CountedBytes) << 100000 << 0 << 0;
        QTest::newRow("2000 bytes at 4000 per second") << int(DataBehaviour::CountedBytes) << 2000 << 4000 << 500;
    }
    void streams()
    {
        QFETCH(int, stream);
        QFETCH(int, count);
        QFETCH(int, rate);
        QFETCH(int, minimumMs);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.57");
        config.data.stream = DataBehaviour::Stream(stream);
        config.data.streamBytes = count;
        config.data.bytesPerSecond = rate;
        simulator.addReader(config);
        QVERIFY(simulator.start());
        TcpPeer data;
        QVERIFY(data.open(ip("127.0.0.57"), 57));
        QCOMPARE(data.waitFor(count, 5000), pattern(count));
        const qint64 last = data.arrivals.last();
        QVERIFY2(last >= minimumMs - 40 && last < minimumMs + 900, qPrintable(QString::number(last)));
    }

    void udpStreamStartsWithFirstDatagram()
    {
        QUdpSocket window;
        QVERIFY(window.bind(ip("127.0.0.1"), 0));
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config = readerAt("127.0.0.58");
        config.mode = '2';
        config.serverPort = window.localPort();
        config.data.echo = false;
        config.data.stream = DataBehaviour::AllByteValues;
        simulator.addReader(config);
        QVERIFY(simulator.start());
        QTest::qWait(200);
        QVERIFY(!window.hasPendingDatagrams());
        window.writeDatagram("go", ip("127.0.0.58"), 53002);
        QTRY_VERIFY_WITH_TIMEOUT(window.hasPendingDatagrams(), 3000);
        QCOMPARE(window.receiveDatagram().data(), pattern(256));
    }

    void multicastFaults()
    {
        ReaderSimulator simulator;
        ReaderConfig a = readerAt("127.0.0.61");
        a.mac = "00A0C8000061";
        ReaderConfig b = readerAt("127.0.0.62");
        b.mac = "00A0C8000062";
        ReaderConfig c = readerAt("127.0.0.63");
        c.mac = "00A0C8000063";
        simulator.addReader(a)->setFault(faultTarget::MulticastIdentify, Fault::noAnswer());
        simulator.addReader(b)->setFault(faultTarget::MulticastIdentify, Fault::allByteValues());
        simulator.addReader(c)->setFault(faultTarget::MulticastIdentify, Fault::slow(300));
        QVERIFY(simulator.start());
        SearchSocket search;
        QVERIFY(search.open());
        search.send("ZAVIDENTIFY");
        QTRY_COMPARE_WITH_TIMEOUT(search.replies.size(), 2, 3000);
        QCOMPARE(search.replies.at(0), pattern(256));
        QCOMPARE(search.replies.at(1), QByteArray("127.0.0.63:00A0C8000063:ZAV Reader:87\r"));
        QCOMPARE(search.replies.size(), 2);
    }

    // A reply too large for a datagram is reported, and the others still go out.
    void unsendableIdentifyReplyIsReported()
    {
        ReaderSimulator simulator;
        ReaderConfig a = readerAt("127.0.0.64");
        ReaderConfig b = readerAt("127.0.0.65");
        simulator.addReader(a)->setFault(faultTarget::MulticastIdentify, Fault::replace(QByteArray(65536, 'x')));
        simulator.addReader(b);
        QVERIFY(simulator.start());
        QSignalSpy errors(&simulator, &ReaderSimulator::errorOccurred);
        SearchSocket search;
        QVERIFY(search.open());
        search.send("ZAVIDENTIFY");
        QTRY_COMPARE_WITH_TIMEOUT(search.replies.size(), 1, 3000);
        QCOMPARE(search.replies.first(), QByteArray("127.0.0.65:0050C2000001:ZAV Reader:87\r"));
        QTRY_COMPARE(simulator.identifyRepliesFailed(), 1);
        QCOMPARE(errors.size(), 1);
    }

    // One request, many readers in one process, the receiver in the same thread.
    void manyReadersAnswerOneRequest()
    {
        constexpr int Count = 400;
        ReaderSimulator simulator;
        for (int i = 0; i < Count; ++i) {
            ReaderConfig config;
            config.address = ReaderSimulator::addressAfter(ip("127.0.2.1"), i);
            config.mac = ReaderSimulator::macAfter("0050C2200000", i);
            simulator.addReader(config);
        }
        QString error;
        QVERIFY2(simulator.start(&error), qPrintable(error));
        SearchSocket search;
        QVERIFY(search.open());
        QSignalSpy answered(&simulator, &ReaderSimulator::identifyAnswered);
        search.send("ZAVIDENTIFY");
        QTRY_COMPARE_WITH_TIMEOUT(search.replies.size(), Count, 10000);
        QCOMPARE(simulator.identifyRepliesFailed(), 0);
        QTRY_COMPARE(answered.count(), 1);
        QCOMPARE(answered.first().first().toInt(), Count);
        QSet<QByteArray> distinct(search.replies.begin(), search.replies.end());
        QCOMPARE(distinct.size(), Count);
        QVERIFY(distinct.contains("127.0.3.146:0050C220018F:ZAV Reader:87\r"));
    }

    void addressAndMacSequences_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("address");
        QTest::newRow("same") << "127.0.0.2" << 0 << "127.0.0.2";
        QTest::newRow("next") << "127.0.0.2" << 1 << "127.0.0.3";
        QTest::newRow("skips 255 and 0") << "127.0.0.254" << 1 << "127.0.1.1";
        QTest::newRow("253 on") << "127.0.0.1" << 253 << "127.0.0.254";
        QTest::newRow("254 on") << "127.0.0.1" << 254 << "127.0.1.1";
    }
    void addressAndMacSequences()
    {
        QFETCH(QString, first);
        QFETCH(int, n);
        QFETCH(QString, address);
        QCOMPARE(ReaderSimulator::addressAfter(QHostAddress(first), n).toString(), address);
        QCOMPARE(ReaderSimulator::macAfter("0050C20000FF", 1), QByteArray("0050C2000100"));
        QCOMPARE(ReaderSimulator::macAfter("FFFFFFFFFFFF", 1), QByteArray("000000000000"));
    }
};

QTEST_GUILESS_MAIN(TestSimFaults)
#include "tst_simfaults.moc"
