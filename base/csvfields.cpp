#include "csvfields.h"

namespace {
bool startsFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == QLatin1Char('=') || first == QLatin1Char('+') || first == QLatin1Char('-')
           || first == QLatin1Char('@') || first == QLatin1Char('\t') || first == QLatin1Char('\r');
}

bool needsQuotes(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n')
            || c == QLatin1Char(';') || c == QLatin1Char('\t'))
            return true;
    }
    return false;
}
} // namespace

QString csvField(const QString &text)
{
    QString field = startsFormula(text) ? QLatin1Char('\'') + text : text;
    if (!needsQuotes(field))
        return field;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
}
