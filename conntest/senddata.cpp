#include "senddata.h"

#include <QCoreApplication>

namespace senddata {
namespace {
int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

Parsed refusal(int index, const QString &what)
{
    Parsed result;
    result.errorPosition = index + 1;
    result.error = QCoreApplication::translate("SendData", "%1 at position %2").arg(what).arg(index + 1);
    return result;
}

Parsed parseText(const QString &text)
{
    Parsed result;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() > 0xff)
            return refusal(i, QCoreApplication::translate("SendData", "\"%1\" is not a single byte").arg(c));
        if (c != QLatin1Char('\\')) {
            result.bytes.append(char(c.unicode()));
            continue;
        }
        if (i + 1 >= text.size())
            return refusal(i, QCoreApplication::translate("SendData", "A lone \\ (write \\\\ for a backslash)"));
        const QChar kind = text.at(i + 1);
        switch (kind.unicode()) {
        case 'r': result.bytes.append('\r'); ++i; break;
        case 'n': result.bytes.append('\n'); ++i; break;
        case 't': result.bytes.append('\t'); ++i; break;
        case '\\': result.bytes.append('\\'); ++i; break;
        case 'x': {
            const int high = i + 2 < text.size() ? hexValue(text.at(i + 2)) : -1;
            const int low = i + 3 < text.size() ? hexValue(text.at(i + 3)) : -1;
            if (high < 0 || low < 0)
                return refusal(i, QCoreApplication::translate("SendData", "\\x needs two hex digits (\\x0D)"));
            result.bytes.append(char(high * 16 + low));
            i += 3;
            break;
        }
        default:
            return refusal(i, QCoreApplication::translate("SendData", "Unknown escape \\%1 (use \\r \\n \\t \\\\ or \\xHH)").arg(kind));
        }
    }
    result.ok = true;
    return result;
}

Parsed parseHexPairs(const QString &text, int start)
{
    Parsed result;
    int i = start;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        const int high = hexValue(text.at(i));
        if (high < 0)
            return refusal(i, QCoreApplication::translate("SendData", "\"%1\" is not a hex digit").arg(text.at(i)));
        const int low = i + 1 < text.size() ? hexValue(text.at(i + 1)) : -1;
        if (low < 0)
            return refusal(i, QCoreApplication::translate("SendData", "A hex pair needs two digits"));
        result.bytes.append(char(high * 16 + low));
        i += 2;
    }
    result.ok = true;
    return result;
}
} // namespace

Parsed parse(const QString &text)
{
    const QLatin1String hexPrefix("hex:");
    Parsed result = text.startsWith(hexPrefix, Qt::CaseInsensitive) ? parseHexPairs(text, int(hexPrefix.size()))
                                                                   : parseText(text);
    if (result.ok && result.bytes.isEmpty()) {
        result = Parsed();
        result.error = QCoreApplication::translate("SendData", "There is no data to send");
    }
    return result;
}

} // namespace senddata
