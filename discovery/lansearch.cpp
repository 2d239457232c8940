#include "lansearch.h"

#include "changeaddress.h"
#include "controlnumbers.h"
#include "dialogs.h"
#include "identifyreply.h"
#include "keymap.h"
#include "module1.h"
#include "multicast.h"
#include "socketcontrol.h"
#include "uikit.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>

namespace {
const QString ColumnHeadings = QStringLiteral("IP Address") + QString(34, QLatin1Char(' '))
                               + QStringLiteral("Mac Address") + QString(34, QLatin1Char(' '))
                               + QStringLiteral("Reader Identification") + QString(26, QLatin1Char(' '))
                               + QStringLiteral("Ctl Port");
} // namespace

LanSearch::LanSearch(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("lansearch"), 9930, 8160, parent), m_dialogs(dialogs)
{
    const QFont labelFont = ui::arialBold(9);
    Label1[0] = ui::label(this, QStringLiteral("Label1(0)"), QStringLiteral("Search for Readers on a Local Network"),
                          labelFont, 1350, 120, 6855, 315, Qt::AlignHCenter | Qt::AlignTop);
    Label1[1] = ui::label(this, QStringLiteral("Label1(1)"), ColumnHeadings, labelFont, 480, 900, 8835, 315);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(ui::font(QStringLiteral("Courier New"), 9.75, false));
    List1->setSortingEnabled(false);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every line has the same height: lets thousands of lines go in quickly.
    List1->setUniformItemSizes(true);
    place(List1, 480, 1260, 8955, 5100);

    const QFont buttonFont = ui::sansSerifBold(9.75);
    Label2 = actionButton(this, QStringLiteral("Label2"), QStringLiteral("F1 Start Search"), QStringLiteral("Shape2"),
                          QRect(1020, 6540, 1995, 375), QRect(1080, 6600, 1875, 255), buttonFont);
    Label1[2] = ui::label(this, QStringLiteral("Label1(2)"), QStringLiteral("Dblclick on a reader to program it"),
                          labelFont, 3600, 6600, 3075, 315);
    Label3 = actionButton(this, QStringLiteral("Label3"), QStringLiteral("Resolve Dup"), QStringLiteral("Shape1"),
                          QRect(7080, 6540, 1995, 375), QRect(7140, 6600, 1875, 255), buttonFont);
    Label1[3] = ui::label(this, QStringLiteral("Label1(3)"),
                          QStringLiteral("To resolve a duplicate IP, or force an ip address change, click on the "
                                         "reader and then click on \"Resolve Dup\""),
                          labelFont, 1620, 7140, 6795, 495);
    Label1[3]->setWordWrap(true);

    connect(Label2, &ClickLabel::clicked, this, &LanSearch::startSearch);
    connect(Label3, &ClickLabel::clicked, this, &LanSearch::resolveDup);
    connect(List1, &QListWidget::itemDoubleClicked, this, &LanSearch::list1DblClick);

    // Window load: the socket is bound and a member of the reply group from
    // now until the program ends. Failures leave a search that finds nothing.
    Winsock1 = new SocketControl(SocketControl::Udp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &SocketControl::DataArrival, this, &LanSearch::winsock1DataArrival);
    Winsock1->LocalPort = identify::Port;
    Winsock1->setReceiveBufferSize(ReceiveBufferBytes);
    if (Winsock1->Bind()) {
        // Only the reply group and datagrams sent to this port: without this
        // Linux also delivers the request group, and the window would list
        // its own request whenever a reader on this host has joined it.
        setMulticastAll(Winsock1->SocketHandle(), false);
        SockADD_Membership(Winsock1->SocketHandle(), identify::ReplyGroup, 0);
        SockMulti_TTL(Winsock1->SocketHandle(), identify::MulticastTtl);
    }
}

QString LanSearch::noReaderSelectedMessage()
{
    return QStringLiteral("Click on a reader in the list first, then click on \"Resolve Dup\"");
}

QString LanSearch::couldNotSendMessage()
{
    return QStringLiteral("The message to change the IP Address could not be sent");
}

bool LanSearch::keyPreview(QKeyEvent *event)
{
    if (virtualKeyCode(event) != keycode::F1)
        return false;
    if (event->type() == QEvent::KeyPress)
        startSearch();
    return true;
}

void LanSearch::startSearch()
{
    List1->clear();
    Winsock1->RemoteHost = identify::RequestGroup;
    Winsock1->RemotePort = identify::Port;
    // A refused send ends the start silently: the list stays empty.
    Winsock1->SendData(identify::Request);
}

void LanSearch::winsock1DataArrival()
{
    QByteArray datagram;
    if (!Winsock1->GetData(datagram) || List1->count() >= MaxListLines)
        return;
    List1->addItem(identifyListLine(parseIdentifyReply(datagram)));
}

void LanSearch::list1DblClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString line = item->text();
    emit readerChosen(addressFromListLine(line), controlPortFromListLine(line));
}

void LanSearch::resolveDup()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    if (selected.isEmpty()) {
        m_dialogs.message(noReaderSelectedMessage());
        return;
    }
    const QByteArray mac = macFromListLine(selected.first()->text());
    QPointer<LanSearch> self(this);
    const QString answer = m_dialogs.input(QStringLiteral("Enter new IP Address for this reader"), Dialogs::Title);
    if (!self || answer.isEmpty())
        return;
    // Besides the shared check, the reader must get four numbers: it would
    // restart with whatever text it is given. Blanks at either end are not
    // sent as part of the address.
    if (!isvalidip(answer) || !isNewReaderAddress(answer)) {
        m_dialogs.message(QStringLiteral("Invalid IP Address"));
        return;
    }
    Winsock1->RemoteHost = identify::RequestGroup;
    Winsock1->RemotePort = identify::Port;
    // A send that the system refuses is said as such, never confirmed.
    if (!Winsock1->SendData(changeAddressMessage(mac, trimBlanks(answer)))) {
        m_dialogs.message(couldNotSendMessage());
        return;
    }
    m_dialogs.message(QStringLiteral("A message has been sent to change the IP Address in the Reader")
                      + QStringLiteral(". If it was successful, the reader will restart with the new IP Address"));
}
