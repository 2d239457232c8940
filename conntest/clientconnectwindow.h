#pragma once

#include "connectionwindow.h"

class Dialogs;
class FilteredLineEdit;

// "Client Connect": tests a reader that works as a TCP client. Listens on the
// local data port and accepts the reader's first connection; with a password
// given it also logs in on the reader's control port at the address the
// reader connected from.
class ClientConnectWindow : public ConnectionWindow
{
    Q_OBJECT
public:
    explicit ClientConnectWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    void listenClick();
    void stopClick();

    // What the control connection delivered since the login line was sent
    // (at most ControlReplyLimit bytes).
    const QByteArray &replyBuffer() const { return m_replyBuffer.bytes(); }

private:
    void connectionRequest(qintptr requestId);
    void readReply();

    Dialogs &m_dialogs;
    FilteredLineEdit *Text2;  // local data port
    FilteredLineEdit *Text4;  // reader control port
    FilteredLineEdit *Text1;  // control password (optional)
    ClickLabel *Label2;       // "Listen"
    ClickLabel *Label3;       // "Stop"
    SocketControl *Winsock1;  // listener, then the data connection
    SocketControl *Winsock2;  // control connection
    ReplyBuffer m_replyBuffer{ControlReplyLimit};
    int m_session = 0;        // advanced by Listen and Stop, so a running login gives up
};
