// The wide-area address order from any starting text: every address is the
// typed prefix and two plain numbers, the addresses strictly increase, the
// host part runs 1..255 after the first address, the third octet never passes
// 255, and the walk ends right after third octet 255, host 255.
#include "addresswalk.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition)
{
    if (!condition)
        abort();
}

// A plain decimal number (no leading zero) of at most 4 digits.
bool readNumber(QStringView text, int &value)
{
    if (text.isEmpty() || text.size() > 4 || (text.size() > 1 && text.at(0) == QLatin1Char('0')))
        return false;
    value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return true;
}

// "third.last" as two plain numbers.
bool readNumbers(QStringView text, int &third, int &last)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot > 0 && readNumber(text.left(dot), third) && readNumber(text.mid(dot + 1), last);
}

// Walks are followed this far; a start near the end of its range is followed to its end.
constexpr int MaxSteps = 520;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString start = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList groups = start.split(QLatin1Char('.'));
    const QString prefix = groups.value(0) + QLatin1Char('.') + groups.value(1) + QLatin1Char('.');

    WideAreaWalk walk(start);
    QString address;
    int previousThird = -1;
    int previousLast = -1;
    int steps = 0;
    bool ended = false;
    while (steps < MaxSteps) {
        if (!walk.next(address)) {
            ended = true;
            break;
        }
        ++steps;
        check(address.startsWith(prefix));
        int third = -1;
        int last = -1;
        check(readNumbers(QStringView(address).mid(prefix.size()), third, last));
        check(third >= 0 && third <= 255 && last >= 0);
        if (previousThird >= 0) {
            check(last >= 1 && last <= 255);
            const bool nextHost = third == previousThird && last == previousLast + 1;
            const bool nextThird = third == previousThird + 1 && last == 1 && previousLast >= 255;
            check(nextHost || nextThird);
        }
        previousThird = third;
        previousLast = last;
    }
    if (ended) {
        // Over only after x.x.255.255 (or at once for a start beyond it).
        check(steps == 0 || (previousThird == 255 && previousLast >= 255));
        check(!walk.next(address));
    } else {
        // Not over yet: it cannot have passed the end.
        check(!(previousThird == 255 && previousLast >= 255));
    }
    return 0;
}
