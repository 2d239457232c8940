#include "identifyreply.h"

#include "addresschecks.h"

namespace {
// The text of bytes cut or padded with blanks to exactly 'width' characters.
QString column(const QByteArray &field, int width)
{
    return QString::fromLatin1(field.left(width)).leftJustified(width, QLatin1Char(' '));
}

// The MAC column: the field padded to 20, its first 12 characters as six pairs
// separated by single blanks, then 5 blanks (22 characters in all).
QString macColumn(const QByteArray &mac)
{
    const QString padded = column(mac, 20);
    QString text;
    text.reserve(22);
    for (int pair = 0; pair < 6; ++pair) {
        if (pair > 0)
            text += QLatin1Char(' ');
        text += padded.mid(pair * 2, 2);
    }
    return text + QString(5, QLatin1Char(' '));
}

// Columns 'first' to 'last' (counted from 1) of a line, without blanks at either end.
QString columns(const QString &line, int first, int last)
{
    return trimBlanks(line.mid(first - 1, last - first + 1));
}
} // namespace

IdentifyReply parseIdentifyReply(const QByteArray &reply)
{
    IdentifyReplyWalk walk(reply.size());
    walk.add(reply);
    return walk.fields();
}

void IdentifyReplyWalk::add(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_bytesSeen += bytes.size();
    m_lastByte = bytes.back();
    QByteArray *const order[] = {&m_fields.address, &m_fields.mac, &m_fields.identification,
                                 &m_fields.controlPort};
    for (qsizetype i = 0; i < bytes.size() && !m_ended; ++i) {
        const char c = bytes.at(i);
        if (c == '\r') {
            m_ended = true;
        } else if (c == ':') {
            m_ended = ++m_index == 4;
        } else if (order[m_index]->size() < m_keep) {
            order[m_index]->append(c);
        }
    }
}

QString identifyListLine(const IdentifyReply &reply)
{
    return column(reply.address, 20) + macColumn(reply.mac) + column(reply.identification, 25)
           + column(reply.controlPort, 5);
}

QString wideAreaListLine(const IdentifyReply &reply)
{
    return column(reply.address, 20) + macColumn(reply.mac) + column(reply.identification, 20);
}

QString addressFromListLine(const QString &line)
{
    return columns(line, 1, 15);
}

QString controlPortFromListLine(const QString &line)
{
    return columns(line, 68, 72);
}
