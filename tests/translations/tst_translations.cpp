#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type;  // "unfinished", "obsolete", "vanished" or empty
};

QList<Message> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                messages.append(message);
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message();
            message.context = context;
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// %1 .. %99 (also %L1), sorted, each once.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d{1,2})"));
    QSet<QString> found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.insert(match.captured(1));
    QStringList sorted(found.begin(), found.end());
    sorted.sort();
    return sorted;
}

// The letter after each single '&' ("&&" is a plain ampersand).
QStringList accelerators(const QString &text)
{
    QStringList letters;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            letters.append(text.at(i + 1).toLower());
        ++i;
    }
    return letters;
}

QString blanksAround(const QString &text)
{
    const qsizetype first = text.indexOf(QRegularExpression(QStringLiteral("\\S")));
    if (first < 0)
        return text;
    const qsizetype last = text.lastIndexOf(QRegularExpression(QStringLiteral("\\S")));
    return text.left(first) + QLatin1Char('|') + text.mid(last + 1);
}

QString where(const Message &m)
{
    return QStringLiteral("%1 \"%2\"").arg(m.context, m.source);
}
} // namespace

// Every .ts file is current and wholly translated: lupdate, run on a copy as
// scripts/update-translations runs it, adds and drops nothing, and every
// translation keeps its placeholders, accelerators and outer blanks.
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void complete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringLiteral(ZAV_LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(language)) << language;
    }

    void complete()
    {
        QFETCH(QString, language);
        const QString original = QStringLiteral(ZAV_TRANSLATIONS_DIR "/zav_%1.ts").arg(language);
        QVERIFY2(QFile::exists(original), qPrintable(original + QStringLiteral(" is missing")));
        if (!QFile::exists(QStringLiteral(ZAV_LUPDATE)))
            QSKIP("lupdate is not installed (scripts/deps qt6-l10n-tools)");

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath(QFileInfo(original).fileName());
        QVERIFY(QFile::copy(original, copy));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(ZAV_LUPDATE),
                      QStringLiteral(ZAV_LUPDATE_OPTIONS).split(QLatin1Char(','), Qt::SkipEmptyParts)
                          + QStringList{QStringLiteral("@" ZAV_SOURCES_LIST), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        QString error;
        const QList<Message> before = readTs(original, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QList<Message> after = readTs(copy, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSet<QString> inFile;
        for (const Message &m : before)
            inFile.insert(m.context + QLatin1Char('\n') + m.source + QLatin1Char('\n') + m.comment);

        QStringList problems;
        QHash<QString, QStringList> acceleratorsOf;  // context -> letters
        for (const Message &m : after) {
            if (!inFile.contains(m.context + QLatin1Char('\n') + m.source + QLatin1Char('\n') + m.comment))
                problems << QStringLiteral("new in the code, not yet in the file: ") + where(m);
            else if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished"))
                problems << QStringLiteral("no longer in the code: ") + where(m);
            else if (m.type == QLatin1String("unfinished") || m.translation.isEmpty())
                problems << QStringLiteral("unfinished: ") + where(m);
            else if (placeholders(m.source) != placeholders(m.translation))
                problems << QStringLiteral("placeholders differ: %1 -> \"%2\"").arg(where(m), m.translation);
            else if (accelerators(m.source).size() != accelerators(m.translation).size())
                problems << QStringLiteral("accelerators differ: %1 -> \"%2\"").arg(where(m), m.translation);
            else if (blanksAround(m.source) != blanksAround(m.translation)
                     && (m.source.front().isSpace() || m.source.back().isSpace()))
                problems << QStringLiteral("blanks at the ends differ: %1 -> \"%2\"").arg(where(m), m.translation);
            acceleratorsOf[m.context] << accelerators(m.translation);
        }
        for (auto it = acceleratorsOf.cbegin(); it != acceleratorsOf.cend(); ++it) {
            const QStringList &letters = it.value();
            if (QSet<QString>(letters.begin(), letters.end()).size() != letters.size())
                problems << QStringLiteral("an accelerator used twice in %1: %2").arg(it.key(), letters.join(QLatin1Char(' ')));
        }

        const bool beingTranslated =
            QStringLiteral(ZAV_LANGUAGES_BEING_TRANSLATED).split(QLatin1Char(',')).contains(language);
        if (problems.isEmpty()) {
            if (beingTranslated)
                qInfo("%s is complete: its line in ZAV_LANGUAGES_BEING_TRANSLATED (translations/CMakeLists.txt) "
                      "can go", qPrintable(language));
            return;
        }
        const QString report = QStringLiteral("%1 problems in zav_%2.ts (run scripts/update-translations, then "
                                              "translate):\n  %3")
                                   .arg(problems.size())
                                   .arg(language, problems.mid(0, 40).join(QStringLiteral("\n  ")));
        if (beingTranslated) {
            qInfo("%s", qPrintable(report));  // for the translator, who runs it alone
            QEXPECT_FAIL("", "still being translated (ZAV_LANGUAGES_BEING_TRANSLATED)", Abort);
        }
        QVERIFY2(false, qPrintable(report));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
