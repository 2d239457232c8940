#pragma once

#include <QString>
#include <QtGlobal>

// The defaults that several windows and zavctl share: what a reader leaves
// the factory with, and the ports of its protocols.
namespace defaults {

// The reader's control port (settings, login, identify over TCP).
constexpr quint16 ControlPort = 87;
// The reader's data port, TCP and UDP.
constexpr quint16 DataPort = 57;
// Identify requests, replies and change of address travel as UDP on this port.
constexpr quint16 IdentifyPort = 53001;
// Firmware is loaded on this TCP port.
constexpr quint16 DownloadPort = 53005;
// Firmware travels on the download port in blocks of this many bytes.
constexpr int DownloadBlockSize = 1024;
// The address and control password a reader has when it leaves the factory.
inline const QString ReaderAddress = QStringLiteral("192.168.1.55");
inline const QString Password = QStringLiteral("58203");

} // namespace defaults
