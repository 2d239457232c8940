#include "addresswalk.h"

#include "addresschecks.h"

#include <QStringList>

namespace {
bool allDigits(const QString &group)
{
    if (group.isEmpty())
        return false;
    for (const QChar c : group)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
} // namespace

bool WideAreaWalk::hasNumericPrefix(const QString &start)
{
    qsizetype from = 0;
    while (from < start.size() && start.at(from) == QLatin1Char(' '))
        ++from;
    const QStringList groups = start.mid(from).split(QLatin1Char('.'));
    return groups.size() >= 2 && allDigits(groups.at(0)) && allDigits(groups.at(1));
}

WideAreaWalk::WideAreaWalk(const QString &start)
{
    const QStringList groups = start.split(QLatin1Char('.'));
    m_prefix = groups.value(0) + QLatin1Char('.') + groups.value(1) + QLatin1Char('.');
    m_third = leadingNumber(groups.value(2));
    m_last = leadingNumber(groups.value(3)) - 1;
    m_over = m_third > 255;
}

bool WideAreaWalk::next(QString &address)
{
    if (m_over)
        return false;
    if (++m_last > 255) {
        m_last = 1;
        if (++m_third > 255) {
            m_over = true;
            return false;
        }
    }
    address = m_prefix + QString::number(m_third) + QLatin1Char('.') + QString::number(m_last);
    return true;
}
