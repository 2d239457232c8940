#include "clientconnectwindow.h"
#include "scripteddialogs.h"
#include "serverconnectwindow.h"
#include "terminalview.h"
#include "twips.h"
#include "udpconnectwindow.h"
#include "uikit.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace conntesting;

namespace {
std::unique_ptr<ConnectionWindow> makeWindow(const QString &name, Dialogs &dialogs)
{
    if (name == QLatin1String("serverConnect"))
        return std::make_unique<ServerConnectWindow>(dialogs);
    if (name == QLatin1String("clientConnect"))
        return std::make_unique<ClientConnectWindow>(dialogs);
    return std::make_unique<UdpConnectWindow>(dialogs);
}

const QStringList WindowNames{"serverConnect", "clientConnect", "udpConnect"};

// How a table row reaches its control: through the window's accessors.
using ControlOf = std::function<QWidget *(ConnectionWindow *)>;
} // namespace

Q_DECLARE_METATYPE(ControlOf)

// The windows without a network: controls, defaults, filters, and the
// terminal's key path through the key preview.
class TestConnTestWindows : public QObject
{
    Q_OBJECT
private slots:
    void controls_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<ControlOf>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twipsGeometry");
        auto row = [](const char *window, const char *name, ControlOf control, const char *text, QRect geometry) {
            QTest::addRow("%s %s", window, name) << QString::fromLatin1(window) << QString::fromLatin1(name)
                                                 << control << QString::fromLatin1(text) << geometry;
        };
        auto edit = [](Field which) -> ControlOf { return [which](ConnectionWindow *w) { return field(w, which); }; };
        auto caption = [](Field which) -> ControlOf {
            return [which](ConnectionWindow *w) { return captionOf(field(w, which)); };
        };
        for (const char *w : {"serverConnect", "clientConnect", "udpConnect"}) {
            const bool server = strcmp(w, "serverConnect") == 0;
            row(w, "terminalView", [](ConnectionWindow *c) { return c->terminalView(); }, "", QRect(600, 2640, 8535, 4395));
            row(w, "hintLabel", [](ConnectionWindow *c) { return c->hintLabel(); },
                "Use the F10 key to send a NULL character", QRect(660, 7080, 8415, 315));
            row(w, "clearScreenButton", [](ConnectionWindow *c) { return c->clearScreenButton(); }, "Clear Screen",
                QRect(7200, 7620, 1755, 315));
            row(w, "statusCaptionLabel", [](ConnectionWindow *c) { return c->statusCaptionLabel(); }, "Current Status",
                QRect(3300, 1680, 2775, 255));
            row(w, server ? "connectButton" : "listenButton", [](ConnectionWindow *c) { return startButton(c); },
                server ? "Connect" : "Listen", QRect(900, 1740, 1755, 315));
            row(w, server ? "disconnectButton" : "stopButton", [](ConnectionWindow *c) { return stopButton(c); },
                server ? "Disconnect" : "Stop", QRect(7080, 1740, 1755, 255));
            row(w, "statusLabel", [](ConnectionWindow *c) { return c->statusLabel(); },
                strcmp(w, "udpConnect") == 0 ? "Offline" : "Disconnected", QRect(3360, 2040, 2655, 255));
        }
        const ControlOf title = [](ConnectionWindow *c) { return c->titleLabel(); };
        row("serverConnect", "titleLabel", title, "Connect to reader operating as a Server", QRect(1200, 120, 6855, 315));
        row("serverConnect", "addressLabel", caption(Field::Address), "IP Address", QRect(840, 660, 1635, 315));
        row("serverConnect", "addressEdit", edit(Field::Address), "192.168.1.55", QRect(2700, 660, 1635, 315));
        row("serverConnect", "dataPortLabel", caption(Field::DataPort), "Port Number", QRect(840, 1080, 1695, 315));
        row("serverConnect", "dataPortEdit", edit(Field::DataPort), "57", QRect(2700, 1080, 1635, 315));
        row("serverConnect", "controlPortLabel", caption(Field::ControlPort), "Control Port Number", QRect(4920, 660, 1875, 315));
        row("serverConnect", "controlPortEdit", edit(Field::ControlPort), "87", QRect(7020, 660, 1635, 315));
        row("serverConnect", "passwordLabel", caption(Field::Password), "Password", QRect(4920, 1080, 1815, 315));
        row("serverConnect", "passwordEdit", edit(Field::Password), "", QRect(7020, 1080, 1635, 315));
        row("clientConnect", "titleLabel", title, "Connect with reader operating as a Client", QRect(1200, 120, 6855, 315));
        row("clientConnect", "dataPortLabel", caption(Field::DataPort), "Data Port Number", QRect(900, 840, 1695, 315));
        row("clientConnect", "dataPortEdit", edit(Field::DataPort), "57", QRect(2760, 840, 1635, 315));
        row("clientConnect", "controlPortLabel", caption(Field::ControlPort), "Control Port Number", QRect(5100, 600, 1875, 315));
        row("clientConnect", "controlPortEdit", edit(Field::ControlPort), "87", QRect(7200, 600, 1635, 315));
        row("clientConnect", "passwordLabel", caption(Field::Password), "Password", QRect(5100, 1020, 1815, 315));
        row("clientConnect", "passwordEdit", edit(Field::Password), "", QRect(7200, 1020, 1635, 315));
        row("udpConnect", "titleLabel", title, "Connect to reader using UDP", QRect(1200, 120, 6855, 315));
        row("udpConnect", "addressLabel", caption(Field::Address), "IP Address", QRect(840, 660, 1635, 315));
        row("udpConnect", "addressEdit", edit(Field::Address), "192.168.1.55", QRect(2700, 660, 1635, 315));
        row("udpConnect", "receivePortLabel", caption(Field::ReceivePort), "ReceivePort Number", QRect(4740, 660, 1875, 315));
        row("udpConnect", "receivePortEdit", edit(Field::ReceivePort), "57", QRect(6720, 660, 1635, 315));
        row("udpConnect", "dataPortLabel", caption(Field::DataPort), "Data Port Number", QRect(840, 1080, 1695, 315));
        row("udpConnect", "dataPortEdit", edit(Field::DataPort), "53002", QRect(2700, 1080, 1635, 315));
    }
    void controls()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(ControlOf, control);
        QFETCH(QString, text);
        QFETCH(QRect, twipsGeometry);
        ScriptedDialogs dialogs;
        auto w = makeWindow(window, dialogs);
        QCOMPARE(w->objectName(), window);
        QWidget *widget = control(w.get());
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->objectName(), name);
        QCOMPARE(widget->geometry(), twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                               twipsGeometry.height()));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(label->font().bold());
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            QCOMPARE(edit->text(), text);
        }
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &w : WindowNames)
            QTest::newRow(qPrintable(w)) << w;
    }
    void fonts()
    {
        QFETCH(QString, window);
        ScriptedDialogs dialogs;
        auto w = makeWindow(window, dialogs);
        QLabel *hint = w->hintLabel();
        QCOMPARE(hint->font().family(), QStringLiteral("Arial"));
        QCOMPARE(hint->font().pointSizeF(), 9.0);
        QCOMPARE(hint->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QVERIFY(hint->alignment() & Qt::AlignHCenter);
        QLabel *clear = w->clearScreenButton();
        QCOMPARE(clear->font().family(), QStringLiteral("MS Sans Serif"));
        QVERIFY(clear->font().bold());
        for (QLabel *label : {w->statusLabel(), w->statusCaptionLabel()}) {
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(192, 0, 0));
            QVERIFY(label->alignment() & Qt::AlignHCenter);
        }
        QCOMPARE(w->terminalView()->palette().color(QPalette::Window), QColor(255, 255, 255));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    void fieldLimitsAndFilters_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("server address") << "serverConnect" << Field::Address << 15 << QByteArray("1a.2 b") << "1.2";
        QTest::newRow("server data port") << "serverConnect" << Field::DataPort << 5 << QByteArray("1.2x3456") << "12345";
        QTest::newRow("server control port") << "serverConnect" << Field::ControlPort << 5 << QByteArray("8.7") << "87";
        QTest::newRow("server password") << "serverConnect" << Field::Password << 5 << QByteArray(" a.B!z") << " a.B!";
        QTest::newRow("client data port") << "clientConnect" << Field::DataPort << 5 << QByteArray("5.7") << "57";
        QTest::newRow("client control port") << "clientConnect" << Field::ControlPort << 5 << QByteArray("x87") << "87";
        QTest::newRow("client password") << "clientConnect" << Field::Password << 5 << QByteArray("pw d") << "pw d";
        QTest::newRow("udp address") << "udpConnect" << Field::Address << 15 << QByteArray("10.0.x0.7") << "10.0.0.7";
        QTest::newRow("udp receive port drops a point") << "udpConnect" << Field::ReceivePort << 5 << QByteArray("5.7") << "57";
        QTest::newRow("udp data port unfiltered") << "udpConnect" << Field::DataPort << 5 << QByteArray("5x.7") << "5x.7";
    }
    void fieldLimitsAndFilters()
    {
        QFETCH(QString, window);
        QFETCH(Field, field);
        QFETCH(int, maxLength);
        QFETCH(QByteArray, typed);
        QFETCH(QString, result);
        ScriptedDialogs dialogs;
        auto w = makeWindow(window, dialogs);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QLineEdit *edit = conntesting::field(w.get(), field);
        QCOMPARE(edit->maxLength(), maxLength);
        edit->clear();
        edit->setFocus();
        type(w.get(), typed);
        QCOMPARE(edit->text(), result);
        QVERIFY(w->terminal().cell(1, 1).drawn == false);
    }

    // From the first field on: the fields, then the terminal.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Field>("first");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("serverConnect") << "serverConnect" << Field::Address
                                       << QStringList{"addressEdit", "dataPortEdit", "controlPortEdit", "passwordEdit",
                                                      "terminalView"};
        QTest::newRow("clientConnect") << "clientConnect" << Field::DataPort
                                       << QStringList{"dataPortEdit", "controlPortEdit", "passwordEdit", "terminalView"};
        QTest::newRow("udpConnect") << "udpConnect" << Field::Address
                                    << QStringList{"addressEdit", "receivePortEdit", "dataPortEdit", "terminalView"};
    }
    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(Field, first);
        QFETCH(QStringList, order);
        ScriptedDialogs dialogs;
        auto w = makeWindow(window, dialogs);
        QWidget *widget = field(w.get(), first);
        QCOMPARE(widget->objectName(), order.first());
        for (int i = 1; i < order.size(); ++i) {
            widget = widget->nextInFocusChain();
            while (widget->focusPolicy() == Qt::NoFocus)
                widget = widget->nextInFocusChain();
            QCOMPARE(widget->objectName(), order.at(i));
        }
    }

    // While connected every key goes to the terminal, whichever field has the
    // focus; the field does not change. The socket is not connected here, so
    // every send is refused: that must do nothing harmful.
    void connectedKeysGoToTheTerminal_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &w : WindowNames)
            QTest::newRow(qPrintable(w)) << w;
    }
    void connectedKeysGoToTheTerminal()
    {
        QFETCH(QString, window);
        ScriptedDialogs dialogs;
        auto w = makeWindow(window, dialogs);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // A port field holding "57": the data port, or Udp Connect's receive port.
        QLineEdit *edit = field(w.get(), window == QLatin1String("udpConnect") ? Field::ReceivePort : Field::DataPort);
        edit->setFocus();
        w->terminal().setConnected(true);
        type(w.get(), "1a~}");
        key(w.get(), Qt::Key_Return);
        key(w.get(), Qt::Key_Backspace);
        key(w.get(), Qt::Key_Tab);
        key(w.get(), Qt::Key_F10);
        altCode(w.get(), "065");
        altCode(w.get(), "256");
        // AltGr types characters; it starts no Alt code. A character that is
        // not one byte cannot be sent and reaches no field either.
        QWindow *handle = w->windowHandle();
        QTest::simulateEvent(handle, true, Qt::Key_AltGr, Qt::NoModifier, QString(), false);
        QTest::simulateEvent(handle, true, Qt::Key_Q, Qt::GroupSwitchModifier, QStringLiteral("@"), false);
        QTest::simulateEvent(handle, false, Qt::Key_Q, Qt::GroupSwitchModifier, QStringLiteral("@"), false);
        QTest::simulateEvent(handle, false, Qt::Key_AltGr, Qt::GroupSwitchModifier, QString(), false);
        QTest::simulateEvent(handle, true, Qt::Key_E, Qt::GroupSwitchModifier, QString(QChar(0x20AC)), false);
        QCOMPARE(screenText(w.get()), QStringLiteral("k1kak<7E>k}k<0D>k<08>k<09>k<00>kAk@"));
        QCOMPARE(edit->text(), QStringLiteral("57"));
        QVERIFY(edit->hasFocus());
        QVERIFY(dialogs.messages.isEmpty());

        // Received bytes go between, in red; Clear Screen empties the screen.
        w->showReceived("Hi\r\n");
        QCOMPARE(screenText(w.get()), QStringLiteral("k1kak<7E>k}k<0D>k<08>k<09>k<00>kAk@rHrir<0D>r<0A>"));
        click(w->clearScreenButton());
        QCOMPARE(screenText(w.get()), QString());
        QVERIFY(w->terminal().connected());

        // Not connected: keys reach the field again.
        w->terminal().setConnected(false);
        key(w.get(), Qt::Key_End);
        type(w.get(), "9");
        QCOMPARE(edit->text(), QStringLiteral("579"));
        QCOMPARE(screenText(w.get()), QString());
    }

    // A huge arrival is drawn a slice at a time: the call returns with bytes
    // still waiting, a key typed meanwhile is drawn behind them, and in the
    // end every byte is drawn in order.
    void hugeArrivalIsDrawnInSlices()
    {
        ScriptedDialogs dialogs;
        ServerConnectWindow w(dialogs);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.terminal().setConnected(true);
        const qint64 size = 20 * 1000 * 1000 + 3;
        QByteArray burst(size, 'r');
        burst[size - 1] = 'z';
        w.showReceived(burst);
        QVERIFY(w.terminal().hasQueued());
        type(&w, "k");
        QTRY_VERIFY_WITH_TIMEOUT(!w.terminal().hasQueued(), 30000);
        QCOMPARE(w.terminal().bytesDrawn(), size + 1);
        const int last = int((size - 1) % 544);
        const TerminalScreen::Cell z = w.terminal().cell(last % 34 + 1, last / 34 + 1);
        QCOMPARE(z.code, quint8('z'));
        const TerminalScreen::Cell k = w.terminal().cell((last + 1) % 34 + 1, (last + 1) / 34 + 1);
        QCOMPARE(k.code, quint8('k'));
        QCOMPARE(k.ink, TerminalScreen::Sent);
    }

    // The screen's pixels: bright white, glyphs black or red in their cells,
    // hex digits small and diagonal.
    void screenPaintsTheModel()
    {
        ScriptedDialogs dialogs;
        ServerConnectWindow w(dialogs);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.terminal().setConnected(true);
        type(&w, "W");
        w.showReceived(QByteArray("W\xE9", 2));
        QTRY_VERIFY(!w.terminal().hasQueued());
        const QImage image = w.terminalView()->grab().toImage();
        auto inkIn = [&](int column, int line, QRect twipsArea) {
            const int x0 = (column - 1) * 250, y0 = (line - 1) * 275;
            const QRect area = twipsRect(x0 + twipsArea.x(), y0 + twipsArea.y(), twipsArea.width(), twipsArea.height());
            QSet<QRgb> colours;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    colours.insert(image.pixel(x, y) & 0xFFFFFF);
            return colours;
        };
        auto isInk = [](const QSet<QRgb> &colours, QRgb ink) {
            for (QRgb c : colours) {
                const int distance = qAbs(qRed(c) - qRed(ink)) + qAbs(qGreen(c) - qGreen(ink)) + qAbs(qBlue(c) - qBlue(ink));
                if (distance < 60)
                    return true;
            }
            return false;
        };
        QVERIFY(isInk(inkIn(1, 1, QRect(0, 0, 250, 275)), qRgb(0, 0, 0)));
        QVERIFY(!isInk(inkIn(1, 1, QRect(0, 0, 250, 275)), qRgb(255, 0, 0)));
        QVERIFY(isInk(inkIn(2, 1, QRect(0, 0, 250, 275)), qRgb(255, 0, 0)));
        // Hex cell: the first digit in the upper left, the second lower right.
        QVERIFY(isInk(inkIn(3, 1, QRect(0, 25, 100, 200)), qRgb(255, 0, 0)));
        QVERIFY(isInk(inkIn(3, 1, QRect(100, 100, 150, 175)), qRgb(255, 0, 0)));
        QCOMPARE(inkIn(4, 1, QRect(0, 0, 250, 275)), QSet<QRgb>{0xFFFFFF});
        QCOMPARE(inkIn(1, 2, QRect(0, 0, 8000, 275)), QSet<QRgb>{0xFFFFFF});
    }

    // Assistive technology names each field by its visible label; the action
    // labels are reachable with Tab.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("server address") << "serverConnect" << Field::Address << "IP Address";
        QTest::newRow("server data port") << "serverConnect" << Field::DataPort << "Port Number";
        QTest::newRow("server control port") << "serverConnect" << Field::ControlPort << "Control Port Number";
        QTest::newRow("server password") << "serverConnect" << Field::Password << "Password";
        QTest::newRow("client data port") << "clientConnect" << Field::DataPort << "Data Port Number";
        QTest::newRow("client control port") << "clientConnect" << Field::ControlPort << "Control Port Number";
        QTest::newRow("client password") << "clientConnect" << Field::Password << "Password";
        QTest::newRow("udp address") << "udpConnect" << Field::Address << "IP Address";
        QTest::newRow("udp receive port") << "udpConnect" << Field::ReceivePort << "ReceivePort Number";
        QTest::newRow("udp data port") << "udpConnect" << Field::DataPort << "Data Port Number";
    }
    void accessibleNames()
    {
        QFETCH(QString, window);
        QFETCH(Field, field);
        QFETCH(QString, name);
        ScriptedDialogs dialogs;
        auto w = makeWindow(window, dialogs);
        QLineEdit *edit = conntesting::field(w.get(), field);
        QVERIFY(edit);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        for (QWidget *button : std::initializer_list<QWidget *>{startButton(w.get()), stopButton(w.get()),
                                                                 w->clearScreenButton()})
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
    }

    // A picture of each window with a mixed screen (ZAV_SCREENSHOT_DIR).
    void screenshots_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &w : WindowNames)
            QTest::newRow(qPrintable(w)) << w;
    }
    void screenshots()
    {
        QFETCH(QString, window);
        ScriptedDialogs dialogs;
        auto w = makeWindow(window, dialogs);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->terminal().setConnected(true);
        type(w.get(), "Hello reader");
        key(w.get(), Qt::Key_Return);
        key(w.get(), Qt::Key_F10);
        w->showReceived(QByteArray("Hello reader\r\n~\x7f\xe9 }{ abcdefghijklmnopqrstuvwxyz0123456789", 54));
        type(w.get(), "ok");
        altCode(w.get(), "200");
        w->showReceived(QByteArray("\x05\x00\x01\xff end", 8));
        QTest::qWait(50);
        screenshot(w.get(), QStringLiteral("conntest-") + window);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestConnTestWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_conntestwindows.moc"
