// How many identify replies one multicast request draws from N simulated
// readers in one zav-reader-sim process, and how fast. Prints figures.
//
//   scripts/netns build/bench/sim/bench_identify [--readers 2000] [--requests 3]

#include "multicast.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSet>
#include <QTextStream>
#include <QTimer>
#include <QUdpSocket>
#include <QVariant>

#include <cstdio>

namespace {
void waitEvents(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    int readers = 2000;
    int requests = 3;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--readers"))
            readers = qBound(1, args[i + 1].toInt(), 5000);
        else if (args[i] == QLatin1String("--requests"))
            requests = qBound(1, args[i + 1].toInt(), 20);
    }

    // The search window's socket: port 53001, group 224.1.2.4, 4 MiB receive buffer.
    QUdpSocket search;
    if (!search.bind(QHostAddress::AnyIPv4, 53001, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        out << "cannot bind 53001: " << search.errorString() << '\n';
        return 1;
    }
    setMulticastAll(search.socketDescriptor(), false);
    search.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
    if (!search.joinMulticastGroup(QHostAddress(QStringLiteral("224.1.2.4")))) {
        out << "cannot join 224.1.2.4 (run inside scripts/netns): " << search.errorString() << '\n';
        return 1;
    }
    search.setSocketOption(QAbstractSocket::MulticastTtlOption, 5);

    QProcess simulator;
    simulator.setProgram(QStringLiteral(ZAV_SIM_PROGRAM));
    simulator.setArguments({QStringLiteral("--readers"), QString::number(readers), QStringLiteral("--address"),
                            QStringLiteral("127.0.1.1"), QStringLiteral("--mac"), QStringLiteral("0050C2100000")});
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    simulator.start();
    QByteArray simOut;
    while (!simOut.contains("ready:") && clock.elapsed() < 60000
           && simulator.state() != QProcess::NotRunning) {
        simulator.waitForReadyRead(100);
        simOut += simulator.readAllStandardOutput();
    }
    if (!simOut.contains("ready:")) {
        out << "the simulator did not get ready\n";
        simulator.kill();
        simulator.waitForFinished(3000);
        return 1;
    }
    const qint64 startupMs = clock.elapsed();
    const int readyAt = simOut.indexOf("ready:");
    out << "simulator: " << simOut.mid(readyAt, simOut.indexOf('\n', readyAt) - readyAt) << " after "
        << startupMs << " ms\n";

    int worst = readers;
    for (int request = 1; request <= requests; ++request) {
        while (search.hasPendingDatagrams())
            search.receiveDatagram();
        QSet<QByteArray> addresses;
        int replies = 0;
        qint64 firstMs = -1, lastMs = -1;
        QElapsedTimer t;
        t.start();
        search.writeDatagram("ZAVIDENTIFY", QHostAddress(QStringLiteral("224.1.2.3")), 53001);
        // Ends 2 s after the last reply, at most after 30 s.
        while (t.elapsed() < 30000 && (lastMs < 0 ? t.elapsed() < 10000 : t.elapsed() - lastMs < 2000)) {
            if (!search.waitForReadyRead(50))
                continue;
            while (search.hasPendingDatagrams()) {
                const QByteArray data = search.receiveDatagram().data();
                ++replies;
                addresses.insert(data.left(data.indexOf(':')));
                lastMs = t.elapsed();
                if (firstMs < 0)
                    firstMs = lastMs;
            }
        }
        worst = qMin(worst, replies);
        out << "request " << request << ": " << replies << " replies from " << addresses.size()
            << " addresses (of " << readers << "); first after " << firstMs << " ms, last after "
            << lastMs << " ms";
        if (lastMs > 0)
            out << ", " << qRound(replies * 1000.0 / qMax<qint64>(1, lastMs)) << " replies/s";
        out << '\n';
        out.flush();
        waitEvents(200);
    }

    simulator.terminate();
    simulator.waitForFinished(10000);
    out << "simulator exit code " << simulator.exitCode() << "; fewest replies " << worst << " of "
        << readers << (worst == readers ? " (all answered)" : " (REPLIES MISSING)") << '\n';
    return worst == readers ? 0 : 1;
}
