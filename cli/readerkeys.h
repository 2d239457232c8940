#pragma once

#include "settingrun.h"
#include "statreply.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The reader's settings by name, as zavctl reads and writes them: the
// STAT fields under stable keys, with the option codes as words.
namespace readerkeys {

// Every key of "get", in output order.
const QStringList &allKeys();
// The keys "set" accepts (all but mac and firmware).
const QStringList &settableKeys();

// The words of an option key and the codes they stand for; empty for a key
// that is no option.
struct Choice { QString word; QByteArray code; };
QList<Choice> choices(const QString &key);
// The word of a code, or the code as received when it matches no word.
QString wordForCode(const QString &key, const QByteArray &code);

// One reader's settings as key/value text, in allKeys() order. The
// client-send-id key is left out for readers without that setting.
QList<QPair<QString, QString>> fromStat(const StatReply &stat);

// One KEY=VALUE change, its value already checked and turned into what is
// sent (a code for option keys).
struct Change { QString key; QByteArray value; };

// Parses and checks KEY=VALUE. False with a one-line refusal: an unknown or
// read-only key, or a value the "Set  Parameters" checks refuse (their own
// words), an unknown option word, or an identifier that is longer than 20
// characters, not Latin-1, or holds ':' or a control character; *change is
// then left as it was.
bool parseChange(const QString &argument, Change *change, QString *refusal);

// The setting values a run writes: the reader's current ones from its STAT
// reply, with the changes applied; newPassword empty for none.
SettingValues applyChanges(const StatReply &stat, const QList<Change> &changes, const QByteArray &newPassword);

// The refusal for one reader, or empty: a change the reader has no setting
// for (client-send-id on firmware "02.00"), then the "Set  Parameters"
// checks of the whole run (a current setting of the reader that would be
// written back may fail them too).
QString runRefusal(const StatReply &stat, const QList<Change> &changes, const SettingValues &values);

} // namespace readerkeys
