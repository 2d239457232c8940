#include "waits.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QVarLengthArray>

namespace {
int g_tickMs = 100;
std::function<void(int)> g_lookObserver;
} // namespace

int waits::tickMs()
{
    return g_tickMs;
}

void waits::setTickMs(int milliseconds)
{
    g_tickMs = qMax(1, milliseconds);
}

void waits::setLookObserver(std::function<void(int)> observer)
{
    g_lookObserver = std::move(observer);
}

waits::Cadence waits::counting(int counts)
{
    return Cadence{g_tickMs, counts - 1, true};
}

waits::Cadence waits::passes(int looks, int tickMs)
{
    return Cadence{tickMs, looks, false};
}

bool waits::until(const Cadence &cadence, const std::function<bool()> &done,
                  std::initializer_list<const QObject *> watched)
{
    QVarLengthArray<QPointer<const QObject>, 2> guards;
    for (const QObject *object : watched) {
        if (object)
            guards.append(QPointer<const QObject>(object));
    }
    auto anyGone = [&guards] {
        for (const auto &guard : guards) {
            if (!guard)
                return true;
        }
        return false;
    };
    for (int look = 1; look <= cadence.looks; ++look) {
        sleepWithEvents(cadence.tickMs);
        QCoreApplication::processEvents();
        if (anyGone())
            return false;
        if (g_lookObserver)
            g_lookObserver(look);
        if (done())
            return true;
    }
    if (cadence.sleepsLastCount)
        sleepWithEvents(cadence.tickMs);
    return false;
}

void sleepWithEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
