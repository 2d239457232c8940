#include "clienttest.h"

#include "commandlanguage.h"
#include "dialogs.h"
#include "module1.h"
#include "replybuffer.h"
#include "socketcontrol.h"
#include "terminalview.h"
#include "uikit.h"

#include <QLabel>

#include <QPointer>

ClientTest::ClientTest(Dialogs &dialogs, QWidget *parent)
    : ConnectionTestWindow(QStringLiteral("clienttest"), 10740, 8130, parent), m_dialogs(dialogs)
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

    Text2 = new FilteredLineEdit(QStringLiteral("Text2"), 5, this);
    Text2->setText(QStringLiteral("57"));
    Text2->setFilter(FilteredLineEdit::digits);
    place(Text2, 2760, 840, 1635, 315);
    Text4 = new FilteredLineEdit(QStringLiteral("Text4"), 5, this);
    Text4->setText(QStringLiteral("87"));
    Text4->setFilter(FilteredLineEdit::digits);
    place(Text4, 7200, 600, 1635, 315);
    Text1 = new FilteredLineEdit(QStringLiteral("Text1"), 5, this);
    place(Text1, 7200, 1020, 1635, 315);

    // Each field is named, for assistive technology, by the label before it.
    dataPortLabel->setBuddy(Text2);
    controlPortLabel->setBuddy(Text4);
    passwordLabel->setBuddy(Text1);

    Label2 = addButton(QStringLiteral("Label2"), QStringLiteral("Listen"), QStringLiteral("Shape1"),
                       QRect(840, 1680, 1875, 435), QRect(900, 1740, 1755, 315));
    Label3 = addButton(QStringLiteral("Label3"), QStringLiteral("Stop"), QStringLiteral("Shape2"),
                       QRect(7020, 1680, 1875, 435), QRect(7080, 1740, 1755, 255));
    addStatusLine(QStringLiteral("Disconnected"));

    setTabOrder(Text2, Text4);
    setTabOrder(Text4, Text1);
    setTabOrder(Text1, terminalView());
    setTabOrder(terminalView(), Label2);
    setTabOrder(Label2, Label3);
    setTabOrder(Label3, clearScreenButton());
    Text2->setFocus();

    Winsock1 = new SocketControl(SocketControl::Tcp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    Winsock2 = new SocketControl(SocketControl::Tcp, this);
    Winsock2->setObjectName(QStringLiteral("Winsock2"));
    setSendingSocket(Winsock1);
    setReceivingSocket(Winsock1);
    Winsock2->setReadBufferSize(SocketReadLimit);
    connect(Winsock1, &SocketControl::ConnectionRequest, this, &ClientTest::connectionRequest);
    connect(Winsock2, &SocketControl::DataArrival, this, &ClientTest::readReply);
    connect(Label2, &ClickLabel::clicked, this, &ClientTest::listenClick);
    connect(Label3, &ClickLabel::clicked, this, &ClientTest::stopClick);
}

void ClientTest::readReply()
{
    if (Winsock2->BytesReceived() > 0)
        replybuffer::append(m_replyBuffer, Winsock2->GetData(Winsock2->BytesReceived()));
}

void ClientTest::listenClick()
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

void ClientTest::connectionRequest(qintptr requestId)
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

    QPointer<ClientTest> self(this);
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

void ClientTest::stopClick()
{
    ++m_session;
    Winsock1->Close();
    Winsock2->Close();
    setConnected(false);
    setStatus(QStringLiteral("Disconnected"));
}
