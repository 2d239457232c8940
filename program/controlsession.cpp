#include "controlsession.h"

#include "byteescape.h"
#include "commandlanguage.h"

#include <QTcpSocket>
#include <QTimer>

namespace {
// The reply as a short quoted text for a message: at most 24 bytes, escaped.
QString quoted(const QByteArray &bytes)
{
    const QString text = escapedBytes(bytes.left(24)) + (bytes.size() > 24 ? QLatin1String("...") : QLatin1String());
    return QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

ControlSession::ControlSession(QObject *parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; a limit is never shorter than stated.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &ControlSession::giveUp);
}

ControlSession::~ControlSession()
{
    if (m_socket)
        m_socket->abort();
}

void ControlSession::start(const QHostAddress &address, quint16 port, const Plan &plan)
{
    if (m_running)
        return;
    m_plan = plan;
    m_running = true;
    m_failure = NoFailure;
    m_errorText.clear();
    m_reply.clear();
    m_next = 0;
    m_acknowledged = 0;
    m_hasStat = false;
    m_stat = ReaderSettings();
    m_failedKeyword.clear();

    delete m_socket;
    m_socket = new QTcpSocket(this);
    // Qt keeps at most this much unread; a reader that floods the connection
    // is read and dropped in pieces instead of filling the memory.
    m_socket->setReadBufferSize(control::ReplyLimit);
    connect(m_socket, &QTcpSocket::connected, this, &ControlSession::sendLogin);
    connect(m_socket, &QTcpSocket::readyRead, this, &ControlSession::readyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &ControlSession::failOnSocketError);

    m_step = Connecting;
    m_timer->start(m_limits.connectMs);
    if (address.protocol() != QAbstractSocket::IPv4Protocol || port == 0) {
        // Checked by every caller; an address or port that slips through is
        // an unreachable reader, never a name lookup or a send to port 0.
        QTimer::singleShot(0, this, [this] { fail(NoConnection, tr("not a reader address and port")); });
        return;
    }
    m_socket->connectToHost(address, port);
}

// The failure texts pass through tr(): the windows show them in their
// language, zavctl (which loads no translation) in English.
void ControlSession::stop()
{
    if (m_running)
        fail(Stopped, tr("stopped"));
    else if (m_socket)
        m_socket->abort();
}

void ControlSession::sendLogin()
{
    if (m_step != Connecting)
        return;
    // Every command is one short line that waits for its answer: nothing is
    // gained by holding it back to fill a segment.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    sendLine(control::loginLine(m_plan.password), AwaitingLogin);
    emit connected();
}

void ControlSession::sendLine(const QByteArray &line, Step next)
{
    m_reply.clear();
    m_step = next;
    m_timer->start(m_limits.replyMs);
    m_socket->write(line);
}

void ControlSession::sendNextCommand()
{
    if (m_next >= m_plan.commands.size()) {
        succeed();
        return;
    }
    const SettingCommand &command = m_plan.commands.at(m_next++);
    m_keyword = command.keyword;
    sendLine(command.line(), AwaitingAcknowledgement);
}

void ControlSession::readyRead()
{
    if (!m_socket)
        return;
    while (m_socket->bytesAvailable() > 0) {
        const QByteArray chunk = m_socket->read(control::ReplyLimit);
        if (chunk.isEmpty())
            break;
        m_reply.append(chunk);
    }
    examineReply();
}

void ControlSession::examineReply()
{
    switch (m_step) {
    case AwaitingLogin:
    case AwaitingAcknowledgement:
        // An overlong buffer is far longer than an acknowledgement.
        if (control::isAcknowledgement(m_reply.bytes())) {
            if (m_step == AwaitingLogin) {
                m_timer->stop();
                emit loggedIn();
                if (!m_running)
                    return;  // stopped by a receiver
                if (m_plan.readStat)
                    sendLine(control::commandLine(QByteArrayLiteral("STAT")), AwaitingStat);
                else
                    sendNextCommand();
            } else {
                ++m_acknowledged;
                sendNextCommand();
            }
        } else if (!control::mayBecomeAcknowledgement(m_reply.bytes())) {
            // Bytes that no later bytes can turn into "OK" CR.
            if (m_step == AwaitingLogin)
                fail(LoginRefused, tr("login not acknowledged (answered %1)").arg(quoted(m_reply.bytes())));
            else
                fail(NotAcknowledged, tr("%1 not acknowledged (answered %2)")
                                          .arg(QString::fromLatin1(m_keyword), quoted(m_reply.bytes())));
        }
        break;
    case AwaitingStat:
        if (m_reply.overlong()) {
            fail(NoStatReply, tr("STAT reply longer than %1 bytes").arg(control::ReplyLimit));
        } else if (control::isCompleteStatReply(m_reply.bytes())) {
            m_stat = ReaderSettings::fromStatReply(m_reply.bytes());
            m_hasStat = true;
            if (m_plan.afterStat) {
                QList<SettingCommand> commands;
                QString refusal;
                if (!m_plan.afterStat(m_stat, &commands, &refusal)) {
                    fail(Refused, refusal);
                    return;
                }
                m_plan.commands = commands;
            }
            m_next = 0;
            sendNextCommand();
        }
        break;
    default:
        // Bytes while connecting, after the end or while kept open are not
        // awaited by anything; they are dropped.
        if (m_step == Open)
            m_reply.clear();
        break;
    }
}

void ControlSession::failOnSocketError()
{
    if (!m_running || m_step == Open || m_step == Done)
        return;
    // Whatever arrived before the error may be what was awaited.
    readyRead();
    if (!m_running || m_step == Open)
        return;
    const QString reason = m_socket->errorString();
    switch (m_step) {
    case Connecting:
        fail(NoConnection, tr("no connection (%1)").arg(reason));
        break;
    case AwaitingLogin:
        fail(LoginRefused, tr("login not acknowledged (%1)").arg(reason));
        break;
    case AwaitingStat:
        fail(NoStatReply, tr("no STAT reply (%1)").arg(reason));
        break;
    default:
        fail(NotAcknowledged,
             tr("%1 not acknowledged (%2)").arg(QString::fromLatin1(m_keyword), reason));
        break;
    }
}

void ControlSession::giveUp()
{
    const QString limit = tr("within %1 s").arg(
        (m_step == Connecting ? m_limits.connectMs : m_limits.replyMs) / 1000.0);
    switch (m_step) {
    case Connecting:
        fail(NoConnection, tr("no connection %1").arg(limit));
        break;
    case AwaitingLogin:
        fail(LoginRefused, m_reply.bytes().isEmpty()
                               ? tr("login not acknowledged %1 (wrong password, or not a reader)").arg(limit)
                               : tr("login not acknowledged %1 (answered %2)").arg(limit, quoted(m_reply.bytes())));
        break;
    case AwaitingStat:
        fail(NoStatReply, tr("no complete STAT reply %1").arg(limit));
        break;
    case AwaitingAcknowledgement:
        fail(NotAcknowledged, tr("%1 not acknowledged %2").arg(QString::fromLatin1(m_keyword), limit));
        break;
    default:
        break;
    }
}

QString ControlSession::progressReport() const
{
    if (m_failedKeyword.isEmpty())
        return {};
    QStringList acknowledged;
    for (int i = 0; i < m_acknowledged && i < m_plan.commands.size(); ++i)
        acknowledged.append(QString::fromLatin1(m_plan.commands.at(i).keyword));
    return tr("%1 acknowledged; %2")
        .arg(acknowledged.isEmpty() ? tr("none") : acknowledged.join(QLatin1String(", ")), m_errorText);
}

bool ControlSession::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void ControlSession::succeed()
{
    m_timer->stop();
    if (m_plan.keepOpen) {
        m_step = Open;
    } else {
        m_step = Done;
        m_socket->disconnectFromHost();
    }
    finish(true);
}

void ControlSession::fail(Failure failure, const QString &text)
{
    if (!m_running)
        return;
    m_timer->stop();
    m_failure = failure;
    m_errorText = text;
    if (m_step == AwaitingAcknowledgement)
        m_failedKeyword = m_keyword;
    m_step = Done;
    if (m_socket)
        m_socket->abort();
    finish(false);
}

void ControlSession::finish(bool ok)
{
    m_running = false;
    emit finished(ok);
}
