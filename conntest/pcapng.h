#pragma once

#include "trafficlog.h"

#include <QByteArray>

#include <map>
#include <tuple>

// A data link's chunks as a capture that Wireshark opens: a pcapng file with
// one interface of raw IPv4 packets and microsecond times. Each chunk
// becomes packets between the real addresses and ports of both ends, with
// the chunk's time and its bytes unaltered: UDP one datagram per packet;
// TCP one stream per connection, opened by a handshake written before its
// first data (from the end that opened it), with sequence and acknowledgement
// numbers that follow the bytes written, so "Follow TCP Stream" shows both
// directions in order. A chunk larger than one packet holds is split.
class PcapngWriter
{
public:
    // Payload that fits one IPv4 packet of at most 65535 bytes.
    static constexpr int MaxTcpPayload = 65535 - 20 - 20;
    static constexpr int MaxUdpPayload = 65535 - 20 - 8;

    // The section header and the interface description, once at the start.
    static QByteArray header();
    // The packets of one chunk, as enhanced packet blocks.
    QByteArray packets(const TrafficChunk &chunk);

private:
    struct Stream {
        quint32 localNext = 0;   // the next sequence number of each end
        quint32 peerNext = 0;
    };
    using StreamKey = std::tuple<quint32, quint32, quint16, quint32, quint16>;

    QByteArray packet(qint64 microseconds, const TrafficRoute &route, bool fromLocal, quint8 flags, quint32 sequence,
                      quint32 acknowledgement, const char *payload, int size);
    Stream &streamOf(const TrafficChunk &chunk, QByteArray &out);

    std::map<StreamKey, Stream> m_streams;
    quint16 m_identification = 0;
};
