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
// inert with a leading apostrophe is read without it (inertCellText). The
// first column and the control-port column may have blanks at either end.
bool parseInput(const QByteArray &input, QList<Target> *targets, QString *refusal);

// Puts every reader once, in the order first named.
QList<Target> withoutDuplicates(const QList<Target> &targets);

// The most readers one command takes.
constexpr int Limit = 65536;

} // namespace targets
