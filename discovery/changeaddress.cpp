#include "changeaddress.h"

#include <cctype>

QByteArray macFromListLine(const QString &line)
{
    QByteArray mac;
    mac.reserve(changeaddress::MacLength);
    for (int firstColumn = 21; firstColumn <= 36; firstColumn += 3)
        mac += line.mid(firstColumn - 1, 2).leftJustified(2, QLatin1Char(' ')).toLatin1();
    return mac;
}

std::optional<QByteArray> macFromText(const QString &text)
{
    QByteArray mac;
    for (const QChar c : text) {
        if (c == QLatin1Char(':') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(' '))
            continue;
        if (c.unicode() >= 0x80 || !std::isxdigit(c.unicode()))
            return std::nullopt;
        mac += char(c.unicode());
    }
    if (mac.size() != changeaddress::MacLength)
        return std::nullopt;
    return mac;
}

QByteArray changeAddressMessage(const QByteArray &mac, const QString &newAddress)
{
    QByteArray message = QByteArrayLiteral("RPG");
    message += mac.left(changeaddress::MacLength).leftJustified(changeaddress::MacLength, ' ');
    message += newAddress.toLatin1().left(changeaddress::AddressLength).leftJustified(changeaddress::AddressLength, ' ');
    return message;
}
