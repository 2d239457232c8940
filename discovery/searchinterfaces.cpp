#include "searchinterfaces.h"

#include "identifyreply.h"

#include <QFile>
#include <QNetworkInterface>
#include <QtEndian>

#include <algorithm>

namespace {
constexpr unsigned RouteUp = 0x0001;  // RTF_UP

// A field of /proc/net/route: 8 hex digits of a 32-bit value as it lies in
// memory, that is an address in network order read in host order.
bool hexWord(const QByteArray &text, quint32 &value)
{
    bool ok = false;
    value = text.toUInt(&ok, 16);
    return ok;
}
} // namespace

QString routeInterfaceFor(const QByteArray &procNetRoute, quint32 destination)
{
    QString best;
    int bestPrefix = -1;
    qint64 bestMetric = 0;
    const QList<QByteArray> lines = procNetRoute.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
        if (fields.size() < 8)
            continue;
        quint32 net = 0, flags = 0, mask = 0;
        bool metricOk = false;
        const qint64 metric = fields.at(6).toLongLong(&metricOk);
        if (!hexWord(fields.at(1), net) || !hexWord(fields.at(3), flags) || !hexWord(fields.at(7), mask) || !metricOk)
            continue;
        if (!(flags & RouteUp))
            continue;
        net = qFromBigEndian(net);
        mask = qFromBigEndian(mask);
        if ((destination & mask) != (net & mask))
            continue;
        const int prefix = qPopulationCount(mask);
        if (prefix > bestPrefix || (prefix == bestPrefix && metric < bestMetric)) {
            best = QString::fromLatin1(fields.at(0));
            bestPrefix = prefix;
            bestMetric = metric;
        }
    }
    return best;
}

QList<SearchInterface> chooseSearchInterfaces(const QList<InterfaceFacts> &all, const QString &multicastRouteInterface)
{
    const auto usable = [](const InterfaceFacts &facts) {
        return facts.up && facts.multicast && facts.interface.address.protocol() == QAbstractSocket::IPv4Protocol;
    };
    const bool onlyLoopback = std::none_of(all.cbegin(), all.cend(), [&](const InterfaceFacts &facts) {
        return usable(facts) && !facts.loopback;
    });
    QList<SearchInterface> chosen;
    for (const InterfaceFacts &facts : all) {
        if (usable(facts)
            && (!facts.loopback || onlyLoopback || facts.interface.name == multicastRouteInterface))
            chosen.append(facts.interface);
    }
    return chosen;
}

QList<SearchInterface> searchInterfaces()
{
    QList<InterfaceFacts> all;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        InterfaceFacts facts;
        facts.interface.name = interface.name();
        facts.interface.index = interface.index();
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                facts.interface.address = entry.ip();
                break;
            }
        }
        const QNetworkInterface::InterfaceFlags flags = interface.flags();
        facts.up = flags.testFlag(QNetworkInterface::IsUp);
        facts.multicast = flags.testFlag(QNetworkInterface::CanMulticast);
        facts.loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
        all.append(facts);
    }
    QString routed;
    QFile routes(QStringLiteral("/proc/net/route"));
    if (routes.open(QIODevice::ReadOnly))
        routed = routeInterfaceFor(routes.readAll(), QHostAddress(identify::RequestGroup).toIPv4Address());
    return chooseSearchInterfaces(all, routed);
}
