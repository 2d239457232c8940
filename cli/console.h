#pragma once

#include "output.h"
#include "zavctl.h"

#include <QCommandLineParser>
#include <QString>

// What every command shares: messages and progress on standard error, the
// results writer on standard output, and the reading of its option values.
class Console
{
public:
    explicit Console(const zavctl::Io &io) : m_io(io) {}

    const zavctl::Io &io() const { return m_io; }

    // One line on standard error, "zavctl: " first; control characters in
    // the text are written escaped (output::tableCell).
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

// The --format option: table on a terminal, CSV otherwise, unless given.
bool formatFrom(const QCommandLineParser &parser, Console &console, output::Format *format);

// The value of an option that takes a whole number from min to max (blanks
// at either end do not count); *value is left as it is when the option is not
// given. Anything else is refused on a line naming the option, with 'refusal'
// when given ("--port 0: Invalid Control Port Number").
bool numberOption(const QCommandLineParser &parser, const QString &name, int min, int max, int *value,
                  Console &console, const QString &refusal = QString());
// A time in seconds (decimals allowed) from min to max, in milliseconds.
bool secondsOption(const QCommandLineParser &parser, const QString &name, double min, double max, int *ms,
                   Console &console);

} // namespace cli
