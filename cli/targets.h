#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The readers a command is run against, from the command line and, for "-",
// from standard input.
namespace targets {

struct Target {
    QString address;   // numeric dotted address
    quint16 port = 0;  // control port; 0 = the command's --port
    // From a CSV with a header: the other named columns of the reader's line
    // that are not empty (heading, value), and the line's number.
    QList<QPair<QString, QString>> columns;
    int line = 0;
};

// Reads one address argument: "A.B.C.D", or "A.B.C.D-E" for the last group
// from D through E. False with a refusal for anything else.
bool parseAddressArgument(const QString &argument, QList<Target> *targets, QString *refusal);

// Reads the lines of standard input: one address per line, or a CSV whose
// first column is the address (the output of "search", "scan" or "get": its
// header line is skipped, and a "control-port" column, when present, gives
// each reader's port; the other columns are kept with the reader). Blank
// lines and lines starting with '#' are skipped. A quoted field may span
// lines; one that is never closed is refused. A field that a CSV writer made
// inert with a leading apostrophe is read without it (inertCellText).
bool parseInput(const QByteArray &input, QList<Target> *targets, QString *refusal);

// One CSV record and the number of the line it starts on.
struct Record {
    int line = 0;
    QString text;
};
// The records of a CSV text, without blank lines and lines starting with '#':
// a record ends at a line end (LF or CR LF) outside quotes. *unclosedAt is
// the line of a record whose quote is never closed (0: none); the records
// before it are given.
QList<Record> csvRecords(const QString &text, int *unclosedAt);

// The fields of one CSV record (RFC 4180 quoting; a quoted field may hold
// commas, doubled quotes and line ends).
QStringList csvFields(const QString &line);

// A cell as it was before a CSV writer made it inert: without the apostrophe
// put before = + - @ TAB CR, or before an apostrophe of the cell itself.
QString inertCellText(const QString &cell);
// The other way: the cell with such an apostrophe where reading it back
// would otherwise take one away ('x stays 'x only when written ''x).
QString cellWithoutLoss(const QString &cell);

// Puts every reader once, in the order first named.
QList<Target> withoutDuplicates(const QList<Target> &targets);

// The most readers one command takes.
constexpr int Limit = 65536;

} // namespace targets
