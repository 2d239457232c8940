#include "csvfields.h"

#include <algorithm>

namespace {
bool startsFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == QLatin1Char('=') || first == QLatin1Char('+') || first == QLatin1Char('-')
           || first == QLatin1Char('@') || first == QLatin1Char('\t') || first == QLatin1Char('\r');
}

bool needsQuotes(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n')
            || c == QLatin1Char(';') || c == QLatin1Char('\t'))
            return true;
    }
    return false;
}
} // namespace

QString csvField(const QString &text)
{
    QString field = startsFormula(text) ? QLatin1Char('\'') + text : text;
    if (!needsQuotes(field))
        return field;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    // A line whose first field starts with '#' (after blanks) would be read
    // as a comment: quoted, it is not.
    if (!quoted.isEmpty() && !quoted.first().startsWith(QLatin1Char('"'))) {
        const QString &first = quoted.first();
        const auto start = std::find_if(first.cbegin(), first.cend(), [](QChar c) { return !c.isSpace(); });
        if (start != first.cend() && *start == QLatin1Char('#'))
            quoted.first() = QLatin1Char('"') + first + QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QString inertCellText(const QString &cell)
{
    if (cell.size() > 1 && cell.front() == QLatin1Char('\'') && QStringLiteral("=+-@\t\r'").contains(cell.at(1)))
        return cell.mid(1);
    return cell;
}

QString cellWithoutLoss(const QString &cell)
{
    return inertCellText(cell) != cell ? QLatin1Char('\'') + cell : cell;
}

QStringList csvRecordFields(const QString &record)
{
    if (!record.contains(QLatin1Char('"')))
        return record.split(QLatin1Char(','));
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < record.size() && record.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field);
    return fields;
}

QList<CsvRecord> csvRecords(const QString &text, int *unclosedAt)
{
    QList<CsvRecord> records;
    *unclosedAt = 0;
    int number = 1;
    // A spreadsheet's "CSV UTF-8" starts with a byte order mark.
    qsizetype i = text.startsWith(QChar(0xfeff)) ? 1 : 0;
    while (i < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), i);
        if (end < 0)
            end = text.size();
        const QString line = text.mid(i, end - i);
        // Blank and comment lines are skipped whole, quotes and all.
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#'))) {
            i = end + 1;
            ++number;
            continue;
        }
        const int first = number;
        // Most records are one line without quotes: taken whole.
        if (!line.contains(QLatin1Char('"'))) {
            records.append({first, line.endsWith(QLatin1Char('\r')) ? line.chopped(1) : line});
            i = end + 1;
            ++number;
            continue;
        }
        QString record;
        bool quoted = false;
        for (; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            if (c == QLatin1Char('\n')) {
                ++number;
                if (!quoted) {
                    ++i;
                    break;
                }
            }
            record += c;
        }
        if (quoted) {
            *unclosedAt = first;
            return records;
        }
        if (record.endsWith(QLatin1Char('\r')))
            record.chop(1);
        records.append({first, record});
    }
    return records;
}
