#pragma once

#include "connectionwindow.h"
#include "terminalscreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

// Helpers for the connection-test window tests: keys through the window's
// QWindow (so they pass the key preview like a user's keyboard), the screen's
// cells as text, and screenshots.
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

inline QString status(QWidget *window)
{
    return window->findChild<QLabel *>(QStringLiteral("Label1(5)"))->text();
}

inline QLineEdit *field(QWidget *window, const char *name)
{
    return window->findChild<QLineEdit *>(QLatin1String(name));
}

inline void click(QWidget *window, const char *name)
{
    QWidget *label = window->findChild<QWidget *>(QLatin1String(name));
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
}

// Saves a picture of the window when ZAV_SCREENSHOT_DIR names a folder.
inline void screenshot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZAV_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace conntesting
