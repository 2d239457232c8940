#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// The results of a command on standard output, in one of three stable forms:
//  table  aligned columns under upper-case headings, for people; control
//         characters from a reader are shown as \xHH, never sent to the terminal;
//  json   one document: an array with one object per line of the table, keys
//         in column order (whatever order the record has them in), "ok" as true/false, a list as an array of strings,
//         a record inside a record as an object, absent values left out;
//  csv    a header line of the column keys, then one line per result, every
//         field safe to open in a spreadsheet and read back by zavctl as it
//         was; "ok" as true/false.
// In the table and the CSV a list is one cell, its items separated by spaces,
// and a record inside a record the same: its keys.
namespace output {

enum class Format { Table, Json, Csv };
bool parseFormat(const QString &text, Format *format);

// One result: keys with a text (QString), a list (QStringList), a truth
// value (bool), a record of its own (Record) or nothing (nullptr, null in
// JSON). A key the record lacks is empty in the table and the CSV and left
// out of the JSON.
using Record = QList<QPair<QString, QVariant>>;
// Gives the key its value: in its place when the record has it, else last.
void setValue(Record &record, const QString &key, const QVariant &value);

QString jsonString(const QString &text);
QString jsonObject(const Record &record);
// A table cell: control characters (C0, DEL, C1) escaped as escapedBytes
// writes them (\r, \n, \t, \xHH); other characters as they are.
QString tableCell(const QString &text);

// Writes results as they come (CSV and JSON) or all at once at the end (the
// table, whose column widths depend on every row).
class Writer
{
public:
    using Sink = std::function<void(const QByteArray &utf8)>;
    Writer(Format format, const QStringList &columns, Sink sink);

    void add(const Record &record);
    // Ends the document; also writes the header of a CSV without results and
    // the "[]" of an empty JSON array.
    void finish();

private:
    QString cell(const Record &record, const QString &column) const;
    // The record's keys in the order of the columns (a JSON object's order).
    Record inColumnOrder(const Record &record) const;

    Format m_format;
    QStringList m_columns;
    Sink m_sink;
    QList<Record> m_table;
    QByteArray m_pendingJson;
    int m_written = 0;
    bool m_finished = false;
};

// The whole output for a list of results, as the Writer gives it.
QByteArray render(Format format, const QStringList &columns, const QList<Record> &records);

} // namespace output
