#pragma once

#include "taskwindow.h"
#include "socketcontrol.h"
#include "terminalscreen.h"

#include <QPointer>

class ClickLabel;
class QLabel;
class TerminalView;

// What the three connection-test windows share: the byte terminal (its model,
// the screen pop1, the hint and "Clear Screen"), the key preview that feeds
// it, and the paced drawing of received data. Each window supplies the socket
// on which typed bytes are sent and switches the terminal's connected flag.
class ConnectionTestWindow : public TaskWindow
{
    Q_OBJECT
public:
    ConnectionTestWindow(const QString &name, int widthTwips, int heightTwips, QWidget *parent);

    TerminalScreen &terminal() { return m_terminal; }
    TerminalView *terminalView() const { return pop1; }
    ClickLabel *clearScreenButton() const { return Label4; }

    // Key down, character and key up of the terminal, before any control.
    bool keyPreview(QKeyEvent *event) override;

    // Draws received bytes in red, in order. A large arrival is drawn a slice
    // at a time with the event loop running in between, so the window keeps
    // answering; bytes typed meanwhile are drawn behind it.
    void showreceived(const QByteArray &text);

    QString status() const;

    // Drawing time of one slice before the window lets other events run.
    static constexpr int SliceMs = 3;

signals:
    // Every text the status line (Label1(5)) is given, in order.
    void statusChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

    // The "Current Status" caption and the status line under it.
    void addStatusLine(const QString &initialText);
    void setStatus(const QString &text);
    void setSendingSocket(SocketControl *socket) { m_sendingSocket = socket; }
    void setConnected(bool connected) { m_terminal.setConnected(connected); }
    bool connected() const { return m_terminal.connected(); }

    // Puts the action label over its grey rounded rectangle (positions in twips).
    ClickLabel *addButton(const QString &labelName, const QString &text, const QString &shapeName,
                          const QRect &shapeTwips, const QRect &labelTwips);

private:
    static int terminalKeyCode(const QKeyEvent *event);
    void send(const TerminalScreen::KeyResult &result);
    void drawSlice();
    void clearScreen();

    TerminalScreen m_terminal;
    TerminalView *pop1;     // the terminal screen
    QLabel *m_hint;         // Label1(6): "Use the F10 key ..."
    ClickLabel *Label4;     // "Clear Screen"
    QLabel *m_status = nullptr; // Label1(5): current status
    QPointer<SocketControl> m_sendingSocket;
    bool m_sliceScheduled = false;
};
