#include "terminalscreen.h"

#include <QHash>
#include <QTest>

namespace {
// A key as Qt reports it, by a short name: "Alt", "F10", "K6" (keypad 6 with
// Num Lock on), "6" (main row), "A", "Enter", "Back", or a navigation key
// ("Right", "Clear", "Insert", "End", "Down").
TerminalScreen::Key key(const QString &name)
{
    static const QHash<QString, int> Keys{
        {QStringLiteral("Alt"), Qt::Key_Alt},        {QStringLiteral("F10"), Qt::Key_F10},
        {QStringLiteral("A"), Qt::Key_A},            {QStringLiteral("Enter"), Qt::Key_Return},
        {QStringLiteral("Back"), Qt::Key_Backspace}, {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("Clear"), Qt::Key_Clear},    {QStringLiteral("Insert"), Qt::Key_Insert},
        {QStringLiteral("End"), Qt::Key_End},        {QStringLiteral("Down"), Qt::Key_Down},
    };
    if (name.size() == 2 && name.at(0) == QLatin1Char('K'))
        return TerminalScreen::keyOf(Qt::Key_0 + name.at(1).digitValue(), Qt::KeypadModifier);
    if (name.size() == 1 && name.at(0).isDigit())
        return TerminalScreen::keyOf(Qt::Key_0 + name.at(0).digitValue(), Qt::NoModifier);
    if (!Keys.contains(name))
        qFatal("unknown key in script");
    return TerminalScreen::keyOf(Keys.value(name), Qt::NoModifier);
}

// A key event script: "DAlt" Alt pressed, "C65" character 65, "UAlt" Alt
// released, "X" Clear Screen, "Y" the window loses the keyboard. What each
// event consumed is written as "1" or "0", and the bytes to send are joined.
struct ScriptResult {
    QString consumed;
    QByteArray sent;
};

ScriptResult run(TerminalScreen &screen, const QString &script)
{
    ScriptResult result;
    const QStringList events = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &event : events) {
        TerminalScreen::KeyResult r;
        switch (event.at(0).toLatin1()) {
        case 'D': r = screen.keyDown(key(event.mid(1))); break;
        case 'C': r = screen.character(event.mid(1).toInt()); break;
        case 'U': r = screen.keyUp(key(event.mid(1))); break;
        case 'X': screen.clearScreen(); continue;
        case 'Y': screen.abandonComposition(); continue;
        default: qFatal("bad script event");
        }
        result.consumed += r.consume ? QLatin1Char('1') : QLatin1Char('0');
        result.sent += r.send;
    }
    return result;
}

// The text a cell must show for a byte, worked out independently of the model.
QString expectedText(int code)
{
    if (code >= 32 && code <= 125)
        return QString(QChar(code));
    return QString::fromLatin1(QByteArray(1, char(code)).toHex().toUpper());
}

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i % 251);
    return bytes;
}
} // namespace

class TestTerminalScreen : public QObject
{
    Q_OBJECT
private slots:
    void everyByteValue_data()
    {
        QTest::addColumn<int>("code");
        for (int code = 0; code < 256; ++code)
            QTest::addRow("%d", code) << code;
    }
    void everyByteValue()
    {
        QFETCH(int, code);
        const QString text = expectedText(code);
        const bool hex = code < 32 || code > 125;

        TerminalScreen received;
        received.reset();
        received.showReceived(QByteArray(1, char(code)));
        const TerminalScreen::Cell in = received.cell(1, 1);
        QVERIFY(in.drawn);
        QCOMPARE(in.ink, TerminalScreen::Received);
        QCOMPARE(in.hex(), hex);
        QCOMPARE(in.text(), text);
        QCOMPARE(received.column(), 2);

        TerminalScreen typed(false);
        typed.reset();
        typed.setConnected(true);
        const TerminalScreen::KeyResult r = typed.character(code);
        QVERIFY(r.consume);
        QCOMPARE(r.send, QByteArray(1, char(code)));
        const TerminalScreen::Cell out = typed.cell(1, 1);
        QVERIFY(out.drawn);
        QCOMPARE(out.ink, TerminalScreen::Sent);
        QCOMPARE(out.text(), text);
    }

    void hexCellsHaveTwoUpperCaseDigits_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00";
        QTest::newRow("5") << 5 << "05";
        QTest::newRow("13") << 13 << "0D";
        QTest::newRow("126") << 126 << "7E";
        QTest::newRow("127") << 127 << "7F";
        QTest::newRow("233") << 233 << "E9";
        QTest::newRow("255") << 255 << "FF";
    }
    void hexCellsHaveTwoUpperCaseDigits()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(TerminalScreen::hexText(code), text);
    }

    // Lazy wrap and clear: where the next cell stands after n bytes, and where
    // the last of them was drawn.
    void wrapAndClear_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lastColumn");
        QTest::addColumn<int>("lastLine");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("line");
        QTest::newRow("one") << 1 << 1 << 1 << 2 << 1;
        QTest::newRow("33rd") << 33 << 33 << 1 << 34 << 1;
        QTest::newRow("34th stays on its line") << 34 << 34 << 1 << 35 << 1;
        QTest::newRow("35th wraps") << 35 << 1 << 2 << 2 << 2;
        QTest::newRow("68th") << 68 << 34 << 2 << 35 << 2;
        QTest::newRow("screen full") << 544 << 34 << 16 << 35 << 16;
        QTest::newRow("next clears") << 545 << 1 << 1 << 2 << 1;
        QTest::newRow("second screen full") << 1088 << 34 << 16 << 35 << 16;
        QTest::newRow("third screen") << 1089 << 1 << 1 << 2 << 1;
    }
    void wrapAndClear()
    {
        QFETCH(int, count);
        QFETCH(int, lastColumn);
        QFETCH(int, lastLine);
        QFETCH(int, column);
        QFETCH(int, line);
        TerminalScreen screen;
        screen.reset();
        const QByteArray bytes = pattern(count);
        screen.showReceived(bytes);
        QCOMPARE(screen.column(), column);
        QCOMPARE(screen.line(), line);
        const TerminalScreen::Cell last = screen.cell(lastColumn, lastLine);
        QVERIFY(last.drawn);
        QCOMPARE(last.code, quint8(bytes.back()));
        // Nothing after the last byte: the rest of the screen is blank.
        int drawn = 0;
        for (int line = 1; line <= TerminalScreen::Lines; ++line)
            for (int column = 1; column <= TerminalScreen::Columns; ++column)
                drawn += screen.cell(column, line).drawn ? 1 : 0;
        QCOMPARE(drawn, (lastLine - 1) * TerminalScreen::Columns + lastColumn);
    }

    void controlCharactersAreDrawnNotObeyed()
    {
        TerminalScreen screen;
        screen.reset();
        screen.showReceived(QByteArray("AB\r\n\b\t\a C", 9));
        const QStringList expected{"A", "B", "0D", "0A", "08", "09", "07", " ", "C"};
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(screen.cell(i + 1, 1).text(), expected.at(i));
            QCOMPARE(screen.cell(i + 1, 1).ink, TerminalScreen::Received);
        }
        QCOMPARE(screen.line(), 1);
        QCOMPARE(screen.column(), 10);
    }

    // Key scripts while connected. composes: the keyboard layer types the
    // composed character after an Alt code (Windows).
    void keys_data()
    {
        QTest::addColumn<bool>("composes");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("consumed");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("skipsNextCharacter");

        for (const bool composes : {true, false}) {
            const char *layer = composes ? "composing" : "plain";
            auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s, %s", layer, name); };
            row("typed letter") << composes << "DA C97" << "01" << QByteArray("a") << false;
            row("Enter") << composes << "DEnter C13" << "01" << QByteArray("\r") << false;
            row("Backspace") << composes << "DBack C8" << "01" << QByteArray("\b") << false;
            row("F10") << composes << "DF10" << "1" << QByteArray(1, '\0') << false;
            row("arrow alone") << composes << "DRight" << "0" << QByteArray() << false;
            row("Alt 6 5") << composes << "DAlt DK6 DK5 UAlt" << "1111" << QByteArray("A") << composes;
            row("Alt 0 6 5") << composes << "DAlt DK0 DK6 DK5 UAlt" << "11111" << QByteArray("A") << composes;
            row("Alt leading zeros") << composes << "DAlt DK0 DK0 DK0 DK0 DK6 DK5 UAlt" << "11111111"
                                     << QByteArray("A") << composes;
            row("Alt Num Lock off 6 5") << composes << "DAlt DRight DClear UAlt" << "1111" << QByteArray("A") << composes;
            row("Alt navigation 0..9") << composes << "DAlt DInsert DEnd DDown UAlt" << "11111" << QByteArray("\x0c") << composes;
            row("Alt 2 5 5") << composes << "DAlt DK2 DK5 DK5 UAlt" << "11111" << QByteArray("\xff") << composes;
            row("Alt 2 5 6") << composes << "DAlt DK2 DK5 DK6 UAlt" << "11111" << QByteArray() << false;
            row("Alt 1 0 0 0") << composes << "DAlt DK1 DK0 DK0 DK0 UAlt" << "111111" << QByteArray() << false;
            row("Alt alone") << composes << "DAlt UAlt" << "11" << QByteArray(1, '\0') << composes;
            row("Alt main-row digit") << composes << "DAlt D6 D5 UAlt" << "1111" << QByteArray(1, '\0') << composes;
            row("Alt letter") << composes << "DAlt DA UAlt" << "111" << QByteArray(1, '\0') << composes;
            row("Alt repeat restarts") << composes << "DAlt DK1 DAlt DK2 UAlt" << "11111" << QByteArray("\x02") << composes;
            row("F10 while Alt held") << composes << "DAlt DF10 UAlt" << "111" << QByteArray(1, '\0') << composes;
            row("key up of other key") << composes << "UA" << "0" << QByteArray() << false;
            // The character after an Alt code: the composed one where the layer
            // types it, else the next real key, which must not be lost.
            row("character after Alt code") << composes << "DAlt DK6 DK5 UAlt C65 C66" << "111111"
                                            << (composes ? QByteArray("AB") : QByteArray("AAB")) << false;
            // Focus lost while Alt is held: the key-up never comes; an Alt
            // key-up when the keyboard comes back sends nothing.
            row("focus lost mid-composition") << composes << "DAlt DK6 Y DA C97" << "1101"
                                              << QByteArray("a") << false;
            row("Alt key-up after focus came back") << composes << "DAlt DK6 Y UAlt DAlt UAlt" << "11011"
                                                    << QByteArray(1, '\0') << composes;
            row("Clear Screen mid-composition") << composes << "DAlt DK6 X DK5 UAlt" << "1101"
                                                << QByteArray(1, '\0') << composes;
        }
    }
    void keys()
    {
        QFETCH(bool, composes);
        QFETCH(QString, script);
        QFETCH(QString, consumed);
        QFETCH(QByteArray, sent);
        QFETCH(bool, skipsNextCharacter);
        TerminalScreen screen(composes);
        screen.reset();
        screen.setConnected(true);
        const ScriptResult result = run(screen, script);
        QCOMPARE(result.consumed, consumed);
        QCOMPARE(result.sent, sent);
        QCOMPARE(screen.skipsNextCharacter(), skipsNextCharacter);
        QVERIFY(!screen.altHeld());
        // Every byte sent is drawn in black, in order, since the last clear.
        for (int i = 0; i < sent.size(); ++i) {
            const TerminalScreen::Cell cell = screen.cell(i + 1, 1);
            QVERIFY(cell.drawn);
            QCOMPARE(cell.ink, TerminalScreen::Sent);
            QCOMPARE(cell.code, quint8(sent.at(i)));
        }
        QVERIFY(!screen.cell(sent.size() + 1, 1).drawn);
    }

    void keysWhileNotConnectedGoToTheFields_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("letter") << "DA C65";
        QTest::newRow("F10") << "DF10";
        QTest::newRow("Alt code") << "DAlt DK6 DK5 UAlt";
        QTest::newRow("Enter") << "DEnter C13";
    }
    void keysWhileNotConnectedGoToTheFields()
    {
        QFETCH(QString, script);
        TerminalScreen screen(true);
        screen.reset();
        const ScriptResult result = run(screen, script);
        QVERIFY(!result.consumed.contains(QLatin1Char('1')));
        QVERIFY(result.sent.isEmpty());
        QVERIFY(!screen.cell(1, 1).drawn);
        QVERIFY(!screen.altHeld());
    }

    void altReleasedAfterDisconnectEndsComposition()
    {
        TerminalScreen screen(true);
        screen.reset();
        screen.setConnected(true);
        run(screen, "DAlt DK6");
        QVERIFY(screen.altHeld());
        QCOMPARE(screen.altDigits(), QStringLiteral("6"));
        screen.setConnected(false);
        const ScriptResult result = run(screen, "UAlt");
        QCOMPARE(result.consumed, QStringLiteral("0"));
        QVERIFY(result.sent.isEmpty());
        QVERIFY(!screen.altHeld());
    }

    void clearScreenKeepsConnectionAndEmptiesScreen()
    {
        TerminalScreen screen(true);
        screen.reset();
        screen.setConnected(true);
        run(screen, "DAlt DK6 DK5 UAlt");
        screen.showReceived("xyz");
        QVERIFY(screen.skipsNextCharacter());
        screen.clearScreen();
        QVERIFY(screen.connected());
        QVERIFY(!screen.skipsNextCharacter());
        QCOMPARE(screen.line(), 1);
        QCOMPARE(screen.column(), 1);
        QVERIFY(!screen.cell(1, 1).drawn);
        // The next character is not discarded after a clear.
        QCOMPARE(run(screen, "C66").sent, QByteArray("B"));
    }

    // Paced drawing keeps the order of both directions.
    void queuedArrivalKeepsOrderWithTypedBytes()
    {
        TerminalScreen screen(false);
        screen.reset();
        screen.setConnected(true);
        screen.queueReceived("abc");
        const TerminalScreen::KeyResult typed = screen.character('X');
        QCOMPARE(typed.send, QByteArray("X"));      // sent at once
        QVERIFY(!screen.cell(1, 1).drawn);            // drawn in turn
        screen.queueReceived("de");
        QCOMPARE(screen.queuedBytes(), 6);
        QCOMPARE(screen.drawQueued(2), 2);
        QCOMPARE(screen.cell(2, 1).text(), QStringLiteral("b"));
        QVERIFY(!screen.cell(3, 1).drawn);
        QCOMPARE(screen.drawQueued(100), 4);
        QVERIFY(!screen.hasQueued());
        const QString expected = QStringLiteral("abcXde");
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(screen.cell(i + 1, 1).text(), expected.mid(i, 1));
            QCOMPARE(screen.cell(i + 1, 1).ink, i == 3 ? TerminalScreen::Sent : TerminalScreen::Received);
        }
        // Drawn without pacing, the same bytes give the same screen.
        TerminalScreen direct(false);
        direct.reset();
        direct.setConnected(true);
        direct.showReceived("abc");
        direct.character('X');
        direct.showReceived("de");
        for (int i = 1; i <= 7; ++i) {
            QCOMPARE(direct.cell(i, 1).drawn, screen.cell(i, 1).drawn);
            QCOMPARE(direct.cell(i, 1).code, screen.cell(i, 1).code);
        }
    }

    void clearScreenDropsBytesWaitingToBeDrawn()
    {
        TerminalScreen screen;
        screen.reset();
        screen.queueReceived(pattern(1000));
        screen.drawQueued(10);
        screen.clearScreen();
        QVERIFY(!screen.hasQueued());
        screen.showReceived("Z");
        QCOMPARE(screen.cell(1, 1).text(), QStringLiteral("Z"));
        QCOMPARE(screen.column(), 2);
    }

    // A burst far beyond what 16-bit counters could hold is drawn
    // completely and in order: the screen ends as the last bytes leave it.
    void hugeArrival_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("slice");
        QTest::newRow("32768 at once") << qint64(32768) << qint64(-1);
        QTest::newRow("1 MB at once") << qint64(1 << 20) << qint64(-1);
        QTest::newRow("1 MB + 7 in slices of 4093") << qint64((1 << 20) + 7) << qint64(4093);
    }
    void hugeArrival()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, slice);
        const QByteArray bytes = pattern(size);
        TerminalScreen screen;
        screen.reset();
        if (slice < 0) {
            screen.showReceived(bytes);
        } else {
            screen.queueReceived(bytes);
            while (screen.hasQueued())
                QVERIFY(screen.drawQueued(slice) > 0);
        }
        const qint64 onScreen = (size - 1) % (TerminalScreen::Columns * TerminalScreen::Lines) + 1;
        QCOMPARE(screen.line(), int((onScreen - 1) / TerminalScreen::Columns + 1));
        QCOMPARE(screen.column(), int((onScreen - 1) % TerminalScreen::Columns + 2));
        for (qint64 i = 0; i < onScreen; ++i) {
            const TerminalScreen::Cell cell = screen.cell(int(i % TerminalScreen::Columns) + 1,
                                                         int(i / TerminalScreen::Columns) + 1);
            QVERIFY(cell.drawn);
            QCOMPARE(cell.code, quint8(bytes.at(size - onScreen + i)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTerminalScreen)
#include "tst_terminalscreen.moc"
