#include "capturefile.h"
#include "datasenders.h"
#include "pcapng.h"
#include "pcapngreading.h"
#include "senddata.h"
#include "trafficlog.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

Q_DECLARE_METATYPE(QList<TrafficChunk>)

namespace {
QByteArray allByteValues()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

// A chunk between 127.0.0.1:'localPort' and 127.0.0.7:'peerPort', 'n'
// milliseconds and a few microseconds into the capture.
TrafficChunk routed(int n, TrafficChunk::Direction direction, const QByteArray &bytes, TrafficRoute::Transport transport,
                    quint16 localPort, quint16 peerPort, quint32 connection = 1, bool localOpened = true)
{
    TrafficRoute route{transport, 0x7F000001, localPort, 0x7F000007, peerPort, connection, localOpened};
    return {1765141872000000 + n * 1000 + n % 7, direction, QStringLiteral("127.0.0.7:%1").arg(peerPort), bytes, route};
}
} // namespace

// The terminal's debugging aids without a window: the session log's bounds,
// the capture's CSV and pcapng, the parser of data to send and the senders.
class TestTrafficLog : public QObject
{
    Q_OBJECT

    static TrafficChunk chunk(qsizetype size, TrafficChunk::Direction direction = TrafficChunk::Received)
    {
        return {1765141872345678, direction, QStringLiteral("127.0.0.1:57"), QByteArray(size, 'a')};
    }

private slots:
    void bounds_data()
    {
        QTest::addColumn<int>("chunks");
        QTest::addColumn<int>("chunkSize");
        QTest::addColumn<int>("firstBurst");    // chunks recorded before the first rows exist
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("dropped");
        const int most = int(TrafficLog::MaxChunks);
        QTest::newRow("under both limits") << 1000 << 10 << 500 << 1000 << 0;
        QTest::newRow("count limit") << most + 7 << 1 << (most + 7) / 2 << most << 7;
        QTest::newRow("byte limit") << 70 << 1024 * 1024 << 35 << 64 << 6;
        QTest::newRow("one chunk over the byte limit stays") << 1 << 65 * 1024 * 1024 << 0 << 1 << 0;
        QTest::newRow("count limit in one burst") << most + 7 << 1 << most + 7 << most << 7;
        QTest::newRow("byte limit in one burst") << 70 << 1024 * 1024 << 70 << 64 << 6;
    }
    void bounds()
    {
        QFETCH(int, chunks);
        QFETCH(int, chunkSize);
        QFETCH(int, firstBurst);
        QFETCH(int, rows);
        QFETCH(int, dropped);
        TrafficLog log;
        QSignalSpy announced(&log, &TrafficLog::droppedCountChanged);
        // In two bursts: drops come from the rows and from the pending chunks.
        for (int i = 0; i < firstBurst; ++i)
            log.record(chunk(chunkSize));
        log.flush();
        for (int i = firstBurst; i < chunks; ++i)
            log.record(chunk(chunkSize));
        log.flush();
        QCOMPARE(log.rowCount(), rows);
        QCOMPARE(log.droppedCount(), qint64(dropped));
        QCOMPARE(announced.isEmpty() ? 0 : announced.last().at(0).toLongLong(), qint64(dropped));
        QVERIFY(log.bytesHeld() <= qMax<qint64>(TrafficLog::MaxBytes, chunkSize));
        log.clear();
        QCOMPARE(log.rowCount(), 0);
        QCOMPARE(log.droppedCount(), 0);
    }

    void cells()
    {
        TrafficLog log;
        log.record({0, TrafficChunk::Sent, QStringLiteral("10.0.0.1:4000"), QByteArray("AB\r\xe9", 4)});
        log.flush();
        QCOMPARE(log.data(log.index(0, TrafficLog::HexColumn)).toString(), QStringLiteral("41 42 0D E9"));
        QCOMPARE(log.data(log.index(0, TrafficLog::TextColumn)).toString(), QStringLiteral("AB\u00b7\u00b7"));
        QCOMPARE(log.data(log.index(0, TrafficLog::DirectionColumn)).toString(), QStringLiteral("sent"));
        QCOMPARE(log.rowsText({0}).section(QLatin1Char('\t'), 4), QStringLiteral("41 42 0D E9\tAB\\r\\xE9\n"));
    }

    // Every byte value, alone: the hex cell and the escaped text of the CSV
    // line, and nothing in the line outside printable ASCII.
    void csvEveryByte()
    {
        for (int b = 0; b < 256; ++b) {
            TrafficChunk c = chunk(0);
            c.bytes = QByteArray(1, char(b));
            const QByteArray line = CaptureFile::csvLine(c);
            QVERIFY(line.endsWith("\r\n"));
            for (const char ch : line.chopped(2))
                QVERIFY2(quint8(ch) >= 32 && quint8(ch) <= 126, qPrintable(QString::number(b)));
            const QByteArray hex = QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
            QByteArray text = b == '\\' ? QByteArray("\\\\") : QByteArray(1, char(b));
            if (b == '"')
                text = "\"\"\"\"";   // quoted, the quote doubled
            else if (b == ',' || b == ';')
                text = "\"" + text + "\"";
            else if (b == '=' || b == '+' || b == '-' || b == '@')
                text = "'" + text;
            // A byte is written once: a printable one as text, any other as hex.
            if (b >= 32 && b <= 126)
                QVERIFY2(line.endsWith(",1,," + text + "\r\n"), line.constData());
            else
                QVERIFY2(line.endsWith(",1," + hex + ",\r\n"), line.constData());
        }
    }

    void csvHostilePeer()
    {
        TrafficChunk c = chunk(2);
        c.peer = QStringLiteral("=HYPERLINK(\"x\",\"y\")");
        c.bytes = "-1";
        const QByteArray line = CaptureFile::csvLine(c);
        QVERIFY2(line.contains(",\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\",2,,'-1\r\n"), line.constData());
        c.bytes = "abc\r";
        QVERIFY(CaptureFile::csvLine(c).endsWith(",4,,abc\\r\r\n"));
        c.bytes = "ab\r\n";
        QVERIFY(CaptureFile::csvLine(c).endsWith(",4,61620D0A,\r\n"));
        QVERIFY(CaptureFile::csvLine(c).startsWith("2025-12-07T") || CaptureFile::csvLine(c).startsWith("2025-12-08T"));
    }

    void captureFailureStops()
    {
        CaptureFile capture;
        QSignalSpy failed(&capture, &CaptureFile::failed);
        QVERIFY(capture.start(QStringLiteral("/dev/full")));
        capture.record(chunk(100000));
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 3000);
        QVERIFY(!capture.isCapturing());
        QVERIFY(!failed.at(0).at(0).toString().isEmpty());
    }

    void rawCaptureKeepsReceivedBytesOnly()
    {
        QTemporaryDir dir;
        CaptureFile capture;
        const QString path = dir.filePath(QStringLiteral("capture.bin"));
        QVERIFY(capture.start(path));
        capture.record({0, TrafficChunk::Received, QString(), QByteArray("\x00\xff", 2)});
        capture.record({0, TrafficChunk::Sent, QString(), "typed"});
        capture.record({0, TrafficChunk::Received, QString(), "\r\n"});
        capture.stop();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\x00\xff\r\n", 4));
    }

    // Chunks written as a Wireshark capture and read back: every packet's
    // headers and checksums, the handshake of each TCP stream, sequence and
    // acknowledgement numbers that follow the bytes, each chunk's bytes in
    // packets of at most the largest payload with the chunk's time; and, with
    // tshark, the file read without complaint, each stream followed back to
    // the bytes of both ends, and no malformed or missing segment.
    void pcapng_data()
    {
        using C = TrafficChunk;
        const auto tcp = TrafficRoute::Tcp;
        const auto udp = TrafficRoute::Udp;
        QByteArray large(3 * 65495 + 17, Qt::Uninitialized);
        for (qsizetype i = 0; i < large.size(); ++i)
            large[i] = char(i * 7 % 253);
        QTest::addColumn<QList<TrafficChunk>>("chunks");
        QTest::newRow("TCP opened here, every byte value both ways")
            << QList<C>{routed(1, C::Sent, "hello\r", tcp, 40001, 57), routed(2, C::Received, allByteValues(), tcp, 40001, 57),
                        routed(3, C::Sent, allByteValues(), tcp, 40001, 57), routed(4, C::Received, "!", tcp, 40001, 57)};
        QTest::newRow("TCP opened by the reader, two connections")
            << QList<C>{routed(1, C::Received, "ID\r", tcp, 57, 45000, 1, false), routed(2, C::Sent, "x", tcp, 57, 45000, 1, false),
                        routed(3, C::Received, "again", tcp, 57, 45001, 2, false), routed(4, C::Sent, "y", tcp, 57, 45001, 2, false)};
        QTest::newRow("TCP chunk larger than a packet")
            << QList<C>{routed(1, C::Sent, large, tcp, 40002, 57), routed(2, C::Received, "ok", tcp, 40002, 57),
                        routed(3, C::Received, large, tcp, 40002, 57)};
        QTest::newRow("UDP datagrams both ways")
            << QList<C>{routed(1, C::Sent, "a", udp, 40003, 53002), routed(2, C::Received, allByteValues(), udp, 57, 53002),
                        routed(3, C::Sent, allByteValues(), udp, 40003, 53002), routed(4, C::Received, "\r\n", udp, 57, 53002)};
    }
    void pcapng()
    {
        QFETCH(QList<TrafficChunk>, chunks);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("capture.pcapng"));
        CaptureFile capture;
        QVERIFY(capture.start(path));
        QCOMPARE(capture.format(), CaptureFile::Pcapng);
        for (const TrafficChunk &chunk : chunks)
            capture.record(chunk);
        capture.stop();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const QList<pcapngreading::Packet> packets = pcapngreading::read(file.readAll(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        // Per stream (its local port) and end: the next sequence number, from the handshake on.
        std::map<std::pair<quint16, bool>, quint32> next;
        QList<QList<QByteArray>> streamBytes;   // per stream in order of appearance: bytes from node 0, node 1
        std::map<quint16, int> streamIndex;
        std::map<quint16, bool> localIsNode0;   // node 0 sent the stream's first packet
        int at = 0;
        for (const TrafficChunk &chunk : chunks) {
            const bool tcp = chunk.route.transport == TrafficRoute::Tcp;
            const bool fromLocal = chunk.direction == TrafficChunk::Sent;
            const quint16 stream = chunk.route.localPort * 3 + chunk.route.peerPort;
            if (!streamIndex.count(stream)) {
                streamIndex[stream] = int(streamBytes.size());
                streamBytes.append(QList<QByteArray>(2));
                localIsNode0[stream] = tcp ? chunk.route.localOpened : fromLocal;
                if (tcp) {
                    // SYN from the end that opened it, SYN+ACK, ACK.
                    const bool opener = chunk.route.localOpened;
                    QVERIFY(at + 3 <= packets.size());
                    const pcapngreading::Packet &syn = packets.at(at);
                    const pcapngreading::Packet &synAck = packets.at(at + 1);
                    const pcapngreading::Packet &ack = packets.at(at + 2);
                    QCOMPARE(syn.flags, quint8(0x02));
                    QCOMPARE(syn.source == chunk.route.localAddress && syn.sourcePort == chunk.route.localPort, opener);
                    QCOMPARE(synAck.flags, quint8(0x12));
                    QCOMPARE(synAck.acknowledgement, syn.sequence + 1);
                    QCOMPARE(ack.flags, quint8(0x10));
                    QCOMPARE(ack.sequence, syn.sequence + 1);
                    QCOMPARE(ack.acknowledgement, synAck.sequence + 1);
                    next[{stream, opener}] = syn.sequence + 1;
                    next[{stream, !opener}] = synAck.sequence + 1;
                    at += 3;
                }
            }
            streamBytes[streamIndex[stream]][fromLocal == localIsNode0[stream] ? 0 : 1] += chunk.bytes;
            const int most = tcp ? PcapngWriter::MaxTcpPayload : PcapngWriter::MaxUdpPayload;
            for (qsizetype offset = 0; offset < qMax<qsizetype>(chunk.bytes.size(), 1); offset += most) {
                QVERIFY(at < packets.size());
                const pcapngreading::Packet &packet = packets.at(at++);
                QCOMPARE(packet.tcp, tcp);
                QCOMPARE(packet.microseconds, chunk.microsecondsSinceEpoch);
                QCOMPARE(packet.source, fromLocal ? chunk.route.localAddress : chunk.route.peerAddress);
                QCOMPARE(packet.sourcePort, fromLocal ? chunk.route.localPort : chunk.route.peerPort);
                QCOMPARE(packet.destinationPort, fromLocal ? chunk.route.peerPort : chunk.route.localPort);
                QCOMPARE(packet.payload, chunk.bytes.mid(offset, most));
                if (tcp) {
                    quint32 &own = next[std::make_pair(stream, fromLocal)];
                    QCOMPARE(packet.sequence, own);
                    QCOMPARE(packet.acknowledgement, next[std::make_pair(stream, !fromLocal)]);
                    own += quint32(packet.payload.size());
                }
            }
        }
        QCOMPARE(at, packets.size());

        if (pcapngreading::tshark().isEmpty())
            QSKIP("tshark is not installed: the capture was checked by reading it back only");
        QString complaints;
        const QString fields = pcapngreading::runTshark({QStringLiteral("-r"), path, QStringLiteral("-T"), QStringLiteral("fields"),
                                                         QStringLiteral("-e"), QStringLiteral("frame.time_epoch"), QStringLiteral("-e"),
                                                         QStringLiteral("_ws.expert.message"), QStringLiteral("-e"),
                                                         QStringLiteral("_ws.malformed")},
                                                        &complaints);
        QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
        const QStringList lines = fields.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), packets.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList cells = lines.at(i).split(QLatin1Char('\t'));
            const qint64 micros = qRound64(cells.at(0).toDouble() * 1e6);
            QVERIFY2(qAbs(micros - packets.at(i).microseconds) <= 1, qPrintable(lines.at(i)));
            QVERIFY2(!lines.at(i).contains(QLatin1String("alformed"), Qt::CaseInsensitive), qPrintable(lines.at(i)));
            QVERIFY2(!lines.at(i).contains(QLatin1String("previous segment"), Qt::CaseInsensitive), qPrintable(lines.at(i)));
        }
        const QString protocol = chunks.constFirst().route.transport == TrafficRoute::Tcp ? QStringLiteral("tcp")
                                                                                         : QStringLiteral("udp");
        for (int stream = 0; stream < streamBytes.size(); ++stream) {
            const QString followed = pcapngreading::runTshark(
                {QStringLiteral("-r"), path, QStringLiteral("-q"), QStringLiteral("-z"),
                 QStringLiteral("follow,%1,raw,%2").arg(protocol).arg(stream)},
                &complaints);
            QVERIFY2(complaints.isEmpty(), qPrintable(complaints));
            const QList<QByteArray> ends = pcapngreading::followedBytes(followed);
            QCOMPARE(ends.at(0), streamBytes.at(stream).at(0));
            QCOMPARE(ends.at(1), streamBytes.at(stream).at(1));
        }
    }

    // Positions count in the text as typed, the "hex:" prefix included.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorPosition");
        QTest::newRow("plain") << "AB" << QByteArray("AB") << -1;
        QTest::newRow("escapes") << "a\\r\\n\\t\\\\\\x00\\xfF" << QByteArray("a\r\n\t\\\x00\xff", 7) << -1;
        QTest::newRow("latin-1") << "\u00e9" << QByteArray("\xe9") << -1;
        QTest::newRow("unknown escape") << "ab\\q" << QByteArray() << 3;
        QTest::newRow("lone backslash") << "ab\\" << QByteArray() << 3;
        QTest::newRow("short \\x") << "\\x4" << QByteArray() << 1;
        QTest::newRow("bad \\x digit") << "z\\xg0" << QByteArray() << 2;
        QTest::newRow("not a byte") << "a\u20ac" << QByteArray() << 2;
        QTest::newRow("empty text") << "" << QByteArray() << -1;
        QTest::newRow("hex pairs") << "hex: 41 42 0d" << QByteArray("AB\r") << -1;
        QTest::newRow("hex pairs joined") << "HEX:4142" << QByteArray("AB") << -1;
        QTest::newRow("odd hex") << "hex:41 4" << QByteArray() << 8;
        QTest::newRow("not hex") << "hex:41 xy" << QByteArray() << 8;
        QTest::newRow("blank hex") << "hex:   " << QByteArray() << -1;
        QTest::newRow("hex word as text") << "hex 41" << QByteArray("hex 41") << -1;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(int, errorPosition);
        const senddata::Parsed parsed = senddata::parse(text);
        QCOMPARE(parsed.ok, !bytes.isEmpty());
        QCOMPARE(parsed.bytes, bytes);
        QCOMPARE(parsed.errorPosition, errorPosition);
        if (!parsed.ok) {
            QVERIFY(!parsed.error.isEmpty());
            if (errorPosition > 0)
                QVERIFY2(parsed.error.contains(QStringLiteral("position %1").arg(errorPosition)), qPrintable(parsed.error));
        }
    }

    // A count sends that many times, each at least the interval after the
    // one before; a count of 0 sends until stopped.
    void repeatedSend_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("interval");
        QTest::newRow("five times, 20 ms apart") << 5 << 20;
        QTest::newRow("until stopped") << 0 << 1;
    }
    void repeatedSend()
    {
        QFETCH(int, count);
        QFETCH(int, interval);
        QList<qint64> times;
        QElapsedTimer clock;
        clock.start();
        RepeatSender repeat;
        QSignalSpy finished(&repeat, &RepeatSender::finished);
        repeat.start("x", interval, count, {[&](const QByteArray &) { times.append(clock.nsecsElapsed()); return true; },
                                            [] { return qint64(0); }, false});
        if (count == 0) {
            QTRY_VERIFY(times.size() >= 8);
            QVERIFY(repeat.isRunning());
            repeat.stop();
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished.at(0).at(0).toBool(), false);
            return;
        }
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QCOMPARE(times.size(), count);
        for (int i = 1; i < times.size(); ++i)
            QVERIFY2(times.at(i) - times.at(i - 1) >= interval * 1000000LL,
                     qPrintable(QString::number(times.at(i) - times.at(i - 1))));
    }

    // The whole file arrives in order: over a stream never more than
    // MaxQueued waiting; as datagrams of at most 1024 bytes, a datagram the
    // system refuses offered again, not skipped.
    void fileSender_data()
    {
        QTest::addColumn<bool>("datagrams");
        QTest::newRow("stream, queue bounded") << false;
        QTest::newRow("datagrams, every third refused") << true;
    }
    void fileSender()
    {
        QFETCH(bool, datagrams);
        qint64 queued = 0;
        qint64 peak = 0;
        qsizetype largest = 0;
        int offers = 0;
        QByteArray received;
        FileSender sender;
        QSignalSpy finished(&sender, &FileSender::finished);
        QByteArray data(datagrams ? 100 * 1024 + 5 : 5 * 1024 * 1024 + 3, Qt::Uninitialized);
        for (qsizetype i = 0; i < data.size(); ++i)
            data[i] = char(i % 251);
        sender.start(data, {[&](const QByteArray &bytes) {
                                if (datagrams && ++offers % 3 == 0)
                                    return false;
                                queued += bytes.size();
                                peak = qMax(peak, queued);
                                largest = qMax(largest, bytes.size());
                                received += bytes;
                                return true;
                            },
                            [&] { return queued; }, datagrams});
        if (datagrams) {
            QVERIFY(finished.wait(10000));
            QVERIFY(largest <= FileSender::DatagramSize);
        } else {
            // The link drains a piece at a time, as a socket reports written bytes.
            for (int i = 0; i < 1000 && finished.isEmpty(); ++i) {
                QCoreApplication::processEvents();
                queued = qMax<qint64>(0, queued - 300 * 1024);
                sender.linkDrained();
            }
            QVERIFY(peak <= FileSender::MaxQueued);
        }
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.at(0).at(0).toBool());
        QCOMPARE(received.size(), data.size());
        QVERIFY(received == data);
    }
};

QTEST_GUILESS_MAIN(TestTrafficLog)
#include "tst_trafficlog.moc"
