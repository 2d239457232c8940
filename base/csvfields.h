#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// CSV fields and lines, safe to open in a spreadsheet: every field quoted when
// it holds a comma, quote, CR or LF (quotes doubled), and a field starting with
// = + - @ TAB or CR is made inert with a leading apostrophe. A semicolon or a
// tab anywhere also quotes the field, for spreadsheets that split at those.
QString csvField(const QString &text);
// Fields joined with ',' and ended by "\r\n". A first field that starts with
// '#' (after blanks) is quoted, so that the line is not read as a comment.
QString csvLine(const QStringList &fields);

// Reading CSV back (zavctl's standard input, Program Reader's settings files).

// One CSV record and the number of the line it starts on.
struct CsvRecord {
    int line = 0;
    QString text;
};
// The records of a CSV text, without blank lines and lines starting with '#'
// and without a byte order mark at the start: a record ends at a line end (LF
// or CR LF) outside quotes. *unclosedAt is the line of a record whose quote is
// never closed (0: none); the records before it are given.
QList<CsvRecord> csvRecords(const QString &text, int *unclosedAt);
// The fields of one CSV record (RFC 4180 quoting; a quoted field may hold
// commas, doubled quotes and line ends).
QStringList csvRecordFields(const QString &record);

// A cell as it was before csvField made it inert: without the apostrophe put
// before = + - @ TAB CR, or before an apostrophe of the cell itself.
QString inertCellText(const QString &cell);
// The other way: the cell with such an apostrophe where reading it back
// would otherwise take one away ('x stays 'x only when written ''x).
QString cellWithoutLoss(const QString &cell);
