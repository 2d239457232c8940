#include "settingchecks.h"

#include "commandlanguage.h"
#include "module1.h"

namespace {
bool isAddress(const QByteArray &value)
{
    const QString text = QString::fromLatin1(value);
    return isvalidip(text) && control::isDottedAddress(value);
}

bool isPort(const QByteArray &value)
{
    return isnotblank(QString::fromLatin1(value)) && control::isPortNumber(value);
}
} // namespace

QString settingchecks::fieldRefusal(Field field, const QByteArray &value)
{
    switch (field) {
    case Field::Address:
        return isAddress(value) ? QString() : InvalidAddress;
    case Field::DataPort:
        return isPort(value) ? QString() : QStringLiteral("Invalid Data Port Number");
    case Field::UdpPort:
        return isPort(value) ? QString() : QStringLiteral("Invalid UDP Port Number");
    case Field::ControlPort:
        return isPort(value) ? QString() : InvalidControlPort;
    case Field::SubnetMask:
        return isAddress(value) ? QString() : QStringLiteral("Invalid Subnet Address");
    case Field::Gateway:
        return isAddress(value) ? QString() : QStringLiteral("Invalid Gateway Address");
    case Field::ServerAddress:
        return isAddress(value) ? QString() : QStringLiteral("Invalid Server Address");
    case Field::ServerPort:
        return isPort(value) ? QString() : QStringLiteral("Invalid Server Port Number");
    case Field::Mode:
        return codes::Mode.contains(value) ? QString() : QStringLiteral("An Operating Mode must be selected");
    case Field::Speed:
        return codes::Speed.contains(value) ? QString() : QStringLiteral("A Speed must be selected");
    case Field::Dhcp:
        return codes::Dhcp.contains(value) ? QString() : QStringLiteral("A DHCP setting must be selected");
    }
    return {};
}

QString settingchecks::settingsRefusal(const SettingValues &values)
{
    const std::pair<Field, const QByteArray *> order[] = {
        {Field::Address, &values.address},         {Field::DataPort, &values.dataPort},
        {Field::UdpPort, &values.udpPort},          {Field::ControlPort, &values.controlPort},
        {Field::SubnetMask, &values.subnetMask},    {Field::Gateway, &values.gateway},
        {Field::ServerAddress, &values.serverAddress}, {Field::ServerPort, &values.serverPort},
        {Field::Mode, &values.modecode},            {Field::Speed, &values.speedcode},
        {Field::Dhcp, &values.dhcpcode},
    };
    for (const auto &[field, value] : order) {
        const QString refusal = fieldRefusal(field, *value);
        if (!refusal.isEmpty())
            return refusal;
    }
    return {};
}

QString settingchecks::readerRefusal(const QString &address, const QString &controlPort, const QString &password)
{
    if (!isvalidip(address) || !isNumericAddress(trimBlanks(address)))
        return InvalidAddress;
    if (!isnotblank(controlPort) || !control::isPortNumber(trimBlanks(controlPort).toLatin1()))
        return InvalidControlPort;
    return passwordRefusal(password);
}

QString settingchecks::passwordRefusal(const QString &password)
{
    if (!isfivechars(password) || password.size() != 5)
        return InvalidPassword;
    for (const QChar c : password) {
        if (c.unicode() > 0xff)  // one character is one byte on the wire
            return InvalidPassword;
    }
    return {};
}
