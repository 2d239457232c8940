#pragma once

#include "replyingport.h"

// The firmware download port of a simulated reader: messages of 1025 bytes
// (a letter and 1024 bytes), taken only after a control login since the
// reader started. "A" announces the block count, each "B" carries a block,
// "D" restarts the reader with the image once it is complete; each is
// acknowledged with "OK" CR. A block before the announce or beyond the
// announced count, and a "D" before the image is complete, get no answer.
class SimulatedDownloadPort : public ReplyingPort
{
    Q_OBJECT
public:
    static constexpr int BlockSize = 1024;

    explicit SimulatedDownloadPort(SimulatedReader &reader);

    // The last complete image, kept from its "D" on.
    QByteArray firmwareImage() const { return m_firmwareImage; }
    // The blocks of the image being received.
    int blocksReceived() const { return int(m_image.size() / BlockSize); }

private:
    void takeMessages(Connection *connection) override;
    void handleMessage(Connection *connection, const QByteArray &message);

    QByteArray m_image;
    int m_blocksAnnounced = 0;
    QByteArray m_firmwareImage;
};
