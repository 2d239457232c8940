// The event-driven control and download sessions against simulated readers:
// the bytes each reader received, when a session gives up, and that a
// hostile reader neither hangs a session nor grows its memory.
#include "controlsession.h"
#include "downloadmessage.h"
#include "downloadsession.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "replywriter.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

Q_DECLARE_METATYPE(Fault)

namespace {
const QByteArray Login = "PASS58203\r";

QByteArray image(int blocks)
{
    QByteArray bytes;
    for (int i = 0; i < blocks * 1024; ++i)
        bytes.append(char((i * 7 + i / 1024) & 0xff));
    return bytes;
}
} // namespace

class TestSessions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }
    void init();
    void cleanup();

    void getSendsLoginAndStat();
    void runSendsEachCommandAfterItsAcknowledgement();
    void plannerRefusalSendsNothingMore();
    void failures_data();
    void failures();
    void loginLimitAtRealTiming();
    void replyLimitIsNotTheConnectLimit();
    void refusedConnectionFailsAtOnce();
    void floodIsCappedAndFails();
    void stopEndsOnce();

    void downloadBytes_data();
    void downloadBytes();
    void downloadFailures_data();
    void downloadFailures();
    void badImageOpensNothing_data();
    void badImageOpensNothing();
    void readerGoneBeforeRestartMessage();

private:
    SimulatedReader *addReader(ReaderConfig config = ReaderConfig());
    // Runs a session to its end; false if it did not end within the time.
    bool runSession(ControlSession &session, SimulatedReader *reader, const ControlSession::Plan &plan,
                    int withinMs = 10000);

    ReaderSimulator *m_simulator = nullptr;
    int m_nextAddress = 10;
};

void TestSessions::init()
{
    m_simulator = new ReaderSimulator;
    m_simulator->setMulticastEnabled(false);
}

void TestSessions::cleanup()
{
    delete m_simulator;
    m_simulator = nullptr;
}

SimulatedReader *TestSessions::addReader(ReaderConfig config)
{
    config.address = QHostAddress(QStringLiteral("127.0.0.%1").arg(m_nextAddress++));
    SimulatedReader *reader = m_simulator->addReader(config);
    QString error;
    if (!reader->start(&error))
        qWarning("simulator: %s", qPrintable(error));
    return reader;
}

bool TestSessions::runSession(ControlSession &session, SimulatedReader *reader, const ControlSession::Plan &plan,
                              int withinMs)
{
    QSignalSpy finished(&session, &ControlSession::finished);
    session.start(reader->activeConfig().address, reader->activeConfig().controlPort, plan);
    if (!finished.wait(withinMs))
        return false;
    QTest::qWait(20);  // any second finished() would arrive now
    return finished.count() == 1;
}

void TestSessions::getSendsLoginAndStat()
{
    SimulatedReader *reader = addReader();
    ControlSession session;
    ControlSession::Plan plan;
    plan.password = "58203";
    plan.readStat = true;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(runSession(session, reader, plan));
    QVERIFY2(clock.elapsed() < 2000, "a get acts on each reply at once, far below a limit of 3 s");
    QCOMPARE(session.failure(), ControlSession::NoFailure);
    QCOMPARE(reader->receivedBytes(Channel::Control), Login + "STAT\r");
    QVERIFY(session.hasStat());
    QCOMPARE(session.stat().value(settings::Mac), reader->config().mac);
    QCOMPARE(session.stat().value(settings::Firmware), QByteArray("02.10"));
}

void TestSessions::runSendsEachCommandAfterItsAcknowledgement()
{
    SimulatedReader *reader = addReader();
    // Every reply comes in two pieces, 30 ms apart: each is awaited whole.
    reader->setFault(faultTarget::AnyControlCommand, Fault::split(2, 30));
    ControlSession session;
    ControlSession::Plan plan;
    plan.password = "58203";
    plan.commands = {{"MODE", "2"}, {"IDENT", "DOCK 4"}, {"NEWPASS", "54321"}};
    QVERIFY(runSession(session, reader, plan));
    QCOMPARE(session.failure(), ControlSession::NoFailure);
    QCOMPARE(session.acknowledgedCount(), 3);
    QCOMPARE(reader->receivedBytes(Channel::Control), Login + "MODE2\rIDENTDOCK 4\rNEWPASS54321\r");
    // Each line went out only after the one before it was answered.
    const QList<ReceivedChunk> chunks = reader->received(Channel::Control);
    QCOMPARE(chunks.size(), 4);
    for (int i = 1; i < chunks.size(); ++i)
        QVERIFY(chunks.at(i).timeMs - chunks.at(i - 1).timeMs >= 25);
}

void TestSessions::plannerRefusalSendsNothingMore()
{
    SimulatedReader *reader = addReader();
    ControlSession session;
    ControlSession::Plan plan;
    plan.password = "58203";
    plan.readStat = true;
    plan.afterStat = [](const ReaderSettings &, QList<SettingCommand> *, QString *refusal) {
        *refusal = QStringLiteral("Invalid Gateway Address");
        return false;
    };
    QVERIFY(runSession(session, reader, plan));
    QCOMPARE(session.failure(), ControlSession::Refused);
    QCOMPARE(session.errorText(), QStringLiteral("Invalid Gateway Address"));
    QCOMPARE(reader->receivedBytes(Channel::Control), Login + "STAT\r");
}

void TestSessions::failures_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<int>("acknowledged");
    QTest::addColumn<int>("atMostMs"); // with limits of 1 s: below 1000 is "at once"
    const QByteArray run = "CIP127.0.0.9\rDPT57\rGTW0.0.0.0\rSPEED5\r";
    QTest::newRow("wrong password: no answer") << QByteArray() << Fault() << QByteArray("00000")
                                               << int(ControlSession::LoginRefused) << QByteArray("PASS00000\r") << 0 << 2500;
    QTest::newRow("login answered lower case") << QByteArray("PASS") << Fault::lowerCaseOk() << QByteArray("58203")
                                               << int(ControlSession::LoginRefused) << Login << 0 << 800;
    QTest::newRow("OK CR LF is no acknowledgement") << QByteArray("DPT") << Fault::okCrLf() << QByteArray("58203")
                                                    << int(ControlSession::NotAcknowledged)
                                                    << Login + "CIP127.0.0.9\rDPT57\r" << 1 << 2500;
    QTest::newRow("ERR ends the run at once") << QByteArray("GTW") << Fault::replace("ERR\r") << QByteArray("58203")
                                              << int(ControlSession::NotAcknowledged)
                                              << Login + "CIP127.0.0.9\rDPT57\rGTW0.0.0.0\r" << 2 << 800;
    QTest::newRow("no acknowledgement: nothing further") << QByteArray("GTW") << Fault::noAnswer()
                                                         << QByteArray("58203") << int(ControlSession::NotAcknowledged)
                                                         << Login + "CIP127.0.0.9\rDPT57\rGTW0.0.0.0\r" << 2 << 2500;
    QTest::newRow("byte before the OK") << QByteArray("CIP") << Fault::replace("\nOK\r") << QByteArray("58203")
                                        << int(ControlSession::NotAcknowledged) << Login + "CIP127.0.0.9\r" << 0 << 800;
    QTest::newRow("connection closed midway") << QByteArray("DPT") << Fault::closeMidway() << QByteArray("58203")
                                              << int(ControlSession::NotAcknowledged)
                                              << Login + "CIP127.0.0.9\rDPT57\r" << 1 << 800;
    QTest::newRow("connection reset") << QByteArray("PASS") << Fault::resetMidway() << QByteArray("58203")
                                      << int(ControlSession::LoginRefused) << Login << 0 << 800;
    QTest::newRow("acknowledgement too slow") << QByteArray("SPEED") << Fault::slow(2000) << QByteArray("58203")
                                              << int(ControlSession::NotAcknowledged) << Login + run << 3 << 2500;
    Q_UNUSED(run);
}

void TestSessions::failures()
{
    QFETCH(QByteArray, target);
    QFETCH(Fault, fault);
    QFETCH(QByteArray, password);
    QFETCH(int, failure);
    QFETCH(QByteArray, received);
    QFETCH(int, acknowledged);
    QFETCH(int, atMostMs);
    ReaderConfig config;
    SimulatedReader *reader = addReader(config);
    if (!target.isEmpty())
        reader->setFault(target, fault);
    ControlSession session;
    session.setLimits({1000, 1000});
    ControlSession::Plan plan;
    plan.password = password;
    plan.commands = {{"CIP", reader->activeConfig().address.toString().toLatin1()}, {"DPT", "57"}, {"GTW", "0.0.0.0"},
                     {"SPEED", "5"}};
    // the reader's own address stands in the run
    QElapsedTimer clock;
    clock.start();
    QVERIFY(runSession(session, reader, plan));
    QCOMPARE(int(session.failure()), failure);
    QVERIFY(!session.errorText().isEmpty());
    QVERIFY2(clock.elapsed() <= atMostMs, qPrintable(QString::number(clock.elapsed())));
    received.replace("127.0.0.9", reader->activeConfig().address.toString().toLatin1());
    QTRY_COMPARE(reader->receivedBytes(Channel::Control), received);
    QCOMPARE(session.acknowledgedCount(), acknowledged);
}

void TestSessions::loginLimitAtRealTiming()
{
    SimulatedReader *reader = addReader();
    ControlSession session;  // the windows' limits: 3 s
    ControlSession::Plan plan;
    plan.password = "99999";
    QElapsedTimer clock;
    clock.start();
    QVERIFY(runSession(session, reader, plan, 6000));
    QCOMPARE(session.failure(), ControlSession::LoginRefused);
    QVERIFY2(clock.elapsed() >= 2900 && clock.elapsed() < 4500, qPrintable(QString::number(clock.elapsed())));
}

// Each reply is awaited for the reply limit, whatever the connect limit.
void TestSessions::replyLimitIsNotTheConnectLimit()
{
    SimulatedReader *reader = addReader();
    ControlSession session;
    session.setLimits({5000, 300});
    ControlSession::Plan plan;
    plan.password = "99999";  // a wrong password gets no answer
    QElapsedTimer clock;
    clock.start();
    QVERIFY(runSession(session, reader, plan, 8000));
    QCOMPARE(session.failure(), ControlSession::LoginRefused);
    QVERIFY2(clock.elapsed() >= 290 && clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
}

void TestSessions::refusedConnectionFailsAtOnce()
{
    ControlSession session;
    QSignalSpy finished(&session, &ControlSession::finished);
    QElapsedTimer clock;
    clock.start();
    session.start(QHostAddress(QStringLiteral("127.0.0.250")), 87, {});
    QVERIFY(finished.wait(5000));
    QCOMPARE(session.failure(), ControlSession::NoConnection);
    QVERIFY(clock.elapsed() < 1500);
}

void TestSessions::floodIsCappedAndFails()
{
    SimulatedReader *reader = addReader();
    reader->setFault("STAT", Fault::oversized(8 * 1024 * 1024));
    ControlSession session;
    ControlSession::Plan plan;
    plan.password = "58203";
    plan.readStat = true;
    QVERIFY(runSession(session, reader, plan));
    QCOMPARE(session.failure(), ControlSession::NoStatReply);
    QVERIFY(!session.hasStat());
}

void TestSessions::stopEndsOnce()
{
    SimulatedReader *reader = addReader();
    reader->setFault("PASS", Fault::noAnswer());
    ControlSession session;
    QSignalSpy finished(&session, &ControlSession::finished);
    ControlSession::Plan plan;
    plan.password = "58203";
    session.start(reader->activeConfig().address, 87, plan);
    QTRY_VERIFY(reader->receivedBytes(Channel::Control) == Login);
    session.stop();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(session.failure(), ControlSession::Stopped);
    session.stop();
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
}

void TestSessions::downloadBytes_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<bool>("restart");
    QTest::newRow("3 blocks and restart") << 3 << true;
    QTest::newRow("1 block, no restart") << 1 << false;
    QTest::newRow("255 blocks") << 255 << true;
}

void TestSessions::downloadBytes()
{
    QFETCH(int, blocks);
    QFETCH(bool, restart);
    SimulatedReader *reader = addReader();
    const QByteArray firmware = image(blocks);
    DownloadSession session;
    QSignalSpy progress(&session, &DownloadSession::progress);
    QSignalSpy finished(&session, &DownloadSession::finished);
    DownloadSession::Options options;
    options.address = reader->activeConfig().address;
    options.password = "58203";
    options.image = firmware;
    options.restart = restart;
    session.start(options);
    QVERIFY(finished.wait(20000));
    QVERIFY2(finished.first().first().toBool(), qPrintable(session.errorText()));
    QCOMPARE(progress.count(), blocks);
    QCOMPARE(progress.last().at(0).toInt(), blocks);

    QByteArray expected = downloadMessage::announce(blocks);
    for (int b = 0; b < blocks; ++b)
        expected += downloadMessage::block(firmware.mid(b * defaults::DownloadBlockSize, defaults::DownloadBlockSize));
    if (restart)
        expected += downloadMessage::restart();
    QTRY_COMPARE(reader->receivedBytes(Channel::Download).size(), expected.size());
    QCOMPARE(reader->receivedBytes(Channel::Download), expected);
    QCOMPARE(reader->receivedBytes(Channel::Control), Login);
    if (restart)
        QTRY_COMPARE(reader->firmwareImage(), firmware);
}

void TestSessions::downloadFailures_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("messages"); // download messages received
    QTest::addColumn<int>("blocksDone");
    QTest::addColumn<QString>("report"); // part of errorText()
    QTest::newRow("login not acknowledged") << QByteArray("PASS") << Fault::noAnswer()
                                            << int(DownloadSession::NoControlPort) << 0 << 0 << "control port";
    QTest::newRow("announce not acknowledged") << faultTarget::DownloadAnnounce << Fault::noAnswer()
                                               << int(DownloadSession::NotResponding) << 1 << 0
                                               << "the announce was not acknowledged";
    QTest::newRow("second block answered OK CR LF") << faultTarget::DownloadBlock << Fault::okCrLf().afterSkipping(1)
                                                    << int(DownloadSession::NotResponding) << 3 << 1
                                                    << "block 2 of 4 was not acknowledged";
    QTest::newRow("third block never answered") << faultTarget::DownloadBlock << Fault::noAnswer().afterSkipping(2)
                                                << int(DownloadSession::NotResponding) << 4 << 2
                                                << "block 3 of 4 was not acknowledged within 0.4 s";
    QTest::newRow("reader lost during the third block") << faultTarget::DownloadBlock
                                                        << Fault::resetMidway().afterSkipping(2)
                                                        << int(DownloadSession::NotResponding) << 4 << 2
                                                        << "stopped responding after 2 of 4 blocks";
    QTest::newRow("acknowledgement in two pieces is fine") << faultTarget::DownloadBlock << Fault::split(1, 50)
                                                           << int(DownloadSession::NoFailure) << 6 << 4 << "";
}

void TestSessions::downloadFailures()
{
    QFETCH(QByteArray, target);
    QFETCH(Fault, fault);
    QFETCH(int, failure);
    QFETCH(int, messages);
    QFETCH(int, blocksDone);
    QFETCH(QString, report);
    SimulatedReader *reader = addReader();
    reader->setFault(target, fault);
    DownloadSession session;
    QSignalSpy finished(&session, &DownloadSession::finished);
    DownloadSession::Options options;
    options.address = reader->activeConfig().address;
    options.password = "58203";
    options.image = image(4);
    options.loginMs = 400;
    options.acknowledgementMs = 400;
    session.start(options);
    QVERIFY(finished.wait(10000));
    QCOMPARE(int(session.failure()), failure);
    QCOMPARE(finished.first().first().toBool(), failure == DownloadSession::NoFailure);
    QCOMPARE(session.blocksDone(), blocksDone);
    QVERIFY2(session.errorText().contains(report), qPrintable(session.errorText()));
    QTRY_COMPARE(reader->receivedBytes(Channel::Download).size(), qsizetype(messages) * downloadMessage::MessageSize);
}

void TestSessions::badImageOpensNothing_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("not whole blocks") << 1500;
    QTest::newRow("256 blocks") << 256 * 1024;
}

void TestSessions::badImageOpensNothing()
{
    QFETCH(int, size);
    SimulatedReader *reader = addReader();
    DownloadSession session;
    QSignalSpy finished(&session, &DownloadSession::finished);
    DownloadSession::Options options;
    options.address = reader->activeConfig().address;
    options.password = "58203";
    options.image = QByteArray(size, 'x');
    session.start(options);
    QVERIFY(finished.wait(2000));
    QCOMPARE(session.failure(), DownloadSession::BadImage);
    QTest::qWait(50);
    QCOMPARE(reader->connectionCount(Channel::Control), 0);
    QCOMPARE(reader->connectionCount(Channel::Download), 0);
}

// A reader that acknowledges the last block and resets the connection at
// once never gets the restart message: the download is a failure, with every
// block acknowledged.
void TestSessions::readerGoneBeforeRestartMessage()
{
    const QHostAddress address(QStringLiteral("127.0.0.250"));
    QTcpServer control;
    QTcpServer download;
    QVERIFY(control.listen(address, 87));
    QVERIFY(download.listen(address, defaults::DownloadPort));
    connect(&control, &QTcpServer::newConnection, this, [&control] {
        QTcpSocket *peer = control.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, peer, [peer] {
            if (peer->readAll().endsWith('\r'))
                peer->write("OK\r");
        });
    });
    const int blocks = 2;
    qsizetype received = 0;
    connect(&download, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *peer = download.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, peer, [&received, peer] {
            while (peer->isOpen() && peer->bytesAvailable() > 0) {
                const qsizetype before = received / downloadMessage::MessageSize;
                received += peer->readAll().size();
                if (received / downloadMessage::MessageSize == before)
                    continue;
                peer->write("OK\r");
                peer->flush();
                if (received == qsizetype(1 + blocks) * downloadMessage::MessageSize)
                    resetConnection(peer);
            }
        });
    });
    DownloadSession session;
    QSignalSpy finished(&session, &DownloadSession::finished);
    DownloadSession::Options options;
    options.address = address;
    options.password = "58203";
    options.image = image(blocks);
    session.start(options);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(session.failure(), DownloadSession::NotResponding);
    QCOMPARE(session.blocksDone(), blocks);
    QCOMPARE(received, qsizetype(1 + blocks) * downloadMessage::MessageSize);
}

QTEST_GUILESS_MAIN(TestSessions)
#include "tst_sessions.moc"
