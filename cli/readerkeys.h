#pragma once

#include "readersettings.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The reader's settings by name, as zavctl reads and writes them: the keys,
// words and checks of settings::table().
namespace readerkeys {

// One reader's settings as key/value text, in the order of settings::keys(),
// option codes as their words (a code that matches no word as received). The
// client-send-id key is left out for readers without that setting.
QList<QPair<QString, QString>> fromReader(const ReaderSettings &reader);

// One KEY=VALUE change, its value already checked and turned into what is
// sent (a code for option keys).
struct Change { QString key; QByteArray value; };

// Parses and checks KEY=VALUE. False with a one-line refusal: an unknown or
// read-only key, or a value the "Set  Parameters" checks refuse (their own
// words), an unknown option word, or an identifier that is longer than 20
// characters, not Latin-1, or holds ':' or a control character; *change is
// then left as it was.
bool parseChange(const QString &argument, Change *change, QString *refusal);

// The reader's settings with the changes applied: what a run writes.
ReaderSettings applyChanges(const ReaderSettings &reader, const QList<Change> &changes);

// A change the reader has no setting for (client-send-id on firmware
// "02.00"), or empty.
QString changeRefusal(const ReaderSettings &reader, const QList<Change> &changes);

// The refusal of a whole setting run for one reader, or empty: changeRefusal,
// then the "Set  Parameters" checks of the run (a current setting of the
// reader that would be written back may fail them too), then a current
// option code of the reader that is no code at all.
QString runRefusal(const ReaderSettings &reader, const QList<Change> &changes, const ReaderSettings &values);

} // namespace readerkeys
