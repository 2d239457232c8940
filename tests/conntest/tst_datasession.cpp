#include "capturefile.h"
#include "datalink.h"
#include "datasenders.h"
#include "datasession.h"
#include "pcapngreading.h"
#include "privatenetwork.h"
#include "readersimulator.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QHostAddress ReaderAddress(QStringLiteral("127.0.0.7"));
constexpr quint32 Loopback = 0x7F000001;
constexpr quint32 Reader = 0x7F000007;
} // namespace

// The data session without any window, against a simulated reader in each of
// its three modes: what it sends and receives, what it records, and stop.
class TestDataSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }
    void cleanup() { m_simulator.reset(); }

    // Sent bytes reach the reader and are reported once; the reader's bytes
    // are reported with their peer; both are logged, and captured with the
    // real addresses and ports of both ends; stop closes everything.
    void sendReceiveStop_data()
    {
        QTest::addColumn<char>("mode");
        QTest::newRow("reader as TCP server") << '0';
        QTest::newRow("reader as TCP client") << '1';
        QTest::newRow("UDP") << '2';
    }
    void sendReceiveStop()
    {
        QFETCH(char, mode);
        SimulatedReader *reader = startReader(mode);
        DataSession session(mode == '2' ? DataSession::Udp : DataSession::Tcp);
        QSignalSpy states(&session, &DataSession::stateChanged);
        QSignalSpy sent(&session, &DataSession::sent);
        QByteArray received;
        DataSession::Peer from;
        connect(&session, &DataSession::received, this, [&](const QByteArray &bytes, const DataSession::Peer &peer) {
            received += bytes;
            from = peer;
        });
        QTemporaryDir folder;
        const QString capturePath = folder.filePath(QStringLiteral("session.pcapng"));
        QVERIFY(session.capture().start(capturePath));

        if (mode == '0')
            session.connectToReader(ReaderAddress, 57);
        else if (mode == '1')
            QVERIFY(session.listen(57));
        else
            QVERIFY(session.bindDatagrams(57, ReaderAddress, 53002));
        QTRY_COMPARE(session.state(), DataSession::Connected);
        QCOMPARE(states.last().at(0).value<DataSession::State>(), DataSession::Connected);

        QVERIFY(session.send("ping\r"));
        QVERIFY(session.send(QByteArray("\0\xff", 2)));
        QTRY_COMPARE(reader->receivedBytes(Channel::Data), QByteArray("ping\r\0\xff", 7));
        QCOMPARE(sent.size(), 2);
        QVERIFY(reader->sendData("pong"));
        QTRY_COMPARE(received, QByteArray("pong"));
        QCOMPARE(from.address, ReaderAddress);

        session.log().flush();
        QCOMPARE(session.log().rowCount(), 3);
        const TrafficChunk &first = session.log().chunk(0);
        QCOMPARE(first.direction, TrafficChunk::Sent);
        QCOMPARE(first.bytes, QByteArray("ping\r"));
        QCOMPARE(first.peer, mode == '2' ? QStringLiteral("127.0.0.7:53002") : session.peer().text());
        QCOMPARE(session.log().chunk(2).peer, from.text());

        session.stop();
        QCOMPARE(session.state(), DataSession::Closed);
        QVERIFY(!session.isOpen());
        QVERIFY(!session.capture().isCapturing());
        QVERIFY(!session.send("late"));
        if (mode != '2')
            QTRY_COMPARE(reader->dataConnections(), 0);

        // The capture: both ends as they were on the wire.
        QFile file(capturePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        QList<pcapngreading::Packet> packets = pcapngreading::read(file.readAll(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        packets.removeIf([](const pcapngreading::Packet &p) { return p.payload.isEmpty(); });
        QCOMPARE(packets.size(), 3);
        const quint16 readerPort = mode == '2' ? 53002 : mode == '0' ? 57 : from.port;
        for (int i = 0; i < 3; ++i) {
            const pcapngreading::Packet &packet = packets.at(i);
            const bool out = i < 2;
            QCOMPARE(out ? packet.source : packet.destination, Loopback);
            QCOMPARE(out ? packet.destination : packet.source, Reader);
            QCOMPARE(out ? packet.destinationPort : packet.sourcePort, readerPort);
            QCOMPARE(packet.tcp, mode != '2');
        }
        QCOMPARE(packets.at(2).payload, QByteArray("pong"));
        // UDP: the reader answers to the receive port, not to where the data came from.
        QCOMPARE(packets.at(2).destinationPort, mode == '1' || mode == '2' ? quint16(57) : packets.at(0).sourcePort);
    }

    // A file goes out whole and in order while the reader streams to us; the
    // stream arrives whole and in order too.
    void fileSentWhileDataArrives()
    {
        const qint64 streamed = 4 * 1000 * 1000;
        ReaderConfig config = readerConfig('0');
        config.data.stream = DataBehaviour::CountedBytes;
        config.data.streamBytes = streamed;
        config.data.bytesPerSecond = 8 * 1000 * 1000;
        SimulatedReader *reader = startReader(config);
        DataSession session(DataSession::Tcp);
        qint64 arrived = 0;
        bool inOrder = true;
        connect(&session, &DataSession::received, this, [&](const QByteArray &bytes) {
            for (const char c : bytes)
                inOrder = inOrder && quint8(c) == quint8(arrived++ & 0xFF);
        });
        session.connectToReader(ReaderAddress, 57);
        QTRY_COMPARE(session.state(), DataSession::Connected);
        QTRY_VERIFY(arrived > 0);
        QByteArray file(3 * 1024 * 1024 + 11, Qt::Uninitialized);
        for (qsizetype i = 0; i < file.size(); ++i)
            file[i] = char(i * 31 % 241);
        QSignalSpy finished(session.fileSender(), &FileSender::finished);
        session.sendFile(file);
        QVERIFY(session.isSending());
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
        QVERIFY(finished.at(0).at(0).toBool());
        QTRY_COMPARE_WITH_TIMEOUT(reader->receivedBytes(Channel::Data).size(), file.size(), 30000);
        QVERIFY(reader->receivedBytes(Channel::Data) == file);
        QTRY_COMPARE_WITH_TIMEOUT(arrived, streamed, 30000);
        QVERIFY(inOrder);
    }

    // A viewer that falls behind turns receiving off: nothing is reported and
    // the link holds the data back (at most its read limit); turned on again,
    // everything follows in order.
    void receivingHeldBack()
    {
        ReaderConfig config = readerConfig('0');
        config.data.stream = DataBehaviour::CountedBytes;
        config.data.streamBytes = 1000 * 1000;
        startReader(config);
        DataSession session(DataSession::Tcp);
        session.setReceiving(false);
        QByteArray received;
        connect(&session, &DataSession::received, this, [&](const QByteArray &bytes) { received += bytes; });
        session.connectToReader(ReaderAddress, 57);
        QTRY_COMPARE(session.dataLink()->bytesAvailable(), DataSession::SocketReadLimit);
        QVERIFY(received.isEmpty());
        session.setReceiving(true);
        QTRY_COMPARE(received.size(), 1000 * 1000);
        for (int i = 0; i < received.size(); i += 4099)
            QCOMPARE(quint8(received.at(i)), quint8(i & 0xFF));
    }

    // A data port that refuses: Failed at once, with what to do, and nothing left open.
    void refusedDataPort()
    {
        startReader('0');
        DataSession session(DataSession::Tcp);
        session.connectToReader(ReaderAddress, 58);
        QTRY_COMPARE(session.state(), DataSession::Failed);
        QVERIFY2(session.errorString().contains(QLatin1String("port 58 of 127.0.0.7")), qPrintable(session.errorString()));
        QVERIFY(!session.isOpen());
    }

private:
    ReaderConfig readerConfig(char mode)
    {
        ReaderConfig config;
        config.address = ReaderAddress;
        config.mode = mode;
        config.serverAddress = "127.0.0.1";
        config.serverPort = 57;
        config.clientRetryMs = 50;
        config.data.echo = false;
        return config;
    }
    SimulatedReader *startReader(char mode) { return startReader(readerConfig(mode)); }
    SimulatedReader *startReader(const ReaderConfig &config)
    {
        m_simulator = std::make_unique<ReaderSimulator>();
        m_simulator->setMulticastEnabled(false);
        SimulatedReader *reader = m_simulator->addReader(config);
        QString error;
        if (!m_simulator->start(&error))
            qWarning() << error;
        return reader;
    }

    std::unique_ptr<ReaderSimulator> m_simulator;
};

QTEST_GUILESS_MAIN(TestDataSession)
#include "tst_datasession.moc"
