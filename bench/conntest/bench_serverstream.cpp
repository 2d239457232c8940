// A simulated reader streams 50 MB into the Server Connect terminal, once
// plain, then with the session log window open and a capture running, CSV
// and Wireshark's pcapng.
// Prints the megabytes per second drawn and the worst lateness of a 10 ms
// timer during the stream (the longest time the window would not answer),
// the capture's size against the data, and the rate of "Send File" to the
// reader with the worst lateness meanwhile.
//
//   scripts/netns build/bench/conntest/bench_serverstream [megabytes]

#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "serverconnectwindow.h"
#include "sessionlogwindow.h"
#include "trafficlog.h"
#include "uikit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QMetaObject>
#include <QTimer>

#include <cstdio>

namespace {
struct Lateness {
    QElapsedTimer clock;
    qint64 lastTick = -1;
    qint64 worst = 0;
    QTimer ticker;
    Lateness()
    {
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [this] {
            const qint64 now = clock.elapsed();
            if (lastTick >= 0)
                worst = qMax(worst, now - lastTick - 10);
            lastTick = now;
        });
    }
    void start()
    {
        clock.start();
        ticker.start();
    }
};

// One stream of 'total' bytes into the window; false when it did not end in time.
bool stream(QApplication &app, qint64 total, bool withCapture, const QString &capturePath)
{
    ReaderSimulator simulator;
    simulator.setMulticastEnabled(false);
    ReaderConfig config;
    config.address = QHostAddress(QStringLiteral("127.0.0.7"));
    config.mode = '0';
    config.data.echo = false;
    config.data.stream = DataBehaviour::CountedBytes;
    config.data.streamBytes = total;
    simulator.addReader(config);
    QString error;
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return false;
    }
    ScriptedDialogs dialogs;
    ServerConnectWindow window(dialogs);
    window.addressEdit()->setText(QStringLiteral("127.0.0.7"));
    window.show();
    if (withCapture) {
        window.showSessionLog();
        dialogs.saveAnswers.enqueue(capturePath);
        window.toggleCapture();
    }
    Lateness lateness;
    qint64 firstByteMs = -1;
    qint64 doneMs = -1;
    QTimer watcher;
    watcher.setInterval(1);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const qint64 drawn = window.terminal().bytesDrawn();
        if (drawn > 0 && firstByteMs < 0)
            firstByteMs = lateness.clock.elapsed();
        if (drawn >= total && doneMs < 0) {
            doneMs = lateness.clock.elapsed();
            app.quit();
        }
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &app, &QApplication::quit);
    limit.start(120000);
    QTimer::singleShot(0, &app, [&] {
        lateness.start();
        watcher.start();
        QMetaObject::invokeMethod(&window, [&] { window.connectToReader(); }, Qt::QueuedConnection);
    });
    app.exec();
    if (doneMs < 0) {
        std::printf("conntest stream: only %lld of %lld bytes drawn within the time limit\n",
                    window.terminal().bytesDrawn(), total);
        return false;
    }
    window.session()->log().flush();
    const double seconds = qMax<qint64>(1, doneMs - firstByteMs) / 1000.0;
    const QString capture = withCapture ? QStringLiteral(" with the log open and a %1 capture")
                                              .arg(capturePath.endsWith(QLatin1String(".csv")) ? "CSV" : "pcapng")
                                        : QString();
    std::printf("conntest stream%s: %.0f MB drawn in %.2f s = %.1f MB/s (goal 12.5); worst lateness of a 10 ms "
                "timer %lld ms (goal < 50); %d log rows\n",
                qPrintable(capture), total / 1e6, seconds,
                total / 1e6 / seconds, lateness.worst, window.session()->log().rowCount());
    if (withCapture) {
        window.toggleCapture();
        const qint64 size = QFileInfo(capturePath).size();
        std::printf("conntest capture: %.1f MB of %s for %.1f MB of data = %.2fx\n", size / 1e6,
                    capturePath.endsWith(QLatin1String(".csv")) ? "CSV" : "pcapng", total / 1e6,
                    double(size) / double(total));
    }
    return true;
}

// "Send File" of 'total' bytes to the reader over TCP.
bool sendFile(QApplication &app, qint64 total, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(total, 'f')) != total)
        return false;
    file.close();
    ReaderSimulator simulator;
    simulator.setMulticastEnabled(false);
    ReaderConfig config;
    config.address = QHostAddress(QStringLiteral("127.0.0.7"));
    config.mode = '0';
    config.data.echo = false;
    SimulatedReader *reader = simulator.addReader(config);
    QString error;
    if (!simulator.start(&error))
        return false;
    ScriptedDialogs dialogs;
    ServerConnectWindow window(dialogs);
    window.addressEdit()->setText(QStringLiteral("127.0.0.7"));
    window.show();
    Lateness lateness;
    qint64 doneMs = -1;
    qint64 received = 0;
    QObject::connect(reader, &SimulatedReader::bytesReceived, [&](Channel, int, const QByteArray &bytes) {
        received += bytes.size();
        if (received >= total && doneMs < 0) {
            doneMs = lateness.clock.elapsed();
            app.quit();
        }
    });
    QObject::connect(&window, &ConnectionWindow::statusChanged, [&](const QString &status) {
        if (status == QLatin1String("Connected")) {
            // After the window has finished connecting.
            QTimer::singleShot(0, &window, [&] {
                dialogs.fileAnswers.enqueue(path);
                lateness.start();
                window.sendFile();
            });
        }
    });
    QTimer::singleShot(0, &app, [&] { window.connectToReader(); });
    QTimer::singleShot(120000, &app, [&] { app.quit(); });
    app.exec();
    if (doneMs < 0) {
        std::printf("conntest send file: only %lld of %lld bytes arrived within the time limit (status \"%s\", %s)\n",
                    received, total, qPrintable(window.status()), qPrintable(dialogs.messages.join(QLatin1Char('/'))));
        return false;
    }
    const double seconds = qMax<qint64>(1, doneMs) / 1000.0;
    std::printf("conntest send file: %.0f MB in %.2f s = %.1f MB/s (goal 50); worst lateness of a 10 ms timer "
                "%lld ms\n", total / 1e6, seconds, total / 1e6 / seconds, lateness.worst);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    QString why;
    if (!inPrivateNetwork(&why)) {
        std::fprintf(stderr, "refusing to open sockets outside a private network namespace (%s)\n", qPrintable(why));
        return 2;
    }
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 50;
    const qint64 total = megabytes * 1000 * 1000;
    QTemporaryDir folder;
    const bool ok = stream(app, total, false, QString())
                    && stream(app, total, true, folder.filePath(QStringLiteral("capture.csv")))
                    && stream(app, total, true, folder.filePath(QStringLiteral("capture.pcapng")))
                    && sendFile(app, total, folder.filePath(QStringLiteral("file.bin")));
    return ok ? 0 : 1;
}
