#include "multicast.h"

#include <QHostAddress>

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

int SockADD_Membership(qintptr socketHandle, const QString &multiAddr, quint32 localInterface)
{
    if (socketHandle < 0)
        return -1;
    ip_mreq request{};
    request.imr_multiaddr.s_addr = inet_addr(multiAddr.toLatin1().constData());
    request.imr_interface.s_addr = localInterface;
    return ::setsockopt(int(socketHandle), IPPROTO_IP, IP_ADD_MEMBERSHIP,
                        reinterpret_cast<const char *>(&request), sizeof request);
}

int SockMulti_TTL(qintptr socketHandle, int ttl)
{
    if (socketHandle < 0)
        return -1;
    return ::setsockopt(int(socketHandle), IPPROTO_IP, IP_MULTICAST_TTL,
                        reinterpret_cast<const char *>(&ttl), sizeof ttl);
}

int setMulticastAll(qintptr socketHandle, bool enabled)
{
#if defined(Q_OS_LINUX) && defined(IP_MULTICAST_ALL)
    if (socketHandle < 0)
        return -1;
    int value = enabled ? 1 : 0;
    return ::setsockopt(int(socketHandle), IPPROTO_IP, IP_MULTICAST_ALL, &value, sizeof value);
#else
    Q_UNUSED(socketHandle);
    Q_UNUSED(enabled);
    return 0;
#endif
}

int joinGroupOnInterface(qintptr socketHandle, const QString &multiAddr, int interfaceIndex,
                         quint32 interfaceAddress)
{
    if (socketHandle < 0)
        return -1;
#ifdef Q_OS_LINUX
    ip_mreqn request{};
    request.imr_multiaddr.s_addr = inet_addr(multiAddr.toLatin1().constData());
    request.imr_address.s_addr = interfaceAddress;
    request.imr_ifindex = interfaceIndex;
#else
    Q_UNUSED(interfaceIndex);
    ip_mreq request{};
    request.imr_multiaddr.s_addr = inet_addr(multiAddr.toLatin1().constData());
    request.imr_interface.s_addr = interfaceAddress;
#endif
    return ::setsockopt(int(socketHandle), IPPROTO_IP, IP_ADD_MEMBERSHIP,
                        reinterpret_cast<const char *>(&request), sizeof request);
}

int setMulticastInterface(qintptr socketHandle, int interfaceIndex, quint32 interfaceAddress)
{
    if (socketHandle < 0)
        return -1;
#ifdef Q_OS_LINUX
    ip_mreqn request{};
    request.imr_address.s_addr = interfaceAddress;
    request.imr_ifindex = interfaceIndex;
    return ::setsockopt(int(socketHandle), IPPROTO_IP, IP_MULTICAST_IF, &request, sizeof request);
#else
    Q_UNUSED(interfaceIndex);
    in_addr address{};
    address.s_addr = interfaceAddress;
    return ::setsockopt(int(socketHandle), IPPROTO_IP, IP_MULTICAST_IF,
                        reinterpret_cast<const char *>(&address), sizeof address);
#endif
}
