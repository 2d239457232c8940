// The address, blank and password checks on arbitrary text: they must never
// crash, and an accepted address must have the shape the check promises.
#include "addresschecks.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    if (looksLikeAddress(text)) {
        if (text.count(QLatin1Char('.')) != 3 || text.endsWith(QLatin1Char('.')) || trimBlanks(text).isEmpty())
            abort();
        for (const QString &group : text.split(QLatin1Char('.'))) {
            if (group.size() > 3)
                abort();
        }
    }
    if (isFiveCharacters(text) && !isNotBlank(text))
        abort();
    return 0;
}
