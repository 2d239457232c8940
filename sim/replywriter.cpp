#include "replywriter.h"

#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_WIN
#include <winsock2.h>
using NativeSocket = SOCKET;
#else
#include <sys/socket.h>
using NativeSocket = int;
#endif

namespace {
// Linger on with a time of 0: closing the socket then sends RST, not FIN.
void setAbortiveClose(qintptr descriptor)
{
    linger value{};
    value.l_onoff = 1;
    value.l_linger = 0;
    ::setsockopt(NativeSocket(descriptor), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char *>(&value),
                 sizeof value);
}

constexpr qint64 MaxGeneratedBytes = 64 * 1024 * 1024;

QByteArray bytePattern(qint64 count)
{
    QByteArray bytes(int(qBound<qint64>(0, count, MaxGeneratedBytes)), Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i & 0xFF);
    return bytes;
}

// Colon-separated digits, as an overlong field list would look, without a CR.
QByteArray oversizePattern(qint64 count)
{
    static const QByteArray unit = "0123456789:";
    QByteArray bytes(int(qBound<qint64>(0, count, MaxGeneratedBytes)), Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = unit.at(i % unit.size());
    return bytes;
}
} // namespace

QList<ReplyStep> replySteps(const QByteArray &reply, const Fault &fault)
{
    QList<ReplyStep> steps;
    auto write = [&steps](const QByteArray &bytes, int delayMs = 0) {
        steps.append(ReplyStep{delayMs, bytes, ReplyStep::Write});
    };
    switch (fault.kind) {
    case Fault::None:
        write(reply);
        break;
    case Fault::NoAnswer:
        break;
    case Fault::Replace:
        write(fault.bytes);
        break;
    case Fault::Append:
        write(reply + fault.bytes);
        break;
    case Fault::Split: {
        const int size = qMax(1, fault.chunkSize);
        for (int at = 0; at < reply.size(); at += size)
            write(reply.mid(at, size), at == 0 ? 0 : fault.delayMs);
        break;
    }
    case Fault::Delay:
        write(reply, fault.delayMs);
        break;
    case Fault::Close:
    case Fault::Reset:
        if (reply.size() / 2 > 0)
            write(reply.left(reply.size() / 2));
        steps.append(ReplyStep{fault.delayMs, {},
                               fault.kind == Fault::Close ? ReplyStep::Close : ReplyStep::Reset});
        break;
    case Fault::Flood:
        write(bytePattern(fault.count));
        break;
    case Fault::Oversize:
        write(oversizePattern(fault.count));
        break;
    case Fault::Drip:
        for (int i = 0; i < reply.size(); ++i)
            write(reply.mid(i, 1), i == 0 ? 0 : fault.delayMs);
        break;
    }
    // An empty write would only cost a timer turn.
    steps.erase(std::remove_if(steps.begin(), steps.end(),
                               [](const ReplyStep &s) {
                                   return s.action == ReplyStep::Write && s.bytes.isEmpty()
                                          && s.delayMs == 0;
                               }),
                steps.end());
    return steps;
}

void resetConnection(QTcpSocket *socket)
{
    if (!socket)
        return;
    const qintptr handle = socket->socketDescriptor();
    if (handle >= 0)
        setAbortiveClose(handle);
    socket->abort();
}

ReplyWriter::ReplyWriter(QTcpSocket *socket)
    : QObject(socket), m_socket(socket), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    // Fault delays are measured by tests; a coarse timer may fire 5 % early.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_waiting = false;
        runNext();
    });
}

void ReplyWriter::send(const QByteArray &reply, const Fault &fault)
{
    const QList<ReplyStep> steps = replySteps(reply, fault);
    for (const ReplyStep &step : steps)
        m_queue.enqueue(Item{step, {}});
    runNext();
}

void ReplyWriter::then(std::function<void()> action)
{
    m_queue.enqueue(Item{ReplyStep{}, std::move(action)});
    runNext();
}

void ReplyWriter::runNext()
{
    while (!m_waiting && !m_queue.isEmpty()) {
        Item &item = m_queue.head();
        if (item.step.delayMs > 0) {
            const int delay = item.step.delayMs;
            item.step.delayMs = 0;
            m_waiting = true;
            m_timer->start(delay);
            break;
        }
        Item current = m_queue.dequeue();
        if (current.action) {
            current.action();
            continue;
        }
        if (m_ended || !m_socket)
            continue;
        switch (current.step.action) {
        case ReplyStep::Write:
            m_socket->write(current.step.bytes);
            break;
        case ReplyStep::Close:
            m_ended = true;
            m_socket->disconnectFromHost();
            break;
        case ReplyStep::Reset:
            m_ended = true;
            m_socket->flush();
            resetConnection(m_socket);
            break;
        }
    }
}
