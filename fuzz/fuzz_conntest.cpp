// The terminal model driven by arbitrary input: received bytes, key downs,
// characters, key ups, Clear Screen, connection changes and paced drawing,
// mixed in any order. Checked step by step against a plain reference of
// the screen: the position stays on the grid (line 1..16, column 1..35),
// each cell shows its byte as a glyph exactly when it is 32..125 and otherwise
// as two upper-case hex digits, every byte a handler returns is one byte and
// is drawn black, and every received byte is drawn red, in order.
#include "terminalscreen.h"

#include <QList>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

struct Drawn {
    bool drawn = false;
    quint8 code = 0;
    TerminalScreen::Ink ink = TerminalScreen::Sent;
};

// The screen worked out independently of the model: lazy wrap, clear when full.
struct Reference {
    std::array<Drawn, TerminalScreen::Columns * TerminalScreen::Lines> cells{};
    int line = 1;
    int column = 1;
    QList<Drawn> pending; // bytes waiting behind a paced arrival

    void clear()
    {
        cells.fill(Drawn{});
        line = 1;
        column = 1;
    }
    void draw(quint8 code, TerminalScreen::Ink ink)
    {
        if (column > TerminalScreen::Columns) {
            column = 1;
            if (++line > TerminalScreen::Lines)
                clear();
        }
        cells[size_t((line - 1) * TerminalScreen::Columns + column - 1)] = {true, code, ink};
        ++column;
    }
    void add(quint8 code, TerminalScreen::Ink ink)
    {
        if (pending.isEmpty())
            draw(code, ink);
        else
            pending.append({true, code, ink});
    }
};

// A key as Qt reports it, chosen by a byte: the keys the terminal knows and
// a few it does not, with or without the keypad modifier.
TerminalScreen::Key keyFromByte(int byte)
{
    static const int Keys[] = {Qt::Key_Alt,    Qt::Key_F10,   Qt::Key_AltGr,  Qt::Key_A,      Qt::Key_Return,
                               Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down,   Qt::Key_PageDown, Qt::Key_Left,
                               Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home,   Qt::Key_Up,     Qt::Key_PageUp,
                               Qt::Key_0,      Qt::Key_1,     Qt::Key_2,      Qt::Key_3,      Qt::Key_4,
                               Qt::Key_5,      Qt::Key_6,     Qt::Key_7,      Qt::Key_8,      Qt::Key_9};
    const int key = Keys[(byte & 0x7F) % int(sizeof Keys / sizeof Keys[0])];
    return TerminalScreen::keyOf(key, (byte & 0x80) ? Qt::KeypadModifier : Qt::NoModifier);
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// The position and the waiting bytes, after every step.
void checkPosition(const TerminalScreen &screen, const Reference &reference)
{
    if (screen.line() < 1 || screen.line() > TerminalScreen::Lines)
        abort();
    if (screen.column() < 1 || screen.column() > TerminalScreen::Columns + 1)
        abort();
    if (screen.line() != reference.line || screen.column() != reference.column)
        abort();
    if (screen.queuedBytes() != reference.pending.size())
        abort();
}

// What a drawn cell shows: its character, or two upper-case hex digits.
void checkText(const TerminalScreen::Cell &cell)
{
    const QString text = cell.text();
    if (cell.hex()) {
        if (text.size() != 2 || !isHexDigit(text.at(0)) || !isHexDigit(text.at(1))
            || text.toInt(nullptr, 16) != cell.code)
            abort();
    } else if (text.size() != 1 || text.at(0).unicode() != cell.code) {
        abort();
    }
}

// Every cell, now and then and at the end; the texts (the costly part) at the end.
void checkCells(const TerminalScreen &screen, const Reference &reference, bool full)
{
    for (int line = 1; line <= TerminalScreen::Lines; ++line) {
        for (int column = 1; column <= TerminalScreen::Columns; ++column) {
            const TerminalScreen::Cell cell = screen.cell(column, line);
            const Drawn &expected = reference.cells[size_t((line - 1) * TerminalScreen::Columns + column - 1)];
            if (cell.drawn != expected.drawn)
                abort();
            if (!cell.drawn)
                continue;
            if (cell.code != expected.code || cell.ink != expected.ink)
                abort();
            if (cell.hex() == TerminalScreen::isGlyph(cell.code))
                abort();
            if (full)
                checkText(cell);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The text of a cell depends on its byte and its glyph-or-hex choice only:
    // every pair the model can make is checked once.
    static const bool textsChecked = [] {
        for (int code = 0; code < 256; ++code)
            checkText(TerminalScreen::Cell{true, TerminalScreen::Sent, !TerminalScreen::isGlyph(code), quint8(code)});
        return true;
    }();
    Q_UNUSED(textsChecked);
    // Three screens' worth of bytes and a few hundred keys are plenty; longer
    // inputs only slow the search down.
    size = qMin<size_t>(size, 2048);
    TerminalScreen screen(size > 0 && (data[0] & 1));
    screen.reset();
    Reference reference;
    size_t at = size > 0 ? 1 : 0;
    int steps = 0;
    auto next = [&]() -> int { return at < size ? data[at++] : 0; };

    auto sent = [&](const TerminalScreen::KeyResult &result) {
        if (result.send.size() > 1)
            abort();
        if (!result.send.isEmpty()) {
            if (!result.consume || !screen.connected())
                abort();
            reference.add(quint8(result.send.at(0)), TerminalScreen::Sent);
        }
    };

    while (at < size) {
        const int op = next();
        switch (op % 9) {
        case 0:
            sent(screen.keyDown(keyFromByte(next())));
            break;
        case 1: {
            // Mostly bytes; now and then a code out of range, which is never sent.
            int code = next();
            if (op & 0x80)
                code = (op & 0x40) ? -1 - code : 256 + code;
            const TerminalScreen::KeyResult result = screen.character(code);
            if ((code < 0 || code > 255) && (result.consume || !result.send.isEmpty()))
                abort();
            sent(result);
            break;
        }
        case 2:
            sent(screen.keyUp(keyFromByte(next())));
            break;
        case 3:
            screen.clearScreen();
            reference.pending.clear();
            reference.clear();
            break;
        case 4: {
            const int length = next();
            QByteArray bytes;
            for (int i = 0; i < length && at < size; ++i)
                bytes.append(char(next()));
            screen.showReceived(bytes);
            for (char c : std::as_const(bytes))
                reference.add(quint8(c), TerminalScreen::Received);
            // showReceived() draws everything that waits.
            for (const Drawn &d : std::as_const(reference.pending))
                reference.draw(d.code, d.ink);
            reference.pending.clear();
            break;
        }
        case 5:
            screen.setConnected(!screen.connected());
            break;
        case 6:
            screen.abandonComposition();
            break;
        case 7: {
            const int length = next();
            QByteArray bytes;
            for (int i = 0; i < length && at < size; ++i)
                bytes.append(char(next()));
            screen.queueReceived(bytes);
            for (char c : std::as_const(bytes))
                reference.pending.append({true, quint8(c), TerminalScreen::Received});
            break;
        }
        case 8: {
            const int most = next();
            const qint64 drawn = screen.drawQueued(most);
            if (drawn != qMin<qint64>(most, reference.pending.size()))
                abort();
            for (qint64 i = 0; i < drawn; ++i) {
                const Drawn d = reference.pending.takeFirst();
                reference.draw(d.code, d.ink);
            }
            break;
        }
        }
        checkPosition(screen, reference);
        if (++steps % 16 == 0)
            checkCells(screen, reference, false);
    }
    checkCells(screen, reference, true);
    return 0;
}
