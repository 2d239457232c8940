#include "clientconnectwindow.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "uikit.h"
#include "windowtesting.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace conntesting;

namespace {
ReaderConfig clientReader(const char *address)
{
    ReaderConfig config;
    config.address = QHostAddress(QLatin1String(address));
    config.mode = '1';
    config.serverAddress = "127.0.0.1";
    config.serverPort = 57;
    config.clientRetryMs = 50;
    config.data.echo = false;
    return config;
}
} // namespace

// Client Connect against a simulated reader that connects as a TCP client.
class TestClientConnectWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        m_simulator = std::make_unique<ReaderSimulator>();
        m_simulator->setMulticastEnabled(false);
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<ClientConnectWindow>(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_statuses = std::make_unique<QSignalSpy>(m_window.get(), &ConnectionWindow::statusChanged);
    }
    void cleanup()
    {
        m_statuses.reset();
        m_window.reset();
        m_dialogs.reset();
        m_simulator.reset();
    }

    SimulatedReader *startReader(const ReaderConfig &config)
    {
        SimulatedReader *reader = m_simulator->addReader(config);
        QString error;
        if (!reader->start(&error))
            qWarning() << error;
        return reader;
    }

    // Without a password: accept, status with the reader's address, no login.
    void acceptWithoutPassword()
    {
        click(m_window->listenButton());
        QCOMPARE(texts(*m_statuses), QStringList{"Waiting for Connection"});
        SimulatedReader *reader = startReader(clientReader("127.0.0.7"));
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7"));
        QVERIFY(m_window->terminal().connected());
        QCOMPARE(texts(*m_statuses), QStringList({"Waiting for Connection", "Connected to 127.0.0.7"}));

        m_window->dataPortEdit()->setFocus();
        type(m_window.get(), "Z9");
        key(m_window.get(), Qt::Key_Return);
        key(m_window.get(), Qt::Key_F10);
        altCode(m_window.get(), "65");
        QTRY_COMPARE(reader->receivedBytes(Channel::Data), QByteArray("Z9\r\0A", 5));
        QCOMPARE(m_window->dataPortEdit()->text(), QStringLiteral("57"));
        QVERIFY(reader->sendData("\x7f!"));
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("kZk9k<0D>k<00>kAr<7F>r!"));
        QCOMPARE(reader->connectionCount(Channel::Control), 0);
        screenshot(m_window.get(), QStringLiteral("conntest-clientconnect-connected"));

        click(m_window->stopButton());
        QCOMPARE(m_window->status(), QStringLiteral("Disconnected"));
        QVERIFY(!m_window->terminal().connected());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // With a password: ", Read Only" until the login at the reader's own
    // address is acknowledged.
    void loginAtTheReadersAddress_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("acknowledged");
        QTest::newRow("right password") << "58203" << true;
        QTest::newRow("wrong password") << "x" << false;
    }
    void loginAtTheReadersAddress()
    {
        QFETCH(QString, password);
        QFETCH(bool, acknowledged);
        // A second reader at another address must not receive the login.
        ReaderConfig other = clientReader("127.0.0.8");
        other.mode = '0';
        other.tcpDataPort = 58;
        SimulatedReader *bystander = startReader(other);
        m_window->passwordEdit()->setText(password);
        click(m_window->listenButton());
        SimulatedReader *reader = startReader(clientReader("127.0.0.7"));
        const QString connectedTo = QStringLiteral("Connected to 127.0.0.7");
        const QString readOnly = connectedTo + QStringLiteral(", Read Only");
        QTRY_VERIFY(texts(*m_statuses).contains(readOnly));
        QTRY_COMPARE(reader->receivedBytes(Channel::Control), "PASS" + password.toLatin1() + '\r');
        if (acknowledged) {
            QTRY_COMPARE(m_window->status(), connectedTo);
            QCOMPARE(texts(*m_statuses), QStringList({"Waiting for Connection", connectedTo, readOnly, connectedTo}));
            QCOMPARE(controlConnectionState(m_window->session()->login()), QAbstractSocket::ConnectedState);
        } else {
            // Unanswered: the login ends at its 3 s limit.
            QTRY_VERIFY_WITH_TIMEOUT(!m_window->session()->login(), 5000);
            QCOMPARE(texts(*m_statuses), QStringList({"Waiting for Connection", connectedTo, readOnly}));
        }
        // The data connection works either way.
        type(m_window.get(), "q");
        QTRY_COMPARE(reader->receivedBytes(Channel::Data), QByteArray("q"));
        QCOMPARE(bystander->connectionCount(Channel::Control), 0);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void passwordWithoutControlPort()
    {
        m_window->passwordEdit()->setText(QStringLiteral("58203"));
        m_window->controlPortEdit()->setText(QStringLiteral("  "));
        click(m_window->listenButton());
        SimulatedReader *reader = startReader(clientReader("127.0.0.7"));
        QTRY_COMPARE(m_dialogs->messages, QStringList{"Invalid Control Port - Password not sent"});
        QCOMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7, Read Only"));
        QVERIFY(m_window->terminal().connected());
        QCOMPARE(reader->connectionCount(Channel::Control), 0);
    }

    void refusedPorts_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("zero") << "0";
        QTest::newRow("above 65535") << "99999";
    }
    void refusedPorts()
    {
        QFETCH(QString, port);
        m_window->dataPortEdit()->setText(port);
        click(m_window->listenButton());
        QCOMPARE(m_dialogs->messages, QStringList{"Invalid Data Port"});
        QVERIFY(m_statuses->isEmpty());
        QVERIFY(!m_window->session()->isOpen());
    }

    // A port that cannot be listened on never reads "Waiting for Connection".
    void portInUse()
    {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::AnyIPv4, 57));
        click(m_window->listenButton());
        QCOMPARE(texts(*m_statuses), QStringList{"Unable to Listen"});
        QVERIFY(!m_window->terminal().connected());
        occupant.close();
        click(m_window->listenButton());
        QCOMPARE(m_window->status(), QStringLiteral("Waiting for Connection"));
    }

    // One accepted connection ends the listening.
    void secondReaderIsNotAccepted()
    {
        click(m_window->listenButton());
        SimulatedReader *first = startReader(clientReader("127.0.0.7"));
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7"));
        QTcpSocket second;
        second.connectToHost(QHostAddress(QStringLiteral("127.0.0.1")), 57);
        QVERIFY(!second.waitForConnected(500) || second.waitForDisconnected(1000)
                || second.state() != QAbstractSocket::ConnectedState);
        QTest::qWait(100);
        QCOMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7"));
        type(m_window.get(), "1");
        QTRY_COMPARE(first->receivedBytes(Channel::Data), QByteArray("1"));
    }

    // Listen during a session starts a new one; Stop ends everything.
    void listenAgainAndStop()
    {
        click(m_window->listenButton());
        SimulatedReader *reader = startReader(clientReader("127.0.0.7"));
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7"));
        click(m_window->listenButton());
        QVERIFY(!m_window->terminal().connected());
        // The reader connects again after its retry pause.
        QTRY_COMPARE(reader->connectionCount(Channel::Data), 2);
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7"));
        type(m_window.get(), "2");
        QTRY_COMPARE(reader->receivedBytes(Channel::Data, 2), QByteArray("2"));
        click(m_window->stopButton());
        QCOMPARE(m_window->status(), QStringLiteral("Disconnected"));
        type(m_window.get(), "3");
        QTest::qWait(100);
        QCOMPARE(reader->receivedBytes(Channel::Data), QByteArray("2"));
    }

private:
    std::unique_ptr<ReaderSimulator> m_simulator;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<ClientConnectWindow> m_window;
    std::unique_ptr<QSignalSpy> m_statuses;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestClientConnectWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_clientconnectwindow.moc"
