#include "pcapng.h"

#include "version.h"

#include <QtEndian>

namespace {
constexpr quint32 SectionHeaderBlock = 0x0A0D0D0A;
constexpr quint32 InterfaceBlock = 1;
constexpr quint32 EnhancedPacketBlock = 6;
constexpr quint16 RawIPv4 = 101;      // LINKTYPE_RAW: each packet starts with its IPv4 header
constexpr quint16 ApplicationOption = 4;

constexpr quint8 Syn = 0x02, Push = 0x08, Ack = 0x10;
// The handshake offers a window scale of 2^14, so that the window stays open
// over any amount of data that one side sends without an answer.
constexpr quint8 WindowShift = 14;

template <typename T>
void appendLittle(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

template <typename T>
void appendBig(QByteArray &out, T value)
{
    const T big = qToBigEndian(value);
    out.append(reinterpret_cast<const char *>(&big), sizeof big);
}

void padTo32Bits(QByteArray &out)
{
    while (out.size() % 4 != 0)
        out.append('\0');
}

// A block: type, total length, body (padded), total length again.
QByteArray block(quint32 type, const QByteArray &body)
{
    QByteArray padded = body;
    padTo32Bits(padded);
    QByteArray out;
    const quint32 total = quint32(padded.size() + 12);
    appendLittle<quint32>(out, type);
    appendLittle<quint32>(out, total);
    out += padded;
    appendLittle<quint32>(out, total);
    return out;
}

// The Internet checksum of the bytes, added to 'sum' (one's complement).
quint32 addToChecksum(quint32 sum, const char *data, int size)
{
    const auto *bytes = reinterpret_cast<const quint8 *>(data);
    int i = 0;
    for (; i + 1 < size; i += 2)
        sum += quint32(bytes[i]) << 8 | bytes[i + 1];
    if (i < size)
        sum += quint32(bytes[i]) << 8;
    return sum;
}

quint16 finishChecksum(quint32 sum)
{
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(~sum);
}

void setBig16(QByteArray &out, int at, quint16 value)
{
    out[at] = char(value >> 8);
    out[at + 1] = char(value & 0xFF);
}
} // namespace

QByteArray PcapngWriter::header()
{
    QByteArray section;
    appendLittle<quint32>(section, 0x1A2B3C4D);   // byte-order magic
    appendLittle<quint16>(section, 1);            // version 1.0
    appendLittle<quint16>(section, 0);
    appendLittle<quint32>(section, 0xFFFFFFFF);   // section length: not given
    appendLittle<quint32>(section, 0xFFFFFFFF);
    const QByteArray application = QByteArrayLiteral("zav-utility ") + version::Full.toLatin1();
    appendLittle<quint16>(section, ApplicationOption);
    appendLittle<quint16>(section, quint16(application.size()));
    section += application;
    padTo32Bits(section);
    appendLittle<quint32>(section, 0);            // end of options

    QByteArray interface;
    appendLittle<quint16>(interface, RawIPv4);
    appendLittle<quint16>(interface, 0);
    appendLittle<quint32>(interface, 0);          // no snapshot limit
    return block(SectionHeaderBlock, section) + block(InterfaceBlock, interface);
}

QByteArray PcapngWriter::packet(qint64 microseconds, const TrafficRoute &route, bool fromLocal, quint8 flags,
                                quint32 sequence, quint32 acknowledgement, const char *payload, int size)
{
    const bool tcp = route.transport == TrafficRoute::Tcp;
    const quint32 source = fromLocal ? route.localAddress : route.peerAddress;
    const quint32 destination = fromLocal ? route.peerAddress : route.localAddress;
    const quint16 sourcePort = fromLocal ? route.localPort : route.peerPort;
    const quint16 destinationPort = fromLocal ? route.peerPort : route.localPort;
    const bool synchronize = flags & Syn;

    QByteArray transport;
    appendBig<quint16>(transport, sourcePort);
    appendBig<quint16>(transport, destinationPort);
    if (tcp) {
        appendBig<quint32>(transport, sequence);
        appendBig<quint32>(transport, acknowledgement);
        transport.append(char((synchronize ? 7 : 5) << 4));   // header length in 32-bit words
        transport.append(char(flags));
        appendBig<quint16>(transport, 0xFFFF);                         // window
        appendBig<quint16>(transport, 0);                              // checksum, below
        appendBig<quint16>(transport, 0);                              // urgent pointer
        if (synchronize) {
            // The largest segment each end takes, then no-op and window scale.
            transport.append("\x02\x04", 2);
            appendBig<quint16>(transport, PcapngWriter::MaxTcpPayload);
            transport.append("\x01\x03\x03", 3).append(char(WindowShift));
        }
    } else {
        appendBig<quint16>(transport, quint16(8 + size));
        appendBig<quint16>(transport, 0);
    }
    const int transportLength = int(transport.size()) + size;

    // The checksum covers a pseudo header of addresses, protocol and length.
    quint32 sum = 0;
    QByteArray pseudo;
    appendBig<quint32>(pseudo, source);
    appendBig<quint32>(pseudo, destination);
    appendBig<quint16>(pseudo, tcp ? 6 : 17);
    appendBig<quint16>(pseudo, quint16(transportLength));
    sum = addToChecksum(sum, pseudo.constData(), int(pseudo.size()));
    // Both headers have an even length, so the payload's words line up.
    sum = addToChecksum(sum, transport.constData(), int(transport.size()));
    sum = addToChecksum(sum, payload, size);
    quint16 checksum = finishChecksum(sum);
    if (!tcp && checksum == 0)
        checksum = 0xFFFF;
    setBig16(transport, tcp ? 16 : 6, checksum);

    QByteArray ip;
    ip.append(char(0x45));                 // version 4, 20-byte header
    ip.append('\0');
    appendBig<quint16>(ip, quint16(20 + transportLength));
    appendBig<quint16>(ip, m_identification++);
    appendBig<quint16>(ip, 0x4000);               // don't fragment
    ip.append(char(64));                   // time to live
    ip.append(char(tcp ? 6 : 17));
    appendBig<quint16>(ip, 0);
    appendBig<quint32>(ip, source);
    appendBig<quint32>(ip, destination);
    setBig16(ip, 10, finishChecksum(addToChecksum(0, ip.constData(), int(ip.size()))));

    const quint32 length = quint32(20 + transportLength);
    QByteArray body;
    body.reserve(int(20 + length + 3));
    appendLittle<quint32>(body, 0);               // interface 0
    const quint64 time = quint64(qMax<qint64>(microseconds, 0));
    appendLittle<quint32>(body, quint32(time >> 32));
    appendLittle<quint32>(body, quint32(time & 0xFFFFFFFF));
    appendLittle<quint32>(body, length);
    appendLittle<quint32>(body, length);
    body += ip;
    body += transport;
    body.append(payload, size);
    return block(EnhancedPacketBlock, body);
}

PcapngWriter::Stream &PcapngWriter::streamOf(const TrafficChunk &chunk, QByteArray &out)
{
    const TrafficRoute &r = chunk.route;
    const StreamKey key{r.connection, r.localAddress, r.localPort, r.peerAddress, r.peerPort};
    const auto found = m_streams.find(key);
    if (found != m_streams.end())
        return found->second;
    // A stream first seen here opens with a handshake at the time of its
    // first chunk, from the end that opened the connection.
    Stream stream;
    const quint32 localStart = 0x10000000u + r.connection * 0x01000193u;
    const quint32 peerStart = 0x60000000u + r.connection * 0x0100019Du;
    const bool local = r.localOpened;
    const quint32 openerStart = local ? localStart : peerStart;
    const quint32 answererStart = local ? peerStart : localStart;
    const qint64 time = chunk.microsecondsSinceEpoch;
    out += packet(time, r, local, Syn, openerStart, 0, nullptr, 0);
    out += packet(time, r, !local, Syn | Ack, answererStart, openerStart + 1, nullptr, 0);
    out += packet(time, r, local, Ack, openerStart + 1, answererStart + 1, nullptr, 0);
    stream.localNext = localStart + 1;
    stream.peerNext = peerStart + 1;
    return m_streams.emplace(key, stream).first->second;
}

QByteArray PcapngWriter::packets(const TrafficChunk &chunk)
{
    QByteArray out;
    const bool fromLocal = chunk.direction == TrafficChunk::Sent;
    const bool tcp = chunk.route.transport == TrafficRoute::Tcp;
    const int most = tcp ? MaxTcpPayload : MaxUdpPayload;
    Stream *stream = tcp ? &streamOf(chunk, out) : nullptr;
    qsizetype at = 0;
    do {
        const int size = int(qMin<qsizetype>(most, chunk.bytes.size() - at));
        const char *payload = chunk.bytes.constData() + at;
        if (tcp) {
            quint32 &own = fromLocal ? stream->localNext : stream->peerNext;
            const quint32 other = fromLocal ? stream->peerNext : stream->localNext;
            out += packet(chunk.microsecondsSinceEpoch, chunk.route, fromLocal, Push | Ack, own, other, payload, size);
            own += quint32(size);
        } else {
            out += packet(chunk.microsecondsSinceEpoch, chunk.route, fromLocal, 0, 0, 0, payload, size);
        }
        at += size;
    } while (at < chunk.bytes.size());
    return out;
}
