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
    //: The window's heading.
    return {"udpConnect", 10740, 8130, QT_TRANSLATE_NOOP("ConnectionWindow", "Connect to reader using UDP"),
            {
                {"addressEdit", QT_TRANSLATE_NOOP("ConnectionWindow", "IP Address"), QRect(840, 660, 1635, 315),
                 QRect(2700, 660, 1635, 315), 15, FilteredLineEdit::address, defaults::ReaderAddress},
                //: Caption before the local port that receives (one word "ReceivePort"), at most 125 pixels wide.
                {"receivePortEdit", QT_TRANSLATE_NOOP("ConnectionWindow", "ReceivePort Number"),
                 QRect(4740, 660, 1875, 315), QRect(6720, 660, 1635, 315), 5, FilteredLineEdit::digits,
                 QString::number(defaults::DataPort)},
                //: Caption before the reader's data port, at most 113 pixels wide.
                {"dataPortEdit", QT_TRANSLATE_NOOP("ConnectionWindow", "Data Port Number"), QRect(840, 1080, 1695, 315),
                 QRect(2700, 1080, 1635, 315), 5, {}, QString::number(ReaderUdpDataPort)},
            },
            "listenButton", QT_TRANSLATE_NOOP("ConnectionWindow", "Listen"),
            "stopButton", QT_TRANSLATE_NOOP("ConnectionWindow", "Stop"),
            //: Status line, dark red, at most 177 pixels wide.
            QT_TRANSLATE_NOOP("ConnectionWindow", "Offline"), DataSession::Udp};
}
} // namespace

UdpConnectWindow::UdpConnectWindow(Dialogs &dialogs, QWidget *parent)
    : ConnectionWindow(frame(), dialogs, parent)
{
    connect(session(), &DataSession::received, this, [this](const QByteArray &, const DataSession::Peer &from) {
        //: Status line, dark red, at most 177 pixels wide; %1 is the sender's address.
        setStatus(tr("Receipt from %1").arg(from.address.toString()));
    });
    connect(listenButton(), &ClickLabel::clicked, this, &UdpConnectWindow::startListening);
    connect(stopButton(), &ClickLabel::clicked, this, &UdpConnectWindow::stopListening);
}

void UdpConnectWindow::startListening()
{
    setConnected(false);
    const std::optional<QHostAddress> address = readerAddressFromText(addressEdit()->text());
    if (!address) {
        dialogs().message(tr("Invalid IP Address"));
        return;
    }
    // Both fields are looked at for blanks first, then both for a port from
    // 1 to 65535 (0 would bind a port chosen by the system, which no reader
    // sends to); nothing is bound before both pass.
    if (!isNotBlank(receivePortEdit()->text())) {
        dialogs().message(tr("Invalid Receive Port"));
        return;
    }
    if (!isNotBlank(dataPortEdit()->text())) {
        dialogs().message(tr("Invalid Data Port"));
        return;
    }
    const std::optional<quint16> receivePort =
        checkedPort(dialogs(), receivePortEdit()->text(), tr("Invalid Receive Port"));
    if (!receivePort)
        return;
    const std::optional<quint16> dataPort = checkedPort(dialogs(), dataPortEdit()->text(), tr("Invalid Data Port"));
    if (!dataPort)
        return;
    // A Listen during a session ends it first, so the receiver is bound anew
    // and a failed bind cannot leave "Online" showing.
    if (session()->isOpen()) {
        session()->stop();
        setStatus(tr("Offline"));
    }
    // A receive port that cannot be bound (taken by another program, or
    // reserved by the system) is reported, as in Client Connect: a session
    // that hears nothing must not look as if it had started.
    if (!session()->bindDatagrams(*receivePort, *address, *dataPort)) {
        setStatus(tr("Unable to Listen"), session()->errorString());
        return;
    }
    //: Status line, dark red, at most 177 pixels wide.
    setStatus(tr("Online"));
    setConnected(true);
    terminalView()->setFocus();
}

void UdpConnectWindow::stopListening()
{
    session()->stop();
    setConnected(false);
    setStatus(tr("Offline"));
}
