#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a reader setting is, written once. Every part of the program that
// knows settings reads this table: the STAT reply's parser, the setting run
// (its commands and their order), the checks with the window's texts,
// zavctl's keys, words, help and columns, the settings files, and the fields
// of Program Reader. A setting that a new firmware brings is one more row.
namespace settings {

// How a value is checked before it is written.
enum class Check {
    Shown,           // read from the reader, never written (mac, firmware)
    Address,         // a dotted address the reader can use
    Port,            // a port from 1 to 65535
    Identifier,      // free text for the window; zavctl and files: IdentifierLength Latin-1
                     // characters at most, no ':' (the STAT separator) and no control characters
    Choice,          // one of the choices, and one must be chosen
    OptionalChoice,  // one of the choices; with no box checked the window sends the code it has
};

constexpr int IdentifierLength = 20;

struct Choice {
    QString word;     // zavctl's and the settings files' word: "client"
    QByteArray code;  // the reader's code: "1"
    QString caption;  // its check box in Program Reader: "Client"
};

struct Setting {
    QString key;            // zavctl's key; the column of get and of settings files
    int statField = 0;      // its field of the STAT reply, counted from 1
    QByteArray keyword;     // the command that writes it; empty: read-only
    Check check = Check::Shown;
    QString refusal;        // the window's message when the check fails
    QList<Choice> choices;  // option settings: one for each check box, left to right
    QString caption;        // its label or group heading in Program Reader
    // Read and written only for readers whose firmware has the client-send-id
    // setting (control::hasClientSendId).
    bool needsClientSendIdFirmware = false;

    bool readOnly() const { return keyword.isEmpty(); }
    // The row's position in table().
    int row() const;
};

// Every setting, in the order a setting run writes them (the read-only ones,
// which are never written, first). The window checks them in this order too.
const QList<Setting> &table();
// The setting of that key, or null.
const Setting *find(const QString &key);
// The keys in the order of the reader's STAT fields: the columns of zavctl's
// get and of settings files, and the order help texts list them in.
const QStringList &keys();
// The same without the read-only ones: what set and apply take.
const QStringList &settableKeys();

// The keys that the program itself treats apart.
inline const QString Mac = QStringLiteral("mac");
inline const QString Firmware = QStringLiteral("firmware");
inline const QString Address = QStringLiteral("address");
inline const QString Identifier = QStringLiteral("identifier");
inline const QString ClientSendId = QStringLiteral("client-send-id");

// A value as zavctl and the settings files write it: a code as its word,
// anything else (also a code that matches no word) as the reader sent it.
QString text(const Setting &setting, const QByteArray &value);
// The code of a word (upper or lower case) of an option setting; nothing for
// any other text and for settings without choices.
std::optional<QByteArray> codeForWord(const Setting &setting, const QString &word);
// The choice whose code the value is exactly (no trimming), or -1.
int choiceOf(const Setting &setting, const QByteArray &code);
// The code of the last checked box of an option setting ('checked' in the
// order of its choices, each checked box assigning), or 'previous' when none is.
QByteArray codeFromChecks(const Setting &setting, const QList<bool> &checked, const QByteArray &previous);
// The words of an option setting, joined by 'separator': "server|client|udp".
QString words(const Setting &setting, const QString &separator);
// True when the reader holds the same setting either way: addresses the
// reader can take compare as addresses (010.1.0.9 is 10.1.0.9), ports as
// numbers (04000 is 4000); everything else, codes included, byte for byte.
bool sameAsHeld(const Setting &setting, const QByteArray &a, const QByteArray &b);

} // namespace settings

// A reader's settings by key, as the reader holds them (option settings as
// their codes), in the order of settings::table(). A key may be absent: a
// reader without the client-send-id setting has none, and a settings file
// may name only some settings.
class ReaderSettings
{
public:
    ReaderSettings();

    bool contains(const QString &key) const;
    bool contains(int row) const { return m_values.at(row).has_value(); }
    // The value, or an empty text when absent.
    QByteArray value(const QString &key) const;
    QByteArray value(int row) const { return m_values.at(row).value_or(QByteArray()); }
    // An unknown key is ignored.
    void set(const QString &key, const QByteArray &value);
    void set(int row, const QByteArray &value) { m_values[row] = value; }
    void remove(const QString &key);
    bool isEmpty() const;
    // The keys held, in the order of settings::keys().
    QStringList keys() const;

    // Whether the reader has the client-send-id setting: its firmware is not
    // exactly "02.00" (an absent or empty firmware counts as having it).
    bool hasClientSendId() const;

    // The settings of a STAT reply: each field exactly as received (no
    // trimming), fields missing from a short reply empty, and the fields of
    // settings that the reader's firmware lacks not read at all.
    static ReaderSettings fromStatReply(const QByteArray &reply);

    bool operator==(const ReaderSettings &other) const { return m_values == other.m_values; }
    bool operator!=(const ReaderSettings &other) const { return !(*this == other); }

private:
    QList<std::optional<QByteArray>> m_values;
};
