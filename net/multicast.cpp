#include "multicast.h"

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <sys/socket.h>
#endif

int setMulticastAll(qintptr socketHandle, bool enabled)
{
#if defined(Q_OS_LINUX) && defined(IP_MULTICAST_ALL)
    if (socketHandle < 0)
        return -1;
    const int value = enabled ? 1 : 0;
    return ::setsockopt(int(socketHandle), IPPROTO_IP, IP_MULTICAST_ALL, &value, sizeof value);
#else
    Q_UNUSED(socketHandle);
    Q_UNUSED(enabled);
    return 0;
#endif
}
