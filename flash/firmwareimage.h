#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A firmware image file: checked for a usable length, then read strictly in
// order, one block at a time. A usable image is 1 to 255 whole blocks,
// because the block count travels in one byte and every block is full.
class FirmwareImage
{
public:
    enum Check { Usable, CannotOpen, Empty, NotWholeBlocks, TooLarge };

    static Check checkLength(qint64 length);
    // Looks at the file on disk without opening it: CannotOpen when it is not
    // an existing readable file, else the verdict on its length.
    static Check checkFile(const QString &path);
    // The message that refuses a file; empty for Usable.
    static QString refusal(Check check, const QString &path, qint64 length);
    // Message for a file that disappeared or failed while it was being read.
    static QString readFailure(const QString &path);

    // Opens the file and takes its length; false (with nothing left open)
    // when it cannot be opened or its length is not usable; lastCheck() says why.
    bool open(const QString &path);
    // The next block, in file order. False when the file ends
    // early or cannot be read; a false read leaves the image where it was.
    bool readBlock(QByteArray &body);
    void close();

    bool isOpen() const { return m_file.isOpen(); }
    qint64 length() const { return m_length; }
    int blockCount() const;
    qint64 bytesRead() const { return m_bytesRead; }
    bool complete() const { return m_bytesRead == m_length; }
    Check lastCheck() const { return m_lastCheck; }

private:
    QFile m_file;
    qint64 m_length = 0;
    qint32 m_bytesRead = 0;
    Check m_lastCheck = CannotOpen;
};
