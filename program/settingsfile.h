#pragma once

#include "readersettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Settings files: the CSV that "zavctl get --format csv" writes (a header
// line of keys, one line a reader), so that a file saved in Program Reader
// can be given to "zavctl set -" or "zavctl apply -", and a get CSV can be
// loaded into the window. Cells are safe to open in a spreadsheet.
namespace settingsfile {

// The columns: reader, ok, every key of settings::keys(), error.
QStringList columns();

// One reader's line of a file: the address its settings were read from, ok
// true, each setting as zavctl writes it (option codes as words, a setting
// not held as an empty cell) and an empty error.
QStringList cells(const QString &reader, const ReaderSettings &settings);

// The whole file of one reader: the header and its line, CR LF ended. A
// writer adds a byte order mark for spreadsheets (ByteOrderMark).
QString text(const QString &reader, const ReaderSettings &settings);
inline const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
// The largest file a window reads: far more than the settings of every
// reader a technician could name (a line is some 200 bytes).
inline constexpr qint64 LargestFile = 16 * 1024 * 1024;

// One line of a file that holds at least one setting.
struct Row {
    int line = 0;             // where it starts in the file
    QString reader;           // its reader column (empty without one)
    // The cells of the columns that name a setting, empty ones included,
    // option words as their codes; a cell that is no word of its setting,
    // and every other cell, as written (Latin-1).
    ReaderSettings settings;
    // Keys whose cell holds a character a reader cannot hold (not Latin-1);
    // such a character is read as '?'.
    QStringList notLatin1;
};

struct Contents {
    QList<Row> rows;
    QStringList ignoredColumns;  // headings that name neither a setting nor reader, ok, error
    QString refusal;             // why nothing can be loaded; empty when something can
};

// Reads a file's bytes (UTF-8, with or without a byte order mark). The first
// line names the columns. A file that is empty, holds no line with a
// setting, has a quoted field that is never closed or no column of a setting
// is refused.
Contents read(const QByteArray &bytes);

} // namespace settingsfile
