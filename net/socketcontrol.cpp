#include "socketcontrol.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace {
// Datagrams held for a window that has not read them yet; beyond either limit
// the oldest are dropped so that a flood cannot grow memory without bound
// (16 MiB holds 256 datagrams of the largest size, or 65536 small ones).
constexpr int MaxQueuedDatagrams = 65536;
constexpr qint64 MaxQueuedDatagramBytes = 16 * 1024 * 1024;
// A closing TCP connection gets this long to flush what was sent before it is cut.
constexpr int CloseFlushMs = 3000;

// A host text with a blank, tab or line break inside is no address and no
// host name; the system's resolver would read "127 .0.0.2" as 0.0.0.127.
bool hasInnerWhitespace(const QString &trimmedHost)
{
    for (const QChar c : trimmedHost) {
        if (c.isSpace())
            return true;
    }
    return false;
}

QHostAddress literalAddress(const QString &text)
{
    QHostAddress address;
    if (!address.setAddress(text.trimmed()))
        return QHostAddress();
    return address;
}

void retire(QTcpSocket *socket)
{
    if (!socket)
        return;
    socket->disconnect();
    socket->setParent(nullptr);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(CloseFlushMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}
} // namespace

SocketControl::SocketControl(Protocol protocol, QObject *parent)
    : QObject(parent), m_protocol(protocol)
{
}

SocketControl::~SocketControl()
{
    Close();
    for (const auto &socket : std::as_const(m_pending)) {
        if (socket)
            socket->abort();
        delete socket.data();
    }
}

quint16 SocketControl::portFromText(const QString &text, bool *ok)
{
    bool converted = false;
    const qlonglong value = text.trimmed().toLongLong(&converted);
    const bool valid = converted && value >= 1 && value <= 65535;
    if (ok)
        *ok = valid;
    return valid ? quint16(value) : 0;
}

bool SocketControl::fail(const QString &message, QAbstractSocket::SocketError kind)
{
    m_lastError = message;
    m_lastSocketError = kind;
    return false;
}

int SocketControl::State() const
{
    if (m_protocol == Udp)
        return m_udp && m_udp->state() == QAbstractSocket::BoundState ? Open : Closed;
    if (m_server && m_server->isListening())
        return Listening;
    if (!m_tcp)
        return Closed;
    switch (m_tcp->state()) {
    case QAbstractSocket::UnconnectedState:
        return m_tcp->error() == QAbstractSocket::UnknownSocketError ? Closed : Error;
    case QAbstractSocket::HostLookupState:
        return ResolvingHost;
    case QAbstractSocket::ConnectingState:
        return Connecting;
    case QAbstractSocket::ConnectedState:
        return Connected;
    case QAbstractSocket::ClosingState:
        return Closing;
    default:
        return Open;
    }
}

qint64 SocketControl::BytesReceived() const
{
    if (m_protocol == Udp)
        return m_datagrams.isEmpty() ? 0 : m_datagrams.head().data.size();
    return m_tcp ? m_tcp->bytesAvailable() : 0;
}

qintptr SocketControl::SocketHandle() const
{
    if (m_protocol == Udp)
        return m_udp ? m_udp->socketDescriptor() : -1;
    if (m_server)
        return m_server->socketDescriptor();
    return m_tcp ? m_tcp->socketDescriptor() : -1;
}

void SocketControl::setReadBufferSize(qint64 bytes)
{
    m_readBufferSize = qMax<qint64>(bytes, 0);
    if (m_tcp)
        m_tcp->setReadBufferSize(m_readBufferSize);
}

void SocketControl::attachTcp(QTcpSocket *socket)
{
    m_tcp = socket;
    socket->setParent(this);
    socket->setReadBufferSize(m_readBufferSize);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == m_tcp && socket->bytesAvailable() > 0)
            emit DataArrival(socket->bytesAvailable());
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == m_tcp)
            emit PeerClosed();
    });
    if (socket->bytesAvailable() > 0) {
        QTimer::singleShot(0, this, [this, socket] {
            if (socket == m_tcp && socket->bytesAvailable() > 0)
                emit DataArrival(socket->bytesAvailable());
        });
    }
}

bool SocketControl::Connect()
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("Connect needs a TCP socket"));
    if (State() != Closed && State() != Error)
        return fail(QStringLiteral("Invalid operation at current state"));
    if (RemotePort < 1 || RemotePort > 65535)
        return fail(QStringLiteral("Invalid port number"));
    if (LocalPort < 0 || LocalPort > 65535)
        return fail(QStringLiteral("Invalid local port number"));
    const QString host = RemoteHost.trimmed();
    if (host.isEmpty())
        return fail(QStringLiteral("No remote host"));
    if (hasInnerWhitespace(host))
        return fail(QStringLiteral("Invalid remote address"));
    retire(m_tcp);
    auto *socket = new QTcpSocket(this);
    attachTcp(socket);
    if (LocalPort > 0)
        socket->bind(QHostAddress::AnyIPv4, quint16(LocalPort));
    const QHostAddress address = literalAddress(host);
    if (!address.isNull())
        socket->connectToHost(address, quint16(RemotePort));
    else
        socket->connectToHost(host, quint16(RemotePort), QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
    return true;
}

bool SocketControl::Listen()
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("Listen needs a TCP socket"));
    if (State() != Closed && State() != Error)
        return fail(QStringLiteral("Invalid operation at current state"));
    if (LocalPort < 0 || LocalPort > 65535)
        return fail(QStringLiteral("Invalid port number"));
    retire(m_tcp);
    m_tcp = nullptr;
    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::AnyIPv4, quint16(LocalPort))) {
        const QString message = server->errorString();
        const QAbstractSocket::SocketError kind = server->serverError();
        delete server;
        return fail(message, kind);
    }
    m_server = server;
    connect(server, &QTcpServer::newConnection, this, [this, server] {
        while (server == m_server && server->hasPendingConnections()) {
            QTcpSocket *socket = server->nextPendingConnection();
            if (!socket)
                break;
            socket->setParent(this);
            const qintptr id = m_nextRequestId++;
            m_pending.insert(id, socket);
            emit ConnectionRequest(id);
        }
    });
    return true;
}

bool SocketControl::Accept(qintptr requestId)
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("Accept needs a TCP socket"));
    QPointer<QTcpSocket> socket = m_pending.take(requestId);
    if (!socket)
        return fail(QStringLiteral("No such connection request"));
    if (m_tcp && m_tcp->state() != QAbstractSocket::UnconnectedState) {
        socket->abort();
        socket->deleteLater();
        return fail(QStringLiteral("Invalid operation at current state"));
    }
    if (m_server) {
        m_server->close();
        m_server->disconnect(this);
        m_server->deleteLater();
        m_server = nullptr;
    }
    for (const auto &other : std::as_const(m_pending)) {
        if (other) {
            other->abort();
            other->deleteLater();
        }
    }
    m_pending.clear();
    retire(m_tcp);
    attachTcp(socket);
    m_remoteHostIP = QHostAddress(socket->peerAddress().toIPv4Address()).toString();
    return true;
}

bool SocketControl::Bind()
{
    if (m_protocol != Udp)
        return fail(QStringLiteral("Bind needs a UDP socket"));
    if (m_udp && m_udp->state() == QAbstractSocket::BoundState)
        return fail(QStringLiteral("Invalid operation at current state"));
    if (LocalPort < 0 || LocalPort > 65535)
        return fail(QStringLiteral("Invalid port number"));
    if (!m_udp) {
        m_udp = new QUdpSocket(this);
        connect(m_udp, &QUdpSocket::readyRead, this, &SocketControl::readDatagrams);
    }
    if (!m_udp->bind(QHostAddress::AnyIPv4, quint16(LocalPort),
                     QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        const QString message = m_udp->errorString();
        const QAbstractSocket::SocketError kind = m_udp->error();
        disposeUdp();
        return fail(message, kind);
    }
    if (m_receiveBufferSize > 0)
        m_udp->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, m_receiveBufferSize);
    return true;
}

void SocketControl::readDatagrams()
{
    if (!m_udp)
        return;
    int arrived = 0;
    while (m_udp && m_udp->hasPendingDatagrams()) {
        const qint64 size = m_udp->pendingDatagramSize();
        QByteArray data(qMax<qint64>(size, 0), Qt::Uninitialized);
        QHostAddress sender;
        const qint64 read = m_udp->readDatagram(data.data(), data.size(), &sender);
        if (read < 0)
            break;
        data.truncate(read);
        while (!m_datagrams.isEmpty()
               && (m_datagrams.size() >= MaxQueuedDatagrams
                   || m_queuedBytes + data.size() > MaxQueuedDatagramBytes))
            m_queuedBytes -= m_datagrams.dequeue().data.size();
        m_queuedBytes += data.size();
        m_datagrams.enqueue({data, sender});
        ++arrived;
    }
    // One event per datagram, as the window expects; a handler that does not
    // read leaves the datagram queued for the next GetData. A handler may
    // Close this control, or delete it: the socket then stays alive until the
    // signal that called us has returned.
    QPointer<SocketControl> self(this);
    QUdpSocket *const outerSignal = m_udpInSignal;
    m_udpInSignal = m_udp;
    for (int i = 0; i < arrived && self; ++i) {
        if (m_datagrams.isEmpty())
            break;
        emit DataArrival(m_datagrams.head().data.size());
    }
    if (self)
        m_udpInSignal = outerSignal;
}

void SocketControl::disposeUdp()
{
    if (!m_udp)
        return;
    QUdpSocket *socket = m_udp;
    m_udp = nullptr;
    socket->disconnect(this);
    socket->close();
    if (socket == m_udpInSignal) {
        // Inside the socket's own readyRead: Qt still writes to the socket
        // when the signal returns, so it may only go once that is over.
        socket->setParent(nullptr);
        socket->deleteLater();
    } else {
        delete socket;
    }
}

bool SocketControl::SendData(const QByteArray &data)
{
    if (m_protocol == Udp) {
        if (RemotePort < 1 || RemotePort > 65535)
            return fail(QStringLiteral("Invalid port number"));
        const QHostAddress address = literalAddress(RemoteHost);
        if (address.isNull() || address.protocol() != QAbstractSocket::IPv4Protocol)
            return fail(QStringLiteral("Invalid remote address"));
        if (!m_udp) {
            m_udp = new QUdpSocket(this);
            connect(m_udp, &QUdpSocket::readyRead, this, &SocketControl::readDatagrams);
        }
        if (m_udp->writeDatagram(data, address, quint16(RemotePort)) != data.size())
            return fail(m_udp->errorString());
        return true;
    }
    if (!m_tcp || m_tcp->state() != QAbstractSocket::ConnectedState)
        return fail(QStringLiteral("Wrong protocol or connection state for the requested transaction"));
    if (m_tcp->write(data) != data.size())
        return fail(m_tcp->errorString());
    return true;
}

QByteArray SocketControl::takeTcpData(qint64 maxLength)
{
    if (!m_tcp)
        return {};
    return maxLength >= 0 ? m_tcp->read(maxLength) : m_tcp->readAll();
}

bool SocketControl::GetData(QByteArray &data, qint64 maxLength)
{
    data.clear();
    if (m_protocol == Udp) {
        if (m_datagrams.isEmpty())
            return fail(QStringLiteral("No data waiting"));
        Datagram datagram = m_datagrams.dequeue();
        m_queuedBytes -= datagram.data.size();
        m_remoteHostIP = QHostAddress(datagram.sender.toIPv4Address()).toString();
        data = maxLength >= 0 ? datagram.data.left(maxLength) : datagram.data;
        return true;
    }
    if (!m_tcp)
        return fail(QStringLiteral("Not connected"));
    data = takeTcpData(maxLength);
    return true;
}

QByteArray SocketControl::GetData(qint64 maxLength)
{
    QByteArray data;
    GetData(data, maxLength);
    return data;
}

void SocketControl::Close()
{
    if (m_server) {
        // May run inside the server's own signal (Close then Accept in a
        // connection request handler): delete it later.
        m_server->close();
        m_server->disconnect(this);
        m_server->deleteLater();
        m_server = nullptr;
    } else {
        for (const auto &socket : std::as_const(m_pending)) {
            if (socket) {
                socket->abort();
                socket->deleteLater();
            }
        }
        m_pending.clear();
    }
    if (m_tcp) {
        retire(m_tcp);
        m_tcp = nullptr;
    }
    disposeUdp();
    m_datagrams.clear();
    m_queuedBytes = 0;
}
