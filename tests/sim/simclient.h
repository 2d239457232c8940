#pragma once

#include "multicast.h"
#include "readerconfig.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

inline QHostAddress ip(const char *text)
{
    return QHostAddress(QString::fromLatin1(text));
}

// A reader at the address that restarts after 0.2 s and, as a TCP client,
// retries its connect every 0.1 s.
inline ReaderConfig readerAt(const char *address)
{
    ReaderConfig config;
    config.address = ip(address);
    config.rebootDelayMs = 200;
    config.clientRetryMs = 100;
    return config;
}

// A plain TCP client that gathers everything it receives, with arrival times.
struct TcpPeer
{
    QTcpSocket socket;
    QByteArray in;
    QList<qint64> arrivals; // ms since connect, one per read
    QElapsedTimer clock;
    bool closed = false;

    TcpPeer()
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [this] {
            in += socket.readAll();
            arrivals.append(clock.elapsed());
        });
        QObject::connect(&socket, &QTcpSocket::disconnected, &socket, [this] { closed = true; });
    }

    bool open(const QHostAddress &address, quint16 port, int timeoutMs = 3000)
    {
        clock.start();
        socket.connectToHost(address, port);
        QElapsedTimer t;
        t.start();
        while (socket.state() != QAbstractSocket::ConnectedState && t.elapsed() < timeoutMs) {
            if (socket.state() == QAbstractSocket::UnconnectedState)
                return false;
            QTest::qWait(5);
        }
        return socket.state() == QAbstractSocket::ConnectedState;
    }

    void send(const QByteArray &bytes)
    {
        in.clear();
        arrivals.clear();
        clock.restart();
        socket.write(bytes);
    }

    // Waits until 'count' bytes arrived (or the timeout); returns what came.
    QByteArray waitFor(int count, int timeoutMs = 3000)
    {
        QElapsedTimer t;
        t.start();
        while (in.size() < count && t.elapsed() < timeoutMs && !closed)
            QTest::qWait(5);
        QTest::qWait(0);
        return in;
    }

    // Everything that arrives within the given time.
    QByteArray collect(int ms)
    {
        QTest::qWait(ms);
        return in;
    }

    bool login(const QByteArray &password = "58203")
    {
        send("PASS" + password + '\r');
        return waitFor(3) == "OK\r";
    }
};

// A search socket as the search window has it: port 53001, group 224.1.2.4.
struct SearchSocket
{
    QUdpSocket socket;
    QList<QByteArray> replies;

    bool open()
    {
        if (!socket.bind(QHostAddress::AnyIPv4, 53001,
                         QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
            return false;
        setMulticastAll(socket.socketDescriptor(), false);
        socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
        if (!socket.joinMulticastGroup(QHostAddress(QStringLiteral("224.1.2.4"))))
            return false;
        socket.setSocketOption(QAbstractSocket::MulticastTtlOption, 5);
        QObject::connect(&socket, &QUdpSocket::readyRead, &socket, [this] {
            while (socket.hasPendingDatagrams())
                replies.append(socket.receiveDatagram().data());
        });
        return true;
    }

    void send(const QByteArray &bytes)
    {
        socket.writeDatagram(bytes, QHostAddress(QStringLiteral("224.1.2.3")), 53001);
    }
};
