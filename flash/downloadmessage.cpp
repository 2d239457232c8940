#include "downloadmessage.h"

namespace {
constexpr char Space = ' ';
} // namespace

QByteArray DownloadMessage::announce(int blockCount)
{
    if (blockCount < 1 || blockCount > MaxBlocks)
        return {};
    QByteArray message(MessageSize, Space);
    message[0] = 'A';
    message[1] = char(quint8(blockCount));
    return message;
}

QByteArray DownloadMessage::block(const QByteArray &body)
{
    if (body.size() != BlockSize)
        return {};
    QByteArray message;
    message.reserve(MessageSize);
    message.append('B');
    message.append(body);
    return message;
}

QByteArray DownloadMessage::restart()
{
    QByteArray message(MessageSize, Space);
    message[0] = 'D';
    return message;
}

bool DownloadMessage::isAcknowledgement(const QByteArray &reply)
{
    return reply.size() == 3 && reply.startsWith("OK");
}

bool DownloadMessage::mayBecomeAcknowledgement(const QByteArray &reply)
{
    return reply.size() < 3 && QByteArrayLiteral("OK").startsWith(reply);
}
