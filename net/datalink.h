#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>

class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;

// The data path between the program and a reader: a TCP connection (made, or
// listened for and accepted) or a UDP socket, fixed at construction, driven
// by signals. Text on the wire is bytes: one character is one byte, 0..255
// both ways.
//
// A failing operation returns false and leaves a readable errorString(); it
// never throws and never touches port 0 for a remote port out of 1..65535.
class DataLink : public QObject
{
    Q_OBJECT
public:
    enum Protocol { Tcp, Udp };

    enum State {
        Closed,
        Bound,          // UDP: bound to localPort()
        Listening,      // TCP: waiting for a connection on localPort()
        LookingUpHost,
        Connecting,
        Connected,
        Closing,
        Failed          // TCP: the last connection attempt or connection failed
    };
    Q_ENUM(State)

    explicit DataLink(Protocol protocol, QObject *parent = nullptr);
    ~DataLink() override;

    Protocol protocol() const { return m_protocol; }

    // Where connectToHost() connects and send() sends datagrams. Ports out of
    // 1..65535 are kept as given and refused when used.
    QString remoteHost() const { return m_remoteHost; }
    void setRemoteHost(const QString &host) { m_remoteHost = host; }
    int remotePort() const { return m_remotePort; }
    void setRemotePort(int port) { m_remotePort = port; }
    // What listen() and bind() use; 0 lets the system choose. A connect from
    // a local port of 0 uses any free port.
    int localPort() const { return m_localPort; }
    void setLocalPort(int port) { m_localPort = port; }

    State state() const;
    // TCP: the bytes waiting to be read. UDP: the size of the next datagram.
    qint64 bytesAvailable() const;
    // TCP: the address of the accepted peer. UDP: the sender of the datagram
    // last read. Dotted IPv4 text.
    QString peerAddress() const { return m_peerAddress; }
    quint16 peerPort() const { return m_peerPort; }
    // TCP: bytes handed to send() that the system has not taken yet.
    qint64 bytesToWrite() const;
    qintptr socketDescriptor() const;

    // TCP: starts connecting to remoteHost():remotePort(); connected() or
    // connectFailed() follows. A refused or unreachable peer fails as soon as
    // the system says so; with a connect limit set, one that stays silent fails
    // at the limit.
    bool connectToHost();
    // The longest a connection attempt may take in milliseconds; 0 (the
    // default) leaves it to the system.
    void setConnectLimit(int milliseconds) { m_connectLimitMs = qMax(milliseconds, 0); }
    // TCP: listens on localPort() (any IPv4 address).
    bool listen();
    // TCP: takes the connection announced by connectionRequested(); this link
    // then carries it. A listening link stops listening.
    bool accept(qintptr requestId);
    // UDP: binds localPort() on every IPv4 address, shared with other programs.
    bool bind();
    // TCP: queues the bytes in order. UDP: one datagram of exactly these bytes
    // to remoteHost():remotePort().
    bool send(const QByteArray &data);
    // Takes the received bytes (TCP) or the next datagram (UDP); at most
    // maxLength bytes when maxLength >= 0. Returns false when nothing is waiting.
    bool read(QByteArray &data, qint64 maxLength = -1);
    QByteArray read(qint64 maxLength = -1);
    // Ends the connection, listener or bound socket. Safe to call at any time,
    // also from inside one of this link's own signals.
    void close();

    QString errorString() const { return m_errorString; }
    // The kind of the last failure of the system's socket (for example
    // SocketAccessError when a port below 1024 needs a privilege, or
    // AddressInUseError); UnknownSocketError for failures of this link's own
    // checks.
    QAbstractSocket::SocketError error() const { return m_error; }

    // Receive buffer size for UDP (set right after bind()); 0 keeps the system's.
    void setReceiveBufferSize(int bytes) { m_receiveBufferSize = bytes; }
    // TCP: the most bytes held for the reader of this link between two read()
    // calls (0 = no limit, the default). At the limit the link stops reading
    // from the system, and the peer is slowed by TCP's own flow control until
    // the bytes are taken. Applies to the current and every later connection.
    void setReadBufferSize(qint64 bytes);

signals:
    // TCP: bytes arrived (their total waiting). UDP: once per datagram (its size).
    void dataArrived(qint64 bytes);
    void connectionRequested(qintptr requestId);
    void connected();
    // The attempt started by connectToHost() ended without a connection.
    void connectFailed();
    // The peer closed an established connection, or it was reset.
    void peerClosed();
    // TCP: the system took this many of the bytes to send.
    void bytesWritten(qint64 bytes);

private:
    void attachTcp(QTcpSocket *socket);
    void abandonConnectAttempt();
    void readDatagrams();
    void disposeUdp();
    bool fail(const QString &message,
              QAbstractSocket::SocketError kind = QAbstractSocket::UnknownSocketError);

    Protocol m_protocol;
    QString m_remoteHost;
    int m_remotePort = 0;
    int m_localPort = 0;
    QPointer<QTcpSocket> m_tcp;
    QPointer<QTcpServer> m_server;
    QPointer<QUdpSocket> m_udp;
    QHash<qintptr, QPointer<QTcpSocket>> m_pending;
    qintptr m_nextRequestId = 1;
    struct Datagram { QByteArray data; QHostAddress sender; quint16 senderPort = 0; };
    QQueue<Datagram> m_datagrams;
    qint64 m_queuedBytes = 0;
    QUdpSocket *m_udpInSignal = nullptr; // the socket whose readyRead is being delivered
    QTimer *m_connectTimer = nullptr;
    int m_connectLimitMs = 0;
    bool m_connecting = false;
    QString m_peerAddress;
    quint16 m_peerPort = 0;
    QString m_errorString;
    QAbstractSocket::SocketError m_error = QAbstractSocket::UnknownSocketError;
    int m_receiveBufferSize = 0;
    qint64 m_readBufferSize = 0;
};
