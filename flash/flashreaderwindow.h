#pragma once

#include "downloadsession.h"
#include "taskwindow.h"

#include <QString>

class ClickLabel;
class Dialogs;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QTimer;

// "Flash Download new firmware into Reader": logs in on the reader's control
// port, keeps that login open, and sends a firmware image over the download
// port in acknowledged blocks, then offers to restart the reader with it.
// The download runs on a DownloadSession; the window shows its steps in the
// status line and its failures as messages.
class FlashReaderWindow : public TaskWindow
{
    Q_OBJECT
public:
    explicit FlashReaderWindow(Dialogs &dialogs, QWidget *parent = nullptr);
    ~FlashReaderWindow() override;

    // True from the moment a download passed its checks until it has ended
    // and its outcome was shown.
    bool downloadRunning() const { return m_running; }

    QLabel *headingLabel() const { return m_headingLabel; }
    QLabel *addressLabel() const { return m_addressLabel; }
    QLineEdit *addressEdit() const { return m_addressEdit; }
    QLabel *controlPortLabel() const { return m_controlPortLabel; }
    QLineEdit *controlPortEdit() const { return m_controlPortEdit; }
    QLabel *passwordLabel() const { return m_passwordLabel; }
    QLineEdit *passwordEdit() const { return m_passwordEdit; }
    ClickLabel *browseButton() const { return m_browseButton; }
    QLabel *fileLabel() const { return m_fileLabel; }
    ClickLabel *downloadButton() const { return m_downloadButton; }
    ClickLabel *abortButton() const { return m_abortButton; }
    QLabel *statusLabel() const { return m_statusLabel; }
    DownloadSession *downloadSession() const { return m_downloadSession; }

    // Test seam: other limits than the real ones (3 s for each connection and
    // the login, 5 s for each acknowledgement, a pause of 2 s after the
    // restart message), for the downloads started from then on.
    void setLimits(const DownloadSession::Limits &limits) { m_limits = limits; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Event handlers.
    void selectFile();     // click on "Select File"
    void startDownload();  // click on "Start Download"
    void abortDownload();  // click on "Abort Download"

    // What the download session reports.
    void askRestart();
    void showOutcome(bool ok);

    // Ends a running download at once, without a message.
    void cancelDownload();
    void showBlockStatus(int block, int blockCount);
    void setStatus(const QString &statusText);

    Dialogs &m_dialogs;

    QLabel *m_headingLabel;
    QLabel *m_addressLabel;
    QLineEdit *m_addressEdit;
    QLabel *m_controlPortLabel;
    QLineEdit *m_controlPortEdit;
    QLabel *m_passwordLabel;
    QLineEdit *m_passwordEdit;
    ClickLabel *m_browseButton;
    QLabel *m_fileLabel;       // path of the chosen file
    ClickLabel *m_downloadButton;
    ClickLabel *m_abortButton;
    QLabel *m_statusLabel;
    QTimer *m_statusDrawTimer;  // while it runs, block numbers are not drawn
    DownloadSession *m_downloadSession;
    DownloadSession::Limits m_limits;

    QString m_selectedFile;
    bool m_running = false;
};
