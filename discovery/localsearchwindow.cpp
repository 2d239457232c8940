#include "localsearchwindow.h"

#include "changeaddress.h"
#include "controlnumbers.h"
#include "dialogs.h"
#include "identifyreply.h"
#include "localsearchengine.h"
#include "addresschecks.h"
#include "readerlistmenu.h"
#include "searchcomparison.h"
#include "searchinterfaces.h"
#include "typedvalues.h"
#include "uikit.h"

#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QTimer>

LocalSearchWindow::LocalSearchWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("localSearch"), 9930, 8160, parent), m_dialogs(dialogs)
{
    const QFont labelFont = ui::arialBold(9);
    m_headingLabel = ui::label(this, QStringLiteral("headingLabel"),
                               tr("Search for Readers on a Local Network"), labelFont, 1350, 120, 6855,
                               315, Qt::AlignHCenter | Qt::AlignTop);
    //: Column headings over the list of readers: each stays over its column,
    //: and all four share one line of 589 pixels.
    const QString headings = readerListHeadings(labelFont, {{QStringLiteral("IP Address"), tr("IP Address"), 34},
                                                            {QStringLiteral("Mac Address"), tr("Mac Address"), 34},
                                                            {QStringLiteral("Reader Identification"),
                                                             tr("Reader Identification"), 26},
                                                            //: Column heading: the reader's control port.
                                                            {QStringLiteral("Ctl Port"), tr("Ctl Port"), 0}});
    m_columnHeadingsLabel = ui::label(this, QStringLiteral("columnHeadingsLabel"), headings, labelFont, 480, 900,
                                      8835, 315);

    m_readerList = createReaderList(this, QRect(480, 1260, 8955, 5100));

    m_startSearchButton = ui::actionButton(
        //: Button started by the F1 key, at most 125 pixels wide.
        this, {"startSearchButton", QT_TR_NOOP("F1 Start Search"), QRect(1080, 6600, 1875, 255), QRect(1020, 6540, 1995, 375)});
    m_doubleClickHintLabel = ui::label(this, QStringLiteral("doubleClickHintLabel"),
                                       //: Hint beside the buttons, at most 205 pixels wide.
                                       tr("Dblclick on a reader to program it"), labelFont, 3600, 6600,
                                       3075, 315);
    m_resolveDupButton = ui::actionButton(
        //: Button that gives a reader a new address ("Dup": a duplicate address), at most 125 pixels wide.
        this, {"resolveDupButton", QT_TR_NOOP("Resolve Dup"), QRect(7140, 6600, 1875, 255), QRect(7080, 6540, 1995, 375)});
    m_resolveHintLabel = ui::label(this, QStringLiteral("resolveHintLabel"),
                                   //: Hint under the list: two lines of 453 pixels at most.
                                   tr("To resolve a duplicate IP, or force an ip address change, click on "
                                      "the reader and then click on \"Resolve Dup\""),
                                   labelFont, 1620, 7140, 6795, 495);
    m_resolveHintLabel->setWordWrap(true);
    m_resolveHintText = m_resolveHintLabel->text();

    connect(m_startSearchButton, &ClickLabel::clicked, this, &LocalSearchWindow::startSearch);
    connect(m_resolveDupButton, &ClickLabel::clicked, this, &LocalSearchWindow::resolveDup);
    connect(m_readerList, &QListWidget::itemDoubleClicked, this, &LocalSearchWindow::chooseReader);
    m_listMenu = new ReaderListMenu(m_readerList, m_dialogs,
                                    {QStringLiteral("IP Address"), QStringLiteral("MAC Address"),
                                     QStringLiteral("Reader Identification"), QStringLiteral("Control Port"),
                                     QStringLiteral("Interface")},
                                    QStringLiteral("readers.csv"));
    m_searchComparison = new SearchComparison(m_listMenu, m_readerList, m_dialogs);
    connect(m_searchComparison, &SearchComparison::readerChosen, this, &LocalSearchWindow::readerChosen);
    m_searchSettled = new QTimer(this);
    m_searchSettled->setSingleShot(true);
    m_searchSettled->setInterval(SearchSettledMs);
    connect(m_searchSettled, &QTimer::timeout, m_searchComparison, &SearchComparison::searchEnded);

    // From the window's creation on, the socket is bound and a member of the
    // reply group on every interface, until the program ends. Failures leave a
    // search that finds nothing.
    m_searchEngine = new LocalSearchEngine(this);
    m_searchEngine->setObjectName(QStringLiteral("searchEngine"));
    connect(m_searchEngine, &LocalSearchEngine::replyReceived, this, &LocalSearchWindow::addReply);
    m_searchEngine->setReceiveBufferSize(ReceiveBufferBytes);
    m_searchEngine->open(searchInterfaces());
}

void LocalSearchWindow::keepLastSearchIn(const QString &folder)
{
    m_searchComparison->setKeptListFile(QDir(folder).filePath(KeptListName));
}

QString LocalSearchWindow::noReaderSelectedMessage()
{
    return tr("Click on a reader in the list first, then click on \"Resolve Dup\"");
}

QString LocalSearchWindow::couldNotSendMessage()
{
    return tr("The message to change the IP Address could not be sent");
}

QString LocalSearchWindow::searchAgainHint()
{
    //: Hint under the list after an address change: two lines of 453 pixels at most.
    return tr("The reader restarts with its new IP Address: press F1 to search again");
}

bool LocalSearchWindow::keyPreview(QKeyEvent *event)
{
    if (event->key() != Qt::Key_F1)
        return false;
    if (event->type() == QEvent::KeyPress)
        startSearch();
    return true;
}

void LocalSearchWindow::startSearch()
{
    m_searchComparison->searchStarted();
    m_readerList->clear();
    m_addressLines.clear();
    m_resolveHintLabel->setText(m_resolveHintText);
    m_searchSettled->start();
    // An interface plugged in since the last search is taken in.
    m_searchEngine->open(searchInterfaces());
    // A refused send ends the start silently: the list stays empty.
    m_searchEngine->search();
}

void LocalSearchWindow::addReply(const QByteArray &datagram, const QString &interfaceName)
{
    if (m_readerList->count() >= MaxListLines)
        return;
    const IdentifyReply reply = parseIdentifyReply(datagram);
    auto *item = new QListWidgetItem(identifyListLine(reply));
    const auto field = [](const QByteArray &bytes) { return QString::fromLatin1(bytes.left(SavedFieldBytes)); };
    item->setData(ReaderListMenu::CsvFieldsRole,
                  QStringList{field(reply.address), QString::fromLatin1(reply.mac.left(12)),
                              field(reply.identification), field(reply.controlPort), interfaceName});
    m_readerList->addItem(item);
    markDuplicates(item);
    m_searchSettled->start();
}

void LocalSearchWindow::markDuplicates(QListWidgetItem *item)
{
    // Judged by what the line shows, the address a double click hands over
    // and the MAC that "Resolve Dup" sends.
    AddressLines &lines = m_addressLines[addressFromListLine(item->text())];
    const bool wasDuplicate = lines.macs.size() >= 2;
    lines.rows.append(m_readerList->row(item));
    lines.macs.insert(macFromListLine(item->text()));
    if (wasDuplicate) {
        item->setForeground(duplicateColour());
    } else if (lines.macs.size() >= 2) {
        for (int row : std::as_const(lines.rows))
            m_readerList->item(row)->setForeground(duplicateColour());
    }
}

void LocalSearchWindow::chooseReader(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString line = item->text();
    emit readerChosen(addressFromListLine(line), controlPortFromListLine(line));
}

void LocalSearchWindow::resolveDup()
{
    const QList<QListWidgetItem *> selected = m_readerList->selectedItems();
    if (selected.isEmpty()) {
        m_dialogs.message(noReaderSelectedMessage());
        return;
    }
    const QByteArray mac = macFromListLine(selected.first()->text());
    QPointer<LocalSearchWindow> self(this);
    const QString answer = m_dialogs.input(tr("Enter new IP Address for this reader"), Dialogs::Title);
    if (!self || answer.isEmpty())
        return;
    // The reader must get four numbers: it would restart with whatever text
    // it is given. Blanks at either end are not sent as part of the address.
    if (!readerAddressFromText(answer)) {
        m_dialogs.message(tr("Invalid IP Address"));
        return;
    }
    // A send that the system refuses is said as such, never confirmed.
    if (!m_searchEngine->sendToReaders(changeAddressMessage(mac, trimBlanks(answer)))) {
        m_dialogs.message(couldNotSendMessage());
        return;
    }
    m_dialogs.message(tr("A message has been sent to change the IP Address in the Reader"
                         ". If it was successful, the reader will restart with the new IP Address"));
    if (self)
        m_resolveHintLabel->setText(searchAgainHint());
}
