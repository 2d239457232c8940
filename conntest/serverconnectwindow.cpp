#include "serverconnectwindow.h"

#include "addresschecks.h"
#include "controlsession.h"
#include "defaults.h"
#include "dialogs.h"
#include "typedvalues.h"

namespace {
ConnectionWindow::Frame frame()
{
    //: The window's heading.
    return {"serverConnect", 10845, 8115, QT_TRANSLATE_NOOP("ConnectionWindow", "Connect to reader operating as a Server"),
            //: Caption before a field, at most 109 pixels wide.
            QList<ui::FieldSpec>{{"addressEdit", QT_TRANSLATE_NOOP("ConnectionWindow", "IP Address"),
                                  QRect(840, 660, 1635, 315), QRect(2700, 660, 1635, 315),
                                  15, FilteredLineEdit::address, defaults::ReaderAddress},
                                 //: Caption before the reader's data port, at most 113 pixels wide.
                                 ConnectionWindow::dataPortField(QT_TRANSLATE_NOOP("ConnectionWindow", "Port Number"),
                                                                 840, 2700, 1080)}
                + ConnectionWindow::controlLoginFields(4920, 7020, 660),
            //: Button, at most 117 pixels wide.
            "connectButton", QT_TRANSLATE_NOOP("ConnectionWindow", "Connect"),
            //: Button, at most 117 pixels wide.
            "disconnectButton", QT_TRANSLATE_NOOP("ConnectionWindow", "Disconnect"),
            //: Status line, dark red, at most 177 pixels wide.
            QT_TRANSLATE_NOOP("ConnectionWindow", "Disconnected"), DataSession::Tcp};
}
} // namespace

ServerConnectWindow::ServerConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(frame(), dialogs, parent)
{
    // The data port gets the same time to answer as the control port.
    session()->setConnectLimit(ControlSession::Limits().connectMs);
    connect(session(), &DataSession::stateChanged, this, &ServerConnectWindow::showConnectionState);
    connect(session(), &DataSession::loginFinished, this, &ServerConnectWindow::continueAfterLogin);
    connect(connectButton(), &ClickLabel::clicked, this, &ServerConnectWindow::connectToReader);
    connect(disconnectButton(), &ClickLabel::clicked, this, &ServerConnectWindow::disconnectFromReader);
}

void ServerConnectWindow::connectToReader()
{
    if (m_connecting)
        return;
    const std::optional<QHostAddress> address = readerAddressFromText(addressEdit()->text());
    if (!address) {
        dialogs().message(tr("Invalid IP Address"));
        return;
    }
    if (!isNotBlank(dataPortEdit()->text())) {
        dialogs().message(tr("Invalid Data Port"));
        return;
    }
    const bool login = !trimBlanks(passwordEdit()->text()).isEmpty();
    if (login && !isNotBlank(controlPortEdit()->text())) {
        dialogs().message(tr("Invalid Control Port"));
        return;
    }

    // A Connect on a connected window starts afresh: the open session ends
    // first, and the status says so, should the new attempt stop early.
    if (connected() || session()->isOpen() || session()->login()) {
        session()->stop();
        setConnected(false);
        setStatus(tr("Disconnected"));
    }

    m_readerAddress = *address;
    if (!login) {
        m_connecting = true;
        connectDataPort();
        return;
    }
    const std::optional<quint16> controlPort = portFromText(controlPortEdit()->text());
    if (!controlPort) {
        failureExit();
        return;
    }
    m_connecting = true;
    //: Status line, dark red, at most 177 pixels wide.
    setStatus(tr("Connecting"));
    session()->logIn(m_readerAddress, *controlPort, passwordEdit()->text().toLatin1());
}

void ServerConnectWindow::continueAfterLogin(bool ok)
{
    if (ok) {
        connectDataPort();
        return;
    }
    m_connecting = false;
    dialogs().message(tr("Unable to connect to Control Port"));
}

void ServerConnectWindow::connectDataPort()
{
    const std::optional<quint16> dataPort = portFromText(dataPortEdit()->text());
    if (!dataPort) {
        failureExit();
        return;
    }
    //: Status line, dark red, at most 177 pixels wide.
    setStatus(tr("Connecting to Data Port"));
    session()->connectToReader(m_readerAddress, *dataPort);
}

void ServerConnectWindow::showConnectionState(DataSession::State state)
{
    if (state == DataSession::Connected) {
        m_connecting = false;
        //: Status line, dark red, at most 177 pixels wide.
        setStatus(tr("Connected"));
        setConnected(true);
    } else if (state == DataSession::Failed) {
        // The session has closed the data link and the login; why is in the tooltip.
        m_connecting = false;
        //: Status line, dark red, at most 177 pixels wide.
        setStatus(tr("Unable to Connect"), session()->errorString());
        setConnected(false);
    }
}

// A port that is not a number from 1 to 65535 ends the Connect without a
// message, the status as it was.
void ServerConnectWindow::failureExit()
{
    m_connecting = false;
    session()->endLogin();
    setConnected(false);
}

void ServerConnectWindow::disconnectFromReader()
{
    m_connecting = false;
    session()->stop();
    setConnected(false);
    setStatus(tr("Disconnected"));
}
