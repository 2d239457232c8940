#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

const QStringList &languages::shipped()
{
    // The translations embedded at build time: zav_de.qm, ...
    static const QStringList codes = [] {
        QStringList found;
        for (const QString &name : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("zav_*.qm")}, QDir::Files))
            found.append(name.mid(4, name.size() - 7));
        return found;
    }();
    return codes;
}

QStringList languages::preferences(const QStringList &arguments, const QByteArray &zavLanguage)
{
    const QString option = QStringLiteral("--language");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == option && i + 1 < arguments.size())
            return {arguments.at(i + 1)};
        if (argument.startsWith(option + QLatin1Char('=')))
            return {argument.mid(option.size() + 1)};
    }
    if (!zavLanguage.trimmed().isEmpty())
        return {QString::fromLocal8Bit(zavLanguage)};
    return QLocale::system().uiLanguages();
}

QString languages::choose(const QStringList &preferences)
{
    for (QString preference : preferences) {
        // "de_DE.UTF-8", "sr@latin": the language and region only.
        preference = preference.trimmed().section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        preference.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (preference.isEmpty())
            continue;
        if (preference == QLatin1String("C") || preference == QLatin1String("POSIX"))
            return {};
        const QLocale wanted(preference);
        if (wanted.language() == QLocale::English)
            return {};
        if (wanted.language() == QLocale::C)
            continue;  // not a language
        for (const QString &code : shipped()) {
            const QLocale offered(code);
            if (offered.language() == wanted.language() && offered.script() == wanted.script())
                return code;
        }
    }
    return {};
}

bool languages::install(const QString &code)
{
    static QList<QTranslator *> installed;
    for (QTranslator *translator : std::as_const(installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
    if (code.isEmpty())
        return true;
    bool found = false;
    for (const QString &name : {QStringLiteral("qtbase_"), QStringLiteral("zav_")}) {
        auto *translator = new QTranslator;
        if (!translator->load(QStringLiteral(":/i18n/") + name + code)) {
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(translator);
        installed.append(translator);
        found = name == QLatin1String("zav_");
    }
    return found;
}
