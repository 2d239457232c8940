#pragma once

#include "connectionwindow.h"

class Dialogs;
class FilteredLineEdit;

// "Server Connect": tests a reader that works as a TCP server. Optionally
// logs in on the reader's control port first, then connects to its data port;
// the terminal then shows the reader's bytes and sends every key typed.
class ServerConnectWindow : public ConnectionWindow
{
    Q_OBJECT
public:
    explicit ServerConnectWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    void connectClick();
    void disconnectClick();

    // What the control connection delivered since the login line was sent
    // (at most ControlReplyLimit bytes).
    const QByteArray &replyBuffer() const { return m_replyBuffer.bytes(); }

private:
    void readReply();
    void failureExit();

    Dialogs &m_dialogs;
    FilteredLineEdit *Text3;  // reader IP address
    FilteredLineEdit *Text2;  // reader data port
    FilteredLineEdit *Text4;  // reader control port
    FilteredLineEdit *Text1;  // control password (optional)
    ClickLabel *Label2;       // "Connect"
    ClickLabel *Label3;       // "Disconnect"
    SocketControl *Winsock1;  // data connection
    SocketControl *Winsock2;  // control connection
    ReplyBuffer m_replyBuffer{ControlReplyLimit};
    bool m_connecting = false;
    int m_session = 0;        // advanced by Disconnect, so a running Connect gives up
};
