#include "readerkeys.h"

#include "settingchecks.h"

QList<QPair<QString, QString>> readerkeys::fromReader(const ReaderSettings &reader)
{
    QList<QPair<QString, QString>> fields;
    for (const QString &key : reader.keys())
        fields.append({key, settings::text(*settings::find(key), reader.value(key))});
    return fields;
}

bool readerkeys::parseChange(const QString &argument, Change *change, QString *refusal)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    const QString key = argument.left(equals);
    const QString value = equals < 0 ? QString() : argument.mid(equals + 1);
    const settings::Setting *setting = equals > 0 ? settings::find(key) : nullptr;
    if (!setting) {
        *refusal = QStringLiteral("unknown key \"%1\" (keys: %2)")
                       .arg(key, settings::settableKeys().join(QLatin1String(", ")));
        return false;
    }
    if (setting->readOnly()) {
        *refusal = QStringLiteral("%1 cannot be set").arg(key);
        return false;
    }
    if (!setting->choices.isEmpty()) {
        if (const std::optional<QByteArray> code = settings::codeForWord(*setting, value)) {
            *change = {key, *code};
            return true;
        }
        *refusal = setting->refusal + QStringLiteral(" (one of %1)").arg(settings::words(*setting, QStringLiteral(", ")));
        return false;
    }
    // The window's checks and words. A value that is not Latin-1 cannot be
    // sent and is refused the same way.
    const QByteArray bytes = value.toLatin1();
    QString why = settingchecks::valueRefusal(*setting, bytes);
    if (why.isEmpty() && QString::fromLatin1(bytes) != value)
        why = setting->refusal;
    if (!why.isEmpty()) {
        *refusal = why;
        return false;
    }
    *change = {key, bytes};
    return true;
}

ReaderSettings readerkeys::applyChanges(const ReaderSettings &reader, const QList<Change> &changes)
{
    ReaderSettings values = reader;
    for (const Change &change : changes)
        values.set(change.key, change.value);
    return values;
}

QString readerkeys::changeRefusal(const ReaderSettings &reader, const QList<Change> &changes)
{
    for (const Change &change : changes) {
        if (settings::find(change.key)->needsClientSendIdFirmware && !reader.hasClientSendId())
            return QStringLiteral("%1 cannot be set: firmware %2 has no such setting")
                .arg(change.key, QString::fromLatin1(reader.value(settings::Firmware)));
    }
    return {};
}

QString readerkeys::runRefusal(const ReaderSettings &reader, const QList<Change> &changes, const ReaderSettings &values)
{
    if (const QString refusal = changeRefusal(reader, changes); !refusal.isEmpty())
        return refusal;
    // As in the window: what the reader reported goes back after the plain
    // checks; a value given here must be one the reader can use.
    if (const QString refusal = settingchecks::runRefusal(values, &reader); !refusal.isEmpty())
        return refusal + QStringLiteral(" (the reader's current setting; give it with KEY=VALUE)");
    // The reader's current option codes that the window does not check go
    // back as they came; one that is no code at all would be written as received.
    for (const settings::Setting &setting : settings::table()) {
        if (setting.check != settings::Check::OptionalChoice || !values.contains(setting.key))
            continue;
        const QByteArray value = values.value(setting.key);
        if (settings::choiceOf(setting, value) < 0)
            return setting.refusal + QStringLiteral(" (the reader reports \"%1\"; give %2=%3)")
                                         .arg(QString::fromLatin1(value), setting.key,
                                              settings::words(setting, QStringLiteral("|")));
    }
    return {};
}
