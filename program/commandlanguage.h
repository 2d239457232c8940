#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>

// The reader's control-port command language: one command is one line of
// keyword, argument and a single carriage return; the reader accepts a command
// with exactly "OK" CR and answers "STAT" with one line of ':'-ended fields.

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

// Stricter checks for what the Program Reader window writes into a reader or
// connects to. Its field checks accept more (pasted text bypasses the key
// filters); writing such text would leave the reader with a setting it cannot
// use, so it is refused before anything is sent.
// A port: 1 to 5 digits and nothing else, from 1 to 65535.
bool isPortNumber(const QByteArray &text);
// An address: four groups of 1 to 3 digits, each at most 255, joined by
// dots, with no blanks or other characters.
bool isDottedAddress(const QByteArray &text);

// Readers reporting exactly "02.00" have no STAT field 19 and are never sent
// "CID"; every other text (empty included) has and is.
bool hasClientSendId(const QByteArray &firmware);

// The argument of "NEWPASS": the first five characters of the text followed by
// four blanks, so shorter passwords are padded on the right and nothing is trimmed.
QByteArray newPasswordArgument(const QByteArray &typed);
} // namespace control

// The one-character codes of the option groups, in the order of their check
// boxes: index i is the code of the i-th box of the group.
namespace codes {
inline const QByteArrayList Mode{"0", "1", "2"};                 // Server, Client, Udp
inline const QByteArrayList Speed{"1", "2", "3", "4", "5"};      // 10hd, 10fd, 100hd, 100fd, Auto
inline const QByteArrayList Dhcp{"1", "0"};                      // On, Off
inline const QByteArrayList DataPassword{"1", "0"};              // Yes, No
inline const QByteArrayList ClientSendId{"0", "1"};              // Off, On

// The box whose code the field is exactly (no trimming), or -1 when none is.
int boxForCode(const QByteArray &field, const QByteArrayList &groupCodes);
// The code of the last checked box (boxes tested in order, each checked box
// assigns), or 'previous' when none is checked.
QByteArray codeFromChecks(const QList<bool> &checked, const QByteArrayList &groupCodes,
                          const QByteArray &previous);
} // namespace codes
