#include "localsearchengine.h"

#include "identifyreply.h"
#include "multicast.h"

#include <QCryptographicHash>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QPointer>
#include <QUdpSocket>
#include <QVariant>

bool HeardReplies::isNew(const QByteArray &reply, int interfaceIndex)
{
    // A digest stands for the reply: a flood of large datagrams costs a few
    // megabytes at most.
    const QByteArray digest = QCryptographicHash::hash(reply, QCryptographicHash::Sha256);
    const auto found = m_firstHeardOn.constFind(digest);
    if (found != m_firstHeardOn.cend())
        return found.value() == interfaceIndex;
    if (m_firstHeardOn.size() < MaxRemembered)
        m_firstHeardOn.insert(digest, interfaceIndex);
    return true;
}

LocalSearchEngine::LocalSearchEngine(QObject *parent) : QObject(parent) {}

bool LocalSearchEngine::open(const QList<SearchInterface> &interfaces)
{
    if (!m_socket) {
        auto *socket = new QUdpSocket(this);
        if (!socket->bind(QHostAddress::AnyIPv4, quint16(identify::Port),
                          QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
            delete socket;
            return false;
        }
        m_socket = socket;
        if (m_receiveBufferSize > 0)
            m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, QVariant(m_receiveBufferSize));
        // Only the reply group and datagrams sent to this port: without this
        // Linux also delivers the request group whenever a reader on this host
        // has joined it, and the search would hear its own request.
        setMulticastAll(m_socket->socketDescriptor(), false);
        // Set after bind: set before, it is dropped and the TTL stays 1.
        m_socket->setSocketOption(QAbstractSocket::MulticastTtlOption, identify::MulticastTtl);
        connect(m_socket, &QUdpSocket::readyRead, this, &LocalSearchEngine::readReplies);
    }
    m_interfaces.clear();
    for (const SearchInterface &interface : interfaces) {
        if (!m_joined.contains(interface.index)) {
            // An index that no interface has any longer is skipped: an
            // invalid interface would join on any.
            const QNetworkInterface networkInterface = QNetworkInterface::interfaceFromIndex(interface.index);
            if (!networkInterface.isValid()
                || !m_socket->joinMulticastGroup(QHostAddress(identify::ReplyGroup), networkInterface))
                continue;
            m_joined.insert(interface.index);
        }
        m_interfaces.append(interface);
    }
    return !m_interfaces.isEmpty();
}

bool LocalSearchEngine::search()
{
    m_heard.clear();
    return sendToReaders(identify::Request);
}

bool LocalSearchEngine::sendToReaders(const QByteArray &datagram)
{
    if (!m_socket)
        return false;
    const QHostAddress group(identify::RequestGroup);
    bool sent = false;
    for (const SearchInterface &interface : std::as_const(m_interfaces)) {
        const QNetworkInterface networkInterface = QNetworkInterface::interfaceFromIndex(interface.index);
        if (!networkInterface.isValid())
            continue;
        // Qt does not say when the system refuses the choice: read it back,
        // so that a refusal never sends a second copy out of the last one.
        m_socket->setMulticastInterface(networkInterface);
        if (m_socket->multicastInterface().index() != interface.index)
            continue;
        if (m_socket->writeDatagram(datagram, group, quint16(identify::Port)) == datagram.size())
            sent = true;
    }
    return sent;
}

qintptr LocalSearchEngine::socketHandle() const
{
    return m_socket ? m_socket->socketDescriptor() : -1;
}

quint16 LocalSearchEngine::localPort() const
{
    return m_socket ? m_socket->localPort() : 0;
}

void LocalSearchEngine::readReplies()
{
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        const int index = int(datagram.interfaceIndex());
        if (!m_heard.isNew(datagram.data(), index))
            continue;
        // A handler may delete this engine; the socket goes with it.
        QPointer<LocalSearchEngine> self(this);
        emit replyReceived(datagram.data(), interfaceName(index));
        if (!self)
            return;
    }
}

QString LocalSearchEngine::interfaceName(int index) const
{
    for (const SearchInterface &interface : m_interfaces)
        if (interface.index == index)
            return interface.name;
    // A reply sent straight to the port may come in on any interface.
    return QNetworkInterface::interfaceNameFromIndex(index);
}
