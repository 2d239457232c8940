#pragma once

#include "readersettings.h"

#include <QByteArray>
#include <QString>

// The checks of "Set  Parameters" as plain functions, with the window's own
// refusal texts (settings::table()), so that every front end refuses the
// same settings in the same words. Addresses must be numeric dotted addresses
// and ports whole numbers from 1 to 65535: what the reader can use, not merely
// what the loose field checks let through.
namespace settingchecks {

// Where a value comes from. A value that is exactly what the reader itself
// reported is written back after the plain field checks only (an address
// passes looksLikeAddress, a port isNotBlank): a reader in server mode may well
// report server port "0", and must stay settable without anyone touching that
// setting. Every other value must be one the reader can use.
enum class Origin { Given, Reported };

// The refusal text for one value of a setting (a code for option settings,
// always checked strictly; for the identifier zavctl's rule), or an empty
// string when the value can be written.
QString valueRefusal(const settings::Setting &setting, const QByteArray &value, Origin origin = Origin::Given);

// The first refusal of a whole setting run in the window's order, or an empty
// string: the addresses, the ports and the option settings that must be
// chosen. A value equal to the same setting of 'reported' (what the reader's
// last STAT reply gave, when known) counts as reported. The identifier, the
// new password, the data-password and the client-send-id codes are not
// checked here, as in the window.
QString runRefusal(const ReaderSettings &values, const ReaderSettings *reported = nullptr);

// The password must be exactly five characters with no blank at either end,
// each one byte on the wire: it is sent as typed (also a new password, which
// the next login must be able to send).
QString passwordRefusal(const QString &password);

// The window's texts, for front ends that report them (English source
// texts: the windows show them translated).
inline const QString InvalidAddress = QStringLiteral(QT_TRANSLATE_NOOP("ReaderSettings", "Invalid IP Address"));
inline const QString InvalidControlPort = QStringLiteral(QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Control Port Number"));
inline const QString InvalidPassword =
    QStringLiteral(QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Password (must be 5 characters)"));

} // namespace settingchecks
