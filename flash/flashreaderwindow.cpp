#include "flashreaderwindow.h"

#include "commandlanguage.h"
#include "dialogs.h"
#include "downloadmessage.h"
#include "flashstatus.h"
#include "addresschecks.h"
#include "socketcontrol.h"
#include "uikit.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {
constexpr int DefaultAcknowledgementMs = 5000;
constexpr int DefaultRestartPauseMs = 2000;
int g_acknowledgementMs = DefaultAcknowledgementMs;
int g_restartPauseMs = DefaultRestartPauseMs;

QLineEdit *entryField(QWidget *parent, const QString &name, int maxLength, int left, int top)
{
    return ui::field(parent, name, maxLength, QRect(left, top, 1635, 315));
}

QLabel *fieldLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width)
{
    return ui::label(parent, name, text, ui::arialBold(), left, top, width, 315, Qt::AlignLeft | Qt::AlignVCenter);
}

// An action label over its grey rounded rectangle, which stands a little
// outside the label on every side.
ClickLabel *button(QWidget *parent, const QString &name, const QString &text, const QString &shape,
                   int left, int top, int width, int height)
{
    return actionButton(parent, name, text, shape, QRect(left - 60, top - 45, width + 120, height + 90),
                        QRect(left, top, width, height), ui::sansSerifBold());
}
} // namespace

FlashReaderWindow::FlashReaderWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("flashReader"), 10845, 5000, parent), m_dialogs(dialogs)
{
    Label1[0] = ui::label(this, Label1.elementName(0), QStringLiteral("Flash Download new firmware into Reader"),
                         ui::arialBold(12), 960, 120, 6855, 315, Qt::AlignCenter);
    Label1[3] = fieldLabel(this, Label1.elementName(3), QStringLiteral("IP Address"), 660, 840, 1635);
    Text3 = entryField(this, QStringLiteral("Text3"), 15, 2520, 840);
    Label1[2] = fieldLabel(this, Label1.elementName(2), QStringLiteral("Control Port Number"), 4740, 840, 1875);
    Text4 = entryField(this, QStringLiteral("Text4"), 5, 6840, 840);
    Label1[1] = fieldLabel(this, Label1.elementName(1), QStringLiteral("Password"), 4740, 1260, 1815);
    Text1 = entryField(this, QStringLiteral("Text1"), 5, 6840, 1260);
    Label2 = button(this, QStringLiteral("Label2"), QStringLiteral("Select File"), QStringLiteral("Shape1"),
                    600, 1980, 1755, 315);
    Label1[4] = fieldLabel(this, Label1.elementName(4), QStringLiteral(" None Selected"), 2580, 1980, 7935);
    Label3 = button(this, QStringLiteral("Label3"), QStringLiteral("Start Download"), QStringLiteral("Shape2"),
                    600, 3300, 1755, 315);
    Label4 = button(this, QStringLiteral("Label4"), QStringLiteral("Abort Download"), QStringLiteral("Shape3"),
                    600, 3900, 1755, 315);
    Label1[5] = fieldLabel(this, Label1.elementName(5), FlashStatus::text(QStringLiteral("Not Connected")),
                          2580, 3540, 7875);
    // Each field is named by its label for screen readers; the file path and
    // the status line are read out as they currently stand.
    Label1[3]->setBuddy(Text3);
    Label1[2]->setBuddy(Text4);
    Label1[1]->setBuddy(Text1);
    Label1[4]->setAccessibleName(QString());
    Label1[5]->setAccessibleName(QString());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(g_acknowledgementMs);
    // The reader gets its full time: a coarse timer may fire 5 % early.
    Timer1->setTimerType(Qt::PreciseTimer);
    Winsock2 = new SocketControl(SocketControl::Tcp, this);
    Winsock2->setObjectName(QStringLiteral("Winsock2"));
    Winsock1 = new SocketControl(SocketControl::Tcp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));

    connect(Label2, &ClickLabel::clicked, this, &FlashReaderWindow::selectFile);
    connect(Label3, &ClickLabel::clicked, this, &FlashReaderWindow::download);
    connect(Label4, &ClickLabel::clicked, this, &FlashReaderWindow::requestAbort);
    connect(Timer1, &QTimer::timeout, this, &FlashReaderWindow::timerTick);
    connect(Winsock2, &SocketControl::DataArrival, this, &FlashReaderWindow::controlDataArrival);
    connect(Winsock1, &SocketControl::DataArrival, this, &FlashReaderWindow::downloadDataArrival);
}

FlashReaderWindow::~FlashReaderWindow()
{
    // A download still running sits lower on the stack, in a wait: let that
    // wait end, and leave nothing open behind.
    if (m_waitLoop)
        m_waitLoop->exit();
    Timer1->stop();
    m_image.close();
    Winsock1->Close();
    Winsock2->Close();
}

void FlashReaderWindow::setTimerIntervals(int acknowledgementMs, int restartPauseMs)
{
    g_acknowledgementMs = acknowledgementMs > 0 ? acknowledgementMs : DefaultAcknowledgementMs;
    g_restartPauseMs = restartPauseMs > 0 ? restartPauseMs : DefaultRestartPauseMs;
}

void FlashReaderWindow::selectFile()
{
    if (m_running)
        return;
    Dialogs::FileRequest request;
    request.defaultExtension = QStringLiteral("bin");
    request.proposedName = QStringLiteral("zavtcp.bin");
    request.filters = QStringList{QStringLiteral("Binary Files (*.bin)"), QStringLiteral("All Files (*.*)")};
    request.mustExist = true;
    QPointer<FlashReaderWindow> self(this);
    QString path;
    const bool chosen = m_dialogs.openFile(request, path);
    if (!self || !chosen || m_running)
        return;
    m_selectedFile = path;
    Label1[4]->setText(path);
}

void FlashReaderWindow::download()
{
    if (m_running)
        return;
    if (trimBlanks(m_selectedFile).isEmpty()) {
        m_dialogs.message(QStringLiteral("A File must be selected for Download"));
        return;
    }
    if (!isvalidip(Text3->text())) {
        m_dialogs.message(QStringLiteral("Invalid IP Address"));
        return;
    }
    bool portValid = false;
    const quint16 controlPort = SocketControl::portFromText(Text4->text(), &portValid);
    if (!isnotblank(Text4->text()) || !portValid) {
        m_dialogs.message(QStringLiteral("Invalid Control Port"));
        return;
    }
    if (!isfivechars(Text1->text())) {
        m_dialogs.message(QStringLiteral("A 5 character password must be entered"));
        return;
    }
    const FirmwareImage::Check image = FirmwareImage::checkFile(m_selectedFile);
    if (image != FirmwareImage::Usable) {
        m_dialogs.message(FirmwareImage::refusal(image, m_selectedFile, QFileInfo(m_selectedFile).size()));
        return;
    }

    // An abort click left over from an earlier run must not cut this one short.
    m_abort = false;
    m_running = true;
    QPointer<FlashReaderWindow> self(this);
    // The fields stay editable while the download runs; both connections go
    // to the reader, and with the password, that the click started with.
    runDownload(Text3->text(), controlPort, Text1->text());
    if (self)
        m_running = false;
}

void FlashReaderWindow::runDownload(const QString &address, quint16 controlPort, const QString &password)
{
    QPointer<FlashReaderWindow> self(this);

    Winsock2->RemoteHost = address;
    Winsock2->RemotePort = controlPort;
    Winsock2->LocalPort = 0;
    setStatus(FlashStatus::text(QStringLiteral("Connecting to Control Port")));
    const bool controlConnected = waitconnect(*Winsock2, this);
    if (!self)
        return;
    // On a failure the connection is closed before the message shows, so that
    // a connect completing late is not held open behind the modal box.
    if (!controlConnected) {
        Winsock2->Close();
        m_dialogs.message(QStringLiteral("Unable to connect to Control Port"));
        return;
    }
    m_replyBuffer.clear();
    Winsock2->SendData(control::loginLine(password.toLatin1()));
    const bool loggedIn = waitok(m_replyBuffer, this);
    if (!self)
        return;
    if (!loggedIn) {
        Winsock2->Close();
        m_dialogs.message(QStringLiteral("Unable to connect to Control Port"));
        return;
    }
    setStatus(FlashStatus::text(QStringLiteral("Control Port Connected")));

    Winsock1->RemoteHost = address;
    Winsock1->RemotePort = DownloadMessage::DownloadPort;
    Winsock1->LocalPort = 0;
    setStatus(FlashStatus::text(QStringLiteral("Control Port Connected, Connecting to Download Port")));
    const bool downloadConnected = waitconnect(*Winsock1, this);
    if (!self)
        return;
    if (!downloadConnected) {
        closeConnections();
        m_dialogs.message(QStringLiteral("Unable to connect to Download Port"));
        return;
    }
    setStatus(FlashStatus::text(QStringLiteral("Control Port Connected, Download Port Connected")));

    // The file may have gone or changed since the checks, seconds ago.
    if (!m_image.open(m_selectedFile)) {
        closeConnections();
        m_dialogs.message(FirmwareImage::refusal(m_image.lastCheck(), m_selectedFile, m_image.length()));
        return;
    }
    const int blockCount = m_image.blockCount();
    Timer1->stop();
    Timer1->setInterval(g_acknowledgementMs);
    m_timedOut = false;
    setStatus(FlashStatus::text(QStringLiteral("Reader Connected, Preparing Flash")));
    m_downloadReply.clear();
    Winsock1->SendData(DownloadMessage::announce(blockCount));

    auto waitFailed = [&](WaitResult result) {
        if (result == WaitResult::Done)
            return false;
        if (!self)
            return true;
        Timer1->stop();
        m_timedOut = false;
        m_image.close();
        closeConnections();
        if (result == WaitResult::TimedOut)
            m_dialogs.message(QStringLiteral("Reader is not responding"));
        return true;
    };

    if (waitFailed(waitAcknowledgement()))
        return;
    for (int block = 1; block <= blockCount; ++block) {
        QByteArray body;
        if (!m_image.readBlock(body)) {
            m_image.close();
            closeConnections();
            m_dialogs.message(FirmwareImage::readFailure(m_selectedFile));
            return;
        }
        setStatus(FlashStatus::downloading(block, blockCount), true);
        m_downloadReply.clear();
        Winsock1->SendData(DownloadMessage::block(body));
        if (waitFailed(waitAcknowledgement()))
            return;
        if (m_image.complete())
            break;
        if (m_abort) {
            m_image.close();
            setStatus(FlashStatus::text(QStringLiteral("Download Aborted")), true);
            closeConnections();
            m_abort = false;
            return;
        }
    }

    m_image.close();
    setStatus(FlashStatus::text(QStringLiteral("Download Complete")));
    const bool restart = m_dialogs.question(
        QStringLiteral("The Download is complete - Do you wish to restart the reader now with the new firmware?"));
    if (!self)
        return;
    if (restart) {
        Winsock1->SendData(DownloadMessage::restart());
        // No answer is expected: the reader gets two seconds before the
        // connections are closed.
        waitRestartPause();
        if (!self)
            return;
    }
    Timer1->stop();
    closeConnections();
}

FlashReaderWindow::WaitResult FlashReaderWindow::waitAcknowledgement()
{
    m_timedOut = false;
    Timer1->start();
    for (;;) {
        // The acknowledgement is tested before the time-out flag: an answer
        // already in the buffer wins over a tick that came at the same moment.
        if (DownloadMessage::isAcknowledgement(m_downloadReply.bytes())) {
            Timer1->stop();
            m_timedOut = false;
            return WaitResult::Done;
        }
        if (m_timedOut)
            return WaitResult::TimedOut;
        if (!sleepUntilWoken())
            return WaitResult::Gone;
    }
}

FlashReaderWindow::WaitResult FlashReaderWindow::waitRestartPause()
{
    Timer1->stop();
    Timer1->setInterval(g_restartPauseMs);
    m_timedOut = false;
    Timer1->start();
    while (!m_timedOut) {
        if (!sleepUntilWoken())
            return WaitResult::Gone;
    }
    Timer1->stop();
    m_timedOut = false;
    return WaitResult::Done;
}

bool FlashReaderWindow::sleepUntilWoken()
{
    QPointer<FlashReaderWindow> self(this);
    QEventLoop loop;
    m_waitLoop = &loop;
    m_woken = false;
    loop.exec();
    if (!self)
        return false;
    m_waitLoop = nullptr;
    // Not woken by one of our events: the application is quitting, and every
    // event loop of the thread was told to end.
    return m_woken;
}

void FlashReaderWindow::wake()
{
    m_woken = true;
    if (m_waitLoop)
        m_waitLoop->quit();
}

void FlashReaderWindow::requestAbort()
{
    m_abort = true;
    wake();
}

void FlashReaderWindow::timerTick()
{
    m_timedOut = true;
    wake();
}

void FlashReaderWindow::controlDataArrival(qint64)
{
    const qint64 waiting = Winsock2->BytesReceived();
    if (waiting != 0)
        m_replyBuffer.append(Winsock2->GetData(waiting));
}

void FlashReaderWindow::downloadDataArrival(qint64)
{
    m_downloadReply.append(Winsock1->GetData());
    wake();
}

void FlashReaderWindow::closeConnections()
{
    Winsock1->Close();
    Winsock2->Close();
}

void FlashReaderWindow::setStatus(const QString &statusText, bool repaintNow)
{
    Label1[5]->setText(statusText);
    if (repaintNow)
        Label1[5]->repaint();
}
