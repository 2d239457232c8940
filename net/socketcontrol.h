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
class QUdpSocket;

// An event-driven TCP or UDP socket with the members of the classic Winsock
// control, under their documented names. The protocol is fixed at construction.
// Text on the wire is bytes: one character is one byte, 0..255 both ways.
//
// A failing operation returns false and leaves a readable lastError(); it never
// throws and never touches port 0 for a remote port out of 1..65535.
class SocketControl : public QObject
{
    Q_OBJECT
public:
    enum Protocol { Tcp, Udp };

    // The Winsock control's State values.
    enum StateValue {
        Closed = 0,
        Open = 1,
        Listening = 2,
        ConnectionPending = 3,
        ResolvingHost = 4,
        HostResolved = 5,
        Connecting = 6,
        Connected = 7,
        Closing = 8,
        Error = 9
    };

    explicit SocketControl(Protocol protocol, QObject *parent = nullptr);
    ~SocketControl() override;

    Protocol protocol() const { return m_protocol; }

    QString RemoteHost;
    qint32 RemotePort = 0;
    qint32 LocalPort = 0;

    int State() const;
    qint64 BytesReceived() const;
    QString RemoteHostIP() const { return m_remoteHostIP; }
    qintptr SocketHandle() const;

    // TCP: starts connecting to RemoteHost:RemotePort; completion shows in State().
    bool Connect();
    // TCP: listens on LocalPort (any IPv4 address).
    bool Listen();
    // TCP: takes the connection announced by ConnectionRequest; this control
    // then carries it. A listening control stops listening.
    bool Accept(qintptr requestId);
    // UDP: binds LocalPort on every IPv4 address, shared with other programs.
    bool Bind();
    // TCP: queues the bytes in order. UDP: one datagram of exactly these bytes
    // to RemoteHost:RemotePort.
    bool SendData(const QByteArray &data);
    // Takes the received bytes (TCP) or the next datagram (UDP); at most
    // maxLength bytes when maxLength >= 0. Returns false when nothing is waiting.
    bool GetData(QByteArray &data, qint64 maxLength = -1);
    QByteArray GetData(qint64 maxLength = -1);
    // Ends the connection, listener or bound socket. Safe to call at any time.
    void Close();

    QString lastError() const { return m_lastError; }
    // The kind of the last failure of the system's socket (for example
    // SocketAccessError when a port below 1024 needs a privilege, or
    // AddressInUseError); UnknownSocketError for failures of this control's
    // own checks.
    QAbstractSocket::SocketError lastSocketError() const { return m_lastSocketError; }

    // A port number as the user typed it, checked: 1..65535, else 0 and ok false.
    static quint16 portFromText(const QString &text, bool *ok = nullptr);

    // Receive buffer size for UDP (set right after Bind); 0 keeps the system's.
    void setReceiveBufferSize(int bytes) { m_receiveBufferSize = bytes; }
    // TCP: the most bytes held for the window between two GetData calls
    // (0 = no limit, the default). At the limit the control stops reading
    // from the system, and the peer is slowed by TCP's own flow control until
    // the window takes the bytes. Applies to the current and every later
    // connection of this control.
    void setReadBufferSize(qint64 bytes);

signals:
    void DataArrival(qint64 totalBytes);
    void ConnectionRequest(qintptr requestId);
    // Not a Winsock event: the peer closed or the connection failed.
    void PeerClosed();

private:
    void attachTcp(QTcpSocket *socket);
    void readDatagrams();
    void disposeUdp();
    bool fail(const QString &message,
              QAbstractSocket::SocketError kind = QAbstractSocket::UnknownSocketError);
    QByteArray takeTcpData(qint64 maxLength);

    Protocol m_protocol;
    QPointer<QTcpSocket> m_tcp;
    QPointer<QTcpServer> m_server;
    QPointer<QUdpSocket> m_udp;
    QHash<qintptr, QPointer<QTcpSocket>> m_pending;
    qintptr m_nextRequestId = 1;
    struct Datagram { QByteArray data; QHostAddress sender; };
    QQueue<Datagram> m_datagrams;
    qint64 m_queuedBytes = 0;
    QUdpSocket *m_udpInSignal = nullptr; // the socket whose readyRead is being delivered
    QString m_remoteHostIP;
    QString m_lastError;
    QAbstractSocket::SocketError m_lastSocketError = QAbstractSocket::UnknownSocketError;
    int m_receiveBufferSize = 0;
    qint64 m_readBufferSize = 0;
};
