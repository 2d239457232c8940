#include "readerlistfile.h"

#include "addresschecks.h"
#include "csvfields.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
// A heading as the columns are recognised by: lower case, '-' and '_' as
// blanks, inner blanks single.
QString headingKey(const QString &heading)
{
    QString key = inertCellText(trimBlanks(heading)).toLower();
    key.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    return key.simplified();
}

// The first column whose heading is one of the names, in the order of the names; -1 for none.
int columnOf(const QStringList &headings, const QStringList &names)
{
    for (const QString &name : names) {
        const qsizetype column = headings.indexOf(name);
        if (column >= 0)
            return int(column);
    }
    return -1;
}

QString text(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}
} // namespace

bool readReaderList(const QByteArray &bytes, ReaderList *list, QString *reason)
{
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    if (content.trimmed().isEmpty()) {
        *reason = QCoreApplication::translate("ReaderListFile", "it is empty");
        return false;
    }
    int unclosedAt = 0;
    const QList<CsvRecord> records = csvRecords(text(content), &unclosedAt);
    if (unclosedAt > 0) {
        *reason = QCoreApplication::translate("ReaderListFile", "line %1: a quoted field is not closed").arg(unclosedAt);
        return false;
    }
    QStringList headings;
    if (!records.isEmpty()) {
        for (const QString &heading : csvRecordFields(records.first().text))
            headings.append(headingKey(heading));
    }
    const int addressColumn = columnOf(headings, {QStringLiteral("reader"), QStringLiteral("address"),
                                                  QStringLiteral("ip address")});
    const int macColumn = columnOf(headings, {QStringLiteral("mac"), QStringLiteral("mac address")});
    if (addressColumn < 0) {
        *reason = QCoreApplication::translate("ReaderListFile", "it has no address column (reader, address or IP Address)");
        return false;
    }
    if (macColumn < 0) {
        *reason = QCoreApplication::translate("ReaderListFile", "it has no MAC column (mac or MAC Address)");
        return false;
    }
    const int identificationColumn =
        columnOf(headings, {QStringLiteral("identification"), QStringLiteral("reader identification"),
                            QStringLiteral("identifier")});
    const int portColumn = columnOf(headings, {QStringLiteral("control port")});

    ReaderList read;
    read.hasIdentification = identificationColumn >= 0;
    read.hasControlPort = portColumn >= 0;
    read.readers.reserve(qMin(records.size(), qsizetype(readerlistfile::MaxReaders)));
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QStringList fields = csvRecordFields(records.at(i).text);
        const auto cell = [&fields](int column) {
            return column < 0 ? QString() : trimBlanks(inertCellText(fields.value(column)));
        };
        ListedReader reader{cell(addressColumn), cell(macColumn), cell(identificationColumn), cell(portColumn),
                            records.at(i).line};
        if (reader.address.isEmpty())
            continue;
        if (read.readers.size() >= readerlistfile::MaxReaders) {
            *reason = QCoreApplication::translate("ReaderListFile", "it lists more than %1 readers").arg(readerlistfile::MaxReaders);
            return false;
        }
        read.readers.append(reader);
    }
    if (read.readers.isEmpty()) {
        *reason = QCoreApplication::translate("ReaderListFile", "it lists no reader");
        return false;
    }
    *list = read;
    return true;
}

bool readReaderListFile(const QString &path, ReaderList *list, QString *reason)
{
    // A folder, a device or a pipe is refused unread: reading one could
    // take long or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *reason = QCoreApplication::translate("ReaderListFile", "it is not a file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QCoreApplication::translate("ReaderListFile", "it could not be read (%1)").arg(file.errorString());
        return false;
    }
    if (file.size() > readerlistfile::MaxBytes) {
        *reason = QCoreApplication::translate("ReaderListFile", "it is larger than %1 MiB").arg(readerlistfile::MaxBytes / (1024 * 1024));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = QCoreApplication::translate("ReaderListFile", "it could not be read (%1)").arg(file.errorString());
        return false;
    }
    return readReaderList(bytes, list, reason);
}

bool writeCsvFile(const QString &path, const QString &csvText, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("\xEF\xBB\xBF");
        file.write(csvText.toUtf8());
        if (file.commit())
            return true;
    }
    *error = file.errorString();
    return false;
}
