#include "privatenetwork.h"

#include <QFile>
#include <QStringList>

bool inPrivateNetwork(QString *why)
{
    // /proc/self/net/dev lists the interfaces of this process's own network
    // namespace (/sys/class/net shows those of whoever mounted /sys).
    QFile dev(QStringLiteral("/proc/self/net/dev"));
    if (!dev.open(QIODevice::ReadOnly)) {
        if (why)
            *why = QStringLiteral("cannot read /proc/self/net/dev");
        return false;
    }
    QStringList interfaces;
    const QList<QByteArray> lines = dev.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            interfaces.append(QString::fromLatin1(line.left(colon).trimmed()));
    }
    if (interfaces == QStringList{QStringLiteral("lo")})
        return true;
    if (why)
        *why = QStringLiteral("interfaces: %1").arg(interfaces.join(QLatin1Char(' ')));
    return false;
}
