#pragma once

#include <QByteArray>

// The messages of the reader's download port (TCP 53005). Every message is
// exactly 1025 bytes: one command letter and a 1024-byte body; the fixed
// length is the only framing on the stream.
namespace DownloadMessage {
constexpr int DownloadPort = 53005;
constexpr int BlockSize = 1024;
constexpr int MessageSize = 1 + BlockSize;
constexpr int MaxBlocks = 255;

// "A", the block count in one byte, 1023 spaces. A count outside 1..255 gives
// an empty array: such an image cannot be announced.
QByteArray announce(int blockCount);
// "B" and the 1024 image bytes unchanged. A body of any other length gives an
// empty array: a block is always full.
QByteArray block(const QByteArray &body);
// "D" and 1024 spaces: the reader restarts with the new firmware.
QByteArray restart();

// The reader's answer to an announce or a block: exactly three bytes, the
// first two "OK" (upper case); the third is not examined.
bool isAcknowledgement(const QByteArray &reply);

// Appends a received chunk to a reply buffer that is waiting for a short
// answer. Once the buffer holds more than an acknowledgement can, it can never
// become one again until it is emptied, so further bytes are dropped: a
// chattering peer cannot grow it without bound.
void appendReply(QByteArray &buffer, const QByteArray &chunk);
} // namespace DownloadMessage
