#include "dataport.h"

#include "replyingport.h"
#include "simulatedreader.h"

#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace {
constexpr qint64 MaxStreamBytes = 64 * 1024 * 1024;
constexpr int StreamTickMs = 20;
constexpr int UdpStreamDatagram = 1024;

QByteArray streamBytes(const DataBehaviour &data)
{
    qint64 count = 0;
    if (data.stream == DataBehaviour::AllByteValues)
        count = 256;
    else if (data.stream == DataBehaviour::CountedBytes)
        count = qBound<qint64>(0, data.streamBytes, MaxStreamBytes);
    QByteArray bytes(int(count), Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i & 0xFF);
    return bytes;
}
} // namespace

SimulatedDataPort::SimulatedDataPort(SimulatedReader &reader) : QObject(&reader), m_reader(reader)
{
    m_clientRetryTimer = new QTimer(this);
    m_clientRetryTimer->setSingleShot(true);
    connect(m_clientRetryTimer, &QTimer::timeout, this, &SimulatedDataPort::connectToServer);
    m_streamTimer = new QTimer(this);
    m_streamTimer->setInterval(StreamTickMs);
    m_streamTimer->setTimerType(Qt::PreciseTimer);
    connect(m_streamTimer, &QTimer::timeout, this, &SimulatedDataPort::sendStreams);
}

bool SimulatedDataPort::open(QString *error)
{
    const ReaderConfig &active = m_reader.m_active;
    m_udpStreamStarted = false;
    m_open = true;
    switch (active.mode) {
    case '1':
        QTimer::singleShot(0, this, &SimulatedDataPort::connectToServer);
        return true;
    case '2':
        m_udp = new QUdpSocket(this);
        if (!m_udp->bind(active.address, active.udpDataPort)) {
            *error = QStringLiteral("UDP data port %1:%2: %3")
                         .arg(active.address.toString())
                         .arg(active.udpDataPort)
                         .arg(m_udp->errorString());
            return false;
        }
        connect(m_udp, &QUdpSocket::readyRead, this, &SimulatedDataPort::readDatagrams);
        return true;
    default:
        m_server = listenAt(this, active.address, active.tcpDataPort, QStringLiteral("data"), error);
        if (!m_server)
            return false;
        connect(m_server, &QTcpServer::newConnection, this, &SimulatedDataPort::accept);
        return true;
    }
}

void SimulatedDataPort::close()
{
    m_open = false;
    m_clientRetryTimer->stop();
    m_streamTimer->stop();
    m_streams.clear();
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    if (m_udp) {
        m_udp->close();
        m_udp->deleteLater();
        m_udp = nullptr;
    }
    for (const QPointer<QTcpSocket> &socket : std::as_const(m_sockets))
        closeGracefully(socket, this);
    m_sockets.clear();
    if (m_client) {
        closeGracefully(m_client, this);
        m_client = nullptr;
    }
}

bool SimulatedDataPort::dataAllowed() const
{
    return m_reader.m_active.dpass != '1' || m_reader.m_loginSeen;
}

void SimulatedDataPort::accept()
{
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        socket->setParent(this);
        const int connection = m_reader.nextConnection(Channel::Data);
        m_sockets.append(socket);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket, connection] { readConnection(socket, connection); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_sockets.removeAll(QPointer<QTcpSocket>(socket));
            m_sockets.removeAll(QPointer<QTcpSocket>());
            socket->deleteLater();
        });
        emit m_reader.dataConnected();
        startStream(socket);
    }
}

void SimulatedDataPort::readConnection(QTcpSocket *socket, int connection)
{
    const QByteArray bytes = socket->readAll();
    if (bytes.isEmpty())
        return;
    const bool accepted = dataAllowed();
    m_reader.record(Channel::Data, connection, bytes, socket->peerAddress(), socket->peerPort(), accepted);
    if (accepted && m_reader.m_active.data.echo)
        socket->write(bytes);
}

void SimulatedDataPort::readDatagrams()
{
    while (m_udp && m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udp->receiveDatagram();
        const bool accepted = dataAllowed();
        m_reader.record(Channel::Data, m_reader.nextConnection(Channel::Data), datagram.data(),
                        datagram.senderAddress(), quint16(qMax(0, datagram.senderPort())), accepted);
        if (!accepted)
            continue;
        if (m_reader.m_active.data.echo)
            send(datagram.data());
        if (!m_udpStreamStarted) {
            m_udpStreamStarted = true;
            startStream(nullptr);
        }
    }
}

void SimulatedDataPort::connectToServer()
{
    const ReaderConfig &active = m_reader.m_active;
    if (!m_open || active.mode != '1')
        return;
    const QHostAddress server(QString::fromLatin1(active.serverAddress));
    if (server.isNull() || active.serverPort == 0) {
        emit m_reader.errorOccurred(QStringLiteral("client mode: no usable server address \"%1\"")
                                        .arg(QString::fromLatin1(active.serverAddress)));
        return;
    }
    if (m_client) {
        m_client->disconnect(this);
        m_client->abort();
        m_client->deleteLater();
    }
    m_client = new QTcpSocket(this);
    // The connection comes from the reader's own address: the Client Connect test
    // logs in at the address the connection came from.
    m_client->bind(active.address, 0);
    connect(m_client, &QTcpSocket::connected, this, &SimulatedDataPort::serverConnected);
    connect(m_client, &QTcpSocket::disconnected, this, &SimulatedDataPort::connectAgainLater);
    connect(m_client, &QTcpSocket::errorOccurred, this, [this] {
        if (m_client && m_client->state() == QAbstractSocket::UnconnectedState)
            connectAgainLater();
    });
    m_client->connectToHost(server, active.serverPort);
}

void SimulatedDataPort::serverConnected()
{
    const ReaderConfig &active = m_reader.m_active;
    QTcpSocket *socket = m_client;
    const int connection = m_reader.nextConnection(Channel::Data);
    connect(socket, &QTcpSocket::readyRead, this,
            [this, socket, connection] { readConnection(socket, connection); });
    if (active.cid == '1' && active.firmware != "02.00")
        socket->write(active.identification + '\r');
    emit m_reader.dataConnected();
    startStream(socket);
}

void SimulatedDataPort::connectAgainLater()
{
    if (m_reader.isRunning() && m_reader.m_active.mode == '1' && !m_clientRetryTimer->isActive())
        m_clientRetryTimer->start(qMax(10, m_reader.m_active.clientRetryMs));
}

int SimulatedDataPort::connections() const
{
    int count = 0;
    for (const QPointer<QTcpSocket> &socket : m_sockets)
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            ++count;
    if (m_client && m_client->state() == QAbstractSocket::ConnectedState)
        ++count;
    return count;
}

bool SimulatedDataPort::send(const QByteArray &bytes)
{
    const ReaderConfig &active = m_reader.m_active;
    switch (active.mode) {
    case '1':
        if (!m_client || m_client->state() != QAbstractSocket::ConnectedState)
            return false;
        return m_client->write(bytes) == bytes.size();
    case '2': {
        if (!m_udp)
            return false;
        const QHostAddress server(QString::fromLatin1(active.serverAddress));
        if (server.isNull())
            return false;
        return m_udp->writeDatagram(bytes, server, active.serverPort) == bytes.size();
    }
    default: {
        bool any = false;
        for (const QPointer<QTcpSocket> &socket : std::as_const(m_sockets)) {
            if (socket && socket->state() == QAbstractSocket::ConnectedState) {
                socket->write(bytes);
                any = true;
            }
        }
        return any;
    }
    }
}

void SimulatedDataPort::startStream(QTcpSocket *socket)
{
    const DataBehaviour &data = m_reader.m_active.data;
    if (data.stream == DataBehaviour::NoStream)
        return;
    Stream stream;
    stream.socket = socket;
    stream.bytes = streamBytes(data);
    stream.clock.start();
    m_streams.append(stream);
    if (data.bytesPerSecond <= 0)
        sendStreams();
    else if (!m_streamTimer->isActive())
        m_streamTimer->start();
}

void SimulatedDataPort::sendStreams()
{
    const ReaderConfig &active = m_reader.m_active;
    const QHostAddress server(QString::fromLatin1(active.serverAddress));
    for (qsizetype i = m_streams.size() - 1; i >= 0; --i) {
        Stream &stream = m_streams[i];
        qint64 due = stream.bytes.size();
        if (active.data.bytesPerSecond > 0)
            due = qMin<qint64>(due, qint64(active.data.bytesPerSecond) * stream.clock.elapsed() / 1000);
        const QByteArray piece = stream.bytes.mid(stream.sent, due - stream.sent);
        bool gone = false;
        if (!piece.isEmpty()) {
            if (stream.socket) {
                if (stream.socket->state() == QAbstractSocket::ConnectedState)
                    stream.socket->write(piece);
                else
                    gone = true;
            } else if (m_udp && !server.isNull()) {
                for (qsizetype at = 0; at < piece.size(); at += UdpStreamDatagram)
                    m_udp->writeDatagram(piece.mid(at, UdpStreamDatagram), server, active.serverPort);
            } else {
                gone = true;
            }
            stream.sent = due;
        } else if (stream.socket.isNull() && active.mode != '2') {
            gone = true;
        }
        if (gone || stream.sent >= stream.bytes.size())
            m_streams.removeAt(i);
    }
    if (m_streams.isEmpty())
        m_streamTimer->stop();
}
