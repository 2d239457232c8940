#include "firmwareimage.h"

#include "downloadmessage.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr int BlockSize = defaults::DownloadBlockSize;
constexpr qint64 MaxLength = qint64(downloadMessage::MaxBlocks) * BlockSize;
} // namespace

FirmwareImage::Check FirmwareImage::checkLength(qint64 length)
{
    if (length <= 0)
        return Empty;
    if (length % BlockSize != 0)
        return NotWholeBlocks;
    if (length > MaxLength)
        return TooLarge;
    return Usable;
}

FirmwareImage::Check FirmwareImage::checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || !info.isReadable())
        return CannotOpen;
    return checkLength(info.size());
}

QString FirmwareImage::refusal(Check check, const QString &path, qint64 length)
{
    const QString rule = QCoreApplication::translate("FirmwareImage", "A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).")
                             .arg(downloadMessage::MaxBlocks)
                             .arg(BlockSize)
                             .arg(MaxLength);
    switch (check) {
    case Usable:
        return {};
    case CannotOpen:
        return QCoreApplication::translate("FirmwareImage", "The selected file cannot be opened:\n%1").arg(path);
    case Empty:
        return QCoreApplication::translate("FirmwareImage", "The selected file is empty and cannot be downloaded.\n") + rule;
    case NotWholeBlocks:
        return QCoreApplication::translate("FirmwareImage", "The selected file (%1 bytes) is not a whole number of %2-byte "
                                                                "blocks and cannot be downloaded.\n").arg(length).arg(BlockSize) + rule;
    case TooLarge:
        return QCoreApplication::translate("FirmwareImage", "The selected file (%1 bytes) is too large to be downloaded.\n").arg(length) + rule;
    }
    return {};
}

QString FirmwareImage::readFailure(const QString &path)
{
    return QCoreApplication::translate("FirmwareImage", "The selected file could not be read:\n%1").arg(path);
}

bool FirmwareImage::open(const QString &path)
{
    close();
    m_length = 0;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_lastCheck = CannotOpen;
        return false;
    }
    m_length = m_file.size();
    m_lastCheck = checkLength(m_length);
    if (m_lastCheck != Usable) {
        m_file.close();
        return false;
    }
    return true;
}

bool FirmwareImage::readBlock(QByteArray &body)
{
    if (!m_file.isOpen() || m_bytesRead >= m_length)
        return false;
    body = m_file.read(BlockSize);
    if (body.size() != BlockSize) {
        m_file.seek(m_bytesRead);
        return false;
    }
    m_bytesRead += BlockSize;
    return true;
}

void FirmwareImage::close()
{
    m_file.close();
    m_bytesRead = 0;
}

int FirmwareImage::blockCount() const
{
    return int(m_length / BlockSize);
}
