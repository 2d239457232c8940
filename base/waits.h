#pragma once

#include <QtGlobal>

#include <functional>
#include <initializer_list>

class QObject;

// The one bounded wait behind every named wait of the program (waitconnect,
// waitok, the STAT wait, the wide-area scan's connect and reply waits): sleep
// a tick with events running, then look whether the awaited thing happened;
// give up at the limit, or at once when an object it depends on is destroyed.
namespace waits {

// The counting waits give up at their 30th count (after 29 looks).
constexpr int Limit = 30;

// The length of one tick of the counting waits (100 ms). Tests may shorten
// it; every wait keeps a test at its real timing.
int tickMs();
void setTickMs(int milliseconds);

// Test seam: called at every look of every wait with its number (1, 2, ...),
// just before the awaited condition is asked. An empty function removes it.
void setLookObserver(std::function<void(int look)> observer);

struct Cadence {
    int tickMs = 100;
    // How often the condition is asked at the most.
    int looks = 0;
    // The counting waits sleep one more tick after their last look: the count
    // that reaches the limit ends the wait without a look.
    bool sleepsLastCount = false;
};

// The cadence of the counting waits: a look every tickMs(), false at the
// given count, counts - 1 looks.
Cadence counting(int counts = Limit);
// A look every tickMs milliseconds (not scaled by the test seam), false
// right after the given number of looks.
Cadence passes(int looks, int tickMs);

// True as soon as done() is true at a look; false at the limit, or at a look
// when any of the non-null objects in 'watched' has been destroyed meanwhile
// (done() is then not called). Events run while it waits.
bool until(const Cadence &cadence, const std::function<bool()> &done,
           std::initializer_list<const QObject *> watched = {});

} // namespace waits

// Lets events run for the given time without freezing the windows.
void sleepWithEvents(int milliseconds);
