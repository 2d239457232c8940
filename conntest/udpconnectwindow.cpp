#include "udpconnectwindow.h"

#include "addresschecks.h"
#include "dialogs.h"
#include "terminalview.h"
#include "typedvalues.h"
#include "uikit.h"

#include <QLabel>

UdpConnectWindow::UdpConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(QStringLiteral("udpConnect"), 10740, 8130, parent), m_dialogs(dialogs)
{
    setDialogs(dialogs);
    const QFont arial = ui::arialBold(9);
    addTitle(QStringLiteral("Connect to reader using UDP"));
    QLabel *addressLabel = ui::label(this, QStringLiteral("addressLabel"), QStringLiteral("IP Address"),
                                     arial, 840, 660, 1635, 315);
    QLabel *receivePortLabel = ui::label(this, QStringLiteral("receivePortLabel"),
                                         QStringLiteral("ReceivePort Number"), arial, 4740, 660, 1875, 315);
    QLabel *dataPortLabel = ui::label(this, QStringLiteral("dataPortLabel"), QStringLiteral("Data Port Number"),
                                      arial, 840, 1080, 1695, 315);

    m_addressEdit = ui::field(this, QStringLiteral("addressEdit"), 15, QRect(2700, 660, 1635, 315),
                              QStringLiteral("192.168.1.55"), FilteredLineEdit::address);
    m_receivePortEdit = ui::field(this, QStringLiteral("receivePortEdit"), 5, QRect(6720, 660, 1635, 315),
                                  QStringLiteral("57"), FilteredLineEdit::digits);
    m_dataPortEdit = ui::field(this, QStringLiteral("dataPortEdit"), 5, QRect(2700, 1080, 1635, 315),
                               QStringLiteral("53002"));

    // Each field is named, for assistive technology, by the label before it.
    addressLabel->setBuddy(m_addressEdit);
    receivePortLabel->setBuddy(m_receivePortEdit);
    dataPortLabel->setBuddy(m_dataPortEdit);

    m_listenButton = addStartButton(QStringLiteral("listenButton"), QStringLiteral("Listen"));
    m_stopButton = addStopButton(QStringLiteral("stopButton"), QStringLiteral("Stop"));
    addStatusLine(QStringLiteral("Offline"));

    arrangeTabOrder({m_addressEdit, m_receivePortEdit, m_dataPortEdit}, m_listenButton, m_stopButton);

    m_datagramReceiver = new DataLink(DataLink::Udp, this);
    m_datagramReceiver->setObjectName(QStringLiteral("datagramReceiver"));
    m_datagramSender = new DataLink(DataLink::Udp, this);
    m_datagramSender->setObjectName(QStringLiteral("datagramSender"));
    setSendingLink(m_datagramSender);
    setReceivingLink(m_datagramReceiver);
    connect(m_listenButton, &ClickLabel::clicked, this, &UdpConnectWindow::listenClick);
    connect(m_stopButton, &ClickLabel::clicked, this, &UdpConnectWindow::stopClick);
}

void UdpConnectWindow::listenClick()
{
    setConnected(false);
    // The loose address check lets texts such as "a.b.c.d" through; a session
    // that could send nowhere is refused with the same message.
    if (!isReaderAddress(m_addressEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid IP Address"));
        return;
    }
    if (!isNotBlank(m_receivePortEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid Receive Port"));
        return;
    }
    if (!isNotBlank(m_dataPortEdit->text())) {
        m_dialogs.message(QStringLiteral("Invalid Data Port"));
        return;
    }
    // Both ports are checked before anything is bound: a port that is not a
    // number from 1 to 65535 is refused (0 would bind a port chosen by the
    // system, which no reader sends to).
    const std::optional<quint16> receivePort =
        checkedPort(m_dialogs, m_receivePortEdit->text(), QStringLiteral("Invalid Receive Port"));
    if (!receivePort)
        return;
    const std::optional<quint16> dataPort =
        checkedPort(m_dialogs, m_dataPortEdit->text(), QStringLiteral("Invalid Data Port"));
    if (!dataPort)
        return;
    // A Listen during a session ends it first, so the receiver is bound anew
    // and a failed bind cannot leave "Online" showing.
    if (m_datagramReceiver->state() != DataLink::Closed) {
        m_datagramSender->close();
        m_datagramReceiver->close();
        setStatus(QStringLiteral("Offline"));
    }
    // A receive port that cannot be bound (taken by another program, or
    // reserved by the system) is reported, as in Client Connect: a session
    // that hears nothing must not look as if it had started.
    m_datagramReceiver->setLocalPort(*receivePort);
    if (!m_datagramReceiver->bind()) {
        showListenFailure(*m_datagramReceiver);
        return;
    }
    m_datagramSender->setRemotePort(*dataPort);
    m_datagramSender->setRemoteHost(m_addressEdit->text());
    setStatus(QStringLiteral("Online"));
    setConnected(true);
    terminalView()->setFocus();
}

void UdpConnectWindow::stopClick()
{
    m_datagramSender->close();
    m_datagramReceiver->close();
    setConnected(false);
    setStatus(QStringLiteral("Offline"));
}

void UdpConnectWindow::datagramTaken(DataLink *link)
{
    setStatus(QStringLiteral("Receipt from ") + link->peerAddress());
}
