// Times a successful "Get  Parameters" and a full "Set  Parameters" (16
// acknowledged commands) of the Program Reader window against a simulated
// reader, at the product's 100 ms cadence. Run it inside the private network:
//   scripts/netns build/bench/program/bench_program [--runs N] [--screenshot FILE]
// With --screenshot the window is saved as a PNG after the first get.
#include "scripteddialogs.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "uikit.h"
#include "programreaderwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {
double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}
} // namespace

int main(int argc, char **argv)
{
    // A benchmark needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Runs of each action."), QStringLiteral("n"),
                      QStringLiteral("5")});
    parser.addOption({QStringLiteral("screenshot"), QStringLiteral("Save the window after a get."),
                      QStringLiteral("file")});
    parser.process(app);
    const int runs = qBound(1, parser.value(QStringLiteral("runs")).toInt(), 50);

    QString why;
    if (!inPrivateNetwork(&why)) {
        std::fprintf(stderr, "refusing to open sockets outside a private network (%s); use scripts/netns\n",
                     qPrintable(why));
        return 2;
    }

    ReaderSimulator simulator;
    simulator.setMulticastEnabled(false);
    ReaderConfig config;
    config.address = QHostAddress(QStringLiteral("127.0.0.55"));
    config.identifier = "DOCK 4";
    config.mac = "0050C2A1B2C3";
    config.firmware = "02.10";
    config.cid = '1';
    config.gateway = "127.0.0.1";
    config.serverAddress = "127.0.0.20";
    config.serverPort = 4000;
    config.mode = '1';
    config.dpass = '1';
    SimulatedReader *reader = simulator.addReader(config);
    QString error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return 1;
    }

    ScriptedDialogs dialogs;
    ProgramReaderWindow window(dialogs);
    window.setup(QStringLiteral("127.0.0.55"), QStringLiteral("87"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *get = window.findChild<QLabel *>(QStringLiteral("Label2(3)"));
    auto *set = window.findChild<QLabel *>(QStringLiteral("Label2(4)"));
    // A new password makes the set a full run: PASS, 14 settings and NEWPASS.
    window.findChild<QLineEdit *>(QStringLiteral("Text13"))->setText(QStringLiteral("58203"));

    QList<double> getTimes, setTimes;
    for (int i = 0; i < runs; ++i) {
        dialogs.messages.clear();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(get, Qt::LeftButton);
        getTimes.append(clock.nsecsElapsed() / 1e9);
        if (!dialogs.messages.isEmpty() || window.firmware() != "02.10") {
            std::fprintf(stderr, "get failed: %s\n", qPrintable(dialogs.messages.join(QStringLiteral("; "))));
            return 1;
        }
        if (i == 0 && parser.isSet(QStringLiteral("screenshot"))) {
            QApplication::processEvents();
            const QString file = parser.value(QStringLiteral("screenshot"));
            if (!window.grab().save(file))
                std::fprintf(stderr, "could not save %s\n", qPrintable(file));
        }

        reader->clearRecord();
        clock.restart();
        QTest::mouseClick(set, Qt::LeftButton);
        setTimes.append(clock.nsecsElapsed() / 1e9);
        const int lines = int(reader->receivedBytes(Channel::Control).count('\r'));
        if (dialogs.messages.size() != 1 || !dialogs.messages.first().startsWith(QStringLiteral("New Parameters"))
            || lines != 16) {
            std::fprintf(stderr, "set failed (%d lines): %s\n", lines,
                         qPrintable(dialogs.messages.join(QStringLiteral("; "))));
            return 1;
        }
    }

    std::printf("Program Reader against a simulated reader, %d runs, look every 100 ms\n", runs);
    std::printf("get (connect, PASS, STAT):         median %.3f s  min %.3f s  max %.3f s\n", median(getTimes),
                *std::min_element(getTimes.begin(), getTimes.end()), *std::max_element(getTimes.begin(), getTimes.end()));
    std::printf("set (connect, 16 acknowledged):    median %.3f s  min %.3f s  max %.3f s\n", median(setTimes),
                *std::min_element(setTimes.begin(), setTimes.end()), *std::max_element(setTimes.begin(), setTimes.end()));
    return 0;
}
