// KEY=VALUE as zavctl's set takes it (from its command line or a column of a
// CSV) on arbitrary text: a refusal says why and gives no change; an accepted
// change is of a settable key, an option key takes one of its codes, and the
// setting run written with it holds whole command lines only: each keyword,
// the argument and one CR at the end, no CR or LF inside, so no value can
// add a command of its own.
#include "readerkeys.h"
#include "settingrun.h"

#include <cstdint>

// Last: its check() would clash with a name in the Qt headers.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString argument = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    readerkeys::Change change{QStringLiteral("untouched"), QByteArray("untouched")};
    QString refusal;
    if (!readerkeys::parseChange(argument, &change, &refusal)) {
        check(!refusal.isEmpty());
        check(change.key == u"untouched" && change.value == "untouched");
        return 0;
    }
    check(refusal.isEmpty());
    check(settings::settableKeys().contains(change.key));
    check(argument.startsWith(change.key + QLatin1Char('=')));
    const settings::Setting &setting = *settings::find(change.key);
    if (!setting.choices.isEmpty())
        check(settings::choiceOf(setting, change.value) >= 0);
    for (const char c : change.value)
        check(c != '\r' && c != '\n' && c != '\0');

    // A reader with every setting valid, and the run written to it.
    static const ReaderSettings stat = ReaderSettings::fromStatReply(
        "ZAVTCP:0050C2000001:READER:02.10:10.0.0.9:57:87:10.0.0.1:10.0.0.2:4000:1:5:0:x:255.255.255.0:53002:y:1:1:\r");
    const ReaderSettings values = readerkeys::applyChanges(stat, {change});
    if (!readerkeys::runRefusal(stat, {change}, values).isEmpty())
        return 0;
    // What apply sends: the change alone, or nothing when the reader holds it.
    const QList<SettingCommand> changes = changeRun(stat, values);
    check(changes.size() <= 1);
    check(changes.isEmpty() == settings::sameAsHeld(setting, stat.value(change.key), change.value));
    bool sent = false;
    for (const SettingCommand &command : settingRun(values)) {
        const QByteArray line = command.line();
        check(line.endsWith('\r') && line.count('\r') == 1 && !line.contains('\n'));
        sent = sent || command.argument == change.value;
    }
    check(sent);
    return 0;
}
