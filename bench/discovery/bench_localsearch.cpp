// How fast the local search lists N readers answering one F1.
//
//   scripts/netns build/bench/discovery/bench_localsearch [N...] [--program [path]] [--networks K]
//                                                      [--screenshot file.png]
//
// The readers are simulated at 127.0.1.1 onwards: in this process, or with
// --program in a separate zav-reader-sim process (default build/zav-reader-sim),
// which sends its replies while this one is busy listing. For each N it prints
// how many lines were listed and how long the list took to fill, counted from
// the key press to the last line.
//
// With --networks K (2 or 3) the readers are spread over K networks: loopback
// and K-1 networks made of veth pairs into nested namespaces inside the
// private namespace, each with a zav-reader-sim of its share of the readers.
// It then also prints the lines per interface and whether any reader was
// listed twice.

#include "localsearchwindow.h"
#include "nestednetwork.h"
#include "readerlistmenu.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "uikit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMap>
#include <QSet>
#include <QProcess>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

namespace {
// The benchmark opens no dialog; any that would open is answered at once.
// Every reader holds a few listening sockets.
void raiseOpenFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

struct Result
{
    int listed = 0;
    int distinct = 0;
    QMap<QString, int> perInterface;
    qint64 fillMs = -1;   // key press to the last line
    int repliesSent = 0;
    int repliesFailed = 0;
};

// Starts the simulator program with N readers and waits until it says it is ready.
bool startProgram(QProcess &process, const QString &program, int readers)
{
    process.setProgram(program);
    process.setArguments({QStringLiteral("--readers"), QString::number(readers), QStringLiteral("--address"),
                          QStringLiteral("127.0.1.1"), QStringLiteral("--identification"),
                          QStringLiteral("Bench reader")});
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    QElapsedTimer clock;
    clock.start();
    QByteArray output;
    while (clock.elapsed() < 60000 && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
        if (output.contains("ready:"))
            return true;
    }
    QTextStream(stderr) << "simulator program did not get ready" << Qt::endl;
    return false;
}

void stopProgram(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

// Starts a nested network with its share of the readers, each on an address
// of its own there, and waits until they are ready.
bool startNetwork(NestedNetwork &network, int number, const QString &program, int readers)
{
    const QHostAddress first(QStringLiteral("10.%1.1.1").arg(number));
    QString setup = QStringLiteral("ip -b - <<EOF\n");
    for (int i = 0; i < readers; ++i)
        setup += QStringLiteral("addr add %1/32 dev lo\n").arg(ReaderSimulator::addressAfter(first, i).toString());
    setup += QStringLiteral("EOF\n");
    QString error;
    if (!network.start({program, QStringLiteral("--readers"), QString::number(readers), QStringLiteral("--address"),
                        first.toString(), QStringLiteral("--mac"),
                        QString::fromLatin1(ReaderSimulator::macAfter("0050C2000000", number * 100000)),
                        QStringLiteral("--identification"), QStringLiteral("Network %1 reader").arg(number)},
                       &error, setup)) {
        QTextStream(stderr) << "network " << number << ": " << error << Qt::endl;
        return false;
    }
    if (!network.waitForOutput("ready:", 60000)) {
        QTextStream(stderr) << "network " << number << ": simulator did not get ready" << Qt::endl;
        return false;
    }
    return true;
}

Result measure(LocalSearchWindow &window, int readers, const QString &program, int networks)
{
    ReaderSimulator simulator;
    QProcess process;
    std::vector<std::unique_ptr<NestedNetwork>> nested;
    const int share = readers / networks;
    const int local = readers - share * (networks - 1);
    for (int number = 1; number < networks; ++number) {
        nested.push_back(std::make_unique<NestedNetwork>(number));
        if (!startNetwork(*nested.back(), number, program, share))
            return {};
    }
    if (program.isEmpty() || networks > 1) {
        for (int i = 0; i < local; ++i) {
            ReaderConfig config;
            config.address = ReaderSimulator::addressAfter(QHostAddress(QStringLiteral("127.0.1.1")), i);
            config.mac = ReaderSimulator::macAfter("0050C2100000", i);
            config.identification = "Bench reader " + QByteArray::number(i);
            simulator.addReader(config);
        }
        QString error;
        if (!simulator.start(&error)) {
            QTextStream(stderr) << "simulator: " << error << Qt::endl;
            return {};
        }
    } else if (!startProgram(process, program, local)) {
        stopProgram(process);
        return {};
    }
    const QListWidget *list = window.readerList();
    Result result;
    QElapsedTimer clock;
    qint64 lastChange = 0;
    int lastCount = 0;
    clock.start();
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    // Done when every reader is listed, or nothing new came for 2 s (at most 20 s).
    while (clock.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const int count = list->count();
        if (count != lastCount) {
            lastCount = count;
            lastChange = clock.elapsed();
        }
        if (count >= readers || clock.elapsed() - lastChange > 2000)
            break;
    }
    result.listed = lastCount;
    result.fillMs = lastChange;
    QSet<QString> lines;
    for (int row = 0; row < list->count(); ++row) {
        lines.insert(list->item(row)->text());
        ++result.perInterface[list->item(row)->data(ReaderListMenu::CsvFieldsRole).toStringList().value(4)];
    }
    result.distinct = int(lines.size());
    const bool inProcess = program.isEmpty() || networks > 1;
    result.repliesSent = inProcess ? simulator.identifyRepliesSent() : -1;
    result.repliesFailed = inProcess ? simulator.identifyRepliesFailed() : -1;
    stopProgram(process);
    return result;
}
} // namespace

int main(int argc, char **argv)
{
    // A benchmark has no screen of its own.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    raiseOpenFileLimit();

    QList<int> counts;
    QString screenshot;
    QString program;
    int networks = 1;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--screenshot") && i + 1 < args.size()) {
            screenshot = args.at(++i);
        } else if (args.at(i) == QLatin1String("--program")) {
            program = QCoreApplication::applicationDirPath() + QStringLiteral("/../../zav-reader-sim");
            if (i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1Char('-')) && args.at(i + 1).toInt() == 0)
                program = args.at(++i);
        } else if (args.at(i) == QLatin1String("--networks") && i + 1 < args.size()) {
            networks = qBound(1, args.at(++i).toInt(), 3);
        } else if (args.at(i).toInt() > 0) {
            counts.append(qMin(args.at(i).toInt(), 5000));
        }
    }
    if (counts.isEmpty())
        counts = {100, 500, 2000};
    // The nested networks' readers always run in the simulator program.
    if (networks > 1 && program.isEmpty())
        program = QCoreApplication::applicationDirPath() + QStringLiteral("/../../zav-reader-sim");

    ScriptedDialogs dialogs;
    LocalSearchWindow window(dialogs);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    QTextStream out(stdout);
    for (int readers : std::as_const(counts)) {
        const Result result = measure(window, readers, program, networks);
        out << "readers " << readers
            << (networks > 1 ? QStringLiteral(" on %1 networks").arg(networks)
                             : program.isEmpty() ? QStringLiteral(" (in process)") : QStringLiteral(" (simulator program)"))
            << ": " << result.listed << " lines listed in " << result.fillMs << " ms";
        if (result.repliesSent >= 0)
            out << " (loopback replies sent " << result.repliesSent << ", failed " << result.repliesFailed << ")";
        if (networks > 1) {
            out << "; per interface:";
            for (auto it = result.perInterface.cbegin(); it != result.perInterface.cend(); ++it)
                out << ' ' << it.key() << '=' << it.value();
            out << "; " << (result.listed - result.distinct) << " listed twice";
        }
        out << Qt::endl;
    }
    if (!screenshot.isEmpty())
        window.grab().save(screenshot);
    return 0;
}
