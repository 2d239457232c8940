#include "changeaddress.h"

#include <QStringList>

QByteArray macFromListLine(const QString &line)
{
    QByteArray mac;
    mac.reserve(changeaddress::MacLength);
    for (int firstColumn = 21; firstColumn <= 36; firstColumn += 3)
        mac += line.mid(firstColumn - 1, 2).leftJustified(2, QLatin1Char(' ')).toLatin1();
    return mac;
}

QString withoutOuterBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

bool isNewReaderAddress(const QString &text)
{
    const QStringList groups = withoutOuterBlanks(text).split(QLatin1Char('.'));
    if (groups.size() != 4)
        return false;
    for (const QString &group : groups) {
        if (group.isEmpty() || group.size() > 3)
            return false;
        for (const QChar c : group)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        if (group.toInt() > 255)
            return false;
    }
    return true;
}

QByteArray changeAddressMessage(const QByteArray &mac, const QString &newAddress)
{
    QByteArray message = QByteArrayLiteral("RPG");
    message += mac.left(changeaddress::MacLength).leftJustified(changeaddress::MacLength, ' ');
    message += newAddress.toLatin1().left(changeaddress::AddressLength).leftJustified(changeaddress::AddressLength, ' ');
    return message;
}
