#pragma once

#include <QString>
#include <QStringList>

// A reader address as zavctl hands it to an engine: four groups of decimal
// digits, each 0 to 255 and written without leading zeros.
inline bool isPlainAddress(const QString &text)
{
    const QStringList groups = text.split(QLatin1Char('.'));
    if (groups.size() != 4)
        return false;
    for (const QString &group : groups) {
        if (group.isEmpty() || group.size() > 3 || (group.size() > 1 && group.front() == QLatin1Char('0')))
            return false;
        for (const QChar c : group) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        if (group.toInt() > 255)
            return false;
    }
    return true;
}
