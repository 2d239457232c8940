#pragma once

#include "readerconfig.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QTimer;
class ReaderSimulator;
class ReplyWriter;
class ReplyingPort;
class SimulatedControlPort;
class SimulatedDataPort;
class SimulatedDownloadPort;

// One simulated reader: control port, data port in its operating mode and the
// download port, all at its own address, each a part of its own
// (SimulatedControlPort, SimulatedDataPort, SimulatedDownloadPort). Identify
// by multicast is answered by the ReaderSimulator that owns it (create
// readers with ReaderSimulator::addReader).
//
// Settings: setting commands change config() (what "STAT" reports) at once;
// activeConfig() (addresses, ports, mode, password, data options) changes only
// at a restart ("REBOOT", a change of address by MAC, a firmware restart, restart()).
//
// Control port: lines end at CR. Before a right "PASS" nothing but "ZAVIDENTIFY"
// is answered (a wrong password gets no reply). A setting whose value cannot be
// stored (not dotted decimal, port outside 1..65535, unknown code, identifier
// over 20 characters or with ':', new password not of 5 characters) and an
// unknown command get "ERR" CR, which no client takes for an acknowledgement.
// A "02.00" reader does not answer "CID". "REBOOT": "OK" CR, every connection
// closes, and after rebootDelayMs the reader listens with the stored settings.
//
// Data: with dpass '1' received data is recorded (accepted = false) but dropped
// until a control login was made since the reader started.
// Download port 53005: messages are taken only after such a login; a block before
// the announce or beyond the announced count, and a restart message before the
// image is complete, are not answered. After "D" the reader keeps the image,
// restarts and reports firmwareAfterDownload (or the version counted up).
class SimulatedReader : public QObject
{
    Q_OBJECT
public:
    enum State { Stopped, Running, Restarting };
    Q_ENUM(State)

    explicit SimulatedReader(const ReaderConfig &config, QObject *parent = nullptr);
    ~SimulatedReader() override;

    // Listens with the stored settings. False (and nothing listening) when a
    // port cannot be bound; error says which.
    bool start(QString *error = nullptr);
    void stop();
    // Closes everything and starts again with the stored settings after
    // delayMs (-1: the configured reboot delay).
    void restart(int delayMs = -1);
    State state() const { return m_state; }
    bool isRunning() const { return m_state == Running; }
    QString lastError() const { return m_lastError; }

    ReaderConfig config() const { return m_stored; }
    ReaderConfig activeConfig() const { return m_active; }
    // Replaces the stored settings; they take effect at the next (re)start.
    void setConfig(const ReaderConfig &config) { m_stored = config; }

    // The replies as this reader would give them now.
    QByteArray statReply() const;
    QByteArray identifyReply() const;    // multicast: address:MAC:identification:port CR
    QByteArray tcpIdentifyReply() const; // control port: address:MAC:identification CR

    // True after a successful control login since the reader started.
    bool loginSeen() const { return m_loginSeen; }

    // Faults per message kind: a control keyword or a faultTarget constant.
    void setFault(const QByteArray &target, const Fault &fault);
    void clearFault(const QByteArray &target);
    void clearFaults();
    // The fault for the next message of this kind, counted (skip/times); None if none.
    Fault takeFault(const QByteArray &target);

    // Every byte received, per channel, in order of arrival.
    QList<ReceivedChunk> received(Channel channel) const;
    // The bytes of a channel joined; connection 0 = all connections/datagrams.
    QByteArray receivedBytes(Channel channel, int connection = 0) const;
    // Number of connections (TCP) or datagrams (UDP) seen on a channel.
    int connectionCount(Channel channel) const { return m_counters.value(int(channel)); }
    void clearRecord();

    // Sends bytes on the data path of the current mode: every open data
    // connection (server), the connection to the server (client), or one
    // datagram to the server address and port (UDP). False if there is no path.
    bool sendData(const QByteArray &bytes);
    int dataConnections() const;

    // The last complete firmware image received on the download port.
    QByteArray firmwareImage() const;
    int downloadBlocksReceived() const;

signals:
    void started();
    void stopped();
    void restarting();
    void bytesReceived(Channel channel, int connection, const QByteArray &bytes);
    // A control-port line after the login (or a TCP identify): keyword and argument.
    void commandReceived(const QByteArray &keyword, const QByteArray &argument);
    void loggedIn();
    void dataConnected();
    void firmwareReceived(const QByteArray &image);
    void errorOccurred(const QString &text);

private:
    friend class ReaderSimulator;
    friend class ReplyingPort;
    friend class SimulatedControlPort;
    friend class SimulatedDataPort;
    friend class SimulatedDownloadPort;

    bool listenAll(QString *error);
    void restartAfterReplies(ReplyWriter *writer);
    void closeAll();
    void record(Channel channel, int connection, const QByteArray &bytes,
                const QHostAddress &peer, quint16 peerPort, bool accepted = true);
    int nextConnection(Channel channel);

    // A new connection on the channel: faults counted per connection start over.
    void countFaultsAnew(Channel channel);
    // The fault for a message: its own, else (control port) the one for every command.
    Fault faultFor(const QByteArray &target);
    // Sends the reply with its fault; false when the fault is to give no answer.
    bool answer(ReplyWriter *writer, const QByteArray &target, const QByteArray &reply);

    // Multicast, called by the owning ReaderSimulator.
    void noteIdentifyDatagram(const QByteArray &datagram, const QHostAddress &peer, quint16 port);
    void changeAddress(const QHostAddress &address);

    ReaderConfig m_stored;
    ReaderConfig m_active;
    State m_state = Stopped;
    QString m_lastError;
    bool m_loginSeen = false;

    SimulatedControlPort *m_controlPort = nullptr;
    SimulatedDataPort *m_dataPort = nullptr;
    SimulatedDownloadPort *m_downloadPort = nullptr;
    QTimer *m_restartTimer = nullptr;

    struct FaultSlot { Fault fault; int seen = 0; int applied = 0; };
    QHash<QByteArray, FaultSlot> m_faults;
    QList<ReceivedChunk> m_record;
    QHash<int, int> m_counters;
};
