#pragma once

#include "output.h"
#include "zavctl.h"

#include <QCommandLineParser>
#include <QString>

// What every command shares: messages and progress on standard error, the
// results writer on standard output, and the reading of its command line.
class Console
{
public:
    explicit Console(const zavctl::Io &io) : m_io(io) {}

    const zavctl::Io &io() const { return m_io; }

    // One line on standard error, "zavctl: " first; control characters in
    // the text are written as \xHH.
    void message(const QString &line);
    // A progress line that replaces the previous one; only on a terminal.
    void progress(const QString &text);
    void clearProgress();

    // Writes results to standard output (after taking away a progress line
    // that shares the terminal).
    void write(const QByteArray &bytes)
    {
        clearProgress();
        m_io.out(bytes);
    }

private:
    zavctl::Io m_io;
    bool m_progressShown = false;
};

namespace cli {

// Reads a command's arguments. --help prints the help (exit 0); an unknown
// option or a missing value is refused (exit 2). True when the command runs on.
bool parseArguments(QCommandLineParser &parser, const QStringList &arguments, Console &console, int *exitStatus);

// The --format option: table on a terminal, CSV otherwise, unless given.
QCommandLineOption formatOption();
bool formatFrom(const QCommandLineParser &parser, Console &console, output::Format *format);

// A whole number from min to max, or a refusal naming the option.
bool numberOption(const QCommandLineParser &parser, const QString &name, int min, int max, int *value,
                  Console &console);
// A time in seconds (decimals allowed) from min to max, in milliseconds.
bool secondsOption(const QCommandLineParser &parser, const QString &name, double min, double max, int *ms,
                   Console &console);

int get(const QStringList &arguments, Console &console);
int set(const QStringList &arguments, Console &console);
int reboot(const QStringList &arguments, Console &console);
int flash(const QStringList &arguments, Console &console);
int search(const QStringList &arguments, Console &console);
int scan(const QStringList &arguments, Console &console);
int changeAddress(const QStringList &arguments, Console &console);

} // namespace cli
