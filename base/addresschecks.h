#pragma once

#include "waits.h"

#include <QByteArray>
#include <QString>

class QObject;
class ReplyBuffer;
class SocketControl;

// The shared checks, the field splitter and the bounded waits that every
// window uses.

// The text without blanks (spaces) at either end; tabs and other characters stay.
QString trimBlanks(const QString &text);
// The number at the start of an address group: leading blanks skipped, then
// decimal digits up to the first other character. Reading stops once the value is above 255, so any text gives a
// value from 0 to 2559 and nothing overflows.
int leadingNumber(const QString &group);
// A dotted address in the loose sense the windows accept: exactly three dots, groups of
// at most three characters whose leading number is at most 255, no empty group
// after the last dot. "a.b.c.d" and ".1.2.3" pass.
bool isvalidip(const QString &text);
// Strictly a numeric dotted address: four groups of one to three digits, each
// at most 255, and nothing else (no blanks, signs or letters). What a reader
// can take as an address and a socket can reach without a name lookup.
bool isNumericAddress(const QString &text);
// The text holds something besides blanks.
bool isnotblank(const QString &text);
// The text, without blanks at either end, is exactly five characters.
bool isfivechars(const QString &text);
// The field that starts at position (counted from 1) up to the next ':'; the
// position moves past the ':'. Past the end it returns empty text.
QByteArray nextfield(const QByteArray &text, int &position);
QString nextfield(const QString &text, int &position);

// Starts socket.Connect() and looks every 100 ms whether it is connected;
// false at the 30th count (about 3 s). A connect that cannot even start (a bad
// port) gives false at once. Events keep running while it waits; false at once
// when owner (if given) or the socket is destroyed meanwhile.
bool waitconnect(SocketControl &socket, const QObject *owner = nullptr);
// Looks every 100 ms whether the buffer is exactly "OK" CR; false at the 30th
// count. Returns false at once when owner (if given) is destroyed meanwhile.
bool waitok(const QByteArray &replyBuffer, const QObject *owner = nullptr);
// The same for a capped buffer: an overlong one is never an acknowledgement.
bool waitok(const ReplyBuffer &replyBuffer, const QObject *owner = nullptr);
