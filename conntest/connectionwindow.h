#pragma once

#include "replybuffer.h"
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
class ConnectionWindow : public TaskWindow
{
    Q_OBJECT
public:
    ConnectionWindow(const QString &name, int widthTwips, int heightTwips, QWidget *parent);

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
    // Received bytes waiting to be drawn, at most. Beyond it the window leaves
    // the bytes with the receiving socket, which holds at most
    // SocketReadLimit of them and then stops reading: a TCP reader is slowed
    // to the drawing pace by its own flow control and nothing is lost; a UDP
    // sender's datagrams wait in the socket's queue.
    static constexpr qint64 MaxQueuedDraw = 1024 * 1024;
    static constexpr qint64 SocketReadLimit = 64 * 1024;
    // The reply buffer of the control connection that Server and Client
    // Connect log in on. The login waits for it to hold exactly "OK" CR;
    // whatever the reader sends later on that connection is kept there and
    // never shown. A longer buffer can no longer become "OK" CR until it is
    // emptied before the next command, so keeping only this much changes no
    // outcome, while a reader that keeps sending cannot grow it without bound.
    static constexpr qsizetype ControlReplyLimit = 64;

    // A reader address that a socket can use: isvalidip's check, and the text
    // without its outer blanks really is a dotted IPv4 address (isvalidip
    // lets "a.b.c.d" or "1.2.3. 4" through, which would be looked up as host
    // names).
    static bool isReaderAddress(const QString &text);
    // The tooltip of "Unable to Listen" for a failure of the given kind on a port.
    static QString listenFailureExplanation(QAbstractSocket::SocketError kind, int port,
                                            const QString &systemMessage);

signals:
    // Every text the status line (Label1(5)) is given, in order.
    void statusChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

    // The "Current Status" caption and the status line under it.
    void addStatusLine(const QString &initialText);
    // The status text, and the explanation its tooltip gives (none by default).
    void setStatus(const QString &text, const QString &explanation = QString());
    // "Unable to Listen", with why in the tooltip: a port that needs a
    // privilege, a port another program holds, or the system's own words.
    void showListenFailure(const SocketControl &socket);
    void setSendingSocket(SocketControl *socket) { m_sendingSocket = socket; }
    // The socket whose data the terminal draws: its bytes are taken as fast as
    // the drawing keeps up (see MaxQueuedDraw). TCP: every byte as it came;
    // UDP: whole datagrams, each announced to datagramTaken() first.
    void setReceivingSocket(SocketControl *socket);
    virtual void datagramTaken(SocketControl *socket) { Q_UNUSED(socket); }
    void setConnected(bool connected) { m_terminal.setConnected(connected); }
    bool connected() const { return m_terminal.connected(); }

    // The two action labels every connection test has, each over its grey
    // rounded rectangle: Label2 on the left (Shape1), Label3 on the right (Shape2).
    void addActionButtons(const QString &leftText, const QString &rightText, ClickLabel *&left, ClickLabel *&right);
    // The tab order: the fields in the order given, the terminal, the two
    // action labels and "Clear Screen". The first field gets the focus.
    void arrangeTabOrder(const QList<QWidget *> &fields, ClickLabel *left, ClickLabel *right);

    // Puts the action label over its grey rounded rectangle (positions in twips).
    ClickLabel *addButton(const QString &labelName, const QString &text, const QString &shapeName,
                          const QRect &shapeTwips, const QRect &labelTwips);

private:
    static int terminalKeyCode(const QKeyEvent *event);
    void send(const TerminalScreen::KeyResult &result);
    void drawSlice();
    void receive();
    void takeArrivals();
    void clearScreen();

    TerminalScreen m_terminal;
    TerminalView *pop1;     // the terminal screen
    QLabel *m_hint;         // Label1(6): "Use the F10 key ..."
    ClickLabel *Label4;     // "Clear Screen"
    QLabel *m_status = nullptr; // Label1(5): current status
    QPointer<SocketControl> m_sendingSocket;
    QPointer<SocketControl> m_receivingSocket;
    bool m_sliceScheduled = false;
};
