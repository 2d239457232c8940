#include "downloadport.h"

#include "simulatedreader.h"

namespace {
constexpr int MessageSize = 1 + SimulatedDownloadPort::BlockSize;

const QByteArray Ok = "OK\r";

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
} // namespace

SimulatedDownloadPort::SimulatedDownloadPort(SimulatedReader &reader)
    : ReplyingPort(reader, Channel::Download, QStringLiteral("download"))
{
}

void SimulatedDownloadPort::takeMessages(Connection *connection)
{
    while (connection->buffer.size() >= MessageSize) {
        const QByteArray message = connection->buffer.left(MessageSize);
        connection->buffer.remove(0, MessageSize);
        handleMessage(connection, message);
        if (!isOpen(connection))
            return;
    }
}

void SimulatedDownloadPort::handleMessage(Connection *connection, const QByteArray &message)
{
    SimulatedReader &reader = m_reader;
    if (!reader.m_loginSeen)
        return;
    const char letter = message.at(0);
    if (letter == 'A') {
        const int count = quint8(message.at(1));
        if (count == 0)
            return;
        m_image.clear();
        m_blocksAnnounced = count;
        reader.answer(connection->writer, faultTarget::DownloadAnnounce, Ok);
    } else if (letter == 'B') {
        if (m_blocksAnnounced == 0 || blocksReceived() >= m_blocksAnnounced)
            return;
        if (reader.answer(connection->writer, faultTarget::DownloadBlock, Ok))
            m_image += message.mid(1);
    } else if (letter == 'D') {
        if (m_blocksAnnounced == 0 || m_image.size() != m_blocksAnnounced * BlockSize)
            return;
        if (!reader.answer(connection->writer, faultTarget::DownloadRestart, Ok))
            return;
        m_firmwareImage = m_image;
        m_image.clear();
        m_blocksAnnounced = 0;
        ReaderConfig &stored = reader.m_stored;
        stored.firmware = stored.firmwareAfterDownload.isEmpty() ? nextVersion(stored.firmware)
                                                                 : stored.firmwareAfterDownload;
        emit reader.firmwareReceived(m_firmwareImage);
        reader.restartAfterReplies(connection->writer);
    }
}
