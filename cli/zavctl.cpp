#include "zavctl.h"

#include "commandtable.h"
#include "console.h"
#include "passwords.h"

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
