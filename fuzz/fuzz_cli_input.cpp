// Standard input as zavctl's commands read it for "-" (an address list or a
// CSV of readers), through the same reading as the commands: a refusal is one
// line on standard error and leaves no reader to serve; an accepted input
// names each reader once, each a plain dotted address with the command's port
// (0) or its own from 1 to 65535, and keeps only named, non-empty columns.
#include "commandtable.h"
#include "console.h"
#include "fuzzaddress.h"
#include "readerrun.h"

#include <QSet>

#include <cstdint>

// Last: its check() would clash with a name in the Qt headers.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray out;
    QByteArray err;
    zavctl::Io io;
    io.out = [&out](const QByteArray &bytes) { out += bytes; };
    io.err = [&err](const QByteArray &bytes) { err += bytes; };
    io.readInput = [&input] { return input; };
    Console console(io);
    QCommandLineParser parser;
    parser.addOptions({cli::portOption(), cli::jobsOption(), cli::passwordFileOption(), cli::passwordOption(),
                       cli::formatOption()});
    check(parser.parse({QStringLiteral("zavctl")}));
    cli::ReaderOptions options;
    const bool accepted = cli::readReaderOptions(parser, {QStringLiteral("-")}, console, &options, false);
    check(out.isEmpty());
    if (!accepted) {
        check(options.targets.isEmpty());
        check(err.startsWith("zavctl: ") && err.endsWith('\n') && err.count('\n') == 1);
        for (const char c : err.chopped(1))
            check(quint8(c) >= 0x20 && c != 0x7f);
        return 0;
    }
    check(err.isEmpty());
    check(!options.targets.isEmpty() && options.targets.size() <= targets::Limit);
    QSet<QString> seen;
    for (const targets::Target &target : std::as_const(options.targets)) {
        check(isPlainAddress(target.address));
        const QString key = target.address + QLatin1Char(':') + QString::number(target.port);
        check(!seen.contains(key));
        seen.insert(key);
        check(target.line >= 1);
        for (const auto &[heading, value] : target.columns)
            check(!heading.isEmpty() && !value.isEmpty());
    }
    return 0;
}
