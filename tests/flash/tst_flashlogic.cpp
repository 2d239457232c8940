#include "downloadmessage.h"
#include "firmwareimage.h"
#include "flashstatus.h"
#include "replybuffer.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray spaces(int count)
{
    return QByteArray(count, ' ');
}

// 1024 bytes that run through every byte value four times.
QByteArray everyByteValue()
{
    QByteArray body;
    for (int i = 0; i < defaults::DownloadBlockSize; ++i)
        body.append(char(i & 0xFF));
    return body;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}
} // namespace

class TestFlashLogic : public QObject
{
    Q_OBJECT
private slots:
    void announce_data()
    {
        QTest::addColumn<int>("blockCount");
        QTest::addColumn<bool>("valid");
        QTest::newRow("one block") << 1 << true;
        QTest::newRow("three blocks") << 3 << true;
        QTest::newRow("128 blocks: high bit set") << 128 << true;
        QTest::newRow("255 blocks") << 255 << true;
        QTest::newRow("no blocks") << 0 << false;
        QTest::newRow("256 blocks do not fit a byte") << 256 << false;
        QTest::newRow("negative") << -1 << false;
    }
    void announce()
    {
        QFETCH(int, blockCount);
        QFETCH(bool, valid);
        const QByteArray message = downloadMessage::announce(blockCount);
        if (!valid) {
            QVERIFY(message.isEmpty());
            return;
        }
        QCOMPARE(message.size(), 1025);
        QCOMPARE(message.at(0), 'A');
        QCOMPARE(quint8(message.at(1)), quint8(blockCount));
        QCOMPARE(message.mid(2), spaces(1023));
    }

    void block_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("valid");
        QTest::newRow("every byte value") << everyByteValue() << true;
        QTest::newRow("all zero") << QByteArray(1024, '\0') << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("one short") << QByteArray(1023, 'x') << false;
        QTest::newRow("one over") << QByteArray(1025, 'x') << false;
    }
    void block()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, valid);
        const QByteArray message = downloadMessage::block(body);
        if (!valid) {
            QVERIFY(message.isEmpty());
            return;
        }
        QCOMPARE(message.size(), 1025);
        QCOMPARE(message.at(0), 'B');
        QCOMPARE(message.mid(1), body);
    }

    void restart()
    {
        QCOMPARE(downloadMessage::restart(), QByteArray("D") + spaces(1024));
    }

    void acknowledgement_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<bool>("accepted");
        using Chunks = QList<QByteArray>;
        QTest::newRow("OK CR") << Chunks{"OK\r"} << true;
        QTest::newRow("third byte not examined") << Chunks{"OKx"} << true;
        QTest::newRow("OK LF") << Chunks{"OK\n"} << true;
        QTest::newRow("in two pieces") << Chunks{"O", "K\r"} << true;
        QTest::newRow("in three pieces") << Chunks{"O", "K", "\r"} << true;
        QTest::newRow("OK alone") << Chunks{"OK"} << false;
        QTest::newRow("OK CR LF") << Chunks{"OK\r\n"} << false;
        QTest::newRow("OK CR then LF") << Chunks{"OK\r", "\n"} << false;
        QTest::newRow("lower case") << Chunks{"ok\r"} << false;
        QTest::newRow("blank before") << Chunks{" OK"} << false;
        QTest::newRow("noise before") << Chunks{"x", "OK\r"} << false;
        QTest::newRow("long chatter then OK") << Chunks{QByteArray(100000, 'z'), "OK\r"} << false;
        QTest::newRow("nothing") << Chunks{} << false;
    }
    void acknowledgement()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(bool, accepted);
        ReplyBuffer buffer(downloadMessage::ReplyLimit);
        for (const QByteArray &chunk : chunks)
            buffer.append(chunk);
        QCOMPARE(downloadMessage::isAcknowledgement(buffer.bytes()), accepted);
        QVERIFY(buffer.bytes().size() <= 4);
    }

    void imageLength_data()
    {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<int>("check");
        QTest::newRow("empty") << qint64(0) << int(FirmwareImage::Empty);
        QTest::newRow("one byte") << qint64(1) << int(FirmwareImage::NotWholeBlocks);
        QTest::newRow("1023") << qint64(1023) << int(FirmwareImage::NotWholeBlocks);
        QTest::newRow("one block") << qint64(1024) << int(FirmwareImage::Usable);
        QTest::newRow("1025") << qint64(1025) << int(FirmwareImage::NotWholeBlocks);
        QTest::newRow("three blocks") << qint64(3072) << int(FirmwareImage::Usable);
        QTest::newRow("255 blocks") << qint64(261120) << int(FirmwareImage::Usable);
        QTest::newRow("255 blocks and a byte") << qint64(261121) << int(FirmwareImage::NotWholeBlocks);
        QTest::newRow("256 blocks") << qint64(262144) << int(FirmwareImage::TooLarge);
        QTest::newRow("4 GiB and a block") << (qint64(1) << 32) + 1024 << int(FirmwareImage::TooLarge);
    }
    void imageLength()
    {
        QFETCH(qint64, length);
        QFETCH(int, check);
        QCOMPARE(int(FirmwareImage::checkLength(length)), check);
        const QString refusal = FirmwareImage::refusal(FirmwareImage::Check(check), QStringLiteral("/x.bin"), length);
        QCOMPARE(refusal.isEmpty(), check == FirmwareImage::Usable);
    }

    void readsBlocksInOrder()
    {
        QTemporaryDir dir;
        QByteArray content = everyByteValue() + QByteArray(1024, 'b') + QByteArray(1024, 'c');
        const QString path = writeFile(dir, QStringLiteral("three.bin"), content);
        QCOMPARE(FirmwareImage::checkFile(path), FirmwareImage::Usable);
        FirmwareImage image;
        QVERIFY(image.open(path));
        QCOMPARE(image.blockCount(), 3);
        QByteArray body;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!image.complete());
            QVERIFY(image.readBlock(body));
            QCOMPARE(body, content.mid(i * 1024, 1024));
        }
        QVERIFY(image.complete());
        QVERIFY(!image.readBlock(body));
        image.close();
        QVERIFY(!image.isOpen());
    }

    void status_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 of 3") << 1 << 3 << QStringLiteral("Current Status:   Downloading block 1 of 3");
        QTest::newRow("9 of 10") << 9 << 10 << QStringLiteral("Current Status:   Downloading block 9 of 10");
        QTest::newRow("255 of 255") << 255 << 255 << QStringLiteral("Current Status:   Downloading block 255 of 255");
    }
    void status()
    {
        QFETCH(int, block);
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(flashStatus::downloading(block, count), text);
    }
};

QTEST_GUILESS_MAIN(TestFlashLogic)
#include "tst_flashlogic.moc"
