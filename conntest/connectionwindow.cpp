#include "connectionwindow.h"

#include "addresschecks.h"
#include "capturefile.h"
#include "controlsession.h"
#include "datalink.h"
#include "datasenders.h"
#include "dialogs.h"
#include "keymap.h"
#include "senddata.h"
#include "sessionlogwindow.h"
#include "terminalview.h"
#include "trafficlog.h"
#include "uikit.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QHostAddress>
#include <QKeyEvent>
#include <QTimer>

namespace {
// Bytes drawn between two looks at the clock.
constexpr qint64 SliceStep = 16 * 1024;
} // namespace

ConnectionWindow::ConnectionWindow(const QString &name, int widthTwips, int heightTwips, QWidget *parent)
    : TaskWindow(name, widthTwips, heightTwips, parent)
{
    m_terminal.reset();
    m_terminalView = new TerminalView(m_terminal, this);
    m_hintLabel = ui::label(this, QStringLiteral("hintLabel"),
                            QStringLiteral("Use the F10 key to send a NULL character"), ui::arialBold(9),
                            660, 7080, 8415, 315, Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(m_hintLabel, Qt::transparent, Qt::black);
    m_hintLabel->setAutoFillBackground(false);
    m_clearScreenButton = addButton(QStringLiteral("clearScreenButton"), QStringLiteral("Clear Screen"),
                                    QRect(7140, 7560, 1875, 435), QRect(7200, 7620, 1755, 315));
    connect(m_clearScreenButton, &ClickLabel::clicked, this, &ConnectionWindow::clearScreen);

    m_trafficLog = new TrafficLog(this);
    m_capture = new CaptureFile(this);
    connect(m_capture, &CaptureFile::failed, this, &ConnectionWindow::captureFailed);
    m_fileSender = new FileSender(this);
    connect(m_fileSender, &FileSender::progress, this, [this](qint64 sent, qint64 total) {
        showSendingProgress(QStringLiteral("Sending file: %1 of %2 bytes").arg(sent).arg(total));
    });
    connect(m_fileSender, &FileSender::finished, this, [this](bool complete) {
        showSendingProgress(QStringLiteral("%1: %2 of %3 bytes sent")
                                .arg(complete ? QStringLiteral("File sent") : QStringLiteral("Sending stopped"))
                                .arg(m_fileSender->sentBytes())
                                .arg(m_fileSender->totalBytes()));
    });
    m_repeatSender = new RepeatSender(this);
    connect(m_repeatSender, &RepeatSender::sent, this,
            [this](int count) { showSendingProgress(QStringLiteral("Sent %1 times").arg(count)); });
    connect(m_repeatSender, &RepeatSender::finished, this, [this](bool complete) {
        showSendingProgress(QStringLiteral("%1 after %2 sends")
                                .arg(complete ? QStringLiteral("Repeat done") : QStringLiteral("Repeat stopped"))
                                .arg(m_repeatSender->sentCount()));
    });
    m_terminalView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_terminalView, &QWidget::customContextMenuRequested, this, &ConnectionWindow::showTerminalMenu);
}

ConnectionWindow::~ConnectionWindow()
{
    m_fileSender->stop();
    m_repeatSender->stop();
    m_capture->stop();
    delete m_sessionLogWindow;
}

void ConnectionWindow::setConnected(bool connected)
{
    if (connected == m_terminal.connected())
        return;
    m_terminal.setConnected(connected);
    if (!connected) {
        m_fileSender->stop();
        m_repeatSender->stop();
        m_capture->stop();
    }
}

QMenu *ConnectionWindow::createTerminalMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("terminalMenu"));
    menu->addAction(QStringLiteral("Session Log..."), this, &ConnectionWindow::showSessionLog);
    QAction *capture = menu->addAction(QStringLiteral("Capture to File..."), this, &ConnectionWindow::toggleCapture);
    capture->setCheckable(true);
    capture->setChecked(isCapturing());
    menu->addSeparator();
    menu->addAction(QStringLiteral("Send File..."), this, &ConnectionWindow::sendFile)->setEnabled(!isSending());
    menu->addAction(QStringLiteral("Send Repeatedly..."), this, &ConnectionWindow::sendRepeatedly)
        ->setEnabled(!isSending());
    menu->addAction(QStringLiteral("Stop Sending"), this, &ConnectionWindow::stopSending)->setEnabled(isSending());
    return menu;
}

void ConnectionWindow::showTerminalMenu(const QPoint &position)
{
    QMenu *menu = createTerminalMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_terminalView->mapToGlobal(position));
}

void ConnectionWindow::showSessionLog()
{
    if (!m_sessionLogWindow)
        m_sessionLogWindow = new SessionLogWindow(*m_trafficLog, QStringLiteral("Session Log - %1")
                                                                     .arg(m_titleLabel ? m_titleLabel->text().simplified()
                                                                                       : QString()));
    m_trafficLog->flush();
    m_sessionLogWindow->show();
    m_sessionLogWindow->raise();
    m_sessionLogWindow->activateWindow();
}

bool ConnectionWindow::isCapturing() const
{
    return m_capture->isCapturing();
}

bool ConnectionWindow::isSending() const
{
    return m_fileSender->isRunning() || m_repeatSender->isRunning();
}

void ConnectionWindow::toggleCapture()
{
    if (m_capture->isCapturing()) {
        m_capture->stop();
        return;
    }
    if (!m_dialogs)
        return;
    Dialogs::FileRequest request;
    request.defaultExtension = QStringLiteral("csv");
    request.proposedName = QStringLiteral("capture.csv");
    request.filters = {QStringLiteral("CSV Files (*.csv)"), QStringLiteral("Raw Data (*.*)")};
    request.mustExist = false;
    QString path;
    if (!m_dialogs->saveFile(request, path))
        return;
    if (!m_capture->start(path))
        m_dialogs->message(QStringLiteral("Unable to capture to %1: %2").arg(path, m_capture->errorText()));
}

void ConnectionWindow::captureFailed(const QString &reason)
{
    if (m_dialogs)
        m_dialogs->message(QStringLiteral("Capture to %1 stopped: %2").arg(m_capture->path(), reason));
}

void ConnectionWindow::sendFile()
{
    if (!m_dialogs || isSending())
        return;
    if (!m_terminal.connected() || !m_sendingLink)
        return m_dialogs->message(QStringLiteral("Not connected: nothing was sent"));
    Dialogs::FileRequest request;
    request.filters = {QStringLiteral("All Files (*.*)")};
    QString path;
    if (!m_dialogs->openFile(request, path))
        return;
    QFile file(path);
    const QFileInfo info(path);
    if (info.size() > FileSender::MaxFileSize)
        return m_dialogs->message(QStringLiteral("%1 is larger than 100 MiB: nothing was sent").arg(info.fileName()));
    if (!file.open(QIODevice::ReadOnly))
        return m_dialogs->message(QStringLiteral("Unable to read %1: %2").arg(path, file.errorString()));
    const QByteArray data = file.read(FileSender::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return m_dialogs->message(QStringLiteral("Unable to read %1: %2").arg(path, file.errorString()));
    if (data.isEmpty())
        return m_dialogs->message(QStringLiteral("%1 is empty: nothing was sent").arg(info.fileName()));
    if (data.size() > FileSender::MaxFileSize)
        return m_dialogs->message(QStringLiteral("%1 is larger than 100 MiB: nothing was sent").arg(info.fileName()));
    m_fileSender->start(data, sendTarget());
}

void ConnectionWindow::sendRepeatedly()
{
    if (!m_dialogs || isSending())
        return;
    if (!m_terminal.connected() || !m_sendingLink)
        return m_dialogs->message(QStringLiteral("Not connected: nothing was sent"));
    const QString title = QStringLiteral("Send Repeatedly");
    QString text = m_dialogs->input(QStringLiteral("Data to send: text with the escapes \\r \\n \\t \\\\ "
                                                   "\\xHH, or hex pairs after \"hex:\" (hex: 41 42 0D)"),
                                    title);
    if (text.isEmpty())
        return;
    senddata::Form form = senddata::Form::Text;
    int offset = 0;
    if (text.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
        form = senddata::Form::HexPairs;
        offset = 4;
    }
    senddata::Parsed data = senddata::parse(text.mid(offset), form);
    if (!data.ok) {
        // Positions count in the text as typed, prefix included.
        if (data.errorPosition > 0 && offset > 0)
            data.error.replace(QStringLiteral("position %1").arg(data.errorPosition),
                               QStringLiteral("position %1").arg(data.errorPosition + offset));
        return m_dialogs->message(data.error);
    }
    bool ok = false;
    const int interval = m_dialogs->input(QStringLiteral("Interval in milliseconds (1 or more)"), title).toInt(&ok);
    if (!ok || interval < 1)
        return m_dialogs->message(QStringLiteral("The interval must be a whole number of milliseconds, 1 or more"));
    const int count = m_dialogs->input(QStringLiteral("How many times (0 = until stopped)"), title).toInt(&ok);
    if (!ok || count < 0)
        return m_dialogs->message(QStringLiteral("The count must be a whole number, 0 or more"));
    m_repeatSender->start(data.bytes, interval, count, sendTarget());
}

void ConnectionWindow::stopSending()
{
    m_fileSender->stop();
    m_repeatSender->stop();
}

SendTarget ConnectionWindow::sendTarget()
{
    SendTarget target;
    target.datagrams = m_sendingLink && m_sendingLink->protocol() == DataLink::Udp;
    target.send = [this](const QByteArray &bytes) { return sendOnLink(bytes, false); };
    target.queuedBytes = [this] { return m_sendingLink ? m_sendingLink->bytesToWrite() : 0; };
    if (m_sendingLink && !target.datagrams)
        connect(m_sendingLink, &DataLink::bytesWritten, m_fileSender, &FileSender::linkDrained, Qt::UniqueConnection);
    return target;
}

bool ConnectionWindow::sendOnLink(const QByteArray &bytes, bool drawn)
{
    if (!m_sendingLink || !m_sendingLink->send(bytes))
        return false;
    if (!drawn) {
        m_terminal.queueSent(bytes);
        if (!m_sliceScheduled) {
            m_sliceScheduled = true;
            QTimer::singleShot(0, this, &ConnectionWindow::drawSlice);
        }
    }
    record(TrafficChunk::Sent, bytes, sendingPeer());
    return true;
}

void ConnectionWindow::showSendingProgress(const QString &text)
{
    if (m_statusLabel)
        m_statusLabel->setToolTip(text);
}

QString ConnectionWindow::sendingPeer() const
{
    if (!m_sendingLink)
        return QString();
    if (m_sendingLink->protocol() == DataLink::Tcp && !m_sendingLink->peerAddress().isEmpty())
        return QStringLiteral("%1:%2").arg(m_sendingLink->peerAddress()).arg(m_sendingLink->peerPort());
    return QStringLiteral("%1:%2").arg(trimBlanks(m_sendingLink->remoteHost())).arg(m_sendingLink->remotePort());
}

QString ConnectionWindow::receivingPeer() const
{
    if (!m_receivingLink)
        return QString();
    if (!m_receivingLink->peerAddress().isEmpty())
        return QStringLiteral("%1:%2").arg(m_receivingLink->peerAddress()).arg(m_receivingLink->peerPort());
    return sendingPeer();
}

void ConnectionWindow::record(quint8 direction, const QByteArray &bytes, const QString &peer)
{
    const TrafficChunk chunk{QDateTime::currentMSecsSinceEpoch(), TrafficChunk::Direction(direction), peer, bytes};
    m_trafficLog->record(chunk);
    m_capture->record(chunk);
}

ClickLabel *ConnectionWindow::addButton(const QString &name, const QString &text, const QRect &backgroundTwips,
                                        const QRect &labelTwips)
{
    return actionButton(this, name, text, name + QStringLiteral("Background"), backgroundTwips, labelTwips,
                        ui::sansSerifBold());
}

ClickLabel *ConnectionWindow::addStartButton(const QString &name, const QString &text)
{
    return addButton(name, text, QRect(840, 1680, 1875, 435), QRect(900, 1740, 1755, 315));
}

ClickLabel *ConnectionWindow::addStopButton(const QString &name, const QString &text)
{
    return addButton(name, text, QRect(7020, 1680, 1875, 435), QRect(7080, 1740, 1755, 255));
}

void ConnectionWindow::arrangeTabOrder(const QList<QWidget *> &fields, ClickLabel *start, ClickLabel *stop)
{
    QList<QWidget *> order = fields;
    order << m_terminalView << start << stop << m_clearScreenButton;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    if (!fields.isEmpty())
        fields.first()->setFocus();
}

void ConnectionWindow::addTitle(const QString &text)
{
    m_titleLabel = ui::label(this, QStringLiteral("titleLabel"), text, ui::arialBold(9), 1200, 120, 6855, 315,
                             Qt::AlignHCenter | Qt::AlignTop);
}

ControlSession *ConnectionWindow::startLogin(const QString &readerAddress, quint16 controlPort,
                                             const QString &password, const std::function<void(bool)> &finished)
{
    auto *session = new ControlSession(this);
    session->setObjectName(QStringLiteral("controlSession"));
    connect(session, &ControlSession::finished, this, finished);
    ControlSession::Plan plan;
    plan.password = password.toLatin1();
    plan.keepOpen = true;
    session->start(QHostAddress(readerAddress), controlPort, plan);
    return session;
}

void ConnectionWindow::endLogin(QPointer<ControlSession> &session)
{
    if (!session)
        return;
    ControlSession *ending = session;
    session = nullptr;
    ending->disconnect(this);
    ending->stop();
    ending->deleteLater();
}

void ConnectionWindow::addStatusLine(const QString &initialText)
{
    const QFont arial = ui::arialBold(9);
    m_statusCaptionLabel = ui::label(this, QStringLiteral("statusCaptionLabel"), QStringLiteral("Current Status"),
                                     arial, 3300, 1680, 2775, 255, Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(m_statusCaptionLabel, Qt::transparent, ui::DarkRed);
    m_statusCaptionLabel->setAutoFillBackground(false);
    m_statusLabel = ui::label(this, QStringLiteral("statusLabel"), initialText, arial, 3360, 2040, 2655, 255,
                              Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(m_statusLabel, Qt::transparent, ui::DarkRed);
    m_statusLabel->setAutoFillBackground(false);
}

void ConnectionWindow::setStatus(const QString &text, const QString &explanation)
{
    m_statusLabel->setToolTip(explanation);
    m_statusLabel->setText(text);
    emit statusChanged(text);
}

void ConnectionWindow::showListenFailure(const DataLink &link)
{
    setStatus(QStringLiteral("Unable to Listen"),
              listenFailureExplanation(link.error(), link.localPort(), link.errorString()));
}

QString ConnectionWindow::listenFailureExplanation(QAbstractSocket::SocketError kind, int port,
                                                       const QString &systemMessage)
{
    // Linux lets only privileged programs listen below 1024; the installed
    // package grants exactly that right to the program file.
    if (kind == QAbstractSocket::SocketAccessError && port > 0 && port < 1024)
        return QStringLiteral("Port %1 is below 1024, where this system lets only privileged programs listen:\n"
                              "install the zav-utility package (it grants that right), or use a port of 1024 "
                              "or above.")
            .arg(port);
    if (kind == QAbstractSocket::AddressInUseError)
        return QStringLiteral("Port %1 is in use by another program: stop that program, or use another port.")
            .arg(port);
    return systemMessage;
}

QString ConnectionWindow::status() const
{
    return m_statusLabel ? m_statusLabel->text() : QString();
}

int ConnectionWindow::terminalKeyCode(const QKeyEvent *event)
{
    // AltGr types characters (such as "@" on many layouts); it is not the Alt
    // key that starts a decimal code.
    if (event->key() == Qt::Key_AltGr)
        return 0;
    return virtualKeyCode(event);
}

bool ConnectionWindow::keyPreview(QKeyEvent *event)
{
    if (event->type() == QEvent::KeyPress && event->key() == Qt::Key_Menu && m_terminalView->hasFocus()) {
        showTerminalMenu(m_terminalView->rect().center());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        TerminalScreen::KeyResult result = m_terminal.keyDown(terminalKeyCode(event));
        if (!result.consume) {
            const int typed = typedCharacter(event);
            if (typed >= 0)
                result = m_terminal.character(typed);
            else if (m_terminal.connected() && !event->text().isEmpty())
                result.consume = true; // not one byte: nothing to send, and no field may take it
        }
        if (result.consume)
            send(result);
        return result.consume;
    }
    if (event->type() == QEvent::KeyRelease) {
        // A held key repeats its key-down only; the repeated releases that some
        // keyboard layers add would end an Alt code too early.
        if (event->isAutoRepeat())
            return false;
        const TerminalScreen::KeyResult result = m_terminal.keyUp(terminalKeyCode(event));
        if (result.consume)
            send(result);
        return result.consume;
    }
    return false;
}

void ConnectionWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_terminal.abandonComposition();
    TaskWindow::changeEvent(event);
}

void ConnectionWindow::send(const TerminalScreen::KeyResult &result)
{
    m_terminalView->refresh();
    if (result.send.isEmpty())
        return;
    // The byte is already on the screen. When the reader has closed the
    // connection the link refuses it and it goes nowhere; nothing else happens.
    sendOnLink(result.send, true);
}

bool ConnectionWindow::isReaderAddress(const QString &text)
{
    if (!looksLikeAddress(text))
        return false;
    const QHostAddress address(trimBlanks(text));
    return address.protocol() == QAbstractSocket::IPv4Protocol;
}

void ConnectionWindow::setReceivingLink(DataLink *link)
{
    m_receivingLink = link;
    if (link->protocol() == DataLink::Tcp)
        link->setReadBufferSize(SocketReadLimit);
    connect(link, &DataLink::dataArrived, this, &ConnectionWindow::receive);
}

void ConnectionWindow::receive()
{
    takeArrivals();
    if (!m_sliceScheduled && m_terminal.hasQueued())
        drawSlice();
}

void ConnectionWindow::takeArrivals()
{
    QPointer<ConnectionWindow> self(this);
    while (self && m_receivingLink && m_terminal.queuedBytes() < MaxQueuedDraw) {
        QByteArray bytes;
        if (m_receivingLink->protocol() == DataLink::Udp) {
            // A datagram of any size (even an empty one) is taken whole.
            if (!m_receivingLink->read(bytes))
                break;
            datagramTaken(m_receivingLink);
        } else {
            const qint64 waiting = m_receivingLink->bytesAvailable();
            if (waiting <= 0)
                break;
            bytes = m_receivingLink->read(qMin(waiting, MaxQueuedDraw - m_terminal.queuedBytes()));
            if (bytes.isEmpty())
                break;
        }
        if (self) {
            m_terminal.queueReceived(bytes);
            record(TrafficChunk::Received, bytes, receivingPeer());
        }
    }
}

void ConnectionWindow::showReceived(const QByteArray &text)
{
    m_terminal.queueReceived(text);
    if (!m_sliceScheduled)
        drawSlice();
}

void ConnectionWindow::drawSlice()
{
    m_sliceScheduled = false;
    QElapsedTimer clock;
    clock.start();
    while (m_terminal.hasQueued() && clock.elapsed() < SliceMs)
        m_terminal.drawQueued(SliceStep);
    // Room was made: take what the link kept back meanwhile.
    takeArrivals();
    m_terminalView->refresh();
    if (m_terminal.hasQueued()) {
        m_sliceScheduled = true;
        QTimer::singleShot(0, this, &ConnectionWindow::drawSlice);
    }
}

void ConnectionWindow::clearScreen()
{
    m_terminal.clearScreen();
    m_terminalView->refresh();
}
