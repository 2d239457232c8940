#include "readersettings.h"

#include "addresschecks.h"
#include "commandlanguage.h"
#include "typedvalues.h"

#include <QHash>

#include <algorithm>

namespace {
using settings::Check;

QList<settings::Setting> buildTable()
{
    // key, STAT field, keyword, check, the window's refusal, choices (words,
    // codes and check boxes left to right), caption in Program Reader. The
    // refusals and captions are English source texts: Program Reader shows
    // them translated, zavctl as they are.
    QList<settings::Setting> rows{
        {settings::Mac, 2, "", Check::Shown, "", {}, QT_TRANSLATE_NOOP("ReaderSettings", "Mac Address")},
        {settings::Firmware, 4, "", Check::Shown, "", {}, QT_TRANSLATE_NOOP("ReaderSettings", "Firmware Version:")},
        {settings::Address, 5, "CIP", Check::Address, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid IP Address"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Reader IP Address")},
        {"data-port", 6, "DPT", Check::Port, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Data Port Number"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Reader Data Port (tcp)")},
        {"udp-port", 16, "UDPP", Check::Port, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid UDP Port Number"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Reader Data Port (udp)")},
        {"control-port", 7, "CPT", Check::Port, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Control Port Number"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Reader Control Port")},
        {"subnet-mask", 15, "CSN", Check::Address, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Subnet Address"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Reader Subnet Mask")},
        {"gateway", 8, "GTW", Check::Address, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Gateway Address"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Reader Gateway Address")},
        {"server-address", 9, "SIP", Check::Address, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Server Address"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Server Address")},
        {"server-port", 10, "SPRT", Check::Port, QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Server Port Number"), {},
         QT_TRANSLATE_NOOP("ReaderSettings", "Server Port")},
        {settings::Identifier, 3, "IDENT", Check::Identifier,
         QT_TRANSLATE_NOOP("ReaderSettings", "Invalid Identifier (at most 20 characters, no ':' or control characters)"),
         {}, QT_TRANSLATE_NOOP("ReaderSettings", "Identifier")},
        {"mode", 11, "MODE", Check::Choice, QT_TRANSLATE_NOOP("ReaderSettings", "An Operating Mode must be selected"),
         {{"server", "0", QT_TRANSLATE_NOOP("ReaderSettings", "Server")},
          {"client", "1", QT_TRANSLATE_NOOP("ReaderSettings", "Client")},
          {"udp", "2", QT_TRANSLATE_NOOP("ReaderSettings", "Udp")}},
         QT_TRANSLATE_NOOP("ReaderSettings", "Operating Mode")},
        {settings::ClientSendId, 19, "CID", Check::OptionalChoice,
         QT_TRANSLATE_NOOP("ReaderSettings", "Invalid client-send-id setting"),
         {{"on", "1", QT_TRANSLATE_NOOP("ReaderSettings", "On")}, {"off", "0", QT_TRANSLATE_NOOP("ReaderSettings", "Off")}},
         QT_TRANSLATE_NOOP("ReaderSettings", "Client send id"), true},
        {"speed", 12, "SPEED", Check::Choice, QT_TRANSLATE_NOOP("ReaderSettings", "A Speed must be selected"),
         {{"10hd", "1", "10hd"}, {"10fd", "2", "10fd"}, {"100hd", "3", "100hd"}, {"100fd", "4", "100fd"},
          {"auto", "5", QT_TRANSLATE_NOOP("ReaderSettings", "Auto")}},
         QT_TRANSLATE_NOOP("ReaderSettings", "Speed")},
        {"dhcp", 13, "DHCP", Check::Choice, QT_TRANSLATE_NOOP("ReaderSettings", "A DHCP setting must be selected"),
         {{"on", "1", QT_TRANSLATE_NOOP("ReaderSettings", "On")}, {"off", "0", QT_TRANSLATE_NOOP("ReaderSettings", "Off")}},
         QT_TRANSLATE_NOOP("ReaderSettings", "Dhcp")},
        {"data-password", 18, "DPASS", Check::OptionalChoice,
         QT_TRANSLATE_NOOP("ReaderSettings", "Invalid data-password setting"),
         {{"yes", "1", QT_TRANSLATE_NOOP("ReaderSettings", "Yes")}, {"no", "0", QT_TRANSLATE_NOOP("ReaderSettings", "No")}},
         QT_TRANSLATE_NOOP("ReaderSettings", "Password required for Data Transfer")},
    };
    return rows;
}

const QHash<QString, int> &rowsByKey()
{
    static const QHash<QString, int> rows = [] {
        QHash<QString, int> byKey;
        for (int row = 0; row < settings::table().size(); ++row)
            byKey.insert(settings::table().at(row).key, row);
        return byKey;
    }();
    return rows;
}

int rowOf(const QString &key)
{
    return rowsByKey().value(key, -1);
}

int highestStatField()
{
    int highest = 0;
    for (const settings::Setting &setting : settings::table())
        highest = qMax(highest, setting.statField);
    return highest;
}
} // namespace

const QList<settings::Setting> &settings::table()
{
    static const QList<Setting> rows = buildTable();
    return rows;
}

int settings::Setting::row() const
{
    return rowOf(key);
}

const settings::Setting *settings::find(const QString &key)
{
    const int row = rowOf(key);
    return row < 0 ? nullptr : &table().at(row);
}

const QStringList &settings::keys()
{
    static const QStringList ordered = [] {
        QList<const Setting *> rows;
        for (const Setting &setting : table())
            rows.append(&setting);
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Setting *a, const Setting *b) { return a->statField < b->statField; });
        QStringList keys;
        for (const Setting *setting : std::as_const(rows))
            keys.append(setting->key);
        return keys;
    }();
    return ordered;
}

const QStringList &settings::settableKeys()
{
    static const QStringList settable = [] {
        QStringList keys;
        for (const QString &key : settings::keys()) {
            if (!find(key)->readOnly())
                keys.append(key);
        }
        return keys;
    }();
    return settable;
}

QString settings::text(const Setting &setting, const QByteArray &value)
{
    for (const Choice &choice : setting.choices) {
        if (choice.code == value)
            return choice.word;
    }
    return QString::fromLatin1(value);
}

std::optional<QByteArray> settings::codeForWord(const Setting &setting, const QString &word)
{
    for (const Choice &choice : setting.choices) {
        if (choice.word.compare(word, Qt::CaseInsensitive) == 0)
            return choice.code;
    }
    return std::nullopt;
}

int settings::choiceOf(const Setting &setting, const QByteArray &code)
{
    for (int i = 0; i < setting.choices.size(); ++i) {
        if (setting.choices.at(i).code == code)
            return i;
    }
    return -1;
}

QByteArray settings::codeFromChecks(const Setting &setting, const QList<bool> &checked, const QByteArray &previous)
{
    QByteArray code = previous;
    for (int i = 0; i < checked.size() && i < setting.choices.size(); ++i) {
        if (checked.at(i))
            code = setting.choices.at(i).code;
    }
    return code;
}

QString settings::words(const Setting &setting, const QString &separator)
{
    QStringList all;
    for (const Choice &choice : setting.choices)
        all.append(choice.word);
    return all.join(separator);
}

bool settings::sameAsHeld(const Setting &setting, const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return true;
    switch (setting.check) {
    case Check::Address:
        return control::isDottedAddress(a) && control::isDottedAddress(b)
               && readerAddressFromText(QString::fromLatin1(a)) == readerAddressFromText(QString::fromLatin1(b));
    case Check::Port:
        return control::isPortNumber(a) && control::isPortNumber(b)
               && portFromText(QString::fromLatin1(a)) == portFromText(QString::fromLatin1(b));
    case Check::Shown:
    case Check::Identifier:
    case Check::Choice:
    case Check::OptionalChoice:
        break;
    }
    return false;
}

ReaderSettings::ReaderSettings() : m_values(settings::table().size())
{
}

bool ReaderSettings::contains(const QString &key) const
{
    const int row = rowOf(key);
    return row >= 0 && contains(row);
}

QByteArray ReaderSettings::value(const QString &key) const
{
    const int row = rowOf(key);
    return row < 0 ? QByteArray() : value(row);
}

void ReaderSettings::set(const QString &key, const QByteArray &value)
{
    const int row = rowOf(key);
    if (row >= 0)
        set(row, value);
}

void ReaderSettings::remove(const QString &key)
{
    const int row = rowOf(key);
    if (row >= 0)
        m_values[row].reset();
}

bool ReaderSettings::isEmpty() const
{
    return std::none_of(m_values.begin(), m_values.end(),
                        [](const std::optional<QByteArray> &value) { return value.has_value(); });
}

QStringList ReaderSettings::keys() const
{
    QStringList held;
    for (const QString &key : settings::keys()) {
        if (contains(key))
            held.append(key);
    }
    return held;
}

bool ReaderSettings::hasClientSendId() const
{
    return control::hasClientSendId(value(settings::Firmware));
}

ReaderSettings ReaderSettings::fromStatReply(const QByteArray &reply)
{
    // The fields one after the other as nextField walks the reply; a field
    // the reply does not reach is empty.
    static const int fieldCount = highestStatField();
    QByteArrayList fields{QByteArray()};  // fields count from 1
    int position = 1;
    for (int field = 1; field <= fieldCount; ++field)
        fields.append(nextField(reply, position));

    ReaderSettings parsed;
    const bool hasClientSendId = control::hasClientSendId(fields.at(settings::find(settings::Firmware)->statField));
    for (int row = 0; row < settings::table().size(); ++row) {
        const settings::Setting &setting = settings::table().at(row);
        if (!setting.needsClientSendIdFirmware || hasClientSendId)
            parsed.set(row, fields.at(setting.statField));
    }
    return parsed;
}
