#pragma once

#include <QString>
#include <QtGlobal>

// Multicast options on the descriptor of a bound UDP socket. The results are
// the setsockopt results (0 on success); the search window ignores them.

// IP_ADD_MEMBERSHIP with the group from dotted text and the local interface
// address in network order (0 = any interface).
int SockADD_Membership(qintptr socketHandle, const QString &multiAddr, quint32 localInterface);

// IP_MULTICAST_TTL with a 4-byte integer.
int SockMulti_TTL(qintptr socketHandle, int ttl);

// Linux delivers every group that any socket on the host joined to every
// socket bound to the port; turning IP_MULTICAST_ALL off limits a socket to
// its own groups. Does nothing elsewhere.
int setMulticastAll(qintptr socketHandle, bool enabled);

// IP_ADD_MEMBERSHIP of the group on the interface with this index (and
// address, in network order, where the system takes no index). 0 on success.
int joinGroupOnInterface(qintptr socketHandle, const QString &multiAddr, int interfaceIndex,
                         quint32 interfaceAddress);

// IP_MULTICAST_IF: multicast sent on this socket from now on leaves through the
// interface with this index (or address, where the system takes no index),
// whatever the routing table says. 0 on success.
int setMulticastInterface(qintptr socketHandle, int interfaceIndex, quint32 interfaceAddress);
