#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One reader of a search list: as the list holds it, or as a CSV file of a
// search holds it.
struct ListedReader
{
    QString address;
    QString mac;
    QString identification;
    QString controlPort;
    int line = 0;  // the line of the file it was read from; 0 for a list not read from a file
};

// The readers of a list, and whether it had identifications and control
// ports at all (a file may lack those columns).
struct ReaderList
{
    QList<ListedReader> readers;
    bool hasIdentification = true;
    bool hasControlPort = true;
};

namespace readerlistfile {
// Larger files are refused unread, and lists of more readers too: a search
// lists at most 65536 lines.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;
constexpr int MaxReaders = 262144;
} // namespace readerlistfile

// Reads a list of readers from the CSV that "Save List As..." of the search
// windows, or zavctl search, scan or get, wrote: UTF-8 (or Latin-1, as some
// spreadsheets save it), a byte order mark skipped, a header line naming the
// columns, then one reader per line. The address comes from the column headed
// "reader" (get), "address" or "IP Address"; the MAC from "mac" or "MAC
// Address"; the identification from "identification", "Reader
// Identification" or "identifier"; the control port from "control-port" or
// "Control Port". A cell made inert for a spreadsheet is read as it was;
// lines without an address are skipped. False, with the reason, for any text
// that is no such list: empty, no address or MAC column, a quote never
// closed, no reader, too many readers.
bool readReaderList(const QByteArray &bytes, ReaderList *list, QString *reason);
// The same from a file; also refuses a file that cannot be read, is larger
// than MaxBytes, or is no plain file (a folder, a device, a pipe).
bool readReaderListFile(const QString &path, ReaderList *list, QString *reason);

// Writes a CSV text to a file, whole or not at all, as UTF-8 with a byte
// order mark, so that a spreadsheet reads accented letters right. False with
// the system's reason.
bool writeCsvFile(const QString &path, const QString &csvText, QString *error);
