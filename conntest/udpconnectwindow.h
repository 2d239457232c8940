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

    FilteredLineEdit *addressEdit() const { return m_addressEdit; }
    FilteredLineEdit *receivePortEdit() const { return m_receivePortEdit; }
    FilteredLineEdit *dataPortEdit() const { return m_dataPortEdit; }
    ClickLabel *listenButton() const { return m_listenButton; }
    ClickLabel *stopButton() const { return m_stopButton; }
    const DataLink *datagramSender() const { return m_datagramSender; }
    const DataLink *datagramReceiver() const { return m_datagramReceiver; }

protected:
    void datagramTaken(DataLink *link) override;

private:
    Dialogs &m_dialogs;
    FilteredLineEdit *m_addressEdit;      // the reader's address
    FilteredLineEdit *m_receivePortEdit;  // the local port the reader sends to
    FilteredLineEdit *m_dataPortEdit;     // the reader's data port
    ClickLabel *m_listenButton;
    ClickLabel *m_stopButton;
    DataLink *m_datagramSender;           // addressed to the reader's data port
    DataLink *m_datagramReceiver;         // bound to the receive port
};
