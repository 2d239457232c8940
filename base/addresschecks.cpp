#include "addresschecks.h"


#include <QStringList>

namespace {
template <typename Text>
Text nextFieldOf(const Text &text, int &position)
{
    Text field;
    if (position < 1)
        position = 1;
    while (position <= text.size()) {
        const auto c = text.at(position - 1);
        ++position;
        if (c == ':')
            break;
        field.append(c);
    }
    return field;
}
} // namespace

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

int leadingNumber(const QString &group)
{
    int i = 0;
    while (i < group.size() && group.at(i) == QLatin1Char(' '))
        ++i;
    int value = 0;
    while (i < group.size() && group.at(i) >= QLatin1Char('0') && group.at(i) <= QLatin1Char('9') && value <= 255) {
        value = value * 10 + (group.at(i).unicode() - '0');
        ++i;
    }
    return value;
}

bool looksLikeAddress(const QString &text)
{
    if (trimBlanks(text).isEmpty())
        return false;
    if (text.count(QLatin1Char('.')) != 3)
        return false;
    int groupLength = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('.')) {
            ++groupLength;
            if (groupLength > 3)
                return false;
            if (leadingNumber(text.mid(i - groupLength + 1, groupLength)) > 255)
                return false;
        } else {
            groupLength = 0;
            if (i == text.size() - 1)
                return false;
        }
    }
    return true;
}

bool isNumericAddress(const QString &text)
{
    const QStringList groups = text.split(QLatin1Char('.'));
    if (groups.size() != 4)
        return false;
    for (const QString &group : groups) {
        if (group.isEmpty() || group.size() > 3)
            return false;
        for (const QChar c : group) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        if (group.toInt() > 255)
            return false;
    }
    return true;
}

bool isNotBlank(const QString &text)
{
    return !trimBlanks(text).isEmpty();
}

bool isFiveCharacters(const QString &text)
{
    return trimBlanks(text).size() == 5;
}

QByteArray nextField(const QByteArray &text, int &position)
{
    return nextFieldOf(text, position);
}

QString nextField(const QString &text, int &position)
{
    return nextFieldOf(text, position);
}
