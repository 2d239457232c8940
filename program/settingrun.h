#pragma once

#include <QByteArray>
#include <QList>

// One command of a setting run: keyword and argument; line() adds the CR.
struct SettingCommand
{
    QByteArray keyword;
    QByteArray argument;
    QByteArray line() const;
};

// What a setting run writes: the texts of the settings panels as typed and
// the option codes already taken from the check boxes (codes::codeFromChecks).
struct SettingValues
{
    QByteArray address;
    QByteArray dataPort;        // tcp
    QByteArray udpPort;
    QByteArray controlPort;
    QByteArray subnetMask;
    QByteArray gateway;
    QByteArray serverAddress;
    QByteArray serverPort;
    QByteArray identifier;      // may be empty
    QByteArray newPassword;     // as typed
    QByteArray modecode;
    QByteArray cidcode;
    QByteArray speedcode;
    QByteArray dhcpcode;
    QByteArray dpasscode;
    QByteArray firmware;        // decides whether "CID" is sent
};

// The setting commands in the order the reader is written: CIP, DPT, UDPP,
// CPT, CSN, GTW, SIP, SPRT, IDENT, MODE, CID (not for firmware "02.00"),
// SPEED, DHCP, DPASS, and NEWPASS last, only when the new password is not
// blank. Arguments go out unchanged; NEWPASS is padded to five characters.
QList<SettingCommand> settingRun(const SettingValues &values);
