#include "console.h"

#include "addresschecks.h"
#include "byteescape.h"

void Console::message(const QString &line)
{
    clearProgress();
    // Text from a file, standard input or a reader may hold line ends and
    // terminal controls: shown escaped, a message stays one plain line.
    m_io.err((QStringLiteral("zavctl: ") + output::tableCell(line) + QLatin1Char('\n')).toUtf8());
}

void Console::progress(const QString &text)
{
    if (!m_io.errIsTerminal)
        return;
    m_io.err(("\r\033[K" + text).toUtf8());
    m_progressShown = true;
}

void Console::clearProgress()
{
    if (m_progressShown)
        m_io.err("\r\033[K");
    m_progressShown = false;
}

bool cli::formatFrom(const QCommandLineParser &parser, Console &console, output::Format *format)
{
    if (!parser.isSet(QStringLiteral("format"))) {
        *format = console.io().outIsTerminal ? output::Format::Table : output::Format::Csv;
        return true;
    }
    const QString text = parser.value(QStringLiteral("format"));
    if (output::parseFormat(text, format))
        return true;
    console.message(QStringLiteral("--format %1: use table, json or csv").arg(text));
    return false;
}

bool cli::numberOption(const QCommandLineParser &parser, const QString &name, int min, int max, int *value,
                       Console &console, const QString &refusal)
{
    if (!parser.isSet(name))
        return true;
    const QString text = parser.value(name);
    // Blanks at either end do not count, as in every field of the windows.
    const QString digits = trimBlanks(text);
    bool ok = !digits.isEmpty() && digits.size() <= 9;
    for (const QChar c : digits)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const qlonglong number = ok ? digits.toLongLong() : -1;
    if (number < min || number > max) {
        console.message(QStringLiteral("--%1 %2: ").arg(name, text)
                        + (refusal.isEmpty() ? QStringLiteral("give a whole number from %1 to %2").arg(min).arg(max)
                                             : refusal));
        return false;
    }
    *value = int(number);
    return true;
}

bool cli::secondsOption(const QCommandLineParser &parser, const QString &name, double min, double max, int *ms,
                        Console &console)
{
    if (!parser.isSet(name))
        return true;
    const QString text = parser.value(name);
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds >= min && seconds <= max)) {
        console.message(QStringLiteral("--%1 %2: give a number of seconds from %3 to %4").arg(name, text).arg(min).arg(max));
        return false;
    }
    *ms = qMax(1, int(seconds * 1000 + 0.5));
    return true;
}
