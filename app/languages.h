#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The language of the windows, chosen once at start-up. English is the
// source: it needs no translation, and is what every language not shipped
// gets. Messages and files for readers and scripts never change language.
namespace languages {

// The languages shipped besides English, as their translations embedded in
// the program name them: "de", "pt_BR", "zh_CN".
const QStringList &shipped();

// The technician's languages in the order of preference: the value of
// "--language CODE" (or "--language=CODE") among the program's arguments,
// else the environment's ZAV_LANGUAGE, else the system's (LANGUAGE,
// LC_MESSAGES, LANG on Linux; the user's display language on Windows).
QStringList preferences(const QStringList &arguments, const QByteArray &zavLanguage);

// The shipped language for the first preference that names one, or an empty
// text for English: "C", "POSIX" and English preferences end the search, a
// language not shipped is passed over. A preference matches a shipped
// language of the same language and script ("de-AT" is "de", "pt" and
// "pt_PT" are "pt_BR", "zh" and "zh-Hans" are "zh_CN"; "zh_TW" is none).
QString choose(const QStringList &preferences);

// Installs the program's translation of a shipped language and Qt's own
// (its standard dialogs' buttons and file dialog) into the application, in
// place of the ones installed before; windows made from then on show it. An
// empty code (English) removes them. False when the program's is missing.
bool install(const QString &code);

} // namespace languages
