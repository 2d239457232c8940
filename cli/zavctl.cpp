#include "zavctl.h"

#include "passwords.h"

#include "commandtable.h"
#include "console.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {
void writeAll(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

zavctl::Io zavctl::standardIo()
{
    Io io;
    io.out = [](const QByteArray &bytes) { writeAll(stdout, bytes); };
    io.err = [](const QByteArray &bytes) { writeAll(stderr, bytes); };
    io.readInput = [] {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return QByteArray();
        return in.readAll();
    };
    io.outIsTerminal = passwords::isTerminal(1);
    io.errIsTerminal = passwords::isTerminal(2);
    return io;
}

int zavctl::run(const QStringList &arguments, const Io &io)
{
    Console console(io);
    const QString name = arguments.value(0);
    if (const cli::Command *command = cli::findCommand(name))
        return cli::runCommand(*command, arguments.mid(1), console);
    if (name == u"--help" || name == u"-h" || name == u"help") {
        io.out(cli::overview().toUtf8());
        return Success;
    }
    if (name == u"--version") {
        io.out(QStringLiteral("zavctl %1\n").arg(QCoreApplication::applicationVersion()).toUtf8());
        return Success;
    }
    if (name.isEmpty())
        console.message(QStringLiteral("a command is needed"));
    else
        console.message(QStringLiteral("unknown command \"%1\"").arg(name));
    io.err(cli::overview().toUtf8());
    return BadUsage;
}

void Console::message(const QString &line)
{
    clearProgress();
    // Text from a file, standard input or a reader may hold line ends and
    // terminal controls: shown as \xHH, a message stays one plain line.
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
                       Console &console)
{
    if (!parser.isSet(name))
        return true;
    const QString text = parser.value(name);
    bool ok = !text.isEmpty();
    for (const QChar c : text)
        ok = ok && c.isDigit() && c.unicode() < 0x80;
    const qlonglong number = ok && text.size() <= 9 ? text.toLongLong() : -1;
    if (number < min || number > max) {
        console.message(QStringLiteral("--%1 %2: give a whole number from %3 to %4").arg(name, text).arg(min).arg(max));
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
