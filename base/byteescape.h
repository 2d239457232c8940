#pragma once

#include <QByteArray>
#include <QString>

// Bytes as one line of text for messages, logs and captures: printable ASCII
// as it is, \r \n \t and \\ as C escapes, every other byte as \xHH (upper-case
// hex), so that any byte value reads back unambiguously.
QString escapedBytes(const QByteArray &bytes);
