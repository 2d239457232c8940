#include "targets.h"

#include "addresschecks.h"
#include "csvfields.h"
#include "typedvalues.h"

#include <QSet>

namespace {
QString invalidAddress(const QString &text)
{
    return QStringLiteral("\"%1\": Invalid IP Address").arg(text);
}
} // namespace

bool targets::parseAddressArgument(const QString &argument, QList<Target> *targets, QString *refusal)
{
    const QString text = trimBlanks(argument);
    const qsizetype dash = text.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        const std::optional<QHostAddress> address = readerAddressFromText(text);
        if (!address) {
            *refusal = invalidAddress(argument);
            return false;
        }
        targets->append({address->toString(), 0});
        return true;
    }

    const std::optional<QHostAddress> first = readerAddressFromText(text.left(dash));
    const QString endText = text.mid(dash + 1);
    bool endIsNumber = !endText.isEmpty() && endText.size() <= 3;
    for (const QChar c : endText)
        endIsNumber = endIsNumber && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!first || !endIsNumber) {
        *refusal = QStringLiteral("\"%1\": not an address or a range A.B.C.D-E").arg(argument);
        return false;
    }
    const quint32 network = first->toIPv4Address() & ~quint32(0xff);
    const int from = int(first->toIPv4Address() & 0xff);
    const int to = endText.toInt();
    if (to < from || to > 255) {
        *refusal = QStringLiteral("\"%1\": the range must end at %2 to 255").arg(argument).arg(from);
        return false;
    }
    for (int host = from; host <= to; ++host)
        targets->append({QHostAddress(network | quint32(host)).toString(), 0});
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
        const QString addressText = trimBlanks(fields.first());
        if (first) {
            first = false;
            // A header line names its columns; the address is in the first.
            if (addressText == u"address" || addressText == u"reader") {
                for (const QString &field : fields)
                    headings.append(trimBlanks(field));
                portColumn = int(headings.indexOf(QStringLiteral("control-port")));
                if (portColumn == 0)
                    portColumn = -1;
                continue;
            }
        }
        const std::optional<QHostAddress> address = readerAddressFromText(addressText);
        if (!address) {
            *refusal = QStringLiteral("standard input line %1: %2").arg(number).arg(invalidAddress(addressText));
            return false;
        }
        Target target{address->toString(), 0};
        if (portColumn > 0 && portColumn < fields.size() && isNotBlank(fields.at(portColumn))) {
            const std::optional<quint16> port = portFromText(fields.at(portColumn));
            if (!port) {
                *refusal = QStringLiteral("standard input line %1: \"%2\": Invalid Control Port Number")
                               .arg(number).arg(fields.at(portColumn));
                return false;
            }
            target.port = *port;
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
