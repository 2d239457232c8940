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

    void startListening();
    void stopListening();

    FilteredLineEdit *addressEdit() const { return fieldAt(0); }       // the reader's address
    FilteredLineEdit *receivePortEdit() const { return fieldAt(1); }   // the local port the reader sends to
    FilteredLineEdit *dataPortEdit() const { return fieldAt(2); }      // the reader's data port
    ClickLabel *listenButton() const { return startButton(); }
    ClickLabel *stopButton() const { return ConnectionWindow::stopButton(); }
};
