#include "settingchecks.h"

#include "commandlanguage.h"
#include "addresschecks.h"

namespace {
bool isAddress(const QByteArray &value, settingchecks::Origin origin)
{
    const QString text = QString::fromLatin1(value);
    return looksLikeAddress(text) && (origin == settingchecks::Origin::Reported || control::isDottedAddress(value));
}

bool isPort(const QByteArray &value, settingchecks::Origin origin)
{
    return isNotBlank(QString::fromLatin1(value))
        && (origin == settingchecks::Origin::Reported || control::isPortNumber(value));
}
} // namespace

QString settingchecks::fieldRefusal(Field field, const QByteArray &value, Origin origin)
{
    switch (field) {
    case Field::Address:
        return isAddress(value, origin) ? QString() : InvalidAddress;
    case Field::DataPort:
        return isPort(value, origin) ? QString() : QStringLiteral("Invalid Data Port Number");
    case Field::UdpPort:
        return isPort(value, origin) ? QString() : QStringLiteral("Invalid UDP Port Number");
    case Field::ControlPort:
        return isPort(value, origin) ? QString() : InvalidControlPort;
    case Field::SubnetMask:
        return isAddress(value, origin) ? QString() : QStringLiteral("Invalid Subnet Address");
    case Field::Gateway:
        return isAddress(value, origin) ? QString() : QStringLiteral("Invalid Gateway Address");
    case Field::ServerAddress:
        return isAddress(value, origin) ? QString() : QStringLiteral("Invalid Server Address");
    case Field::ServerPort:
        return isPort(value, origin) ? QString() : QStringLiteral("Invalid Server Port Number");
    case Field::Mode:
        return codes::Mode.contains(value) ? QString() : QStringLiteral("An Operating Mode must be selected");
    case Field::Speed:
        return codes::Speed.contains(value) ? QString() : QStringLiteral("A Speed must be selected");
    case Field::Dhcp:
        return codes::Dhcp.contains(value) ? QString() : QStringLiteral("A DHCP setting must be selected");
    }
    return {};
}

QString settingchecks::settingsRefusal(const SettingValues &values, const SettingValues *reported)
{
    using Setting = QByteArray SettingValues::*;
    const std::pair<Field, Setting> order[] = {
        {Field::Address, &SettingValues::address},         {Field::DataPort, &SettingValues::dataPort},
        {Field::UdpPort, &SettingValues::udpPort},          {Field::ControlPort, &SettingValues::controlPort},
        {Field::SubnetMask, &SettingValues::subnetMask},    {Field::Gateway, &SettingValues::gateway},
        {Field::ServerAddress, &SettingValues::serverAddress}, {Field::ServerPort, &SettingValues::serverPort},
        {Field::Mode, &SettingValues::modecode},            {Field::Speed, &SettingValues::speedcode},
        {Field::Dhcp, &SettingValues::dhcpcode},
    };
    for (const auto &[field, setting] : order) {
        const QByteArray &value = values.*setting;
        const Origin origin = reported && reported->*setting == value ? Origin::Reported : Origin::Given;
        const QString refusal = fieldRefusal(field, value, origin);
        if (!refusal.isEmpty())
            return refusal;
    }
    return {};
}

QString settingchecks::readerRefusal(const QString &address, const QString &controlPort, const QString &password)
{
    if (!looksLikeAddress(address) || !isNumericAddress(trimBlanks(address)))
        return InvalidAddress;
    if (!isNotBlank(controlPort) || !control::isPortNumber(trimBlanks(controlPort).toLatin1()))
        return InvalidControlPort;
    return passwordRefusal(password);
}

QString settingchecks::passwordRefusal(const QString &password)
{
    if (!isFiveCharacters(password) || password.size() != 5)
        return InvalidPassword;
    for (const QChar c : password) {
        if (c.unicode() > 0xff)  // one character is one byte on the wire
            return InvalidPassword;
    }
    return {};
}
