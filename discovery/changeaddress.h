#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The change-address message: a reader whose MAC address matches restarts
// with the new IP address. One UDP datagram of exactly 30 bytes to the group
// every reader listens on: "RPG", the 12 MAC characters, and the new address
// padded on the right with blanks to 15 characters.
namespace changeaddress {
constexpr int MessageLength = 30;
constexpr int MacLength = 12;
constexpr int AddressLength = 15;
} // namespace changeaddress

// The 12 MAC characters of a local search list line: the six pairs at columns
// 21-22, 24-25, 27-28, 30-31, 33-34 and 36-37. A line too short to hold a pair
// gives blanks in its place, so the result always has 12 characters.
QByteArray macFromListLine(const QString &line);

// A MAC address as a technician writes it: 12 hex digits, with ':', '-',
// '.' or blanks allowed anywhere between them. The 12 digits as written, or
// nothing for any other text.
std::optional<QByteArray> macFromText(const QString &text);

// "RPG" + MAC + address padded with blanks. The result is exactly 30 bytes
// whatever the arguments: a MAC is cut or blank-padded to 12, an address to 15.
QByteArray changeAddressMessage(const QByteArray &mac, const QString &newAddress);
