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

bool isIPv4(const QHostAddress &address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol;
}

// An accepted peer's address as plain IPv4 (never the IPv6-mapped form).
QHostAddress asIPv4(const QHostAddress &address)
{
    bool ok = false;
    const quint32 value = address.toIPv4Address(&ok);
    return ok ? QHostAddress(value) : address;
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
}

bool DataLink::fail(const QString &message, QAbstractSocket::SocketError kind)
{
    m_errorString = message;
    m_error = kind;
    return false;
}

QString DataLink::listenFailureText(QAbstractSocket::SocketError kind, quint16 port, const QString &systemText)
{
    // Linux lets only privileged programs listen below 1024; the installed
    // package grants exactly that right to the program file.
    if (kind == QAbstractSocket::SocketAccessError && port > 0 && port < 1024)
        return tr("Port %1 is below 1024, where this system lets only privileged programs listen:\n"
                  "install the zav-utility package (it grants that right), or use a port of 1024 "
                  "or above.")
            .arg(port);
    if (kind == QAbstractSocket::AddressInUseError)
        return tr("Port %1 is in use by another program: stop that program, or use another port.")
            .arg(port);
    return systemText;
}

QHostAddress DataLink::sourceAddressFor(const QHostAddress &destination, quint16 port)
{
    // Connecting a UDP socket sends nothing: the system only picks the route,
    // and with it the local address.
    QUdpSocket probe;
    probe.connectToHost(destination, port);
    return probe.state() == QAbstractSocket::ConnectedState ? asIPv4(probe.localAddress()) : QHostAddress();
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
        return m_datagrams.isEmpty() ? 0 : m_datagrams.head().data().size();
    return m_tcp ? m_tcp->bytesAvailable() : 0;
}

qint64 DataLink::bytesToWrite() const
{
    return m_tcp ? m_tcp->bytesToWrite() : 0;
}

QHostAddress DataLink::localAddress() const
{
    if (m_protocol == Udp)
        return m_udp ? m_udp->localAddress() : QHostAddress();
    if (m_tcp)
        return asIPv4(m_tcp->localAddress());
    return m_server ? m_server->serverAddress() : QHostAddress();
}

quint16 DataLink::localPort() const
{
    if (m_protocol == Udp)
        return m_udp ? m_udp->localPort() : 0;
    if (m_tcp)
        return m_tcp->localPort();
    return m_server ? m_server->serverPort() : 0;
}

QHostAddress DataLink::peerAddress() const
{
    return m_tcp ? asIPv4(m_tcp->peerAddress()) : QHostAddress();
}

quint16 DataLink::peerPort() const
{
    return m_tcp ? m_tcp->peerPort() : 0;
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

bool DataLink::connectToHost(const QHostAddress &address, quint16 port)
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("A datagram link cannot connect: send datagrams with sendDatagram()"));
    if (state() != Closed && state() != Failed)
        return fail(QStringLiteral("This link is already connected or connecting: close it first"));
    if (port == 0)
        return fail(QStringLiteral("Port 0 cannot be connected to: give a port from 1 to 65535"));
    if (!isIPv4(address))
        return fail(QStringLiteral("No IPv4 address to connect to: give the reader's dotted address"));
    retire(m_tcp);
    auto *socket = new QTcpSocket(this);
    attachTcp(socket);
    m_connecting = true;
    m_connectAddress = address;
    m_connectPort = port;
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
        if (socket->error() == QAbstractSocket::ConnectionRefusedError)
            fail(tr("Nothing accepts connections on port %1 of %2: check the port, and that the "
                    "reader works as a TCP server.")
                     .arg(m_connectPort)
                     .arg(m_connectAddress.toString()),
                 socket->error());
        else
            fail(socket->errorString(), socket->error());
        emit connectFailed();
    });
    if (m_connectLimitMs > 0)
        m_connectTimer->start(m_connectLimitMs);
    socket->connectToHost(address, port);
    return true;
}

void DataLink::abandonConnectAttempt()
{
    if (!m_connecting)
        return;
    m_connecting = false;
    // Abandoned, so that it cannot connect later behind the user's back.
    if (m_tcp)
        m_tcp->abort();
    fail(tr("No answer from %1 on port %2 within %3 ms: check the address, and that the reader is "
            "on this network.")
             .arg(m_connectAddress.toString())
             .arg(m_connectPort)
             .arg(m_connectLimitMs),
         QAbstractSocket::SocketTimeoutError);
    emit connectFailed();
}

bool DataLink::listen(quint16 port)
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("A datagram link cannot listen: bind it with bind()"));
    if (state() != Closed && state() != Failed)
        return fail(QStringLiteral("This link is already in use: close it first"));
    retire(m_tcp);
    m_tcp = nullptr;
    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::AnyIPv4, port)) {
        const QString message = listenFailureText(server->serverError(), port, server->errorString());
        const QAbstractSocket::SocketError kind = server->serverError();
        delete server;
        return fail(message, kind);
    }
    m_server = server;
    connect(server, &QTcpServer::newConnection, this, [this, server] {
        if (server == m_server)
            emit newConnection();
    });
    return true;
}

DataLink *DataLink::nextPendingConnection()
{
    if (!m_server || !m_server->hasPendingConnections())
        return nullptr;
    QTcpSocket *socket = m_server->nextPendingConnection();
    if (!socket)
        return nullptr;
    auto *link = new DataLink(Tcp);
    link->m_readBufferSize = m_readBufferSize;
    link->attachTcp(socket);
    return link;
}

bool DataLink::createUdp()
{
    if (m_udp)
        return true;
    m_udp = new QUdpSocket(this);
    connect(m_udp, &QUdpSocket::readyRead, this, &DataLink::readDatagrams);
    return true;
}

bool DataLink::bind(quint16 port)
{
    if (m_protocol != Udp)
        return fail(QStringLiteral("A TCP link cannot be bound: listen with listen()"));
    if (m_udp && m_udp->state() == QAbstractSocket::BoundState)
        return fail(QStringLiteral("This link is already bound: close it first"));
    createUdp();
    if (!m_udp->bind(QHostAddress::AnyIPv4, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        const QString message = listenFailureText(m_udp->error(), port, m_udp->errorString());
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
        QNetworkDatagram datagram = m_udp->receiveDatagram();
        if (!datagram.isValid())
            break;
        const qint64 size = datagram.data().size();
        while (!m_datagrams.isEmpty()
               && (m_datagrams.size() >= MaxQueuedDatagrams || m_queuedBytes + size > MaxQueuedDatagramBytes))
            m_queuedBytes -= m_datagrams.dequeue().data().size();
        m_queuedBytes += size;
        m_datagrams.enqueue(std::move(datagram));
        ++arrived;
    }
    // One signal per datagram; a handler that does not read leaves the
    // datagram queued for the next receiveDatagram(). A handler may close
    // this link, or delete it: the socket then stays alive until the signal
    // that called us has returned.
    QPointer<DataLink> self(this);
    QUdpSocket *const outerSignal = m_udpInSignal;
    m_udpInSignal = m_udp;
    for (int i = 0; i < arrived && self; ++i) {
        if (m_datagrams.isEmpty())
            break;
        emit dataArrived(m_datagrams.head().data().size());
    }
    if (self)
        m_udpInSignal = outerSignal;
}

QNetworkDatagram DataLink::receiveDatagram()
{
    if (m_datagrams.isEmpty())
        return QNetworkDatagram();
    QNetworkDatagram datagram = m_datagrams.dequeue();
    m_queuedBytes -= datagram.data().size();
    return datagram;
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

bool DataLink::sendDatagram(const QByteArray &data, const QHostAddress &address, quint16 port)
{
    if (m_protocol != Udp)
        return fail(QStringLiteral("A TCP link sends no datagrams: connect it and use send()"));
    if (port == 0)
        return fail(QStringLiteral("Port 0 cannot be sent to: give the reader's data port (1 to 65535)"));
    if (!isIPv4(address))
        return fail(QStringLiteral("No IPv4 address to send to: give the reader's dotted address"));
    createUdp();
    if (m_udp->writeDatagram(data, address, port) != data.size())
        return fail(m_udp->errorString(), m_udp->error());
    return true;
}

bool DataLink::send(const QByteArray &data)
{
    if (m_protocol != Tcp)
        return fail(QStringLiteral("A datagram link sends with sendDatagram(), to an address and port"));
    if (!m_tcp || m_tcp->state() != QAbstractSocket::ConnectedState)
        return fail(tr("Not connected: connect to the reader first"));
    if (m_tcp->write(data) != data.size())
        return fail(m_tcp->errorString(), m_tcp->error());
    return true;
}

QByteArray DataLink::read(qint64 maxLength)
{
    if (!m_tcp)
        return QByteArray();
    return maxLength >= 0 ? m_tcp->read(maxLength) : m_tcp->readAll();
}

void DataLink::close()
{
    m_connecting = false;
    m_connectTimer->stop();
    if (m_server) {
        // May run inside the server's own signal: delete it later. Connections
        // it still holds go with it.
        m_server->close();
        m_server->disconnect(this);
        m_server->deleteLater();
        m_server = nullptr;
    }
    if (m_tcp) {
        retire(m_tcp);
        m_tcp = nullptr;
    }
    disposeUdp();
    m_datagrams.clear();
    m_queuedBytes = 0;
}
