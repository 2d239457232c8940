#include "datasenders.h"

#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {
// A stream link is handed this much at a time, so that the window draws and
// logs in pieces and stays responsive.
constexpr qint64 StreamPiece = 64 * 1024;

FileToSend refused(const QString &text)
{
    return {QByteArray(), text};
}
} // namespace

FileToSend readFileToSend(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const QString tooLarge = QCoreApplication::translate("DataSenders", "%1 is larger than 100 MiB: nothing was sent").arg(name);
    // The size is checked before and after reading: a file may grow meanwhile.
    if (QFileInfo(path).size() > FileSender::MaxFileSize)
        return refused(tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("DataSenders", "Unable to read %1: %2").arg(path, file.errorString()));
    const QByteArray data = file.read(FileSender::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QCoreApplication::translate("DataSenders", "Unable to read %1: %2").arg(path, file.errorString()));
    if (data.isEmpty())
        return refused(QCoreApplication::translate("DataSenders", "%1 is empty: nothing was sent").arg(name));
    if (data.size() > FileSender::MaxFileSize)
        return refused(tooLarge);
    return {data, QString()};
}

FileSender::FileSender(QObject *parent) : QObject(parent), m_pacer(new QTimer(this))
{
    m_pacer->setTimerType(Qt::PreciseTimer);
    m_pacer->setInterval(TickMs);
    connect(m_pacer, &QTimer::timeout, this, &FileSender::sendMore);
}

void FileSender::start(const QByteArray &data, const SendTarget &target)
{
    stop();
    m_data = data;
    m_target = target;
    m_sent = 0;
    m_running = true;
    if (m_target.datagrams)
        m_pacer->start();
    else
        QTimer::singleShot(0, this, &FileSender::sendMore);
}

void FileSender::linkDrained()
{
    if (m_running && !m_target.datagrams)
        sendMore();
}

void FileSender::sendMore()
{
    // Sending may draw and log, which may end the link and with it this run.
    if (!m_running || m_inSend)
        return;
    m_inSend = true;
    const qint64 before = m_sent;
    if (m_target.datagrams) {
        for (int i = 0; i < DatagramsPerTick && m_running && m_sent < m_data.size(); ++i) {
            const QByteArray datagram = m_data.mid(m_sent, DatagramSize);
            if (!m_target.send(datagram))
                break;   // offered again at the next tick
            m_sent += datagram.size();
        }
    } else {
        while (m_running && m_sent < m_data.size()) {
            const qint64 room = MaxQueued - m_target.queuedBytes();
            if (room <= 0)
                break;
            const QByteArray piece = m_data.mid(m_sent, qMin(room, StreamPiece));
            if (!m_target.send(piece)) {
                m_inSend = false;
                end(false);
                return;
            }
            m_sent += piece.size();
        }
    }
    m_inSend = false;
    if (!m_running)
        return;
    if (m_sent != before)
        emit progress(m_sent, m_data.size());
    if (m_sent >= m_data.size())
        end(true);
}

void FileSender::stop()
{
    if (m_running)
        end(false);
}

void FileSender::end(bool complete)
{
    m_running = false;
    m_pacer->stop();
    emit finished(complete);
}

RepeatSender::RepeatSender(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &RepeatSender::tick);
}

void RepeatSender::start(const QByteArray &data, int intervalMs, int count, const SendTarget &target)
{
    stop();
    m_data = data;
    m_intervalMs = qMax(1, intervalMs);
    m_count = qMax(0, count);
    m_target = target;
    m_sent = 0;
    m_running = true;
    m_sinceLast.invalidate();
    m_timer->start(0);
}

void RepeatSender::tick()
{
    if (!m_running)
        return;
    // A timer may fire a little early: the interval is a lower bound.
    if (m_sinceLast.isValid() && m_sinceLast.elapsed() < m_intervalMs) {
        m_timer->start(int(m_intervalMs - m_sinceLast.elapsed()));
        return;
    }
    // A stream link that still holds the previous send lets this one wait.
    if (!m_target.datagrams && m_target.queuedBytes && m_target.queuedBytes() > 0) {
        m_timer->start(1);
        return;
    }
    m_sinceLast.start();
    if (!m_target.send(m_data)) {
        end(false);
        return;
    }
    if (!m_running)
        return;
    ++m_sent;
    emit sent(m_sent);
    if (!m_running)
        return;
    if (m_count > 0 && m_sent >= m_count)
        end(true);
    else
        m_timer->start(m_intervalMs);
}

void RepeatSender::stop()
{
    if (m_running)
        end(false);
}

void RepeatSender::end(bool complete)
{
    m_running = false;
    m_timer->stop();
    emit finished(complete);
}
