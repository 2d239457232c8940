#pragma once

#include "datasession.h"
#include "sessionlogwindow.h"
#include "taskwindow.h"
#include "terminalscreen.h"
#include "uikit.h"

#include <QList>
#include <QPointer>

class ClickLabel;
class Dialogs;
class FilteredLineEdit;
class QLabel;
class QMenu;
class TerminalView;

// What the three connection-test windows share: the byte terminal (its
// model, its view, the hint and "Clear Screen"), the key preview that feeds
// it, the paced drawing of what the data session sends and receives, and the
// terminal's menu. The window's own fields, its two action labels and its
// status line are laid out from a Frame; the data session does the rest, and
// each window drives it and switches the terminal's connected flag.
class ConnectionWindow : public TaskWindow
{
    Q_OBJECT
public:
    // The parts above the terminal, which differ between the windows.
    struct Frame {
        const char *name;
        int widthTwips;
        int heightTwips;
        const char *title;
        QList<ui::FieldSpec> fields;    // in tab order
        const char *startName;          // the action label on the left ("Connect")
        const char *startText;
        const char *stopName;           // the one on the right ("Disconnect")
        const char *stopText;
        const char *initialStatus;
        DataSession::Transport transport;
    };

    ConnectionWindow(const Frame &frame, Dialogs &dialogs, QWidget *parent);

    // The reader's data port ("dataPortEdit"), the readers' default at first.
    static ui::FieldSpec dataPortField(const char *caption, int captionLeft, int fieldLeft, int top);
    // The reader's control port and password for the data session's login,
    // one under the other: captions from 'captionLeft', fields from
    // 'fieldLeft', the first row at 'top' (twips). A blank password: no login.
    static QList<ui::FieldSpec> controlLoginFields(int captionLeft, int fieldLeft, int top);
    ~ConnectionWindow() override;

    DataSession *session() const { return m_session; }
    TerminalScreen &terminal() { return m_terminal; }
    const TerminalScreen &terminal() const { return m_terminal; }
    TerminalView *terminalView() const { return m_terminalView; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *hintLabel() const { return m_hintLabel; }
    ClickLabel *clearScreenButton() const { return m_clearScreenButton; }
    QLabel *statusCaptionLabel() const { return m_statusCaptionLabel; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QString status() const;

    // Key down, character and key up of the terminal, before any control;
    // Ctrl+1 to Ctrl+9 send saved sends 1 to 9.
    bool keyPreview(QKeyEvent *event) override;

    // Draws received bytes in red, in order. A large arrival is drawn a slice
    // at a time with the event loop running in between, so the window keeps
    // answering; bytes typed meanwhile are drawn behind it.
    void showReceived(const QByteArray &text);

    // The terminal's context menu (right click, or the Menu key while the
    // terminal has the focus): "Session Log...", "Capture to File...",
    // "Send File...", "Send Repeatedly...", "Stop Sending" and "Saved Sends".
    QMenu *createTerminalMenu();
    void showSessionLog();
    // Starts a capture (asking for the file), or stops the one running.
    void toggleCapture();
    void sendFile();
    void sendRepeatedly();
    void stopSending();
    // Sends saved send 'index' (from 0) as the list stands now.
    void sendSaved(int index);
    void editSavedSends();

    SessionLogWindow *sessionLogWindow() const { return m_sessionLogWindow; }
    bool isCapturing() const;
    bool isSending() const;

    // Drawing time of one slice before the window lets other events run.
    static constexpr int SliceMs = 3;
    // Received bytes waiting to be drawn, at most. Receiving pauses before an
    // arrival could pass it, and the data waits with the session's link.
    static constexpr qint64 MaxQueuedDraw = 1024 * 1024;

signals:
    // Every text the status line is given, in order.
    void statusChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

    Dialogs &dialogs() const { return m_dialogs; }
    // The fields of the frame, in its order.
    FilteredLineEdit *fieldAt(int index) const { return m_fields.at(index); }
    ClickLabel *startButton() const { return m_startButton; }
    ClickLabel *stopButton() const { return m_stopButton; }
    // The status text, and the explanation its tooltip gives (none by default).
    void setStatus(const QString &text, const QString &explanation = QString());
    // Typed keys are drawn and sent only while connected; ending a session
    // here also ends its sending and its capture.
    void setConnected(bool connected);
    bool connected() const { return m_terminal.connected(); }

private:
    void sendTyped(const TerminalScreen::KeyResult &result);
    void sendEntry(const QString &name, const QString &data);
    void takeReceived(const QByteArray &bytes);
    void drawSent(const QByteArray &bytes);
    void scheduleSlice();
    void drawSlice();
    void clearScreen();
    void showTerminalMenu(const QPoint &position);
    void showSendingProgress(const QString &text);
    // Refuses a send while nothing is connected, with the message that says so.
    bool refusedWhileDisconnected();

    Dialogs &m_dialogs;
    DataSession *m_session;
    TerminalScreen m_terminal;
    TerminalView *m_terminalView;
    QLabel *m_titleLabel;
    QList<FilteredLineEdit *> m_fields;
    ClickLabel *m_startButton;
    ClickLabel *m_stopButton;
    QLabel *m_statusCaptionLabel;
    QLabel *m_statusLabel;
    QLabel *m_hintLabel;             // "Use the F10 key ..."
    ClickLabel *m_clearScreenButton;
    bool m_sliceScheduled = false;
    bool m_sendingTyped = false;     // the bytes being sent are on the screen already
    QPointer<SessionLogWindow> m_sessionLogWindow;
};
