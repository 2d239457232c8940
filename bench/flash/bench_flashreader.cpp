// Firmware download throughput: a 255-block image to a simulated reader over
// loopback, by a minimal blocking-socket client that performs the same
// stop-and-wait exchange, by the DownloadSession engine alone (as zavctl runs
// it) and by the FlashReaderWindow window on that engine, side by side.
//
// The simulator runs in this process, in a thread of its own, so the figures
// for each client are the wall time and the CPU time of the main thread alone.
//
//   scripts/netns build/bench/flash/bench_flashreader [rounds]

#include "downloadmessage.h"
#include "downloadsession.h"
#include "flashreaderwindow.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "uikit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QLineEdit>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const char *const ReaderAddress = "127.0.0.2";
constexpr quint16 ControlPort = 87;
const QByteArray Password = "58203";
constexpr int Blocks = downloadMessage::MaxBlocks;
constexpr int ReplyTimeoutMs = 5000;

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double wallSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct Figures
{
    bool ok = false;
    double wall = 0;  // the 255 block exchanges
    double cpu = 0;
    double totalWall = 0; // from the start (connect) to the end
    double totalCpu = 0;
};

// The simulated reader, in a thread with its own event loop.
class SimulatorThread : public QThread
{
public:
    QString error;
    QSemaphore ready;

protected:
    void run() override
    {
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        ReaderConfig config;
        config.address = QHostAddress(QString::fromLatin1(ReaderAddress));
        config.controlPort = ControlPort;
        config.password = Password;
        simulator.addReader(config);
        if (!simulator.start(&error)) {
            ready.release();
            return;
        }
        ready.release();
        exec();
        simulator.stop();
    }
};

// Blocking helpers for the plain client, each bounded by a time limit.
bool sendAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Reads until the reply holds 'length' bytes; false on time-out or close.
bool receive(int fd, QByteArray &reply, int length)
{
    reply.clear();
    char buffer[64];
    while (reply.size() < length) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, ReplyTimeoutMs) <= 0)
            return false;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        reply.append(buffer, int(n));
    }
    return true;
}

int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    ::inet_pton(AF_INET, ReaderAddress, &address.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Login on the control port, then announce and every block, each answered
// before the next goes out; the control connection stays open throughout.
Figures plainClient(const QByteArray &image)
{
    Figures figures;
    const double start = wallSeconds();
    const double startCpu = threadCpuSeconds();
    const int control = connectTo(ControlPort);
    QByteArray reply;
    if (control < 0)
        return figures;
    if (sendAll(control, "PASS" + Password + '\r') && receive(control, reply, 3) && reply == "OK\r") {
        const int download = connectTo(defaults::DownloadPort);
        if (download >= 0) {
            bool ok = sendAll(download, downloadMessage::announce(Blocks)) && receive(download, reply, 3)
                && downloadMessage::isAcknowledgement(reply);
            const double wall0 = wallSeconds();
            const double cpu0 = threadCpuSeconds();
            for (int block = 0; ok && block < Blocks; ++block) {
                ok = sendAll(download, downloadMessage::block(image.mid(block * 1024, 1024)))
                    && receive(download, reply, 3) && downloadMessage::isAcknowledgement(reply);
            }
            figures.wall = wallSeconds() - wall0;
            figures.cpu = threadCpuSeconds() - cpu0;
            figures.ok = ok;
            ::close(download);
        }
    }
    ::close(control);
    figures.totalWall = wallSeconds() - start;
    figures.totalCpu = threadCpuSeconds() - startCpu;
    return figures;
}

// Runs the event loop until 'done' is emitted by 'sender', or 60 s have passed.
template <typename Sender, typename Signal>
void runUntil(Sender *sender, Signal done)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(sender, done, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    limit.start(60000);
    loop.exec();
}

// Times the block phase of a session: from the moment the announce is
// acknowledged (the first block goes out) to the acknowledgement of the last.
void timeBlockPhase(DownloadSession *session, Figures &figures, double &wall0, double &cpu0)
{
    QObject::connect(session, &DownloadSession::sendingBlock, session, [&](int block, int) {
        if (block == 1) {
            wall0 = wallSeconds();
            cpu0 = threadCpuSeconds();
        }
    });
    QObject::connect(session, &DownloadSession::progress, session, [&](int done, int count) {
        if (done == count && wall0 > 0) {
            figures.wall = wallSeconds() - wall0;
            figures.cpu = threadCpuSeconds() - cpu0;
        }
    });
}

// The engine alone, as zavctl drives it: the image in memory, no restart.
Figures engineClient(const QByteArray &image)
{
    Figures figures;
    DownloadSession session;
    double wall0 = 0;
    double cpu0 = 0;
    timeBlockPhase(&session, figures, wall0, cpu0);
    DownloadSession::Options options;
    options.address = QHostAddress(QString::fromLatin1(ReaderAddress));
    options.controlPort = ControlPort;
    options.password = Password;
    options.image = image;
    options.restart = false;
    const double start = wallSeconds();
    const double startCpu = threadCpuSeconds();
    session.start(options);
    runUntil(&session, &DownloadSession::finished);
    figures.totalWall = wallSeconds() - start;
    figures.totalCpu = threadCpuSeconds() - startCpu;
    figures.ok = !session.isRunning() && session.failure() == DownloadSession::NoFailure && figures.wall > 0;
    if (!figures.ok)
        std::fprintf(stderr, "engine: %s\n", qPrintable(session.errorText()));
    return figures;
}

// The window, as a technician drives it: fields filled, file chosen, "Start
// Download" clicked, "No" to the restart question. Its status line shows
// every block.
Figures windowClient(const QString &imagePath)
{
    Figures figures;
    ScriptedDialogs dialogs;
    FlashReaderWindow window(dialogs);
    window.show();
    QCoreApplication::processEvents();
    window.addressEdit()->setText(QString::fromLatin1(ReaderAddress));
    window.controlPortEdit()->setText(QString::number(ControlPort));
    window.passwordEdit()->setText(QString::fromLatin1(Password));
    dialogs.fileAnswers.enqueue(imagePath);
    emit window.browseButton()->clicked();

    double wall0 = 0;
    double cpu0 = 0;
    timeBlockPhase(window.downloadSession(), figures, wall0, cpu0);
    const double start = wallSeconds();
    const double startCpu = threadCpuSeconds();
    emit window.downloadButton()->clicked();
    runUntil(window.downloadSession(), &DownloadSession::finished);
    figures.totalWall = wallSeconds() - start;
    figures.totalCpu = threadCpuSeconds() - startCpu;
    figures.ok = dialogs.messages.isEmpty() && dialogs.questions.size() == 1 && figures.wall > 0;
    if (!dialogs.messages.isEmpty())
        std::fprintf(stderr, "window: %s\n", qPrintable(dialogs.messages.join(QLatin1String(" / "))));
    return figures;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    QString why;
    if (!inPrivateNetwork(&why)) {
        std::fprintf(stderr, "refusing to open sockets outside a private network (%s); run through scripts/netns\n",
                     qPrintable(why));
        return 2;
    }
    const int rounds = qBound(1, argc > 1 ? QByteArray(argv[1]).toInt() : 5, 20);

    SimulatorThread simulator;
    simulator.start();
    simulator.ready.acquire();
    if (!simulator.error.isEmpty()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(simulator.error));
        simulator.wait();
        return 1;
    }

    QTemporaryDir dir;
    QByteArray image(Blocks * 1024, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 13 + i / 1024);
    const QString path = dir.filePath(QStringLiteral("zavtcp.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return 1;
    file.close();

    std::printf("Firmware download of %d blocks (%d bytes) to a simulated reader at %s (in-process, own thread);\n"
                "figures for the block phase: %d acknowledged block messages of 1025 bytes.\n",
                Blocks, int(image.size()), ReaderAddress, Blocks);
    std::printf("%-6s %-12s %10s %10s %10s %12s %10s %10s\n", "round", "client", "wall s", "cpu s", "cpu/wall",
                "us/block", "total s", "total cpu");
    std::vector<double> overPlain;
    std::vector<double> overEngine;
    std::vector<double> cpuShares;
    int failures = 0;
    for (int round = 1; round <= rounds; ++round) {
        const Figures plain = plainClient(image);
        const Figures engine = engineClient(image);
        const Figures window = windowClient(path);
        for (const auto &[name, f] : {std::pair<const char *, Figures>{"plain", plain}, {"engine", engine},
                                      {"flashReader", window}}) {
            std::printf("%-6d %-12s %10.4f %10.4f %10.2f %12.1f %10.3f %10.4f%s\n", round, name, f.wall, f.cpu,
                        f.wall > 0 ? f.cpu / f.wall : 0.0, f.wall / Blocks * 1e6, f.totalWall, f.totalCpu,
                        f.ok ? "" : "  FAILED");
        }
        if (!plain.ok || !engine.ok || !window.ok) {
            ++failures;
            continue;
        }
        overPlain.push_back((window.wall - plain.wall) / Blocks * 1e6);
        overEngine.push_back((window.wall - engine.wall) / Blocks * 1e6);
        cpuShares.push_back(window.cpu / window.wall);
    }
    simulator.quit();
    simulator.wait();

    if (overPlain.empty()) {
        std::printf("no complete round\n");
        return 1;
    }
    std::printf("FlashReaderWindow time per block above the engine alone (median of %zu rounds, status line "
                "included): %.1f us (goal <= 30)\n",
                overEngine.size(), median(overEngine));
    std::printf("FlashReaderWindow time per block above the plain blocking client (median): %.1f us\n",
                median(overPlain));
    std::printf("FlashReaderWindow CPU seconds per wall second in the block phase (median, main thread): %.2f "
                "(goal < 0.5)\n",
                median(cpuShares));
    return failures == 0 ? 0 : 1;
}
