#include "statreply.h"

#include "commandlanguage.h"
#include "addresschecks.h"

StatReply StatReply::parse(const QByteArray &reply)
{
    StatReply stat;
    int position = 1;
    auto next = [&reply, &position] { return nextField(reply, position); };

    next(); // field 1: not used
    stat.macAddress = next();
    stat.identifier = next();
    stat.firmware = next();
    stat.address = next();
    stat.dataPort = next();
    stat.controlPort = next();
    stat.gateway = next();
    stat.serverAddress = next();
    stat.serverPort = next();
    stat.modecode = next();
    stat.speedcode = next();
    stat.dhcpcode = next();
    next(); // field 14: not used
    stat.subnetMask = next();
    stat.udpPort = next();
    next(); // field 17: not used
    stat.dpasscode = next();
    stat.hasClientSendId = control::hasClientSendId(stat.firmware);
    if (stat.hasClientSendId)
        stat.cidcode = next();
    return stat;
}
