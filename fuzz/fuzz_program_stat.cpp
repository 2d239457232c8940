// The STAT field mapping and the setting run built from it, on arbitrary
// replies: every field comes from its place in the ':'-separated reply as
// nextField walks it, field 19 only for firmware other than "02.00", and the
// run written back sends exactly the fields it was given, in order.
#include "commandlanguage.h"
#include "fuzzcheck.h"
#include "addresschecks.h"
#include "settingrun.h"
#include "statreply.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), qsizetype(size));
    const StatReply stat = StatReply::parse(reply);

    // The fields as nextField gives them one after another from position 1.
    QByteArrayList fields;
    int position = 1;
    for (int i = 0; i < 19; ++i)
        fields.append(nextField(reply, position));
    check(stat.macAddress == fields[1]);
    check(stat.identifier == fields[2]);
    check(stat.firmware == fields[3]);
    check(stat.address == fields[4]);
    check(stat.dataPort == fields[5]);
    check(stat.controlPort == fields[6]);
    check(stat.gateway == fields[7]);
    check(stat.serverAddress == fields[8]);
    check(stat.serverPort == fields[9]);
    check(stat.modecode == fields[10]);
    check(stat.speedcode == fields[11]);
    check(stat.dhcpcode == fields[12]);
    check(stat.subnetMask == fields[14]);
    check(stat.udpPort == fields[15]);
    check(stat.dpasscode == fields[17]);
    check(stat.hasClientSendId == (stat.firmware != "02.00"));
    check(stat.cidcode == (stat.hasClientSendId ? fields[18] : QByteArray()));
    for (const QByteArray &field : fields)
        check(!field.contains(':'));

    // A code field selects a box only when it is exactly that box's code.
    const int mode = codes::boxForCode(stat.modecode, codes::Mode);
    check(mode == -1 ? !codes::Mode.contains(stat.modecode) : codes::Mode.at(mode) == stat.modecode);
    const int speed = codes::boxForCode(stat.speedcode, codes::Speed);
    check(speed == -1 ? !codes::Speed.contains(stat.speedcode) : codes::Speed.at(speed) == stat.speedcode);

    // Written back as they came, with the identifier as the new password.
    SettingValues values;
    values.address = stat.address;
    values.dataPort = stat.dataPort;
    values.udpPort = stat.udpPort;
    values.controlPort = stat.controlPort;
    values.subnetMask = stat.subnetMask;
    values.gateway = stat.gateway;
    values.serverAddress = stat.serverAddress;
    values.serverPort = stat.serverPort;
    values.identifier = stat.identifier;
    values.newPassword = stat.identifier.left(5);
    values.modecode = stat.modecode;
    values.cidcode = stat.cidcode;
    values.speedcode = stat.speedcode;
    values.dhcpcode = stat.dhcpcode;
    values.dpasscode = stat.dpasscode;
    values.firmware = stat.firmware;
    const QList<SettingCommand> run = settingRun(values);
    const bool newPassword = !trimBlanks(QString::fromLatin1(values.newPassword)).isEmpty();
    check(run.size() == 13 + (stat.hasClientSendId ? 1 : 0) + (newPassword ? 1 : 0));
    QByteArrayList expected{values.address, values.dataPort, values.udpPort, values.controlPort,
                            values.subnetMask, values.gateway, values.serverAddress, values.serverPort,
                            values.identifier, values.modecode};
    if (stat.hasClientSendId)
        expected.append(values.cidcode);
    expected << values.speedcode << values.dhcpcode << values.dpasscode;
    for (int i = 0; i < expected.size(); ++i) {
        check(run.at(i).argument == expected.at(i));
        check(run.at(i).keyword != "CID" || stat.hasClientSendId);
        const QByteArray line = run.at(i).line();
        check(line == run.at(i).keyword + expected.at(i) + '\r');
    }
    if (newPassword) {
        const SettingCommand &last = run.constLast();
        check(last.keyword == "NEWPASS" && last.argument.size() == 5);
        check(last.argument.startsWith(values.newPassword));
    }
    return 0;
}
