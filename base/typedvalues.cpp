#include "typedvalues.h"

#include "addresschecks.h"
#include "dialogs.h"

std::optional<QHostAddress> readerAddressFromText(const QString &text)
{
    const QString address = trimBlanks(text);
    if (!isNumericAddress(address))
        return std::nullopt;
    // Each group is read as a decimal number: leading zeros are not octal.
    quint32 value = 0;
    for (const QString &group : address.split(QLatin1Char('.')))
        value = value << 8 | quint32(group.toUInt());
    return QHostAddress(value);
}

std::optional<quint16> portFromText(const QString &text)
{
    const QString digits = trimBlanks(text);
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const int port = digits.toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

std::optional<quint16> checkedPort(Dialogs &dialogs, const QString &text, const QString &refusal)
{
    const std::optional<quint16> port = portFromText(text);
    if (!port)
        dialogs.message(refusal);
    return port;
}
