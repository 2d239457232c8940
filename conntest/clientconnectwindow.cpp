#include "clientconnectwindow.h"

#include "addresschecks.h"
#include "dialogs.h"
#include "terminalview.h"
#include "typedvalues.h"
#include "uikit.h"

#include <QLabel>

ClientConnectWindow::ClientConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(QStringLiteral("clientConnect"), 10740, 8130, parent), m_dialogs(dialogs)
{
    setDialogs(dialogs);
    const QFont arial = ui::arialBold(9);
    addTitle(QStringLiteral("Connect with reader operating as a Client"));
    QLabel *dataPortLabel = ui::label(this, QStringLiteral("dataPortLabel"), QStringLiteral("Data Port Number"),
                                      arial, 900, 840, 1695, 315);
    QLabel *controlPortLabel = ui::label(this, QStringLiteral("controlPortLabel"),
                                         QStringLiteral("Control Port Number"), arial, 5100, 600, 1875, 315);
    QLabel *passwordLabel = ui::label(this, QStringLiteral("passwordLabel"), QStringLiteral("Password"),
                                      arial, 5100, 1020, 1815, 315);

    m_dataPortEdit = ui::field(this, QStringLiteral("dataPortEdit"), 5, QRect(2760, 840, 1635, 315),
                               QStringLiteral("57"), FilteredLineEdit::digits);
    m_controlPortEdit = ui::field(this, QStringLiteral("controlPortEdit"), 5, QRect(7200, 600, 1635, 315),
                                  QStringLiteral("87"), FilteredLineEdit::digits);
    m_passwordEdit = ui::field(this, QStringLiteral("passwordEdit"), 5, QRect(7200, 1020, 1635, 315));

    // Each field is named, for assistive technology, by the label before it.
    dataPortLabel->setBuddy(m_dataPortEdit);
    controlPortLabel->setBuddy(m_controlPortEdit);
    passwordLabel->setBuddy(m_passwordEdit);

    m_listenButton = addStartButton(QStringLiteral("listenButton"), QStringLiteral("Listen"));
    m_stopButton = addStopButton(QStringLiteral("stopButton"), QStringLiteral("Stop"));
    addStatusLine(QStringLiteral("Disconnected"));

    arrangeTabOrder({m_dataPortEdit, m_controlPortEdit, m_passwordEdit}, m_listenButton, m_stopButton);

    m_dataLink = new DataLink(DataLink::Tcp, this);
    m_dataLink->setObjectName(QStringLiteral("dataLink"));
    setSendingLink(m_dataLink);
    setReceivingLink(m_dataLink);
    connect(m_dataLink, &DataLink::connectionRequested, this, &ClientConnectWindow::connectionRequested);
    connect(m_listenButton, &ClickLabel::clicked, this, &ClientConnectWindow::listenClick);
    connect(m_stopButton, &ClickLabel::clicked, this, &ClientConnectWindow::stopClick);
}

void ClientConnectWindow::listenClick()
{
    setConnected(false);
    if (!isNotBlank(m_dataPortEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    // Port 0 would listen on a port chosen by the system, which no reader knows.
    const std::optional<quint16> port = checkedPort(m_dialogs, m_dataPortEdit->text(), QStringLiteral("Invalid Data Port"));
    if (!port)
        return;
    // A Listen while a reader is connected ends that session first.
    m_dataLink->close();
    endLogin(m_controlSession);
    m_dataLink->setLocalPort(*port);
    m_dataLink->setRemotePort(0);
    // The status promises a wait only once the port is really listening; a
    // port in use, or one the system reserves, is reported instead.
    if (m_dataLink->listen())
        setStatus(QStringLiteral("Waiting for Connection"));
    else
        showListenFailure(*m_dataLink);
}

void ClientConnectWindow::connectionRequested(qintptr requestId)
{
    if (m_dataLink->state() != DataLink::Closed)
        m_dataLink->close();
    if (!m_dataLink->accept(requestId))
        return;
    setConnected(true);
    const QString address = m_dataLink->peerAddress();
    setStatus(QStringLiteral("Connected to ") + address);
    if (trimBlanks(m_passwordEdit->text()).isEmpty())
        return;
    setStatus(QStringLiteral("Connected to ") + address + QStringLiteral(", Read Only"));
    if (!isNotBlank(m_controlPortEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid Control Port - Password not sent"));
        return;
    }
    logIn(address);
}

// Until the reader acknowledges the login the status says ", Read Only"; a
// login that fails leaves it so, without a message.
void ClientConnectWindow::logIn(const QString &readerAddress)
{
    endLogin(m_controlSession);
    const std::optional<quint16> controlPort = portFromText(m_controlPortEdit->text());
    // An impossible port cannot connect: the login fails like an unanswered one.
    if (!controlPort)
        return;
    m_controlSession = startLogin(readerAddress, *controlPort, m_passwordEdit->text(), [this, readerAddress](bool ok) {
        if (ok)
            setStatus(QStringLiteral("Connected to ") + readerAddress);
        else
            endLogin(m_controlSession);
    });
}

void ClientConnectWindow::stopClick()
{
    m_dataLink->close();
    endLogin(m_controlSession);
    setConnected(false);
    setStatus(QStringLiteral("Disconnected"));
}
