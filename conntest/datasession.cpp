#include "datasession.h"

#include "capturefile.h"
#include "controlsession.h"
#include "datalink.h"
#include "datasenders.h"

#include <QNetworkDatagram>

#include <chrono>

namespace {
qint64 nowMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

quint32 ipv4(const QHostAddress &address)
{
    bool ok = false;
    const quint32 value = address.toIPv4Address(&ok);
    return ok ? value : 0;
}
} // namespace

QString DataSession::Peer::text() const
{
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}

DataSession::DataSession(Transport transport, QObject *parent)
    : QObject(parent), m_transport(transport), m_log(new TrafficLog(this)), m_capture(new CaptureFile(this)),
      m_fileSender(new FileSender(this)), m_repeatSender(new RepeatSender(this))
{
    qRegisterMetaType<Peer>();
    if (transport == Udp) {
        m_sender = new DataLink(DataLink::Udp, this);
        m_sender->setObjectName(QStringLiteral("datagramSender"));
    }
    useLink(new DataLink(transport == Tcp ? DataLink::Tcp : DataLink::Udp, this));
}

DataSession::~DataSession()
{
    // The senders and the capture end first: they would still report to the
    // session while its links close.
    stopSending();
    m_capture->stop();
    endLogin();
}

void DataSession::useLink(DataLink *link)
{
    m_link = link;
    link->setParent(this);
    if (m_transport == Udp) {
        link->setObjectName(QStringLiteral("datagramReceiver"));
    } else {
        link->setObjectName(QStringLiteral("dataLink"));
        link->setReadBufferSize(SocketReadLimit);
        connect(link, &DataLink::bytesWritten, m_fileSender, &FileSender::linkDrained);
        connect(link, &DataLink::connected, this, [this] {
            m_peer = {m_link->peerAddress(), m_link->peerPort()};
            m_peerText = m_peer.text();
            ++m_connections;
            setState(Connected);
        });
        connect(link, &DataLink::connectFailed, this, &DataSession::endFailedConnection);
    }
    connect(link, &DataLink::dataArrived, this, &DataSession::takeArrivals);
}

void DataSession::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

bool DataSession::isOpen() const
{
    return m_link->state() != DataLink::Closed || (m_listener && m_listener->state() != DataLink::Closed)
        || (m_sender && m_sender->state() != DataLink::Closed) || (m_login && m_login->isConnected());
}

void DataSession::setConnectLimit(int milliseconds)
{
    m_link->setConnectLimit(milliseconds);
}

void DataSession::connectToReader(const QHostAddress &reader, quint16 dataPort)
{
    m_localOpened = true;
    setState(Connecting);
    if (!m_link->connectToHost(reader, dataPort))
        endFailedConnection();
}

// A refused, reset or unanswered attempt is not retried; nothing of the
// session stays open behind the technician's back.
void DataSession::endFailedConnection()
{
    m_errorString = m_link->errorString();
    m_link->close();
    endLogin();
    setState(Failed);
}

bool DataSession::listen(quint16 port)
{
    if (!m_listener) {
        m_listener = new DataLink(DataLink::Tcp, this);
        m_listener->setObjectName(QStringLiteral("listener"));
        connect(m_listener, &DataLink::newConnection, this, &DataSession::takeConnection);
    }
    if (!m_listener->listen(port)) {
        m_errorString = m_listener->errorString();
        return false;
    }
    setState(Listening);
    return true;
}

// One reader is taken; the listening ends with it, so a second reader is
// refused until the next listen().
void DataSession::takeConnection()
{
    DataLink *connection = m_listener->nextPendingConnection();
    if (!connection)
        return;
    m_listener->close();
    DataLink *previous = m_link;
    previous->disconnect(this);
    previous->close();
    previous->deleteLater();
    useLink(connection);
    m_localOpened = false;
    m_peer = {connection->peerAddress(), connection->peerPort()};
    m_peerText = m_peer.text();
    ++m_connections;
    setState(Connected);
}

bool DataSession::bindDatagrams(quint16 receivePort, const QHostAddress &reader, quint16 dataPort)
{
    if (!m_link->bind(receivePort)) {
        m_errorString = m_link->errorString();
        return false;
    }
    // Bound now, the sender's port is known for the log from the first send.
    if (!m_sender->bind(0)) {
        m_errorString = m_sender->errorString();
        m_link->close();
        return false;
    }
    m_datagramTarget = {reader, dataPort};
    m_sourceAddress = DataLink::sourceAddressFor(reader, dataPort);
    setState(Connected);
    return true;
}

void DataSession::stop()
{
    stopSending();
    m_capture->stop();
    m_link->close();
    if (m_listener)
        m_listener->close();
    if (m_sender)
        m_sender->close();
    endLogin();
    setState(Closed);
}

void DataSession::logIn(const QHostAddress &reader, quint16 controlPort, const QByteArray &password)
{
    endLogin();
    auto *login = new ControlSession(this);
    login->setObjectName(QStringLiteral("controlSession"));
    m_login = login;
    connect(login, &ControlSession::finished, this, [this, login](bool ok) {
        if (login != m_login)
            return;
        if (!ok)
            endLogin();
        emit loginFinished(ok);
    });
    ControlSession::Plan plan;
    plan.password = password;
    plan.keepOpen = true;
    login->start(reader, controlPort, plan);
}

const ControlSession *DataSession::login() const
{
    return m_login;
}

void DataSession::endLogin()
{
    if (!m_login)
        return;
    ControlSession *ending = m_login;
    m_login = nullptr;
    // Also from inside the login's own finished(): it goes once that returns.
    ending->disconnect(this);
    ending->stop();
    ending->deleteLater();
}

TrafficRoute DataSession::tcpRoute() const
{
    TrafficRoute route;
    route.transport = TrafficRoute::Tcp;
    route.localAddress = ipv4(m_link->localAddress());
    route.localPort = m_link->localPort();
    route.peerAddress = ipv4(m_peer.address);
    route.peerPort = m_peer.port;
    route.connection = m_connections;
    route.localOpened = m_localOpened;
    return route;
}

bool DataSession::send(const QByteArray &bytes)
{
    if (m_state != Connected) {
        m_errorString = tr("Not connected: connect to the reader first");
        return false;
    }
    if (m_transport == Tcp) {
        if (!m_link->send(bytes)) {
            m_errorString = m_link->errorString();
            return false;
        }
        record(TrafficChunk::Sent, bytes, m_peerText, tcpRoute());
    } else {
        if (!m_sender->sendDatagram(bytes, m_datagramTarget.address, m_datagramTarget.port)) {
            m_errorString = m_sender->errorString();
            return false;
        }
        TrafficRoute route;
        route.transport = TrafficRoute::Udp;
        route.localAddress = ipv4(m_sourceAddress);
        route.localPort = m_sender->localPort();
        route.peerAddress = ipv4(m_datagramTarget.address);
        route.peerPort = m_datagramTarget.port;
        record(TrafficChunk::Sent, bytes, m_datagramTarget.text(), route);
    }
    emit sent(bytes);
    return true;
}

void DataSession::setReceiving(bool on)
{
    m_receiving = on;
    if (on)
        takeArrivals();
}

void DataSession::takeArrivals()
{
    // A handler of received() may turn receiving on again: the loop below
    // goes on by itself.
    if (m_taking)
        return;
    m_taking = true;
    QPointer<DataSession> self(this);
    while (self && m_receiving) {
        if (m_transport == Udp) {
            // A datagram of any size (even an empty one) is taken whole.
            const QNetworkDatagram datagram = m_link->receiveDatagram();
            if (!datagram.isValid())
                break;
            const Peer from{QHostAddress(ipv4(datagram.senderAddress())), quint16(datagram.senderPort())};
            if (from.address != m_peer.address || from.port != m_peer.port || m_peerText.isEmpty()) {
                m_peer = from;
                m_peerText = from.text();
            }
            TrafficRoute route;
            route.transport = TrafficRoute::Udp;
            route.localAddress = ipv4(datagram.destinationAddress());
            route.localPort = datagram.destinationPort() > 0 ? quint16(datagram.destinationPort()) : m_link->localPort();
            route.peerAddress = ipv4(from.address);
            route.peerPort = from.port;
            record(TrafficChunk::Received, datagram.data(), m_peerText, route);
            emit received(datagram.data(), from);
        } else {
            if (m_link->bytesAvailable() <= 0)
                break;
            const QByteArray bytes = m_link->read();
            if (bytes.isEmpty())
                break;
            record(TrafficChunk::Received, bytes, m_peerText, tcpRoute());
            emit received(bytes, m_peer);
        }
    }
    if (self)
        m_taking = false;
}

void DataSession::record(TrafficChunk::Direction direction, const QByteArray &bytes, const QString &peer,
                         const TrafficRoute &route)
{
    const TrafficChunk chunk{nowMicroseconds(), direction, peer, bytes, route};
    m_log->record(chunk);
    m_capture->record(chunk);
}

void DataSession::sendFile(const QByteArray &bytes)
{
    m_fileSender->start(bytes, sendTarget());
}

void DataSession::sendRepeatedly(const QByteArray &bytes, int intervalMs, int count)
{
    m_repeatSender->start(bytes, intervalMs, count, sendTarget());
}

SendTarget DataSession::sendTarget()
{
    SendTarget target;
    target.datagrams = m_transport == Udp;
    target.send = [this](const QByteArray &bytes) { return send(bytes); };
    target.queuedBytes = [this] { return m_link->bytesToWrite(); };
    return target;
}

void DataSession::stopSending()
{
    m_fileSender->stop();
    m_repeatSender->stop();
}

bool DataSession::isSending() const
{
    return m_fileSender->isRunning() || m_repeatSender->isRunning();
}
