#include "downloadsession.h"

#include "controlsession.h"
#include "downloadmessage.h"

#include <QTcpSocket>
#include <QTimer>

DownloadSession::DownloadSession(QObject *parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; a limit is never shorter than stated.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &DownloadSession::giveUp);
}

DownloadSession::~DownloadSession()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
    if (m_control) {
        m_control->disconnect(this);
        m_control->stop();
    }
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
    m_stopAfterBlock = false;
    m_connectionLost = false;
    m_imageFile.close();
    // What an earlier run left is let go of once its signals are over.
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    if (m_control) {
        m_control->disconnect(this);
        m_control->deleteLater();
        m_control = nullptr;
    }

    const bool fromFile = !options.imagePath.isEmpty();
    m_blockCount = fromFile ? 0 : int(options.image.size() / defaults::DownloadBlockSize);
    if (!fromFile && FirmwareImage::checkLength(options.image.size()) != FirmwareImage::Usable) {
        m_step = Done;
        QTimer::singleShot(0, this, [this] {
            fail(BadImage, QStringLiteral("the image is not 1 to %1 whole blocks of %2 bytes")
                               .arg(downloadMessage::MaxBlocks)
                               .arg(defaults::DownloadBlockSize));
        });
        return;
    }

    m_control = new ControlSession(this);
    m_control->setLimits({m_options.connectMs, m_options.loginMs});
    connect(m_control, &ControlSession::finished, this, &DownloadSession::connectDownloadPortAfterLogin);
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

void DownloadSession::stopAfterCurrentBlock()
{
    if (m_running)
        m_stopAfterBlock = true;
}

void DownloadSession::restartReader()
{
    if (m_step != AwaitingDecision)
        return;
    if (m_connectionLost) {
        // Nothing can reach the reader any more; it still gets its pause.
        m_reply.clear();
        m_step = Restarting;
        m_timer->start(m_options.restartMs);
        return;
    }
    sendMessage(downloadMessage::restart(), Restarting);
}

void DownloadSession::closeWithoutRestart()
{
    if (m_step == AwaitingDecision)
        succeed();
}

void DownloadSession::connectDownloadPortAfterLogin(bool ok)
{
    if (m_step != LoggingIn)
        return;
    if (!ok) {
        fail(NoControlPort, QStringLiteral("control port: %1").arg(m_control->errorText()));
        return;
    }
    m_step = Connecting;
    emit loggedIn();
    if (m_step != Connecting)
        return;
    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(4096);
    connect(m_socket, &QTcpSocket::connected, this, &DownloadSession::announceImage);
    connect(m_socket, &QTcpSocket::readyRead, this, &DownloadSession::readyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &DownloadSession::failOnSocketError);
    m_timer->start(m_options.connectMs);
    m_socket->connectToHost(m_options.address, m_options.downloadPort);
}

void DownloadSession::announceImage()
{
    if (m_step != Connecting)
        return;
    emit downloadPortConnected();
    if (m_step != Connecting)
        return;
    if (!m_options.imagePath.isEmpty()) {
        // The file may have gone or changed since it was chosen.
        if (!m_imageFile.open(m_options.imagePath)) {
            fail(ImageUnreadable,
                 FirmwareImage::refusal(m_imageFile.lastCheck(), m_options.imagePath, m_imageFile.length()));
            return;
        }
        m_blockCount = m_imageFile.blockCount();
    }
    emit sendingAnnounce(m_blockCount);
    if (m_step == Connecting)
        sendMessage(downloadMessage::announce(m_blockCount), AwaitingAnnounce);
}

void DownloadSession::sendMessage(const QByteArray &message, Step next)
{
    m_reply.clear();
    m_step = next;
    m_timer->start(next == Restarting ? m_options.restartMs : m_options.acknowledgementMs);
    m_sending = true;
    m_socket->write(message);
    // On its way now, not once the event loop comes round to the socket: what
    // runs meanwhile (a window drawing its progress) overlaps the reader's turn.
    m_socket->flush();
    m_sending = false;
}

bool DownloadSession::nextBlock(QByteArray *body)
{
    if (m_options.imagePath.isEmpty()) {
        *body = m_options.image.mid(qsizetype(m_blocksDone) * defaults::DownloadBlockSize, defaults::DownloadBlockSize);
        return true;
    }
    if (!m_imageFile.readBlock(*body))
        return false;
    if (m_blocksDone + 1 == m_blockCount)
        m_imageFile.close();
    return true;
}

void DownloadSession::sendNextBlock()
{
    if (m_blocksDone >= m_blockCount) {
        m_imageFile.close();
        if (m_options.decideRestartLater) {
            m_step = AwaitingDecision;
            m_timer->stop();
            emit allBlocksAcknowledged();
        } else if (m_options.restart) {
            sendMessage(downloadMessage::restart(), Restarting);
        } else {
            succeed();
        }
        return;
    }
    QByteArray body;
    if (!nextBlock(&body)) {
        fail(ImageUnreadable, FirmwareImage::readFailure(m_options.imagePath));
        return;
    }
    emit sendingBlock(m_blocksDone + 1, m_blockCount);
    if (m_step == AwaitingAnnounce || m_step == AwaitingBlock)
        sendMessage(downloadMessage::block(body), AwaitingBlock);
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
    if (!m_reply.overlong() && downloadMessage::isAcknowledgement(m_reply.bytes())) {
        if (m_step == AwaitingBlock) {
            ++m_blocksDone;
            emit progress(m_blocksDone, m_blockCount);
            if (m_step != AwaitingBlock)
                return;
            if (m_stopAfterBlock && m_blocksDone < m_blockCount) {
                fail(Stopped, QStringLiteral("stopped after %1 of %2 blocks").arg(m_blocksDone).arg(m_blockCount));
                return;
            }
        }
        sendNextBlock();
    } else if (m_reply.overlong() || !downloadMessage::mayBecomeAcknowledgement(m_reply.bytes())) {
        // The block refused is the one after the last acknowledged.
        fail(NotResponding, m_step == AwaitingAnnounce
                                ? QStringLiteral("the announce was not acknowledged")
                                : QStringLiteral("block %1 of %2 was not acknowledged").arg(m_blocksDone + 1).arg(m_blockCount));
    }
}

void DownloadSession::failOnSocketError()
{
    if (!m_running)
        return;
    // An acknowledgement may have come just before the connection was lost;
    // if it let the next message go out, that message went nowhere. So did
    // one whose sending failed.
    const Step before = m_step;
    const bool sending = m_sending;
    readyRead();
    if (!m_running)
        return;
    m_connectionLost = true;
    const QString reason = m_socket->errorString();
    switch (m_step) {
    case Connecting:
        fail(NoDownloadPort, QStringLiteral("no connection to the download port (%1)").arg(reason));
        break;
    case AwaitingDecision:
        // Every block is acknowledged; what is left to do needs no answer.
        break;
    case Restarting:
        if (before != Restarting || sending) {
            fail(NotResponding, QStringLiteral("the reader stopped responding after %1 of %2 blocks, before the "
                                               "restart message (%3)").arg(m_blocksDone).arg(m_blockCount).arg(reason));
        } else if (m_options.restartEndsOnClose) {
            // The reader closes the connection when it restarts.
            succeed();
        }
        break;
    default:
        fail(NotResponding, QStringLiteral("the reader stopped responding after %1 of %2 blocks (%3)")
                                .arg(m_blocksDone).arg(m_blockCount).arg(reason));
        break;
    }
}

void DownloadSession::giveUp()
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
        succeed();
        break;
    default:
        break;
    }
}

void DownloadSession::closeConnections()
{
    m_timer->stop();
    m_imageFile.close();
    if (m_socket)
        m_socket->abort();
    if (m_control)
        m_control->stop();
}

void DownloadSession::fail(Failure failure, const QString &text)
{
    if (!m_running)
        return;
    m_failure = failure;
    m_errorText = text;
    m_step = Done;
    closeConnections();
    m_running = false;
    emit finished(false);
}

void DownloadSession::succeed()
{
    if (!m_running)
        return;
    m_step = Done;
    // Everything sent was acknowledged (or needs no answer): a plain close.
    if (m_socket)
        m_socket->disconnectFromHost();
    closeConnections();
    m_running = false;
    emit finished(true);
}
