// The download messages, the acknowledgement test with its bounded reply
// buffer (and when a download gives up on a reply), and the image length
// check, fed arbitrary bytes.
//
// Input: byte 0 picks the block count of an announce (with byte 1 as a sign
// of a negative or oversized count), the next eight bytes a file length, and
// the rest is cut into reply chunks by length bytes; the same rest, cut or
// padded to 1024 bytes, is a block body.
#include "downloadmessage.h"
#include "firmwareimage.h"
#include "replybuffer.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
void require(bool condition)
{
    if (!condition)
        abort();
}

void checkAnnounce(int count)
{
    const QByteArray message = downloadMessage::announce(count);
    if (count < 1 || count > 255) {
        require(message.isEmpty());
        return;
    }
    require(message.size() == 1025);
    require(message.at(0) == 'A');
    require(quint8(message.at(1)) == count);
    for (int i = 2; i < message.size(); ++i)
        require(message.at(i) == ' ');
}

void checkBlock(const QByteArray &body)
{
    const QByteArray message = downloadMessage::block(body);
    if (body.size() != 1024) {
        require(message.isEmpty());
        return;
    }
    require(message.size() == 1025);
    require(message.at(0) == 'B');
    require(std::memcmp(message.constData() + 1, body.constData(), 1024) == 0);
}

void checkLength(qint64 length)
{
    const FirmwareImage::Check check = FirmwareImage::checkLength(length);
    const bool usable = length >= 1024 && length <= 255 * 1024 && length % 1024 == 0;
    require((check == FirmwareImage::Usable) == usable);
    require(FirmwareImage::refusal(check, QStringLiteral("/image.bin"), length).isEmpty() == usable);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    int count = data[0];
    if (size > 1 && data[1] == 0xFF)
        count = -count;
    else if (size > 1 && data[1] == 0xFE)
        count += 256;
    checkAnnounce(count);

    qint64 length = 0;
    for (size_t i = 1; i < 9 && i < size; ++i)
        length = (length << 8) | data[i];
    checkLength(length);

    const QByteArray rest = size > 9 ? QByteArray(reinterpret_cast<const char *>(data + 9), qsizetype(size - 9))
                                     : QByteArray();
    checkBlock(rest);
    checkBlock(rest.left(1024).leftJustified(1024, '\0'));

    // Reply chunks: a length byte, then that many bytes. The buffer must
    // accept exactly the replies whose whole is three bytes starting "OK",
    // and never hold more than four bytes.
    ReplyBuffer buffer(downloadMessage::ReplyLimit);
    QByteArray whole;
    for (qsizetype at = 0; at < rest.size();) {
        const int chunkLength = quint8(rest.at(at));
        const QByteArray chunk = rest.mid(at + 1, chunkLength);
        at += 1 + chunkLength;
        buffer.append(chunk);
        whole += chunk;
        require(buffer.bytes().size() <= 4);
        const bool expected = whole.size() == 3 && whole.startsWith("OK");
        require(downloadMessage::isAcknowledgement(buffer.bytes()) == expected);
        require(downloadMessage::isAcknowledgement(whole) == expected);
        // A download gives up on a reply at once exactly when no later bytes
        // could make it an acknowledgement.
        const bool givenUp = buffer.overlong() || !downloadMessage::mayBecomeAcknowledgement(buffer.bytes());
        const bool completable = whole.size() < 3
            && downloadMessage::isAcknowledgement(whole + QByteArrayLiteral("OK\r").mid(whole.size()));
        require(expected || givenUp == !completable);
    }

    require(downloadMessage::restart() == QByteArray("D") + QByteArray(1024, ' '));
    return 0;
}
