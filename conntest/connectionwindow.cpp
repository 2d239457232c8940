#include "connectionwindow.h"

#include "keymap.h"
#include "addresschecks.h"
#include "socketcontrol.h"
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
    pop1 = new TerminalView(m_terminal, this);
    m_hint = ui::label(this, QStringLiteral("Label1(6)"), QStringLiteral("Use the F10 key to send a NULL character"),
                       ui::arialBold(9), 660, 7080, 8415, 315, Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(m_hint, Qt::transparent, Qt::black);
    m_hint->setAutoFillBackground(false);
    Label4 = addButton(QStringLiteral("Label4"), QStringLiteral("Clear Screen"), QStringLiteral("Shape3"),
                       QRect(7140, 7560, 1875, 435), QRect(7200, 7620, 1755, 315));
    connect(Label4, &ClickLabel::clicked, this, &ConnectionWindow::clearScreen);
}

ClickLabel *ConnectionWindow::addButton(const QString &labelName, const QString &text, const QString &shapeName,
                                            const QRect &shapeTwips, const QRect &labelTwips)
{
    return actionButton(this, labelName, text, shapeName, shapeTwips, labelTwips, ui::sansSerifBold());
}

void ConnectionWindow::addActionButtons(const QString &leftText, const QString &rightText, ClickLabel *&left,
                                            ClickLabel *&right)
{
    left = addButton(QStringLiteral("Label2"), leftText, QStringLiteral("Shape1"), QRect(840, 1680, 1875, 435),
                     QRect(900, 1740, 1755, 315));
    right = addButton(QStringLiteral("Label3"), rightText, QStringLiteral("Shape2"), QRect(7020, 1680, 1875, 435),
                      QRect(7080, 1740, 1755, 255));
}

void ConnectionWindow::arrangeTabOrder(const QList<QWidget *> &fields, ClickLabel *left, ClickLabel *right)
{
    QList<QWidget *> order = fields;
    order << pop1 << left << right << Label4;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    if (!fields.isEmpty())
        fields.first()->setFocus();
}

void ConnectionWindow::addStatusLine(const QString &initialText)
{
    const QFont arial = ui::arialBold(9);
    QLabel *caption = ui::label(this, QStringLiteral("Label1(7)"), QStringLiteral("Current Status"), arial,
                                3300, 1680, 2775, 255, Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(caption, Qt::transparent, ui::DarkRed);
    caption->setAutoFillBackground(false);
    m_status = ui::label(this, QStringLiteral("Label1(5)"), initialText, arial, 3360, 2040, 2655, 255,
                         Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(m_status, Qt::transparent, ui::DarkRed);
    m_status->setAutoFillBackground(false);
}

void ConnectionWindow::setStatus(const QString &text, const QString &explanation)
{
    m_status->setToolTip(explanation);
    m_status->setText(text);
    emit statusChanged(text);
}

void ConnectionWindow::showListenFailure(const SocketControl &socket)
{
    setStatus(QStringLiteral("Unable to Listen"),
              listenFailureExplanation(socket.lastSocketError(), socket.LocalPort, socket.lastError()));
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
    return m_status ? m_status->text() : QString();
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
    pop1->refresh();
    if (result.send.isEmpty())
        return;
    // The byte is already on the screen. When the reader has closed the
    // connection the socket refuses it and it goes nowhere; nothing else happens.
    if (m_sendingSocket)
        m_sendingSocket->SendData(result.send);
}

bool ConnectionWindow::isReaderAddress(const QString &text)
{
    if (!isvalidip(text))
        return false;
    const QHostAddress address(trimBlanks(text));
    return address.protocol() == QAbstractSocket::IPv4Protocol;
}

void ConnectionWindow::setReceivingSocket(SocketControl *socket)
{
    m_receivingSocket = socket;
    if (socket->protocol() == SocketControl::Tcp)
        socket->setReadBufferSize(SocketReadLimit);
    connect(socket, &SocketControl::DataArrival, this, &ConnectionWindow::receive);
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
    while (self && m_receivingSocket && m_terminal.queuedBytes() < MaxQueuedDraw) {
        QByteArray bytes;
        if (m_receivingSocket->protocol() == SocketControl::Udp) {
            // A datagram of any size (even an empty one) is taken whole.
            if (!m_receivingSocket->GetData(bytes))
                break;
            datagramTaken(m_receivingSocket);
        } else {
            const qint64 waiting = m_receivingSocket->BytesReceived();
            if (waiting <= 0)
                break;
            bytes = m_receivingSocket->GetData(qMin(waiting, MaxQueuedDraw - m_terminal.queuedBytes()));
            if (bytes.isEmpty())
                break;
        }
        if (self)
            m_terminal.queueReceived(bytes);
    }
}

void ConnectionWindow::showreceived(const QByteArray &text)
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
    // Room was made: take what the socket kept back meanwhile.
    takeArrivals();
    pop1->refresh();
    if (m_terminal.hasQueued()) {
        m_sliceScheduled = true;
        QTimer::singleShot(0, this, &ConnectionWindow::drawSlice);
    }
}

void ConnectionWindow::clearScreen()
{
    m_terminal.clearScreen();
    pop1->refresh();
}
