#pragma once

#include "readerconfig.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QHostAddress;
class QTcpServer;
class QTcpSocket;
class ReplyWriter;
class SimulatedReader;

// A TCP port of a simulated reader that answers each message on the
// connection it came on (the control port, the download port): it accepts
// connections, records every byte that arrives, and hands each connection's
// bytes to the port to cut into messages. The connections belong to the port,
// not to its listener, so an acknowledgement still on its way out survives a
// restart that closes the listener at once.
class ReplyingPort : public QObject
{
    Q_OBJECT
public:
    // 'name' starts the text of a failure to listen: "control", "download".
    ReplyingPort(SimulatedReader &reader, Channel channel, const QString &name);
    ~ReplyingPort() override;

    // False (with nothing listening) when the port cannot be bound; error says
    // "<name> port <address>:<port>: <reason>".
    bool listen(const QHostAddress &address, quint16 port, QString *error);
    // Stops listening and lets every connection go gracefully.
    void close();

protected:
    struct Connection
    {
        QPointer<QTcpSocket> socket;
        ReplyWriter *writer = nullptr;
        int number = 0;         // per channel, from 1
        QByteArray buffer;      // received bytes that are not yet a whole message
        bool loggedIn = false;  // control port: a right "PASS" was taken
    };

    // New bytes are in the connection's buffer: take out the whole messages.
    virtual void takeMessages(Connection *connection) = 0;
    // False once a message ended the connection (a reset fault, a restart):
    // nothing more of it is taken.
    bool isOpen(Connection *connection) const { return m_connections.contains(connection); }

    SimulatedReader &m_reader;

private:
    void accept();
    void readyRead(Connection *connection);

    const Channel m_channel;
    const QString m_name;
    QTcpServer *m_server = nullptr;
    QList<Connection *> m_connections;
};

// A listener at address:port, or nullptr with "<what> port <address>:<port>:
// <reason>" in error.
QTcpServer *listenAt(QObject *parent, const QHostAddress &address, quint16 port, const QString &what,
                     QString *error);
// Lets a connection go without losing what is queued on it: what 'receiver'
// connected to it is cut, the queued bytes go out, then the socket closes and
// deletes itself (reset after 5 s if the peer never closes). Null is ignored.
void closeGracefully(QTcpSocket *socket, const QObject *receiver);
