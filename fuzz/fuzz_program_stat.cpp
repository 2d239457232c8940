// The settings of a STAT reply and the setting run built from them, on
// arbitrary replies: every setting comes from its field of the ':'-separated
// reply as nextField walks it (the table's field), the client-send-id field
// only for firmware other than "02.00", and the run written back sends
// exactly the settings it was given, in table order.
#include "commandlanguage.h"
#include "fuzzcheck.h"
#include "addresschecks.h"
#include "readersettings.h"
#include "settingrun.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), qsizetype(size));
    const ReaderSettings stat = ReaderSettings::fromStatReply(reply);

    // The fields as nextField gives them one after another from position 1.
    QByteArrayList fields{QByteArray()};
    int position = 1;
    for (int i = 1; i <= 19; ++i)
        fields.append(nextField(reply, position));
    const bool hasClientSendId = fields[4] != "02.00";
    check(stat.hasClientSendId() == hasClientSendId);
    for (const settings::Setting &setting : settings::table()) {
        const bool present = !setting.needsClientSendIdFirmware || hasClientSendId;
        check(stat.contains(setting.key) == present);
        check(stat.value(setting.key) == (present ? fields[setting.statField] : QByteArray()));
        check(!stat.value(setting.key).contains(':'));
        // A code field selects a box only when it is exactly that box's code.
        const int choice = settings::choiceOf(setting, stat.value(setting.key));
        check(choice == -1 || setting.choices.at(choice).code == stat.value(setting.key));
    }

    // Written back as they came, with the identifier as the new password.
    const QByteArray newPassword = stat.value(settings::Identifier).left(5);
    const QList<SettingCommand> run = settingRun(stat, newPassword);
    const bool sendsNewPassword = !trimBlanks(QString::fromLatin1(newPassword)).isEmpty();
    check(run.size() == 13 + (hasClientSendId ? 1 : 0) + (sendsNewPassword ? 1 : 0));
    int sent = 0;
    for (const settings::Setting &setting : settings::table()) {
        if (setting.readOnly() || !stat.contains(setting.key))
            continue;
        const SettingCommand &command = run.at(sent++);
        check(command.keyword == setting.keyword && command.argument == stat.value(setting.key));
        check(command.line() == command.keyword + command.argument + '\r');
    }
    if (sendsNewPassword) {
        const SettingCommand &last = run.constLast();
        check(last.keyword == "NEWPASS" && last.argument.size() == 5);
        check(last.argument.startsWith(newPassword));
    }
    // Nothing differs from itself.
    check(changeRun(stat, stat).isEmpty());
    return 0;
}
