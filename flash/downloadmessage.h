#pragma once

#include "defaults.h"

#include <QByteArray>

// The messages of the reader's download port. Every message is one command
// letter and a body of one block; the fixed length is the only framing on
// the stream.
namespace downloadMessage {
constexpr int MessageSize = 1 + defaults::DownloadBlockSize;
// The block count travels in one byte.
constexpr int MaxBlocks = 255;

// "A", the block count in one byte, and spaces. A count outside 1..255 gives
// an empty array: such an image cannot be announced.
QByteArray announce(int blockCount);
// "B" and the block's image bytes unchanged. A body of any other length than
// a block gives an empty array: a block is always full.
QByteArray block(const QByteArray &body);
// "D" and spaces: the reader restarts with the new firmware.
QByteArray restart();

// The reader's answer to an announce or a block: exactly three bytes, the
// first two "OK" (upper case); the third is not examined.
bool isAcknowledgement(const QByteArray &reply);
// Whether more bytes could still make the reply an acknowledgement: fewer
// than three bytes, and those the start of "OK".
bool mayBecomeAcknowledgement(const QByteArray &reply);

// The most a reply buffer of the download window keeps: one byte more than
// an acknowledgement, so a buffer that ran over can never become one until it
// is emptied, and a chattering peer cannot grow it without bound.
constexpr qsizetype ReplyLimit = 4;
} // namespace downloadMessage
