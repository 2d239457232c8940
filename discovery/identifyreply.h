#pragma once

#include "defaults.h"

#include <QByteArray>
#include <QString>

// The identify exchange: a reader answers "ZAVIDENTIFY" with its address, MAC
// address, identification and control port, separated by ':' and ended by a
// carriage return. The local search asks by multicast, the wide-area search
// over TCP on the reader's control port.
namespace identify {
// One UDP datagram of exactly these 11 bytes: no terminator.
inline const QByteArray Request = QByteArrayLiteral("ZAVIDENTIFY");
// Over TCP the request ends with a carriage return (12 bytes).
inline const QByteArray TcpRequest = QByteArrayLiteral("ZAVIDENTIFY\r");
// The group and port every reader listens on, and the group the replies go to.
inline const QString RequestGroup = QStringLiteral("224.1.2.3");
inline const QString ReplyGroup = QStringLiteral("224.1.2.4");
constexpr int Port = defaults::IdentifyPort;
constexpr int MulticastTtl = 5;

// Width of a line of the local search list and of the wide-area list.
constexpr int LocalLineWidth = 72;
constexpr int WideAreaLineWidth = 62;
} // namespace identify

// The fields of one identify reply; a field the reply does not have is empty.
struct IdentifyReply
{
    QByteArray address;         // field 1: dotted IPv4 address as the reader reports it
    QByteArray mac;             // field 2: 12 hex characters, no separators
    QByteArray identification;  // field 3: free text
    QByteArray controlPort;     // field 4: decimal (absent in the TCP reply)
};

// Walks a reply into its fields: each ':' ends a field, a carriage return
// anywhere ends the reply, and a ':' after the fourth field ends the walk.
// Any byte sequence is accepted; missing fields stay empty.
IdentifyReply parseIdentifyReply(const QByteArray &reply);

// The same walk over a reply that arrives in pieces (the TCP identify). Keeps
// at most 'keepPerField' bytes of each field and nothing after the walk has
// ended, so a reader that sends megabytes costs a few bytes of memory; the
// list lines show no more than ShownFieldBytes of any field, so with that
// limit the line is the same as for the whole reply.
class IdentifyReplyWalk
{
public:
    static constexpr int ShownFieldBytes = 25;

    explicit IdentifyReplyWalk(qsizetype keepPerField = ShownFieldBytes) : m_keep(keepPerField) {}

    void add(const QByteArray &bytes);
    const IdentifyReply &fields() const { return m_fields; }
    // True when the last byte received so far is a carriage return.
    bool endsWithCarriageReturn() const { return m_lastByte == '\r'; }
    qint64 bytesSeen() const { return m_bytesSeen; }

private:
    IdentifyReply m_fields;
    qsizetype m_keep;
    int m_index = 0;
    bool m_ended = false;
    char m_lastByte = 0;
    qint64 m_bytesSeen = 0;
};

// The 72-column line of the local search list: address in columns 1-20, the
// MAC as six blank-separated pairs plus 5 blanks in 21-42, identification in
// 43-67 and control port in 68-72; each field cut or padded with blanks.
QString identifyListLine(const IdentifyReply &reply);
// The 62-column line of the wide-area list: address, MAC as above, and the
// identification in columns 43-62.
QString wideAreaListLine(const IdentifyReply &reply);

// The reader address of a list line: columns 1-15 without blanks at either end.
QString addressFromListLine(const QString &line);
// The control port of a local search list line: columns 68-72 without blanks
// at either end (empty for a reply that had no port).
QString controlPortFromListLine(const QString &line);
