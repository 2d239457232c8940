#include "simcommandline.h"

#include "readersimulator.h"

#include <QCommandLineParser>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace {
constexpr int MaxReaders = 5000;

struct Options
{
    QCommandLineOption readers{"readers", "Number of readers (default 1, at most 5000).", "N", "1"};
    QCommandLineOption address{"address", "First reader's address; the next readers take the following "
                                          "addresses (default 127.0.0.2).", "A", "127.0.0.2"};
    QCommandLineOption mac{"mac", "First reader's MAC, 12 hex characters; the next count up "
                                  "(default 0050C2000001).", "MAC", "0050C2000001"};
    QCommandLineOption password{"password", "Control password, 5 characters (default 58203).", "P", "58203"};
    QCommandLineOption firmware{"firmware", "Firmware version (default 02.10; 02.00 has no "
                                            "client-send-id setting).", "V", "02.10"};
    QCommandLineOption firmwareAfter{"firmware-after", "Version after a firmware download (default: "
                                                       "the last digit counted up).", "V"};
    QCommandLineOption mode{"mode", "Operating mode: server, client or udp (default server).", "MODE", "server"};
    QCommandLineOption identification{"identification", "Identification in identify replies "
                                                        "(default \"ZAV Reader\").", "TEXT", "ZAV Reader"};
    QCommandLineOption identifier{"identifier", "Identifier in the STAT reply (default READER).", "TEXT", "READER"};
    QCommandLineOption identifyAddress{"identify-address", "Address that every reader reports in its "
                                                           "identify replies instead of its own.", "A"};
    QCommandLineOption controlPort{"control-port", "Control port (default 87).", "PORT", "87"};
    QCommandLineOption dataPort{"data-port", "TCP data port (default 57).", "PORT", "57"};
    QCommandLineOption udpPort{"udp-port", "UDP data port (default 53002).", "PORT", "53002"};
    QCommandLineOption subnet{"subnet", "Subnet mask (default 255.255.255.0).", "MASK", "255.255.255.0"};
    QCommandLineOption gateway{"gateway", "Gateway address (default 0.0.0.0).", "A", "0.0.0.0"};
    QCommandLineOption serverAddress{"server-address", "Server address for client and UDP mode "
                                                       "(default 127.0.0.1).", "A", "127.0.0.1"};
    QCommandLineOption serverPort{"server-port", "Server port for client and UDP mode (default 57).", "PORT", "57"};
    QCommandLineOption speed{"speed", "Speed code 1..5 (default 5, auto).", "CODE", "5"};
    QCommandLineOption dhcp{"dhcp", "DHCP code 0 or 1 (default 0).", "CODE", "0"};
    QCommandLineOption dpass{"dpass", "Password required for data transfer, 0 or 1 (default 0).", "CODE", "0"};
    QCommandLineOption cid{"cid", "Client sends its identification on connecting, 0 or 1 (default 0).", "CODE", "0"};
    QCommandLineOption rebootDelay{"reboot-delay", "Milliseconds from REBOOT until the reader listens "
                                                   "again (default 1000).", "MS", "1000"};
    QCommandLineOption clientRetry{"client-retry", "Client mode: milliseconds between connection "
                                                   "attempts (default 1000).", "MS", "1000"};
    QCommandLineOption noEcho{"no-echo", "Do not echo received data."};
    QCommandLineOption stream{"stream", "Send on the data path when it opens: \"all\" (the 256 byte values) "
                                        "or a number of bytes of the pattern 0..255.", "all|N"};
    QCommandLineOption rate{"rate", "Pace of the stream in bytes per second (default: at once).", "BPS", "0"};
    QCommandLineOption fault{"fault", "A fault on every reader: TARGET=KIND, see below. May be repeated.",
                             "TARGET=KIND"};
    QCommandLineOption faultFile{"fault-file", "Faults of single readers: one \"ADDRESS TARGET=KIND\" a line "
                                               "(blank lines and lines from # on are skipped).", "FILE"};
    QCommandLineOption noMulticast{"no-multicast", "Do not join the identify group on port 53001."};
    QCommandLineOption demo{"demo", "Start the demo set of readers and print what to type."};
    QCommandLineOption help{QStringList{"h", "help"}, "Show this help."};

    QList<QCommandLineOption> all() const
    {
        return {readers, address, mac, password, firmware, firmwareAfter, mode, identification,
                identifier, identifyAddress, controlPort, dataPort, udpPort, subnet, gateway,
                serverAddress, serverPort, speed, dhcp, dpass, cid, rebootDelay, clientRetry,
                noEcho, stream, rate, fault, faultFile, noMulticast, demo, help};
    }
};

const char *const Notes = R"(
Fault kinds (KIND):
  noanswer | refuse     no reply at all; a refused setting is not stored,
                        a refused REBOOT is not carried out
  okcrlf                "OK" CR LF instead of "OK" CR
  lowerok               "ok" CR
  extra:TEXT            the reply followed by TEXT
  replace:TEXT          TEXT instead of the reply (a custom STAT or identify reply)
  allbytes              the 256 byte values instead of the reply
  split:BYTES:MS        the reply in pieces of BYTES, MS apart
  slow:MS               the reply after MS
  drip:MS               the reply one byte every MS
  close[:MS]            half the reply, then the connection is closed
  reset[:MS]            half the reply, then the connection is reset
  flood:N               N bytes of the pattern 0..255 instead of the reply
  oversize:N            N bytes of digits and colons, no CR, instead of the reply
  TEXT takes the escapes \r \n \t \\ \xHH. Append ",after=N" to answer the first
  N messages normally, ",times=N" to apply the fault to N messages only, and
  ",each-connection" to count those messages on each connection from the start.
Fault targets (TARGET):
  a control keyword (PASS STAT CIP DPT UDPP CPT CSN GTW SIP SPRT IDENT MODE CID
  SPEED DHCP DPASS NEWPASS REBOOT), * (every control command), ZAVIDENTIFY
  (identify on the control port), MULTICAST (identify reply by multicast:
  noanswer, replace, extra, slow, flood:N copies, oversize), DL-A, DL-B, DL-D
  (download announce, block, restart).
Examples:
  --fault STAT=split:5:200   --fault DHCP=refuse   --fault PASS=okcrlf
  --fault "MULTICAST=replace:10.0.0.7:0050C2000001:Dup\r"

How a simulated reader answers the cases a client must be ready for:
  - Commands before a right "PASS" are ignored; a wrong password gets no reply.
  - A setting whose value a reader cannot store (an address that is not dotted
    decimal, a port outside 1..65535, an unknown code, an identifier over 20
    characters or with ':', a new password not of 5 characters) and an unknown
    command are answered "ERR" CR, which is no acknowledgement.
  - Settings show in STAT at once and come into force at the restart (REBOOT,
    change of address, firmware restart); so does a new password.
  - STAT fields 1, 14 and 17 hold the model "ZAVTCP", "0" and "0".
  - "Password required for data transfer": received data is dropped (not
    echoed) until a control login was made since the reader started.
  - Client mode connects from the reader's own address and tries again every
    --client-retry ms; with client-send-id on it first sends its identification
    and a CR. UDP mode echoes each datagram to the server address and port; a
    stream starts with the first datagram received.
  - The download port takes messages only after a control login; a block before
    the announce or beyond the announced count, and a restart message before the
    image is complete, get no reply. After the restart message the reader
    restarts with the new firmware version.
  - A change of address by MAC ("RPG") restarts the reader at the new address.
Run it inside the private network (scripts/netns) only.
)";

bool toInt(const QString &text, int low, int high, int *value)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < low || n > high)
        return false;
    *value = n;
    return true;
}

// Lines "ADDRESS TARGET=KIND", each naming one of the readers.
bool readFaultFile(const QString &path, SimulatorSetup *setup, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QHash<QString, int> readerAt;
    for (int i = 0; i < setup->readers.size(); ++i)
        readerAt.insert(setup->readers.at(i).address.toString(), i);
    int number = 0;
    while (!file.atEnd() && number < 1000000) {
        ++number;
        QByteArray line = file.readLine(4096);
        if (line.contains('#'))
            line.truncate(line.indexOf('#'));
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> parts = line.simplified().split(' ');
        const int equals = parts.value(1).indexOf('=');
        if (parts.size() != 2 || equals <= 0) {
            *error = QStringLiteral("line %1: use ADDRESS TARGET=KIND").arg(number);
            return false;
        }
        const QString address = QString::fromLatin1(parts.at(0));
        if (!readerAt.contains(address)) {
            *error = QStringLiteral("line %1: no reader at %2").arg(number).arg(address);
            return false;
        }
        Fault fault;
        QString why;
        if (!Fault::parse(parts.at(1).mid(equals + 1), &fault, &why)) {
            *error = QStringLiteral("line %1: %2").arg(number).arg(why);
            return false;
        }
        setup->readerFaults.append({readerAt.value(address), parts.at(1).left(equals), fault});
    }
    return true;
}

bool codeOption(const QString &text, const char *allowed, char *code)
{
    if (text.size() != 1 || !QByteArray(allowed).contains(text.at(0).toLatin1()))
        return false;
    *code = text.at(0).toLatin1();
    return true;
}
} // namespace

bool parseSimulatorArguments(const QStringList &arguments, SimulatorSetup *setup, QString *error)
{
    Options o;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(o.all());
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!parser.parse(QStringList{QStringLiteral("zav-reader-sim")} + arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()));

    *setup = SimulatorSetup();
    setup->help = parser.isSet(o.help);
    setup->demo = parser.isSet(o.demo);
    setup->multicast = !parser.isSet(o.noMulticast);
    if (setup->help)
        return true;

    const QByteArray password = parser.value(o.password).toLatin1();
    if (password.size() != 5)
        return fail(QStringLiteral("--password needs exactly 5 characters"));

    for (const QString &text : parser.values(o.fault)) {
        const int equals = text.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return fail(QStringLiteral("--fault %1: use TARGET=KIND").arg(text));
        Fault fault;
        QString why;
        if (!Fault::parse(text.mid(equals + 1).toLatin1(), &fault, &why))
            return fail(QStringLiteral("--fault %1: %2").arg(text, why));
        setup->faults.append({text.left(equals).toLatin1(), fault});
    }

    if (setup->demo) {
        setup->readers = demoReaders(password);
        setup->instructions = demoInstructions(password);
        return true;
    }

    ReaderConfig base;
    base.password = password;
    base.firmware = parser.value(o.firmware).toLatin1();
    base.firmwareAfterDownload = parser.value(o.firmwareAfter).toLatin1();
    base.identification = parser.value(o.identification).toLatin1();
    base.identifier = parser.value(o.identifier).toLatin1();
    base.identifyAddress = parser.value(o.identifyAddress).toLatin1();
    base.subnet = parser.value(o.subnet).toLatin1();
    base.gateway = parser.value(o.gateway).toLatin1();
    base.serverAddress = parser.value(o.serverAddress).toLatin1();
    base.mode = ReaderConfig::modeCode(parser.value(o.mode).toLatin1());
    if (base.mode == '\0')
        return fail(QStringLiteral("--mode: use server, client or udp"));
    if (!ReaderConfig::isDottedAddress(base.serverAddress))
        return fail(QStringLiteral("--server-address: not an IPv4 address"));

    struct PortOption { const QCommandLineOption *option; quint16 *port; };
    for (const PortOption &p : {PortOption{&o.controlPort, &base.controlPort},
                                PortOption{&o.dataPort, &base.tcpDataPort},
                                PortOption{&o.udpPort, &base.udpDataPort},
                                PortOption{&o.serverPort, &base.serverPort}}) {
        int value = 0;
        if (!toInt(parser.value(*p.option), 1, 65535, &value))
            return fail(QStringLiteral("--%1: a port from 1 to 65535").arg(p.option->names().first()));
        *p.port = quint16(value);
    }
    if (!codeOption(parser.value(o.speed), "12345", &base.speed))
        return fail(QStringLiteral("--speed: a code from 1 to 5"));
    if (!codeOption(parser.value(o.dhcp), "01", &base.dhcp))
        return fail(QStringLiteral("--dhcp: 0 or 1"));
    if (!codeOption(parser.value(o.dpass), "01", &base.dpass))
        return fail(QStringLiteral("--dpass: 0 or 1"));
    if (!codeOption(parser.value(o.cid), "01", &base.cid))
        return fail(QStringLiteral("--cid: 0 or 1"));
    if (!toInt(parser.value(o.rebootDelay), 0, 600000, &base.rebootDelayMs))
        return fail(QStringLiteral("--reboot-delay: 0 to 600000 ms"));
    if (!toInt(parser.value(o.clientRetry), 10, 600000, &base.clientRetryMs))
        return fail(QStringLiteral("--client-retry: 10 to 600000 ms"));

    base.data.echo = !parser.isSet(o.noEcho);
    if (parser.isSet(o.stream)) {
        const QString stream = parser.value(o.stream);
        if (stream == QLatin1String("all")) {
            base.data.stream = DataBehaviour::AllByteValues;
        } else {
            bool ok = false;
            const qint64 count = stream.toLongLong(&ok);
            if (!ok || count < 1 || count > 64 * 1024 * 1024)
                return fail(QStringLiteral("--stream: \"all\" or 1 to 67108864 bytes"));
            base.data.stream = DataBehaviour::CountedBytes;
            base.data.streamBytes = count;
        }
    }
    if (!toInt(parser.value(o.rate), 0, 100000000, &base.data.bytesPerSecond))
        return fail(QStringLiteral("--rate: bytes per second, 0 for at once"));

    int count = 0;
    if (!toInt(parser.value(o.readers), 1, MaxReaders, &count))
        return fail(QStringLiteral("--readers: 1 to %1").arg(MaxReaders));
    const QHostAddress first(parser.value(o.address));
    if (!ReaderConfig::isDottedAddress(parser.value(o.address).toLatin1()) || first.isNull())
        return fail(QStringLiteral("--address: not an IPv4 address"));
    const QByteArray mac = parser.value(o.mac).toLatin1().toUpper();
    bool macOk = false;
    mac.toULongLong(&macOk, 16);
    if (mac.size() != 12 || !macOk)
        return fail(QStringLiteral("--mac: 12 hex characters"));

    for (int i = 0; i < count; ++i) {
        ReaderConfig config = base;
        config.address = ReaderSimulator::addressAfter(first, i);
        config.mac = ReaderSimulator::macAfter(mac, i);
        setup->readers.append(config);
    }
    if (parser.isSet(o.faultFile)) {
        QString why;
        if (!readFaultFile(parser.value(o.faultFile), setup, &why))
            return fail(QStringLiteral("--fault-file %1: %2").arg(parser.value(o.faultFile), why));
    }
    return true;
}

QString simulatorHelpText()
{
    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated ZAV readers: control port, identify by multicast and TCP, change of address,\n"
        "data port (server, client or UDP mode) and firmware download port 53005."));
    parser.addOptions(o.all());
    QString text = parser.helpText();
    text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: zav-reader-sim"));
    return text + QString::fromLatin1(Notes);
}

QList<ReaderConfig> demoReaders(const QByteArray &password)
{
    auto reader = [&password](const char *address, const char *mac, const char *identification) {
        ReaderConfig config;
        config.address = QHostAddress(QString::fromLatin1(address));
        config.mac = mac;
        config.identification = identification;
        config.identifier = identification;
        config.password = password;
        return config;
    };
    QList<ReaderConfig> readers;
    readers.append(reader("192.168.1.55", "0050C2000155", "Demo server"));
    ReaderConfig old = reader("127.0.0.2", "0050C2000002", "Demo firmware 02.00");
    old.firmware = "02.00";
    readers.append(old);
    ReaderConfig client = reader("127.0.0.3", "0050C2000003", "Demo client");
    client.mode = '1';
    client.cid = '1';
    // In the demo every reader lives on this one host, where the server-mode
    // readers already listen on TCP port 57; the client reader therefore
    // connects to another port.
    client.serverPort = 5057;
    readers.append(client);
    ReaderConfig udp = reader("127.0.0.4", "0050C2000004", "Demo UDP");
    udp.mode = '2';
    readers.append(udp);
    readers.append(reader("127.0.0.5", "0050C2000005", "Demo duplicate A"));
    ReaderConfig duplicate = reader("127.0.0.6", "0050C2000006", "Demo duplicate B");
    duplicate.identifyAddress = "127.0.0.5";
    readers.append(duplicate);
    return readers;
}

QString demoInstructions(const QByteArray &password)
{
    const QString p = QString::fromLatin1(password);
    return QStringLiteral(
               "Demo readers are running. Password of every reader: %1, control port 87.\n"
               "  Program Reader, Server Connect, Flash Reader: 192.168.1.55 (data port 57)\n"
               "  Program Reader with firmware 02.00: 127.0.0.2\n"
               "  Client Connect: Data Port Number 5057, then Listen; the reader 127.0.0.3 connects and sends\n"
               "    its identification (port 57 is taken here by the simulated server readers)\n"
               "  Udp Connect: address 127.0.0.4, receive port 57, data port 53002\n"
               "  Local Network Search: F1 lists all six; two answer as 127.0.0.5 (MACs 0050C2000005 and\n"
               "    0050C2000006): select one, Resolve Dup, and give it e.g. 127.0.0.7\n"
               "  Wide Network Search: start 127.0.0.1, control port 87\n")
        .arg(p);
}

QString readerSummary(const ReaderConfig &c)
{
    QString data;
    switch (c.mode) {
    case '1':
        data = QStringLiteral("client to %1:%2").arg(QString::fromLatin1(c.serverAddress)).arg(c.serverPort);
        break;
    case '2':
        data = QStringLiteral("udp %1 to %2:%3")
                   .arg(c.udpDataPort)
                   .arg(QString::fromLatin1(c.serverAddress))
                   .arg(c.serverPort);
        break;
    default:
        data = QStringLiteral("server %1").arg(c.tcpDataPort);
        break;
    }
    QString line = QStringLiteral("reader %1 mac %2 control %3 data %4 download 53005 firmware %5")
                       .arg(c.address.toString(), QString::fromLatin1(c.mac))
                       .arg(c.controlPort)
                       .arg(data, QString::fromLatin1(c.firmware));
    if (!c.identifyAddress.isEmpty())
        line += QStringLiteral(" identifies as %1").arg(QString::fromLatin1(c.identifyAddress));
    return line;
}
