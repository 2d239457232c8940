#include "clientconnectwindow.h"

#include "addresschecks.h"
#include "dialogs.h"
#include "typedvalues.h"

namespace {
ConnectionWindow::Frame frame()
{
    return {"clientConnect", 10740, 8130, "Connect with reader operating as a Client",
            QList<ui::FieldSpec>{ConnectionWindow::dataPortField("Data Port Number", 900, 2760, 840)}
                + ConnectionWindow::controlLoginFields(5100, 7200, 600),
            "listenButton", "Listen", "stopButton", "Stop", "Disconnected", DataSession::Tcp};
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
            setStatus(QStringLiteral("Connected to ") + session()->peer().address.toString());
    });
    connect(listenButton(), &ClickLabel::clicked, this, &ClientConnectWindow::listenForReader);
    connect(stopButton(), &ClickLabel::clicked, this, &ClientConnectWindow::stopListening);
}

void ClientConnectWindow::listenForReader()
{
    setConnected(false);
    // Port 0 would listen on a port chosen by the system, which no reader knows.
    const std::optional<quint16> port = checkedPort(dialogs(), dataPortEdit()->text(), QStringLiteral("Invalid Data Port"));
    if (!port)
        return;
    // A Listen while a reader is connected ends that session first.
    session()->stop();
    // The status promises a wait only once the port is really listening; a
    // port in use, or one the system reserves, is reported with why.
    if (session()->listen(*port))
        setStatus(QStringLiteral("Waiting for Connection"));
    else
        setStatus(QStringLiteral("Unable to Listen"), session()->errorString());
}

void ClientConnectWindow::acceptReader(DataSession::State state)
{
    if (state != DataSession::Connected)
        return;
    setConnected(true);
    const QHostAddress reader = session()->peer().address;
    const QString connectedTo = QStringLiteral("Connected to ") + reader.toString();
    setStatus(connectedTo);
    if (trimBlanks(passwordEdit()->text()).isEmpty())
        return;
    setStatus(connectedTo + QStringLiteral(", Read Only"));
    if (!isNotBlank(controlPortEdit()->text())) {
        dialogs().message(QStringLiteral("Invalid Control Port - Password not sent"));
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
    setStatus(QStringLiteral("Disconnected"));
}
