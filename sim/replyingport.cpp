#include "replyingport.h"

#include "replywriter.h"
#include "simulatedreader.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

ReplyingPort::ReplyingPort(SimulatedReader &reader, Channel channel, const QString &name)
    : QObject(&reader), m_reader(reader), m_channel(channel), m_name(name)
{
}

ReplyingPort::~ReplyingPort()
{
    qDeleteAll(m_connections);
}

bool ReplyingPort::listen(const QHostAddress &address, quint16 port, QString *error)
{
    m_server = listenAt(this, address, port, m_name, error);
    if (!m_server)
        return false;
    connect(m_server, &QTcpServer::newConnection, this, &ReplyingPort::accept);
    return true;
}

void ReplyingPort::close()
{
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    for (Connection *connection : std::as_const(m_connections)) {
        closeGracefully(connection->socket, this);
        delete connection;
    }
    m_connections.clear();
}

void ReplyingPort::accept()
{
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        socket->setParent(this);
        auto *connection = new Connection;
        connection->socket = socket;
        connection->writer = new ReplyWriter(socket);
        connection->number = m_reader.nextConnection(m_channel);
        m_reader.countFaultsAnew(m_channel);
        m_connections.append(connection);
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] { readyRead(connection); });
        connect(socket, &QTcpSocket::disconnected, this, [this, connection] {
            if (!m_connections.removeOne(connection))
                return;
            if (connection->socket)
                connection->socket->deleteLater();
            delete connection;
        });
    }
}

void ReplyingPort::readyRead(Connection *connection)
{
    if (!connection->socket)
        return;
    const QByteArray bytes = connection->socket->readAll();
    if (bytes.isEmpty())
        return;
    m_reader.record(m_channel, connection->number, bytes, connection->socket->peerAddress(),
                    connection->socket->peerPort());
    connection->buffer += bytes;
    takeMessages(connection);
}

QTcpServer *listenAt(QObject *parent, const QHostAddress &address, quint16 port, const QString &what,
                     QString *error)
{
    auto *server = new QTcpServer(parent);
    if (server->listen(address, port))
        return server;
    *error = QStringLiteral("%1 port %2:%3: %4").arg(what, address.toString()).arg(port).arg(server->errorString());
    delete server;
    return nullptr;
}

void closeGracefully(QTcpSocket *socket, const QObject *receiver)
{
    if (!socket)
        return;
    socket->disconnect(receiver);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState)
        socket->deleteLater();
    else
        QTimer::singleShot(5000, socket, [socket] { socket->abort(); socket->deleteLater(); });
}
