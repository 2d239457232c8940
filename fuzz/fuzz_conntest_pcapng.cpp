// The capture writer driven by arbitrary chunks: TCP or UDP, either
// direction, up to four connections opened by either end, sizes from empty to
// several packets' worth. The file is read back independently of the writer
// (every block, header and checksum) and must give, per stream and
// direction, exactly the bytes of the chunks, with TCP sequence numbers that
// follow each other without a gap.
#include "pcapng.h"
#include "pcapngreading.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <tuple>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    size = qMin<size_t>(size, 4096);
    size_t at = 0;
    auto next = [&]() -> int { return at < size ? data[at++] : 0; };
    PcapngWriter writer;
    QByteArray file = PcapngWriter::header();
    // Per stream (transport, connection, direction): the bytes written.
    std::map<std::tuple<bool, int, bool>, QByteArray> written;
    for (int chunks = 0; at < size && chunks < 32; ++chunks) {
        const int flags = next();
        const bool udp = flags & 1;
        const bool received = flags & 2;
        const int connection = 1 + ((flags >> 2) & 3);
        qsizetype length = next() | next() << 8;
        if (flags & 0x80)
            length *= 5;   // up to several of the largest packets
        TrafficChunk chunk;
        chunk.microsecondsSinceEpoch = 1765141872000000 + chunks * 1013;
        chunk.direction = received ? TrafficChunk::Received : TrafficChunk::Sent;
        chunk.bytes.resize(length);
        for (qsizetype i = 0; i < length; ++i)
            chunk.bytes[i] = char(at + i < size ? data[at + i] : i * 7);
        at += size_t(qMin<qsizetype>(length, qsizetype(size - at)));
        const bool localOpened = connection % 2 == 1;
        chunk.route = {udp ? TrafficRoute::Udp : TrafficRoute::Tcp, 0x7F000001, quint16(40000 + connection),
                       0x7F000007, 57, quint32(connection), localOpened};
        file += writer.packets(chunk);
        written[{udp, connection, !received}] += chunk.bytes;
    }

    QString error;
    const QList<pcapngreading::Packet> packets = pcapngreading::read(file, &error);
    if (!error.isEmpty())
        abort();
    std::map<std::tuple<bool, int, bool>, QByteArray> read;
    std::map<std::tuple<int, bool>, quint32> nextSequence;
    for (const pcapngreading::Packet &packet : packets) {
        const bool fromLocal = packet.source == 0x7F000001;
        const int connection = (fromLocal ? packet.sourcePort : packet.destinationPort) - 40000;
        if (packet.payload.size() > (packet.tcp ? PcapngWriter::MaxTcpPayload : PcapngWriter::MaxUdpPayload))
            abort();
        if (packet.tcp) {
            const auto end = std::make_tuple(connection, fromLocal);
            if (packet.flags & 0x02) {   // the handshake's SYN starts the count
                nextSequence[end] = packet.sequence + 1;
                continue;
            }
            if (!nextSequence.count(end) || packet.sequence != nextSequence[end])
                abort();
            nextSequence[end] += quint32(packet.payload.size());
        }
        read[{!packet.tcp, connection, fromLocal}] += packet.payload;
    }
    for (const auto &[stream, bytes] : written) {
        if (read[stream] != bytes)
            abort();
    }
    return 0;
}
