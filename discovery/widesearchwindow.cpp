#include "widesearchwindow.h"

#include "addresschecks.h"
#include "addresswalk.h"
#include "controlnumbers.h"
#include "dialogs.h"
#include "identifyreply.h"
#include "readerlistmenu.h"
#include "searchcomparison.h"
#include "typedvalues.h"
#include "uikit.h"
#include "widescan.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>

WideSearchWindow::WideSearchWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("wideSearch"), 10500, 8385, parent), m_dialogs(dialogs)
{
    const QFont labelFont = ui::arialBold(9);
    m_headingLabel = ui::label(this, QStringLiteral("headingLabel"),
                               tr("Search for Readers on a Wide Area Network"), labelFont, 1260, 60, 6855,
                               315, Qt::AlignHCenter | Qt::AlignTop);
    // The field labels name their fields for assistive technology.
    const ui::LabelledField startAddress = ui::labelledField(
        //: Caption before a field, at most 121 pixels wide.
        this, {"startAddressEdit", QT_TR_NOOP("Starting IP Address"), QRect(720, 720, 1815, 315), QRect(2760, 720, 1635, 315), 15,
               FilteredLineEdit::address});
    m_startAddressLabel = startAddress.caption;
    m_startAddressEdit = startAddress.edit;
    const ui::LabelledField controlPort = ui::labelledField(
        //: Caption before a field, at most 117 pixels wide.
        this, {"controlPortEdit", QT_TR_NOOP("Control Port Number"), QRect(720, 1140, 1755, 315), QRect(2760, 1140, 1635, 315), 5,
               FilteredLineEdit::digits});
    m_controlPortLabel = controlPort.caption;
    m_controlPortEdit = controlPort.edit;

    m_startSearchButton = ui::actionButton(
        //: Button started by the F1 key, at most 117 pixels wide.
        this, {"startSearchButton", QT_TR_NOOP("F1 Start Search"), QRect(4800, 660, 1755, 375), QRect(4740, 600, 1875, 435)});
    m_stopSearchButton = ui::actionButton(
        //: Button started by the F2 key, at most 117 pixels wide.
        this, {"stopSearchButton", QT_TR_NOOP("F2 Stop Search"), QRect(6780, 660, 1755, 375), QRect(6720, 600, 1875, 435)});

    const QFont smallFont = ui::sansSerifBold(8.25);
    //: Check box, at most 97 pixels wide with its box.
    m_slowModeCheck = new QCheckBox(tr("Slow Mode"), this);
    m_slowModeCheck->setObjectName(QStringLiteral("slowModeCheck"));
    m_slowModeCheck->setFont(smallFont);
    place(m_slowModeCheck, 5940, 1200, 1455, 315);
    // Beside Slow Mode and like it; unchecked when the window opens, so that
    // a scan is the serial one until it is chosen.
    //: Check box, at most 97 pixels wide with its box.
    m_fastModeCheck = new QCheckBox(tr("Fast Mode"), this);
    m_fastModeCheck->setObjectName(QStringLiteral("fastModeCheck"));
    m_fastModeCheck->setFont(smallFont);
    place(m_fastModeCheck, 7500, 1200, 1455, 315);
    m_statusLabel = ui::label(this, QStringLiteral("statusLabel"), QString(), smallFont, 4800, 1200, 3795, 315,
                              Qt::AlignHCenter | Qt::AlignTop);
    m_statusLabel->hide();

    //: Column headings over the list of readers: each stays over its column,
    //: and all three share one line of 521 pixels.
    const QString headings = readerListHeadings(labelFont, {{QStringLiteral("IP Address"), tr("IP Address"), 34},
                                                            {QStringLiteral("Mac Address"), tr("Mac Address"), 32},
                                                            {QStringLiteral("Reader Identification"),
                                                             tr("Reader Identification"), 0}});
    m_columnHeadingsLabel = ui::label(this, QStringLiteral("columnHeadingsLabel"), headings, labelFont, 780,
                                      1740, 7815, 315);
    m_readerList = createReaderList(this, QRect(720, 2100, 8115, 5100));
    m_doubleClickHintLabel = ui::label(this, QStringLiteral("doubleClickHintLabel"),
                                       //: Hint under the list, right-aligned, at most 229 pixels wide.
                                       tr("Dblclick on reader to program it"), labelFont, 5340, 7260,
                                       3435, 315, Qt::AlignRight | Qt::AlignTop);

    connect(m_startSearchButton, &ClickLabel::clicked, this, &WideSearchWindow::startScan);
    connect(m_stopSearchButton, &ClickLabel::clicked, this, &WideSearchWindow::stopScan);
    connect(m_controlPortEdit, &QLineEdit::textChanged, this, &WideSearchWindow::changeScanPort);
    connect(m_readerList, &QListWidget::itemDoubleClicked, this, &WideSearchWindow::chooseReader);
    m_listMenu = new ReaderListMenu(m_readerList, m_dialogs,
                                    {QStringLiteral("IP Address"), QStringLiteral("MAC Address"),
                                     QStringLiteral("Reader Identification"), QStringLiteral("Control Port")},
                                    QStringLiteral("readers.csv"));
    m_searchComparison = new SearchComparison(m_listMenu, m_readerList, m_dialogs);
    // As a double click in the list: with the port the field holds now.
    connect(m_searchComparison, &SearchComparison::readerChosen, this,
            [this](const QString &address) { emit readerChosen(address, m_controlPortEdit->text()); });

    m_searchEngine = new WideScan(this);
    connect(m_searchEngine, &WideScan::trying, this, &WideSearchWindow::showTrying);
    connect(m_searchEngine, &WideScan::progress, this, &WideSearchWindow::showProgress);
    connect(m_searchEngine, &WideScan::readerFound, this,
            [this](const QString &, const IdentifyReply &reply, quint16 port) { addReader(reply, port); });
    connect(m_searchEngine, &WideScan::finished, this, &WideSearchWindow::showScanEnded);
}

void WideSearchWindow::keepLastSearchIn(const QString &folder)
{
    m_searchComparison->setKeptListFile(QDir(folder).filePath(KeptListName));
}

bool WideSearchWindow::keyPreview(QKeyEvent *event)
{
    const int key = event->key();
    if (key != Qt::Key_F1 && key != Qt::Key_F2)
        return false;
    if (event->type() == QEvent::KeyPress) {
        if (key == Qt::Key_F1)
            startScan();
        else
            stopScan();
    }
    return true;
}

bool WideSearchWindow::isScanning() const
{
    return m_searchEngine->isRunning();
}

void WideSearchWindow::startScan()
{
    if (isScanning())
        return;
    const QString start = trimBlanks(m_startAddressEdit->text());
    if (!WideAreaWalk::acceptsStart(start)) {
        m_dialogs.message(tr("Invalid IP Address"));
        return;
    }
    // Besides a blank text, a value that is no port (0, above 65535, or a
    // pasted non-number) is refused before anything is tried.
    const std::optional<quint16> port =
        checkedPort(m_dialogs, m_controlPortEdit->text(), tr("Invalid Port Number"));
    if (!port)
        return;

    m_fastScan = m_fastModeCheck->isChecked();
    m_slowModeCheck->hide();
    m_fastModeCheck->hide();
    m_statusLabel->clear();
    m_statusLabel->show();
    m_searchComparison->searchStarted();
    m_readerList->clear();

    WideScan::Options options;
    options.start = start;
    options.port = *port;
    if (m_fastScan) {
        options.jobs = FastJobs;
        options.timeoutMs = m_limits.fastAddressMs;
        m_statusLabel->setText(tr("Searching %1").arg(start));
    } else {
        options.jobs = 1;
        options.timeoutMs = m_slowModeCheck->isChecked() ? m_limits.slowSilentAddressMs : m_limits.silentAddressMs;
        options.replyTimeoutMs = m_limits.replyMs;
    }
    m_searchEngine->start(options);
}

void WideSearchWindow::stopScan()
{
    if (m_fastScan)
        m_searchEngine->stop();
    else
        m_searchEngine->stopAfterInFlight();
}

void WideSearchWindow::closeEvent(QCloseEvent *event)
{
    m_searchEngine->stop();
    TaskWindow::closeEvent(event);
}

void WideSearchWindow::showTrying(const QString &address)
{
    if (!m_fastScan)
        //: Status while scanning, at most 253 pixels wide; %1 is an address.
        m_statusLabel->setText(tr("Searching %1").arg(address));
}

void WideSearchWindow::showProgress(int addressesDone, const QString &lastAddress)
{
    if (m_fastScan)
        //: Status while scanning fast, at most 253 pixels wide; %2 is an address.
        m_statusLabel->setText(tr("Searched %1 addresses, up to %2").arg(addressesDone).arg(lastAddress));
}

// The serial scan asks each address on the port the field holds when the
// address is tried: an edit during the scan counts from the next address on,
// and a text that is no port makes the addresses fail until it is one again.
void WideSearchWindow::changeScanPort(const QString &text)
{
    if (isScanning() && !m_fastScan)
        m_searchEngine->setPort(portFromText(text).value_or(0));
}

void WideSearchWindow::addReader(const IdentifyReply &reply, quint16 port)
{
    auto *item = new QListWidgetItem(wideAreaListLine(reply));
    item->setData(ReaderListMenu::CsvFieldsRole,
                  QStringList{QString::fromLatin1(reply.address), QString::fromLatin1(reply.mac.left(12)),
                              QString::fromLatin1(reply.identification), QString::number(port)});
    m_readerList->addItem(item);
}

void WideSearchWindow::showScanEnded()
{
    m_statusLabel->hide();
    m_slowModeCheck->show();
    m_fastModeCheck->show();
    m_searchComparison->searchEnded();
}

void WideSearchWindow::chooseReader(QListWidgetItem *item)
{
    if (!item)
        return;
    emit readerChosen(addressFromListLine(item->text()), m_controlPortEdit->text());
}
