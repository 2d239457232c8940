#include "simulatedreader.h"

#include "controlport.h"
#include "dataport.h"
#include "downloadport.h"
#include "readersimulator.h"
#include "replywriter.h"

#include <QDateTime>
#include <QTimer>

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
    m_controlPort = new SimulatedControlPort(*this);
    m_dataPort = new SimulatedDataPort(*this);
    m_downloadPort = new SimulatedDownloadPort(*this);
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
    return m_controlPort->listen(m_active.address, m_active.controlPort, error)
           && m_downloadPort->listen(m_active.address, ReaderSimulator::DownloadPort, error)
           && m_dataPort->open(error);
}

void SimulatedReader::closeAll()
{
    m_controlPort->close();
    m_downloadPort->close();
    m_dataPort->close();
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

Fault SimulatedReader::faultFor(const QByteArray &target)
{
    Fault fault = takeFault(target);
    if (fault.kind == Fault::None && !target.startsWith("DL-"))
        fault = takeFault(faultTarget::AnyControlCommand);
    return fault;
}

bool SimulatedReader::answer(ReplyWriter *writer, const QByteArray &target, const QByteArray &reply)
{
    const Fault fault = faultFor(target);
    if (writer)
        writer->send(reply, fault);
    return fault.kind != Fault::NoAnswer;
}

QByteArray SimulatedReader::firmwareImage() const
{
    return m_downloadPort->firmwareImage();
}

int SimulatedReader::downloadBlocksReceived() const
{
    return m_downloadPort->blocksReceived();
}

int SimulatedReader::dataConnections() const
{
    return m_dataPort->connections();
}

bool SimulatedReader::sendData(const QByteArray &bytes)
{
    return m_dataPort->send(bytes);
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
