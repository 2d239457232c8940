// zavctl against simulated readers, side by side with the Program Reader
// window and the serial wide-area search. Start it with its wrapper, which
// also builds the silent network for the scan:
//   scripts/netns -- bench/cli/bench_zavctl.sh [build]
// or, without the scan, inside any private network:
//   scripts/netns -- build/bench/cli/bench_zavctl --zavctl build/zavctl
#include "controlsession.h"
#include "scripteddialogs.h"
#include "readersimulator.h"
#include "uikit.h"
#include "programreaderwindow.h"
#include "timedclick.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {
// Sockets are only opened where the only interfaces are loopback and the
// wrapper's link into the silent network.
bool inBenchNetwork(QString *found)
{
    QFile dev(QStringLiteral("/proc/self/net/dev"));
    if (!dev.open(QIODevice::ReadOnly))
        return false;
    QStringList names;
    for (const QByteArray &line : dev.readAll().split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            names.append(QString::fromLatin1(line.left(colon).trimmed()));
    }
    *found = names.join(QLatin1Char(' '));
    for (const QString &name : std::as_const(names)) {
        if (name != u"lo" && name != u"zbench0")
            return false;
    }
    return names.contains(QStringLiteral("lo"));
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

struct Timed {
    double seconds = 0;
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Timed runZavctl(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZAV_PASSWORD"), QStringLiteral("58203"));
    process.setProcessEnvironment(env);
    QSignalSpy finished(&process, &QProcess::finished);
    Timed timed;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    // The simulated readers live in this process: keep its events running.
    if (!finished.wait(600000))
        return timed;
    timed.seconds = clock.nsecsElapsed() / 1e9;
    timed.status = process.exitCode();
    timed.out = process.readAllStandardOutput();
    timed.err = process.readAllStandardError();
    return timed;
}


void raiseOpenFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("zavctl"), QStringLiteral("The zavctl program."), QStringLiteral("path"),
                      QStringLiteral("build/zavctl")});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Runs of the single-reader figures."),
                      QStringLiteral("n"), QStringLiteral("5")});
    parser.addOption({QStringLiteral("readers"), QStringLiteral("Readers of the batch set."), QStringLiteral("n"),
                      QStringLiteral("1000")});
    parser.addOption({QStringLiteral("silent"),
                      QStringLiteral("First of 256 addresses where nothing answers (from the wrapper)."),
                      QStringLiteral("address")});
    parser.process(app);
    const QString zavctl = parser.value(QStringLiteral("zavctl"));
    const int runs = qBound(1, parser.value(QStringLiteral("runs")).toInt(), 50);
    const int batch = qBound(1, parser.value(QStringLiteral("readers")).toInt(), 5000);

    QString found;
    if (!inBenchNetwork(&found)) {
        std::fprintf(stderr, "refusing to open sockets outside a private network (interfaces: %s); use "
                             "scripts/netns\n", qPrintable(found));
        return 2;
    }
    raiseOpenFileLimit();

    // One reader for the single figures, then the batch.
    ReaderSimulator simulator;
    simulator.setMulticastEnabled(false);
    ReaderConfig config;
    config.address = QHostAddress(QStringLiteral("127.0.0.55"));
    config.firmware = "02.10";
    SimulatedReader *reader = simulator.addReader(config);
    const QHostAddress first(QStringLiteral("127.1.0.1"));
    QByteArray batchList;
    for (int i = 0; i < batch; ++i) {
        ReaderConfig c;
        c.address = ReaderSimulator::addressAfter(first, i);
        c.mac = ReaderSimulator::macAfter("0050C2100000", i);
        simulator.addReader(c);
        batchList += c.address.toString().toLatin1() + '\n';
    }
    QString error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return 1;
    }

    // The window, at its 100 ms look.
    ScriptedDialogs dialogs;
    ProgramReaderWindow window(dialogs);
    window.setup(QStringLiteral("127.0.0.55"), QStringLiteral("87"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QList<double> windowGet, windowSet;
    for (int i = 0; i < qMin(runs, 3); ++i) {
        dialogs.messages.clear();
        const double get = timedClick(window, window.getButton());
        const double set = timedClick(window, window.setButton());
        if (get < 0 || set < 0 || dialogs.messages.size() != 1
            || !dialogs.messages.first().startsWith(QStringLiteral("New Parameters"))) {
            std::fprintf(stderr, "window set failed: %s\n", qPrintable(dialogs.messages.join(QStringLiteral("; "))));
            return 1;
        }
        windowGet.append(get);
        windowSet.append(set);
    }

    // The same exchanges in this process, without a program start.
    QList<double> sessionGet, sessionSet;
    for (int i = 0; i < runs; ++i) {
        for (bool setting : {false, true}) {
            ControlSession session;
            QSignalSpy finished(&session, &ControlSession::finished);
            ControlSession::Plan plan;
            plan.password = "58203";
            plan.readStat = true;
            if (setting) {
                plan.afterStat = [](const ReaderSettings &, QList<SettingCommand> *commands, QString *) {
                    *commands = {{"CIP", "127.0.0.55"}, {"DPT", "57"}, {"UDPP", "53002"}, {"CPT", "87"},
                                 {"CSN", "255.255.255.0"}, {"GTW", "0.0.0.0"}, {"SIP", "127.0.0.1"},
                                 {"SPRT", "57"}, {"IDENT", "READER"}, {"MODE", "0"}, {"CID", "0"},
                                 {"SPEED", "5"}, {"DHCP", "0"}, {"DPASS", "0"}};
                    return true;
                };
            }
            QElapsedTimer clock;
            clock.start();
            session.start(QHostAddress(QStringLiteral("127.0.0.55")), 87, plan);
            if (!finished.wait(10000) || session.failure() != ControlSession::NoFailure) {
                std::fprintf(stderr, "session failed: %s\n", qPrintable(session.errorText()));
                return 1;
            }
            (setting ? sessionSet : sessionGet).append(clock.nsecsElapsed() / 1e9);
        }
    }

    QList<double> cliStart, cliGet, cliSet;
    for (int i = 0; i < runs; ++i) {
        const Timed get = runZavctl(zavctl, {QStringLiteral("get"), QStringLiteral("127.0.0.55")});
        reader->clearRecord();
        const Timed set = runZavctl(zavctl, {QStringLiteral("set"), QStringLiteral("127.0.0.55"),
                                             i % 2 ? QStringLiteral("dhcp=off") : QStringLiteral("dhcp=on")});
        if (get.status != 0 || set.status != 0 || reader->receivedBytes(Channel::Control).count('\r') != 16) {
            std::fprintf(stderr, "zavctl failed: %s%s\n", get.err.constData(), set.err.constData());
            return 1;
        }
        cliGet.append(get.seconds);
        cliStart.append(runZavctl(zavctl, {QStringLiteral("--version")}).seconds);
        cliSet.append(set.seconds);
    }

    const Timed many = runZavctl(zavctl, {QStringLiteral("set"), QStringLiteral("-"), QStringLiteral("mode=client"),
                                          QStringLiteral("--jobs"), QStringLiteral("64")},
                                 batchList);
    int written = 0;
    for (SimulatedReader *r : simulator.readers())
        written += r->config().mode == '1' && r != reader ? 1 : 0;
    if (many.status != 0 || written != batch) {
        std::fprintf(stderr, "batch set: status %d, %d of %d readers written\n%s", many.status, written, batch,
                     many.err.left(2000).constData());
        return 1;
    }

    // The batch again: read, then applied with what every reader holds by
    // now, which must cost no more than the read (login and STAT only).
    for (SimulatedReader *r : simulator.readers())
        r->clearRecord();
    const Timed batchGet = runZavctl(zavctl, {QStringLiteral("get"), QStringLiteral("-"), QStringLiteral("--jobs"),
                                              QStringLiteral("64")},
                                     batchList);
    for (SimulatedReader *r : simulator.readers())
        r->clearRecord();
    const Timed batchApply = runZavctl(zavctl, {QStringLiteral("apply"), QStringLiteral("-"),
                                                QStringLiteral("mode=client"), QStringLiteral("--jobs"),
                                                QStringLiteral("64")},
                                       batchList);
    int untouched = 0;
    for (SimulatedReader *r : simulator.readers())
        untouched += r != reader && r->receivedBytes(Channel::Control) == "PASS58203\rSTAT\r" ? 1 : 0;
    if (batchGet.status != 0 || batchApply.status != 0 || untouched != batch) {
        std::fprintf(stderr, "batch get/apply: status %d/%d, %d of %d readers sent login and STAT only\n%s",
                     batchGet.status, batchApply.status, untouched, batch, batchApply.err.left(2000).constData());
        return 1;
    }

    Timed scan;
    const QString silent = parser.value(QStringLiteral("silent"));
    if (!silent.isEmpty()) {
        scan = runZavctl(zavctl, {QStringLiteral("scan"), silent, QStringLiteral("--count"), QStringLiteral("256"),
                                  QStringLiteral("--jobs"), QStringLiteral("64"), QStringLiteral("--timeout"),
                                  QStringLiteral("1")});
        if (scan.status != 0)
            std::fprintf(stderr, "scan: status %d: %s\n", scan.status, scan.err.constData());
    }

    std::printf("zavctl against simulated readers (zavctl: whole process, start to exit; median of %d)\n", runs);
    std::printf("%-44s %12s %12s %10s\n", "", "zavctl", "window", "target");
    std::printf("%-44s %10.3f s %10.3f s %10s\n", "get of one reader (PASS, STAT)", median(cliGet), median(windowGet),
                "< 0.050 s");
    std::printf("%-44s %10.3f s %10.3f s %10s\n", "set of one reader (PASS, STAT, 14 settings)", median(cliSet),
                median(windowSet), "< 0.100 s");
    std::printf("%-44s %10.3f s\n", "  of which starting the program (--version)", median(cliStart));
    std::printf("%-44s %10.3f s / %.3f s\n", "  the get / set exchange alone (in process)", median(sessionGet),
                median(sessionSet));
    std::printf("%-44s %10.3f s %12s %10s\n", qPrintable(QStringLiteral("set of %1 readers, --jobs 64").arg(batch)),
                many.seconds, "-", "< 10 s");
    std::printf("%-44s %10.3f s %12s\n", qPrintable(QStringLiteral("get of %1 readers, --jobs 64").arg(batch)),
                batchGet.seconds, "-");
    std::printf("%-44s %10.3f s %12s %10s\n",
                qPrintable(QStringLiteral("apply to %1 readers holding it, --jobs 64").arg(batch)), batchApply.seconds,
                "-", qPrintable(QStringLiteral("< %1 s").arg(1.2 * batchGet.seconds, 0, 'f', 3)));
    if (!silent.isEmpty())
        std::printf("%-44s %10.3f s %8.0f s (*) %10s\n", "scan of 256 silent addresses, 64 jobs, 1 s", scan.seconds,
                    256.0, "< 5 s");
    else
        std::printf("%-44s %12s\n", "scan of 256 silent addresses", "(needs the wrapper)");
    std::printf("(*) the serial wide-area window gives each silent address its 1 s wait, one after the other\n");
    return 0;
}
