#include "serverconnectwindow.h"

#include "commandlanguage.h"
#include "dialogs.h"
#include "addresschecks.h"
#include "socketcontrol.h"
#include "terminalview.h"
#include "uikit.h"

#include <QLabel>

#include <QPointer>

ServerConnectWindow::ServerConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(QStringLiteral("serverConnect"), 10845, 8115, parent), m_dialogs(dialogs)
{
    const QFont arial = ui::arialBold(9);
    ui::label(this, QStringLiteral("Label1(0)"), QStringLiteral("Connect to reader operating as a Server"), arial,
              1200, 120, 6855, 315, Qt::AlignHCenter | Qt::AlignTop);
    QLabel *addressLabel = ui::label(this, QStringLiteral("Label1(3)"), QStringLiteral("IP Address"),
                                     arial, 840, 660, 1635, 315);
    QLabel *dataPortLabel = ui::label(this, QStringLiteral("Label1(4)"), QStringLiteral("Port Number"),
                                      arial, 840, 1080, 1695, 315);
    QLabel *controlPortLabel = ui::label(this, QStringLiteral("Label1(2)"), QStringLiteral("Control Port Number"),
                                         arial, 4920, 660, 1875, 315);
    QLabel *passwordLabel = ui::label(this, QStringLiteral("Label1(1)"), QStringLiteral("Password"),
                                      arial, 4920, 1080, 1815, 315);

    Text3 = ui::field(this, QStringLiteral("Text3"), 15, QRect(2700, 660, 1635, 315), QStringLiteral("192.168.1.55"),
                      FilteredLineEdit::address);
    Text2 = ui::field(this, QStringLiteral("Text2"), 5, QRect(2700, 1080, 1635, 315), QStringLiteral("57"),
                      FilteredLineEdit::digits);
    Text4 = ui::field(this, QStringLiteral("Text4"), 5, QRect(7020, 660, 1635, 315), QStringLiteral("87"),
                      FilteredLineEdit::digits);
    Text1 = ui::field(this, QStringLiteral("Text1"), 5, QRect(7020, 1080, 1635, 315));

    // Each field is named, for assistive technology, by the label before it.
    addressLabel->setBuddy(Text3);
    dataPortLabel->setBuddy(Text2);
    controlPortLabel->setBuddy(Text4);
    passwordLabel->setBuddy(Text1);

    addActionButtons(QStringLiteral("Connect"), QStringLiteral("Disconnect"), Label2, Label3);
    addStatusLine(QStringLiteral("Disconnected"));

    arrangeTabOrder({Text3, Text2, Text4, Text1}, Label2, Label3);

    Winsock1 = new SocketControl(SocketControl::Tcp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    Winsock2 = new SocketControl(SocketControl::Tcp, this);
    Winsock2->setObjectName(QStringLiteral("Winsock2"));
    setSendingSocket(Winsock1);
    setReceivingSocket(Winsock1);
    Winsock2->setReadBufferSize(SocketReadLimit);
    connect(Winsock2, &SocketControl::DataArrival, this, &ServerConnectWindow::readReply);
    connect(Label2, &ClickLabel::clicked, this, &ServerConnectWindow::connectClick);
    connect(Label3, &ClickLabel::clicked, this, &ServerConnectWindow::disconnectClick);
}

void ServerConnectWindow::readReply()
{
    if (Winsock2->BytesReceived() > 0)
        m_replyBuffer.append(Winsock2->GetData(Winsock2->BytesReceived()));
}

void ServerConnectWindow::failureExit()
{
    Winsock2->Close();
    setConnected(false);
}

void ServerConnectWindow::connectClick()
{
    // The waits below let clicks run; a second Connect meanwhile is ignored.
    if (m_connecting)
        return;
    // Beyond the dotted-address check, a text that no socket could use as an
    // address (letters pasted in, a blank inside) gets the same message.
    if (!isReaderAddress(Text3->text())) {
        m_dialogs.message(QStringLiteral("Invalid IP Address"));
        return;
    }
    if (!isnotblank(Text2->text())) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    const bool login = !trimBlanks(Text1->text()).isEmpty();
    if (login && !isnotblank(Text4->text())) {
        m_dialogs.message(QStringLiteral("Invalid Control Port"));
        return;
    }

    // A Connect on a connected window starts afresh: the open session ends
    // first, and the status says so, should the new attempt stop early.
    if (connected() || Winsock1->State() != SocketControl::Closed || Winsock2->State() != SocketControl::Closed) {
        Winsock1->Close();
        Winsock2->Close();
        setConnected(false);
        setStatus(QStringLiteral("Disconnected"));
    }

    QPointer<ServerConnectWindow> self(this);
    m_connecting = true;
    const int session = ++m_session;
    // True when the window went away or Disconnect was clicked during a wait.
    auto abandoned = [&] { return !self || m_session != session; };
    auto finish = [&] {
        if (self && m_session == session)
            m_connecting = false;
    };

    if (login) {
        bool ok = false;
        const quint16 controlPort = SocketControl::portFromText(Text4->text(), &ok);
        if (!ok) {
            failureExit();
            return finish();
        }
        Winsock2->RemoteHost = Text3->text();
        Winsock2->RemotePort = controlPort;
        Winsock2->LocalPort = 0;
        setStatus(QStringLiteral("Connecting"));
        const bool up = waitconnect(*Winsock2, this);
        if (abandoned())
            return finish();
        if (!up) {
            m_dialogs.message(QStringLiteral("Unable to connect to Control Port"));
            if (self)
                Winsock2->Close();
            return finish();
        }
        m_replyBuffer.clear();
        if (!Winsock2->SendData(control::loginLine(Text1->text().toLatin1()))) {
            failureExit();
            return finish();
        }
        const bool acknowledged = waitok(m_replyBuffer, this);
        if (abandoned())
            return finish();
        if (!acknowledged) {
            m_dialogs.message(QStringLiteral("Unable to connect to Control Port"));
            if (self)
                Winsock2->Close();
            return finish();
        }
    }

    bool ok = false;
    const quint16 dataPort = SocketControl::portFromText(Text2->text(), &ok);
    if (!ok) {
        failureExit();
        return finish();
    }
    Winsock1->LocalPort = 0;
    Winsock1->RemotePort = dataPort;
    Winsock1->RemoteHost = Text3->text();
    setStatus(QStringLiteral("Connecting to Data Port"));
    const bool up = waitconnect(*Winsock1, this);
    if (abandoned())
        return finish();
    if (up) {
        setStatus(QStringLiteral("Connected"));
        setConnected(true);
    } else {
        // The attempt that did not come up in time is abandoned, so that it
        // cannot connect later behind the technician's back.
        Winsock1->Close();
        Winsock2->Close();
        setStatus(QStringLiteral("Unable to Connect"));
        setConnected(false);
    }
    finish();
}

void ServerConnectWindow::disconnectClick()
{
    ++m_session;
    m_connecting = false;
    Winsock1->Close();
    Winsock2->Close();
    setConnected(false);
    setStatus(QStringLiteral("Disconnected"));
}
