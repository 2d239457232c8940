#include "readersimulator.h"

#include "multicast.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>
#include <QVariant>

const char *const ReaderSimulator::RequestGroup = "224.1.2.3";
const char *const ReaderSimulator::ReplyGroup = "224.1.2.4";

namespace {
// Replies go out in batches; between two batches events run, so that a
// receiver in the same thread (a test, a window) can empty its socket.
constexpr int RepliesPerBatch = 64;
// A reply that the system refuses for lack of buffer space is tried again,
// every RetryMs, up to MaxRetries times, before it counts as failed.
constexpr int RetryMs = 2;
constexpr int MaxRetries = 500;
constexpr int MaxFloodDatagrams = 10000;
constexpr int MaxDatagram = 65507;
} // namespace

ReaderSimulator::ReaderSimulator(QObject *parent) : QObject(parent)
{
    m_replyTimer = new QTimer(this);
    m_replyTimer->setSingleShot(true);
    connect(m_replyTimer, &QTimer::timeout, this, &ReaderSimulator::sendQueuedReplies);
}

ReaderSimulator::~ReaderSimulator()
{
    stop();
}

SimulatedReader *ReaderSimulator::addReader(const ReaderConfig &config)
{
    auto *reader = new SimulatedReader(config, this);
    m_readers.append(reader);
    return reader;
}

SimulatedReader *ReaderSimulator::readerAt(const QHostAddress &address) const
{
    for (SimulatedReader *reader : m_readers)
        if (reader->isRunning() && reader->activeConfig().address == address)
            return reader;
    return nullptr;
}

bool ReaderSimulator::start(QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (m_multicastEnabled && !m_identifySocket) {
        m_identifySocket = new QUdpSocket(this);
        if (!m_identifySocket->bind(QHostAddress::AnyIPv4, IdentifyPort,
                                    QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
            const QString why = QStringLiteral("identify port %1: %2")
                                    .arg(IdentifyPort)
                                    .arg(m_identifySocket->errorString());
            delete m_identifySocket;
            m_identifySocket = nullptr;
            return fail(why);
        }
        // Only the request group: replies to 224.1.2.4 and other groups that
        // programs on this host joined must not reach the readers.
        setMulticastAll(m_identifySocket->socketDescriptor(), false);
        if (!m_identifySocket->joinMulticastGroup(QHostAddress(QLatin1String(RequestGroup)))) {
            const QString why = QStringLiteral("joining %1: %2")
                                    .arg(QLatin1String(RequestGroup), m_identifySocket->errorString());
            delete m_identifySocket;
            m_identifySocket = nullptr;
            return fail(why);
        }
        // Set after the bind, or it is lost.
        m_identifySocket->setSocketOption(QAbstractSocket::MulticastTtlOption, QVariant(5));
        m_identifySocket->setSocketOption(QAbstractSocket::MulticastLoopbackOption, QVariant(1));
        connect(m_identifySocket, &QUdpSocket::readyRead, this, &ReaderSimulator::readMulticast);
    }
    QStringList failures;
    for (SimulatedReader *reader : std::as_const(m_readers)) {
        if (reader->state() != SimulatedReader::Stopped)
            continue;
        QString why;
        if (!reader->start(&why))
            failures.append(why);
    }
    if (!failures.isEmpty())
        return fail(failures.join(QLatin1Char('\n')));
    return true;
}

void ReaderSimulator::stop()
{
    for (SimulatedReader *reader : std::as_const(m_readers))
        reader->stop();
    m_replyTimer->stop();
    m_replyQueue.clear();
    if (m_identifySocket) {
        m_identifySocket->close();
        m_identifySocket->deleteLater();
        m_identifySocket = nullptr;
    }
}

void ReaderSimulator::readMulticast()
{
    while (m_identifySocket && m_identifySocket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_identifySocket->receiveDatagram();
        const QByteArray data = datagram.data();
        const quint16 port = quint16(qMax(0, datagram.senderPort()));
        // Copy: a change of address restarts readers, which must not disturb the walk.
        const QList<SimulatedReader *> readers = m_readers;
        for (SimulatedReader *reader : readers)
            if (reader->isRunning())
                reader->noteIdentifyDatagram(data, datagram.senderAddress(), port);
        // Only the exact request is answered, so a reply never draws a reply.
        if (data != "ZAVIDENTIFY")
            continue;
        emit identifyRequestReceived(datagram.senderAddress());
        m_repliesInBatch = 0;
        for (SimulatedReader *reader : readers) {
            if (!reader->isRunning())
                continue;
            const Fault fault = reader->takeFault(faultTarget::MulticastIdentify);
            QByteArray reply = reader->identifyReply();
            int copies = 1;
            switch (fault.kind) {
            case Fault::NoAnswer:
                continue;
            case Fault::Replace:
                reply = fault.bytes;
                break;
            case Fault::Append:
                reply += fault.bytes;
                break;
            case Fault::Flood:
                copies = int(qBound<qint64>(1, fault.count, qint64(MaxFloodDatagrams)));
                break;
            case Fault::Oversize: {
                static const QByteArray unit = "0123456789:";
                reply.clear();
                const int size = int(qBound<qint64>(0, fault.count, qint64(MaxDatagram)));
                for (int i = 0; i < size; ++i)
                    reply.append(unit.at(i % unit.size()));
                break;
            }
            default:
                break;
            }
            if (fault.kind == Fault::Delay && fault.delayMs > 0) {
                ++m_pendingDelayed;
                QTimer::singleShot(fault.delayMs, Qt::PreciseTimer, this, [this, reply] {
                    --m_pendingDelayed;
                    queueReply(reply);
                });
                continue;
            }
            for (int i = 0; i < copies; ++i)
                queueReply(reply);
        }
    }
}

void ReaderSimulator::queueReply(const QByteArray &reply)
{
    m_replyQueue.append(reply);
    if (!m_replyTimer->isActive())
        m_replyTimer->start(0);
}

void ReaderSimulator::sendQueuedReplies()
{
    if (!m_identifySocket) {
        m_replyQueue.clear();
        return;
    }
    const QHostAddress group{QString::fromLatin1(ReplyGroup)};
    int sentNow = 0;
    while (!m_replyQueue.isEmpty() && sentNow < RepliesPerBatch) {
        const QByteArray &reply = m_replyQueue.first();
        if (m_identifySocket->writeDatagram(reply, group, IdentifyPort) < 0) {
            const auto error = m_identifySocket->error();
            const bool tooLarge = error == QAbstractSocket::DatagramTooLargeError;
            if (!tooLarge && ++m_replyRetries <= MaxRetries) {
                m_replyTimer->start(RetryMs);
                return;
            }
            ++m_repliesFailed;
            emit errorOccurred(QStringLiteral("identify reply of %1 bytes not sent: %2")
                                   .arg(reply.size())
                                   .arg(m_identifySocket->errorString()));
        } else {
            ++m_repliesSent;
            ++m_repliesInBatch;
        }
        m_replyRetries = 0;
        m_replyQueue.removeFirst();
        ++sentNow;
    }
    if (!m_replyQueue.isEmpty()) {
        m_replyTimer->start(0);
        return;
    }
    if (m_pendingDelayed == 0)
        emit identifyAnswered(m_repliesInBatch);
}

QHostAddress ReaderSimulator::addressAfter(const QHostAddress &first, int n)
{
    quint32 value = first.toIPv4Address();
    for (int i = 0; i < n; ++i) {
        do {
            ++value;
        } while ((value & 0xFF) == 0 || (value & 0xFF) == 0xFF);
    }
    return QHostAddress(value);
}

QByteArray ReaderSimulator::macAfter(const QByteArray &first, int n)
{
    bool ok = false;
    const quint64 value = first.toULongLong(&ok, 16);
    const quint64 next = ((ok ? value : 0) + quint64(qMax(0, n))) & 0xFFFFFFFFFFFFULL;
    return QByteArray::number(next, 16).toUpper().rightJustified(12, '0');
}
