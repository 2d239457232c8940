#pragma once

#include <QByteArray>

// What a window keeps of the replies on one reader connection until it
// empties the buffer before its next command. Only the first limit() bytes
// are kept: a reader that keeps sending cannot grow it without bound. A
// buffer that had to drop bytes is overlong until it is cleared, and an
// overlong buffer holds no complete reply of any kind.
class ReplyBuffer
{
public:
    explicit ReplyBuffer(qsizetype limit) : m_limit(limit) {}

    // Appends the chunk, or as much of it as fits.
    void append(const QByteArray &chunk);
    void clear();

    const QByteArray &bytes() const { return m_bytes; }
    qsizetype limit() const { return m_limit; }
    bool overlong() const { return m_overlong; }
    qsizetype capacity() const { return m_bytes.capacity(); }

    // The buffer holds exactly the control port's acknowledgement and
    // nothing was dropped.
    bool holdsAcknowledgement() const { return !m_overlong && isAcknowledgement(m_bytes); }

    // The control port's acknowledgement: exactly the three bytes "OK" CR.
    // "OK" alone, "OK" CR LF, other case, or anything before or after it is none.
    static bool isAcknowledgement(const QByteArray &bytes);

private:
    QByteArray m_bytes;
    qsizetype m_limit;
    bool m_overlong = false;
};
