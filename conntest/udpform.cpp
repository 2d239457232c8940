#include "udpform.h"

#include "dialogs.h"
#include "module1.h"
#include "socketcontrol.h"
#include "terminalview.h"
#include "uikit.h"

#include <QLabel>


UdpForm::UdpForm(Dialogs &dialogs, QWidget *parent)
    : ConnectionTestWindow(QStringLiteral("udpform"), 10740, 8130, parent), m_dialogs(dialogs)
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

    Text3 = new FilteredLineEdit(QStringLiteral("Text3"), 15, this);
    Text3->setText(QStringLiteral("192.168.1.55"));
    Text3->setFilter(FilteredLineEdit::address);
    place(Text3, 2700, 660, 1635, 315);
    Text2 = new FilteredLineEdit(QStringLiteral("Text2"), 5, this);
    Text2->setText(QStringLiteral("57"));
    Text2->setFilter(FilteredLineEdit::digits);
    place(Text2, 6720, 660, 1635, 315);
    Text1 = new FilteredLineEdit(QStringLiteral("Text1"), 5, this);
    Text1->setText(QStringLiteral("53002"));
    place(Text1, 2700, 1080, 1635, 315);

    // Each field is named, for assistive technology, by the label before it.
    addressLabel->setBuddy(Text3);
    receivePortLabel->setBuddy(Text2);
    dataPortLabel->setBuddy(Text1);

    Label2 = addButton(QStringLiteral("Label2"), QStringLiteral("Listen"), QStringLiteral("Shape1"),
                       QRect(840, 1680, 1875, 435), QRect(900, 1740, 1755, 315));
    Label3 = addButton(QStringLiteral("Label3"), QStringLiteral("Stop"), QStringLiteral("Shape2"),
                       QRect(7020, 1680, 1875, 435), QRect(7080, 1740, 1755, 255));
    addStatusLine(QStringLiteral("Offline"));

    setTabOrder(Text3, Text2);
    setTabOrder(Text2, Text1);
    setTabOrder(Text1, terminalView());
    setTabOrder(terminalView(), Label2);
    setTabOrder(Label2, Label3);
    setTabOrder(Label3, clearScreenButton());
    Text3->setFocus();

    Winsock2 = new SocketControl(SocketControl::Udp, this);
    Winsock2->setObjectName(QStringLiteral("Winsock2"));
    Winsock1 = new SocketControl(SocketControl::Udp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    setSendingSocket(Winsock1);
    setReceivingSocket(Winsock2);
    connect(Label2, &ClickLabel::clicked, this, &UdpForm::listenClick);
    connect(Label3, &ClickLabel::clicked, this, &UdpForm::stopClick);
}

void UdpForm::listenClick()
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

void UdpForm::stopClick()
{
    Winsock1->Close();
    Winsock2->Close();
    setConnected(false);
    setStatus(QStringLiteral("Offline"));
}

void UdpForm::datagramTaken(SocketControl *socket)
{
    setStatus(QStringLiteral("Receipt from ") + socket->RemoteHostIP());
}
