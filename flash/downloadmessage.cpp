#include "downloadmessage.h"

namespace {
constexpr char Space = ' ';
} // namespace

QByteArray downloadMessage::announce(int blockCount)
{
    if (blockCount < 1 || blockCount > MaxBlocks)
        return {};
    QByteArray message(MessageSize, Space);
    message[0] = 'A';
    message[1] = char(quint8(blockCount));
    return message;
}

QByteArray downloadMessage::block(const QByteArray &body)
{
    if (body.size() != defaults::DownloadBlockSize)
        return {};
    QByteArray message;
    message.reserve(MessageSize);
    message.append('B');
    message.append(body);
    return message;
}

QByteArray downloadMessage::restart()
{
    QByteArray message(MessageSize, Space);
    message[0] = 'D';
    return message;
}

bool downloadMessage::isAcknowledgement(const QByteArray &reply)
{
    return reply.size() == 3 && reply.startsWith("OK");
}

bool downloadMessage::mayBecomeAcknowledgement(const QByteArray &reply)
{
    return reply.size() < 3 && QByteArrayLiteral("OK").startsWith(reply);
}
