#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

// One network interface the local search sends its identify request out of.
struct SearchInterface {
    QString name;            // "eth0", "lo"
    QHostAddress address;    // its first IPv4 address
    int index = 0;           // interface index
};

// Interfaces that are up, multicast-capable and have an IPv4 address; loopback
// only when it is the only such interface or carries the multicast route (so
// that a loopback-only machine, the demo and the tests still find readers).
QList<SearchInterface> searchInterfaces();

// What searchInterfaces() knows of one interface of the system.
struct InterfaceFacts {
    SearchInterface interface;   // address null when it has no IPv4 address
    bool up = false;
    bool multicast = false;
    bool loopback = false;
};

// The choice of searchInterfaces() from the facts of every interface and the
// name of the interface that the routing table sends the request group through
// (empty when none is known), in the order the interfaces are given.
QList<SearchInterface> chooseSearchInterfaces(const QList<InterfaceFacts> &all,
                                              const QString &multicastRouteInterface);

// The interface of the best route to 'destination' (an IPv4 address in host
// order) in a routing table as Linux lists it in /proc/net/route: the longest
// matching prefix among the routes that are up, the lowest metric among equals.
// Empty when no route matches or the text is not such a table.
QString routeInterfaceFor(const QByteArray &procNetRoute, quint32 destination);
