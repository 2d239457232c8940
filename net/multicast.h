#pragma once

#include <QtGlobal>

// Linux delivers every group that any socket on the host joined to every
// socket bound to the port; turning IP_MULTICAST_ALL off limits the socket
// with this descriptor to the groups it joined itself. Qt has no option for
// it. Does nothing (and succeeds) on other systems, which deliver only a
// socket's own groups. 0 on success, as setsockopt.
int setMulticastAll(qintptr socketHandle, bool enabled);
