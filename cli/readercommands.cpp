// get, set, reboot and flash: commands on readers named by their address.
#include "commandtable.h"
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

namespace {
// The most a job may take: the sum of the limits of its steps (each engine
// step has its own), and a second to spare.
int controlLimitMs(int replies)
{
    const ControlSession::Limits limits;
    return limits.connectMs + replies * limits.replyMs + 1000;
}

int downloadLimitMs(int blocks)
{
    const DownloadSession::Options limits;
    return 2 * limits.connectMs + limits.loginMs + (blocks + 1) * limits.acknowledgementMs + limits.restartMs
           + 1000;
}

// Starts the session on a reader: the login with the run's password, then the plan.
void startOn(ControlSession &session, const cli::ReaderOptions &options, int index, ControlSession::Plan plan)
{
    plan.password = options.password;
    session.start(options.address(index), options.portOf(index), plan);
}

// Logs in to the reader and restarts it.
void startReboot(ControlSession &session, const cli::ReaderOptions &options, int index)
{
    ControlSession::Plan plan;
    plan.commands = {{"REBOOT", QByteArray()}};
    startOn(session, options, index, plan);
}

// What a settings run got done: the commands acknowledged and the one that
// failed, for the message line; nothing when nothing was sent.
QString settingsProgress(const QStringList &applied, const QString &failedAt)
{
    if (applied.isEmpty() && failedAt.isEmpty())
        return {};
    QString text = QStringLiteral(" (acknowledged: %1")
                       .arg(applied.isEmpty() ? QStringLiteral("none") : applied.join(QLatin1Char(' ')));
    if (!failedAt.isEmpty())
        text += QStringLiteral("; failed: ") + failedAt;
    return text + QLatin1Char(')');
}
} // namespace

int cli::get(const QCommandLineParser &parser, Console &console)
{
    ReaderOptions options;
    if (!readReaderOptions(parser, parser.positionalArguments(), console, &options))
        return zavctl::BadUsage;

    ReaderRun run(console, options, readerkeys::allKeys(), QStringLiteral("get"));
    return run.exec(controlLimitMs(2), [&](int index) {
        run.runSession<ControlSession>(
            index,
            [&](ControlSession &session) {
                ControlSession::Plan plan;
                plan.readStat = true;
                startOn(session, options, index, plan);
            },
            [](ControlSession &session, const QString &error) {
                if (!error.isEmpty())
                    return Outcome::failure(error);
                output::Record record;
                for (const auto &[key, value] : readerkeys::fromStat(session.stat()))
                    record.append({key, value});
                return Outcome::success(record);
            });
    });
}

int cli::set(const QCommandLineParser &parser, Console &console)
{
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

    // The keywords of each reader's run, once its STAT reply has decided them.
    QList<QStringList> planned(options.targets.size());
    const auto acknowledged = [&planned](int index, const ControlSession &session) {
        return planned.at(index).mid(0, session.acknowledgedCount());
    };
    ReaderRun run(console, options,
                  {QStringLiteral("result"), QStringLiteral("applied"), QStringLiteral("failed_at")},
                  QStringLiteral("set"));
    // Every command a reader is sent, the restart included, has its own limit.
    const int result = run.exec(controlLimitMs(2 + 16) + (reboot ? controlLimitMs(2) : 0), [&](int index) {
        run.runSession<ControlSession>(
            index,
            [&](ControlSession &session) {
                ControlSession::Plan plan;
                plan.readStat = true;
                const QList<readerkeys::Change> &own = changesOf.at(index);
                plan.afterStat = [&own, &newPasswordText, &planned, index](const StatReply &stat,
                                                                          QList<SettingCommand> *commands,
                                                                          QString *refusal) {
                    const SettingValues values = readerkeys::applyChanges(stat, own, newPasswordText);
                    *refusal = readerkeys::runRefusal(stat, own, values);
                    if (!refusal->isEmpty())
                        return false;
                    *commands = settingRun(values);
                    for (const SettingCommand &command : std::as_const(*commands))
                        planned[index].append(QString::fromLatin1(command.keyword));
                    return true;
                };
                startOn(session, options, index, plan);
            },
            [&, index](ControlSession &session, const QString &error) {
                const QStringList applied = acknowledged(index, session);
                const QString failedAt = QString::fromLatin1(session.failedKeyword());
                output::Record record{{QStringLiteral("applied"), applied}, {QStringLiteral("failed_at"), failedAt}};
                if (!error.isEmpty())
                    return Outcome::failure(error + settingsProgress(applied, failedAt), record);
                const QString written = QStringLiteral("%1 settings written").arg(session.acknowledgedCount());
                if (!reboot) {
                    record.prepend({QStringLiteral("result"), written + QStringLiteral(", reboot needed")});
                    return Outcome::success(record);
                }
                // The restart on a connection of its own, as the reader still
                // knows itself by its old password and port until then.
                run.runSession<ControlSession>(
                    index,
                    [&](ControlSession &restart) { startReboot(restart, options, index); },
                    [applied, written](ControlSession &restart, const QString &error) {
                        if (!error.isEmpty())
                            return Outcome::failure(written + QStringLiteral(", but the reboot failed: ") + error,
                                                    {{QStringLiteral("applied"), applied},
                                                     {QStringLiteral("failed_at"),
                                                      QString::fromLatin1(restart.failedKeyword())}});
                        return Outcome::success({{QStringLiteral("result"), written + QStringLiteral(", rebooting")},
                                                 {QStringLiteral("applied"), applied},
                                                 {QStringLiteral("failed_at"), QString()}});
                    });
                return Outcome::continued();
            });
    });
    if (!reboot && run.failures() < options.targets.size())
        console.message(QStringLiteral("the readers use the new settings after a reboot (zavctl reboot, or set --reboot)"));
    return result;
}

int cli::reboot(const QCommandLineParser &parser, Console &console)
{
    ReaderOptions options;
    if (!readReaderOptions(parser, parser.positionalArguments(), console, &options))
        return zavctl::BadUsage;

    ReaderRun run(console, options, {QStringLiteral("result")}, QStringLiteral("reboot"));
    return run.exec(controlLimitMs(2), [&](int index) {
        run.runSession<ControlSession>(
            index,
            [&](ControlSession &session) { startReboot(session, options, index); },
            [](ControlSession &, const QString &error) {
                if (!error.isEmpty())
                    return Outcome::failure(error);
                return Outcome::success({{QStringLiteral("result"), QStringLiteral("rebooting")}});
            });
    });
}

int cli::flash(const QCommandLineParser &parser, Console &console)
{
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

    ReaderRun run(console, options, {QStringLiteral("blocks"), QStringLiteral("result")}, QStringLiteral("flash"));
    qint64 blocksSent = 0;
    const qint64 blocksInAll = qint64(blockCount) * options.targets.size();
    QElapsedTimer clock;
    clock.start();
    const auto showBlocks = [&] {
        ++blocksSent;
        const double seconds = qMax(0.001, clock.elapsed() / 1000.0);
        run.setProgressDetail(QStringLiteral("[%1] %2 of %3 blocks, %4 KiB/s")
                                  .arg(QString(int(20 * blocksSent / qMax<qint64>(1, blocksInAll)), QLatin1Char('#'))
                                           .leftJustified(20, QLatin1Char('.')))
                                  .arg(blocksSent)
                                  .arg(blocksInAll)
                                  .arg(blocksSent / seconds, 0, 'f', 0));
    };
    return run.exec(downloadLimitMs(blockCount), [&](int index) {
        run.runSession<DownloadSession>(
            index,
            [&](DownloadSession &session) {
                QObject::connect(&session, &DownloadSession::progress, &session, showBlocks);
                DownloadSession::Options download;
                download.address = options.address(index);
                download.controlPort = options.portOf(index);
                download.password = options.password;
                download.image = image;
                download.restart = restart;
                session.start(download);
            },
            [restart](DownloadSession &session, const QString &error) {
                const QString blocks = QStringLiteral("%1/%2").arg(session.blocksDone()).arg(session.blockCount());
                if (!error.isEmpty()) {
                    // Cut off: where the download stood, as the reader acknowledged it.
                    const QString where = session.failure() == DownloadSession::Stopped && session.blocksDone() > 0
                                              ? QStringLiteral(" after %1 of %2 blocks")
                                                    .arg(session.blocksDone()).arg(session.blockCount())
                                              : QString();
                    return Outcome::failure(error + where, {{QStringLiteral("blocks"), blocks}});
                }
                return Outcome::success({{QStringLiteral("blocks"), blocks},
                                         {QStringLiteral("result"), restart ? QStringLiteral("loaded, restarting")
                                                                            : QStringLiteral("loaded, not restarted")}});
            });
    });
}
