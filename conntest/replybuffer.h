#pragma once

#include <QByteArray>

// The reply buffer of the Server and Client Connect windows' control
// connection. The login waits for it to hold exactly "OK" CR; whatever the
// reader sends later on that connection is kept there and never shown.
//
// A buffer longer than the three bytes of the acknowledgement can no longer
// become "OK" CR until it is emptied before the next command, so keeping only
// its first Limit bytes changes no outcome, while a reader that
// keeps sending on its control port can no longer grow it without bound.
namespace replybuffer {

constexpr qsizetype Limit = 64;

// Appends the chunk, keeping at most Limit bytes.
void append(QByteArray &buffer, const QByteArray &chunk);

} // namespace replybuffer
