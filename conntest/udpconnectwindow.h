#pragma once

#include "connectionwindow.h"

class Dialogs;
class FilteredLineEdit;

// "Udp Connect": tests a reader whose data port works over UDP. Every byte
// typed goes out as a one-byte datagram to the reader's data port; every
// datagram arriving on the local receive port is drawn, with its sender in
// the status line.
class UdpConnectWindow : public ConnectionWindow
{
    Q_OBJECT
public:
    explicit UdpConnectWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    void listenClick();
    void stopClick();

protected:
    void datagramTaken(SocketControl *socket) override;

private:

    Dialogs &m_dialogs;
    FilteredLineEdit *Text3;  // reader IP address
    FilteredLineEdit *Text2;  // local receive port
    FilteredLineEdit *Text1;  // reader data port
    ClickLabel *Label2;       // "Listen"
    ClickLabel *Label3;       // "Stop"
    SocketControl *Winsock1;  // sender, addressed to the reader's data port
    SocketControl *Winsock2;  // receiver, bound to the receive port
};
