#include "widescan.h"

#include "typedvalues.h"

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
    m_options.replyTimeoutMs = qMax(0, options.replyTimeoutMs);
    m_port = options.port;
    m_walk = std::make_unique<WideAreaWalk>(options.start);
    m_running = true;
    m_walkOver = false;
    m_stopping = false;
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

void WideScan::stopAfterInFlight()
{
    if (!m_running || m_stopping)
        return;
    m_stopping = true;
    finishIfDone();
}

void WideScan::launchMore()
{
    QPointer<WideScan> self(this);
    while (m_running && !m_stopping && !m_walkOver && m_attempts.size() < m_options.jobs
           && m_launched - m_reported < m_options.jobs * AheadPerJob) {
        QString address;
        if ((m_options.count > 0 && m_launched >= m_options.count) || !m_walk->next(address)) {
            m_walkOver = true;
            break;
        }
        launch(m_launched++, address);
        if (!self)
            return;
    }
    finishIfDone();
}

void WideScan::launch(int position, const QString &address)
{
    auto *socket = new QTcpSocket(this);
    // In flight before it is announced, so that a stop from a handler of
    // trying() finds it.
    m_attempts.insert(socket, Attempt{position, address, 0, IdentifyReplyWalk()});
    QPointer<WideScan> self(this);
    emit trying(address);
    if (!self || !m_attempts.contains(socket))
        return;
    const quint16 port = m_port;
    m_attempts[socket].port = port;
    if (port == 0) {
        // Nothing to connect to: given up from the event loop, so that a run
        // of such addresses does not nest one conclusion inside the other.
        QTimer::singleShot(0, socket, [this, socket] { conclude(socket, false); });
        return;
    }

    // One limit per address: to connect (and reply), restarted for the reply
    // alone when it has a limit of its own. Precise: a coarse timer may end
    // a 3 s limit 150 ms early.
    auto *limit = new QTimer(socket);
    limit->setSingleShot(true);
    limit->setTimerType(Qt::PreciseTimer);
    connect(limit, &QTimer::timeout, this, [this, socket] { conclude(socket, false); });
    limit->start(m_options.timeoutMs);

    connect(socket, &QTcpSocket::connected, socket, [this, socket, limit] {
        if (m_options.replyTimeoutMs > 0)
            limit->start(m_options.replyTimeoutMs);
        socket->write(identify::TcpRequest);
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readReply(socket); });
    // Refused, reset or closed before the reply's carriage return. Queued, so
    // that an error raised inside connectToHost() does not conclude the
    // attempt while it is being launched.
    connect(socket, &QTcpSocket::errorOccurred, socket, [this, socket] { conclude(socket, false); },
            Qt::QueuedConnection);

    // Only numbers are tried, never a name to look up; "010" is ten.
    const std::optional<QHostAddress> host = readerAddressFromText(address);
    if (!host) {
        QTimer::singleShot(0, socket, [this, socket] { conclude(socket, false); });
        return;
    }
    socket->connectToHost(*host, port);
}

void WideScan::readReply(QTcpSocket *socket)
{
    const auto attempt = m_attempts.find(socket);
    if (attempt == m_attempts.end())
        return;
    while (socket->bytesAvailable() > 0) {
        attempt->walk.add(socket->read(qMin(socket->bytesAvailable(), ReadPieceBytes)));
        // Judged as one read of everything waiting would be: the reply is
        // complete when what has come so far ends in a CR.
        if (socket->bytesAvailable() == 0 && attempt->walk.endsWithCarriageReturn()) {
            conclude(socket, true);
            return;
        }
    }
}

void WideScan::conclude(QTcpSocket *socket, bool found)
{
    // A queued error or the limit may come after the attempt has concluded.
    const auto attempt = m_attempts.find(socket);
    if (attempt == m_attempts.end())
        return;
    Outcome outcome;
    outcome.address = attempt->address;
    outcome.port = attempt->port;
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
            emit readerFound(outcome.address, outcome.reply, outcome.port);
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

void WideScan::finishIfDone()
{
    if (m_running && (m_walkOver || m_stopping) && m_attempts.isEmpty() && m_done.isEmpty()) {
        m_running = false;
        emit finished(m_stopping);
    }
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
