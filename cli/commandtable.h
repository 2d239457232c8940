#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

class Console;

// Every command of zavctl, in the order the overview lists them: what
// dispatch, the help texts, the bash completion and the manual page are
// checked against.
namespace cli {

// What a command works on besides its own options.
enum Need {
    Readers = 0x1,   // readers named by address (or read from standard input)
    Password = 0x2,  // the readers' control password
    Format = 0x4,    // results in one of the output forms (--format)
};

struct Argument {
    QString name;
    QString help;
    QString syntax;  // in the usage line; empty: the name
};

struct Command {
    QString name;
    QString summary;                   // its line in the overview
    int needs = 0;                     // Need flags
    QString description;               // the first part of its --help
    QList<Argument> arguments;         // the first one's syntax starts with the name
    QList<QCommandLineOption> options; // in the order of its --help (which adds --help)
    int (*run)(const QCommandLineParser &parser, Console &console) = nullptr;

    // "get ADDRESS...", "set ADDRESS... KEY=VALUE...": the usage after the program name.
    QString synopsis() const;
};

const QList<Command> &commands();
// The command of that name, or null.
const Command *findCommand(const QString &name);

// The text of "zavctl --help".
QString overview();

// Reads the command's arguments (--help prints its help, exit 0; an unknown
// option or a missing value is refused, exit 2) and runs it.
int runCommand(const Command &command, const QStringList &arguments, Console &console);

// The run functions of the table, in cli/readercommands.cpp and
// cli/discoverycommands.cpp. Each is given its parsed command line.
int search(const QCommandLineParser &parser, Console &console);
int scan(const QCommandLineParser &parser, Console &console);
int get(const QCommandLineParser &parser, Console &console);
int set(const QCommandLineParser &parser, Console &console);
int apply(const QCommandLineParser &parser, Console &console);
int reboot(const QCommandLineParser &parser, Console &console);
int changeAddress(const QCommandLineParser &parser, Console &console);
int flash(const QCommandLineParser &parser, Console &console);

// The options that the needs bring, shared by the commands that have them.
QCommandLineOption portOption();
QCommandLineOption jobsOption();
QCommandLineOption passwordFileOption();
QCommandLineOption passwordOption();
QCommandLineOption formatOption();

} // namespace cli
