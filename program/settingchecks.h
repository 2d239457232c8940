#pragma once

#include "settingrun.h"

#include <QByteArray>
#include <QString>

// The checks of "Set  Parameters" as plain functions, with the window's own
// refusal texts, so that every front end refuses the same settings in the same
// words. Addresses must be numeric dotted addresses and ports whole numbers
// from 1 to 65535: what the reader can use, not merely what the loose field
// checks let through.
namespace settingchecks {

// The settings a setting run writes, in the order the window checks them.
enum class Field {
    Address,        // "Reader IP Address"
    DataPort,       // "Reader Data Port (tcp)"
    UdpPort,        // "Reader Data Port (udp)"
    ControlPort,    // "Reader Control Port"
    SubnetMask,     // "Reader Subnet Mask"
    Gateway,        // "Reader Gateway Address"
    ServerAddress,  // "Server Address"
    ServerPort,     // "Server Port"
    Mode,           // operating-mode code
    Speed,          // speed code
    Dhcp            // DHCP code
};

// Where a value comes from. A value that is exactly what the reader itself
// reported is written back after the plain field checks only (an address
// passes looksLikeAddress, a port isNotBlank): a reader in server mode may well
// report server port "0", and must stay settable without anyone touching that
// setting. Every other value must be one the reader can use.
enum class Origin { Given, Reported };

// The refusal text for one setting's value (a code for Mode, Speed and Dhcp,
// always checked strictly), or an empty string when the value can be written.
QString fieldRefusal(Field field, const QByteArray &value, Origin origin = Origin::Given);

// The first refusal of a whole setting run in the window's order, or an empty
// string. A value equal to the same setting of 'reported' (what the reader's
// last STAT reply gave, when known) counts as reported. The identifier, the
// new password, the data-password and the client-send-id codes are not
// checked here, as in the window.
QString settingsRefusal(const SettingValues &values, const SettingValues *reported = nullptr);

// The reader to talk to: its address, control port and current password, with
// the texts of the window's first checks. The password must be exactly five
// characters with no blank at either end: it is sent as typed.
QString readerRefusal(const QString &address, const QString &controlPort, const QString &password);
// The password part of readerRefusal (also for a new password, which the
// next login must be able to send as typed).
QString passwordRefusal(const QString &password);

// The window's texts, for front ends that report them.
inline const QString InvalidAddress = QStringLiteral("Invalid IP Address");
inline const QString InvalidControlPort = QStringLiteral("Invalid Control Port Number");
inline const QString InvalidPassword = QStringLiteral("Invalid Password (must be 5 characters)");

} // namespace settingchecks
