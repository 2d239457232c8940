#pragma once

#include "readersettings.h"

#include <QByteArray>
#include <QList>

// One command of a setting run: keyword and argument; line() adds the CR.
struct SettingCommand
{
    QByteArray keyword;
    QByteArray argument;
    QByteArray line() const;
};

// The setting run: one command for each writable setting that 'values'
// holds, in the order of settings::table() (CIP, DPT, UDPP, CPT, CSN, GTW,
// SIP, SPRT, IDENT, MODE, CID, SPEED, DHCP, DPASS), without CID when the
// values' firmware is "02.00"; then NEWPASS, only when the new password is
// not blank. Arguments go out unchanged; NEWPASS is padded to five characters.
QList<SettingCommand> settingRun(const ReaderSettings &values, const QByteArray &newPassword = QByteArray());

// Only what differs: the commands of the settings that 'wanted' holds and the
// reader does not already hold (settings::sameAsHeld), in the same order and
// under the same firmware gate (the reader's), then NEWPASS as above.
QList<SettingCommand> changeRun(const ReaderSettings &reader, const ReaderSettings &wanted,
                                const QByteArray &newPassword = QByteArray());
