// How fast the local search lists N readers answering one F1.
//
//   scripts/netns build/bench/discovery/bench_lansearch [N...] [--program [path]] [--screenshot file.png]
//
// The readers are simulated at 127.0.1.1 onwards: in this process, or with
// --program in a separate zav-reader-sim process (default build/zav-reader-sim),
// which sends its replies while this one is busy listing. For each N it prints
// how many lines were listed and how long the list took to fill, counted from
// the key press to the last line.

#include "lansearch.h"
#include "readersimulator.h"
#include "dialogs.h"
#include "uikit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

namespace {
// The benchmark opens no dialog; any that would open is answered at once.
class SilentDialogs : public Dialogs
{
public:
    void message(const QString &) override {}
    bool question(const QString &) override { return false; }
    QString input(const QString &, const QString &) override { return {}; }
    bool openFile(const FileRequest &, QString &) override { return false; }
    bool saveFile(const FileRequest &, QString &) override { return false; }
};

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

Result measure(LanSearch &window, int readers, const QString &program)
{
    ReaderSimulator simulator;
    QProcess process;
    if (program.isEmpty()) {
        for (int i = 0; i < readers; ++i) {
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
    } else if (!startProgram(process, program, readers)) {
        stopProgram(process);
        return {};
    }
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List1"));
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
    result.repliesSent = program.isEmpty() ? simulator.identifyRepliesSent() : -1;
    result.repliesFailed = program.isEmpty() ? simulator.identifyRepliesFailed() : -1;
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
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--screenshot") && i + 1 < args.size()) {
            screenshot = args.at(++i);
        } else if (args.at(i) == QLatin1String("--program")) {
            program = QCoreApplication::applicationDirPath() + QStringLiteral("/../../zav-reader-sim");
            if (i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1Char('-')) && args.at(i + 1).toInt() == 0)
                program = args.at(++i);
        } else if (args.at(i).toInt() > 0) {
            counts.append(qMin(args.at(i).toInt(), 5000));
        }
    }
    if (counts.isEmpty())
        counts = {100, 500, 2000};

    SilentDialogs dialogs;
    LanSearch window(dialogs);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    QTextStream out(stdout);
    for (int readers : std::as_const(counts)) {
        const Result result = measure(window, readers, program);
        out << "readers " << readers << (program.isEmpty() ? " (in process)" : " (simulator program)") << ": "
            << result.listed << " lines listed in " << result.fillMs << " ms";
        if (result.repliesSent >= 0)
            out << " (replies sent " << result.repliesSent << ", failed " << result.repliesFailed << ")";
        out << Qt::endl;
    }
    if (!screenshot.isEmpty())
        window.grab().save(screenshot);
    return 0;
}
