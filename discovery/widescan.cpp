#include "widescan.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace {
// Read in pieces, so that a peer sending megabytes never sits in memory:
// the walk keeps only what a list line shows.
constexpr qint64 ReadPieceBytes = 64 * 1024;
// Concluded addresses held for an earlier one still in flight, per job: keeps
// memory bounded when one slow address holds up the report of thousands of
// quickly refused ones.
constexpr int AheadPerJob = 64;
} // namespace

WideScan::WideScan(QObject *parent) : QObject(parent) {}

WideScan::~WideScan()
{
    closeAll();
}

void WideScan::start(const Options &options)
{
    if (m_running)
        return;
    m_options = options;
    m_options.jobs = qMax(1, options.jobs);
    m_options.timeoutMs = qMax(1, options.timeoutMs);
    m_walk = std::make_unique<WideAreaWalk>(options.start);
    m_running = true;
    m_walkOver = false;
    m_launched = 0;
    m_reported = 0;
    m_done.clear();
    QTimer::singleShot(0, this, [this] {
        if (m_running)
            launchMore();
    });
}

void WideScan::stop()
{
    if (!m_running)
        return;
    closeAll();
    m_running = false;
    emit finished(true);
}

void WideScan::launchMore()
{
    while (m_running && !m_walkOver && m_attempts.size() < m_options.jobs
           && m_launched - m_reported < m_options.jobs * AheadPerJob) {
        QString address;
        if ((m_options.count > 0 && m_launched >= m_options.count) || !m_walk->next(address)) {
            m_walkOver = true;
            break;
        }
        launch(m_launched++, address);
    }
    if (m_running && m_walkOver && m_attempts.isEmpty() && m_done.isEmpty()) {
        m_running = false;
        emit finished(false);
    }
}

void WideScan::launch(int position, const QString &address)
{
    auto *socket = new QTcpSocket(this);
    m_attempts.insert(socket, Attempt{position, address, IdentifyReplyWalk()});

    connect(socket, &QTcpSocket::connected, socket, [socket] { socket->write(identify::TcpRequest); });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readReply(socket); });
    // Refused, reset or closed before the reply's carriage return. Queued, so
    // that an error raised inside connectToHost() does not conclude the
    // attempt while it is being launched.
    connect(socket, &QTcpSocket::errorOccurred, socket, [this, socket] { conclude(socket, false); },
            Qt::QueuedConnection);
    // Connect and reply together; cancelled when the socket goes.
    QTimer::singleShot(m_options.timeoutMs, socket, [this, socket] { conclude(socket, false); });

    QHostAddress literal;
    if (literal.setAddress(address))
        socket->connectToHost(literal, m_options.port);
    else
        socket->connectToHost(address, m_options.port, QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
}

void WideScan::readReply(QTcpSocket *socket)
{
    const auto attempt = m_attempts.find(socket);
    if (attempt == m_attempts.end())
        return;
    while (socket->bytesAvailable() > 0) {
        attempt->walk.add(socket->read(qMin(socket->bytesAvailable(), ReadPieceBytes)));
        // Judged as the serial scan judges one read of everything waiting:
        // the reply is complete when what has come so far ends in a CR.
        if (socket->bytesAvailable() == 0 && attempt->walk.endsWithCarriageReturn()) {
            conclude(socket, true);
            return;
        }
    }
}

void WideScan::conclude(QTcpSocket *socket, bool found)
{
    // A queued error or the timer may come after the attempt has concluded.
    const auto attempt = m_attempts.find(socket);
    if (attempt == m_attempts.end())
        return;
    Outcome outcome;
    outcome.address = attempt->address;
    outcome.found = found;
    if (found)
        outcome.reply = attempt->walk.fields();
    m_done.insert(attempt->position, outcome);
    m_attempts.erase(attempt);
    discard(socket);
    reportInOrder();
}

void WideScan::reportInOrder()
{
    QPointer<WideScan> self(this);
    while (m_running && !m_done.isEmpty() && m_done.firstKey() == m_reported) {
        const Outcome outcome = m_done.take(m_reported);
        ++m_reported;
        if (outcome.found) {
            emit readerFound(outcome.address, outcome.reply);
            if (!self || !m_running)
                return;
        }
        emit progress(m_reported, outcome.address);
        if (!self)
            return;
    }
    if (m_running)
        launchMore();
}

void WideScan::discard(QTcpSocket *socket)
{
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
}

void WideScan::closeAll()
{
    const QList<QTcpSocket *> sockets = m_attempts.keys();
    m_attempts.clear();
    for (QTcpSocket *socket : sockets)
        discard(socket);
    m_done.clear();
}
