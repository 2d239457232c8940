#pragma once

#include "clientconnectwindow.h"
#include "connectionwindow.h"
#include "controlsession.h"
#include "datalink.h"
#include "serverconnectwindow.h"
#include "terminalscreen.h"
#include "udpconnectwindow.h"
#include "uikit.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QWindow>

// Helpers for the connection-test window tests: keys through the window's
// QWindow (so they pass the key preview like a user's keyboard), the screen's
// cells as text, the controls that all three windows have, and screenshots.
namespace conntesting {

inline void key(ConnectionWindow *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

inline void type(ConnectionWindow *window, const QByteArray &text)
{
    for (char c : text)
        QTest::keyClick(window->windowHandle(), c);
}

// Alt held, the keypad digits typed (Num Lock on), Alt released.
inline void altCode(ConnectionWindow *window, const QByteArray &digits)
{
    QWindow *handle = window->windowHandle();
    QTest::simulateEvent(handle, true, Qt::Key_Alt, Qt::NoModifier, QString(), false);
    for (char d : digits) {
        const int digitKey = Qt::Key_0 + (d - '0');
        QTest::simulateEvent(handle, true, digitKey, Qt::KeypadModifier | Qt::AltModifier,
                             QString(QLatin1Char(d)), false);
        QTest::simulateEvent(handle, false, digitKey, Qt::KeypadModifier | Qt::AltModifier,
                             QString(QLatin1Char(d)), false);
    }
    QTest::simulateEvent(handle, false, Qt::Key_Alt, Qt::AltModifier, QString(), false);
}

// The screen as text: each drawn cell as its glyph or "<HEX>", each cell
// prefixed by 'k' (black, sent) or 'r' (red, received), lines joined by '|'
// up to the last line drawn.
inline QString screenText(ConnectionWindow *window)
{
    TerminalScreen &screen = window->terminal();
    QStringList lines;
    for (int line = 1; line <= TerminalScreen::Lines; ++line) {
        QString text;
        for (int column = 1; column <= TerminalScreen::Columns; ++column) {
            const TerminalScreen::Cell cell = screen.cell(column, line);
            if (!cell.drawn)
                continue;
            text += cell.ink == TerminalScreen::Sent ? QLatin1Char('k') : QLatin1Char('r');
            text += cell.hex() ? QLatin1Char('<') + cell.text() + QLatin1Char('>') : cell.text();
        }
        lines << text;
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('|'));
}

// The texts a statusChanged spy has recorded, in order.
inline QStringList texts(const QSignalSpy &spy)
{
    QStringList list;
    for (const QList<QVariant> &arguments : spy)
        list << arguments.at(0).toString();
    return list;
}

inline void click(QWidget *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The button that starts a session (Connect or Listen) and the one that ends
// it (Disconnect or Stop).
inline ClickLabel *startButton(ConnectionWindow *window)
{
    if (auto *server = qobject_cast<ServerConnectWindow *>(window))
        return server->connectButton();
    if (auto *client = qobject_cast<ClientConnectWindow *>(window))
        return client->listenButton();
    return qobject_cast<UdpConnectWindow *>(window)->listenButton();
}
inline ClickLabel *stopButton(ConnectionWindow *window)
{
    if (auto *server = qobject_cast<ServerConnectWindow *>(window))
        return server->disconnectButton();
    if (auto *client = qobject_cast<ClientConnectWindow *>(window))
        return client->stopButton();
    return qobject_cast<UdpConnectWindow *>(window)->stopButton();
}

// The fields by what they hold; null where the window has no such field.
enum class Field { Address, DataPort, ControlPort, Password, ReceivePort };
inline QLineEdit *field(ConnectionWindow *window, Field which)
{
    if (auto *server = qobject_cast<ServerConnectWindow *>(window)) {
        switch (which) {
        case Field::Address: return server->addressEdit();
        case Field::DataPort: return server->dataPortEdit();
        case Field::ControlPort: return server->controlPortEdit();
        case Field::Password: return server->passwordEdit();
        default: return nullptr;
        }
    }
    if (auto *client = qobject_cast<ClientConnectWindow *>(window)) {
        switch (which) {
        case Field::DataPort: return client->dataPortEdit();
        case Field::ControlPort: return client->controlPortEdit();
        case Field::Password: return client->passwordEdit();
        default: return nullptr;
        }
    }
    auto *udp = qobject_cast<UdpConnectWindow *>(window);
    switch (which) {
    case Field::Address: return udp->addressEdit();
    case Field::DataPort: return udp->dataPortEdit();
    case Field::ReceivePort: return udp->receivePortEdit();
    default: return nullptr;
    }
}

// The label that names a field (its buddy).
inline QLabel *captionOf(const QWidget *field)
{
    const QList<QLabel *> labels = field->parentWidget()->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->buddy() == field)
            return label;
    }
    return nullptr;
}

// The state of a login's control connection; unconnected without a login.
inline QAbstractSocket::SocketState controlConnectionState(const ControlSession *session)
{
    const QTcpSocket *socket = session ? session->findChild<QTcpSocket *>() : nullptr;
    return socket ? socket->state() : QAbstractSocket::UnconnectedState;
}

// The window's links and its login all closed.
inline bool nothingOpen(ConnectionWindow *window)
{
    return !window->session()->isOpen()
        && controlConnectionState(window->session()->login()) == QAbstractSocket::UnconnectedState;
}

// Saves a picture of the window when ZAV_SCREENSHOT_DIR names a folder.
inline void screenshot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZAV_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace conntesting

Q_DECLARE_METATYPE(conntesting::Field)
