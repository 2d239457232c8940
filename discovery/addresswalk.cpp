#include "addresswalk.h"

#include "addresschecks.h"

#include <QStringList>

WideAreaWalk::WideAreaWalk(const QString &start)
{
    const QStringList groups = start.split(QLatin1Char('.'));
    m_prefix = groups.value(0) + QLatin1Char('.') + groups.value(1) + QLatin1Char('.');
    m_third = leadingNumber(groups.value(2));
    m_last = leadingNumber(groups.value(3)) - 1;
    m_over = m_third > 255;
}

bool WideAreaWalk::acceptsStart(const QString &start)
{
    const QString text = trimBlanks(start);
    if (!looksLikeAddress(text))
        return false;
    const QStringList groups = text.split(QLatin1Char('.'));
    for (const QString &group : {groups.at(0), groups.at(1)}) {
        if (group.isEmpty())
            return false;
        for (const QChar c : group) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
    }
    return true;
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
