#include "clientconnectwindow.h"

#include "addresschecks.h"
#include "dialogs.h"
#include "typedvalues.h"

namespace {
ConnectionWindow::Frame frame()
{
    //: The window's heading.
    return {"clientConnect", 10740, 8130, QT_TRANSLATE_NOOP("ConnectionWindow", "Connect with reader operating as a Client"),
            //: Caption before the local data port, at most 113 pixels wide.
            QList<ui::FieldSpec>{ConnectionWindow::dataPortField(QT_TRANSLATE_NOOP("ConnectionWindow", "Data Port Number"),
                                                                 900, 2760, 840)}
                + ConnectionWindow::controlLoginFields(5100, 7200, 600),
            //: Button, at most 117 pixels wide.
            "listenButton", QT_TRANSLATE_NOOP("ConnectionWindow", "Listen"),
            //: Button, at most 117 pixels wide.
            "stopButton", QT_TRANSLATE_NOOP("ConnectionWindow", "Stop"),
            QT_TRANSLATE_NOOP("ConnectionWindow", "Disconnected"), DataSession::Tcp};
}
} // namespace

ClientConnectWindow::ClientConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(frame(), dialogs, parent)
{
    connect(session(), &DataSession::stateChanged, this, &ClientConnectWindow::acceptReader);
    // Until the reader acknowledges the login the status says ", Read Only";
    // a login that fails leaves it so, without a message.
    connect(session(), &DataSession::loginFinished, this, [this](bool ok) {
        if (ok)
            setStatus(tr("Connected to %1").arg(session()->peer().address.toString()));
    });
    connect(listenButton(), &ClickLabel::clicked, this, &ClientConnectWindow::listenForReader);
    connect(stopButton(), &ClickLabel::clicked, this, &ClientConnectWindow::stopListening);
}

void ClientConnectWindow::listenForReader()
{
    setConnected(false);
    // Port 0 would listen on a port chosen by the system, which no reader knows.
    const std::optional<quint16> port = checkedPort(dialogs(), dataPortEdit()->text(), tr("Invalid Data Port"));
    if (!port)
        return;
    // A Listen while a reader is connected ends that session first.
    session()->stop();
    // The status promises a wait only once the port is really listening; a
    // port in use, or one the system reserves, is reported with why.
    if (session()->listen(*port))
        //: Status line, dark red, at most 177 pixels wide.
        setStatus(tr("Waiting for Connection"));
    else
        //: Status line, dark red, at most 177 pixels wide.
        setStatus(tr("Unable to Listen"), session()->errorString());
}

void ClientConnectWindow::acceptReader(DataSession::State state)
{
    if (state != DataSession::Connected)
        return;
    setConnected(true);
    const QHostAddress reader = session()->peer().address;
    //: Status line, dark red, at most 177 pixels wide; %1 is the reader's address.
    setStatus(tr("Connected to %1").arg(reader.toString()));
    if (trimBlanks(passwordEdit()->text()).isEmpty())
        return;
    //: Status line until the reader has taken the password; %1 is the reader's address.
    setStatus(tr("Connected to %1, Read Only").arg(reader.toString()));
    if (!isNotBlank(controlPortEdit()->text())) {
        dialogs().message(tr("Invalid Control Port - Password not sent"));
        return;
    }
    logIn(reader);
}

// The login goes to the address the reader connected from, never to one typed.
void ClientConnectWindow::logIn(const QHostAddress &readerAddress)
{
    const std::optional<quint16> controlPort = portFromText(controlPortEdit()->text());
    // An impossible port cannot connect: the login fails like an unanswered one.
    if (!controlPort)
        return;
    session()->logIn(readerAddress, *controlPort, passwordEdit()->text().toLatin1());
}

void ClientConnectWindow::stopListening()
{
    session()->stop();
    setConnected(false);
    setStatus(tr("Disconnected"));
}
