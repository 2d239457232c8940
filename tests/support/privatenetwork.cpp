#include "privatenetwork.h"

#include <QFile>
#include <QStringList>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

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

bool allowLowPorts(bool allowed)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const quint32 bit = 1u << CAP_NET_BIND_SERVICE;
    if (allowed && !(data[0].permitted & bit))
        return false;
    data[0].effective = allowed ? data[0].effective | bit : data[0].effective & ~bit;
    return syscall(SYS_capset, &header, data) == 0;
}
