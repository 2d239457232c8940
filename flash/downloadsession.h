#pragma once

#include "defaults.h"
#include "downloadmessage.h"
#include "firmwareimage.h"
#include "replybuffer.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

class ControlSession;
class QTcpSocket;
class QTimer;

// One firmware download driven by socket events, so that many readers can be
// loaded at once on one thread: the control-port login (kept open for the
// whole download), then on the download port the announce, each block and,
// unless told otherwise, the restart message. Each message is sent the moment
// the previous one is acknowledged; an acknowledgement is awaited at most 5 s,
// and a reply that can no longer become one, or a lost connection, ends the
// download at once. The image must be 1 to 255 whole blocks
// (FirmwareImage::checkLength); an image in memory of any other length is
// refused before a connection is opened.
class DownloadSession : public QObject
{
    Q_OBJECT
public:
    enum Failure { NoFailure, BadImage, NoControlPort, NoDownloadPort, NotResponding, ImageUnreadable, Stopped };
    Q_ENUM(Failure)

    // How long each step may take.
    struct Limits {
        int connectMs = 3000;         // each connection
        int loginMs = 3000;           // the "PASS" acknowledgement
        int acknowledgementMs = 5000; // each download acknowledgement
        int restartMs = 2000;         // after the restart message, for the reader to close
    };

    struct Options : Limits {
        QHostAddress address;
        quint16 controlPort = defaults::ControlPort;
        QByteArray password;
        QByteArray image;             // the whole image, read and checked beforehand
        // Instead of image: the image file, opened once the download port is
        // connected and read one block at a time as the download goes on. A
        // file that cannot be opened then, or ends early, fails the download
        // (ImageUnreadable, with the message for the user as errorText()).
        QString imagePath;
        bool restart = true;          // send the restart message after the last block
        // After the last block: emit allBlocksAcknowledged() and wait, without
        // a limit, for restartReader() or closeWithoutRestart(); restart is
        // then not looked at.
        bool decideRestartLater = false;
        // After the restart message: end as soon as the reader closes the
        // connection (at most restartMs), or always give it the full restartMs.
        bool restartEndsOnClose = true;
        quint16 downloadPort = defaults::DownloadPort;
    };

    explicit DownloadSession(QObject *parent = nullptr);
    ~DownloadSession() override;

    // finished() follows exactly once. Do not delete the session in a slot
    // called directly by one of its signals; deleteLater() it.
    void start(const Options &options);
    // Ends the download at once, closing both connections: finished(false)
    // with Stopped follows unless it had already finished.
    void stop();
    // Ends the download once the block in flight (or the first one, if none
    // was sent yet) is acknowledged, unless that was the last one: then the
    // download goes on to its end. A new start() forgets the request.
    void stopAfterCurrentBlock();
    // Only with Options::decideRestartLater, once allBlocksAcknowledged() came.
    void restartReader();
    void closeWithoutRestart();

    bool isRunning() const { return m_running; }
    Failure failure() const { return m_failure; }
    QString errorText() const { return m_errorText; }
    // Of the image being downloaded (known once an image file is opened).
    int blockCount() const { return m_blockCount; }
    // The blocks the reader has acknowledged: after a failure, where the
    // download stopped.
    int blocksDone() const { return m_blocksDone; }

signals:
    void loggedIn();
    void downloadPortConnected();
    // Each just before it goes out; block counts from 1.
    void sendingAnnounce(int blockCount);
    void sendingBlock(int block, int blockCount);
    void progress(int blocksDone, int blockCount);
    // Only with Options::decideRestartLater.
    void allBlocksAcknowledged();
    void finished(bool ok);

private:
    enum Step { Idle, LoggingIn, Connecting, AwaitingAnnounce, AwaitingBlock, AwaitingDecision, Restarting, Done };

    void connectDownloadPortAfterLogin(bool ok);
    void announceImage();
    void readyRead();
    void failOnSocketError();
    void giveUp();
    void sendMessage(const QByteArray &message, Step next);
    void sendNextBlock();
    bool nextBlock(QByteArray *body);
    void closeConnections();
    void fail(Failure failure, const QString &text);
    void succeed();

    Options m_options;
    ControlSession *m_control = nullptr;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_timer = nullptr;
    FirmwareImage m_imageFile;
    Step m_step = Idle;
    // One byte more than an acknowledgement is kept: enough to know a reply is none.
    ReplyBuffer m_reply{downloadMessage::ReplyLimit};
    int m_blockCount = 0;
    int m_blocksDone = 0;
    bool m_stopAfterBlock = false;
    bool m_connectionLost = false;
    bool m_sending = false;  // inside the write of a message
    bool m_running = false;
    Failure m_failure = NoFailure;
    QString m_errorText;
};
