#include "simulatedreader.h"

#include "replywriter.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace {
constexpr quint16 DownloadPort = 53005;
constexpr int DownloadMessageSize = 1025;
constexpr int DownloadBlockSize = 1024;
// A control line longer than this without a carriage return is thrown away.
constexpr int MaxControlLine = 4096;
constexpr qint64 MaxStreamBytes = 64 * 1024 * 1024;
constexpr int StreamTickMs = 20;
constexpr int UdpStreamDatagram = 1024;

const QByteArray Ok = "OK\r";
// Answer to an unknown command or a value the reader cannot store.
const QByteArray Refused = "ERR\r";

// Known keywords, longest first so that a keyword is never taken for the start of another.
const QList<QByteArray> &keywords()
{
    static const QList<QByteArray> list = [] {
        QList<QByteArray> k{"ZAVIDENTIFY", "NEWPASS", "REBOOT", "IDENT", "SPEED", "DPASS", "PASS",
                            "STAT", "UDPP", "SPRT", "MODE", "DHCP", "CIP", "DPT", "CPT", "CSN",
                            "GTW", "SIP", "CID"};
        std::stable_sort(k.begin(), k.end(),
                         [](const QByteArray &a, const QByteArray &b) { return a.size() > b.size(); });
        return k;
    }();
    return list;
}

bool portValue(const QByteArray &text, quint16 *port)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const int value = text.toInt();
    if (value < 1 || value > 65535)
        return false;
    *port = quint16(value);
    return true;
}

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

// "02.10" -> "02.11", "02.19" -> "02.20"; text without digits gets a "1".
QByteArray nextVersion(const QByteArray &version)
{
    QByteArray next = version;
    for (int i = next.size() - 1; i >= 0; --i) {
        const char c = next.at(i);
        if (c == '.')
            continue;
        if (c < '0' || c > '9')
            break;
        if (c < '9') {
            next[i] = char(c + 1);
            return next;
        }
        next[i] = '0';
    }
    return version + "1";
}

QString where(const QHostAddress &address, quint16 port)
{
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}
} // namespace

struct SimulatedReader::ControlSession
{
    QPointer<QTcpSocket> socket;
    ReplyWriter *writer = nullptr;
    int connection = 0;
    QByteArray buffer;
    bool loggedIn = false;
};

struct SimulatedReader::DownloadSession
{
    QPointer<QTcpSocket> socket;
    ReplyWriter *writer = nullptr;
    int connection = 0;
    QByteArray buffer;
};

struct SimulatedReader::DataStream
{
    QPointer<QTcpSocket> socket; // null: UDP to the server address and port
    QByteArray bytes;
    qint64 sent = 0;
    QElapsedTimer clock;
};

SimulatedReader::SimulatedReader(const ReaderConfig &config, QObject *parent)
    : QObject(parent), m_stored(config), m_active(config)
{
    m_restartTimer = new QTimer(this);
    m_restartTimer->setSingleShot(true);
    m_restartTimer->setTimerType(Qt::PreciseTimer);
    connect(m_restartTimer, &QTimer::timeout, this, [this] {
        QString error;
        if (!start(&error))
            emit errorOccurred(error);
    });
    m_clientRetryTimer = new QTimer(this);
    m_clientRetryTimer->setSingleShot(true);
    connect(m_clientRetryTimer, &QTimer::timeout, this, &SimulatedReader::connectClient);
    m_streamTimer = new QTimer(this);
    m_streamTimer->setInterval(StreamTickMs);
    m_streamTimer->setTimerType(Qt::PreciseTimer);
    connect(m_streamTimer, &QTimer::timeout, this, &SimulatedReader::streamTick);
}

SimulatedReader::~SimulatedReader()
{
    closeAll();
}

bool SimulatedReader::start(QString *error)
{
    if (m_state == Running)
        return true;
    m_restartTimer->stop();
    m_active = m_stored;
    m_loginSeen = false;
    m_udpStreamStarted = false;
    QString why;
    if (!listenAll(&why)) {
        closeAll();
        m_state = Stopped;
        m_lastError = why;
        if (error)
            *error = why;
        return false;
    }
    m_lastError.clear();
    m_state = Running;
    emit started();
    return true;
}

void SimulatedReader::stop()
{
    m_restartTimer->stop();
    closeAll();
    if (m_state != Stopped) {
        m_state = Stopped;
        emit stopped();
    }
}

void SimulatedReader::restart(int delayMs)
{
    closeAll();
    m_state = Restarting;
    emit restarting();
    m_restartTimer->start(qMax(0, delayMs < 0 ? m_stored.rebootDelayMs : delayMs));
}

void SimulatedReader::restartAfterReplies(ReplyWriter *writer)
{
    // Once the acknowledgement is out; not if the reader was stopped meanwhile.
    writer->then([this] {
        QTimer::singleShot(0, this, [this] {
            if (m_state == Running)
                restart();
        });
    });
}

bool SimulatedReader::listenAll(QString *error)
{
    const QHostAddress address = m_active.address;
    auto listen = [&](QTcpServer *&server, quint16 port, const char *what,
                      void (SimulatedReader::*slot)()) {
        server = new QTcpServer(this);
        if (!server->listen(address, port)) {
            *error = QStringLiteral("%1 port %2: %3")
                         .arg(QLatin1String(what), where(address, port), server->errorString());
            return false;
        }
        connect(server, &QTcpServer::newConnection, this, slot);
        return true;
    };
    if (!listen(m_controlServer, m_active.controlPort, "control", &SimulatedReader::acceptControl))
        return false;
    if (!listen(m_downloadServer, DownloadPort, "download", &SimulatedReader::acceptDownload))
        return false;
    switch (m_active.mode) {
    case '1':
        QTimer::singleShot(0, this, &SimulatedReader::connectClient);
        break;
    case '2':
        m_udpData = new QUdpSocket(this);
        if (!m_udpData->bind(address, m_active.udpDataPort)) {
            *error = QStringLiteral("UDP data port %1: %2")
                         .arg(where(address, m_active.udpDataPort), m_udpData->errorString());
            return false;
        }
        connect(m_udpData, &QUdpSocket::readyRead, this, &SimulatedReader::udpDataReadyRead);
        break;
    default:
        if (!listen(m_dataServer, m_active.tcpDataPort, "data", &SimulatedReader::acceptData))
            return false;
        break;
    }
    return true;
}

void SimulatedReader::closeAll()
{
    m_clientRetryTimer->stop();
    m_streamTimer->stop();
    qDeleteAll(m_streams);
    m_streams.clear();
    for (QTcpServer *server : {m_controlServer, m_dataServer, m_downloadServer}) {
        if (server) {
            server->close();
            server->deleteLater();
        }
    }
    m_controlServer = m_dataServer = m_downloadServer = nullptr;
    if (m_udpData) {
        m_udpData->close();
        m_udpData->deleteLater();
        m_udpData = nullptr;
    }

    // Sockets are closed gracefully so that an acknowledgement still queued goes out first.
    auto finish = [this](QTcpSocket *socket) {
        if (!socket)
            return;
        socket->disconnect(this);
        if (socket->state() == QAbstractSocket::UnconnectedState) {
            socket->deleteLater();
            return;
        }
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
        else
            QTimer::singleShot(5000, socket, [socket] { socket->abort(); socket->deleteLater(); });
    };
    for (ControlSession *session : std::as_const(m_controlSessions)) {
        finish(session->socket);
        delete session;
    }
    m_controlSessions.clear();
    for (DownloadSession *session : std::as_const(m_downloadSessions)) {
        finish(session->socket);
        delete session;
    }
    m_downloadSessions.clear();
    for (const QPointer<QTcpSocket> &socket : std::as_const(m_dataSockets))
        finish(socket);
    m_dataSockets.clear();
    if (m_client) {
        finish(m_client);
        m_client = nullptr;
    }
}

void SimulatedReader::record(Channel channel, int connection, const QByteArray &bytes,
                             const QHostAddress &peer, quint16 peerPort, bool accepted)
{
    ReceivedChunk chunk;
    chunk.channel = channel;
    chunk.connection = connection;
    chunk.bytes = bytes;
    chunk.timeMs = QDateTime::currentMSecsSinceEpoch();
    chunk.peer = peer;
    chunk.peerPort = peerPort;
    chunk.accepted = accepted;
    m_record.append(chunk);
    emit bytesReceived(channel, connection, bytes);
}

int SimulatedReader::nextConnection(Channel channel)
{
    return ++m_counters[int(channel)];
}

QList<ReceivedChunk> SimulatedReader::received(Channel channel) const
{
    QList<ReceivedChunk> chunks;
    for (const ReceivedChunk &chunk : m_record)
        if (chunk.channel == channel)
            chunks.append(chunk);
    return chunks;
}

QByteArray SimulatedReader::receivedBytes(Channel channel, int connection) const
{
    QByteArray bytes;
    for (const ReceivedChunk &chunk : m_record)
        if (chunk.channel == channel && (connection == 0 || chunk.connection == connection))
            bytes += chunk.bytes;
    return bytes;
}

void SimulatedReader::clearRecord()
{
    m_record.clear();
}

void SimulatedReader::setFault(const QByteArray &target, const Fault &fault)
{
    m_faults.insert(target, FaultSlot{fault, 0, 0});
}

void SimulatedReader::clearFault(const QByteArray &target)
{
    m_faults.remove(target);
}

void SimulatedReader::clearFaults()
{
    m_faults.clear();
}

void SimulatedReader::countFaultsAnew(Channel channel)
{
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        const bool download = it.key().startsWith("DL-");
        if (it->fault.eachConnection && download == (channel == Channel::Download)) {
            it->seen = 0;
            it->applied = 0;
        }
    }
}

Fault SimulatedReader::takeFault(const QByteArray &target)
{
    auto it = m_faults.find(target);
    if (it == m_faults.end())
        return Fault();
    FaultSlot &slot = it.value();
    ++slot.seen;
    if (slot.seen <= slot.fault.skip)
        return Fault();
    if (slot.fault.times >= 0 && slot.applied >= slot.fault.times)
        return Fault();
    ++slot.applied;
    return slot.fault;
}

QByteArray SimulatedReader::statReply() const
{
    const ReaderConfig &c = m_stored;
    QList<QByteArray> fields{
        c.model,
        c.mac,
        c.identifier,
        c.firmware,
        c.address.toString().toLatin1(),
        QByteArray::number(c.tcpDataPort),
        QByteArray::number(c.controlPort),
        c.gateway,
        c.serverAddress,
        QByteArray::number(c.serverPort),
        QByteArray(1, c.mode),
        QByteArray(1, c.speed),
        QByteArray(1, c.dhcp),
        "0",
        c.subnet,
        QByteArray::number(c.udpDataPort),
        "0",
        QByteArray(1, c.dpass),
    };
    if (c.firmware != "02.00")
        fields.append(QByteArray(1, c.cid));
    QByteArray reply;
    for (const QByteArray &field : fields)
        reply += field + ':';
    return reply + '\r';
}

static QByteArray identifyAddressText(const ReaderConfig &c)
{
    return c.identifyAddress.isEmpty() ? c.address.toString().toLatin1() : c.identifyAddress;
}

QByteArray SimulatedReader::identifyReply() const
{
    return identifyAddressText(m_active) + ':' + m_active.mac + ':' + m_active.identification + ':'
           + QByteArray::number(m_active.controlPort) + '\r';
}

QByteArray SimulatedReader::tcpIdentifyReply() const
{
    return identifyAddressText(m_active) + ':' + m_active.mac + ':' + m_active.identification + '\r';
}


void SimulatedReader::acceptControl()
{
    while (m_controlServer && m_controlServer->hasPendingConnections()) {
        QTcpSocket *socket = m_controlServer->nextPendingConnection();
        // Owned by the reader, not the listener: a restart closes the listener at
        // once while an acknowledgement may still be on its way out.
        socket->setParent(this);
        auto *session = new ControlSession;
        session->socket = socket;
        session->writer = new ReplyWriter(socket);
        session->connection = nextConnection(Channel::Control);
        countFaultsAnew(Channel::Control);
        m_controlSessions.append(session);
        connect(socket, &QTcpSocket::readyRead, this, [this, session] { controlReadyRead(session); });
        connect(socket, &QTcpSocket::disconnected, this, [this, session] {
            if (!m_controlSessions.removeOne(session))
                return;
            if (session->socket)
                session->socket->deleteLater();
            delete session;
        });
    }
}

void SimulatedReader::controlReadyRead(ControlSession *session)
{
    if (!session->socket)
        return;
    const QByteArray bytes = session->socket->readAll();
    if (bytes.isEmpty())
        return;
    record(Channel::Control, session->connection, bytes, session->socket->peerAddress(),
           session->socket->peerPort());
    session->buffer += bytes;
    int end;
    while ((end = session->buffer.indexOf('\r')) >= 0) {
        const QByteArray line = session->buffer.left(end);
        session->buffer.remove(0, end + 1);
        handleControlLine(session, line);
        // The line may have ended the session (a reset fault, a restart).
        if (!m_controlSessions.contains(session))
            return;
    }
    if (session->buffer.size() > MaxControlLine)
        session->buffer.clear();
}

Fault SimulatedReader::faultFor(const QByteArray &target)
{
    Fault fault = takeFault(target);
    if (fault.kind == Fault::None && !target.startsWith("DL-"))
        fault = takeFault(FaultTarget::AnyControlCommand);
    return fault;
}

bool SimulatedReader::answer(ReplyWriter *writer, const QByteArray &target, const QByteArray &reply)
{
    const Fault fault = faultFor(target);
    if (writer)
        writer->send(reply, fault);
    return fault.kind != Fault::NoAnswer;
}

void SimulatedReader::handleControlLine(ControlSession *session, const QByteArray &rawLine)
{
    QByteArray line = rawLine;
    while (line.startsWith('\n'))
        line.remove(0, 1);

    QByteArray keyword;
    for (const QByteArray &k : keywords()) {
        if (line.startsWith(k)) {
            keyword = k;
            break;
        }
    }
    const QByteArray argument = line.mid(keyword.size());
    ReplyWriter *writer = session->writer;

    if (keyword == "ZAVIDENTIFY" && argument.isEmpty()) {
        emit commandReceived(keyword, argument);
        answer(writer, FaultTarget::TcpIdentify, tcpIdentifyReply());
        return;
    }
    if (!session->loggedIn) {
        // Nothing is served before the login, and a wrong password gets no answer.
        if (keyword != "PASS" || argument != m_active.password)
            return;
        const Fault fault = faultFor(keyword);
        if (fault.kind == Fault::NoAnswer)
            return;
        session->loggedIn = true;
        m_loginSeen = true;
        emit commandReceived(keyword, argument);
        emit loggedIn();
        writer->send(Ok, fault);
        return;
    }

    emit commandReceived(keyword.isEmpty() ? line : keyword, argument);
    if (keyword == "PASS") {
        if (argument == m_active.password)
            answer(writer, keyword, Ok);
        return;
    }
    if (keyword == "STAT" && argument.isEmpty()) {
        answer(writer, keyword, statReply());
        return;
    }
    if (keyword == "REBOOT" && argument.isEmpty()) {
        if (answer(writer, keyword, Ok))
            restartAfterReplies(writer);
        return;
    }
    if (keyword == "CID" && m_active.firmware == "02.00")
        return; // this firmware has no client-send-id setting and stays silent
    if (keyword.isEmpty() || keyword == "STAT" || keyword == "REBOOT" || keyword == "ZAVIDENTIFY") {
        answer(writer, "?", Refused);
        return;
    }

    const Fault fault = faultFor(keyword);
    if (fault.kind == Fault::NoAnswer)
        return; // refused without a word: the value is not stored
    const bool stored = applySetting(keyword, argument);
    writer->send(stored ? Ok : Refused, fault);
}

bool SimulatedReader::applySetting(const QByteArray &keyword, const QByteArray &argument)
{
    ReaderConfig &c = m_stored;
    auto code = [&argument](const char *allowed, char *target) {
        if (argument.size() != 1 || !QByteArray(allowed).contains(argument.at(0)))
            return false;
        *target = argument.at(0);
        return true;
    };
    auto address = [&argument](QByteArray *target) {
        if (!ReaderConfig::isDottedAddress(argument))
            return false;
        *target = argument;
        return true;
    };
    if (keyword == "CIP") {
        if (!ReaderConfig::isDottedAddress(argument))
            return false;
        c.address = QHostAddress(QString::fromLatin1(argument));
        c.identifyAddress.clear();
        return !c.address.isNull();
    }
    if (keyword == "DPT")
        return portValue(argument, &c.tcpDataPort);
    if (keyword == "UDPP")
        return portValue(argument, &c.udpDataPort);
    if (keyword == "CPT")
        return portValue(argument, &c.controlPort);
    if (keyword == "SPRT")
        return portValue(argument, &c.serverPort);
    if (keyword == "CSN")
        return address(&c.subnet);
    if (keyword == "GTW")
        return address(&c.gateway);
    if (keyword == "SIP")
        return address(&c.serverAddress);
    if (keyword == "IDENT") {
        // The identifier travels inside the colon-separated STAT reply.
        if (argument.size() > 20 || argument.contains(':') || argument.contains('\n'))
            return false;
        c.identifier = argument;
        return true;
    }
    if (keyword == "MODE")
        return code("012", &c.mode);
    if (keyword == "CID")
        return code("01", &c.cid);
    if (keyword == "SPEED")
        return code("12345", &c.speed);
    if (keyword == "DHCP")
        return code("01", &c.dhcp);
    if (keyword == "DPASS")
        return code("01", &c.dpass);
    if (keyword == "NEWPASS") {
        if (argument.size() != 5)
            return false;
        c.password = argument;
        return true;
    }
    return false;
}


void SimulatedReader::acceptDownload()
{
    while (m_downloadServer && m_downloadServer->hasPendingConnections()) {
        QTcpSocket *socket = m_downloadServer->nextPendingConnection();
        socket->setParent(this);
        auto *session = new DownloadSession;
        session->socket = socket;
        session->writer = new ReplyWriter(socket);
        session->connection = nextConnection(Channel::Download);
        countFaultsAnew(Channel::Download);
        m_downloadSessions.append(session);
        connect(socket, &QTcpSocket::readyRead, this, [this, session] { downloadReadyRead(session); });
        connect(socket, &QTcpSocket::disconnected, this, [this, session] {
            if (!m_downloadSessions.removeOne(session))
                return;
            if (session->socket)
                session->socket->deleteLater();
            delete session;
        });
    }
}

void SimulatedReader::downloadReadyRead(DownloadSession *session)
{
    if (!session->socket)
        return;
    const QByteArray bytes = session->socket->readAll();
    if (bytes.isEmpty())
        return;
    record(Channel::Download, session->connection, bytes, session->socket->peerAddress(),
           session->socket->peerPort());
    session->buffer += bytes;
    while (session->buffer.size() >= DownloadMessageSize) {
        const QByteArray message = session->buffer.left(DownloadMessageSize);
        session->buffer.remove(0, DownloadMessageSize);
        handleDownloadMessage(session, message);
        if (!m_downloadSessions.contains(session))
            return;
    }
}

void SimulatedReader::handleDownloadMessage(DownloadSession *session, const QByteArray &message)
{
    // Only after a login on the control port; otherwise messages go unanswered.
    if (!m_loginSeen)
        return;
    const char letter = message.at(0);
    if (letter == 'A') {
        const int count = quint8(message.at(1));
        if (count == 0)
            return;
        m_downloadImage.clear();
        m_downloadExpected = count;
        answer(session->writer, FaultTarget::DownloadAnnounce, Ok);
    } else if (letter == 'B') {
        // A block before the announce, or beyond the announced count, is not taken.
        if (m_downloadExpected == 0 || m_downloadImage.size() / DownloadBlockSize >= m_downloadExpected)
            return;
        if (answer(session->writer, FaultTarget::DownloadBlock, Ok))
            m_downloadImage += message.mid(1);
    } else if (letter == 'D') {
        // Restart only with a complete image.
        if (m_downloadExpected == 0 || m_downloadImage.size() != m_downloadExpected * DownloadBlockSize)
            return;
        if (!answer(session->writer, FaultTarget::DownloadRestart, Ok))
            return;
        m_firmwareImage = m_downloadImage;
        m_downloadImage.clear();
        m_downloadExpected = 0;
        m_stored.firmware = m_stored.firmwareAfterDownload.isEmpty()
                                ? nextVersion(m_stored.firmware)
                                : m_stored.firmwareAfterDownload;
        emit firmwareReceived(m_firmwareImage);
        restartAfterReplies(session->writer);
    }
}


bool SimulatedReader::dataAllowed() const
{
    return m_active.dpass != '1' || m_loginSeen;
}

void SimulatedReader::acceptData()
{
    while (m_dataServer && m_dataServer->hasPendingConnections()) {
        QTcpSocket *socket = m_dataServer->nextPendingConnection();
        socket->setParent(this);
        const int connection = nextConnection(Channel::Data);
        m_dataSockets.append(socket);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket, connection] { dataSocketReadyRead(socket, connection); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_dataSockets.removeAll(QPointer<QTcpSocket>(socket));
            m_dataSockets.removeAll(QPointer<QTcpSocket>());
            socket->deleteLater();
        });
        emit dataConnected();
        startStream(socket);
    }
}

void SimulatedReader::dataSocketReadyRead(QTcpSocket *socket, int connection)
{
    const QByteArray bytes = socket->readAll();
    if (bytes.isEmpty())
        return;
    const bool accepted = dataAllowed();
    record(Channel::Data, connection, bytes, socket->peerAddress(), socket->peerPort(), accepted);
    if (accepted && m_active.data.echo)
        socket->write(bytes);
}

void SimulatedReader::udpDataReadyRead()
{
    while (m_udpData && m_udpData->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udpData->receiveDatagram();
        const bool accepted = dataAllowed();
        record(Channel::Data, nextConnection(Channel::Data), datagram.data(),
               datagram.senderAddress(), quint16(qMax(0, datagram.senderPort())), accepted);
        if (!accepted)
            continue;
        if (m_active.data.echo)
            sendData(datagram.data());
        if (!m_udpStreamStarted) {
            m_udpStreamStarted = true;
            startStream(nullptr);
        }
    }
}

void SimulatedReader::connectClient()
{
    if (m_state != Running && m_state != Stopped)
        return;
    if (m_active.mode != '1' || !m_controlServer)
        return;
    const QHostAddress server(QString::fromLatin1(m_active.serverAddress));
    if (server.isNull() || m_active.serverPort == 0) {
        emit errorOccurred(QStringLiteral("client mode: no usable server address \"%1\"")
                               .arg(QString::fromLatin1(m_active.serverAddress)));
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
    m_client->bind(m_active.address, 0);
    connect(m_client, &QTcpSocket::connected, this, &SimulatedReader::clientConnected);
    connect(m_client, &QTcpSocket::disconnected, this, &SimulatedReader::scheduleClientRetry);
    connect(m_client, &QTcpSocket::errorOccurred, this, [this] {
        if (m_client && m_client->state() == QAbstractSocket::UnconnectedState)
            scheduleClientRetry();
    });
    m_client->connectToHost(server, m_active.serverPort);
}

void SimulatedReader::clientConnected()
{
    QTcpSocket *socket = m_client;
    const int connection = nextConnection(Channel::Data);
    connect(socket, &QTcpSocket::readyRead, this,
            [this, socket, connection] { dataSocketReadyRead(socket, connection); });
    if (m_active.cid == '1' && m_active.firmware != "02.00")
        socket->write(m_active.identification + '\r');
    emit dataConnected();
    startStream(socket);
}

void SimulatedReader::scheduleClientRetry()
{
    if (m_state == Running && m_active.mode == '1' && !m_clientRetryTimer->isActive())
        m_clientRetryTimer->start(qMax(10, m_active.clientRetryMs));
}

int SimulatedReader::dataConnections() const
{
    int count = 0;
    for (const QPointer<QTcpSocket> &socket : m_dataSockets)
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            ++count;
    if (m_client && m_client->state() == QAbstractSocket::ConnectedState)
        ++count;
    return count;
}

bool SimulatedReader::sendData(const QByteArray &bytes)
{
    switch (m_active.mode) {
    case '1':
        if (!m_client || m_client->state() != QAbstractSocket::ConnectedState)
            return false;
        return m_client->write(bytes) == bytes.size();
    case '2': {
        if (!m_udpData)
            return false;
        const QHostAddress server(QString::fromLatin1(m_active.serverAddress));
        if (server.isNull())
            return false;
        return m_udpData->writeDatagram(bytes, server, m_active.serverPort) == bytes.size();
    }
    default: {
        bool any = false;
        for (const QPointer<QTcpSocket> &socket : std::as_const(m_dataSockets)) {
            if (socket && socket->state() == QAbstractSocket::ConnectedState) {
                socket->write(bytes);
                any = true;
            }
        }
        return any;
    }
    }
}

void SimulatedReader::startStream(QTcpSocket *socket)
{
    if (m_active.data.stream == DataBehaviour::NoStream)
        return;
    auto *stream = new DataStream;
    stream->socket = socket;
    stream->bytes = streamBytes(m_active.data);
    stream->clock.start();
    m_streams.append(stream);
    if (m_active.data.bytesPerSecond <= 0) {
        streamTick();
    } else if (!m_streamTimer->isActive()) {
        m_streamTimer->start();
    }
}

void SimulatedReader::streamTick()
{
    const QHostAddress server(QString::fromLatin1(m_active.serverAddress));
    for (int i = m_streams.size() - 1; i >= 0; --i) {
        DataStream *stream = m_streams.at(i);
        qint64 due = stream->bytes.size();
        if (m_active.data.bytesPerSecond > 0)
            due = qMin<qint64>(due, qint64(m_active.data.bytesPerSecond) * stream->clock.elapsed() / 1000);
        const QByteArray piece = stream->bytes.mid(int(stream->sent), int(due - stream->sent));
        bool gone = false;
        if (!piece.isEmpty()) {
            if (stream->socket) {
                if (stream->socket->state() == QAbstractSocket::ConnectedState)
                    stream->socket->write(piece);
                else
                    gone = true;
            } else if (m_udpData && !server.isNull()) {
                for (int at = 0; at < piece.size(); at += UdpStreamDatagram)
                    m_udpData->writeDatagram(piece.mid(at, UdpStreamDatagram), server,
                                             m_active.serverPort);
            } else {
                gone = true;
            }
            stream->sent = due;
        } else if (stream->socket.isNull() && m_active.mode != '2') {
            gone = true;
        }
        if (gone || stream->sent >= stream->bytes.size()) {
            m_streams.removeAt(i);
            delete stream;
        }
    }
    if (m_streams.isEmpty())
        m_streamTimer->stop();
}


void SimulatedReader::noteIdentifyDatagram(const QByteArray &datagram, const QHostAddress &peer,
                                           quint16 port)
{
    record(Channel::Identify, nextConnection(Channel::Identify), datagram, peer, port);
    // Change of address: "RPG", 12 MAC characters, the address padded with blanks to 15.
    if (datagram.size() != 30 || !datagram.startsWith("RPG"))
        return;
    if (datagram.mid(3, 12).toUpper() != m_active.mac.toUpper())
        return;
    QByteArray text = datagram.mid(15);
    while (text.endsWith(' '))
        text.chop(1);
    if (!ReaderConfig::isDottedAddress(text))
        return;
    changeAddress(QHostAddress(QString::fromLatin1(text)));
}

void SimulatedReader::changeAddress(const QHostAddress &address)
{
    if (address.isNull())
        return;
    m_stored.address = address;
    m_stored.identifyAddress.clear();
    restart();
}
