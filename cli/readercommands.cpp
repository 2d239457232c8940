// get, set, reboot and flash: commands on readers named by their address.
#include "console.h"
#include "controlsession.h"
#include "downloadsession.h"
#include "firmwareimage.h"
#include "passwords.h"
#include "readerkeys.h"
#include "readerrun.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QObject>
#include <QSet>

#include <memory>

namespace {
// Owns the sessions of one command; each is deleted once it has ended.
class Sessions : public QObject
{
};

// The description, and the readers (and what follows them) in the usage line.
void describe(QCommandLineParser &parser, const QString &description, const QString &command,
              const QList<QPair<QString, QString>> &after = {})
{
    parser.setApplicationDescription(description);
    parser.addPositionalArgument(QStringLiteral("ADDRESS"),
                                 QStringLiteral("A.B.C.D, a range A.B.C.D-E, or - for standard input."),
                                 command + QStringLiteral(" ADDRESS..."));
    for (const auto &[name, text] : after)
        parser.addPositionalArgument(name, text);
}

const QString AddressHelp = QStringLiteral(
    "ADDRESS is A.B.C.D, a range A.B.C.D-E (last group from D to E), or - for one address per line on "
    "standard input (a CSV from search, scan or get is taken as it is).");
} // namespace

int cli::get(const QStringList &arguments, Console &console)
{
    QCommandLineParser parser;
    describe(parser,
             QStringLiteral("Logs in to each reader and reads its settings (STAT). Keys: %1.\n%2")
                 .arg(readerkeys::allKeys().join(QLatin1String(", ")), AddressHelp),
             QStringLiteral("get"));
    addReaderOptions(parser);
    int status = zavctl::Success;
    if (!parseArguments(parser, arguments, console, &status))
        return status;
    ReaderOptions options;
    if (!readReaderOptions(parser, parser.positionalArguments(), console, &options))
        return zavctl::BadUsage;

    Sessions owner;
    ReaderRun run(console, options, readerkeys::allKeys(), QStringLiteral("get"));
    return run.exec([&](int index) {
        auto *session = new ControlSession(&owner);
        QObject::connect(session, &ControlSession::finished, session, [&run, session, index](bool ok) {
            session->deleteLater();
            if (!ok)
                return run.failed(index, session->errorText());
            output::Record record;
            for (const auto &[key, value] : readerkeys::fromStat(session->stat()))
                record.append({key, value});
            run.succeeded(index, record);
        });
        ControlSession::Plan plan;
        plan.password = options.password;
        plan.readStat = true;
        session->start(options.address(index), options.portOf(index), plan);
    });
}

int cli::set(const QStringList &arguments, Console &console)
{
    QCommandLineParser parser;
    describe(parser,
             QStringLiteral("Logs in to each reader, reads its settings, applies the changes and writes the whole "
                            "setting run, each command acknowledged. Nothing is sent for a change that the checks "
                            "of \"Set  Parameters\" refuse. The readers take the new settings when they restart "
                            "(--reboot, or zavctl reboot).\nKEY is one of: %1.\n"
                            "Values: mode server|client|udp, speed 10hd|10fd|100hd|100fd|auto, dhcp on|off, "
                            "data-password yes|no, client-send-id on|off, identifier up to 20 characters.\n%2")
                 .arg(readerkeys::settableKeys().join(QLatin1String(", ")), AddressHelp),
             QStringLiteral("set"),
             {{QStringLiteral("KEY=VALUE..."), QStringLiteral("The settings to change.")}});
    addReaderOptions(parser);
    parser.addOption({QStringLiteral("new-password"),
                      QStringLiteral("Also change the control password (sent last). The new one comes from "
                                     "ZAV_NEW_PASSWORD, --new-password-file, or is asked twice on a terminal.")});
    parser.addOption({QStringLiteral("new-password-file"),
                      QStringLiteral("Read the new control password from the first line of this file."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("reboot"),
                      QStringLiteral("Restart each reader after its settings were written, so that it uses them.")});
    int status = zavctl::Success;
    if (!parseArguments(parser, arguments, console, &status))
        return status;

    QStringList addresses;
    QList<readerkeys::Change> changes;
    QSet<QString> keys;
    for (const QString &argument : parser.positionalArguments()) {
        if (!argument.contains(QLatin1Char('='))) {
            addresses.append(argument);
            continue;
        }
        readerkeys::Change change;
        QString refusal;
        if (!readerkeys::parseChange(argument, &change, &refusal)) {
            console.message(QStringLiteral("%1: %2").arg(argument, refusal));
            return zavctl::BadUsage;
        }
        if (keys.contains(change.key)) {
            console.message(QStringLiteral("%1 is given twice").arg(change.key));
            return zavctl::BadUsage;
        }
        keys.insert(change.key);
        changes.append(change);
    }
    const bool newPassword = parser.isSet(QStringLiteral("new-password"))
                             || parser.isSet(QStringLiteral("new-password-file"));

    ReaderOptions options;
    if (!readReaderOptions(parser, addresses, console, &options))
        return zavctl::BadUsage;
    if (keys.contains(QStringLiteral("address")) && options.targets.size() > 1) {
        console.message(QStringLiteral("address= names one reader's new address; it cannot be given to %1 readers")
                            .arg(options.targets.size()));
        return zavctl::BadUsage;
    }
    // Each reader's own settings from the columns of a CSV on standard input,
    // checked as strictly as the command line's.
    QList<QList<readerkeys::Change>> changesOf;
    QHash<QByteArray, QString> newAddresses;
    for (const targets::Target &target : std::as_const(options.targets)) {
        QList<readerkeys::Change> own = changes;
        for (const auto &[heading, value] : target.columns) {
            if (!readerkeys::settableKeys().contains(heading))
                continue;
            const QString argument = heading + QLatin1Char('=') + value;
            readerkeys::Change change;
            QString refusal;
            if (!readerkeys::parseChange(argument, &change, &refusal)) {
                console.message(QStringLiteral("standard input line %1: %2: %3").arg(target.line).arg(argument, refusal));
                return zavctl::BadUsage;
            }
            if (keys.contains(change.key)) {
                console.message(QStringLiteral("standard input line %1: %2 is also given on the command line")
                                    .arg(target.line).arg(change.key));
                return zavctl::BadUsage;
            }
            own.append(change);
            if (change.key == u"address") {
                if (newAddresses.contains(change.value)) {
                    console.message(QStringLiteral("%1 and %2 would both get the address %3")
                                        .arg(newAddresses.value(change.value), target.address,
                                             QString::fromLatin1(change.value)));
                    return zavctl::BadUsage;
                }
                newAddresses.insert(change.value, target.address);
            }
        }
        changesOf.append(own);
    }
    bool anything = newPassword;
    for (const QList<readerkeys::Change> &own : std::as_const(changesOf))
        anything = anything || !own.isEmpty();
    if (!anything) {
        console.message(QStringLiteral("nothing to set: give KEY=VALUE or --new-password"));
        return zavctl::BadUsage;
    }
    QByteArray newPasswordText;
    if (newPassword) {
        passwords::Source source;
        source.environmentVariable = QStringLiteral("ZAV_NEW_PASSWORD");
        source.file = parser.value(QStringLiteral("new-password-file"));
        source.prompt = QStringLiteral("New control password: ");
        source.confirm = true;
        source.name = QStringLiteral("new password");
        QString refusal;
        if (!passwords::obtain(source, &newPasswordText, &refusal)) {
            console.message(refusal);
            return zavctl::BadUsage;
        }
    }
    const bool reboot = parser.isSet(QStringLiteral("reboot"));

    Sessions owner;
    ReaderRun run(console, options, {QStringLiteral("result")}, QStringLiteral("set"));
    const int result = run.exec([&](int index) {
        auto *session = new ControlSession(&owner);
        QObject::connect(session, &ControlSession::finished, session, [&, session, index](bool ok) {
            session->deleteLater();
            if (!ok) {
                QString error = session->errorText();
                if (session->acknowledgedCount() > 0)
                    error += QStringLiteral(" (%1 settings before it were accepted)").arg(session->acknowledgedCount());
                return run.failed(index, error);
            }
            const QString written = QStringLiteral("%1 settings written").arg(session->acknowledgedCount());
            if (!reboot)
                return run.succeeded(index, {{QStringLiteral("result"), written + QStringLiteral(", reboot needed")}});
            // The restart on a connection of its own, as the reader still
            // knows itself by its old password and port until then.
            auto *restart = new ControlSession(&owner);
            QObject::connect(restart, &ControlSession::finished, restart, [&run, restart, index, written](bool ok) {
                restart->deleteLater();
                if (!ok)
                    return run.failed(index, written + QStringLiteral(", but the reboot failed: ") + restart->errorText());
                run.succeeded(index, {{QStringLiteral("result"), written + QStringLiteral(", rebooting")}});
            });
            ControlSession::Plan plan;
            plan.password = options.password;
            plan.commands = {{"REBOOT", QByteArray()}};
            restart->start(options.address(index), options.portOf(index), plan);
        });
        ControlSession::Plan plan;
        plan.password = options.password;
        plan.readStat = true;
        const QList<readerkeys::Change> &own = changesOf.at(index);
        plan.afterStat = [&own, &newPasswordText](const StatReply &stat, QList<SettingCommand> *commands,
                                                  QString *refusal) {
            const SettingValues values = readerkeys::applyChanges(stat, own, newPasswordText);
            *refusal = readerkeys::runRefusal(stat, own, values);
            if (!refusal->isEmpty())
                return false;
            *commands = settingRun(values);
            return true;
        };
        session->start(options.address(index), options.portOf(index), plan);
    });
    if (!reboot && run.failures() < options.targets.size())
        console.message(QStringLiteral("the readers use the new settings after a reboot (zavctl reboot, or set --reboot)"));
    return result;
}

int cli::reboot(const QStringList &arguments, Console &console)
{
    QCommandLineParser parser;
    describe(parser, QStringLiteral("Logs in to each reader and restarts it (REBOOT).\n") + AddressHelp,
             QStringLiteral("reboot"));
    addReaderOptions(parser);
    int status = zavctl::Success;
    if (!parseArguments(parser, arguments, console, &status))
        return status;
    ReaderOptions options;
    if (!readReaderOptions(parser, parser.positionalArguments(), console, &options))
        return zavctl::BadUsage;

    Sessions owner;
    ReaderRun run(console, options, {QStringLiteral("result")}, QStringLiteral("reboot"));
    return run.exec([&](int index) {
        auto *session = new ControlSession(&owner);
        QObject::connect(session, &ControlSession::finished, session, [&run, session, index](bool ok) {
            session->deleteLater();
            if (!ok)
                return run.failed(index, session->errorText());
            run.succeeded(index, {{QStringLiteral("result"), QStringLiteral("rebooting")}});
        });
        ControlSession::Plan plan;
        plan.password = options.password;
        plan.commands = {{"REBOOT", QByteArray()}};
        session->start(options.address(index), options.portOf(index), plan);
    });
}

int cli::flash(const QStringList &arguments, Console &console)
{
    QCommandLineParser parser;
    describe(parser,
             QStringLiteral("Loads a firmware image into each reader: login on the control port, then on the "
                            "download port 53005 the announce, every 1024-byte block (each acknowledged within "
                            "5 s) and the restart. The image must be 1 to 255 whole blocks.\n") + AddressHelp,
             QStringLiteral("flash"), {{QStringLiteral("FILE"), QStringLiteral("The firmware image.")}});
    addReaderOptions(parser);
    parser.addOption({QStringLiteral("no-restart"),
                      QStringLiteral("Do not send the restart message after the last block.")});
    int status = zavctl::Success;
    if (!parseArguments(parser, arguments, console, &status))
        return status;
    QStringList positional = parser.positionalArguments();
    if (positional.size() < 2) {
        console.message(QStringLiteral("give the readers and then the image file"));
        return zavctl::BadUsage;
    }
    const QString path = positional.takeLast();

    // The image is checked and read before anything is opened on the network.
    FirmwareImage file;
    const FirmwareImage::Check check = FirmwareImage::checkFile(path);
    if (check != FirmwareImage::Usable || !file.open(path)) {
        const FirmwareImage::Check why = check != FirmwareImage::Usable ? check : file.lastCheck();
        console.message(FirmwareImage::refusal(why, path, QFileInfo(path).size()).replace(QLatin1Char('\n'),
                                                                                          QLatin1Char(' ')));
        return zavctl::BadUsage;
    }
    QByteArray image;
    QByteArray block;
    while (file.readBlock(block))
        image += block;
    if (!file.complete()) {
        console.message(FirmwareImage::readFailure(path).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        return zavctl::BadUsage;
    }
    file.close();

    ReaderOptions options;
    if (!readReaderOptions(parser, positional, console, &options))
        return zavctl::BadUsage;
    const bool restart = !parser.isSet(QStringLiteral("no-restart"));
    const int blockCount = int(image.size() / 1024);

    Sessions owner;
    ReaderRun run(console, options, {QStringLiteral("blocks"), QStringLiteral("result")}, QStringLiteral("flash"));
    qint64 blocksSent = 0;
    const qint64 blocksInAll = qint64(blockCount) * options.targets.size();
    QElapsedTimer clock;
    clock.start();
    const int result = run.exec([&](int index) {
        auto *session = new DownloadSession(&owner);
        QObject::connect(session, &DownloadSession::progress, session, [&](int, int) {
            ++blocksSent;
            const double seconds = qMax(0.001, clock.elapsed() / 1000.0);
            run.setProgressDetail(QStringLiteral("[%1] %2 of %3 blocks, %4 KiB/s")
                                      .arg(QString(int(20 * blocksSent / qMax<qint64>(1, blocksInAll)), QLatin1Char('#'))
                                               .leftJustified(20, QLatin1Char('.')))
                                      .arg(blocksSent)
                                      .arg(blocksInAll)
                                      .arg(blocksSent / seconds, 0, 'f', 0));
        });
        QObject::connect(session, &DownloadSession::finished, session, [&run, session, index, restart](bool ok) {
            session->deleteLater();
            const QString blocks = QStringLiteral("%1/%2").arg(session->blocksDone()).arg(session->blockCount());
            if (!ok)
                return run.failed(index, session->errorText(), {{QStringLiteral("blocks"), blocks}});
            run.succeeded(index, {{QStringLiteral("blocks"), blocks},
                                  {QStringLiteral("result"),
                                   restart ? QStringLiteral("loaded, restarting") : QStringLiteral("loaded, not restarted")}});
        });
        DownloadSession::Options download;
        download.address = options.address(index);
        download.controlPort = options.portOf(index);
        download.password = options.password;
        download.image = image;
        download.restart = restart;
        session->start(download);
    });
    return result;
}
