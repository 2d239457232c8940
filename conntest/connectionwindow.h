#pragma once

#include "datalink.h"
#include "sessionlogwindow.h"
#include "taskwindow.h"
#include "terminalscreen.h"

#include <QPointer>

#include <functional>

class CaptureFile;
class ClickLabel;
class ControlSession;
class Dialogs;
class FileSender;
class QMenu;
class RepeatSender;

class TrafficLog;
struct SendTarget;
class QLabel;
class TerminalView;

// What the three connection-test windows share: the title, the byte terminal
// (its model, its view, the hint and "Clear Screen"), the status line, the key
// preview that feeds the terminal, and the paced drawing of received data.
// Each window supplies the link on which typed bytes are sent and switches the
// terminal's connected flag.
class ConnectionWindow : public TaskWindow
{
    Q_OBJECT
public:
    ConnectionWindow(const QString &name, int widthTwips, int heightTwips, QWidget *parent);
    ~ConnectionWindow() override;

    TerminalScreen &terminal() { return m_terminal; }
    const TerminalScreen &terminal() const { return m_terminal; }
    TerminalView *terminalView() const { return m_terminalView; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *hintLabel() const { return m_hintLabel; }
    ClickLabel *clearScreenButton() const { return m_clearScreenButton; }
    QLabel *statusCaptionLabel() const { return m_statusCaptionLabel; }
    QLabel *statusLabel() const { return m_statusLabel; }

    // Key down, character and key up of the terminal, before any control.
    bool keyPreview(QKeyEvent *event) override;

    // Draws received bytes in red, in order. A large arrival is drawn a slice
    // at a time with the event loop running in between, so the window keeps
    // answering; bytes typed meanwhile are drawn behind it.
    void showReceived(const QByteArray &text);

    QString status() const;

    // The terminal's context menu (right click, or the Menu key while the
    // terminal has the focus): "Session Log...", "Capture to File...",
    // "Send File...", "Send Repeatedly..." and "Stop Sending".
    QMenu *createTerminalMenu();
    void showSessionLog();
    // Starts a capture (asking for the file), or stops the one running.
    void toggleCapture();
    void sendFile();
    void sendRepeatedly();
    void stopSending();

    TrafficLog &trafficLog() { return *m_trafficLog; }
    SessionLogWindow *sessionLogWindow() const { return m_sessionLogWindow; }
    bool isCapturing() const;
    bool isSending() const;

    // Drawing time of one slice before the window lets other events run.
    static constexpr int SliceMs = 3;
    // Received bytes waiting to be drawn, at most. Beyond it the window leaves
    // the bytes with the receiving link, which holds at most SocketReadLimit
    // of them and then stops reading: a TCP reader is slowed to the drawing
    // pace by its own flow control and nothing is lost; a UDP sender's
    // datagrams wait in the link's queue.
    static constexpr qint64 MaxQueuedDraw = 1024 * 1024;
    static constexpr qint64 SocketReadLimit = 64 * 1024;

    // A reader address that a socket can use: looksLikeAddress's check, and the text
    // without its outer blanks really is a dotted IPv4 address (looksLikeAddress
    // lets "a.b.c.d" or "1.2.3. 4" through, which would be looked up as host
    // names).
    static bool isReaderAddress(const QString &text);
    // The tooltip of "Unable to Listen" for a failure of the given kind on a port.
    static QString listenFailureExplanation(QAbstractSocket::SocketError kind, int port,
                                            const QString &systemMessage);

signals:
    // Every text the status line is given, in order.
    void statusChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

    // The window's heading, centred at the top.
    void addTitle(const QString &text);
    // The "Current Status" caption and the status line under it.
    void addStatusLine(const QString &initialText);
    // The status text, and the explanation its tooltip gives (none by default).
    void setStatus(const QString &text, const QString &explanation = QString());
    // "Unable to Listen", with why in the tooltip: a port that needs a
    // privilege, a port another program holds, or the system's own words.
    void showListenFailure(const DataLink &link);
    void setSendingLink(DataLink *link) { m_sendingLink = link; }
    // The link whose data the terminal draws: its bytes are taken as fast as
    // the drawing keeps up (see MaxQueuedDraw). TCP: every byte as it came;
    // UDP: whole datagrams, each announced to datagramTaken() first.
    void setReceivingLink(DataLink *link);
    virtual void datagramTaken(DataLink *link) { Q_UNUSED(link); }
    // A session starts and ends here: recording and sending follow it.
    void setConnected(bool connected);
    // The dialogs of the terminal's menu.
    void setDialogs(Dialogs &dialogs) { m_dialogs = &dialogs; }
    bool connected() const { return m_terminal.connected(); }

    // Logs in on the reader's control port with the password as typed and
    // stays logged in; 'finished' is called with the outcome. The session
    // belongs to the window and is ended by endLogin().
    ControlSession *startLogin(const QString &readerAddress, quint16 controlPort, const QString &password,
                               const std::function<void(bool)> &finished);
    // Abandons the login or closes the logged-in connection, at once and
    // without a finished() (also from inside the session's own signal).
    void endLogin(QPointer<ControlSession> &session);

    // The two action labels every connection test has, each over its grey
    // rounded rectangle: the one that starts a session on the left, the one
    // that ends it on the right. Each is named by the name given.
    ClickLabel *addStartButton(const QString &name, const QString &text);
    ClickLabel *addStopButton(const QString &name, const QString &text);
    // The tab order: the fields in the order given, the terminal, the two
    // action labels and "Clear Screen". The first field gets the focus.
    void arrangeTabOrder(const QList<QWidget *> &fields, ClickLabel *start, ClickLabel *stop);

private:
    // Puts the action label over its grey rounded rectangle (positions in twips).
    ClickLabel *addButton(const QString &name, const QString &text, const QRect &backgroundTwips,
                          const QRect &labelTwips);
    static int terminalKeyCode(const QKeyEvent *event);
    void send(const TerminalScreen::KeyResult &result);
    void drawSlice();
    void receive();
    void takeArrivals();
    void clearScreen();
    void showTerminalMenu(const QPoint &position);
    // Hands bytes to the sending link; on success they are recorded (and,
    // when drawn is false, drawn as typed bytes are).
    bool sendOnLink(const QByteArray &bytes, bool drawn);
    void record(quint8 direction, const QByteArray &bytes, const QString &peer);
    QString sendingPeer() const;
    QString receivingPeer() const;
    SendTarget sendTarget();
    void captureFailed(const QString &reason);
    void showSendingProgress(const QString &text);

    TerminalScreen m_terminal;
    TerminalView *m_terminalView;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_hintLabel;             // "Use the F10 key ..."
    ClickLabel *m_clearScreenButton;
    QLabel *m_statusCaptionLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPointer<DataLink> m_sendingLink;
    QPointer<DataLink> m_receivingLink;
    bool m_sliceScheduled = false;
    Dialogs *m_dialogs = nullptr;
    TrafficLog *m_trafficLog;
    CaptureFile *m_capture;
    FileSender *m_fileSender;
    RepeatSender *m_repeatSender;
    QPointer<SessionLogWindow> m_sessionLogWindow;
};
