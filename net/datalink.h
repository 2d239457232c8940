#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QNetworkDatagram>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>

class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;

// The data path between the program and a reader, shaped like Qt's own
// sockets: a TCP connection (made with connectToHost(), or listened for with
// listen() and taken with nextPendingConnection()) or a UDP socket (bind(),
// sendDatagram()), fixed at construction and driven by signals. Data on the
// wire is bytes: 0..255 both ways, nothing converted.
//
// A failing operation returns false and leaves an errorString() that says
// what to do about it; nothing throws.
class DataLink : public QObject
{
    Q_OBJECT
public:
    enum Protocol { Tcp, Udp };

    enum State {
        Closed,
        Bound,          // UDP: bound to localPort()
        Listening,      // TCP: waiting for connections on localPort()
        Connecting,
        Connected,
        Closing,
        Failed          // TCP: the last connection attempt or connection failed
    };
    Q_ENUM(State)

    explicit DataLink(Protocol protocol, QObject *parent = nullptr);
    ~DataLink() override;

    Protocol protocol() const { return m_protocol; }
    State state() const;

    // TCP: starts connecting; connected() or connectFailed() follows. A
    // refused or unreachable peer fails as soon as the system says so; with a
    // connect limit set, one that stays silent fails at the limit.
    bool connectToHost(const QHostAddress &address, quint16 port);
    // The longest a connection attempt may take in milliseconds; 0 (the
    // default) leaves it to the system.
    void setConnectLimit(int milliseconds) { m_connectLimitMs = qMax(milliseconds, 0); }

    // TCP: listens on the port (every IPv4 address; 0 lets the system
    // choose). Each peer that connects is announced by newConnection().
    bool listen(quint16 port);
    // TCP: the next connection announced by newConnection(), as a link of its
    // own that the caller owns; null when none waits.
    DataLink *nextPendingConnection();

    // UDP: binds the port on every IPv4 address (0 lets the system choose),
    // shared with other programs. Received datagrams are announced by
    // dataArrived() and taken with receiveDatagram().
    bool bind(quint16 port);
    // UDP: one datagram of exactly these bytes. Binds first when not bound.
    bool sendDatagram(const QByteArray &data, const QHostAddress &address, quint16 port);
    // UDP: the next datagram with its sender and destination; an invalid
    // (null) datagram when none waits.
    QNetworkDatagram receiveDatagram();

    // TCP: queues the bytes in order.
    bool send(const QByteArray &data);
    // TCP: takes the received bytes, at most maxLength when it is 0 or more.
    QByteArray read(qint64 maxLength = -1);
    // TCP: the bytes waiting to be read. UDP: the size of the next datagram.
    qint64 bytesAvailable() const;
    // TCP: bytes handed to send() that the system has not taken yet.
    qint64 bytesToWrite() const;

    // The ends of the connection (TCP) or the bound socket (UDP).
    QHostAddress localAddress() const;
    quint16 localPort() const;
    // TCP: the peer of the connection, as an IPv4 address.
    QHostAddress peerAddress() const;
    quint16 peerPort() const;
    qintptr socketDescriptor() const;

    // Ends the connection, listener or bound socket. Safe to call at any
    // time, also from inside one of this link's own signals.
    void close();

    QString errorString() const { return m_errorString; }
    // The kind of the last failure of the system's socket (for example
    // SocketAccessError when a port below 1024 needs a privilege, or
    // AddressInUseError); UnknownSocketError for this link's own refusals.
    QAbstractSocket::SocketError error() const { return m_error; }

    // UDP receive buffer size, set at bind(); 0 keeps the system's.
    void setReceiveBufferSize(int bytes) { m_receiveBufferSize = bytes; }
    // TCP: the most bytes held between two read() calls (0 = no limit, the
    // default). At the limit the link stops reading from the system, and the
    // peer is slowed by TCP's own flow control until the bytes are taken.
    void setReadBufferSize(qint64 bytes);

    // The address of this host that datagrams to the destination leave from
    // (the system's choice of route); null when there is no route.
    static QHostAddress sourceAddressFor(const QHostAddress &destination, quint16 port);
    // What a failed listen() or bind() on the port means for a technician,
    // and what to do about it.
    static QString listenFailureText(QAbstractSocket::SocketError kind, quint16 port, const QString &systemText);

signals:
    // TCP: bytes arrived (their total waiting). UDP: once per datagram (its size).
    void dataArrived(qint64 bytes);
    void newConnection();
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
    bool createUdp();
    bool fail(const QString &message,
              QAbstractSocket::SocketError kind = QAbstractSocket::UnknownSocketError);

    Protocol m_protocol;
    QPointer<QTcpSocket> m_tcp;
    QPointer<QTcpServer> m_server;
    QPointer<QUdpSocket> m_udp;
    QQueue<QNetworkDatagram> m_datagrams;
    qint64 m_queuedBytes = 0;
    QUdpSocket *m_udpInSignal = nullptr; // the socket whose readyRead is being delivered
    QTimer *m_connectTimer = nullptr;
    int m_connectLimitMs = 0;
    bool m_connecting = false;
    QHostAddress m_connectAddress;
    quint16 m_connectPort = 0;
    QString m_errorString;
    QAbstractSocket::SocketError m_error = QAbstractSocket::UnknownSocketError;
    int m_receiveBufferSize = 0;
    qint64 m_readBufferSize = 0;
};
