#include "terminalscreen.h"

namespace {
// The value of the composed digits; an empty code is 0. Anything of four or
// more significant digits is at least 256, however long it is.
int altValue(const QString &digits)
{
    qsizetype start = 0;
    while (start < digits.size() && digits.at(start) == QLatin1Char('0'))
        ++start;
    const QString significant = digits.mid(start);
    if (significant.size() > 3)
        return 1000;
    return significant.isEmpty() ? 0 : significant.toInt();
}
} // namespace

TerminalScreen::Key TerminalScreen::keyOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey == Qt::Key_Alt)
        return {Key::Alt};
    if (qtKey == Qt::Key_F10)
        return {Key::F10};
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (modifiers & Qt::KeypadModifier) ? Key{Key::Digit, qtKey - Qt::Key_0} : Key{};
    static const int NavigationDigits[][2] = {
        {Qt::Key_Insert, 0}, {Qt::Key_End, 1},   {Qt::Key_Down, 2},  {Qt::Key_PageDown, 3}, {Qt::Key_Left, 4},
        {Qt::Key_Clear, 5},  {Qt::Key_Right, 6}, {Qt::Key_Home, 7},  {Qt::Key_Up, 8},       {Qt::Key_PageUp, 9},
    };
    for (const auto &navigation : NavigationDigits) {
        if (qtKey == navigation[0])
            return {Key::Digit, navigation[1]};
    }
    return {};
}

QString TerminalScreen::Cell::text() const
{
    return hex() ? hexText(code) : QString(QChar(char16_t(code)));
}

TerminalScreen::TerminalScreen(bool composedCharacterFollowsAltCode)
    : m_composedCharacterFollows(composedCharacterFollowsAltCode)
{
}

bool TerminalScreen::platformComposesAltCodes()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

QString TerminalScreen::hexText(int code)
{
    return QStringLiteral("%1").arg(code & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

void TerminalScreen::reset()
{
    m_connected = false;
    m_altUpIgnored = false;
    m_peakQueuedBytes = 0;
    m_bytesDrawn = 0;
    clearScreen();
}

TerminalScreen::Cell TerminalScreen::cell(int column, int line) const
{
    if (column < 1 || column > Columns || line < 1 || line > Lines)
        return {};
    return m_cells[size_t((line - 1) * Columns + (column - 1))];
}

void TerminalScreen::clearCells()
{
    m_cells.fill(Cell{});
    m_damage = {true, -1, -1};
}

void TerminalScreen::wrapIfLineFull()
{
    if (m_column < Columns + 1)
        return;
    m_column = 1;
    ++m_line;
    if (m_line > Lines) {
        clearCells();
        m_line = 1;
        m_column = 1;
    }
}

void TerminalScreen::drawCell(quint8 code, int line, int column, bool asHex)
{
    if (column < 1 || column > Columns || line < 1 || line > Lines)
        return;
    const int index = (line - 1) * Columns + (column - 1);
    m_cells[size_t(index)] = Cell{true, m_ink, asHex, code};
    if (!m_damage.whole) {
        if (m_damage.first < 0 || index < m_damage.first)
            m_damage.first = index;
        if (index > m_damage.last)
            m_damage.last = index;
    }
}

void TerminalScreen::drawNow(quint8 code, Ink ink)
{
    m_ink = ink;
    wrapIfLineFull();
    drawCell(code, m_line, m_column, !isGlyph(code));
    ++m_column;
    ++m_bytesDrawn;
}

void TerminalScreen::drawByte(quint8 code, Ink ink)
{
    if (m_queue.isEmpty()) {
        drawNow(code, ink);
        return;
    }
    if (m_queue.last().ink == ink)
        m_queue.last().bytes.append(char(code));
    else
        m_queue.append({QByteArray(1, char(code)), ink});
    ++m_queuedBytes;
    m_peakQueuedBytes = qMax(m_peakQueuedBytes, m_queuedBytes);
}

void TerminalScreen::showReceived(const QByteArray &text)
{
    queueReceived(text);
    drawQueued(m_queuedBytes);
}

void TerminalScreen::queueReceived(const QByteArray &text)
{
    queue(text, Received);
}

void TerminalScreen::queueSent(const QByteArray &text)
{
    queue(text, Sent);
}

void TerminalScreen::queue(const QByteArray &text, Ink ink)
{
    if (text.isEmpty())
        return;
    // Each arrival keeps its own segment: appending to a large waiting one
    // would copy it again for every arrival.
    m_queue.append({text, ink});
    m_queuedBytes += text.size();
    m_peakQueuedBytes = qMax(m_peakQueuedBytes, m_queuedBytes);
}

qint64 TerminalScreen::drawQueued(qint64 maxBytes)
{
    qint64 drawn = 0;
    while (!m_queue.isEmpty() && drawn < maxBytes) {
        const Segment &segment = m_queue.first();
        const qsizetype available = segment.bytes.size() - m_queueOffset;
        const qsizetype take = qsizetype(qMin<qint64>(available, maxBytes - drawn));
        const char *bytes = segment.bytes.constData() + m_queueOffset;
        for (qsizetype i = 0; i < take; ++i)
            drawNow(quint8(bytes[i]), segment.ink);
        drawn += take;
        m_queueOffset += take;
        if (m_queueOffset == segment.bytes.size()) {
            m_queue.removeFirst();
            m_queueOffset = 0;
        }
    }
    m_queuedBytes -= drawn;
    return drawn;
}

TerminalScreen::Damage TerminalScreen::takeDamage()
{
    const Damage damage = m_damage;
    m_damage = {};
    return damage;
}

TerminalScreen::KeyResult TerminalScreen::sendByte(quint8 code)
{
    drawByte(code, Sent);
    return {true, QByteArray(1, char(code))};
}

TerminalScreen::KeyResult TerminalScreen::keyDown(Key key)
{
    if (!m_connected)
        return {};
    if (key.kind == Key::Alt) {
        m_altUpIgnored = false;
        // Every repeat of the Alt key-down starts the composition afresh.
        m_altHeld = true;
        m_altDigits.clear();
        return {true, {}};
    }
    if (m_altHeld) {
        if (key.kind == Key::Digit)
            m_altDigits.append(QChar(char16_t('0' + key.digit)));
        return {true, {}};
    }
    if (key.kind == Key::F10)
        return sendByte(0);
    return {};
}

TerminalScreen::KeyResult TerminalScreen::character(int code)
{
    if (!m_connected || code < 0 || code > 255)
        return {};
    if (m_skipNextCharacter) {
        m_skipNextCharacter = false;
        return {true, {}};
    }
    return sendByte(quint8(code));
}

TerminalScreen::KeyResult TerminalScreen::keyUp(Key key)
{
    if (key.kind != Key::Alt)
        return {};
    m_altHeld = false;
    if (m_altUpIgnored) {
        m_altUpIgnored = false;
        return {};
    }
    if (!m_connected)
        return {};
    const int value = altValue(m_altDigits);
    if (value >= 256)
        return {true, {}};
    KeyResult result = sendByte(quint8(value));
    if (m_composedCharacterFollows)
        m_skipNextCharacter = true;
    return result;
}

void TerminalScreen::abandonComposition()
{
    m_altHeld = false;
    m_altDigits.clear();
    m_altUpIgnored = true;
}

void TerminalScreen::clearScreen()
{
    m_altHeld = false;
    m_skipNextCharacter = false;
    m_altDigits.clear();
    m_line = 1;
    m_column = 1;
    // Bytes still waiting to be drawn came before the click: drawn at once,
    // they would have been cleared with the rest.
    m_queue.clear();
    m_queueOffset = 0;
    m_queuedBytes = 0;
    clearCells();
}
