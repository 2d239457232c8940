#include "targets.h"

#include "commandlanguage.h"
#include "addresschecks.h"
#include "csvfields.h"

#include <QSet>

namespace {
bool isAddress(const QString &text)
{
    return looksLikeAddress(text) && isNumericAddress(text);
}

// The address with each group as a plain decimal number, so that "010" is
// ten and never read as an octal number further down.
QString normalized(const QString &text)
{
    QStringList groups = text.split(QLatin1Char('.'));
    for (QString &group : groups)
        group = QString::number(group.toInt());
    return groups.join(QLatin1Char('.'));
}

QString invalidAddress(const QString &text)
{
    return QStringLiteral("\"%1\": Invalid IP Address").arg(text);
}
} // namespace

bool targets::parseAddressArgument(const QString &argument, QList<Target> *targets, QString *refusal)
{
    const QString text = argument.trimmed();
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        if (!isAddress(text)) {
            *refusal = invalidAddress(argument);
            return false;
        }
        targets->append({normalized(text), 0});
        return true;
    }

    const QString first = text.left(dash);
    const QString endText = text.mid(dash + 1);
    bool endIsNumber = !endText.isEmpty() && endText.size() <= 3;
    for (const QChar c : endText)
        endIsNumber = endIsNumber && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!isAddress(first) || !endIsNumber) {
        *refusal = QStringLiteral("\"%1\": not an address or a range A.B.C.D-E").arg(argument);
        return false;
    }
    const qsizetype lastDot = first.lastIndexOf(QLatin1Char('.'));
    const int from = first.mid(lastDot + 1).toInt();
    const int to = endText.toInt();
    if (to < from || to > 255) {
        *refusal = QStringLiteral("\"%1\": the range must end at %2 to 255").arg(argument).arg(from);
        return false;
    }
    const QString prefix = normalized(first).section(QLatin1Char('.'), 0, 2) + QLatin1Char('.');
    for (int host = from; host <= to; ++host)
        targets->append({prefix + QString::number(host), 0});
    return true;
}

bool targets::parseInput(const QByteArray &input, QList<Target> *targets, QString *refusal)
{
    int unclosedAt = 0;
    const QList<CsvRecord> records = csvRecords(QString::fromUtf8(input), &unclosedAt);
    if (unclosedAt > 0) {
        *refusal = QStringLiteral("standard input line %1: a quoted field is not closed").arg(unclosedAt);
        return false;
    }
    int portColumn = -1;
    QStringList headings;
    bool first = true;
    for (const CsvRecord &record : records) {
        const int number = record.line;
        const QStringList fields = csvRecordFields(record.text);
        const QString address = fields.first().trimmed();
        if (first) {
            first = false;
            // A header line names its columns; the address is in the first.
            if (address == u"address" || address == u"reader") {
                for (const QString &field : fields)
                    headings.append(field.trimmed());
                portColumn = int(headings.indexOf(QStringLiteral("control-port")));
                if (portColumn == 0)
                    portColumn = -1;
                continue;
            }
        }
        if (!isAddress(address)) {
            *refusal = QStringLiteral("standard input line %1: %2").arg(number).arg(invalidAddress(address));
            return false;
        }
        Target target{normalized(address), 0};
        if (portColumn > 0 && portColumn < fields.size() && !fields.at(portColumn).trimmed().isEmpty()) {
            const QByteArray port = fields.at(portColumn).trimmed().toLatin1();
            if (!control::isPortNumber(port)) {
                *refusal = QStringLiteral("standard input line %1: \"%2\": Invalid Control Port Number")
                               .arg(number).arg(fields.at(portColumn));
                return false;
            }
            target.port = quint16(port.toUInt());
        }
        target.line = number;
        for (qsizetype column = 1; column < fields.size() && column < headings.size(); ++column) {
            const QString value = inertCellText(fields.at(column));
            if (!value.isEmpty() && !headings.at(column).isEmpty())
                target.columns.append({headings.at(column), value});
        }
        targets->append(target);
        if (targets->size() > Limit) {
            *refusal = QStringLiteral("more than %1 readers").arg(Limit);
            return false;
        }
    }
    return true;
}

QList<targets::Target> targets::withoutDuplicates(const QList<Target> &targets)
{
    QList<Target> unique;
    QSet<QString> seen;
    for (const Target &target : targets) {
        const QString key = target.address + QLatin1Char(':') + QString::number(target.port);
        if (!seen.contains(key)) {
            seen.insert(key);
            unique.append(target);
        }
    }
    return unique;
}
