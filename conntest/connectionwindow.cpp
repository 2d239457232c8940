#include "connectionwindow.h"

#include "capturefile.h"
#include "datasenders.h"
#include "defaults.h"
#include "dialogs.h"
#include "keymap.h"
#include "savedsends.h"
#include "savedsendswindow.h"
#include "senddata.h"
#include "sessionlogwindow.h"
#include "terminalview.h"
#include "translated.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace {
// Bytes drawn between two looks at the clock.
constexpr qint64 SliceStep = 16 * 1024;
// Receiving pauses from here on: one more arrival (at most what the link
// holds back) still fits under MaxQueuedDraw.
constexpr qint64 PauseReceivingAt = ConnectionWindow::MaxQueuedDraw - DataSession::SocketReadLimit;

const char *const NotConnected = QT_TRANSLATE_NOOP("ConnectionWindow", "Not connected: nothing was sent");

// Ctrl+1 .. Ctrl+9 (main row or keypad): the saved send it sends, from 1; 0 for any other key.
int savedSendNumber(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::ControlModifier || event->key() < Qt::Key_1 || event->key() > Qt::Key_9)
        return 0;
    return event->key() - Qt::Key_0;
}
} // namespace

ui::FieldSpec ConnectionWindow::dataPortField(const char *caption, int captionLeft, int fieldLeft, int top)
{
    return {"dataPortEdit", QString::fromLatin1(caption), QRect(captionLeft, top, 1695, 315),
            QRect(fieldLeft, top, 1635, 315), 5, FilteredLineEdit::digits, QString::number(defaults::DataPort)};
}

QList<ui::FieldSpec> ConnectionWindow::controlLoginFields(int captionLeft, int fieldLeft, int top)
{
    const int below = top + 420;
    //: Caption before a field, at most 125 pixels wide.
    return {{"controlPortEdit", QT_TR_NOOP("Control Port Number"), QRect(captionLeft, top, 1875, 315),
             QRect(fieldLeft, top, 1635, 315), 5, FilteredLineEdit::digits, QString::number(defaults::ControlPort)},
            //: Caption before a field, at most 121 pixels wide.
            {"passwordEdit", QT_TR_NOOP("Password"), QRect(captionLeft, below, 1815, 315), QRect(fieldLeft, below, 1635, 315), 5}};
}

// The frame's texts are source texts marked in this class's context
// (QT_TRANSLATE_NOOP("ConnectionWindow", ...)): they are shown translated.
ConnectionWindow::ConnectionWindow(const Frame &frame, Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QString::fromLatin1(frame.name), frame.widthTwips, frame.heightTwips, parent), m_dialogs(dialogs),
      m_session(new DataSession(frame.transport, this))
{
    const QFont arial = ui::arialBold(9);
    m_terminal.reset();
    m_titleLabel = ui::label(this, QStringLiteral("titleLabel"), tr(frame.title), arial, 1200, 120,
                             6855, 315, Qt::AlignHCenter | Qt::AlignTop);
    for (const ui::FieldSpec &field : frame.fields)
        m_fields.append(ui::labelledField(this, field, arial).edit);
    m_startButton = ui::actionButton(
        this, {frame.startName, frame.startText, QRect(900, 1740, 1755, 315), QRect(840, 1680, 1875, 435)});
    m_stopButton = ui::actionButton(
        this, {frame.stopName, frame.stopText, QRect(7080, 1740, 1755, 255), QRect(7020, 1680, 1875, 435)});
    //: Caption over the status line, dark red, at most 185 pixels wide.
    m_statusCaptionLabel = ui::label(this, QStringLiteral("statusCaptionLabel"), tr("Current Status"),
                                     arial, 3300, 1680, 2775, 255, Qt::AlignHCenter | Qt::AlignTop);
    m_statusLabel = ui::label(this, QStringLiteral("statusLabel"), tr(frame.initialStatus), arial,
                              3360, 2040, 2655, 255, Qt::AlignHCenter | Qt::AlignTop);
    for (QLabel *status : {m_statusCaptionLabel, m_statusLabel})
        ui::setColours(status, Qt::transparent, ui::DarkRed);

    m_terminalView = new TerminalView(m_terminal, this);
    m_hintLabel = ui::label(this, QStringLiteral("hintLabel"),
                            tr("Use the F10 key to send a NULL character"), arial, 660, 7080, 8415, 315,
                            Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(m_hintLabel, Qt::transparent, Qt::black);
    //: Button under the terminal, at most 117 pixels wide.
    m_clearScreenButton = ui::actionButton(this, {"clearScreenButton", QT_TR_NOOP("Clear Screen"), QRect(7200, 7620, 1755, 315),
                                                  QRect(7140, 7560, 1875, 435)});
    connect(m_clearScreenButton, &ClickLabel::clicked, this, &ConnectionWindow::clearScreen);

    // Tab order: the fields, the terminal, the action labels; the first field has the focus.
    QList<QWidget *> order(m_fields.begin(), m_fields.end());
    order << m_terminalView << m_startButton << m_stopButton << m_clearScreenButton;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    order.constFirst()->setFocus();

    connect(m_session, &DataSession::received, this, &ConnectionWindow::takeReceived);
    connect(m_session, &DataSession::sent, this, &ConnectionWindow::drawSent);
    connect(&m_session->capture(), &CaptureFile::failed, this, [this](const QString &reason) {
        m_dialogs.message(tr("Capture to %1 stopped: %2").arg(m_session->capture().path(), reason));
    });
    FileSender *fileSender = m_session->fileSender();
    connect(fileSender, &FileSender::progress, this, [this](qint64 sent, qint64 total) {
        showSendingProgress(tr("Sending file: %1 of %2 bytes").arg(sent).arg(total));
    });
    connect(fileSender, &FileSender::finished, this, [this, fileSender](bool complete) {
        //: %1 is "File sent" or "Sending stopped".
        showSendingProgress(tr("%1: %2 of %3 bytes sent")
                                .arg(complete ? tr("File sent") : tr("Sending stopped"))
                                .arg(fileSender->sentBytes())
                                .arg(fileSender->totalBytes()));
    });
    RepeatSender *repeatSender = m_session->repeatSender();
    connect(repeatSender, &RepeatSender::sent, this,
            [this](int count) { showSendingProgress(tr("Sent %1 times").arg(count)); });
    connect(repeatSender, &RepeatSender::finished, this, [this, repeatSender](bool complete) {
        //: %1 is "Repeat done" or "Repeat stopped".
        showSendingProgress(tr("%1 after %2 sends")
                                .arg(complete ? tr("Repeat done") : tr("Repeat stopped"))
                                .arg(repeatSender->sentCount()));
    });
    m_terminalView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_terminalView, &QWidget::customContextMenuRequested, this, &ConnectionWindow::showTerminalMenu);
}

ConnectionWindow::~ConnectionWindow()
{
    // The session ends before the window's parts do: nothing it reports on
    // its way out may reach them.
    m_session->disconnect();
    m_session->fileSender()->disconnect(this);
    m_session->repeatSender()->disconnect(this);
    m_session->capture().disconnect(this);
    delete m_session;
    delete m_sessionLogWindow;
}

void ConnectionWindow::setConnected(bool connected)
{
    if (connected == m_terminal.connected())
        return;
    m_terminal.setConnected(connected);
    if (!connected) {
        m_session->stopSending();
        m_session->capture().stop();
    }
}

void ConnectionWindow::setStatus(const QString &text, const QString &explanation)
{
    m_statusLabel->setToolTip(explanation);
    m_statusLabel->setText(text);
    emit statusChanged(text);
}

QString ConnectionWindow::status() const
{
    return m_statusLabel->text();
}

void ConnectionWindow::showSendingProgress(const QString &text)
{
    m_statusLabel->setToolTip(text);
}

// The keys.

bool ConnectionWindow::keyPreview(QKeyEvent *event)
{
    const TerminalScreen::Key key = TerminalScreen::keyOf(event->key(), event->modifiers());
    if (event->type() == QEvent::KeyPress) {
        if (event->key() == Qt::Key_Menu && m_terminalView->hasFocus()) {
            showTerminalMenu(m_terminalView->rect().center());
            return true;
        }
        // While an Alt code is composed every key belongs to it.
        if (const int number = savedSendNumber(event); number > 0 && !m_terminal.altHeld()) {
            sendSaved(number - 1);
            return true;
        }
        TerminalScreen::KeyResult result = m_terminal.keyDown(key);
        if (!result.consume) {
            const int typed = typedCharacter(event);
            if (typed >= 0)
                result = m_terminal.character(typed);
            else if (m_terminal.connected() && !event->text().isEmpty())
                result.consume = true; // not one byte: nothing to send, and no field may take it
        }
        if (result.consume)
            sendTyped(result);
        return result.consume;
    }
    if (event->type() == QEvent::KeyRelease) {
        // A held key repeats its key-down only; the repeated releases that some
        // keyboard layers add would end an Alt code too early.
        if (event->isAutoRepeat())
            return false;
        const TerminalScreen::KeyResult result = m_terminal.keyUp(key);
        if (result.consume)
            sendTyped(result);
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

void ConnectionWindow::sendTyped(const TerminalScreen::KeyResult &result)
{
    m_terminalView->refresh();
    if (result.send.isEmpty())
        return;
    // The byte is on the screen already. When the reader has closed the
    // connection the link refuses it and it goes nowhere; nothing else happens.
    m_sendingTyped = true;
    m_session->send(result.send);
    m_sendingTyped = false;
}

// The screen: what the session sent and received, drawn in order, a slice
// at a time.

void ConnectionWindow::takeReceived(const QByteArray &bytes)
{
    m_terminal.queueReceived(bytes);
    if (m_terminal.queuedBytes() >= PauseReceivingAt)
        m_session->setReceiving(false);
    if (!m_sliceScheduled)
        drawSlice();
}

void ConnectionWindow::showReceived(const QByteArray &text)
{
    m_terminal.queueReceived(text);
    if (!m_sliceScheduled)
        drawSlice();
}

// Bytes sent otherwise than typed (a file, a repeat, a saved send).
void ConnectionWindow::drawSent(const QByteArray &bytes)
{
    if (m_sendingTyped)
        return;
    m_terminal.queueSent(bytes);
    scheduleSlice();
}

void ConnectionWindow::scheduleSlice()
{
    if (m_sliceScheduled)
        return;
    m_sliceScheduled = true;
    QTimer::singleShot(0, this, &ConnectionWindow::drawSlice);
}

void ConnectionWindow::drawSlice()
{
    m_sliceScheduled = false;
    QElapsedTimer clock;
    clock.start();
    while (m_terminal.hasQueued() && clock.elapsed() < SliceMs)
        m_terminal.drawQueued(SliceStep);
    // Room was made: take what the link kept back meanwhile.
    if (m_terminal.queuedBytes() < PauseReceivingAt)
        m_session->setReceiving(true);
    m_terminalView->refresh();
    if (m_terminal.hasQueued())
        scheduleSlice();
}

void ConnectionWindow::clearScreen()
{
    m_terminal.clearScreen();
    m_terminalView->refresh();
    m_session->setReceiving(true);
}

// The menu.

QMenu *ConnectionWindow::createTerminalMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("terminalMenu"));
    menu->addAction(tr("Session Log..."), this, &ConnectionWindow::showSessionLog);
    QAction *capture = menu->addAction(tr("Capture to File..."), this, &ConnectionWindow::toggleCapture);
    capture->setCheckable(true);
    capture->setChecked(isCapturing());
    menu->addSeparator();
    menu->addAction(tr("Send File..."), this, &ConnectionWindow::sendFile)->setEnabled(!isSending());
    menu->addAction(tr("Send Repeatedly..."), this, &ConnectionWindow::sendRepeatedly)
        ->setEnabled(!isSending());
    menu->addAction(tr("Stop Sending"), this, &ConnectionWindow::stopSending)->setEnabled(isSending());
    menu->addSeparator();
    QMenu *saved = menu->addMenu(tr("Saved Sends"));
    saved->setObjectName(QStringLiteral("savedSendsMenu"));
    const QList<SavedSends::Entry> entries = SavedSends::load();
    for (int i = 0; i < entries.size(); ++i) {
        const SavedSends::Entry entry = entries.at(i);
        saved->addAction(SavedSends::menuText(entry, i), this, [this, entry] { sendEntry(entry.name, entry.data); });
    }
    if (!entries.isEmpty())
        saved->addSeparator();
    saved->addAction(tr("Edit Saved Sends..."), this, &ConnectionWindow::editSavedSends);
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
        m_sessionLogWindow = new SessionLogWindow(m_session->log(), m_dialogs,
                                                  //: The session log's window title; %1 is the connection window's heading.
                                                  tr("Session Log - %1").arg(m_titleLabel->text().simplified()));
    m_session->log().flush();
    m_sessionLogWindow->show();
    m_sessionLogWindow->raise();
    m_sessionLogWindow->activateWindow();
}

bool ConnectionWindow::isCapturing() const
{
    return m_session->capture().isCapturing();
}

bool ConnectionWindow::isSending() const
{
    return m_session->isSending();
}

bool ConnectionWindow::refusedWhileDisconnected()
{
    if (connected())
        return false;
    m_dialogs.message(tr(NotConnected));
    return true;
}

void ConnectionWindow::toggleCapture()
{
    CaptureFile &capture = m_session->capture();
    if (capture.isCapturing()) {
        capture.stop();
        return;
    }
    const Dialogs::FileRequest request = captureFileRequest(QStringLiteral("capture.csv"));
    const QPointer<ConnectionWindow> self(this);
    QString path;
    if (!m_dialogs.saveFile(request, path) || !self)
        return;
    if (!capture.start(path))
        m_dialogs.message(tr("Unable to capture to %1: %2").arg(path, capture.errorText()));
}

void ConnectionWindow::sendFile()
{
    if (isSending() || refusedWhileDisconnected())
        return;
    Dialogs::FileRequest request;
    //: File type in the file dialog: keep the pattern in brackets as it is.
    request.filters = {tr("All Files (*.*)")};
    const QPointer<ConnectionWindow> self(this);
    QString path;
    if (!m_dialogs.openFile(request, path) || !self)
        return;
    const FileToSend file = readFileToSend(path);
    if (!file.refusal.isEmpty())
        return m_dialogs.message(file.refusal);
    // The session may have ended while the file was chosen.
    if (!refusedWhileDisconnected())
        m_session->sendFile(file.bytes);
}

void ConnectionWindow::sendRepeatedly()
{
    if (isSending() || refusedWhileDisconnected())
        return;
    const QString title = tr("Send Repeatedly");
    const QPointer<ConnectionWindow> self(this);
    //: Keep the escapes and "hex:" as they are: they are what the technician types.
    const QString text = m_dialogs.input(tr("Data to send: text with the escapes \\r \\n \\t \\\\ "
                                            "\\xHH, or hex pairs after \"hex:\" (hex: 41 42 0D)"),
                                         title);
    if (!self || text.isEmpty())
        return;
    const senddata::Parsed data = senddata::parse(text);
    if (!data.ok)
        return m_dialogs.message(data.error);
    bool ok = false;
    const int interval = m_dialogs.input(tr("Interval in milliseconds (1 or more)"), title).toInt(&ok);
    if (!self)
        return;
    if (!ok || interval < 1)
        return m_dialogs.message(tr("The interval must be a whole number of milliseconds, 1 or more"));
    const int count = m_dialogs.input(tr("How many times (0 = until stopped)"), title).toInt(&ok);
    if (!self)
        return;
    if (!ok || count < 0)
        return m_dialogs.message(tr("The count must be a whole number, 0 or more"));
    if (!refusedWhileDisconnected())
        m_session->sendRepeatedly(data.bytes, interval, count);
}

void ConnectionWindow::stopSending()
{
    m_session->stopSending();
}

void ConnectionWindow::sendSaved(int index)
{
    const QList<SavedSends::Entry> entries = SavedSends::load();
    if (index < 0 || index >= entries.size())
        return m_dialogs.message(
            tr("There is no saved send %1: add it with \"Edit Saved Sends...\"").arg(index + 1));
    sendEntry(entries.at(index).name, entries.at(index).data);
}

// A saved send goes out like a typed key: drawn, logged and captured.
void ConnectionWindow::sendEntry(const QString &name, const QString &data)
{
    if (refusedWhileDisconnected())
        return;
    const senddata::Parsed parsed = senddata::parse(data);
    if (!parsed.ok)
        return m_dialogs.message(tr("%1: %2").arg(name, parsed.error));
    if (!m_session->send(parsed.bytes))
        m_dialogs.message(tr("%1 was not sent: %2").arg(name, m_session->errorString()));
}

void ConnectionWindow::editSavedSends()
{
    SavedSendsWindow::open(this);
}
