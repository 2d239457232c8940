#include "clientconnectwindow.h"

#include "commandlanguage.h"
#include "dialogs.h"
#include "addresschecks.h"
#include "socketcontrol.h"
#include "terminalview.h"
#include "uikit.h"

#include <QLabel>

#include <QPointer>

ClientConnectWindow::ClientConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(QStringLiteral("clientConnect"), 10740, 8130, parent), m_dialogs(dialogs)
{
    const QFont arial = ui::arialBold(9);
    ui::label(this, QStringLiteral("Label1(0)"), QStringLiteral("Connect with reader operating as a Client"), arial,
              1200, 120, 6855, 315, Qt::AlignHCenter | Qt::AlignTop);
    QLabel *dataPortLabel = ui::label(this, QStringLiteral("Label1(4)"), QStringLiteral("Data Port Number"),
                                      arial, 900, 840, 1695, 315);
    QLabel *controlPortLabel = ui::label(this, QStringLiteral("Label1(2)"), QStringLiteral("Control Port Number"),
                                         arial, 5100, 600, 1875, 315);
    QLabel *passwordLabel = ui::label(this, QStringLiteral("Label1(1)"), QStringLiteral("Password"),
                                      arial, 5100, 1020, 1815, 315);

    Text2 = ui::field(this, QStringLiteral("Text2"), 5, QRect(2760, 840, 1635, 315), QStringLiteral("57"),
                      FilteredLineEdit::digits);
    Text4 = ui::field(this, QStringLiteral("Text4"), 5, QRect(7200, 600, 1635, 315), QStringLiteral("87"),
                      FilteredLineEdit::digits);
    Text1 = ui::field(this, QStringLiteral("Text1"), 5, QRect(7200, 1020, 1635, 315));

    // Each field is named, for assistive technology, by the label before it.
    dataPortLabel->setBuddy(Text2);
    controlPortLabel->setBuddy(Text4);
    passwordLabel->setBuddy(Text1);

    addActionButtons(QStringLiteral("Listen"), QStringLiteral("Stop"), Label2, Label3);
    addStatusLine(QStringLiteral("Disconnected"));

    arrangeTabOrder({Text2, Text4, Text1}, Label2, Label3);

    Winsock1 = new SocketControl(SocketControl::Tcp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    Winsock2 = new SocketControl(SocketControl::Tcp, this);
    Winsock2->setObjectName(QStringLiteral("Winsock2"));
    setSendingSocket(Winsock1);
    setReceivingSocket(Winsock1);
    Winsock2->setReadBufferSize(SocketReadLimit);
    connect(Winsock1, &SocketControl::ConnectionRequest, this, &ClientConnectWindow::connectionRequest);
    connect(Winsock2, &SocketControl::DataArrival, this, &ClientConnectWindow::readReply);
    connect(Label2, &ClickLabel::clicked, this, &ClientConnectWindow::listenClick);
    connect(Label3, &ClickLabel::clicked, this, &ClientConnectWindow::stopClick);
}

void ClientConnectWindow::readReply()
{
    if (Winsock2->BytesReceived() > 0)
        m_replyBuffer.append(Winsock2->GetData(Winsock2->BytesReceived()));
}

void ClientConnectWindow::listenClick()
{
    setConnected(false);
    if (!isnotblank(Text2->text())) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    // Port 0 would listen on a port chosen by the system, which no reader knows.
    bool ok = false;
    const quint16 port = SocketControl::portFromText(Text2->text(), &ok);
    if (!ok) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    // A Listen while a reader is connected ends that session first.
    ++m_session;
    Winsock1->Close();
    Winsock2->Close();
    Winsock1->LocalPort = port;
    Winsock1->RemotePort = 0;
    // The status promises a wait only once the port is really listening; a
    // port in use, or one the system reserves, is reported instead.
    if (Winsock1->Listen())
        setStatus(QStringLiteral("Waiting for Connection"));
    else
        showListenFailure(*Winsock1);
}

void ClientConnectWindow::connectionRequest(qintptr requestId)
{
    if (Winsock1->State() != SocketControl::Closed)
        Winsock1->Close();
    if (!Winsock1->Accept(requestId))
        return;
    setConnected(true);
    const QString address = Winsock1->RemoteHostIP();
    setStatus(QStringLiteral("Connected to ") + address);
    if (trimBlanks(Text1->text()).isEmpty())
        return;
    setStatus(QStringLiteral("Connected to ") + address + QStringLiteral(", Read Only"));
    if (!isnotblank(Text4->text())) {
        m_dialogs.message(QStringLiteral("Invalid Control Port - Password not sent"));
        return;
    }

    QPointer<ClientConnectWindow> self(this);
    const int session = m_session;
    bool ok = false;
    Winsock2->Close();
    Winsock2->RemoteHost = address;
    Winsock2->RemotePort = SocketControl::portFromText(Text4->text(), &ok);
    Winsock2->LocalPort = 0;
    // An impossible port cannot connect: the login fails like an unanswered one.
    const bool up = ok && waitconnect(*Winsock2, this);
    if (!self || m_session != session)
        return;
    if (!up) {
        Winsock2->Close();
        return;
    }
    m_replyBuffer.clear();
    Winsock2->SendData(control::loginLine(Text1->text().toLatin1()));
    const bool acknowledged = waitok(m_replyBuffer, this);
    if (!self || m_session != session)
        return;
    if (!acknowledged) {
        Winsock2->Close();
        return;
    }
    setStatus(QStringLiteral("Connected to ") + address);
}

void ClientConnectWindow::stopClick()
{
    ++m_session;
    Winsock1->Close();
    Winsock2->Close();
    setConnected(false);
    setStatus(QStringLiteral("Disconnected"));
}
