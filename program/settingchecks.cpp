#include "settingchecks.h"

#include "addresschecks.h"
#include "commandlanguage.h"

namespace {
using settings::Check;
using settingchecks::Origin;

bool isAddress(const QByteArray &value, Origin origin)
{
    return looksLikeAddress(QString::fromLatin1(value))
           && (origin == Origin::Reported || control::isDottedAddress(value));
}

bool isPort(const QByteArray &value, Origin origin)
{
    return isNotBlank(QString::fromLatin1(value)) && (origin == Origin::Reported || control::isPortNumber(value));
}

// Latin-1 text of at most the identifier's length, without the STAT
// separator and without control characters (C0, DEL, C1).
bool isIdentifier(const QByteArray &value)
{
    if (value.size() > settings::IdentifierLength)
        return false;
    for (const char c : value) {
        const auto b = quint8(c);
        if (b < 0x20 || (b >= 0x7f && b < 0xa0) || c == ':')
            return false;
    }
    return true;
}

// The checks the window makes before a setting run.
bool checkedByTheWindow(const settings::Setting &setting)
{
    return setting.check == Check::Address || setting.check == Check::Port || setting.check == Check::Choice;
}
} // namespace

QString settingchecks::valueRefusal(const settings::Setting &setting, const QByteArray &value, Origin origin)
{
    bool usable = true;
    switch (setting.check) {
    case Check::Shown:
        break;
    case Check::Address:
        usable = isAddress(value, origin);
        break;
    case Check::Port:
        usable = isPort(value, origin);
        break;
    case Check::Identifier:
        usable = isIdentifier(value);
        break;
    case Check::Choice:
    case Check::OptionalChoice:
        usable = settings::choiceOf(setting, value) >= 0;
        break;
    }
    return usable ? QString() : setting.refusal;
}

QString settingchecks::runRefusal(const ReaderSettings &values, const ReaderSettings *reported)
{
    for (int row = 0; row < settings::table().size(); ++row) {
        const settings::Setting &setting = settings::table().at(row);
        if (!checkedByTheWindow(setting))
            continue;
        const QByteArray value = values.value(row);
        const Origin origin =
            reported && reported->contains(row) && reported->value(row) == value ? Origin::Reported : Origin::Given;
        const QString refusal = valueRefusal(setting, value, origin);
        if (!refusal.isEmpty())
            return refusal;
    }
    return {};
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
