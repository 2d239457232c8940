#pragma once

#include "addresschecks.h"

#include <QString>
#include <QStringList>

// A reader address as zavctl hands it to an engine: four groups of decimal
// digits, each 0 to 255 and written without leading zeros.
inline bool isPlainAddress(const QString &text)
{
    if (!isNumericAddress(text))
        return false;
    for (const QString &group : text.split(QLatin1Char('.'))) {
        if (group.size() > 1 && group.front() == QLatin1Char('0'))
            return false;
    }
    return true;
}
