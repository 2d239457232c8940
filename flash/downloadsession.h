#pragma once

#include "downloadmessage.h"
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
// the previous one is acknowledged; an acknowledgement is awaited at most 5 s.
// The image must be 1 to 255 whole blocks (FirmwareImage::checkLength); any
// other is refused before a connection is opened.
class DownloadSession : public QObject
{
    Q_OBJECT
public:
    enum Failure { NoFailure, BadImage, NoControlPort, NoDownloadPort, NotResponding, Stopped };
    Q_ENUM(Failure)

    struct Options {
        QHostAddress address;
        quint16 controlPort = 87;
        QByteArray password;
        QByteArray image;             // the whole image, read and checked beforehand
        bool restart = true;          // send the restart message after the last block
        quint16 downloadPort = 53005;
        int connectMs = 3000;         // each connection
        int loginMs = 3000;           // the "PASS" acknowledgement
        int acknowledgementMs = 5000; // each download acknowledgement
        int restartMs = 2000;         // after the restart message, for the reader to close
    };

    explicit DownloadSession(QObject *parent = nullptr);
    ~DownloadSession() override;

    // finished() follows exactly once.
    void start(const Options &options);
    void stop();

    bool isRunning() const { return m_running; }
    Failure failure() const { return m_failure; }
    QString errorText() const { return m_errorText; }
    int blockCount() const { return m_blockCount; }
    int blocksDone() const { return m_blocksDone; }

signals:
    void progress(int blocksDone, int blockCount);
    void finished(bool ok);

private:
    enum Step { Idle, LoggingIn, Connecting, AwaitingAnnounce, AwaitingBlock, Restarting, Done };

    void loggedIn(bool ok);
    void downloadConnected();
    void readyRead();
    void socketError();
    void timedOut();
    void sendMessage(const QByteArray &message, Step next);
    void sendNextBlock();
    void fail(Failure failure, const QString &text);
    void finish(bool ok);

    Options m_options;
    ControlSession *m_control = nullptr;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_timer = nullptr;
    Step m_step = Idle;
    // One byte more than an acknowledgement is kept: enough to know a reply is none.
    ReplyBuffer m_reply{DownloadMessage::ReplyLimit};
    int m_blockCount = 0;
    int m_blocksDone = 0;
    bool m_running = false;
    Failure m_failure = NoFailure;
    QString m_errorText;
};
