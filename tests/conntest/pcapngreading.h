#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtEndian>

// Reads back what the capture writes, independently of the writer: the
// blocks of a pcapng file and the IPv4, TCP and UDP headers of its packets,
// each checksum checked. And Debian's tshark, where it is installed.
namespace pcapngreading {

struct Packet {
    qint64 microseconds = 0;
    quint32 source = 0;
    quint32 destination = 0;
    bool tcp = false;
    quint16 sourcePort = 0;
    quint16 destinationPort = 0;
    quint32 sequence = 0;
    quint32 acknowledgement = 0;
    quint8 flags = 0;
    QByteArray payload;
};

inline quint32 big32(const char *p)
{
    return qFromBigEndian<quint32>(p);
}
inline quint16 big16(const char *p)
{
    return qFromBigEndian<quint16>(p);
}
inline quint32 little32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

// The one's complement sum over the bytes, folded: 0xFFFF when the
// checksum inside them is right.
inline quint16 foldedSum(const QByteArray &bytes)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        sum += big16(bytes.constData() + i);
    if (bytes.size() % 2)
        sum += quint32(quint8(bytes.back())) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(sum);
}

// The packets, or an error naming the first thing that is wrong.
inline QList<Packet> read(const QByteArray &file, QString *error)
{
    QList<Packet> packets;
    auto fail = [&](const QString &what) {
        *error = what;
        return QList<Packet>();
    };
    qsizetype at = 0;
    bool interfaceSeen = false;
    while (at < file.size()) {
        if (file.size() - at < 12)
            return fail(QStringLiteral("truncated block at %1").arg(at));
        const quint32 type = little32(file.constData() + at);
        const quint32 length = little32(file.constData() + at + 4);
        if (length % 4 || length < 12 || at + length > file.size()
            || little32(file.constData() + at + length - 4) != length)
            return fail(QStringLiteral("bad block length at %1").arg(at));
        const char *body = file.constData() + at + 8;
        if (at == 0 && (type != 0x0A0D0D0A || little32(body) != 0x1A2B3C4D))
            return fail(QStringLiteral("no section header"));
        if (type == 1) {
            if (qFromLittleEndian<quint16>(body) != 101)
                return fail(QStringLiteral("link type is not raw IPv4"));
            interfaceSeen = true;
        } else if (type == 6) {
            if (!interfaceSeen || little32(body) != 0)
                return fail(QStringLiteral("packet before its interface"));
            Packet packet;
            packet.microseconds = qint64(quint64(little32(body + 4)) << 32 | little32(body + 8));
            const quint32 captured = little32(body + 12);
            if (captured != little32(body + 16) || 20 + captured > length - 12)
                return fail(QStringLiteral("packet cut short"));
            const QByteArray ip(body + 20, captured);
            const int headerLength = (quint8(ip.at(0)) & 0x0F) * 4;
            if (quint8(ip.at(0)) >> 4 != 4 || big16(ip.constData() + 2) != captured
                || foldedSum(ip.left(headerLength)) != 0xFFFF)
                return fail(QStringLiteral("bad IPv4 header"));
            packet.source = big32(ip.constData() + 12);
            packet.destination = big32(ip.constData() + 16);
            packet.tcp = ip.at(9) == 6;
            const QByteArray segment = ip.mid(headerLength);
            QByteArray pseudo(12, '\0');
            qToBigEndian(packet.source, pseudo.data());
            qToBigEndian(packet.destination, pseudo.data() + 4);
            pseudo[9] = ip.at(9);
            qToBigEndian(quint16(segment.size()), pseudo.data() + 10);
            if (foldedSum(pseudo + segment) != 0xFFFF)
                return fail(QStringLiteral("bad %1 checksum").arg(packet.tcp ? "TCP" : "UDP"));
            packet.sourcePort = big16(segment.constData());
            packet.destinationPort = big16(segment.constData() + 2);
            if (packet.tcp) {
                packet.sequence = big32(segment.constData() + 4);
                packet.acknowledgement = big32(segment.constData() + 8);
                packet.flags = quint8(segment.at(13));
                packet.payload = segment.mid((quint8(segment.at(12)) >> 4) * 4);
            } else {
                if (big16(segment.constData() + 4) != segment.size())
                    return fail(QStringLiteral("bad UDP length"));
                packet.payload = segment.mid(8);
            }
            packets.append(packet);
        }
        at += length;
    }
    return packets;
}

// tshark's path, or empty when it is not installed.
inline QString tshark()
{
    return QStandardPaths::findExecutable(QStringLiteral("tshark"));
}

// Runs tshark with the arguments; its standard output, and what it said on
// standard error beyond the note it always gives when run as root.
inline QString runTshark(const QStringList &arguments, QString *complaints)
{
    QProcess process;
    process.start(tshark(), arguments);
    process.waitForFinished(60000);
    QStringList said;
    for (const QString &line : QString::fromLocal8Bit(process.readAllStandardError()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.contains(QLatin1String("This could be dangerous")))
            said << line;
    }
    if (process.exitCode() != 0)
        said << QStringLiteral("exit status %1").arg(process.exitCode());
    *complaints = said.join(QLatin1Char('\n'));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The bytes of each end from "-z follow,PROTOCOL,raw,N": node 0's lines
// start at the margin, node 1's after a tab.
inline QList<QByteArray> followedBytes(const QString &output)
{
    QList<QByteArray> nodes(2);
    bool inData = false;
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Node 1:"))) {
            inData = true;
            continue;
        }
        if (!inData || line.startsWith(QLatin1Char('=')) || line.trimmed().isEmpty())
            continue;
        nodes[line.startsWith(QLatin1Char('\t')) ? 1 : 0] += QByteArray::fromHex(line.trimmed().toLatin1());
    }
    return nodes;
}

} // namespace pcapngreading
