#include "zavctl.h"

#include "console.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace {
const char *const Overview =
    "Usage: zavctl COMMAND [options] [arguments]\n"
    "\n"
    "Finds, reads, configures, restarts and updates ZAV readers from the command line.\n"
    "\n"
    "Commands:\n"
    "  search           find the readers on the local networks (multicast identify)\n"
    "  scan START       find readers by trying addresses over TCP\n"
    "  get ADDRESS...   read the settings of readers\n"
    "  set ADDRESS... KEY=VALUE...\n"
    "                   change settings (and the password) of readers\n"
    "  reboot ADDRESS...\n"
    "                   restart readers\n"
    "  change-address MAC NEW_ADDRESS\n"
    "                   give the reader with this MAC a new address\n"
    "  flash ADDRESS... FILE\n"
    "                   load a firmware image into readers\n"
    "\n"
    "ADDRESS is A.B.C.D, a range A.B.C.D-E, or - for one address per line on standard\n"
    "input (a CSV from search, scan or get is taken as it is). Readers run in parallel.\n"
    "The password comes from ZAV_PASSWORD, --password-file FILE, or a prompt.\n"
    "Exit status: 0 all readers succeeded, 1 a reader failed, 2 bad usage or input.\n"
    "Run 'zavctl COMMAND --help' for a command's options; see also zavctl(1).\n";

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
    io.outIsTerminal = isatty(STDOUT_FILENO);
    io.errIsTerminal = isatty(STDERR_FILENO);
    return io;
}

int zavctl::run(const QStringList &arguments, const Io &io)
{
    Console console(io);
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == u"get")
        return cli::get(rest, console);
    if (command == u"set")
        return cli::set(rest, console);
    if (command == u"reboot")
        return cli::reboot(rest, console);
    if (command == u"flash")
        return cli::flash(rest, console);
    if (command == u"search")
        return cli::search(rest, console);
    if (command == u"scan")
        return cli::scan(rest, console);
    if (command == u"change-address")
        return cli::changeAddress(rest, console);
    if (command == u"--help" || command == u"-h" || command == u"help") {
        io.out(Overview);
        return Success;
    }
    if (command == u"--version") {
        io.out("zavctl 2.2.0\n");
        return Success;
    }
    if (command.isEmpty())
        console.message(QStringLiteral("a command is needed"));
    else
        console.message(QStringLiteral("unknown command \"%1\"").arg(command));
    io.err(Overview);
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

bool cli::parseArguments(QCommandLineParser &parser, const QStringList &arguments, Console &console, int *exitStatus)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The program name first, as QCommandLineParser expects it.
    if (!parser.parse(QStringList{QStringLiteral("zavctl")} + arguments)) {
        console.message(parser.errorText());
        console.io().err("Try 'zavctl COMMAND --help'.\n");
        *exitStatus = zavctl::BadUsage;
        return false;
    }
    if (parser.isSet(help)) {
        console.write(parser.helpText().toUtf8());
        *exitStatus = zavctl::Success;
        return false;
    }
    return true;
}

QCommandLineOption cli::formatOption()
{
    return QCommandLineOption(QStringLiteral("format"),
                              QStringLiteral("Output: table, json or csv (default: table on a terminal, "
                                             "csv otherwise)."),
                              QStringLiteral("format"));
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
