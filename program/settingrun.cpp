#include "settingrun.h"

#include "addresschecks.h"
#include "commandlanguage.h"

namespace {
void appendNewPassword(QList<SettingCommand> *run, const QByteArray &newPassword)
{
    if (isNotBlank(QString::fromLatin1(newPassword)))
        run->append({"NEWPASS", control::newPasswordArgument(newPassword)});
}

// The rows a run may write to a reader of that firmware gate, in run order.
template <class Write>
void forEachWritable(bool hasClientSendId, Write write)
{
    for (const settings::Setting &setting : settings::table()) {
        if (!setting.readOnly() && (!setting.needsClientSendIdFirmware || hasClientSendId))
            write(setting);
    }
}
} // namespace

QByteArray SettingCommand::line() const
{
    return control::commandLine(keyword, argument);
}

QList<SettingCommand> settingRun(const ReaderSettings &values, const QByteArray &newPassword)
{
    QList<SettingCommand> run;
    forEachWritable(values.hasClientSendId(), [&](const settings::Setting &setting) {
        if (values.contains(setting.row()))
            run.append({setting.keyword, values.value(setting.row())});
    });
    appendNewPassword(&run, newPassword);
    return run;
}

QList<SettingCommand> changeRun(const ReaderSettings &reader, const ReaderSettings &wanted,
                                const QByteArray &newPassword)
{
    QList<SettingCommand> run;
    forEachWritable(reader.hasClientSendId(), [&](const settings::Setting &setting) {
        const int row = setting.row();
        if (wanted.contains(row) && !settings::sameAsHeld(setting, reader.value(row), wanted.value(row)))
            run.append({setting.keyword, wanted.value(row)});
    });
    appendNewPassword(&run, newPassword);
    return run;
}
