#pragma once

#include "downloadmessage.h"
#include "controlarray.h"
#include "firmwareimage.h"
#include "replybuffer.h"
#include "taskwindow.h"

#include <QByteArray>
#include <QString>

class ClickLabel;
class Dialogs;
class QEventLoop;
class QLabel;
class QLineEdit;
class QTimer;
class SocketControl;

// "Flash Download new firmware into Reader": logs in on the reader's control
// port, keeps that login open, and sends a firmware image over the download
// port (53005) in acknowledged 1024-byte blocks, then offers to restart the
// reader with it.
class FlashReaderWindow : public TaskWindow
{
    Q_OBJECT
public:
    explicit FlashReaderWindow(Dialogs &dialogs, QWidget *parent = nullptr);
    ~FlashReaderWindow() override;

    // True from the moment a download passed its checks until it has ended.
    bool downloadRunning() const { return m_running; }

    // Test-only: the acknowledgement time-out (5000 ms) and the pause after
    // the restart message (2000 ms). Values below 1 restore the defaults.
    static void setTimerIntervals(int acknowledgementMs, int restartPauseMs);

private:
    enum class WaitResult { Done, TimedOut, Gone };

    // Event handlers.
    void selectFile();                       // click on "Select File"
    void download();                         // click on "Start Download"
    void requestAbort();                     // click on "Abort Download"
    void timerTick();
    void controlDataArrival(qint64 totalBytes);
    void downloadDataArrival(qint64 totalBytes);

    void runDownload(const QString &address, quint16 controlPort, const QString &password);
    WaitResult waitAcknowledgement();
    WaitResult waitRestartPause();
    // Sleeps until an event of interest (data, timer tick, click) has run;
    // false when the program is shutting down. The window may be gone on return.
    bool sleepUntilWoken();
    void wake();
    void closeConnections();
    void setStatus(const QString &statusText, bool repaintNow = false);

    Dialogs &m_dialogs;

    // heading, "Password", "Control Port Number", "IP Address", path of the
    // chosen file, status line
    ControlArray<QLabel> Label1{QStringLiteral("Label1")};
    QLineEdit *Text3;        // reader address
    QLineEdit *Text4;        // control port
    QLineEdit *Text1;        // control-port password
    ClickLabel *Label2;      // "Select File"
    ClickLabel *Label3;      // "Start Download"
    ClickLabel *Label4;      // "Abort Download"
    QTimer *Timer1;          // time-out clock of the waits
    SocketControl *Winsock2; // control-port connection
    SocketControl *Winsock1; // download-port connection

    QString m_selectedFile;
    ReplyBuffer m_replyBuffer{DownloadMessage::ReplyLimit};    // control port
    ReplyBuffer m_downloadReply{DownloadMessage::ReplyLimit};  // download port
    bool m_timedOut = false;
    bool m_abort = false;
    bool m_running = false;
    FirmwareImage m_image;

    QEventLoop *m_waitLoop = nullptr;
    bool m_woken = false;
};
