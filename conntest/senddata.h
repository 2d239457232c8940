#pragma once

#include <QByteArray>
#include <QString>

// What a technician types as data to send: text with the escapes \r \n \t \\
// and \xHH, or hex pairs after "hex:" ("hex: 41 42 0D", blanks between pairs
// optional, the prefix in any case).
namespace senddata {

struct Parsed {
    bool ok = false;
    QByteArray bytes;
    int errorPosition = -1;   // counted from 1, in the text as typed ("hex:" included)
    QString error;            // says what is wrong there, for a message
};

// Text must be Latin-1 (one character, one byte); anything else is refused.
// Empty data is refused.
Parsed parse(const QString &text);

} // namespace senddata
