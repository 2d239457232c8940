// How long the wide-area search takes over silent addresses, serial against
// Fast Mode, printed side by side in one run:
//
//   scripts/netns build/bench/discovery/bench_widescan [--serial-sample N] [--skip-large]
//
// A silent wide-area network is made inside the private namespace: a veth
// pair to a nested namespace that has only its own address, and a route for
// 10.99.0.0/16 through it, so a connect to 10.99.x.y hangs until its limit.
// Readers are simulated in this process on addresses of that range given to
// loopback. The serial figure for 256 addresses is measured over the last N
// addresses of the walk (default 8) and scaled, since it takes about 1 s each.

#include "defaults.h"
#include "identifyreply.h"
#include "scripteddialogs.h"
#include "nestednetwork.h"
#include "readersimulator.h"
#include "uikit.h"
#include "widescan.h"
#include "widesearchwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

namespace {
struct Run
{
    qint64 ms = -1;
    QStringList found;   // addresses listed, in list order
};

// One scan in the window from 'start' to the end of the walk.
Run scan(WideSearchWindow &window, const QString &start, bool fast)
{
    window.startAddressEdit()->setText(start);
    window.controlPortEdit()->setText(QString::number(defaults::ControlPort));
    window.fastModeCheck()->setChecked(fast);
    const QListWidget *list = window.readerList();
    QSignalSpy finished(window.searchEngine(), &WideScan::finished);
    Run run;
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    if (window.isScanning())
        finished.wait(30 * 60 * 1000);
    run.ms = clock.elapsed();
    for (int row = 0; row < list->count(); ++row)
        run.found.append(addressFromListLine(list->item(row)->text()));
    return run;
}

QString seconds(qint64 ms)
{
    return QString::number(double(ms) / 1000.0, 'f', 1) + QStringLiteral(" s");
}
} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    QTextStream out(stdout);
    QTextStream err(stderr);

    int serialSample = 8;
    bool skipLarge = false;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--serial-sample") && i + 1 < args.size())
            serialSample = qBound(1, args.at(++i).toInt(), 255);
        else if (args.at(i) == QLatin1String("--skip-large"))
            skipLarge = true;
    }

    NestedNetwork silent(9);
    QString error;
    if (!silent.start({QStringLiteral("sleep"), QStringLiteral("3600")}, &error)
        || !silent.routeThrough(QStringLiteral("10.99.0.0/16"), &error)) {
        err << "silent network: " << error << Qt::endl;
        return 1;
    }

    // 20 readers spread over the 4096 addresses from 10.99.239.240 on.
    QStringList walk;
    walk.append(QStringLiteral("10.99.239.%1").arg(240));
    for (int last = 241; last <= 255; ++last)
        walk.append(QStringLiteral("10.99.239.%1").arg(last));
    for (int third = 240; third <= 255; ++third)
        for (int last = 1; last <= 255; ++last)
            walk.append(QStringLiteral("10.99.%1.%2").arg(third).arg(last));
    QStringList readerAddresses;
    QRandomGenerator random(4096);
    while (readerAddresses.size() < 20) {
        const QString address = walk.at(random.bounded(walk.size()));
        if (!readerAddresses.contains(address))
            readerAddresses.append(address);
    }
    std::sort(readerAddresses.begin(), readerAddresses.end(),
              [&](const QString &a, const QString &b) { return walk.indexOf(a) < walk.indexOf(b); });
    ReaderSimulator simulator;
    simulator.setMulticastEnabled(false);
    for (int i = 0; i < readerAddresses.size(); ++i) {
        // A local address wins over the route: these answer, the rest are silent.
        if (!runIp({"addr", "add", readerAddresses.at(i) + QStringLiteral("/32"), "dev", "lo"}, &error)) {
            err << error << Qt::endl;
            return 1;
        }
        ReaderConfig config;
        config.address = QHostAddress(readerAddresses.at(i));
        config.mac = ReaderSimulator::macAfter("0050C2990000", i);
        config.identification = "Wide reader " + QByteArray::number(i + 1);
        simulator.addReader(config);
    }
    if (!simulator.start(&error)) {
        err << "simulator: " << error << Qt::endl;
        return 1;
    }

    ScriptedDialogs dialogs;
    WideSearchWindow window(dialogs);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    // 256 silent addresses: 10.99.254.255, then 10.99.255.1 to .255.
    const Run serial = scan(window, QStringLiteral("10.99.255.%1").arg(256 - serialSample), false);
    const Run fast = scan(window, QStringLiteral("10.99.254.255"), true);
    const qint64 serialEstimate = serial.ms * 256 / serialSample;
    out << "256 silent addresses     serial: " << seconds(serialEstimate) << " (measured " << seconds(serial.ms)
        << " over " << serialSample << ", scaled)    fast: " << seconds(fast.ms)
        << (fast.ms < 5000 ? "  (goal < 5 s: met)" : "  (goal < 5 s: MISSED)") << Qt::endl;

    if (!skipLarge) {
        const Run large = scan(window, QStringLiteral("10.99.239.240"), true);
        const bool allFound = large.found == readerAddresses;
        out << "4096 addresses, 20 readers   serial: about " << seconds(serial.ms * (4096 - 20) / serialSample)
            << " (scaled; readers answer at once)    fast: " << seconds(large.ms) << ", " << large.found.size()
            << " of 20 readers found" << (allFound ? " in address order" : " - NOT all or out of order")
            << (large.ms < 80000 ? "  (goal < 80 s: met)" : "  (goal < 80 s: MISSED)") << Qt::endl;
        if (!allFound)
            err << "expected " << readerAddresses.join(QLatin1Char(' ')) << "\nfound    "
                << large.found.join(QLatin1Char(' ')) << Qt::endl;
    }
    if (!dialogs.messages.isEmpty())
        err << "messages: " << dialogs.messages.join(QStringLiteral(" | ")) << Qt::endl;
    return 0;
}
