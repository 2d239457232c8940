#include "interrupts.h"

#include <atomic>

#ifdef Q_OS_WIN

#include <QMetaObject>

#include <windows.h>

// The console calls the handler on a thread of its own; the watch is reached
// through a queued call, so that interrupted() is emitted on its own thread.
namespace {
std::atomic<InterruptWatch *> current{nullptr};
std::atomic<bool> delivered{false};

BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;
    InterruptWatch *watch = current.load();
    // The second one, or one with nothing to stop: the system's own handling.
    if (!watch || delivered.exchange(true))
        return FALSE;
    QMetaObject::invokeMethod(watch, "interrupted", Qt::QueuedConnection);
    return TRUE;
}
} // namespace

InterruptWatch::InterruptWatch(QObject *parent) : QObject(parent)
{
    delivered = false;
    current = this;
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

InterruptWatch::~InterruptWatch()
{
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    current = nullptr;
}

#else

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

// A signal handler may do next to nothing: it writes one byte into a socket
// pair whose other end the event loop watches.
namespace {
int wakeup[2] = {-1, -1};
struct sigaction previousInterrupt;
struct sigaction previousTerminate;

void onSignal(int number)
{
    // The next one of either kind ends the process as usual.
    struct sigaction standard{};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    sigaction(SIGINT, &standard, nullptr);
    sigaction(SIGTERM, &standard, nullptr);
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(wakeup[1], &byte, 1);
}
} // namespace

InterruptWatch::InterruptWatch(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeup) != 0) {
        wakeup[0] = wakeup[1] = -1;
        return;
    }
    auto *notifier = new QSocketNotifier(wakeup[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
        char byte;
        [[maybe_unused]] const auto got = ::read(wakeup[0], &byte, 1);
        notifier->setEnabled(false);
        emit interrupted();
    });
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
}

InterruptWatch::~InterruptWatch()
{
    if (wakeup[0] < 0)
        return;
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
    ::close(wakeup[0]);
    ::close(wakeup[1]);
    wakeup[0] = wakeup[1] = -1;
}

#endif

bool InterruptibleLoop::exec(const std::function<void()> &onInterrupt)
{
    bool interrupted = false;
    const QMetaObject::Connection connection =
        connect(&m_watch, &InterruptWatch::interrupted, this, [&interrupted, &onInterrupt] {
            interrupted = true;
            onInterrupt();
        });
    if (!m_quit)
        m_loop.exec();
    disconnect(connection);
    return interrupted;
}

void InterruptibleLoop::quit()
{
    m_quit = true;
    m_loop.quit();
}
