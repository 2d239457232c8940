#include "addresschecks.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "serverconnectwindow.h"
#include "socketcontrol.h"
#include "uikit.h"
#include "windowtesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace conntesting;

namespace {
const QString ReaderAddress = QStringLiteral("127.0.0.7");
} // namespace

// Server Connect against a simulated reader that works as a TCP server.
class TestServerConnectWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        waits::setTickMs(10);
        m_simulator = std::make_unique<ReaderSimulator>();
        m_simulator->setMulticastEnabled(false);
        ReaderConfig config;
        config.address = QHostAddress(ReaderAddress);
        config.mode = '0';
        config.data.echo = false;
        m_reader = m_simulator->addReader(config);
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<ServerConnectWindow>(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        field(m_window.get(), "Text3")->setText(ReaderAddress);
        m_statuses = std::make_unique<QSignalSpy>(m_window.get(), &ConnectionWindow::statusChanged);
    }
    void cleanup()
    {
        m_statuses.reset();
        m_window.reset();
        m_dialogs.reset();
        m_simulator.reset();
        waits::setTickMs(100);
    }

    void startReader(char dpass = '0', bool echo = false)
    {
        ReaderConfig config = m_reader->config();
        config.dpass = dpass;
        config.data.echo = echo;
        m_reader->setConfig(config);
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
    }

    SocketControl *socket(const char *name) { return m_window->findChild<SocketControl *>(QLatin1String(name)); }

    // Without a password: straight to the data port; every kind of key goes
    // out as one byte, drawn black; the reader's bytes are drawn red.
    void connectWithoutPassword()
    {
        startReader();
        field(m_window.get(), "Text4")->clear(); // not examined without a password
        click(m_window.get(), "Label2");
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting to Data Port", "Connected"}));
        QVERIFY(m_window->terminal().connected());
        QCOMPARE(m_reader->connectionCount(Channel::Control), 0);
        QTRY_COMPARE(m_reader->dataConnections(), 1);

        field(m_window.get(), "Text3")->setFocus();
        type(m_window.get(), "a~");
        key(m_window.get(), Qt::Key_Return);
        key(m_window.get(), Qt::Key_Backspace);
        key(m_window.get(), Qt::Key_F10);
        altCode(m_window.get(), "065");
        altCode(m_window.get(), "256");
        altCode(m_window.get(), "");
        const QByteArray sent("a~\r\b\0A\0", 7);
        QTRY_COMPARE(m_reader->receivedBytes(Channel::Data), sent);
        QCOMPARE(field(m_window.get(), "Text3")->text(), ReaderAddress);

        QVERIFY(m_reader->sendData(QByteArray("OK\r\n\x05\xe9", 6)));
        const QString screen = QStringLiteral("kak<7E>k<0D>k<08>k<00>kAk<00>rOrKr<0D>r<0A>r<05>r<E9>");
        QTRY_COMPARE(screenText(m_window.get()), screen);
        screenshot(m_window.get(), QStringLiteral("conntest-servertest-connected"));

        click(m_window.get(), "Label3");
        QCOMPARE(m_window->status(), QStringLiteral("Disconnected"));
        QVERIFY(!m_window->terminal().connected());
        QTRY_COMPARE(m_reader->dataConnections(), 0);
        // The screen stays as it was.
        QCOMPARE(screenText(m_window.get()), screen);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // With a password the login line goes first, the control connection stays
    // open while connected, and the reader then accepts data.
    void loginThenData_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("five characters") << "58203" << QByteArray("PASS58203\r");
        QTest::newRow("blanks around") << " 58203" << QByteArray("PASS 5820\r");
        QTest::newRow("two characters") << "12" << QByteArray("PASS12\r");
    }
    void loginThenData()
    {
        QFETCH(QString, password);
        QFETCH(QByteArray, line);
        ReaderConfig config = m_reader->config();
        config.password = line.mid(4, line.size() - 5);
        m_reader->setConfig(config);
        startReader('1', true);
        field(m_window.get(), "Text1")->setText(password);
        click(m_window.get(), "Label2");
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting", "Connecting to Data Port", "Connected"}));
        QCOMPARE(m_reader->receivedBytes(Channel::Control), line);
        QVERIFY(m_reader->loginSeen());
        QCOMPARE(socket("Winsock2")->State(), int(SocketControl::Connected));
        QVERIFY(m_dialogs->messages.isEmpty());

        type(m_window.get(), "hi");
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("khkirhri"));
        QCOMPARE(m_reader->receivedBytes(Channel::Data), QByteArray("hi"));
        click(m_window.get(), "Label3");
        QCOMPARE(socket("Winsock2")->State(), int(SocketControl::Closed));
        QCOMPARE(socket("Winsock1")->State(), int(SocketControl::Closed));
    }

    void loginFails_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<bool>("readerRunning");
        QTest::newRow("wrong password") << QByteArray() << true;
        QTest::newRow("OK CR LF") << QByteArray("okcrlf") << true;
        QTest::newRow("no control port") << QByteArray() << false;
    }
    void loginFails()
    {
        QFETCH(QByteArray, fault);
        QFETCH(bool, readerRunning);
        if (readerRunning)
            startReader();
        if (!fault.isEmpty()) {
            Fault parsed;
            QVERIFY(Fault::parse(fault, &parsed, nullptr));
            m_reader->setFault("PASS", parsed);
            field(m_window.get(), "Text1")->setText(QStringLiteral("58203"));
        } else {
            field(m_window.get(), "Text1")->setText(QStringLiteral("wrong"));
        }
        click(m_window.get(), "Label2");
        QCOMPARE(m_dialogs->messages, QStringList{"Unable to connect to Control Port"});
        QCOMPARE(texts(*m_statuses), QStringList{"Connecting"});
        QVERIFY(!m_window->terminal().connected());
        QCOMPARE(socket("Winsock2")->State(), int(SocketControl::Closed));
        QCOMPARE(m_reader->connectionCount(Channel::Data), 0);
    }

    void refusedBeforeAnythingOpens_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("dataPort");
        QTest::addColumn<QString>("controlPort");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("three groups") << "192.168.1" << "57" << "87" << "" << "Invalid IP Address";
        QTest::newRow("blank address") << "   " << "57" << "87" << "" << "Invalid IP Address";
        QTest::newRow("group over 255") << "127.0.0.256" << "57" << "87" << "" << "Invalid IP Address";
        QTest::newRow("empty data port") << ReaderAddress << "" << "87" << "" << "Invalid Data Port";
        QTest::newRow("blank data port") << ReaderAddress << "  " << "87" << "58203" << "Invalid Data Port";
        QTest::newRow("blank control port") << ReaderAddress << "57" << " " << "58203" << "Invalid Control Port";
        // Beyond 65535: no message, nothing connected, the status unchanged.
        QTest::newRow("data port 99999") << ReaderAddress << "99999" << "87" << "" << "";
        QTest::newRow("control port 70000") << ReaderAddress << "57" << "70000" << "58203" << "";
        QTest::newRow("data port 0") << ReaderAddress << "0" << "87" << "" << "";
    }
    void refusedBeforeAnythingOpens()
    {
        QFETCH(QString, address);
        QFETCH(QString, dataPort);
        QFETCH(QString, controlPort);
        QFETCH(QString, password);
        QFETCH(QString, message);
        startReader();
        field(m_window.get(), "Text3")->setText(address);
        field(m_window.get(), "Text2")->setText(dataPort);
        field(m_window.get(), "Text4")->setText(controlPort);
        field(m_window.get(), "Text1")->setText(password);
        click(m_window.get(), "Label2");
        QCOMPARE(m_dialogs->messages, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(m_statuses->isEmpty());
        QCOMPARE(m_window->status(), QStringLiteral("Disconnected"));
        QVERIFY(!m_window->terminal().connected());
        QTest::qWait(50);
        QCOMPARE(m_reader->connectionCount(Channel::Control), 0);
        QCOMPARE(m_reader->connectionCount(Channel::Data), 0);
    }

    // No reader on the data port: the attempt is abandoned after the wait.
    void dataPortDoesNotAnswer()
    {
        startReader('0');
        field(m_window.get(), "Text2")->setText(QStringLiteral("58"));
        field(m_window.get(), "Text1")->setText(QStringLiteral("58203"));
        click(m_window.get(), "Label2");
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting", "Connecting to Data Port", "Unable to Connect"}));
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(!m_window->terminal().connected());
        QCOMPARE(socket("Winsock1")->State(), int(SocketControl::Closed));
        QCOMPARE(socket("Winsock2")->State(), int(SocketControl::Closed));
        type(m_window.get(), "x");
        QCOMPARE(screenText(m_window.get()), QString());
    }

    // The reader closes the data connection: the window still reads
    // "Connected"; typed bytes are drawn, refused by the socket, nothing breaks.
    void readerClosesTheConnection()
    {
        startReader();
        click(m_window.get(), "Label2");
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));
        QTRY_COMPARE(m_reader->dataConnections(), 1);
        m_reader->stop();
        QTRY_VERIFY(socket("Winsock1")->State() != int(SocketControl::Connected));
        type(m_window.get(), "xy");
        key(m_window.get(), Qt::Key_F10);
        QCOMPARE(screenText(m_window.get()), QStringLiteral("kxkyk<00>"));
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(m_reader->receivedBytes(Channel::Data), QByteArray());
        // Connect again starts afresh once the reader is back.
        QVERIFY(m_reader->start());
        click(m_window.get(), "Label2");
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));
        type(m_window.get(), "z");
        QTRY_COMPARE(m_reader->receivedBytes(Channel::Data), QByteArray("z"));
    }

    // Connect on a connected window ends that session first; an attempt that
    // then stops early does not leave "Connected" showing.
    void connectWhileConnected()
    {
        startReader();
        click(m_window.get(), "Label2");
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));
        QTRY_COMPARE(m_reader->dataConnections(), 1);
        field(m_window.get(), "Text2")->setText(QStringLiteral("99999"));
        m_statuses->clear();
        click(m_window.get(), "Label2");
        QCOMPARE(texts(*m_statuses), QStringList{"Disconnected"});
        QVERIFY(!m_window->terminal().connected());
        QTRY_COMPARE(m_reader->dataConnections(), 0);
        field(m_window.get(), "Text2")->setText(QStringLiteral("57"));
        click(m_window.get(), "Label2");
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));
        QTRY_COMPARE(m_reader->dataConnections(), 1);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // Disconnect while the login waits: the Connect gives up quietly.
    void disconnectDuringLogin()
    {
        startReader();
        m_reader->setFault("PASS", Fault::slow(2000));
        field(m_window.get(), "Text1")->setText(QStringLiteral("58203"));
        QTimer::singleShot(100, m_window.get(), [this] { click(m_window.get(), "Label3"); });
        click(m_window.get(), "Label2");
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting", "Disconnected"}));
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(!m_window->terminal().connected());
        QCOMPARE(m_reader->connectionCount(Channel::Data), 0);
    }

    // A big burst is drawn completely and in order.
    void burstIsDrawnCompletely()
    {
        ReaderConfig config = m_reader->config();
        config.data.stream = DataBehaviour::CountedBytes;
        config.data.streamBytes = 3 * 1000 * 1000 + 17;
        m_reader->setConfig(config);
        startReader();
        // The window keeps answering meanwhile: a 10 ms timer keeps ticking.
        QElapsedTimer clock;
        qint64 lastTick = -1;
        qint64 longestGap = 0;
        QTimer ticker;
        ticker.setInterval(10);
        connect(&ticker, &QTimer::timeout, [&] {
            if (lastTick >= 0)
                longestGap = qMax(longestGap, clock.elapsed() - lastTick);
            lastTick = clock.elapsed();
        });
        clock.start();
        ticker.start();
        click(m_window.get(), "Label2");
        QTRY_COMPARE_WITH_TIMEOUT(m_window->terminal().bytesDrawn(), config.data.streamBytes, 20000);
        ticker.stop();
        QVERIFY2(longestGap < 700, qPrintable(QString::number(longestGap)));
        const qint64 onScreen = (config.data.streamBytes - 1) % 544 + 1;
        const qint64 firstOnScreen = config.data.streamBytes - onScreen;
        for (qint64 i = 0; i < onScreen; ++i) {
            const TerminalScreen::Cell cell = m_window->terminal().cell(int(i % 34) + 1, int(i / 34) + 1);
            QCOMPARE(cell.code, quint8((firstOnScreen + i) % 256));
            QCOMPARE(cell.ink, TerminalScreen::Received);
        }
    }

    // The waits at their real cadence: the data connection is seen at the
    // first look, about 100 ms after the click.
    void connectAtRealTiming()
    {
        waits::setTickMs(100);
        startReader();
        QElapsedTimer clock;
        clock.start();
        click(m_window.get(), "Label2");
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));
        QVERIFY2(clock.elapsed() >= 90 && clock.elapsed() < 900, qPrintable(QString::number(clock.elapsed())));
    }

    void disconnectWhenNothingIsOpen()
    {
        click(m_window.get(), "Label3");
        QCOMPARE(texts(*m_statuses), QStringList{"Disconnected"});
        QVERIFY(m_dialogs->messages.isEmpty());
    }

private:
    std::unique_ptr<ReaderSimulator> m_simulator;
    SimulatedReader *m_reader = nullptr;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<ServerConnectWindow> m_window;
    std::unique_ptr<QSignalSpy> m_statuses;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestServerConnectWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_serverconnectwindow.moc"
