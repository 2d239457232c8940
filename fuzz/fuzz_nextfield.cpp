// The field splitter on arbitrary bytes: walking a text field by field from
// position 1 must give back every byte but the separators, in order, and end.
#include "addresschecks.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    int position = 1;
    QByteArray joined;
    int fields = 0;
    while (position <= text.size()) {
        const int before = position;
        const QByteArray field = nextField(text, position);
        if (position <= before || field.contains(':'))
            abort();
        joined += field;
        if (position <= text.size() || text.endsWith(':'))
            joined += ':';
        if (++fields > text.size() + 1)
            abort();
    }
    if (joined != text)
        abort();
    if (!nextField(text, position).isEmpty())
        abort();
    return 0;
}
