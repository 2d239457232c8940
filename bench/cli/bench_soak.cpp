// A fleet under faults: zav-reader-sim with 1000 readers, a tenth of them
// with a fault drawn at random per reader (silent, reset after N commands,
// garbage reply, late reply past the limit, refused command, slow but in
// time), and per round "zavctl set" to all of them, "zavctl get" of those
// that must have taken the settings, and "zavctl flash" of a small image to
// 200 of them. Checks that every reader is reported exactly once, the faulty
// ones as failed where their fault makes them fail (with the right applied
// and failed_at, or blocks), the others as done and holding the new settings,
// and that the simulator's open descriptors are back at their start figure
// after each round. Prints zavctl's peak RSS and the time of each round, and
// ends with "N wrong reports, N leaked descriptors" (exit status 1 unless both
// are 0). Start it with its wrapper, inside the private network:
//   scripts/netns -- bench/cli/soak [BUILD_DIR] [--rounds N] [--seed N]
#include "privatenetwork.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

#include <sys/resource.h>

namespace {
const QByteArray Password = "58203";
// The setting commands of a run to a reader with firmware 02.10 or later, in
// the order sent (the login and STAT come first on the same connection).
const QStringList Run{"CIP", "DPT", "UDPP", "CPT", "CSN", "GTW", "SIP", "SPRT",
                      "IDENT", "MODE", "CID", "SPEED", "DHCP", "DPASS"};
// Each reply waits at most this long in zavctl.
constexpr int ReplyLimitMs = 3000;

enum class Kind { None, Silent, Reset, Garbage, Late, Refused, Slow };

struct ReaderFault {
    Kind kind = Kind::None;
    QByteArray target;   // a control keyword, "*" (every command) or "DL-B" (download block)
    QByteArray fault;    // as zav-reader-sim's --fault-file takes it
    int after = 0;       // Reset: messages answered on each connection before it
};

// What a command should report for one reader.
struct Expected {
    bool ok = true;
    QStringList applied;
    QString failedAt;
    int blocks = 0;
};

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::None: return QStringLiteral("none");
    case Kind::Silent: return QStringLiteral("silent");
    case Kind::Reset: return QStringLiteral("reset");
    case Kind::Garbage: return QStringLiteral("garbage");
    case Kind::Late: return QStringLiteral("late");
    case Kind::Refused: return QStringLiteral("refused");
    case Kind::Slow: return QStringLiteral("slow");
    }
    return {};
}

ReaderFault drawFault(QRandomGenerator &random, bool flashed, int blocks)
{
    ReaderFault f;
    f.kind = Kind(1 + random.bounded(6));
    // A command of the login, STAT or the setting run.
    const QStringList targets = QStringList{"PASS", "STAT"} + Run;
    f.target = targets.at(random.bounded(int(targets.size()))).toLatin1();
    switch (f.kind) {
    case Kind::Silent:
        f.target = "*";
        f.fault = "noanswer";
        break;
    case Kind::Reset:
        if (flashed && random.bounded(2) == 0) {
            f.target = "DL-B";
            f.after = random.bounded(blocks);
        } else {
            f.target = "*";
            f.after = 2 + random.bounded(int(Run.size()));
        }
        f.fault = "reset,after=" + QByteArray::number(f.after) + ",each-connection";
        break;
    case Kind::Garbage: {
        // Bytes that no later byte can make an acknowledgement.
        QByteArray bytes = "replace:";
        const int count = 1 + random.bounded(8);
        for (int i = 0; i < count; ++i) {
            int b = random.bounded(256);
            if (i == 0 && b == 'O')
                b = 'X';
            bytes += "\\x" + QByteArray::number(b, 16).rightJustified(2, '0');
        }
        f.fault = bytes;
        break;
    }
    case Kind::Late:
        f.fault = "slow:" + QByteArray::number(ReplyLimitMs + 500 + random.bounded(1000));
        break;
    case Kind::Refused:
        f.fault = "replace:ERR\\r";
        break;
    case Kind::Slow:
        f.fault = "slow:" + QByteArray::number(1000 + random.bounded(1000));
        break;
    case Kind::None:
        break;
    }
    return f;
}

// The fault cuts the control exchange at this message (1 = PASS, 2 = STAT,
// 3 = the first setting command); 0 when it does not.
int failingMessage(const ReaderFault &f)
{
    switch (f.kind) {
    case Kind::Silent:
        return 1;
    case Kind::Reset:
        return f.target == "*" ? f.after + 1 : 0;
    case Kind::Garbage:
    case Kind::Late:
    case Kind::Refused: {
        if (f.target == "PASS")
            return 1;
        if (f.target == "STAT")
            return 2;
        return 3 + int(Run.indexOf(QString::fromLatin1(f.target)));
    }
    default:
        return 0;
    }
}

Expected expectedSet(const ReaderFault &f)
{
    Expected e;
    const int message = failingMessage(f);
    if (message == 0) {
        e.applied = Run;
        return e;
    }
    e.ok = false;
    if (message >= 3) {
        e.applied = Run.mid(0, message - 3);
        e.failedAt = Run.at(message - 3);
    }
    return e;
}

Expected expectedFlash(const ReaderFault &f, int blocks)
{
    Expected e;
    e.blocks = blocks;
    if (failingMessage(f) == 1) {
        e.ok = false;
        e.blocks = 0;
    } else if (f.kind == Kind::Reset && f.target == "DL-B") {
        e.ok = false;
        e.blocks = f.after;
    }
    return e;
}

struct Result {
    int status = -1;
    double seconds = 0;
    QByteArray out;
    QByteArray err;
};

Result runZavctl(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZAV_PASSWORD"), QString::fromLatin1(Password));
    process.setProcessEnvironment(env);
    Result result;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return result;
    process.write(input);
    process.closeWriteChannel();
    // Far beyond what the limits allow for the whole fleet.
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished(5000);
        return result;
    }
    result.seconds = clock.nsecsElapsed() / 1e9;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

int openDescriptors(qint64 pid)
{
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(pid))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

long peakChildRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

class Checker
{
public:
    int wrong = 0;

    void wrongReport(const QString &text)
    {
        ++wrong;
        if (wrong <= 20)
            std::printf("  wrong: %s\n", qPrintable(text));
        else if (wrong == 21)
            std::printf("  (further wrong reports not shown)\n");
    }

    // Every reader of the list once in the JSON array, and one message line
    // for each that failed; gives the results by reader.
    QHash<QString, QJsonObject> reports(const QString &command, const Result &result, const QStringList &readers)
    {
        QHash<QString, QJsonObject> byReader;
        QJsonParseError error;
        const QJsonArray array = QJsonDocument::fromJson(result.out, &error).array();
        if (error.error != QJsonParseError::NoError) {
            wrongReport(QStringLiteral("%1: output is no JSON document (%2)").arg(command, error.errorString()));
            return byReader;
        }
        for (const QJsonValue &value : array) {
            const QString reader = value.toObject().value(QStringLiteral("reader")).toString();
            if (byReader.contains(reader))
                wrongReport(QStringLiteral("%1: %2 reported twice").arg(command, reader));
            byReader.insert(reader, value.toObject());
        }
        QHash<QString, int> messages;
        for (const QByteArray &line : result.err.split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() > 1 && parts.at(0) == "zavctl:" && parts.at(1).endsWith(':'))
                ++messages[QString::fromLatin1(parts.at(1).chopped(1))];
        }
        for (const QString &reader : readers) {
            if (!byReader.contains(reader)) {
                wrongReport(QStringLiteral("%1: %2 not reported").arg(command, reader));
                continue;
            }
            const bool ok = byReader.value(reader).value(QStringLiteral("ok")).toBool();
            if (messages.value(reader) != (ok ? 0 : 1))
                wrongReport(QStringLiteral("%1: %2 has %3 message lines").arg(command, reader).arg(messages.value(reader)));
        }
        if (byReader.size() != readers.size())
            wrongReport(QStringLiteral("%1: %2 results for %3 readers").arg(command).arg(byReader.size()).arg(readers.size()));
        return byReader;
    }
};
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("build"), QStringLiteral("The build folder."), QStringLiteral("dir"),
                      QStringLiteral("build")});
    parser.addOption({QStringLiteral("rounds"), QStringLiteral("Rounds (default 3)."), QStringLiteral("n"),
                      QStringLiteral("3")});
    parser.addOption({QStringLiteral("readers"), QStringLiteral("Simulated readers (default 1000)."),
                      QStringLiteral("n"), QStringLiteral("1000")});
    parser.addOption({QStringLiteral("flash"), QStringLiteral("Readers given the image each round (default 200)."),
                      QStringLiteral("n"), QStringLiteral("200")});
    parser.addOption({QStringLiteral("faulty"), QStringLiteral("Per cent of readers with a fault (default 10)."),
                      QStringLiteral("n"), QStringLiteral("10")});
    parser.addOption({QStringLiteral("jobs"), QStringLiteral("zavctl --jobs (default 64)."), QStringLiteral("n"),
                      QStringLiteral("64")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the fault draw (default: from the clock)."),
                      QStringLiteral("n")});
    parser.process(app);
    const QString build = parser.value(QStringLiteral("build"));
    const int rounds = qBound(1, parser.value(QStringLiteral("rounds")).toInt(), 20);
    const int readerCount = qBound(1, parser.value(QStringLiteral("readers")).toInt(), 5000);
    const int flashCount = qBound(0, parser.value(QStringLiteral("flash")).toInt(), readerCount);
    const int faultyPercent = qBound(0, parser.value(QStringLiteral("faulty")).toInt(), 100);
    const QString jobs = QString::number(qBound(1, parser.value(QStringLiteral("jobs")).toInt(), 1024));
    const quint32 seed = parser.isSet(QStringLiteral("seed")) ? parser.value(QStringLiteral("seed")).toUInt()
                                                             : quint32(QDateTime::currentMSecsSinceEpoch());
    constexpr int Blocks = 4;

    QString why;
    if (!inPrivateNetwork(&why)) {
        std::fprintf(stderr, "refusing to run outside a private network (%s); use scripts/netns\n", qPrintable(why));
        return 2;
    }
    const QString zavctl = build + QStringLiteral("/zavctl");
    const QString simulatorProgram = build + QStringLiteral("/zav-reader-sim");
    for (const QString &program : {zavctl, simulatorProgram}) {
        if (!QFileInfo(program).isExecutable()) {
            std::fprintf(stderr, "%s: not built\n", qPrintable(program));
            return 2;
        }
    }
    QTemporaryDir files;

    // The fleet: addresses from 127.0.1.1 on (no .0 or .255, as the simulator
    // counts them), a fault for one reader in `faulty`, the first `flash` of a
    // shuffled order given the image.
    QRandomGenerator random(seed);
    QStringList readers;
    quint32 address = QHostAddress(QStringLiteral("127.0.1.1")).toIPv4Address();
    for (int i = 0; i < readerCount; ++i, ++address) {
        while ((address & 0xff) == 0 || (address & 0xff) == 0xff)
            ++address;
        readers.append(QHostAddress(address).toString());
    }
    QStringList order = readers;
    for (qsizetype i = order.size() - 1; i > 0; --i)
        order.swapItemsAt(i, random.bounded(int(i + 1)));
    const QStringList flashed = order.mid(0, flashCount);
    QHash<QString, ReaderFault> faults;
    QByteArray faultFile;
    QHash<Kind, int> kinds;
    for (const QString &reader : std::as_const(readers)) {
        if (random.bounded(100) >= faultyPercent)
            continue;
        const ReaderFault fault = drawFault(random, flashed.contains(reader), Blocks);
        faults.insert(reader, fault);
        ++kinds[fault.kind];
        faultFile += reader.toLatin1() + ' ' + fault.target + '=' + fault.fault + '\n';
    }
    const QString faultPath = files.filePath(QStringLiteral("faults"));
    QFile faultOut(faultPath);
    if (!faultOut.open(QIODevice::WriteOnly) || faultOut.write(faultFile) != faultFile.size())
        return 2;
    faultOut.close();
    QByteArray image;
    for (int i = 0; i < Blocks * 1024; ++i)
        image.append(char((i * 7 + 3) & 0xff));
    const QString imagePath = files.filePath(QStringLiteral("image.bin"));
    QFile imageOut(imagePath);
    if (!imageOut.open(QIODevice::WriteOnly) || imageOut.write(image) != image.size())
        return 2;
    imageOut.close();

    std::printf("soak: %d readers, %lld faulty (seed %u):", readerCount, qlonglong(faults.size()), seed);
    for (const Kind kind : {Kind::Silent, Kind::Reset, Kind::Garbage, Kind::Late, Kind::Refused, Kind::Slow})
        std::printf(" %s %d", qPrintable(kindName(kind)), kinds.value(kind));
    std::printf("; %d readers flashed per round, image of %d blocks, --jobs %s\n", flashCount, Blocks,
                qPrintable(jobs));
    std::fflush(stdout);

    // The simulator writes into files: a full pipe would stop it.
    const QString simulatorOut = files.filePath(QStringLiteral("simulator.out"));
    const QString simulatorErr = files.filePath(QStringLiteral("simulator.err"));
    const auto readFile = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QProcess simulator;
    simulator.setStandardOutputFile(simulatorOut);
    simulator.setStandardErrorFile(simulatorErr);
    simulator.start(simulatorProgram,
                    {QStringLiteral("--readers"), QString::number(readerCount), QStringLiteral("--address"),
                     readers.first(), QStringLiteral("--no-multicast"), QStringLiteral("--reboot-delay"),
                     QStringLiteral("200"), QStringLiteral("--fault-file"), faultPath});
    QByteArray simulatorOutput;
    QElapsedTimer startClock;
    startClock.start();
    while (!simulatorOutput.contains("ready: ") && startClock.elapsed() < 60000
           && simulator.state() != QProcess::NotRunning) {
        simulator.waitForFinished(100);
        simulatorOutput = readFile(simulatorOut);
    }
    if (!simulatorOutput.contains(QByteArray("ready: ") + QByteArray::number(readerCount) + " readers")) {
        std::fprintf(stderr, "the simulator did not start its readers:\n%s%s\n", simulatorOutput.right(2000).constData(),
                     readFile(simulatorErr).constData());
        simulator.kill();
        simulator.waitForFinished(5000);
        return 2;
    }
    // Its readers are where the fault file put them.
    QStringList listening;
    for (const QByteArray &line : simulatorOutput.split('\n')) {
        if (line.startsWith("reader "))
            listening.append(QString::fromLatin1(line.split(' ').value(1)));
    }
    if (listening != readers) {
        std::fprintf(stderr, "the simulator's readers are not at the addresses expected\n");
        simulator.kill();
        simulator.waitForFinished(5000);
        return 2;
    }
    const qint64 simulatorPid = simulator.processId();
    const int startDescriptors = openDescriptors(simulatorPid);
    std::printf("simulator: %d open descriptors after start (%.1f s)\n", startDescriptors, startClock.elapsed() / 1000.0);

    const QByteArray allReaders = readers.join(QLatin1Char('\n')).toLatin1() + '\n';
    const QByteArray flashList = flashed.join(QLatin1Char('\n')).toLatin1() + '\n';
    Checker checker;
    int leaked = 0;
    for (int round = 1; round <= rounds; ++round) {
        const int wrongBefore = checker.wrong;
        const QString identifier = QStringLiteral("SOAK %1").arg(round);
        const QString serverPort = QString::number(4000 + round);
        const QString gateway = QStringLiteral("10.%1.0.1").arg(round);

        // Settings to every reader.
        const Result set = runZavctl(zavctl,
                                     {"set", "-", "identifier=" + identifier, "server-port=" + serverPort,
                                      "gateway=" + gateway, "--jobs", jobs, "--format", "json"},
                                     allReaders);
        const QHash<QString, QJsonObject> setReports = checker.reports(QStringLiteral("set"), set, readers);
        QStringList sound;
        int setFailures = 0;
        for (const QString &reader : std::as_const(readers)) {
            const Expected expected = expectedSet(faults.value(reader));
            if (expected.ok)
                sound.append(reader);
            else
                ++setFailures;
            if (!setReports.contains(reader))
                continue;
            const QJsonObject report = setReports.value(reader);
            const QStringList applied = report.value(QStringLiteral("applied")).toVariant().toStringList();
            const QString failedAt = report.value(QStringLiteral("failed_at")).toString();
            if (report.value(QStringLiteral("ok")).toBool() != expected.ok || applied != expected.applied
                || failedAt != expected.failedAt || !report.contains(QStringLiteral("failed_at")))
                checker.wrongReport(QStringLiteral("set: %1 (%2 %3): ok %4, applied \"%5\", failed_at \"%6\"; "
                                                   "expected ok %7, applied \"%8\", failed_at \"%9\"")
                                        .arg(reader, kindName(faults.value(reader).kind),
                                             QString::fromLatin1(faults.value(reader).target))
                                        .arg(report.value(QStringLiteral("ok")).toBool())
                                        .arg(applied.join(QLatin1Char(' ')), failedAt)
                                        .arg(expected.ok)
                                        .arg(expected.applied.join(QLatin1Char(' ')), expected.failedAt));
        }
        if (set.status != (setFailures > 0 ? 1 : 0))
            checker.wrongReport(QStringLiteral("set: exit status %1").arg(set.status));

        // The readers that took the settings, asked back.
        const Result get = runZavctl(zavctl, {"get", "-", "--jobs", jobs, "--format", "json"},
                                     sound.join(QLatin1Char('\n')).toLatin1() + '\n');
        const QHash<QString, QJsonObject> getReports = checker.reports(QStringLiteral("get"), get, sound);
        for (const QString &reader : std::as_const(sound)) {
            const QJsonObject report = getReports.value(reader);
            if (!getReports.contains(reader))
                continue;
            if (!report.value(QStringLiteral("ok")).toBool()
                || report.value(QStringLiteral("identifier")).toString() != identifier
                || report.value(QStringLiteral("server-port")).toString() != serverPort
                || report.value(QStringLiteral("gateway")).toString() != gateway)
                checker.wrongReport(QStringLiteral("get: %1 does not hold the new settings: %2")
                                        .arg(reader, QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Compact))));
        }
        if (get.status != 0)
            checker.wrongReport(QStringLiteral("get: exit status %1").arg(get.status));

        // The image to a fifth of them.
        const Result flash = runZavctl(zavctl, {"flash", "-", imagePath, "--jobs", jobs, "--format", "json"},
                                       flashList);
        const QHash<QString, QJsonObject> flashReports = checker.reports(QStringLiteral("flash"), flash, flashed);
        int flashFailures = 0;
        for (const QString &reader : flashed) {
            const Expected expected = expectedFlash(faults.value(reader), Blocks);
            flashFailures += expected.ok ? 0 : 1;
            if (!flashReports.contains(reader))
                continue;
            const QJsonObject report = flashReports.value(reader);
            const QString blocks = QStringLiteral("%1/%2").arg(expected.blocks).arg(Blocks);
            if (report.value(QStringLiteral("ok")).toBool() != expected.ok
                || report.value(QStringLiteral("blocks")).toString() != blocks)
                checker.wrongReport(QStringLiteral("flash: %1 (%2 %3): ok %4, blocks %5; expected ok %6, blocks %7")
                                        .arg(reader, kindName(faults.value(reader).kind),
                                             QString::fromLatin1(faults.value(reader).target))
                                        .arg(report.value(QStringLiteral("ok")).toBool())
                                        .arg(report.value(QStringLiteral("blocks")).toString())
                                        .arg(expected.ok)
                                        .arg(blocks));
        }
        if (flash.status != (flashFailures > 0 ? 1 : 0))
            checker.wrongReport(QStringLiteral("flash: exit status %1").arg(flash.status));

        // The simulator closes what zavctl closed; the flashed readers
        // restart 0.2 s after their image, so give it a few seconds.
        QElapsedTimer settle;
        settle.start();
        int descriptors = openDescriptors(simulatorPid);
        while (descriptors != startDescriptors && settle.elapsed() < 10000) {
            QThread::msleep(100);
            descriptors = openDescriptors(simulatorPid);
        }
        const int roundLeaks = qAbs(descriptors - startDescriptors);
        leaked += roundLeaks;
        std::printf("round %d: set %.1f s (%d failed as their fault says), get %.1f s (%lld readers), "
                    "flash %.1f s (%d of %d failed as their fault says); %d wrong reports, simulator %d "
                    "descriptors (%+d), zavctl peak RSS %.1f MiB; round %.1f s\n",
                    round, set.seconds, setFailures, get.seconds, qlonglong(sound.size()), flash.seconds,
                    flashFailures, flashCount, checker.wrong - wrongBefore, descriptors,
                    descriptors - startDescriptors, peakChildRssKiB() / 1024.0,
                    set.seconds + get.seconds + flash.seconds);
        std::fflush(stdout);
    }

    simulator.terminate();
    if (!simulator.waitForFinished(10000)) {
        simulator.kill();
        simulator.waitForFinished(5000);
    }
    const QByteArray complaints = readFile(simulatorErr).trimmed();
    if (!complaints.isEmpty())
        std::printf("simulator: %s\n", complaints.left(4000).replace('\n', "\nsimulator: ").constData());
    std::printf("%d wrong reports, %d leaked descriptors\n", checker.wrong, leaked);
    return checker.wrong == 0 && leaked == 0 ? 0 : 1;
}
