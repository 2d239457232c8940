#include "datalink.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace {
// Datagrams held until they are read; beyond either limit the oldest are
// dropped so that a flood cannot grow memory without bound (16 MiB holds 256
// datagrams of the largest size, or 65536 small ones).
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

DataLink::DataLink(Protocol protocol, QObject *parent)
    : QObject(parent), m_protocol(protocol)
{
    m_connectTimer = new QTimer(this);
    m_connectTimer->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the limit is never shorter than set.
    m_connectTimer->setTimerType(Qt::PreciseTimer);
    connect(m_connectTimer, &QTimer::timeout, this, &DataLink::abandonConnectAttempt);
}

DataLink::~DataLink()
{
    close();
    for (const auto &socket : std::as_const(m_pending)) {
        if (socket)
            socket->abort();
        delete socket.data();
    }
}

bool DataLink::fail(const QString &message, QAbstractSocket::SocketError kind)
{
    m_errorString = message;
    m_error = kind;
    return false;
}

DataLink::State DataLink::state() const
{
    if (m_protocol == Udp)
        return m_udp && m_udp->state() == QAbstractSocket::BoundState ? Bound : Closed;
    if (m_server && m_server->isListening())
        return Listening;
    if (!m_tcp)
        return Closed;
    switch (m_tcp->state()) {
    case QAbstractSocket::UnconnectedState:
        return m_tcp->error() == QAbstractSocket::UnknownSocketError ? Closed : Failed;
    case QAbstractSocket::HostLookupState:
        return LookingUpHost;
    case QAbstractSocket::ConnectingState:
        return Connecting;
    case QAbstractSocket::ConnectedState:
        return Connected;
    case QAbstractSocket::ClosingState:
        return Closing;
    default:
        return Bound;
    }
}

qint64 DataLink::bytesAvailable() const
{
    if (m_protocol == Udp)
        return m_datagrams.isEmpty() ? 0 : m_datagrams.head().data.size();
    return m_tcp ? m_tcp->bytesAvailable() : 0;
}

qintptr DataLink::socketDescriptor() const
{
    if (m_protocol == Udp)
        return m_udp ? m_udp->socketDescriptor() : -1;
    if (m_server)
        return m_server->socketDescriptor();
    return m_tcp ? m_tcp->socketDescriptor() : -1;
}

void DataLink::setReadBufferSize(qint64 bytes)
{
    m_readBufferSize = qMax<qint64>(bytes, 0);
    if (m_tcp)
        m_tcp->setReadBufferSize(m_readBufferSize);
}

void DataLink::attachTcp(QTcpSocket *socket)
{
    m_tcp = socket;
    socket->setParent(this);
    socket->setReadBufferSize(m_readBufferSize);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == m_tcp && socket->bytesAvailable() > 0)
            emit dataArrived(socket->bytesAvailable());
    });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket](qint64 bytes) {
        if (socket == m_tcp)
            emit bytesWritten(bytes);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == m_tcp)
            emit peerClosed();
    });
    if (socket->bytesAvailable() > 0) {
        QTimer::singleShot(0, this, [this, socket] {
            if (socket == m_tcp && socket->bytesAvailable() > 0)
                emit dataArrived(socket->bytesAvailable());
        });
    }
}

bool DataLink::connectToHost()
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("Connecting needs a TCP socket"));
    if (state() != Closed && state() != Failed)
        return fail(QStringLiteral("Invalid operation at current state"));
    if (m_remotePort < 1 || m_remotePort > 65535)
        return fail(QStringLiteral("Invalid port number"));
    if (m_localPort < 0 || m_localPort > 65535)
        return fail(QStringLiteral("Invalid local port number"));
    const QString host = m_remoteHost.trimmed();
    if (host.isEmpty())
        return fail(QStringLiteral("No remote host"));
    if (hasInnerWhitespace(host))
        return fail(QStringLiteral("Invalid remote address"));
    retire(m_tcp);
    auto *socket = new QTcpSocket(this);
    attachTcp(socket);
    m_connecting = true;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket != m_tcp || !m_connecting)
            return;
        m_connecting = false;
        m_connectTimer->stop();
        emit connected();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        if (socket != m_tcp || !m_connecting)
            return;
        // Refused, unreachable, or reset while connecting: no use waiting longer.
        m_connecting = false;
        m_connectTimer->stop();
        fail(socket->errorString(), socket->error());
        emit connectFailed();
    });
    if (m_connectLimitMs > 0)
        m_connectTimer->start(m_connectLimitMs);
    if (m_localPort > 0)
        socket->bind(QHostAddress::AnyIPv4, quint16(m_localPort));
    const QHostAddress address = literalAddress(host);
    if (!address.isNull())
        socket->connectToHost(address, quint16(m_remotePort));
    else
        socket->connectToHost(host, quint16(m_remotePort), QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
    return true;
}

bool DataLink::listen()
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("Listening needs a TCP socket"));
    if (state() != Closed && state() != Failed)
        return fail(QStringLiteral("Invalid operation at current state"));
    if (m_localPort < 0 || m_localPort > 65535)
        return fail(QStringLiteral("Invalid port number"));
    retire(m_tcp);
    m_tcp = nullptr;
    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::AnyIPv4, quint16(m_localPort))) {
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
            emit connectionRequested(id);
        }
    });
    return true;
}

bool DataLink::accept(qintptr requestId)
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("Accepting needs a TCP socket"));
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
    m_peerAddress = QHostAddress(socket->peerAddress().toIPv4Address()).toString();
    m_peerPort = socket->peerPort();
    return true;
}

bool DataLink::bind()
{
    if (m_protocol != Udp)
        return fail(QStringLiteral("Binding needs a UDP socket"));
    if (m_udp && m_udp->state() == QAbstractSocket::BoundState)
        return fail(QStringLiteral("Invalid operation at current state"));
    if (m_localPort < 0 || m_localPort > 65535)
        return fail(QStringLiteral("Invalid port number"));
    if (!m_udp) {
        m_udp = new QUdpSocket(this);
        connect(m_udp, &QUdpSocket::readyRead, this, &DataLink::readDatagrams);
    }
    if (!m_udp->bind(QHostAddress::AnyIPv4, quint16(m_localPort),
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

void DataLink::readDatagrams()
{
    if (!m_udp)
        return;
    int arrived = 0;
    while (m_udp && m_udp->hasPendingDatagrams()) {
        const qint64 size = m_udp->pendingDatagramSize();
        QByteArray data(qMax<qint64>(size, 0), Qt::Uninitialized);
        QHostAddress sender;
        quint16 senderPort = 0;
        const qint64 read = m_udp->readDatagram(data.data(), data.size(), &sender, &senderPort);
        if (read < 0)
            break;
        data.truncate(read);
        while (!m_datagrams.isEmpty()
               && (m_datagrams.size() >= MaxQueuedDatagrams
                   || m_queuedBytes + data.size() > MaxQueuedDatagramBytes))
            m_queuedBytes -= m_datagrams.dequeue().data.size();
        m_queuedBytes += data.size();
        m_datagrams.enqueue({data, sender, senderPort});
        ++arrived;
    }
    // One signal per datagram; a handler that does not
    // read leaves the datagram queued for the next read(). A handler may
    // close this link, or delete it: the socket then stays alive until the
    // signal that called us has returned.
    QPointer<DataLink> self(this);
    QUdpSocket *const outerSignal = m_udpInSignal;
    m_udpInSignal = m_udp;
    for (int i = 0; i < arrived && self; ++i) {
        if (m_datagrams.isEmpty())
            break;
        emit dataArrived(m_datagrams.head().data.size());
    }
    if (self)
        m_udpInSignal = outerSignal;
}

void DataLink::disposeUdp()
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

qint64 DataLink::bytesToWrite() const
{
    return m_tcp ? m_tcp->bytesToWrite() : 0;
}

bool DataLink::send(const QByteArray &data)
{
    if (m_protocol == Udp) {
        if (m_remotePort < 1 || m_remotePort > 65535)
            return fail(QStringLiteral("Invalid port number"));
        const QHostAddress address = literalAddress(m_remoteHost);
        if (address.isNull() || address.protocol() != QAbstractSocket::IPv4Protocol)
            return fail(QStringLiteral("Invalid remote address"));
        if (!m_udp) {
            m_udp = new QUdpSocket(this);
            connect(m_udp, &QUdpSocket::readyRead, this, &DataLink::readDatagrams);
        }
        if (m_udp->writeDatagram(data, address, quint16(m_remotePort)) != data.size())
            return fail(m_udp->errorString());
        return true;
    }
    if (!m_tcp || m_tcp->state() != QAbstractSocket::ConnectedState)
        return fail(QStringLiteral("Wrong protocol or connection state for the requested transaction"));
    if (m_tcp->write(data) != data.size())
        return fail(m_tcp->errorString());
    return true;
}

bool DataLink::read(QByteArray &data, qint64 maxLength)
{
    data.clear();
    if (m_protocol == Udp) {
        if (m_datagrams.isEmpty())
            return fail(QStringLiteral("No data waiting"));
        Datagram datagram = m_datagrams.dequeue();
        m_queuedBytes -= datagram.data.size();
        m_peerAddress = QHostAddress(datagram.sender.toIPv4Address()).toString();
        m_peerPort = datagram.senderPort;
        data = maxLength >= 0 ? datagram.data.left(maxLength) : datagram.data;
        return true;
    }
    if (!m_tcp)
        return fail(QStringLiteral("Not connected"));
    data = maxLength >= 0 ? m_tcp->read(maxLength) : m_tcp->readAll();
    return true;
}

QByteArray DataLink::read(qint64 maxLength)
{
    QByteArray data;
    read(data, maxLength);
    return data;
}

void DataLink::abandonConnectAttempt()
{
    if (!m_connecting)
        return;
    m_connecting = false;
    // Abandoned, so that it cannot connect later behind the user's back.
    if (m_tcp)
        m_tcp->abort();
    fail(QStringLiteral("No connection within %1 ms").arg(m_connectLimitMs), QAbstractSocket::SocketTimeoutError);
    emit connectFailed();
}

void DataLink::close()
{
    m_connecting = false;
    m_connectTimer->stop();
    if (m_server) {
        // May run inside the server's own signal (close() then accept() in a
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
