#pragma once

#include "trafficlog.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

class CaptureFile;
class ControlSession;
class DataLink;
class FileSender;
class RepeatSender;
struct SendTarget;

// A reader's data connection for as long as a connection test lives, without
// any widget: the data link(s), the control login kept open beside them, the
// session log, the capture, the file and repeat senders, and the recording of
// every chunk sent or received. A window starts it, sends through it, and
// shows what its signals report; the session never calls into a window.
class DataSession : public QObject
{
    Q_OBJECT
public:
    enum Transport { Tcp, Udp };
    enum State {
        Closed,
        Connecting,     // Server Connect: the data port is being connected
        Listening,      // Client Connect: waiting for the reader
        Connected,      // data can flow (UDP: bound)
        Failed          // the data port did not connect; everything is closed
    };
    Q_ENUM(State)

    // One end of the data path: where data came from or went to.
    struct Peer {
        QHostAddress address;
        quint16 port = 0;
        QString text() const;   // "10.0.0.7:4001"
    };

    // The most received bytes a TCP link holds until they are taken; beyond
    // it the link stops reading, and the reader is slowed by TCP's own flow
    // control while receiving is off (setReceiving()).
    static constexpr qint64 SocketReadLimit = 64 * 1024;

    explicit DataSession(Transport transport, QObject *parent = nullptr);
    ~DataSession() override;

    // The reader works as a TCP server: connects to its data port. Connected
    // or Failed follows (Failed at once when the attempt cannot start).
    void connectToReader(const QHostAddress &reader, quint16 dataPort);
    // The longest the data port may take to answer; 0 leaves it to the system.
    void setConnectLimit(int milliseconds);
    // The reader works as a TCP client: listens on the port, takes the first
    // reader that connects (Connected; peer() says who) and listens no more.
    // False, with errorString() saying why and what to do, when the port
    // cannot be listened on.
    bool listen(quint16 port);
    // The reader sends datagrams: every datagram arriving on receivePort is
    // received, from any sender; sent data goes to reader:dataPort. Connected
    // at once, or false with errorString().
    bool bindDatagrams(quint16 receivePort, const QHostAddress &reader, quint16 dataPort);
    // Ends the links, the login, the sending and the capture; the log stays.
    void stop();

    // A login on the reader's control port with the password as given, kept
    // open as long as the session lasts: loginFinished() follows, and a
    // failed login is closed at once.
    void logIn(const QHostAddress &reader, quint16 controlPort, const QByteArray &password);
    // Abandons the login or closes the logged-in connection, without a
    // loginFinished().
    void endLogin();
    // The login while it runs and, once logged in, until it ends; null otherwise.
    const ControlSession *login() const;

    State state() const { return m_state; }
    QString errorString() const { return m_errorString; }
    // TCP: the reader at the other end. UDP: the sender of the datagram last received.
    Peer peer() const { return m_peer; }
    // A link or the login is open.
    bool isOpen() const;

    // Sends the bytes as they are (UDP: one datagram); on success they are
    // recorded and sent() reports them. False, with errorString(), when the
    // session is not connected or the link refuses them.
    bool send(const QByteArray &bytes);

    // Received data is taken from the link and reported by received() while
    // receiving is on (the default). A viewer that falls behind turns it off;
    // the link then holds the data back until it is turned on again.
    void setReceiving(bool on);

    TrafficLog &log() { return *m_log; }
    CaptureFile &capture() { return *m_capture; }
    FileSender *fileSender() const { return m_fileSender; }
    RepeatSender *repeatSender() const { return m_repeatSender; }
    void sendFile(const QByteArray &bytes);
    void sendRepeatedly(const QByteArray &bytes, int intervalMs, int count);
    void stopSending();
    bool isSending() const;

    // TCP: the link of the data connection (or of the attempt). UDP: the
    // receiver. Never null.
    const DataLink *dataLink() const { return m_link; }
    // UDP: the link that sends to the reader; null for TCP.
    const DataLink *datagramSender() const { return m_sender; }

signals:
    void stateChanged(DataSession::State state);
    void loginFinished(bool ok);
    void received(const QByteArray &bytes, const DataSession::Peer &from);
    void sent(const QByteArray &bytes);

private:
    void setState(State state);
    void useLink(DataLink *link);
    void takeConnection();
    void endFailedConnection();
    void takeArrivals();
    void record(TrafficChunk::Direction direction, const QByteArray &bytes, const QString &peer,
                const TrafficRoute &route);
    SendTarget sendTarget();
    TrafficRoute tcpRoute() const;

    Transport m_transport;
    State m_state = Closed;
    QString m_errorString;
    DataLink *m_link = nullptr;       // TCP connection, or UDP receiver
    DataLink *m_listener = nullptr;   // TCP: waits for the reader
    DataLink *m_sender = nullptr;     // UDP: sends to the reader
    QPointer<ControlSession> m_login;
    Peer m_peer;
    QString m_peerText;
    Peer m_datagramTarget;
    QHostAddress m_sourceAddress;     // UDP: where datagrams to the reader leave from
    bool m_localOpened = false;
    quint32 m_connections = 0;        // TCP connections so far, for the capture's streams
    bool m_receiving = true;
    bool m_taking = false;
    TrafficLog *m_log;
    CaptureFile *m_capture;
    FileSender *m_fileSender;
    RepeatSender *m_repeatSender;
};

Q_DECLARE_METATYPE(DataSession::Peer)
