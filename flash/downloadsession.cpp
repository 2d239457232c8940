#include "downloadsession.h"

#include "controlsession.h"
#include "downloadmessage.h"
#include "firmwareimage.h"

#include <QTcpSocket>
#include <QTimer>

DownloadSession::DownloadSession(QObject *parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; a limit is never shorter than stated.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &DownloadSession::timedOut);
}

DownloadSession::~DownloadSession()
{
    if (m_socket)
        m_socket->abort();
}

void DownloadSession::start(const Options &options)
{
    if (m_running)
        return;
    m_options = options;
    m_running = true;
    m_failure = NoFailure;
    m_errorText.clear();
    m_blocksDone = 0;
    m_blockCount = int(options.image.size() / DownloadMessage::BlockSize);
    if (FirmwareImage::checkLength(options.image.size()) != FirmwareImage::Usable) {
        m_step = Done;
        QTimer::singleShot(0, this, [this] {
            fail(BadImage, QStringLiteral("the image is not 1 to 255 whole blocks of 1024 bytes"));
        });
        return;
    }

    delete m_control;
    m_control = new ControlSession(this);
    m_control->setLimits({m_options.connectMs, m_options.loginMs});
    connect(m_control, &ControlSession::finished, this, &DownloadSession::loggedIn);
    m_step = LoggingIn;
    ControlSession::Plan plan;
    plan.password = options.password;
    plan.keepOpen = true;
    m_control->start(options.address, options.controlPort, plan);
}

void DownloadSession::stop()
{
    if (m_running)
        fail(Stopped, QStringLiteral("stopped"));
}

void DownloadSession::loggedIn(bool ok)
{
    if (m_step != LoggingIn)
        return;
    if (!ok) {
        fail(NoControlPort, QStringLiteral("control port: %1").arg(m_control->errorText()));
        return;
    }
    delete m_socket;
    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(4096);
    connect(m_socket, &QTcpSocket::connected, this, &DownloadSession::downloadConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &DownloadSession::readyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &DownloadSession::socketError);
    m_step = Connecting;
    m_timer->start(m_options.connectMs);
    m_socket->connectToHost(m_options.address, m_options.downloadPort);
}

void DownloadSession::downloadConnected()
{
    if (m_step == Connecting)
        sendMessage(DownloadMessage::announce(m_blockCount), AwaitingAnnounce);
}

void DownloadSession::sendMessage(const QByteArray &message, Step next)
{
    m_reply.clear();
    m_step = next;
    m_timer->start(next == Restarting ? m_options.restartMs : m_options.acknowledgementMs);
    m_socket->write(message);
}

void DownloadSession::sendNextBlock()
{
    if (m_blocksDone >= m_blockCount) {
        if (!m_options.restart) {
            m_step = Done;
            m_timer->stop();
            m_socket->disconnectFromHost();
            m_control->stop();
            finish(true);
            return;
        }
        sendMessage(DownloadMessage::restart(), Restarting);
        return;
    }
    const QByteArray body = m_options.image.mid(qsizetype(m_blocksDone) * DownloadMessage::BlockSize,
                                                DownloadMessage::BlockSize);
    sendMessage(DownloadMessage::block(body), AwaitingBlock);
}

void DownloadSession::readyRead()
{
    if (!m_socket)
        return;
    while (m_socket->bytesAvailable() > 0) {
        const QByteArray chunk = m_socket->read(4096);
        if (chunk.isEmpty())
            break;
        if (m_step == AwaitingAnnounce || m_step == AwaitingBlock)
            m_reply.append(chunk);
    }
    if (m_step != AwaitingAnnounce && m_step != AwaitingBlock)
        return;
    if (!m_reply.overlong() && DownloadMessage::isAcknowledgement(m_reply.bytes())) {
        if (m_step == AwaitingBlock) {
            ++m_blocksDone;
            emit progress(m_blocksDone, m_blockCount);
        }
        sendNextBlock();
    } else if (m_reply.bytes().size() >= 3 || !QByteArrayLiteral("OK").startsWith(m_reply.bytes().left(2))) {
        // No later byte can make this an acknowledgement.
        fail(NotResponding, m_step == AwaitingAnnounce
                                ? QStringLiteral("the announce was not acknowledged")
                                : QStringLiteral("block %1 of %2 was not acknowledged").arg(m_blocksDone + 1).arg(m_blockCount));
    }
}

void DownloadSession::socketError()
{
    if (!m_running)
        return;
    readyRead();
    if (!m_running)
        return;
    const QString reason = m_socket->errorString();
    switch (m_step) {
    case Connecting:
        fail(NoDownloadPort, QStringLiteral("no connection to the download port (%1)").arg(reason));
        break;
    case Restarting:
        // The reader closes the connection when it restarts.
        m_step = Done;
        m_timer->stop();
        m_control->stop();
        finish(true);
        break;
    default:
        fail(NotResponding, QStringLiteral("the reader stopped responding after %1 of %2 blocks (%3)")
                                .arg(m_blocksDone).arg(m_blockCount).arg(reason));
        break;
    }
}

void DownloadSession::timedOut()
{
    const QString limit = QStringLiteral("within %1 s").arg(m_options.acknowledgementMs / 1000.0);
    switch (m_step) {
    case Connecting:
        fail(NoDownloadPort,
             QStringLiteral("no connection to the download port within %1 s").arg(m_options.connectMs / 1000.0));
        break;
    case AwaitingAnnounce:
        fail(NotResponding, QStringLiteral("the announce was not acknowledged %1").arg(limit));
        break;
    case AwaitingBlock:
        fail(NotResponding, QStringLiteral("block %1 of %2 was not acknowledged %3")
                                .arg(m_blocksDone + 1).arg(m_blockCount).arg(limit));
        break;
    case Restarting:
        m_step = Done;
        m_socket->abort();
        m_control->stop();
        finish(true);
        break;
    default:
        break;
    }
}

void DownloadSession::fail(Failure failure, const QString &text)
{
    if (!m_running)
        return;
    m_timer->stop();
    m_failure = failure;
    m_errorText = text;
    m_step = Done;
    if (m_socket)
        m_socket->abort();
    if (m_control)
        m_control->stop();
    finish(false);
}

void DownloadSession::finish(bool ok)
{
    m_running = false;
    emit finished(ok);
}
