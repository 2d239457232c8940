#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <Qt>

#include <array>

// The byte terminal of the connection-test windows, without any widget: a grid
// of 34 x 16 cells on which every byte sent (black) and received (red) is
// drawn, the lazy wrap and the clear when full, and the keyboard path that
// turns key events into single bytes to send (Alt + keypad digits composes a
// decimal byte code, F10 sends byte 0).
//
// The owning window feeds it key presses and releases (as keyOf() reads
// them) and typed characters, sends what the handlers return on its data
// link, and paints the cells (TerminalView).
class TerminalScreen
{
public:
    static constexpr int Columns = 34;
    static constexpr int Lines = 16;

    enum Ink : quint8 { Sent, Received };

    // What one cell shows. A cell not drawn since the last clear is blank.
    struct Cell {
        bool drawn = false;
        Ink ink = Sent;
        bool asHex = false;
        quint8 code = 0;

        bool hex() const { return asHex; }
        // The glyph, or the two hex digits.
        QString text() const;
    };

    // The answer of a key handler: whether the event is consumed (no control
    // of the window sees it) and the bytes to send on the data socket.
    struct KeyResult {
        bool consume = false;
        QByteArray send;
    };

    // What a key means to the terminal: Alt starts a decimal byte code, a
    // digit key adds to it, F10 sends byte 0; any other key means nothing.
    struct Key {
        enum Kind : quint8 { Other, Alt, F10, Digit };
        Kind kind = Other;
        int digit = -1;    // Digit: 0..9
    };
    // The meaning of a key as Qt reports it. Digits come from the keypad:
    // with Num Lock on, keypad 0..9 (KeypadModifier); with Num Lock off the
    // same keys report Insert, End, Down, Page Down, Left, Clear, Right,
    // Home, Up and Page Up, and so do the dedicated navigation keys: they add
    // 0 to 9 as well. The digits of the main row add nothing; AltGr (which
    // types characters) is not Alt.
    static Key keyOf(int qtKey, Qt::KeyboardModifiers modifiers);

    // Where the keyboard layer types the character composed with Alt and the
    // keypad after Alt is released (Windows), the character event that follows
    // an Alt code is discarded. Elsewhere no such character comes, and a
    // discard would swallow the next key the user really types.
    explicit TerminalScreen(bool composedCharacterFollowsAltCode = platformComposesAltCodes());

    static bool platformComposesAltCodes();

    // Codes 32..125 are drawn as their character, every other one as two
    // upper-case hex digits.
    static bool isGlyph(int code) { return code >= 32 && code <= 125; }
    static QString hexText(int code);

    // An empty screen, no composition, not connected.
    void reset();

    // Where the next byte is drawn: line 1..16, column 1..35 (35: the line is
    // full and the next byte wraps first).
    int line() const { return m_line; }
    int column() const { return m_column; }
    bool connected() const { return m_connected; }
    void setConnected(bool connected) { m_connected = connected; }
    // Alt is held, and the keypad digits typed with it so far.
    bool altHeld() const { return m_altHeld; }
    QString altDigits() const { return m_altDigits; }
    // The next character event is the one the keyboard layer composed from
    // the Alt code just sent, and is dropped.
    bool skipsNextCharacter() const { return m_skipNextCharacter; }

    // column and line count from 1.
    Cell cell(int column, int line) const;

    // Draws every byte of the text, in order, as received (red).
    void showReceived(const QByteArray &text);

    KeyResult keyDown(Key key);
    KeyResult character(int code);
    KeyResult keyUp(Key key);
    // The window lost the keyboard: a composition under way ends without
    // sending anything, and an Alt key-up that arrives before the next Alt
    // key-down (the keyboard coming back with Alt held, as after switching
    // windows with Alt+Tab) sends nothing either.
    void abandonComposition();
    // "Clear Screen": ends any Alt composition and empties the screen;
    // the connection is left as it is.
    void clearScreen();

    // Paced drawing of large arrivals: received bytes are queued and drawn a
    // slice at a time, so that the window can answer between slices. A byte
    // sent while bytes wait in the queue is queued behind them, so the screen
    // always shows both directions in the order in which they happened.
    void queueReceived(const QByteArray &text);
    // Bytes sent otherwise than typed (a file, a repeated send), drawn in the
    // ink of typed bytes, in order with everything else.
    void queueSent(const QByteArray &text);
    bool hasQueued() const { return !m_queue.isEmpty(); }
    qint64 queuedBytes() const { return m_queuedBytes; }
    // The most bytes that waited at one time since the window opened.
    qint64 peakQueuedBytes() const { return m_peakQueuedBytes; }
    // Draws at most maxBytes queued bytes; returns how many were drawn.
    qint64 drawQueued(qint64 maxBytes);
    // Bytes drawn since the window opened, in both directions.
    qint64 bytesDrawn() const { return m_bytesDrawn; }

    // The cells changed since the last call, for the view's repaint: either
    // the whole screen, or the cells first..last (indexes line-major from 0).
    struct Damage {
        bool whole = false;
        int first = -1;
        int last = -1;
        bool isEmpty() const { return !whole && first < 0; }
    };
    Damage takeDamage();

private:
    // Makes sure the cell at (column, line) exists: wraps to the next line
    // when the line is full and clears the screen when all 16 lines are.
    void wrapIfLineFull();
    // Draws one byte in the cell given, in the current ink; the position is
    // not advanced.
    void drawCell(quint8 code, int line, int column, bool asHex);
    void drawByte(quint8 code, Ink ink);
    void drawNow(quint8 code, Ink ink);
    void clearCells();
    KeyResult sendByte(quint8 code);

    void queue(const QByteArray &text, Ink ink);

    struct Segment {
        QByteArray bytes;
        Ink ink;
    };

    std::array<Cell, Columns * Lines> m_cells{};
    bool m_composedCharacterFollows;
    int m_line = 1;
    int m_column = 1;
    bool m_connected = false;
    bool m_altHeld = false;
    QString m_altDigits;
    bool m_skipNextCharacter = false;
    bool m_altUpIgnored = false;
    Ink m_ink = Sent;

    QList<Segment> m_queue;
    qsizetype m_queueOffset = 0;
    qint64 m_queuedBytes = 0;
    qint64 m_peakQueuedBytes = 0;
    qint64 m_bytesDrawn = 0;

    Damage m_damage{true, -1, -1};
};
