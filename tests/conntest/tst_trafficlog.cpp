#include "capturefile.h"
#include "datasenders.h"
#include "senddata.h"
#include "trafficlog.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The terminal's debugging aids without a window: the session log's bounds,
// the capture's CSV, the parser of data to send and the repeat's pacing.
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
        if (dropped > 0)
            QCOMPARE(announced.last().at(0).toLongLong(), qint64(dropped));
        QCOMPARE(log.rowCount(), rows);
        QCOMPARE(log.droppedCount(), qint64(dropped));
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
