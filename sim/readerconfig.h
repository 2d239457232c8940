#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QtGlobal>

// Settings, data behaviour, faults and the byte record of a simulated reader.
// Everything here is plain data; see readersimulator.h and simulatedreader.h.

// What a reader does on its data port besides receiving.
struct DataBehaviour
{
    enum Stream {
        NoStream,
        AllByteValues, // the 256 byte values 0..255 once, in order
        CountedBytes   // streamBytes bytes of the pattern 0, 1, ..., 255, 0, 1, ...
    };

    // Send every accepted byte back: on the TCP connection it came on, or in
    // UDP mode as one datagram to the server address and port.
    bool echo = true;
    Stream stream = NoStream;
    qint64 streamBytes = 0;
    // Pace of the stream; 0 sends it at once. Paced streams go out every 20 ms.
    int bytesPerSecond = 0;
};

// One reader's settings. The setting commands of the control port change the
// stored copy (what "STAT" reports); a restart puts it in force.
struct ReaderConfig
{
    QHostAddress address{QStringLiteral("127.0.0.2")}; // where the reader listens; "CIP"
    QByteArray mac = "0050C2000001";                    // 12 hex characters, no separators
    QByteArray identification = "ZAV Reader";           // identify reply field 3
    QByteArray identifier = "READER";                   // "STAT" field 3; "IDENT"
    QByteArray password = "58203";                      // control password; "NEWPASS"
    QByteArray firmware = "02.10";                      // "02.00": no client-send-id field, no "CID"
    // The version reported after a firmware download and restart; empty means
    // the current version with its last digit counted up ("02.10" -> "02.11").
    QByteArray firmwareAfterDownload;
    quint16 controlPort = 87;                           // "CPT"
    quint16 tcpDataPort = 57;                           // "DPT"
    quint16 udpDataPort = 53002;                        // "UDPP"
    QByteArray subnet = "255.255.255.0";                // "CSN"
    QByteArray gateway = "0.0.0.0";                     // "GTW"
    QByteArray serverAddress = "127.0.0.1";             // "SIP": client and UDP mode peer
    quint16 serverPort = 57;                            // "SPRT"
    char mode = '0';  // '0' TCP server, '1' TCP client, '2' UDP; "MODE"
    char speed = '5'; // '1' 10hd .. '4' 100fd, '5' auto; "SPEED"
    char dhcp = '0';  // "DHCP"
    char dpass = '0'; // '1': data is dropped until a control login was made; "DPASS"
    char cid = '0';   // '1': send the identification on connecting as a client; "CID"
    QByteArray model = "ZAVTCP"; // "STAT" field 1

    // Address text in field 1 of identify replies (multicast and TCP); empty
    // means the listening address. Two readers listening on different addresses
    // can so answer with the same one ("Resolve Dup"). A change of address by
    // MAC clears it.
    QByteArray identifyAddress;

    int rebootDelayMs = 1000;  // from "REBOOT" (or a change of address) until it listens again
    int clientRetryMs = 1000;  // client mode: pause before connecting again
    DataBehaviour data;

    // Dotted decimal IPv4 as a reader takes it: four groups of 1 to 3 digits, each at most 255.
    static bool isDottedAddress(const QByteArray &text);
    // Operating-mode code from a name: "server", "client", "udp" ('\0' if unknown).
    static char modeCode(const QByteArray &name);
    static QByteArray modeName(char code);
};

// A fault changes the reply that a reader gives to one kind of message (see
// faultTarget). Make one with the named constructors.
struct Fault
{
    enum Kind {
        None,
        NoAnswer,  // nothing is sent; a setting is then not stored, "REBOOT" not carried out
        Replace,   // 'bytes' are sent instead of the reply
        Append,    // the reply, then 'bytes'
        Split,     // the reply in pieces of 'chunkSize' bytes, 'delayMs' apart
        Delay,     // the reply after 'delayMs'
        Close,     // the first half of the reply, then after 'delayMs' the connection is closed
        Reset,     // the same, but the connection is reset (RST) instead of closed
        Flood,     // 'count' bytes of the pattern 0..255 instead of the reply
        Oversize,  // 'count' bytes of colon-separated digits, no carriage return, instead of the reply
        Drip       // the reply one byte at a time, 'delayMs' apart
    };

    Kind kind = None;
    QByteArray bytes;
    int delayMs = 0;
    int chunkSize = 1;
    qint64 count = 0;
    int skip = 0;   // matching messages answered normally before the fault applies
    int times = -1; // then how many it applies to; -1 = every one
    // skip and times count the messages of each connection anew (a reader
    // that fails the same way on every connection) instead of all of them.
    bool eachConnection = false;

    static Fault noAnswer();
    static Fault refuse() { return noAnswer(); }
    static Fault replace(const QByteArray &reply);
    static Fault okCrLf();                              // "OK" CR LF
    static Fault lowerCaseOk();                         // "ok" CR
    static Fault extraBytes(const QByteArray &extra);   // the reply followed by extra bytes
    static Fault split(int chunkSize, int delayMs);
    static Fault slow(int delayMs);
    static Fault closeMidway(int delayMs = 0);
    static Fault resetMidway(int delayMs = 0);
    static Fault flood(qint64 bytes);
    static Fault oversized(qint64 bytes);
    static Fault drip(int delayMs);
    static Fault allByteValues(); // replace with the 256 byte values

    // Answer the first n matching messages normally, then apply the fault.
    Fault &afterSkipping(int n) { skip = n; return *this; }
    // Apply the fault to n messages only, then answer normally again.
    Fault &only(int n) { times = n; return *this; }
    // Count for skip and times on each connection from the start.
    Fault &onEachConnection() { eachConnection = true; return *this; }

    // "noanswer", "okcrlf", "split:3:200", "replace:text" ... as the program's
    // --fault option takes them (with ",after=N", ",times=N" and
    // ",each-connection" after the kind); false with an explanation on bad text.
    static bool parse(const QByteArray &text, Fault *fault, QString *error);
    static QByteArray kindName(Kind kind);
};

// What a fault is attached to: a control-port keyword ("PASS", "STAT", "CIP",
// ..., "NEWPASS", "REBOOT"), or one of these.
namespace faultTarget {
inline const QByteArray AnyControlCommand = "*";         // every control-port command
inline const QByteArray TcpIdentify = "ZAVIDENTIFY";     // identify on the control port
inline const QByteArray MulticastIdentify = "MULTICAST"; // identify reply by multicast
inline const QByteArray DownloadAnnounce = "DL-A";
inline const QByteArray DownloadBlock = "DL-B";
inline const QByteArray DownloadRestart = "DL-D";
} // namespace faultTarget

// Where a reader received bytes.
enum class Channel {
    Control,  // control port (commands and the TCP identify)
    Data,     // data port in any mode (TCP connection or UDP datagram)
    Download, // download port 53005
    Identify  // multicast datagrams on port 53001 (identify requests, change of address)
};

// One piece of received bytes as it came off a socket.
struct ReceivedChunk
{
    Channel channel = Channel::Control;
    int connection = 0;   // per channel: connection number (TCP) or datagram number (UDP), from 1
    QByteArray bytes;
    qint64 timeMs = 0;    // QDateTime::currentMSecsSinceEpoch() at arrival
    QHostAddress peer;
    quint16 peerPort = 0;
    bool accepted = true; // false: data dropped for lack of a control login ("DPASS")
};
