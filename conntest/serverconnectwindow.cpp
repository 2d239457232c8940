#include "serverconnectwindow.h"

#include "addresschecks.h"
#include "dialogs.h"
#include "terminalview.h"
#include "typedvalues.h"
#include "uikit.h"

#include <QLabel>

ServerConnectWindow::ServerConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(QStringLiteral("serverConnect"), 10845, 8115, parent), m_dialogs(dialogs)
{
    setDialogs(dialogs);
    const QFont arial = ui::arialBold(9);
    addTitle(QStringLiteral("Connect to reader operating as a Server"));
    QLabel *addressLabel = ui::label(this, QStringLiteral("addressLabel"), QStringLiteral("IP Address"),
                                     arial, 840, 660, 1635, 315);
    QLabel *dataPortLabel = ui::label(this, QStringLiteral("dataPortLabel"), QStringLiteral("Port Number"),
                                      arial, 840, 1080, 1695, 315);
    QLabel *controlPortLabel = ui::label(this, QStringLiteral("controlPortLabel"),
                                         QStringLiteral("Control Port Number"), arial, 4920, 660, 1875, 315);
    QLabel *passwordLabel = ui::label(this, QStringLiteral("passwordLabel"), QStringLiteral("Password"),
                                      arial, 4920, 1080, 1815, 315);

    m_addressEdit = ui::field(this, QStringLiteral("addressEdit"), 15, QRect(2700, 660, 1635, 315),
                              QStringLiteral("192.168.1.55"), FilteredLineEdit::address);
    m_dataPortEdit = ui::field(this, QStringLiteral("dataPortEdit"), 5, QRect(2700, 1080, 1635, 315),
                               QStringLiteral("57"), FilteredLineEdit::digits);
    m_controlPortEdit = ui::field(this, QStringLiteral("controlPortEdit"), 5, QRect(7020, 660, 1635, 315),
                                  QStringLiteral("87"), FilteredLineEdit::digits);
    m_passwordEdit = ui::field(this, QStringLiteral("passwordEdit"), 5, QRect(7020, 1080, 1635, 315));

    // Each field is named, for assistive technology, by the label before it.
    addressLabel->setBuddy(m_addressEdit);
    dataPortLabel->setBuddy(m_dataPortEdit);
    controlPortLabel->setBuddy(m_controlPortEdit);
    passwordLabel->setBuddy(m_passwordEdit);

    m_connectButton = addStartButton(QStringLiteral("connectButton"), QStringLiteral("Connect"));
    m_disconnectButton = addStopButton(QStringLiteral("disconnectButton"), QStringLiteral("Disconnect"));
    addStatusLine(QStringLiteral("Disconnected"));

    arrangeTabOrder({m_addressEdit, m_dataPortEdit, m_controlPortEdit, m_passwordEdit}, m_connectButton,
                    m_disconnectButton);

    m_dataLink = new DataLink(DataLink::Tcp, this);
    m_dataLink->setObjectName(QStringLiteral("dataLink"));
    // The data port gets the same time to answer as the control port.
    m_dataLink->setConnectLimit(ControlSession::Limits().connectMs);
    setSendingLink(m_dataLink);
    setReceivingLink(m_dataLink);
    connect(m_dataLink, &DataLink::connected, this, &ServerConnectWindow::dataPortConnected);
    connect(m_dataLink, &DataLink::connectFailed, this, &ServerConnectWindow::dataPortFailed);
    connect(m_connectButton, &ClickLabel::clicked, this, &ServerConnectWindow::connectClick);
    connect(m_disconnectButton, &ClickLabel::clicked, this, &ServerConnectWindow::disconnectClick);
}

void ServerConnectWindow::connectClick()
{
    if (m_connecting)
        return;
    // Beyond the dotted-address check, a text that no socket could use as an
    // address (letters pasted in, a blank inside) gets the same message.
    if (!isReaderAddress(m_addressEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid IP Address"));
        return;
    }
    if (!isNotBlank(m_dataPortEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    const bool login = !trimBlanks(m_passwordEdit->text()).isEmpty();
    if (login && !isNotBlank(m_controlPortEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid Control Port"));
        return;
    }

    // A Connect on a connected window starts afresh: the open session ends
    // first, and the status says so, should the new attempt stop early.
    if (connected() || m_dataLink->state() != DataLink::Closed || m_controlSession) {
        m_dataLink->close();
        endLogin(m_controlSession);
        setConnected(false);
        setStatus(QStringLiteral("Disconnected"));
    }

    m_readerAddress = trimBlanks(m_addressEdit->text());
    if (!login) {
        m_connecting = true;
        connectDataPort();
        return;
    }
    const std::optional<quint16> controlPort = portFromText(m_controlPortEdit->text());
    if (!controlPort) {
        failureExit();
        return;
    }
    m_connecting = true;
    setStatus(QStringLiteral("Connecting"));
    m_controlSession = startLogin(m_readerAddress, *controlPort, m_passwordEdit->text(),
                                  [this](bool ok) { loginFinished(ok); });
}

void ServerConnectWindow::loginFinished(bool ok)
{
    if (ok) {
        connectDataPort();
        return;
    }
    endLogin(m_controlSession);
    m_connecting = false;
    m_dialogs.message(QStringLiteral("Unable to connect to Control Port"));
}

void ServerConnectWindow::connectDataPort()
{
    const std::optional<quint16> dataPort = portFromText(m_dataPortEdit->text());
    if (!dataPort) {
        failureExit();
        return;
    }
    m_dataLink->setLocalPort(0);
    m_dataLink->setRemotePort(*dataPort);
    m_dataLink->setRemoteHost(m_readerAddress);
    setStatus(QStringLiteral("Connecting to Data Port"));
    if (!m_dataLink->connectToHost())
        dataPortFailed();
}

void ServerConnectWindow::dataPortConnected()
{
    m_connecting = false;
    setStatus(QStringLiteral("Connected"));
    setConnected(true);
}

void ServerConnectWindow::dataPortFailed()
{
    m_connecting = false;
    // A refused, reset or unanswered attempt is not retried; nothing of this
    // session stays open behind the technician's back.
    m_dataLink->close();
    endLogin(m_controlSession);
    setStatus(QStringLiteral("Unable to Connect"));
    setConnected(false);
}

// A port that is not a number from 1 to 65535 ends the Connect without a
// message, the status as it was.
void ServerConnectWindow::failureExit()
{
    m_connecting = false;
    endLogin(m_controlSession);
    setConnected(false);
}

void ServerConnectWindow::disconnectClick()
{
    m_connecting = false;
    m_dataLink->close();
    endLogin(m_controlSession);
    setConnected(false);
    setStatus(QStringLiteral("Disconnected"));
}
