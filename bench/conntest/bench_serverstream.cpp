// A simulated reader streams 50 MB into the Server Connect terminal. Prints
// the megabytes per second drawn and the worst lateness of a 10 ms timer
// during the stream, that is, the longest time the window would not answer.
//
//   scripts/netns build/bench/conntest/bench_serverstream [megabytes]

#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "serverconnectwindow.h"
#include "uikit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QTimer>

#include <cstdio>

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
        return 1;
    }

    ScriptedDialogs dialogs;
    ServerConnectWindow window(dialogs);
    window.addressEdit()->setText(QStringLiteral("127.0.0.7"));
    window.show();

    // The lateness of a 10 ms timer: how much later than due each tick came.
    QElapsedTimer clock;
    qint64 lastTick = -1;
    qint64 worstLateness = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (lastTick >= 0)
            worstLateness = qMax(worstLateness, now - lastTick - 10);
        lastTick = now;
    });

    qint64 firstByteMs = -1;
    qint64 doneMs = -1;
    QTimer watcher;
    watcher.setInterval(1);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const qint64 drawn = window.terminal().bytesDrawn();
        if (drawn > 0 && firstByteMs < 0)
            firstByteMs = clock.elapsed();
        if (drawn >= total && doneMs < 0) {
            doneMs = clock.elapsed();
            app.quit();
        }
    });
    QTimer::singleShot(120000, &app, [&] { app.quit(); });

    QTimer::singleShot(0, &app, [&] {
        clock.start();
        ticker.start();
        watcher.start();
        QMetaObject::invokeMethod(&window, [&] { window.connectClick(); }, Qt::QueuedConnection);
    });
    app.exec();

    const qint64 drawn = window.terminal().bytesDrawn();
    if (doneMs < 0) {
        std::printf("conntest stream: only %lld of %lld bytes drawn within the time limit\n", drawn, total);
        return 1;
    }
    const double seconds = qMax<qint64>(1, doneMs - firstByteMs) / 1000.0;
    std::printf("conntest stream: %lld MB drawn in %.2f s = %.1f MB/s (goal 12.5); worst lateness of a 10 ms "
                "timer %lld ms (goal < 50); status \"%s\"\n",
                megabytes, seconds, total / 1e6 / seconds, worstLateness, qPrintable(window.status()));
    return 0;
}
