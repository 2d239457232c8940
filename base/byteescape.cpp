#include "byteescape.h"

QString escapedBytes(const QByteArray &bytes)
{
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = quint8(c);
        switch (b) {
        case '\r': text += QLatin1String("\\r"); break;
        case '\n': text += QLatin1String("\\n"); break;
        case '\t': text += QLatin1String("\\t"); break;
        case '\\': text += QLatin1String("\\\\"); break;
        default:
            if (b >= 32 && b <= 126) {
                text += QLatin1Char(c);
            } else {
                text += QLatin1String("\\x");
                text += QLatin1Char(HexDigits[b >> 4]);
                text += QLatin1Char(HexDigits[b & 0x0f]);
            }
        }
    }
    return text;
}
