#include "settingrun.h"

#include "commandlanguage.h"
#include "addresschecks.h"

QByteArray SettingCommand::line() const
{
    return control::commandLine(keyword, argument);
}

QList<SettingCommand> settingRun(const SettingValues &values)
{
    QList<SettingCommand> run{
        {"CIP", values.address},
        {"DPT", values.dataPort},
        {"UDPP", values.udpPort},
        {"CPT", values.controlPort},
        {"CSN", values.subnetMask},
        {"GTW", values.gateway},
        {"SIP", values.serverAddress},
        {"SPRT", values.serverPort},
        {"IDENT", values.identifier},
        {"MODE", values.modecode},
    };
    if (control::hasClientSendId(values.firmware))
        run.append({"CID", values.cidcode});
    run.append({"SPEED", values.speedcode});
    run.append({"DHCP", values.dhcpcode});
    run.append({"DPASS", values.dpasscode});
    if (isNotBlank(QString::fromLatin1(values.newPassword)))
        run.append({"NEWPASS", control::newPasswordArgument(values.newPassword)});
    return run;
}
