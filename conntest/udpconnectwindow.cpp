#include "udpconnectwindow.h"

#include "addresschecks.h"
#include "defaults.h"
#include "dialogs.h"
#include "terminalview.h"
#include "typedvalues.h"

namespace {
// The data port a reader in UDP mode listens on when it leaves the factory.
constexpr quint16 ReaderUdpDataPort = 53002;

ConnectionWindow::Frame frame()
{
    return {"udpConnect", 10740, 8130, "Connect to reader using UDP",
            {
                {"addressEdit", "IP Address", QRect(840, 660, 1635, 315), QRect(2700, 660, 1635, 315), 15,
                 FilteredLineEdit::address, defaults::ReaderAddress},
                {"receivePortEdit", "ReceivePort Number", QRect(4740, 660, 1875, 315), QRect(6720, 660, 1635, 315),
                 5, FilteredLineEdit::digits, QString::number(defaults::DataPort)},
                {"dataPortEdit", "Data Port Number", QRect(840, 1080, 1695, 315), QRect(2700, 1080, 1635, 315), 5,
                 {}, QString::number(ReaderUdpDataPort)},
            },
            "listenButton", "Listen", "stopButton", "Stop", "Offline", DataSession::Udp};
}
} // namespace

UdpConnectWindow::UdpConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(frame(), dialogs, parent)
{
    connect(session(), &DataSession::received, this, [this](const QByteArray &, const DataSession::Peer &from) {
        setStatus(QStringLiteral("Receipt from ") + from.address.toString());
    });
    connect(listenButton(), &ClickLabel::clicked, this, &UdpConnectWindow::startListening);
    connect(stopButton(), &ClickLabel::clicked, this, &UdpConnectWindow::stopListening);
}

void UdpConnectWindow::startListening()
{
    setConnected(false);
    const std::optional<QHostAddress> address = readerAddressFromText(addressEdit()->text());
    if (!address) {
        dialogs().message(QStringLiteral("Invalid IP Address"));
        return;
    }
    // Both fields are looked at for blanks first, then both for a port from
    // 1 to 65535 (0 would bind a port chosen by the system, which no reader
    // sends to); nothing is bound before both pass.
    if (!isNotBlank(receivePortEdit()->text())) {
        dialogs().message(QStringLiteral("Invalid Receive Port"));
        return;
    }
    if (!isNotBlank(dataPortEdit()->text())) {
        dialogs().message(QStringLiteral("Invalid Data Port"));
        return;
    }
    const std::optional<quint16> receivePort =
        checkedPort(dialogs(), receivePortEdit()->text(), QStringLiteral("Invalid Receive Port"));
    if (!receivePort)
        return;
    const std::optional<quint16> dataPort = checkedPort(dialogs(), dataPortEdit()->text(), QStringLiteral("Invalid Data Port"));
    if (!dataPort)
        return;
    // A Listen during a session ends it first, so the receiver is bound anew
    // and a failed bind cannot leave "Online" showing.
    if (session()->isOpen()) {
        session()->stop();
        setStatus(QStringLiteral("Offline"));
    }
    // A receive port that cannot be bound (taken by another program, or
    // reserved by the system) is reported, as in Client Connect: a session
    // that hears nothing must not look as if it had started.
    if (!session()->bindDatagrams(*receivePort, *address, *dataPort)) {
        setStatus(QStringLiteral("Unable to Listen"), session()->errorString());
        return;
    }
    setStatus(QStringLiteral("Online"));
    setConnected(true);
    terminalView()->setFocus();
}

void UdpConnectWindow::stopListening()
{
    session()->stop();
    setConnected(false);
    setStatus(QStringLiteral("Offline"));
}
