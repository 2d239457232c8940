#include "privatenetwork.h"

#include <QFile>
#include <QStringList>

#ifndef Q_OS_WIN
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {
// True when the interface list in this /proc/net/dev file is loopback only.
bool loopbackOnly(const QString &netDev, QString *why)
{
    QFile dev(netDev);
    if (!dev.open(QIODevice::ReadOnly)) {
        if (why)
            *why = QStringLiteral("cannot read %1").arg(netDev);
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
} // namespace

#ifdef Q_OS_WIN
bool inPrivateNetwork(QString *why)
{
    // Windows has no network namespaces. Under Wine, scripts/windows-test
    // checks the Linux namespace that Wine's sockets are made in and says so
    // in ZAV_PRIVATE_NETWORK; the interfaces are read again through drive Z:,
    // which Wine maps to the Linux root. Anywhere else the tests refuse.
    if (qEnvironmentVariableIsEmpty("ZAV_PRIVATE_NETWORK")) {
        if (why)
            *why = QStringLiteral("Windows has no network namespaces; run the tests through "
                                  "scripts/windows-test, which checks the one Wine runs in");
        return false;
    }
    return loopbackOnly(QStringLiteral("Z:/proc/self/net/dev"), why);
}

bool allowLowPorts(bool allowed)
{
    // Windows lets every program listen below 1024: the right cannot be taken away.
    return allowed;
}
#else
bool inPrivateNetwork(QString *why)
{
    // /proc/self/net/dev lists the interfaces of this process's own network
    // namespace (/sys/class/net shows those of whoever mounted /sys).
    return loopbackOnly(QStringLiteral("/proc/self/net/dev"), why);
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
#endif
