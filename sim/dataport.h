#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QTcpServer;
class QTcpSocket;
class QTimer;
class QUdpSocket;
class SimulatedReader;

// The data port of a simulated reader in its operating mode: a TCP listener
// (server mode), a connection to the server that is tried again while it
// fails (client mode), or a UDP socket (UDP mode). Every byte received is
// recorded; with the data password on it is dropped until a control login
// was made since the reader started. What is taken is echoed and may start a
// stream, as the reader's DataBehaviour says.
class SimulatedDataPort : public QObject
{
    Q_OBJECT
public:
    explicit SimulatedDataPort(SimulatedReader &reader);

    // Opens the data path of the active mode (client mode connects once
    // events run). False with a reason when the port cannot be bound.
    bool open(QString *error);
    // Closes the listener and lets every connection go gracefully.
    void close();

    // Sends on every open data connection (server), the connection to the
    // server (client), or as one datagram to the server address and port
    // (UDP). False if there is no path.
    bool send(const QByteArray &bytes);
    int connections() const;

private:
    // A stream going out on a connection, or in UDP mode (no socket) as
    // datagrams to the server address and port.
    struct Stream
    {
        QPointer<QTcpSocket> socket;
        QByteArray bytes;
        qint64 sent = 0;
        QElapsedTimer clock;
    };

    void accept();
    void readConnection(QTcpSocket *socket, int connection);
    void readDatagrams();
    void connectToServer();
    void serverConnected();
    void connectAgainLater();
    void startStream(QTcpSocket *socket);
    void sendStreams();
    bool dataAllowed() const;

    SimulatedReader &m_reader;
    bool m_open = false;
    QTcpServer *m_server = nullptr;
    QUdpSocket *m_udp = nullptr;
    QTcpSocket *m_client = nullptr;
    QTimer *m_clientRetryTimer = nullptr;
    QTimer *m_streamTimer = nullptr;
    QList<QPointer<QTcpSocket>> m_sockets;
    QList<Stream> m_streams;
    bool m_udpStreamStarted = false;
};
