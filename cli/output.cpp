#include "output.h"

#include "byteescape.h"
#include "csvfields.h"

namespace {
QString boolText(bool value, output::Format format)
{
    if (format == output::Format::Table)
        return value ? QStringLiteral("yes") : QStringLiteral("no");
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}

bool isRecord(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<output::Record>();
}

bool isNull(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<std::nullptr_t>();
}

QStringList keysOf(const output::Record &record)
{
    QStringList keys;
    for (const auto &member : record)
        keys.append(member.first);
    return keys;
}
} // namespace

void output::setValue(Record &record, const QString &key, const QVariant &value)
{
    for (auto &member : record) {
        if (member.first == key) {
            member.second = value;
            return;
        }
    }
    record.append({key, value});
}

bool output::parseFormat(const QString &text, Format *format)
{
    if (text == u"table")
        *format = Format::Table;
    else if (text == u"json")
        *format = Format::Json;
    else if (text == u"csv")
        *format = Format::Csv;
    else
        return false;
    return true;
}

QString output::jsonString(const QString &text)
{
    QString json;
    json.reserve(text.size() + 2);
    json += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': json += QLatin1String("\\\""); break;
        case '\\': json += QLatin1String("\\\\"); break;
        case '\n': json += QLatin1String("\\n"); break;
        case '\r': json += QLatin1String("\\r"); break;
        case '\t': json += QLatin1String("\\t"); break;
        default:
            if (isControl(c.unicode()))
                json += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                json += c;
        }
    }
    json += QLatin1Char('"');
    return json;
}

QString output::jsonObject(const Record &record)
{
    QStringList members;
    for (const auto &[key, value] : record) {
        if (!value.isValid())
            continue;
        QString text;
        if (value.typeId() == QMetaType::Bool) {
            text = boolText(value.toBool(), Format::Json);
        } else if (isRecord(value)) {
            text = jsonObject(value.value<Record>());
        } else if (isNull(value)) {
            text = QStringLiteral("null");
        } else if (value.typeId() == QMetaType::QStringList) {
            QStringList items;
            for (const QString &item : value.toStringList())
                items.append(jsonString(item));
            text = QLatin1Char('[') + items.join(QLatin1String(", ")) + QLatin1Char(']');
        } else {
            text = jsonString(value.toString());
        }
        members.append(jsonString(key) + QLatin1String(": ") + text);
    }
    return QLatin1Char('{') + members.join(QLatin1String(", ")) + QLatin1Char('}');
}

QString output::tableCell(const QString &text)
{
    QString cell;
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            cell += escapedBytes(QByteArray(1, char(c.unicode())));
        else
            cell += c;
    }
    return cell;
}

output::Writer::Writer(Format format, const QStringList &columns, Sink sink)
    : m_format(format), m_columns(columns), m_sink(std::move(sink))
{
}

output::Record output::Writer::inColumnOrder(const Record &record) const
{
    Record ordered;
    for (const QString &column : m_columns) {
        for (const auto &member : record) {
            if (member.first == column)
                ordered.append(member);
        }
    }
    return ordered;
}

QString output::Writer::cell(const Record &record, const QString &column) const
{
    for (const auto &[key, value] : record) {
        if (key != column)
            continue;
        if (value.typeId() == QMetaType::Bool)
            return boolText(value.toBool(), m_format);
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QLatin1Char(' '));
        if (isRecord(value))
            return keysOf(value.value<Record>()).join(QLatin1Char(' '));
        if (isNull(value))
            return QString();
        return value.toString();
    }
    return {};
}

void output::Writer::add(const Record &record)
{
    if (m_finished)
        return;
    switch (m_format) {
    case Format::Table:
        m_table.append(record);
        return;
    case Format::Csv: {
        QString text;
        if (m_written == 0)
            text += csvLine(m_columns);
        QStringList fields;
        for (const QString &column : std::as_const(m_columns))
            fields.append(cellWithoutLoss(cell(record, column)));
        text += csvLine(fields);
        m_sink(text.toUtf8());
        break;
    }
    case Format::Json:
        // Each object is written once the next one (or the end) says whether
        // a comma follows, so that standard output only ever gets whole lines.
        if (m_written == 0)
            m_sink(QByteArrayLiteral("[\n"));
        else
            m_sink(m_pendingJson + ",\n");
        m_pendingJson = "  " + jsonObject(inColumnOrder(record)).toUtf8();
        break;
    }
    ++m_written;
}

void output::Writer::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    switch (m_format) {
    case Format::Csv:
        if (m_written == 0)
            m_sink(csvLine(m_columns).toUtf8());
        return;
    case Format::Json:
        m_sink(m_written == 0 ? QByteArrayLiteral("[]\n") : m_pendingJson + "\n]\n");
        return;
    case Format::Table:
        break;
    }

    QList<QStringList> rows;
    QStringList heading;
    for (const QString &column : std::as_const(m_columns))
        heading.append(column.toUpper());
    rows.append(heading);
    for (const Record &record : std::as_const(m_table)) {
        QStringList row;
        for (const QString &column : std::as_const(m_columns))
            row.append(tableCell(cell(record, column)));
        rows.append(row);
    }
    QList<qsizetype> widths(m_columns.size(), 0);
    for (const QStringList &row : std::as_const(rows)) {
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = qMax(widths.at(i), row.at(i).size());
    }
    QString text;
    for (const QStringList &row : std::as_const(rows)) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += i + 1 < row.size() ? row.at(i).leftJustified(widths.at(i) + 2) : row.at(i);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    m_sink(text.toUtf8());
}

QByteArray output::render(Format format, const QStringList &columns, const QList<Record> &records)
{
    QByteArray all;
    Writer writer(format, columns, [&all](const QByteArray &bytes) { all += bytes; });
    for (const Record &record : records)
        writer.add(record);
    writer.finish();
    return all;
}
