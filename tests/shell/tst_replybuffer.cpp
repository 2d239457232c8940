#include "commandlanguage.h"
#include "addresschecks.h"
#include "replybuffer.h"

#include <QTest>

// The reply buffer with each of its limits (64 KiB for Program Reader, 64 for
// the connection tests' control connection, 4 for the firmware download), and
// the one acknowledgement test that the buffer and control::isAcknowledgement
// share.
class TestReplyBuffer : public QObject
{
    Q_OBJECT
private slots:

    // The capped buffer comes to hold exactly "OK" CR in the same cases as an
    // unbounded one would, and never holds more than its limit.
    void keepsEveryOutcome_data()
    {
        QTest::addColumn<qsizetype>("limit");
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<bool>("overlong");
        for (const qsizetype limit : {qsizetype(64), qsizetype(4), control::ReplyLimit}) {
            const QByteArray at = " @" + QByteArray::number(limit);
            QTest::addRow("acknowledgement%s", at.constData()) << limit << QByteArrayList{"OK\r"} << QByteArray("OK\r") << false;
            QTest::addRow("split acknowledgement%s", at.constData())
                << limit << QByteArrayList{"O", "K", "\r"} << QByteArray("OK\r") << false;
            QTest::addRow("CR LF%s", at.constData())
                << limit << QByteArrayList{"OK\r\n"} << QByteArray("OK\r\n").left(limit) << false;
            QTest::addRow("flood after%s", at.constData())
                << limit << QByteArrayList{"OK\r", QByteArray(100000, 'x')}
                << QByteArray("OK\r" + QByteArray(limit - 3, 'x')) << true;
            QTest::addRow("flood in pieces%s", at.constData())
                << limit << QByteArrayList{QByteArray(40, 'a'), QByteArray(limit, 'b'), "OK\r"}
                << QByteArray(QByteArray(40, 'a') + QByteArray(limit, 'b')).left(limit) << true;
            QTest::addRow("exactly the limit%s", at.constData())
                << limit << QByteArrayList{QByteArray(limit, 'z'), "OK\r"} << QByteArray(limit, 'z') << true;
            QTest::addRow("empty chunks%s", at.constData())
                << limit << QByteArrayList{"", "OK", "", "\r"} << QByteArray("OK\r") << false;
        }
        // A limit of three bytes would hold "OK" CR of a longer reply: the
        // overlong mark keeps it from counting.
        QTest::newRow("cut to an acknowledgement") << qsizetype(3) << QByteArrayList{"OK\rX"} << QByteArray("OK\r") << true;
    }
    void keepsEveryOutcome()
    {
        QFETCH(qsizetype, limit);
        QFETCH(QByteArrayList, chunks);
        QFETCH(QByteArray, kept);
        QFETCH(bool, overlong);
        ReplyBuffer capped(limit);
        QByteArray unbounded;
        for (const QByteArray &chunk : chunks) {
            capped.append(chunk);
            unbounded += chunk;
            QVERIFY(capped.bytes().size() <= limit);
            QCOMPARE(capped.holdsAcknowledgement(), unbounded == "OK\r");
        }
        QCOMPARE(capped.bytes(), kept);
        QCOMPARE(capped.overlong(), overlong);
        capped.clear();
        QVERIFY(capped.bytes().isEmpty());
        QVERIFY(!capped.overlong());
        capped.append("OK\r");
        QCOMPARE(capped.holdsAcknowledgement(), limit >= 3);
    }

    void acknowledgement_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("OK CR") << QByteArray("OK\r") << true;
        QTest::newRow("OK alone") << QByteArray("OK") << false;
        QTest::newRow("OK CR LF") << QByteArray("OK\r\n") << false;
        QTest::newRow("OK LF") << QByteArray("OK\n") << false;
        QTest::newRow("lower case") << QByteArray("ok\r") << false;
        QTest::newRow("blank before") << QByteArray(" OK\r") << false;
        QTest::newRow("twice") << QByteArray("OK\rOK\r") << false;
        QTest::newRow("CR first") << QByteArray("\rOK") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("NUL inside") << QByteArray("O\0K\r", 4) << false;
    }
    // control::isAcknowledgement and the buffer answer with the same test.
    void acknowledgement()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(bool, accepted);
        QCOMPARE(ReplyBuffer::isAcknowledgement(buffer), accepted);
        QCOMPARE(control::isAcknowledgement(buffer), accepted);
        ReplyBuffer capped(control::ReplyLimit);
        capped.append(buffer);
        QCOMPARE(capped.holdsAcknowledgement(), accepted);
    }

    void overlongIsNeverAnAcknowledgement()
    {
        ReplyBuffer capped(3);
        capped.append("OK\r\n");
        QCOMPARE(capped.bytes(), QByteArray("OK\r"));
        QVERIFY(!capped.holdsAcknowledgement());
    }
};

QTEST_GUILESS_MAIN(TestReplyBuffer)
#include "tst_replybuffer.moc"
