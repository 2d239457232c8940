// Reader addresses as zavctl takes them on its command line (A.B.C.D or
// A.B.C.D-E) on arbitrary text: a refusal says why and adds no reader; an
// accepted argument adds one to 256 plain dotted addresses, one after the
// other in the last group, with the command's port.
#include "fuzzaddress.h"
#include "targets.h"

#include <cstdint>

// Last: its check() would clash with a name in the Qt headers.
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString argument = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<targets::Target> list{{QStringLiteral("10.0.0.1"), 0}};
    QString refusal;
    if (!targets::parseAddressArgument(argument, &list, &refusal)) {
        check(!refusal.isEmpty());
        check(list.size() == 1);
        return 0;
    }
    check(refusal.isEmpty());
    const QList<targets::Target> added = list.mid(1);
    check(!added.isEmpty() && added.size() <= 256);
    check(added.size() == 1 || argument.contains(QLatin1Char('-')));
    for (qsizetype i = 0; i < added.size(); ++i) {
        const targets::Target &target = added.at(i);
        check(isPlainAddress(target.address));
        check(target.port == 0 && target.columns.isEmpty());
        if (i > 0) {
            const targets::Target &before = added.at(i - 1);
            check(target.address.section(QLatin1Char('.'), 0, 2) == before.address.section(QLatin1Char('.'), 0, 2));
            check(target.address.section(QLatin1Char('.'), 3).toInt()
                  == before.address.section(QLatin1Char('.'), 3).toInt() + 1);
        }
    }
    return 0;
}
