#pragma once

#include <QByteArray>
#include <QString>


// The checks of addresses and passwords as typed, and the field splitter,
// that the windows and zavctl share.

// The text without blanks (spaces) at either end; tabs and other characters stay.
QString trimBlanks(const QString &text);
// The number at the start of an address group: leading blanks skipped, then
// decimal digits up to the first other character. Reading stops once the value is above 255, so any text gives a
// value from 0 to 2559 and nothing overflows.
int leadingNumber(const QString &group);
// A dotted address in the loose sense the windows accept: exactly three dots, groups of
// at most three characters whose leading number is at most 255, no empty group
// after the last dot. "a.b.c.d" and ".1.2.3" pass.
bool looksLikeAddress(const QString &text);
// Strictly a numeric dotted address: four groups of one to three digits, each
// at most 255, and nothing else (no blanks, signs or letters). What a reader
// can take as an address and a socket can reach without a name lookup.
bool isNumericAddress(const QString &text);
// The text holds something besides blanks.
bool isNotBlank(const QString &text);
// The text, without blanks at either end, is exactly five characters.
bool isFiveCharacters(const QString &text);
// The field that starts at position (counted from 1) up to the next ':'; the
// position moves past the ':'. Past the end it returns empty text.
QByteArray nextField(const QByteArray &text, int &position);
QString nextField(const QString &text, int &position);

