// Times a successful "Get  Parameters" and a full "Set  Parameters" (16
// acknowledged commands) of the Program Reader window against a simulated
// reader in this process, beside the same exchanges on a ControlSession
// alone. Run it inside the private network:
//   scripts/netns build/bench/program/bench_program [--runs N] [--screenshot FILE]
// With --screenshot the window is saved as a PNG after the first get. Also
// times loading a settings file of 1000 lines (the reader of the get on the
// last) into the window's fields.
#include "controlsession.h"
#include "scripteddialogs.h"
#include "privatenetwork.h"
#include "settingsfile.h"
#include "readersimulator.h"
#include "uikit.h"
#include "programreaderwindow.h"
#include "timedclick.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {
double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

void print(const char *what, const QList<double> &seconds)
{
    std::printf("%-40s median %7.2f ms  min %7.2f ms  max %7.2f ms\n", what, median(seconds) * 1e3,
                *std::min_element(seconds.begin(), seconds.end()) * 1e3,
                *std::max_element(seconds.begin(), seconds.end()) * 1e3);
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
    // A new password makes the set a full run: PASS, 14 settings and NEWPASS.
    window.newPasswordEdit()->setText(QStringLiteral("58203"));

    QList<double> getTimes, setTimes;
    for (int i = 0; i < runs; ++i) {
        dialogs.messages.clear();
        const double get = timedClick(window, window.getButton());
        if (get < 0 || !dialogs.messages.isEmpty() || window.firmware() != "02.10") {
            std::fprintf(stderr, "get failed: %s\n", qPrintable(dialogs.messages.join(QStringLiteral("; "))));
            return 1;
        }
        getTimes.append(get);
        if (i == 0 && parser.isSet(QStringLiteral("screenshot"))) {
            const QString file = parser.value(QStringLiteral("screenshot"));
            if (!window.grab().save(file))
                std::fprintf(stderr, "could not save %s\n", qPrintable(file));
        }

        reader->clearRecord();
        const double set = timedClick(window, window.setButton());
        const int lines = int(reader->receivedBytes(Channel::Control).count('\r'));
        if (set < 0 || dialogs.messages.size() != 1
            || !dialogs.messages.first().startsWith(QStringLiteral("New Parameters")) || lines != 16) {
            std::fprintf(stderr, "set failed (%d lines): %s\n", lines,
                         qPrintable(dialogs.messages.join(QStringLiteral("; "))));
            return 1;
        }
        setTimes.append(set);
    }

    // A settings file of 1000 readers, the one of the get last: the window
    // finds its line by the mac and fills the fields.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fleet.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(settingsfile::ByteOrderMark);
        file.write(settingsfile::columns().join(QLatin1Char(',')).toUtf8() + "\r\n");
        for (int i = 1; i <= 1000; ++i) {
            const QByteArray mac = i == 1000 ? config.mac : "0050C2" + QByteArray::number(0x100000 + i, 16).toUpper();
            file.write("10.1." + QByteArray::number(i / 250) + "." + QByteArray::number(i % 250 + 1) + ",true," + mac
                       + ",DOCK " + QByteArray::number(i) + ",02.10,10.1.0." + QByteArray::number(i % 250 + 1)
                       + ",57,87,10.1.0.254,10.1.0.200,4000,client,auto,off,255.255.0.0,53002,yes,on,\r\n");
        }
    }
    QList<double> loadTimes;
    for (int i = 0; i < runs; ++i) {
        window.identifierEdit()->clear();
        dialogs.messages.clear();
        dialogs.fileAnswers.enqueue(path);
        dialogs.questionAnswers.enqueue(true);
        QElapsedTimer clock;
        clock.start();
        window.loadSettings();
        loadTimes.append(clock.nsecsElapsed() / 1e9);
        if (window.identifierEdit()->text() != u"DOCK 1000" || !dialogs.messages.isEmpty()) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(dialogs.messages.join(QStringLiteral("; "))));
            return 1;
        }
    }

    // The same exchanges on the engine alone.
    QList<double> sessionGet, sessionSet;
    for (int i = 0; i < runs; ++i) {
        for (bool setting : {false, true}) {
            ControlSession session;
            QSignalSpy finished(&session, &ControlSession::finished);
            ControlSession::Plan plan;
            plan.password = "58203";
            plan.readStat = !setting;
            if (setting) {
                plan.commands = {{"CIP", "127.0.0.55"}, {"DPT", "57"}, {"UDPP", "53002"}, {"CPT", "87"},
                                 {"CSN", "255.255.255.0"}, {"GTW", "127.0.0.1"}, {"SIP", "127.0.0.20"},
                                 {"SPRT", "4000"}, {"IDENT", "DOCK 4"}, {"MODE", "1"}, {"CID", "1"},
                                 {"SPEED", "5"}, {"DHCP", "0"}, {"DPASS", "1"}, {"NEWPASS", "58203"}};
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

    std::printf("Program Reader against a simulated reader in this process, %d runs\n", runs);
    print("window get (connect, PASS, STAT):", getTimes);
    print("engine get (connect, PASS, STAT):", sessionGet);
    print("window set (connect, 16 acknowledged):", setTimes);
    print("engine set (connect, 16 acknowledged):", sessionSet);
    print("load a file of 1000 readers (< 200 ms):", loadTimes);
    return 0;
}
