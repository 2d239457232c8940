#pragma once

#include <QByteArray>

// The reader's control-port command language: one command is one line of
// keyword, argument and a single carriage return; the reader accepts a command
// with exactly "OK" CR and answers "STAT" with one line of ':'-ended fields
// (ReaderSettings::fromStatReply).

namespace control {
inline constexpr char CarriageReturn = '\r';
// The most a window keeps of one reply. A STAT reply is a few hundred bytes;
// a reader that sends more than this without its carriage return (or keeps on
// sending) is broken: the bytes beyond are read and dropped, and the reply
// counts as overlong, which nothing accepts. A buffer this long can never be
// "OK" CR either, so the limit changes no acknowledgement.
inline constexpr qsizetype ReplyLimit = 64 * 1024;
// The firmware version whose readers have no client-send-id setting.
inline const QByteArray FirmwareWithoutClientSendId = QByteArrayLiteral("02.00");

// keyword + argument + CR, with nothing in between and no line feed.
QByteArray commandLine(const QByteArray &keyword, const QByteArray &argument = QByteArray());
// The login line: "PASS" + the password exactly as typed + CR.
QByteArray loginLine(const QByteArray &password);

// True only for the three bytes "OK" CR: "OK" alone, "OK" CR LF, or anything
// before or after it is no acknowledgement (ReplyBuffer::isAcknowledgement).
bool isAcknowledgement(const QByteArray &replyBuffer);
// True while more bytes could still make the buffer "OK" CR (the empty buffer,
// "O", "OK"); false once no later bytes can.
bool mayBecomeAcknowledgement(const QByteArray &replyBuffer);
// A STAT reply is complete once the buffer is not empty and its last byte is CR.
bool isCompleteStatReply(const QByteArray &replyBuffer);

// Stricter checks for what the Program Reader window and zavctl write into a
// reader. The window's field checks accept more (pasted text bypasses the key
// filters); writing such text would leave the reader with a setting it cannot
// use, so it is refused before anything is sent. Both are the typed values of
// base (portFromText, readerAddressFromText) with one more rule: a value is
// sent as typed, so it may have no blanks at either end either.
bool isPortNumber(const QByteArray &text);
bool isDottedAddress(const QByteArray &text);

// Readers reporting exactly "02.00" have no STAT field 19 and are never sent
// "CID"; every other text (empty included) has and is.
bool hasClientSendId(const QByteArray &firmware);

// The argument of "NEWPASS": the first five characters of the text followed by
// four blanks, so shorter passwords are padded on the right and nothing is trimmed.
QByteArray newPasswordArgument(const QByteArray &typed);
} // namespace control
