#include "settingsfile.h"

#include "addresschecks.h"
#include "csvfields.h"

#include <QCoreApplication>

namespace {
const QString Reader = QStringLiteral("reader");
const QString Ok = QStringLiteral("ok");
const QString Error = QStringLiteral("error");
} // namespace

QStringList settingsfile::columns()
{
    return QStringList{Reader, Ok} + settings::keys() + QStringList{Error};
}

QStringList settingsfile::cells(const QString &reader, const ReaderSettings &held)
{
    QStringList line{reader, QStringLiteral("true")};
    for (const QString &key : settings::keys())
        line.append(held.contains(key) ? settings::text(*settings::find(key), held.value(key)) : QString());
    line.append(QString());
    return line;
}

QString settingsfile::text(const QString &reader, const ReaderSettings &held)
{
    QStringList line;
    for (const QString &cell : cells(reader, held))
        line.append(cellWithoutLoss(cell));
    return csvLine(columns()) + csvLine(line);
}

settingsfile::Contents settingsfile::read(const QByteArray &bytes)
{
    Contents contents;
    int unclosedAt = 0;
    const QList<CsvRecord> records = csvRecords(QString::fromUtf8(bytes), &unclosedAt);
    if (unclosedAt > 0) {
        contents.refusal = QCoreApplication::translate("SettingsFile", "line %1: a quoted field is not closed").arg(unclosedAt);
        return contents;
    }
    if (records.isEmpty()) {
        contents.refusal = QCoreApplication::translate("SettingsFile", "the file is empty");
        return contents;
    }

    // The header: which column holds which setting.
    const QStringList headings = csvRecordFields(records.first().text);
    QList<const settings::Setting *> settingOf;
    int readerColumn = -1;
    bool anySetting = false;
    for (int column = 0; column < headings.size(); ++column) {
        const QString heading = trimBlanks(headings.at(column));
        const settings::Setting *setting = settings::find(heading);
        settingOf.append(setting);
        anySetting = anySetting || setting;
        if (heading == Reader && readerColumn < 0)
            readerColumn = column;
        else if (!setting && heading != Reader && heading != Ok && heading != Error && !heading.isEmpty())
            contents.ignoredColumns.append(heading);
    }
    if (!anySetting) {
        contents.refusal = QCoreApplication::translate("SettingsFile", "its first line names no setting (the columns are those of zavctl get: %1)")
                               .arg(columns().join(QLatin1String(", ")));
        return contents;
    }

    for (qsizetype r = 1; r < records.size(); ++r) {
        const QStringList fields = csvRecordFields(records.at(r).text);
        Row row;
        row.line = records.at(r).line;
        bool anyValue = false;
        for (int column = 0; column < headings.size(); ++column) {
            const QString cell = inertCellText(fields.value(column));
            if (column == readerColumn)
                row.reader = trimBlanks(cell);
            const settings::Setting *setting = settingOf.at(column);
            if (!setting)
                continue;
            anyValue = anyValue || !cell.isEmpty();
            const std::optional<QByteArray> code = settings::codeForWord(*setting, cell);
            const QByteArray value = code ? *code : cell.toLatin1();
            if (QString::fromLatin1(value) != cell && !code)
                row.notLatin1.append(setting->key);
            row.settings.set(setting->key, value);
        }
        if (anyValue)
            contents.rows.append(row);
    }
    if (contents.rows.isEmpty())
        contents.refusal = QCoreApplication::translate("SettingsFile", "it holds no reader's settings");
    return contents;
}
