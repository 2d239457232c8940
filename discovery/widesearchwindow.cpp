#include "widesearchwindow.h"

#include "addresswalk.h"
#include "controlnumbers.h"
#include "dialogs.h"
#include "identifyreply.h"
#include "keymap.h"
#include "addresschecks.h"
#include "readerlistmenu.h"
#include "socketcontrol.h"
#include "uikit.h"
#include "widescan.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>

namespace {
const QString ColumnHeadings = QStringLiteral("IP Address") + QString(34, QLatin1Char(' '))
                               + QStringLiteral("Mac Address") + QString(32, QLatin1Char(' '))
                               + QStringLiteral("Reader Identification");

// The count (in ticks of the shared wait) at which an address is given up
// when it has not connected: about 1 s, or 3 s in slow mode.
constexpr int ConnectCounts = 10;
constexpr int SlowConnectCounts = 30;
// A connected reader gets 10 passes of 20 ms to answer.
constexpr int ReplyPasses = 10;
constexpr int ReplyPassMs = 20;
constexpr qint64 ReadPieceBytes = 64 * 1024;
} // namespace

WideSearchWindow::WideSearchWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("wideSearch"), 10500, 8385, parent), m_dialogs(dialogs)
{
    const QFont labelFont = ui::arialBold(9);
    Label1[0] = ui::label(this, QStringLiteral("Label1(0)"), QStringLiteral("Search for Readers on a Wide Area Network"),
                          labelFont, 1260, 60, 6855, 315, Qt::AlignHCenter | Qt::AlignTop);
    Label1[3] = ui::label(this, QStringLiteral("Label1(3)"), QStringLiteral("Starting IP Address"), labelFont,
                          720, 720, 1815, 315);
    Text3 = ui::field(this, QStringLiteral("Text3"), 15, QRect(2760, 720, 1635, 315), QString(),
                      FilteredLineEdit::address);
    Label1[4] = ui::label(this, QStringLiteral("Label1(4)"), QStringLiteral("Control Port Number"), labelFont,
                          720, 1140, 1755, 315);
    Text2 = ui::field(this, QStringLiteral("Text2"), 5, QRect(2760, 1140, 1635, 315), QString(),
                      FilteredLineEdit::digits);
    // The field labels name their fields for assistive technology.
    Label1[3]->setBuddy(Text3);
    Label1[4]->setBuddy(Text2);

    const QFont buttonFont = ui::sansSerifBold(9.75);
    Label2 = actionButton(this, QStringLiteral("Label2"), QStringLiteral("F1 Start Search"), QStringLiteral("Shape2"),
                          QRect(4740, 600, 1875, 435), QRect(4800, 660, 1755, 375), buttonFont);
    Label5 = actionButton(this, QStringLiteral("Label5"), QStringLiteral("F2 Stop Search"), QStringLiteral("Shape1"),
                          QRect(6720, 600, 1875, 435), QRect(6780, 660, 1755, 375), buttonFont);

    const QFont smallFont = ui::sansSerifBold(8.25);
    Check1 = new QCheckBox(QStringLiteral("Slow Mode"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(smallFont);
    place(Check1, 5940, 1200, 1455, 315);
    // Beside Slow Mode and like it; off at load, so the scan is the serial one.
    FastMode = new QCheckBox(QStringLiteral("Fast Mode"), this);
    FastMode->setObjectName(QStringLiteral("FastMode"));
    FastMode->setFont(smallFont);
    place(FastMode, 7500, 1200, 1455, 315);
    Label3 = ui::label(this, QStringLiteral("Label3"), QString(), smallFont, 4800, 1200, 3795, 315,
                       Qt::AlignHCenter | Qt::AlignTop);
    Label3->hide();

    Label1[1] = ui::label(this, QStringLiteral("Label1(1)"), ColumnHeadings, labelFont, 780, 1740, 7815, 315);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(ui::font(QStringLiteral("Courier New"), 9.75, false));
    List1->setSortingEnabled(false);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);
    place(List1, 720, 2100, 8115, 5100);
    Label1[2] = ui::label(this, QStringLiteral("Label1(2)"), QStringLiteral("Dblclick on reader to program it"),
                          labelFont, 5340, 7260, 3435, 315, Qt::AlignRight | Qt::AlignTop);

    tcpclient = new SocketControl(SocketControl::Tcp, this);
    tcpclient->setObjectName(QStringLiteral("tcpclient"));

    connect(Label2, &ClickLabel::clicked, this, &WideSearchWindow::runScan);
    connect(Label5, &ClickLabel::clicked, this, &WideSearchWindow::stopScan);
    connect(List1, &QListWidget::itemDoubleClicked, this, &WideSearchWindow::list1DblClick);
    m_listMenu = new ReaderListMenu(List1, m_dialogs,
                                    {QStringLiteral("IP Address"), QStringLiteral("MAC Address"),
                                     QStringLiteral("Reader Identification"), QStringLiteral("Control Port")},
                                    QStringLiteral("readers.csv"));

    m_fastScan = new WideScan(this);
    connect(m_fastScan, &WideScan::progress, this, [this](int done, const QString &address) {
        Label3->setText(QStringLiteral("Searched %1 addresses, up to %2").arg(done).arg(address));
    });
    connect(m_fastScan, &WideScan::readerFound, this,
            [this](const QString &, const IdentifyReply &reply) { addReader(reply, m_fastScanPort); });
    connect(m_fastScan, &WideScan::finished, this, &WideSearchWindow::scanOver);
}

bool WideSearchWindow::keyPreview(QKeyEvent *event)
{
    const int code = virtualKeyCode(event);
    if (code != keycode::F1 && code != keycode::F2)
        return false;
    if (event->type() == QEvent::KeyPress) {
        if (code == keycode::F1)
            runScan();
        else
            stopScan();
    }
    return true;
}

void WideSearchWindow::runScan()
{
    // A scan lets events run while it waits; F1 then must not start a second
    // scan inside the first.
    if (m_scanning)
        return;
    // A start whose first two groups are not numbers would turn every address
    // of the scan into a host name to look up: refused like any invalid one.
    if (!isvalidip(Text3->text()) || !WideAreaWalk::hasNumericPrefix(Text3->text())) {
        m_dialogs.message(QStringLiteral("Invalid IP Address"));
        return;
    }
    // Besides a blank text, a value that is no port (0, above 65535, or a
    // pasted non-number) is refused before anything is tried.
    bool portOk = false;
    SocketControl::portFromText(Text2->text(), &portOk);
    if (!isnotblank(Text2->text()) || !portOk) {
        m_dialogs.message(QStringLiteral("Invalid Port Number"));
        return;
    }

    m_scanning = true;
    Check1->hide();
    FastMode->hide();
    Label3->clear();
    Label3->show();
    stop = false;
    List1->clear();
    if (FastMode->isChecked())
        runFastScan();
    else
        runSerialScan();
}

void WideSearchWindow::stopScan()
{
    stop = true;
    m_fastScan->stop();
}

void WideSearchWindow::runSerialScan()
{
    QPointer<WideSearchWindow> self(this);
    WideAreaWalk walk(Text3->text());
    QString address;
    while (!stop && walk.next(address)) {
        Label3->setText(QStringLiteral("Searching ") + address);
        Label3->repaint();
        IdentifyReply reply;
        const bool answered = identifyAt(address, reply);
        if (!self)
            return;
        if (answered)
            addReader(reply, tcpclient->RemotePort);
    }
    scanOver();
}

void WideSearchWindow::runFastScan()
{
    WideScan::Options options;
    options.start = Text3->text();
    options.port = SocketControl::portFromText(Text2->text());
    options.jobs = FastJobs;
    options.timeoutMs = FastTimeoutMs;
    Label3->setText(QStringLiteral("Searching ") + Text3->text());
    m_fastScanPort = options.port;
    m_fastScan->start(options);
}

void WideSearchWindow::addReader(const IdentifyReply &reply, quint16 port)
{
    auto *item = new QListWidgetItem(wideAreaListLine(reply));
    item->setData(ReaderListMenu::CsvFieldsRole,
                  QStringList{QString::fromLatin1(reply.address), QString::fromLatin1(reply.mac.left(12)),
                              QString::fromLatin1(reply.identification), QString::number(port)});
    List1->addItem(item);
}

void WideSearchWindow::scanOver()
{
    Label3->hide();
    Check1->show();
    FastMode->show();
    m_scanning = false;
}

bool WideSearchWindow::identifyAt(const QString &address, IdentifyReply &reply)
{
    QPointer<WideSearchWindow> self(this);
    // The port is read for every address, so an edit during the scan counts
    // from the next address on. Socket errors from here on are not reported:
    // a port text edited into no port makes Connect fail, and the address is
    // skipped after its wait like any silent one.
    bool portOk = false;
    const quint16 port = SocketControl::portFromText(Text2->text(), &portOk);
    tcpclient->LocalPort = 0;
    tcpclient->RemotePort = portOk ? port : 0;
    tcpclient->RemoteHost = address;
    tcpclient->Connect();

    const int connectCounts = Check1->isChecked() ? SlowConnectCounts : ConnectCounts;
    if (!waits::until(waits::counting(connectCounts),
                      [this] { return tcpclient->State() == SocketControl::Connected; }, {this})) {
        if (self)
            tcpclient->Close();
        return false;
    }

    // The reply is walked as it comes and only the shown part of each field
    // is kept: a reader sending megabytes without a carriage return costs no
    // more memory than one that answers properly. Each pass reads what the
    // socket holds in pieces of at most ReadPieceBytes.
    IdentifyReplyWalk walk;
    tcpclient->SendData(identify::TcpRequest);
    // Judged, as for one read of everything waiting, once the piece read
    // last has emptied the socket.
    auto replied = [&] {
        while (tcpclient->BytesReceived() != 0) {
            walk.add(tcpclient->GetData(qMin<qint64>(tcpclient->BytesReceived(), ReadPieceBytes)));
            if (tcpclient->BytesReceived() == 0 && walk.endsWithCarriageReturn())
                return true;
        }
        return false;
    };
    const bool answered = waits::until(waits::passes(ReplyPasses, ReplyPassMs), replied, {this});
    if (!self)
        return false;
    tcpclient->Close();
    if (answered)
        reply = walk.fields();
    return answered;
}

void WideSearchWindow::list1DblClick(QListWidgetItem *item)
{
    if (!item)
        return;
    emit readerChosen(addressFromListLine(item->text()), Text2->text());
}
