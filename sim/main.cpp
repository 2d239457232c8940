// zav-reader-sim: simulated readers for the demo, benchmarks and trials
// without hardware. Run it inside the private network (scripts/netns).

#include "readersimulator.h"
#include "simcommandline.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {
#ifdef Q_OS_WIN
BOOL WINAPI onConsoleControl(DWORD)
{
    // Runs on a thread of its own: the quit is queued to the event loop.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return TRUE;
}

// Ctrl+C, Ctrl+Break and closing the console end the event loop, so that
// every socket is closed normally.
void quitOnSignals(QCoreApplication &)
{
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
}
#else
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop through a pipe, so that every socket is
// closed normally.
void quitOnSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}
#endif
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    SimulatorSetup setup;
    QString error;
    if (!parseSimulatorArguments(app.arguments().mid(1), &setup, &error)) {
        err << "zav-reader-sim: " << error << "\nTry zav-reader-sim --help\n";
        return 2;
    }
    if (setup.help) {
        out << simulatorHelpText();
        return 0;
    }
    quitOnSignals(app);

    ReaderSimulator simulator;
    simulator.setMulticastEnabled(setup.multicast);
    for (const ReaderConfig &config : std::as_const(setup.readers)) {
        SimulatedReader *reader = simulator.addReader(config);
        for (const auto &fault : std::as_const(setup.faults))
            reader->setFault(fault.first, fault.second);

        const bool many = setup.readers.size() > 20;
        QObject::connect(reader, &SimulatedReader::restarting, reader, [reader, &out] {
            out << "restarting " << reader->activeConfig().address.toString() << '\n';
            out.flush();
        });
        QObject::connect(reader, &SimulatedReader::started, reader, [reader, &out] {
            out << readerSummary(reader->activeConfig()) << '\n';
            out.flush();
        });
        QObject::connect(reader, &SimulatedReader::errorOccurred, reader, [&err](const QString &text) {
            err << "zav-reader-sim: " << text << '\n';
            err.flush();
        });
        if (!many) {
            QObject::connect(reader, &SimulatedReader::firmwareReceived, reader,
                             [reader, &out](const QByteArray &image) {
                                 out << reader->activeConfig().address.toString() << ": firmware image of "
                                     << image.size() << " bytes received\n";
                                 out.flush();
                             });
        }
    }
    const QList<SimulatedReader *> readers = simulator.readers();
    for (const SimulatorSetup::ReaderFault &fault : std::as_const(setup.readerFaults))
        readers.at(fault.reader)->setFault(fault.target, fault.fault);
    QObject::connect(&simulator, &ReaderSimulator::errorOccurred, &app, [&err](const QString &text) {
        err << "zav-reader-sim: " << text << '\n';
        err.flush();
    });
    QObject::connect(&simulator, &ReaderSimulator::identifyAnswered, &app, [&out](int replies) {
        out << "identify request answered with " << replies << " replies\n";
        out.flush();
    });

    if (!simulator.start(&error)) {
        for (const QString &line : error.split(QLatin1Char('\n')))
            err << "zav-reader-sim: cannot start: " << line << '\n';
        err.flush();
    }
    int running = 0;
    for (SimulatedReader *reader : simulator.readers())
        running += reader->isRunning() ? 1 : 0;
    if (running == 0) {
        err << "zav-reader-sim: no reader could start\n";
        return 1;
    }
    out << "ready: " << running << " readers" << (setup.multicast ? ", identify on port 53001" : "")
        << '\n';
    if (!setup.instructions.isEmpty())
        out << setup.instructions;
    out.flush();

    const int code = app.exec();
    simulator.stop();
    out << "stopped\n";
    return code;
}
