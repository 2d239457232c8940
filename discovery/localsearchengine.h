#pragma once

#include "searchinterfaces.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QUdpSocket;

// Which identify replies of one search are new. A reader on a network that
// two interfaces of this machine reach is heard once on each: the copy heard
// on a second interface is not new. A reader answering twice on one interface
// is heard twice and both times counted.
class HeardReplies
{
public:
    // Replies remembered per search; beyond this (only a flood gets there)
    // every further reply counts as new, so that memory stays bounded.
    static constexpr int MaxRemembered = 65536;

    // True unless the same bytes were heard first on another interface.
    bool isNew(const QByteArray &reply, int interfaceIndex);
    void clear() { m_firstHeardOn.clear(); }

private:
    QHash<QByteArray, int> m_firstHeardOn;   // SHA-256 of the reply -> interface index
};

// The multicast identify on every given interface: binds the identify port
// (UDP; ShareAddress|ReuseAddressHint, AnyIPv4, IP_MULTICAST_ALL off), joins
// 224.1.2.4 on each interface, TTL 5; an interface that refuses is skipped.
class LocalSearchEngine : public QObject
{
    Q_OBJECT
public:
    explicit LocalSearchEngine(QObject *parent = nullptr);

    // Receive buffer asked for when the socket is bound (0 keeps the system's).
    void setReceiveBufferSize(int bytes) { m_receiveBufferSize = bytes; }

    // Binds the socket on the first call; joins the reply group on each given
    // interface not joined before. May be called again (before each search)
    // to take in an interface plugged in meanwhile; interfaces no longer given
    // are no longer sent to. False when no interface could be used.
    bool open(const QList<SearchInterface> &interfaces);
    QList<SearchInterface> openInterfaces() const { return m_interfaces; }

    // Sends "ZAVIDENTIFY" (11 bytes) to 224.1.2.3 on the identify port out of
    // each open interface and starts a new search (what was heard so far is
    // forgotten). False when it went out on no interface.
    bool search();
    // Sends one datagram (e.g. the 30-byte change-address message) to
    // 224.1.2.3 on the identify port out of each open interface. False when
    // it went out on no interface.
    bool sendToReaders(const QByteArray &datagram);

    // The bound socket's descriptor (-1 before open) and local port.
    qintptr socketHandle() const;
    quint16 localPort() const;

signals:
    // Once per identify reply of the current search. The same reply bytes
    // heard on a second interface in the same search are not reported again;
    // a reader answering twice on one interface is reported twice.
    void replyReceived(const QByteArray &datagram, const QString &interfaceName);

private:
    void readReplies();
    QString interfaceName(int index) const;

    QUdpSocket *m_socket = nullptr;
    QList<SearchInterface> m_interfaces;
    QSet<int> m_joined;       // interface indexes the reply group is joined on
    HeardReplies m_heard;
    int m_receiveBufferSize = 0;
};
