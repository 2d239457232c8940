#pragma once

#include <QByteArray>

// The fields of a reader's STAT reply that the program uses, taken in order
// with nextField from a reply of ':'-ended fields. Field text is kept exactly
// as received (no trimming); fields missing from a short reply are empty.
struct StatReply
{
    QByteArray macAddress;      // field 2
    QByteArray identifier;      // field 3
    QByteArray firmware;        // field 4
    QByteArray address;         // field 5
    QByteArray dataPort;        // field 6 (tcp)
    QByteArray controlPort;     // field 7
    QByteArray gateway;         // field 8
    QByteArray serverAddress;   // field 9
    QByteArray serverPort;      // field 10
    QByteArray modecode;        // field 11
    QByteArray speedcode;       // field 12
    QByteArray dhcpcode;        // field 13
    QByteArray subnetMask;      // field 15
    QByteArray udpPort;         // field 16
    QByteArray dpasscode;       // field 18
    // Field 19, read only when the firmware is not "02.00" (hasClientSendId);
    // otherwise empty even when the reply carries it.
    bool hasClientSendId = false;
    QByteArray cidcode;

    static StatReply parse(const QByteArray &reply);
};
