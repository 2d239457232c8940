// search, scan and change-address: finding readers and readdressing one.
#include "addresschecks.h"
#include "addresswalk.h"
#include "changeaddress.h"
#include "commandtable.h"
#include "console.h"
#include "defaults.h"
#include "interrupts.h"
#include "identifyreply.h"
#include "localsearchengine.h"
#include "searchinterfaces.h"
#include "settingchecks.h"
#include "sitechanges.h"
#include "typedvalues.h"
#include "widescan.h"

#include <QSet>
#include <QTimer>

namespace {
// The most readers one search lists, so that a flooding sender cannot fill the memory.
constexpr int SearchLimit = 65536;

// The interfaces to use: all that searchInterfaces() offers, or those named.
// On false, *status is 2 for a name that is no usable interface and 1 when
// this machine has none at all.
bool chooseInterfaces(const QStringList &names, Console &console, QList<SearchInterface> *chosen, int *status)
{
    const QList<SearchInterface> available = searchInterfaces();
    *status = zavctl::BadUsage;
    if (names.isEmpty()) {
        *chosen = available;
        if (chosen->isEmpty()) {
            console.message(QStringLiteral("no interface is up, multicast-capable and has an IPv4 address"));
            *status = zavctl::ReaderFailed;
            return false;
        }
        return true;
    }
    for (const QString &name : names) {
        bool found = false;
        for (const SearchInterface &interface : available) {
            if (interface.name == name) {
                chosen->append(interface);
                found = true;
            }
        }
        if (!found) {
            QStringList known;
            for (const SearchInterface &interface : available)
                known.append(interface.name);
            console.message(QStringLiteral("--interface %1: not an interface that is up, multicast-capable and has "
                                           "an IPv4 address (usable: %2)")
                                .arg(name, known.isEmpty() ? QStringLiteral("none") : known.join(QLatin1String(", "))));
            return false;
        }
    }
    return true;
}

QString text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

// --compare FILE with --changes-only and --fail-on-change, read before
// anything is sent.
struct Comparison {
    bool enabled = false;
    bool changesOnly = false;
    bool failOnChange = false;
    ReaderList earlier;
};

const QStringList ChangeColumns{QStringLiteral("change"), QStringLiteral("old_address"),
                                QStringLiteral("old_identification"), QStringLiteral("old_control_port")};

bool comparisonFrom(const QCommandLineParser &parser, Console &console, Comparison *comparison)
{
    comparison->changesOnly = parser.isSet(QStringLiteral("changes-only"));
    comparison->failOnChange = parser.isSet(QStringLiteral("fail-on-change"));
    if (!parser.isSet(QStringLiteral("compare"))) {
        if (!comparison->changesOnly && !comparison->failOnChange)
            return true;
        console.message(QStringLiteral("--changes-only and --fail-on-change go with --compare FILE"));
        return false;
    }
    comparison->enabled = true;
    const QString path = parser.value(QStringLiteral("compare"));
    QString reason;
    if (!readReaderListFile(path, &comparison->earlier, &reason)) {
        console.message(QStringLiteral("--compare %1: %2").arg(path, reason));
        return false;
    }
    return true;
}

QString valueOf(const output::Record &record, const QString &key)
{
    for (const auto &[name, value] : record) {
        if (name == key)
            return value.toString();
    }
    return {};
}

// The readers found, compared with the earlier list: each one with its
// change and the old values, then the missing ones; a row matched other than
// by MAC says so on standard error. The exit status of a completed search.
int writeCompared(const Comparison &comparison, const QList<output::Record> &found, output::Format format,
                  output::Writer &writer, Console &console)
{
    ReaderList now;
    for (const output::Record &record : found)
        now.readers.append({valueOf(record, QStringLiteral("address")), valueOf(record, QStringLiteral("mac")),
                            valueOf(record, QStringLiteral("identification")),
                            valueOf(record, QStringLiteral("control-port"))});
    const SiteComparison compared = compareReaderLists(comparison.earlier, now);
    for (const SiteChange &row : compared.rows) {
        if (comparison.changesOnly && row.changes == 0)
            continue;
        const SiteChangeValues values = siteChangeValues(compared, row);
        output::Record record = row.now >= 0 ? found.at(row.now) : output::Record{{QStringLiteral("mac"), values.mac}};
        const QStringList old{values.oldAddress, values.oldIdentification, values.oldControlPort};
        if (format == output::Format::Json) {
            output::Record change{{QStringLiteral("kinds"), changeWords(row.changes)}};
            for (int i = 0; i < old.size(); ++i) {
                if (!old.at(i).isEmpty())
                    change.append({ChangeColumns.at(i + 1), old.at(i)});
            }
            if (!row.note.isEmpty())
                change.append({QStringLiteral("note"), row.note});
            record.append({ChangeColumns.first(), QVariant::fromValue(change)});
        } else {
            record.append({ChangeColumns.first(), changeWords(row.changes)});
            for (int i = 0; i < old.size(); ++i)
                record.append({ChangeColumns.at(i + 1), old.at(i)});
        }
        writer.add(record);
        if (!row.note.isEmpty())
            console.message(QStringLiteral("%1: %2").arg(values.address.isEmpty() ? values.oldAddress : values.address,
                                                         row.note));
    }
    return comparison.failOnChange && compared.anyChange() ? zavctl::Changed : zavctl::Success;
}
} // namespace

int cli::search(const QCommandLineParser &parser, Console &console)
{
    int status = zavctl::Success;
    if (!parser.positionalArguments().isEmpty()) {
        console.message(QStringLiteral("search takes no arguments (\"%1\")").arg(parser.positionalArguments().first()));
        return zavctl::BadUsage;
    }
    int waitMs = 2000;
    output::Format format;
    Comparison comparison;
    if (!secondsOption(parser, QStringLiteral("wait"), 0.01, 3600, &waitMs, console) || !formatFrom(parser, console, &format)
        || !comparisonFrom(parser, console, &comparison))
        return zavctl::BadUsage;
    QList<SearchInterface> interfaces;
    if (!chooseInterfaces(parser.values(QStringLiteral("interface")), console, &interfaces, &status))
        return status;

    LocalSearchEngine engine;
    if (!engine.open(interfaces)) {
        console.message(QStringLiteral("cannot receive identify replies on UDP port %1 on any interface")
                            .arg(defaults::IdentifyPort));
        return zavctl::ReaderFailed;
    }
    const QStringList columns{QStringLiteral("address"), QStringLiteral("mac"), QStringLiteral("identification"),
                              QStringLiteral("control-port"), QStringLiteral("interface")};
    output::Writer writer(format, comparison.enabled ? columns + ChangeColumns : columns,
                          [&console](const QByteArray &bytes) { console.write(bytes); });
    QList<output::Record> found;  // kept until the end to be compared
    QSet<QByteArray> seen;
    QObject::connect(&engine, &LocalSearchEngine::replyReceived, &engine,
                     [&](const QByteArray &datagram, const QString &interfaceName) {
                         const IdentifyReply reply = parseIdentifyReply(datagram);
                         const QByteArray key = reply.address + ':' + reply.mac;
                         if (seen.contains(key) || seen.size() >= SearchLimit)
                             return;
                         seen.insert(key);
                         const output::Record record{{QStringLiteral("address"), text(reply.address)},
                                                     {QStringLiteral("mac"), text(reply.mac)},
                                                     {QStringLiteral("identification"), text(reply.identification)},
                                                     {QStringLiteral("control-port"), text(reply.controlPort)},
                                                     {QStringLiteral("interface"), interfaceName}};
                         if (comparison.enabled)
                             found.append(record);
                         else
                             writer.add(record);
                         console.progress(QStringLiteral("search: %1 readers").arg(seen.size()));
                     });
    if (!engine.search()) {
        console.message(QStringLiteral("the identify request could not be sent on any interface"));
        return zavctl::ReaderFailed;
    }
    console.progress(QStringLiteral("search: waiting %1 s").arg(waitMs / 1000.0));
    InterruptibleLoop loop;
    QTimer::singleShot(waitMs, &loop, &InterruptibleLoop::quit);
    const bool interrupted = loop.exec([&loop] { loop.quit(); });
    console.clearProgress();
    const int compared = comparison.enabled ? writeCompared(comparison, found, format, writer, console)
                                            : int(zavctl::Success);
    writer.finish();
    if (interrupted) {
        console.message(QStringLiteral("interrupted: %1 readers had answered").arg(seen.size()));
        return zavctl::ReaderFailed;
    }
    if (seen.isEmpty())
        console.message(QStringLiteral("no reader answered"));
    return compared;
}

int cli::scan(const QCommandLineParser &parser, Console &console)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        console.message(QStringLiteral("give one starting address"));
        return zavctl::BadUsage;
    }
    if (!WideAreaWalk::acceptsStart(positional.first())) {
        console.message(QStringLiteral("\"%1\": Invalid IP Address").arg(positional.first()));
        return zavctl::BadUsage;
    }
    WideScan::Options options;
    options.start = trimBlanks(positional.first());
    options.count = 256;
    int port = defaults::ControlPort;
    output::Format format;
    if (!numberOption(parser, QStringLiteral("count"), 0, 65536, &options.count, console)
        || !numberOption(parser, QStringLiteral("port"), 1, 65535, &port, console, settingchecks::InvalidControlPort)
        || !numberOption(parser, QStringLiteral("jobs"), 1, 1024, &options.jobs, console)
        || !secondsOption(parser, QStringLiteral("timeout"), 0.01, 60, &options.timeoutMs, console)
        || !formatFrom(parser, console, &format))
        return zavctl::BadUsage;
    options.port = quint16(port);
    Comparison comparison;
    if (!comparisonFrom(parser, console, &comparison))
        return zavctl::BadUsage;

    const QStringList columns{QStringLiteral("address"), QStringLiteral("mac"), QStringLiteral("identification"),
                              QStringLiteral("control-port"), QStringLiteral("reported-address")};
    output::Writer writer(format, comparison.enabled ? columns + ChangeColumns : columns,
                          [&console](const QByteArray &bytes) { console.write(bytes); });
    WideScan scanner;
    QList<output::Record> found;  // kept until the end to be compared
    int foundCount = 0;
    QObject::connect(&scanner, &WideScan::readerFound, &scanner,
                     [&](const QString &address, const IdentifyReply &reply) {
                         ++foundCount;
                         const output::Record record{{QStringLiteral("address"), address},
                                                     {QStringLiteral("mac"), text(reply.mac)},
                                                     {QStringLiteral("identification"), text(reply.identification)},
                                                     {QStringLiteral("control-port"), QString::number(port)},
                                                     {QStringLiteral("reported-address"), text(reply.address)}};
                         if (comparison.enabled)
                             found.append(record);
                         else
                             writer.add(record);
                     });
    int tried = 0;
    QObject::connect(&scanner, &WideScan::progress, &scanner, [&](int done, const QString &last) {
        tried = done;
        console.progress(
            QStringLiteral("scan: %1 addresses tried (%2), %3 readers").arg(done).arg(last).arg(foundCount));
    });
    InterruptibleLoop loop;
    QObject::connect(&scanner, &WideScan::finished, &loop, &InterruptibleLoop::quit);
    scanner.start(options);
    if (!scanner.isRunning())
        loop.quit();
    const bool interrupted = loop.exec([&] {
        scanner.stop();
        loop.quit();
    });
    console.clearProgress();
    const int compared = comparison.enabled ? writeCompared(comparison, found, format, writer, console)
                                            : int(zavctl::Success);
    writer.finish();
    if (interrupted) {
        console.message(QStringLiteral("interrupted after %1 addresses").arg(tried));
        return zavctl::ReaderFailed;
    }
    return compared;
}

int cli::changeAddress(const QCommandLineParser &parser, Console &console)
{
    int status = zavctl::Success;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        console.message(QStringLiteral("give the reader's MAC and its new address"));
        return zavctl::BadUsage;
    }
    const std::optional<QByteArray> macDigits = macFromText(positional.at(0));
    if (!macDigits) {
        console.message(QStringLiteral("\"%1\": a MAC address is 12 hex digits").arg(positional.at(0)));
        return zavctl::BadUsage;
    }
    const QString mac = QString::fromLatin1(*macDigits);
    if (!readerAddressFromText(positional.at(1))) {
        console.message(QStringLiteral("\"%1\": Invalid IP Address").arg(positional.at(1)));
        return zavctl::BadUsage;
    }
    // Sent as given, without the blanks around it.
    const QString address = trimBlanks(positional.at(1));
    output::Format format;
    if (!formatFrom(parser, console, &format))
        return zavctl::BadUsage;
    QList<SearchInterface> interfaces;
    if (!chooseInterfaces(parser.values(QStringLiteral("interface")), console, &interfaces, &status))
        return status;

    output::Writer writer(format,
                          {QStringLiteral("mac"), QStringLiteral("new-address"), QStringLiteral("ok"),
                           QStringLiteral("interfaces"), QStringLiteral("error")},
                          [&console](const QByteArray &bytes) { console.write(bytes); });
    output::Record record{{QStringLiteral("mac"), mac}, {QStringLiteral("new-address"), address}};
    LocalSearchEngine engine;
    QString error;
    if (!engine.open(interfaces))
        error = QStringLiteral("cannot open UDP port %1 on any interface").arg(defaults::IdentifyPort);
    else if (!engine.sendToReaders(changeAddressMessage(mac.toLatin1(), address)))
        error = QStringLiteral("the message could not be sent on any interface");
    QStringList used;
    for (const SearchInterface &interface : engine.openInterfaces())
        used.append(interface.name);
    record.append({QStringLiteral("ok"), error.isEmpty()});
    record.append({QStringLiteral("interfaces"), used.join(QLatin1Char(' '))});
    if (!error.isEmpty()) {
        record.append({QStringLiteral("error"), error});
        console.message(QStringLiteral("%1: %2").arg(mac, error));
    }
    writer.add(record);
    writer.finish();
    if (!error.isEmpty())
        return zavctl::ReaderFailed;
    console.message(QStringLiteral("%1: a message has been sent to change the IP Address in the Reader. If it was "
                                   "successful, the reader will restart with the new IP Address")
                        .arg(mac));
    return zavctl::Success;
}
