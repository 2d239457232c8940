// get, set, reboot and flash: commands on readers named by their address.
#include "commandtable.h"
#include "console.h"
#include "controlsession.h"
#include "defaults.h"
#include "downloadsession.h"
#include "firmwareimage.h"
#include "passwords.h"
#include "readerkeys.h"
#include "readerrun.h"
#include "settingrun.h"

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

// One reader's settings job: the login, STAT, and the commands the planner
// makes of the reader's settings; finish says how it ended.
void runSettingsJob(cli::ReaderRun &run, const cli::ReaderOptions &options, int index,
                    ControlSession::StatPlanner planner, const cli::ReaderRun::Finish<ControlSession> &finish)
{
    run.runSession<ControlSession>(
        index,
        [&](ControlSession &session) {
            ControlSession::Plan plan;
            plan.readStat = true;
            plan.afterStat = std::move(planner);
            startOn(session, options, index, plan);
        },
        finish);
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

QStringList keywordsOf(const QList<SettingCommand> &commands)
{
    QStringList keywords;
    for (const SettingCommand &command : commands)
        keywords.append(QString::fromLatin1(command.keyword));
    return keywords;
}

// What set and apply are given: the readers, each reader's changes (from
// KEY=VALUE and the columns of a CSV on standard input) and a new password.
struct SettingsRequest {
    cli::ReaderOptions options;
    QList<QList<readerkeys::Change>> changesOf;  // one list for each reader
    QByteArray newPassword;                      // empty: none
    bool reboot = false;
};

// Reads and checks everything set and apply are given; every refusal is
// reported, and false means exit status 2 with nothing sent.
bool readSettingsRequest(const QCommandLineParser &parser, Console &console, SettingsRequest *request)
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
            return false;
        }
        if (keys.contains(change.key)) {
            console.message(QStringLiteral("%1 is given twice").arg(change.key));
            return false;
        }
        keys.insert(change.key);
        changes.append(change);
    }
    const bool newPassword = parser.isSet(QStringLiteral("new-password"))
                             || parser.isSet(QStringLiteral("new-password-file"));

    cli::ReaderOptions &options = request->options;
    if (!cli::readReaderOptions(parser, addresses, console, &options))
        return false;
    if (keys.contains(settings::Address) && options.targets.size() > 1) {
        console.message(QStringLiteral("address= names one reader's new address; it cannot be given to %1 readers")
                            .arg(options.targets.size()));
        return false;
    }
    // Each reader's own settings from the columns of a CSV on standard input,
    // checked as strictly as the command line's.
    QHash<QByteArray, QString> newAddresses;
    for (const targets::Target &target : std::as_const(options.targets)) {
        QList<readerkeys::Change> own = changes;
        for (const auto &[heading, value] : target.columns) {
            if (!settings::settableKeys().contains(heading))
                continue;
            const QString argument = heading + QLatin1Char('=') + value;
            readerkeys::Change change;
            QString refusal;
            if (!readerkeys::parseChange(argument, &change, &refusal)) {
                console.message(QStringLiteral("standard input line %1: %2: %3").arg(target.line).arg(argument, refusal));
                return false;
            }
            if (keys.contains(change.key)) {
                console.message(QStringLiteral("standard input line %1: %2 is also given on the command line")
                                    .arg(target.line).arg(change.key));
                return false;
            }
            own.append(change);
            if (change.key == settings::Address) {
                if (newAddresses.contains(change.value)) {
                    console.message(QStringLiteral("%1 and %2 would both get the address %3")
                                        .arg(newAddresses.value(change.value), target.address,
                                             QString::fromLatin1(change.value)));
                    return false;
                }
                newAddresses.insert(change.value, target.address);
            }
        }
        request->changesOf.append(own);
    }
    bool anything = newPassword;
    for (const QList<readerkeys::Change> &own : std::as_const(request->changesOf))
        anything = anything || !own.isEmpty();
    if (!anything) {
        console.message(QStringLiteral("nothing to set: give KEY=VALUE or --new-password"));
        return false;
    }
    if (newPassword) {
        passwords::Source source;
        source.environmentVariable = QStringLiteral("ZAV_NEW_PASSWORD");
        source.file = parser.value(QStringLiteral("new-password-file"));
        source.prompt = QStringLiteral("New control password: ");
        source.confirm = true;
        source.name = QStringLiteral("new password");
        QString refusal;
        if (!passwords::obtain(source, &request->newPassword, &refusal)) {
            console.message(refusal);
            return false;
        }
    }
    request->reboot = parser.isSet(QStringLiteral("reboot"));
    return true;
}

// The most a settings job may take: connection, login, STAT and every command
// of a run, and a restart on a connection of its own.
int settingsLimitMs(bool reboot)
{
    return controlLimitMs(2 + 16) + (reboot ? controlLimitMs(2) : 0);
}

// The restart after a settings run, on a connection of its own, as the reader
// still knows itself by its old password and port until then. The record
// gets result "<written>, rebooting", or failed_at REBOOT when the restart
// failed for any reason.
cli::Outcome restartAfterRun(cli::ReaderRun &run, const cli::ReaderOptions &options, int index,
                             output::Record record, const QString &written)
{
    run.runSession<ControlSession>(
        index, [&](ControlSession &restart) { startReboot(restart, options, index); },
        [record, written](ControlSession &, const QString &error) mutable {
            if (!error.isEmpty()) {
                output::setValue(record, QStringLiteral("failed_at"), QStringLiteral("REBOOT"));
                return cli::Outcome::failure(written + QStringLiteral(", but the reboot failed: ") + error, record);
            }
            output::setValue(record, QStringLiteral("result"), written + QStringLiteral(", rebooting"));
            return cli::Outcome::success(record);
        });
    return cli::Outcome::continued();
}

// What apply finds: for each setting it changes, the reader's value and the
// one wanted, as zavctl writes them; the password as "password", its values
// never shown.
output::Record differences(const ReaderSettings &reader, const ReaderSettings &wanted,
                           const QList<SettingCommand> &run)
{
    output::Record changes;
    for (const SettingCommand &command : run) {
        if (command.keyword == "NEWPASS") {
            changes.append({QStringLiteral("password"),
                            QVariant::fromValue(output::Record{{QStringLiteral("old"), QVariant::fromValue(nullptr)},
                                                               {QStringLiteral("new"), QVariant::fromValue(nullptr)}})});
            continue;
        }
        for (const settings::Setting &setting : settings::table()) {
            if (setting.keyword != command.keyword)
                continue;
            changes.append({setting.key, QVariant::fromValue(output::Record{
                                             {QStringLiteral("old"), settings::text(setting, reader.value(setting.key))},
                                             {QStringLiteral("new"), settings::text(setting, wanted.value(setting.key))}})});
        }
    }
    return changes;
}
} // namespace

int cli::get(const QCommandLineParser &parser, Console &console)
{
    ReaderOptions options;
    if (!readReaderOptions(parser, parser.positionalArguments(), console, &options))
        return zavctl::BadUsage;

    ReaderRun run(console, options, settings::keys(), QStringLiteral("get"));
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
                for (const auto &[key, value] : readerkeys::fromReader(session.stat()))
                    record.append({key, value});
                return Outcome::success(record);
            });
    });
}

int cli::set(const QCommandLineParser &parser, Console &console)
{
    SettingsRequest request;
    if (!readSettingsRequest(parser, console, &request))
        return zavctl::BadUsage;
    const ReaderOptions &options = request.options;

    // The keywords of each reader's run, once its STAT reply has decided them.
    QList<QStringList> planned(options.targets.size());
    ReaderRun run(console, options,
                  {QStringLiteral("result"), QStringLiteral("applied"), QStringLiteral("failed_at")},
                  QStringLiteral("set"));
    const int result = run.exec(settingsLimitMs(request.reboot), [&](int index) {
        const QList<readerkeys::Change> &own = request.changesOf.at(index);
        runSettingsJob(
            run, options, index,
            [&own, &request, &planned, index](const ReaderSettings &reader, QList<SettingCommand> *commands,
                                              QString *refusal) {
                const ReaderSettings values = readerkeys::applyChanges(reader, own);
                *refusal = readerkeys::runRefusal(reader, own, values);
                if (!refusal->isEmpty())
                    return false;
                *commands = settingRun(values, request.newPassword);
                planned[index] = keywordsOf(*commands);
                return true;
            },
            [&, index](ControlSession &session, const QString &error) {
                const QStringList applied = planned.at(index).mid(0, session.acknowledgedCount());
                const QString failedAt = QString::fromLatin1(session.failedKeyword());
                output::Record record{{QStringLiteral("applied"), applied}, {QStringLiteral("failed_at"), failedAt}};
                if (!error.isEmpty())
                    return Outcome::failure(error + settingsProgress(applied, failedAt), record);
                const QString written = QStringLiteral("%1 settings written").arg(session.acknowledgedCount());
                if (!request.reboot) {
                    record.prepend({QStringLiteral("result"), written + QStringLiteral(", reboot needed")});
                    return Outcome::success(record);
                }
                return restartAfterRun(run, options, index, record, written);
            });
    });
    if (!request.reboot && run.failures() < options.targets.size())
        console.message(QStringLiteral("the readers use the new settings after a reboot (zavctl reboot, or set --reboot)"));
    return result;
}

int cli::apply(const QCommandLineParser &parser, Console &console)
{
    SettingsRequest request;
    if (!readSettingsRequest(parser, console, &request))
        return zavctl::BadUsage;
    const ReaderOptions &options = request.options;
    const bool check = parser.isSet(QStringLiteral("check"));

    // Each reader's run and what it changes, once its STAT reply has decided them.
    QList<QList<SettingCommand>> planned(options.targets.size());
    QList<output::Record> changesOf(options.targets.size());
    int changedReaders = 0;
    ReaderRun run(console, options,
                  {QStringLiteral("changed"), QStringLiteral("changes"), QStringLiteral("applied"),
                   QStringLiteral("failed_at"), QStringLiteral("result")},
                  QStringLiteral("apply"));
    const int result = run.exec(settingsLimitMs(request.reboot), [&](int index) {
        const QList<readerkeys::Change> &own = request.changesOf.at(index);
        runSettingsJob(
            run, options, index,
            [&, index](const ReaderSettings &reader, QList<SettingCommand> *commands, QString *refusal) {
                *refusal = readerkeys::changeRefusal(reader, own);
                if (!refusal->isEmpty())
                    return false;
                const ReaderSettings wanted = readerkeys::applyChanges(reader, own);
                planned[index] = changeRun(reader, wanted, request.newPassword);
                changesOf[index] = differences(reader, wanted, planned.at(index));
                // A check reads and compares only.
                if (!check)
                    *commands = planned.at(index);
                return true;
            },
            [&, index](ControlSession &session, const QString &error) {
                const QList<SettingCommand> &commands = planned.at(index);
                const int acknowledged = check ? 0 : session.acknowledgedCount();
                const QStringList applied = keywordsOf(commands).mid(0, acknowledged);
                const QString failedAt = QString::fromLatin1(session.failedKeyword());
                // In check mode: whether anything would change.
                const bool changed = check ? !commands.isEmpty() : acknowledged > 0;
                output::Record record{{QStringLiteral("changed"), changed},
                                      {QStringLiteral("applied"), applied},
                                      {QStringLiteral("failed_at"), failedAt}};
                // Unknown unless the reader's settings were read.
                if (session.hasStat())
                    output::setValue(record, QStringLiteral("changes"), QVariant::fromValue(changesOf.at(index)));
                if (!error.isEmpty())
                    return Outcome::failure(error + settingsProgress(applied, failedAt), record);
                if (commands.isEmpty()) {
                    record.append({QStringLiteral("result"), QStringLiteral("unchanged")});
                    return Outcome::success(record);
                }
                if (check) {
                    record.append({QStringLiteral("result"), QStringLiteral("%1 to change").arg(commands.size())});
                    return Outcome::success(record);
                }
                ++changedReaders;
                const QString written = QStringLiteral("%1 settings written").arg(acknowledged);
                if (!request.reboot) {
                    record.append({QStringLiteral("result"), written + QStringLiteral(", reboot needed")});
                    return Outcome::success(record);
                }
                return restartAfterRun(run, options, index, record, written);
            });
    });
    if (!check && !request.reboot && changedReaders > 0)
        console.message(QStringLiteral("the readers use the new settings after a reboot (zavctl reboot, or apply --reboot)"));
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
    const int blockCount = int(image.size() / defaults::DownloadBlockSize);

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
