#include "connectionwindow.h"

#include "addresschecks.h"
#include "controlsession.h"
#include "datalink.h"
#include "keymap.h"
#include "terminalview.h"
#include "uikit.h"

#include <QElapsedTimer>
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
    if (m_sendingLink)
        m_sendingLink->send(result.send);
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
        if (self)
            m_terminal.queueReceived(bytes);
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
