#include "replybuffer.h"

void ReplyBuffer::append(const QByteArray &chunk)
{
    const qsizetype room = m_limit - m_bytes.size();
    if (chunk.size() > room)
        m_overlong = true;
    if (room > 0)
        m_bytes.append(chunk.constData(), qMin(room, chunk.size()));
}

void ReplyBuffer::clear()
{
    m_bytes.clear();
    m_overlong = false;
}

bool ReplyBuffer::isAcknowledgement(const QByteArray &bytes)
{
    return bytes == QByteArrayLiteral("OK\r");
}
