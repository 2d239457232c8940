#include "readerkeys.h"

#include "commandlanguage.h"
#include "settingchecks.h"

#include <QHash>

namespace {
using settingchecks::Field;

constexpr int IdentifierLimit = 20;

const QHash<QString, Field> &checkedFields()
{
    static const QHash<QString, Field> fields{
        {QStringLiteral("address"), Field::Address},
        {QStringLiteral("data-port"), Field::DataPort},
        {QStringLiteral("udp-port"), Field::UdpPort},
        {QStringLiteral("control-port"), Field::ControlPort},
        {QStringLiteral("subnet-mask"), Field::SubnetMask},
        {QStringLiteral("gateway"), Field::Gateway},
        {QStringLiteral("server-address"), Field::ServerAddress},
        {QStringLiteral("server-port"), Field::ServerPort},
        {QStringLiteral("mode"), Field::Mode},
        {QStringLiteral("speed"), Field::Speed},
        {QStringLiteral("dhcp"), Field::Dhcp},
    };
    return fields;
}

QString optionWords(const QString &key)
{
    QStringList words;
    for (const readerkeys::Choice &choice : readerkeys::choices(key))
        words.append(choice.word);
    return words.join(QLatin1String(", "));
}
} // namespace

const QStringList &readerkeys::allKeys()
{
    static const QStringList keys{
        QStringLiteral("mac"),          QStringLiteral("identifier"),     QStringLiteral("firmware"),
        QStringLiteral("address"),      QStringLiteral("data-port"),      QStringLiteral("control-port"),
        QStringLiteral("gateway"),      QStringLiteral("server-address"), QStringLiteral("server-port"),
        QStringLiteral("mode"),         QStringLiteral("speed"),          QStringLiteral("dhcp"),
        QStringLiteral("subnet-mask"),  QStringLiteral("udp-port"),       QStringLiteral("data-password"),
        QStringLiteral("client-send-id"),
    };
    return keys;
}

const QStringList &readerkeys::settableKeys()
{
    static const QStringList keys = [] {
        QStringList keys = allKeys();
        keys.removeAll(QStringLiteral("mac"));
        keys.removeAll(QStringLiteral("firmware"));
        return keys;
    }();
    return keys;
}

QList<readerkeys::Choice> readerkeys::choices(const QString &key)
{
    if (key == u"mode")
        return {{QStringLiteral("server"), "0"}, {QStringLiteral("client"), "1"}, {QStringLiteral("udp"), "2"}};
    if (key == u"speed")
        return {{QStringLiteral("10hd"), "1"}, {QStringLiteral("10fd"), "2"}, {QStringLiteral("100hd"), "3"},
                {QStringLiteral("100fd"), "4"}, {QStringLiteral("auto"), "5"}};
    if (key == u"dhcp" || key == u"client-send-id")
        return {{QStringLiteral("on"), "1"}, {QStringLiteral("off"), "0"}};
    if (key == u"data-password")
        return {{QStringLiteral("yes"), "1"}, {QStringLiteral("no"), "0"}};
    return {};
}

QString readerkeys::wordForCode(const QString &key, const QByteArray &code)
{
    for (const Choice &choice : choices(key)) {
        if (choice.code == code)
            return choice.word;
    }
    return QString::fromLatin1(code);
}

QList<QPair<QString, QString>> readerkeys::fromStat(const StatReply &stat)
{
    const auto text = [](const QByteArray &bytes) { return QString::fromLatin1(bytes); };
    QList<QPair<QString, QString>> fields{
        {QStringLiteral("mac"), text(stat.macAddress)},
        {QStringLiteral("identifier"), text(stat.identifier)},
        {QStringLiteral("firmware"), text(stat.firmware)},
        {QStringLiteral("address"), text(stat.address)},
        {QStringLiteral("data-port"), text(stat.dataPort)},
        {QStringLiteral("control-port"), text(stat.controlPort)},
        {QStringLiteral("gateway"), text(stat.gateway)},
        {QStringLiteral("server-address"), text(stat.serverAddress)},
        {QStringLiteral("server-port"), text(stat.serverPort)},
        {QStringLiteral("mode"), wordForCode(QStringLiteral("mode"), stat.modecode)},
        {QStringLiteral("speed"), wordForCode(QStringLiteral("speed"), stat.speedcode)},
        {QStringLiteral("dhcp"), wordForCode(QStringLiteral("dhcp"), stat.dhcpcode)},
        {QStringLiteral("subnet-mask"), text(stat.subnetMask)},
        {QStringLiteral("udp-port"), text(stat.udpPort)},
        {QStringLiteral("data-password"), wordForCode(QStringLiteral("data-password"), stat.dpasscode)},
    };
    if (stat.hasClientSendId)
        fields.append({QStringLiteral("client-send-id"), wordForCode(QStringLiteral("client-send-id"), stat.cidcode)});
    return fields;
}

bool readerkeys::parseChange(const QString &argument, Change *change, QString *refusal)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    const QString key = argument.left(equals);
    const QString value = equals < 0 ? QString() : argument.mid(equals + 1);
    if (equals <= 0 || !allKeys().contains(key)) {
        *refusal = QStringLiteral("unknown key \"%1\" (keys: %2)").arg(key, settableKeys().join(QLatin1String(", ")));
        return false;
    }
    if (!settableKeys().contains(key)) {
        *refusal = QStringLiteral("%1 cannot be set").arg(key);
        return false;
    }
    const QList<Choice> options = choices(key);
    if (!options.isEmpty()) {
        for (const Choice &choice : options) {
            if (choice.word == value.toLower()) {
                *change = {key, choice.code};
                return true;
            }
        }
        const QString words = QStringLiteral(" (one of %1)").arg(optionWords(key));
        if (checkedFields().contains(key))
            *refusal = settingchecks::fieldRefusal(checkedFields().value(key), QByteArray()) + words;
        else
            *refusal = QStringLiteral("Invalid %1 setting").arg(key) + words;
        return false;
    }

    if (key == u"identifier") {
        bool usable = value.size() <= IdentifierLimit;
        for (const QChar c : value)
            usable = usable && c.unicode() <= 0xff && c.unicode() >= 0x20 && c != QLatin1Char(':')
                     && !(c.unicode() >= 0x7f && c.unicode() < 0xa0);
        if (!usable) {
            *refusal = QStringLiteral("Invalid Identifier (at most 20 characters, no ':' or control characters)");
            return false;
        }
        *change = {key, value.toLatin1()};
        return true;
    }

    // Addresses and ports: the window's checks and words. A value that is not
    // Latin-1 cannot be sent and is refused the same way.
    const QByteArray bytes = value.toLatin1();
    QString why = settingchecks::fieldRefusal(checkedFields().value(key), bytes);
    if (why.isEmpty() && QString::fromLatin1(bytes) != value)
        why = settingchecks::fieldRefusal(checkedFields().value(key), QByteArray());
    if (!why.isEmpty()) {
        *refusal = why;
        return false;
    }
    *change = {key, bytes};
    return true;
}

SettingValues readerkeys::applyChanges(const StatReply &stat, const QList<Change> &changes,
                                       const QByteArray &newPassword)
{
    SettingValues values;
    values.address = stat.address;
    values.dataPort = stat.dataPort;
    values.udpPort = stat.udpPort;
    values.controlPort = stat.controlPort;
    values.subnetMask = stat.subnetMask;
    values.gateway = stat.gateway;
    values.serverAddress = stat.serverAddress;
    values.serverPort = stat.serverPort;
    values.identifier = stat.identifier;
    values.modecode = stat.modecode;
    values.cidcode = stat.cidcode;
    values.speedcode = stat.speedcode;
    values.dhcpcode = stat.dhcpcode;
    values.dpasscode = stat.dpasscode;
    values.firmware = stat.firmware;
    values.newPassword = newPassword;

    const QHash<QString, QByteArray *> target{
        {QStringLiteral("identifier"), &values.identifier},
        {QStringLiteral("address"), &values.address},
        {QStringLiteral("data-port"), &values.dataPort},
        {QStringLiteral("control-port"), &values.controlPort},
        {QStringLiteral("gateway"), &values.gateway},
        {QStringLiteral("server-address"), &values.serverAddress},
        {QStringLiteral("server-port"), &values.serverPort},
        {QStringLiteral("mode"), &values.modecode},
        {QStringLiteral("speed"), &values.speedcode},
        {QStringLiteral("dhcp"), &values.dhcpcode},
        {QStringLiteral("subnet-mask"), &values.subnetMask},
        {QStringLiteral("udp-port"), &values.udpPort},
        {QStringLiteral("data-password"), &values.dpasscode},
        {QStringLiteral("client-send-id"), &values.cidcode},
    };
    for (const Change &change : changes) {
        if (QByteArray *field = target.value(change.key))
            *field = change.value;
    }
    return values;
}

QString readerkeys::runRefusal(const StatReply &stat, const QList<Change> &changes, const SettingValues &values)
{
    for (const Change &change : changes) {
        if (change.key == u"client-send-id" && !stat.hasClientSendId)
            return QStringLiteral("client-send-id cannot be set: firmware %1 has no such setting")
                .arg(QString::fromLatin1(stat.firmware));
    }
    // As in the window: what the reader reported goes back after the plain
    // checks; a value given here must be one the reader can use.
    const SettingValues reported = applyChanges(stat, {}, values.newPassword);
    const QString refusal = settingchecks::settingsRefusal(values, &reported);
    if (!refusal.isEmpty())
        return refusal + QStringLiteral(" (the reader's current setting; give it with KEY=VALUE)");
    // The reader's current data-password and client-send-id codes go back as
    // they came; one that is no code at all would be written as received.
    if (!codes::DataPassword.contains(values.dpasscode))
        return QStringLiteral("Invalid data-password setting (the reader reports \"%1\"; give data-password=yes|no)")
            .arg(QString::fromLatin1(values.dpasscode));
    if (stat.hasClientSendId && !codes::ClientSendId.contains(values.cidcode))
        return QStringLiteral("Invalid client-send-id setting (the reader reports \"%1\"; give client-send-id=on|off)")
            .arg(QString::fromLatin1(values.cidcode));
    return {};
}
