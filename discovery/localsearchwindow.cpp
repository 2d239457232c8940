#include "localsearchwindow.h"

#include "changeaddress.h"
#include "controlnumbers.h"
#include "dialogs.h"
#include "identifyreply.h"
#include "keymap.h"
#include "localsearchengine.h"
#include "addresschecks.h"
#include "readerlistmenu.h"
#include "searchinterfaces.h"
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

LocalSearchWindow::LocalSearchWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("localSearch"), 9930, 8160, parent), m_dialogs(dialogs)
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
    m_resolveHint = Label1[3]->text();

    connect(Label2, &ClickLabel::clicked, this, &LocalSearchWindow::startSearch);
    connect(Label3, &ClickLabel::clicked, this, &LocalSearchWindow::resolveDup);
    connect(List1, &QListWidget::itemDoubleClicked, this, &LocalSearchWindow::list1DblClick);
    m_listMenu = new ReaderListMenu(List1, m_dialogs,
                                    {QStringLiteral("IP Address"), QStringLiteral("MAC Address"),
                                     QStringLiteral("Reader Identification"), QStringLiteral("Control Port"),
                                     QStringLiteral("Interface")},
                                    QStringLiteral("readers.csv"));

    // Window load: the socket is bound and a member of the reply group on
    // every interface from now until the program ends. Failures leave a
    // search that finds nothing.
    Winsock1 = new LocalSearchEngine(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &LocalSearchEngine::replyReceived, this, &LocalSearchWindow::winsock1DataArrival);
    Winsock1->setReceiveBufferSize(ReceiveBufferBytes);
    Winsock1->open(searchInterfaces());
}

QString LocalSearchWindow::noReaderSelectedMessage()
{
    return QStringLiteral("Click on a reader in the list first, then click on \"Resolve Dup\"");
}

QString LocalSearchWindow::couldNotSendMessage()
{
    return QStringLiteral("The message to change the IP Address could not be sent");
}

QString LocalSearchWindow::searchAgainHint()
{
    return QStringLiteral("The reader restarts with its new IP Address: press F1 to search again");
}

bool LocalSearchWindow::keyPreview(QKeyEvent *event)
{
    if (virtualKeyCode(event) != keycode::F1)
        return false;
    if (event->type() == QEvent::KeyPress)
        startSearch();
    return true;
}

void LocalSearchWindow::startSearch()
{
    List1->clear();
    m_addressLines.clear();
    Label1[3]->setText(m_resolveHint);
    // An interface plugged in since the last search is taken in.
    Winsock1->open(searchInterfaces());
    // A refused send ends the start silently: the list stays empty.
    Winsock1->search();
}

void LocalSearchWindow::winsock1DataArrival(const QByteArray &datagram, const QString &interfaceName)
{
    if (List1->count() >= MaxListLines)
        return;
    const IdentifyReply reply = parseIdentifyReply(datagram);
    auto *item = new QListWidgetItem(identifyListLine(reply));
    const auto field = [](const QByteArray &bytes) { return QString::fromLatin1(bytes.left(SavedFieldBytes)); };
    item->setData(ReaderListMenu::CsvFieldsRole,
                  QStringList{field(reply.address), QString::fromLatin1(reply.mac.left(12)),
                              field(reply.identification), field(reply.controlPort), interfaceName});
    List1->addItem(item);
    markDuplicates(item);
}

void LocalSearchWindow::markDuplicates(QListWidgetItem *item)
{
    // Judged by what the line shows, the address a double click hands over
    // and the MAC that "Resolve Dup" sends.
    AddressLines &lines = m_addressLines[addressFromListLine(item->text())];
    const bool wasDuplicate = lines.macs.size() >= 2;
    lines.rows.append(List1->row(item));
    lines.macs.insert(macFromListLine(item->text()));
    if (wasDuplicate) {
        item->setForeground(duplicateColour());
    } else if (lines.macs.size() >= 2) {
        for (int row : std::as_const(lines.rows))
            List1->item(row)->setForeground(duplicateColour());
    }
}

void LocalSearchWindow::list1DblClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString line = item->text();
    emit readerChosen(addressFromListLine(line), controlPortFromListLine(line));
}

void LocalSearchWindow::resolveDup()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    if (selected.isEmpty()) {
        m_dialogs.message(noReaderSelectedMessage());
        return;
    }
    const QByteArray mac = macFromListLine(selected.first()->text());
    QPointer<LocalSearchWindow> self(this);
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
    // A send that the system refuses is said as such, never confirmed.
    if (!Winsock1->sendToReaders(changeAddressMessage(mac, trimBlanks(answer)))) {
        m_dialogs.message(couldNotSendMessage());
        return;
    }
    m_dialogs.message(QStringLiteral("A message has been sent to change the IP Address in the Reader")
                      + QStringLiteral(". If it was successful, the reader will restart with the new IP Address"));
    if (self)
        Label1[3]->setText(searchAgainHint());
}
