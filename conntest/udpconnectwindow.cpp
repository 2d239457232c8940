#include "udpconnectwindow.h"

#include "dialogs.h"
#include "addresschecks.h"
#include "socketcontrol.h"
#include "terminalview.h"
#include "uikit.h"

#include <QLabel>


UdpConnectWindow::UdpConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(QStringLiteral("udpConnect"), 10740, 8130, parent), m_dialogs(dialogs)
{
    const QFont arial = ui::arialBold(9);
    ui::label(this, QStringLiteral("Label1(0)"), QStringLiteral("Connect to reader using UDP"), arial,
              1200, 120, 6855, 315, Qt::AlignHCenter | Qt::AlignTop);
    QLabel *addressLabel = ui::label(this, QStringLiteral("Label1(3)"), QStringLiteral("IP Address"),
                                     arial, 840, 660, 1635, 315);
    QLabel *receivePortLabel = ui::label(this, QStringLiteral("Label1(1)"), QStringLiteral("ReceivePort Number"),
                                         arial, 4740, 660, 1875, 315);
    QLabel *dataPortLabel = ui::label(this, QStringLiteral("Label1(4)"), QStringLiteral("Data Port Number"),
                                      arial, 840, 1080, 1695, 315);

    Text3 = ui::field(this, QStringLiteral("Text3"), 15, QRect(2700, 660, 1635, 315), QStringLiteral("192.168.1.55"),
                      FilteredLineEdit::address);
    Text2 = ui::field(this, QStringLiteral("Text2"), 5, QRect(6720, 660, 1635, 315), QStringLiteral("57"),
                      FilteredLineEdit::digits);
    Text1 = ui::field(this, QStringLiteral("Text1"), 5, QRect(2700, 1080, 1635, 315), QStringLiteral("53002"));

    // Each field is named, for assistive technology, by the label before it.
    addressLabel->setBuddy(Text3);
    receivePortLabel->setBuddy(Text2);
    dataPortLabel->setBuddy(Text1);

    addActionButtons(QStringLiteral("Listen"), QStringLiteral("Stop"), Label2, Label3);
    addStatusLine(QStringLiteral("Offline"));

    arrangeTabOrder({Text3, Text2, Text1}, Label2, Label3);

    Winsock2 = new SocketControl(SocketControl::Udp, this);
    Winsock2->setObjectName(QStringLiteral("Winsock2"));
    Winsock1 = new SocketControl(SocketControl::Udp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    setSendingSocket(Winsock1);
    setReceivingSocket(Winsock2);
    connect(Label2, &ClickLabel::clicked, this, &UdpConnectWindow::listenClick);
    connect(Label3, &ClickLabel::clicked, this, &UdpConnectWindow::stopClick);
}

void UdpConnectWindow::listenClick()
{
    setConnected(false);
    // The loose address check lets texts such as "a.b.c.d" through; a session
    // that could send nowhere is refused with the same message.
    if (!isReaderAddress(Text3->text())) {
        m_dialogs.message(QStringLiteral("Invalid IP Address"));
        return;
    }
    if (!isnotblank(Text2->text())) {
        m_dialogs.message(QStringLiteral("Invalid Receive Port"));
        return;
    }
    if (!isnotblank(Text1->text())) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    // Both ports are checked before anything is bound: a port that is not a
    // number from 1 to 65535 is refused (0 would bind a port chosen by the
    // system, which no reader sends to).
    bool receiveOk = false;
    const quint16 receivePort = SocketControl::portFromText(Text2->text(), &receiveOk);
    if (!receiveOk) {
        m_dialogs.message(QStringLiteral("Invalid Receive Port"));
        return;
    }
    bool dataOk = false;
    const quint16 dataPort = SocketControl::portFromText(Text1->text(), &dataOk);
    if (!dataOk) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    // A Listen during a session ends it first, so the receiver is bound anew
    // and a failed bind cannot leave "Online" showing.
    if (Winsock2->State() != SocketControl::Closed) {
        Winsock1->Close();
        Winsock2->Close();
        setStatus(QStringLiteral("Offline"));
    }
    // A receive port that cannot be bound (taken by another program, or
    // reserved by the system) is reported, as in Client Connect: a session
    // that hears nothing must not look as if it had started.
    Winsock2->LocalPort = receivePort;
    if (!Winsock2->Bind()) {
        showListenFailure(*Winsock2);
        return;
    }
    Winsock1->RemotePort = dataPort;
    Winsock1->RemoteHost = Text3->text();
    setStatus(QStringLiteral("Online"));
    setConnected(true);
    terminalView()->setFocus();
}

void UdpConnectWindow::stopClick()
{
    Winsock1->Close();
    Winsock2->Close();
    setConnected(false);
    setStatus(QStringLiteral("Offline"));
}

void UdpConnectWindow::datagramTaken(SocketControl *socket)
{
    setStatus(QStringLiteral("Receipt from ") + socket->RemoteHostIP());
}
