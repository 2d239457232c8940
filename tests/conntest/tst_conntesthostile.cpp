#include "clientconnectwindow.h"
#include "commandlanguage.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "resources.h"
#include "scripteddialogs.h"
#include "serverconnectwindow.h"
#include "udpconnectwindow.h"
#include "uikit.h"
#include "windowtesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QScopeGuard>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <sys/socket.h>

#include <functional>
#include <memory>

using namespace conntesting;

namespace {
const QString ReaderAddress = QStringLiteral("127.0.0.7");
// A port on the reader's address where nothing listens (refuses at once).
constexpr quint16 RefusingPort = 9057;
// Where the hand-made control port of a flooding reader listens.
constexpr quint16 FloodControlPort = 9087;

QByteArray pattern(qint64 from, qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (qint64 i = 0; i < length; ++i)
        bytes[i] = char((from + i) & 0xFF);
    return bytes;
}

// Resets a connection (RST instead of the orderly close).
void reset(QTcpSocket *socket)
{
    const linger hard{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    socket->abort();
}

// A reader's control port that acknowledges the login (or not) and then keeps
// sending: 'total' bytes of the pattern 0..255, never more than 256 KiB ahead
// of what the system has taken.
class FloodingControlPort : public QObject
{
public:
    FloodingControlPort(bool acknowledge, qint64 total) : m_acknowledge(acknowledge), m_total(total)
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_socket = m_server.nextPendingConnection();
            connect(m_socket, &QTcpSocket::readyRead, this, [this] {
                m_received += m_socket->readAll();
                if (!m_passSeen && m_received.endsWith('\r')) {
                    m_passSeen = true;
                    if (m_acknowledge)
                        m_socket->write("OK\r");
                    else
                        startFlood();
                }
            });
        });
        m_pump.setInterval(0);
        connect(&m_pump, &QTimer::timeout, this, [this] {
            if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState) {
                m_pump.stop();
                return;
            }
            while (m_written < m_total && m_socket->bytesToWrite() < 256 * 1024) {
                const qint64 piece = qMin<qint64>(64 * 1024, m_total - m_written);
                m_socket->write(pattern(m_written, piece));
                m_written += piece;
            }
            if (m_written >= m_total)
                m_pump.stop();
        });
    }
    bool listen() { return m_server.listen(QHostAddress(ReaderAddress), FloodControlPort); }
    void startFlood() { m_pump.start(); }
    bool passSeen() const { return m_passSeen; }
    QByteArray received() const { return m_received; }
    bool floodDone() const { return m_written >= m_total && m_socket && m_socket->bytesToWrite() == 0; }
    bool peerClosed() const { return !m_socket || m_socket->state() == QAbstractSocket::UnconnectedState; }

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_socket;
    QTimer m_pump;
    QByteArray m_received;
    bool m_acknowledge;
    bool m_passSeen = false;
    qint64 m_total;
    qint64 m_written = 0;
};

// Samples, while it runs, the longest pause between two ticks of a 10 ms
// timer: how long the window would not have answered.
class Responsiveness
{
public:
    explicit Responsiveness(std::function<void()> sample = {}) : m_sample(std::move(sample))
    {
        m_ticker.setInterval(10);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            if (m_last >= 0)
                m_longestGap = qMax(m_longestGap, now - m_last);
            m_last = now;
            if (m_sample)
                m_sample();
        });
        m_clock.start();
        m_ticker.start();
    }
    qint64 longestGap() const { return m_longestGap; }

private:
    std::function<void()> m_sample;
    QTimer m_ticker;
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    qint64 m_longestGap = 0;
};

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(20);
}
} // namespace

// The connection-test windows against readers that misbehave: floods on the
// control and data connections, a reset in mid-session, every byte value;
// descriptors after many failed attempts; bad input in every field.
class TestConnTestHostile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        m_simulator = std::make_unique<ReaderSimulator>();
        m_simulator->setMulticastEnabled(false);
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup()
    {
        m_statuses.reset();
        m_window.reset();
        m_dialogs.reset();
        m_simulator.reset();
    }

    // The reader acknowledges the login and then never stops sending on its
    // control port: the login counts, the reply buffer keeps its first bytes
    // only, the window stays responsive and the data path works.
    void controlFloodAfterLogin_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("serverConnect") << "serverConnect";
        QTest::newRow("clientConnect") << "clientConnect";
    }
    void controlFloodAfterLogin()
    {
        QFETCH(QString, window);
        const bool server = window == QLatin1String("serverConnect");
        SimulatedReader *reader = startReader(server ? '0' : '1');
        FloodingControlPort control(true, 16 * 1024 * 1024);
        QVERIFY(control.listen());
        openWindow(window);
        field(m_window.get(), Field::ControlPort)->setText(QString::number(FloodControlPort));
        field(m_window.get(), Field::Password)->setText(QStringLiteral("58203"));
        const QString connectedText = server ? QStringLiteral("Connected") : QStringLiteral("Connected to 127.0.0.7");
        connect(m_window.get(), &ConnectionWindow::statusChanged, &control, [&](const QString &text) {
            if (text == connectedText && control.passSeen())
                control.startFlood();
        });
        qint64 mostHeld = 0;
        Responsiveness responsiveness([&] { mostHeld = qMax(mostHeld, controlBytesHeld()); });

        click(startButton(m_window.get()));
        if (server) {
            QTRY_COMPARE(m_window->status(), connectedText);
            QCOMPARE(texts(*m_statuses), QStringList({"Connecting", "Connecting to Data Port", "Connected"}));
        } else {
            QTRY_COMPARE(m_statuses->size(), 4);
            QCOMPARE(texts(*m_statuses), QStringList({"Waiting for Connection", "Connected to 127.0.0.7",
                                                      "Connected to 127.0.0.7, Read Only",
                                                      "Connected to 127.0.0.7"}));
        }
        QCOMPARE(control.received(), QByteArray("PASS58203\r"));
        QTRY_VERIFY_WITH_TIMEOUT(control.floodDone(), 60000);
        QVERIFY2(responsiveness.longestGap() < 700, qPrintable(QString::number(responsiveness.longestGap())));
        QVERIFY2(mostHeld <= control::ReplyLimit, qPrintable(QString::number(mostHeld)));
        QCOMPARE(controlConnectionState(controlSession()), QAbstractSocket::ConnectedState);
        QCOMPARE(m_window->status(), connectedText);

        type(m_window.get(), "z");
        QTRY_COMPARE(reader->receivedBytes(Channel::Data), QByteArray("z"));
        click(stopButton(m_window.get()));
        QTRY_VERIFY(control.peerClosed());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // A flood instead of the acknowledgement is no acknowledgement: the
    // window's own failure path, with a bounded buffer and the connection closed.
    void controlFloodInsteadOfAcknowledgement_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("serverConnect") << "serverConnect";
        QTest::newRow("clientConnect") << "clientConnect";
    }
    void controlFloodInsteadOfAcknowledgement()
    {
        QFETCH(QString, window);
        const bool server = window == QLatin1String("serverConnect");
        SimulatedReader *reader = startReader(server ? '0' : '1');
        reader->setFault("PASS", Fault::flood(8 * 1024 * 1024));
        openWindow(window);
        field(m_window.get(), Field::Password)->setText(QStringLiteral("58203"));
        qint64 mostHeld = 0;
        Responsiveness responsiveness([&] { mostHeld = qMax(mostHeld, controlBytesHeld()); });
        QElapsedTimer clock;
        clock.start();
        click(startButton(m_window.get()));
        if (server) {
            QTRY_COMPARE(m_dialogs->messages, QStringList{"Unable to connect to Control Port"});
            QCOMPARE(texts(*m_statuses), QStringList{"Connecting"});
            QCOMPARE(reader->connectionCount(Channel::Data), 0);
        } else {
            QTRY_COMPARE(reader->connectionCount(Channel::Control), 1);
            QTRY_VERIFY(!controlSession());
            QCOMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7, Read Only"));
            QVERIFY(m_dialogs->messages.isEmpty());
        }
        QCOMPARE(controlConnectionState(controlSession()), QAbstractSocket::UnconnectedState);
        // The first bytes can no longer become "OK" CR: no waiting for the limit.
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(mostHeld <= control::ReplyLimit, qPrintable(QString::number(mostHeld)));
        QVERIFY2(responsiveness.longestGap() < 700, qPrintable(QString::number(responsiveness.longestGap())));
    }

    // A data flood is drawn completely and in order while the window keeps
    // answering; the bytes waiting to be drawn never exceed the bound, and
    // the socket holds back the rest (the reader is slowed, nothing is lost).
    void dataFlood()
    {
        const qint64 total = 8 * 1000 * 1000 + 5;
        ReaderConfig config = readerConfig('0');
        config.data.stream = DataBehaviour::CountedBytes;
        config.data.streamBytes = total;
        startReader(config);
        openWindow(QStringLiteral("serverConnect"));
        qint64 mostHeld = 0;
        const DataLink *dataLink = m_window->session()->dataLink();
        Responsiveness responsiveness([&] { mostHeld = qMax(mostHeld, dataLink->bytesAvailable()); });
        click(startButton(m_window.get()));
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->terminal().bytesDrawn(), total, 60000);
        QVERIFY2(responsiveness.longestGap() < 700, qPrintable(QString::number(responsiveness.longestGap())));
        QVERIFY2(m_window->terminal().peakQueuedBytes() <= ConnectionWindow::MaxQueuedDraw,
                 qPrintable(QString::number(m_window->terminal().peakQueuedBytes())));
        QVERIFY(mostHeld <= DataSession::SocketReadLimit);
        const qint64 onScreen = (total - 1) % 544 + 1;
        for (qint64 i = 0; i < onScreen; ++i) {
            const TerminalScreen::Cell cell = m_window->terminal().cell(int(i % 34) + 1, int(i / 34) + 1);
            QCOMPARE(cell.code, quint8((total - onScreen + i) & 0xFF));
            QCOMPARE(cell.ink, TerminalScreen::Received);
        }
    }

    // Datagrams of 60,000 bytes as fast as the reader can send them: the
    // bytes waiting to be drawn stay bounded (one datagram past the bound at
    // most), the window keeps answering and shows the sender.
    void udpFlood()
    {
        SimulatedReader *reader = startReader('2');
        openWindow(QStringLiteral("udpConnect"));
        Responsiveness responsiveness;
        click(startButton(m_window.get()));
        QCOMPARE(m_window->status(), QStringLiteral("Online"));
        const QByteArray datagram = pattern(0, 60000);
        for (int i = 0; i < 200; ++i) {
            QVERIFY(reader->sendData(datagram));
            if (i % 20 == 0)
                QCoreApplication::processEvents();
        }
        QTRY_VERIFY(m_window->terminal().bytesDrawn() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->terminal().hasQueued()
                                     && m_window->session()->dataLink()->bytesAvailable() == 0,
                                 30000);
        QVERIFY(m_window->terminal().peakQueuedBytes() <= ConnectionWindow::MaxQueuedDraw + 65535);
        QCOMPARE(m_window->terminal().bytesDrawn() % 60000, 0);
        QVERIFY2(responsiveness.longestGap() < 700, qPrintable(QString::number(responsiveness.longestGap())));
        QCOMPARE(m_window->status(), QStringLiteral("Receipt from 127.0.0.7"));
    }

    // The reader resets the data connection in mid-session: what came before
    // is on the screen, nothing crashes, a key typed afterwards goes nowhere,
    // Disconnect / Stop ends cleanly and no descriptor is left behind.
    void resetInMidSession_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("serverConnect") << "serverConnect";
        QTest::newRow("clientConnect") << "clientConnect";
    }
    void resetInMidSession()
    {
        QFETCH(QString, window);
        const bool server = window == QLatin1String("serverConnect");
        QTcpServer readerPort;
        QPointer<QTcpSocket> peer;
        QTcpSocket readerClient;
        openWindow(window);
        if (server) {
            QVERIFY(readerPort.listen(QHostAddress(ReaderAddress), RefusingPort));
            connect(&readerPort, &QTcpServer::newConnection, this, [&] { peer = readerPort.nextPendingConnection(); });
            field(m_window.get(), Field::DataPort)->setText(QString::number(RefusingPort));
        }
        settle();
        const int descriptors = openFileDescriptorCount();
        click(startButton(m_window.get()));
        if (server) {
            QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
            QTRY_VERIFY(peer);
        } else {
            readerClient.connectToHost(QHostAddress(QStringLiteral("127.0.0.1")), 57);
            QTRY_VERIFY(m_window->terminal().connected());
            peer = &readerClient;
        }
        const QString statusBefore = m_window->status();
        type(m_window.get(), "a");
        QTRY_COMPARE(peer->bytesAvailable(), qint64(1));
        peer->write("bye");
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("karbryre"));
        reset(peer);
        QTest::qWait(100);
        type(m_window.get(), "b");
        QTest::qWait(50);
        QCOMPARE(m_window->status(), statusBefore);
        QCOMPARE(screenText(m_window.get()), QStringLiteral("karbryrekb"));
        click(stopButton(m_window.get()));
        QCOMPARE(m_window->status(), QStringLiteral("Disconnected"));
        QVERIFY(m_dialogs->messages.isEmpty());
        if (server)
            delete peer.data();
        QTRY_COMPARE(openFileDescriptorCount(), descriptors);
    }

    // Every byte value from the reader, in each window, drawn in red in order:
    // a glyph exactly for 32..125, else two upper-case hex digits.
    void everyByteValueReceived_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("serverConnect") << "serverConnect";
        QTest::newRow("clientConnect") << "clientConnect";
        QTest::newRow("udpConnect") << "udpConnect";
    }
    void everyByteValueReceived()
    {
        QFETCH(QString, window);
        const char mode = window == QLatin1String("serverConnect") ? '0' : window == QLatin1String("clientConnect") ? '1' : '2';
        ReaderConfig config = readerConfig(mode);
        if (mode != '2')
            config.data.stream = DataBehaviour::AllByteValues;
        SimulatedReader *reader = startReader(config);
        openWindow(window);
        click(startButton(m_window.get()));
        if (mode == '2')
            QVERIFY(reader->sendData(pattern(0, 256)));
        QTRY_COMPARE(m_window->terminal().bytesDrawn(), qint64(256));
        for (int code = 0; code < 256; ++code) {
            const TerminalScreen::Cell cell = m_window->terminal().cell(code % 34 + 1, code / 34 + 1);
            QVERIFY(cell.drawn);
            QCOMPARE(int(cell.code), code);
            QCOMPARE(cell.ink, TerminalScreen::Received);
            const bool glyph = code >= 32 && code <= 125;
            QCOMPARE(cell.hex(), !glyph);
            QCOMPARE(cell.text(), glyph ? QString(QChar(code)) : QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper());
        }
    }

    // Many failed attempts leave no descriptor open.
    void failedAttemptsLeaveNoDescriptors_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("kind");
        // Each failed connect runs its wait to the limit: 100 of each kind.
        QTest::newRow("server: data and control port refused") << "serverConnect" << "refused";
        QTest::newRow("client: listen and stop") << "clientConnect" << "cycle";
        QTest::newRow("client: port in use") << "clientConnect" << "busy";
        QTest::newRow("udp: listen and stop") << "udpConnect" << "cycle";
        QTest::newRow("udp: port in use") << "udpConnect" << "busy";
    }
    void failedAttemptsLeaveNoDescriptors()
    {
        QFETCH(QString, window);
        QFETCH(QString, kind);
        QTcpServer tcpOccupant;
        QUdpSocket udpOccupant;
        if (kind == QLatin1String("busy")) {
            if (window == QLatin1String("clientConnect"))
                QVERIFY(tcpOccupant.listen(QHostAddress::AnyIPv4, 57));
            else
                QVERIFY(udpOccupant.bind(QHostAddress::AnyIPv4, 57, QAbstractSocket::DontShareAddress));
        }
        openWindow(window);
        const bool server = window == QLatin1String("serverConnect");
        if (server) {
            field(m_window.get(), Field::DataPort)->setText(QString::number(RefusingPort));
            field(m_window.get(), Field::ControlPort)->setText(QString::number(RefusingPort));
        }
        // One attempt first: what is opened once per process on first use (an
        // event descriptor on the first UDP bind) is then already open.
        click(startButton(m_window.get()));
        click(stopButton(m_window.get()));
        m_dialogs->messages.clear();
        m_statuses->clear();
        settle();
        const int descriptors = openFileDescriptorCount();
        for (int i = 0; i < 200; ++i) {
            // Server Connect: odd attempts log in first (to a refusing control port).
            if (server)
                field(m_window.get(), Field::Password)->setText(i % 2 ? QStringLiteral("58203") : QString());
            click(startButton(m_window.get()));
            if (server)
                QTRY_COMPARE(m_dialogs->messages.size() + m_statuses->count(QList<QVariant>{QStringLiteral("Unable to Connect")}), i + 1);
            if (kind == QLatin1String("cycle"))
                click(stopButton(m_window.get()));
        }
        if (server) {
            QCOMPARE(m_dialogs->messages, QStringList(100, QStringLiteral("Unable to connect to Control Port")));
            QCOMPARE(m_statuses->count(QList<QVariant>{QStringLiteral("Unable to Connect")}), 100);
        } else if (kind == QLatin1String("busy"))
            QCOMPARE(m_window->status(), QStringLiteral("Unable to Listen"));
        else
            QCOMPARE(m_window->status(), window == QLatin1String("udpConnect") ? QStringLiteral("Offline")
                                                                            : QStringLiteral("Disconnected"));
        click(stopButton(m_window.get()));
        QTRY_COMPARE(openFileDescriptorCount(), descriptors);
    }

    // Without the privilege, a listen on the readers' port 57 fails: the
    // status stays "Unable to Listen" and its tooltip says why and what to
    // do; a port of 1024 or above works; the next status clears the tooltip.
    void listenWithoutPrivilege_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("listening");
        QTest::newRow("clientConnect") << "clientConnect" << "Waiting for Connection";
        QTest::newRow("udpConnect") << "udpConnect" << "Online";
    }
    void listenWithoutPrivilege()
    {
        QFETCH(QString, window);
        QFETCH(QString, listening);
        openWindow(window);
        QLabel *statusLine = m_window->statusLabel();
        QVERIFY(statusLine);
        QVERIFY(allowLowPorts(false));
        auto restore = qScopeGuard([] { allowLowPorts(true); });
        QCOMPARE(listenPortEdit()->text(), QStringLiteral("57"));
        click(startButton(m_window.get()));
        QCOMPARE(texts(*m_statuses), QStringList{"Unable to Listen"});
        QVERIFY(!m_window->terminal().connected());
        QVERIFY(m_dialogs->messages.isEmpty());
        const QString why = statusLine->toolTip();
        QVERIFY2(why.contains(QLatin1String("Port 57 is below 1024")), qPrintable(why));
        QVERIFY2(why.contains(QLatin1String("install the zav-utility package")), qPrintable(why));
        QVERIFY2(why.contains(QLatin1String("use a port of 1024 or above")), qPrintable(why));
        QCOMPARE(why.count(QLatin1Char('.')), 1); // one sentence

        listenPortEdit()->setText(QStringLiteral("1024"));
        click(startButton(m_window.get()));
        QCOMPARE(m_window->status(), listening);
        QVERIFY(statusLine->toolTip().isEmpty());
        click(stopButton(m_window.get()));
    }

    // A port that another program holds is explained as such.
    void listenOnPortInUseExplained_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("clientConnect") << "clientConnect";
        QTest::newRow("udpConnect") << "udpConnect";
    }
    void listenOnPortInUseExplained()
    {
        QFETCH(QString, window);
        QTcpServer tcpOccupant;
        QUdpSocket udpOccupant;
        if (window == QLatin1String("udpConnect"))
            QVERIFY(udpOccupant.bind(QHostAddress::AnyIPv4, 57, QAbstractSocket::DontShareAddress));
        else
            QVERIFY(tcpOccupant.listen(QHostAddress::AnyIPv4, 57));
        openWindow(window);
        click(startButton(m_window.get()));
        QCOMPARE(texts(*m_statuses), QStringList{"Unable to Listen"});
        const QString why = m_window->statusLabel()->toolTip();
        QVERIFY2(why.contains(QLatin1String("Port 57 is in use by another program")), qPrintable(why));
    }

    // A receive port that cannot be bound says so; the session is not online.
    void udpReceivePortInUse()
    {
        QUdpSocket occupant;
        QVERIFY(occupant.bind(QHostAddress::AnyIPv4, 57, QAbstractSocket::DontShareAddress));
        openWindow(QStringLiteral("udpConnect"));
        click(startButton(m_window.get()));
        QCOMPARE(texts(*m_statuses), QStringList{"Unable to Listen"});
        QVERIFY(!m_window->terminal().connected());
        QVERIFY(m_dialogs->messages.isEmpty());
        type(m_window.get(), "x");
        QCOMPARE(screenText(m_window.get()), QString());
        occupant.close();
        click(startButton(m_window.get()));
        QCOMPARE(m_window->status(), QStringLiteral("Online"));
    }

    // Bad input pasted into every field (paste bypasses the key filters):
    // the window's message, or its silent end, and nothing is sent.
    void badInput_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString invalidAddress = QStringLiteral("Invalid IP Address");
        for (const char *address : {"127.0.0.x7", "127 .0.0.7", "1 2.0.0.7", "a.b.c.d", "1.2.3", ""}) {
            QTest::addRow("server address '%s'", address) << "serverConnect" << Field::Address << address << invalidAddress;
            QTest::addRow("udp address '%s'", address) << "udpConnect" << Field::Address << address << invalidAddress;
        }
        for (const char *port : {"5x", "abc", "0", "65536", "99999", "-1"}) {
            // Data and control port of Server Connect end silently (the failure exit).
            QTest::addRow("server data port '%s'", port) << "serverConnect" << Field::DataPort << port << "";
            QTest::addRow("server control port '%s'", port) << "serverConnect" << Field::ControlPort << port << "";
            QTest::addRow("client data port '%s'", port) << "clientConnect" << Field::DataPort << port << "Invalid Data Port";
            QTest::addRow("udp receive port '%s'", port) << "udpConnect" << Field::ReceivePort << port << "Invalid Receive Port";
            QTest::addRow("udp data port '%s'", port) << "udpConnect" << Field::DataPort << port << "Invalid Data Port";
        }
        QTest::newRow("server blank data port") << "serverConnect" << Field::DataPort << "  " << "Invalid Data Port";
        QTest::newRow("server blank control port") << "serverConnect" << Field::ControlPort << " " << "Invalid Control Port";
        QTest::newRow("client blank data port") << "clientConnect" << Field::DataPort << "   " << "Invalid Data Port";
        QTest::newRow("udp blank receive port") << "udpConnect" << Field::ReceivePort << " " << "Invalid Receive Port";
        QTest::newRow("udp blank data port") << "udpConnect" << Field::DataPort << "    " << "Invalid Data Port";
    }
    void badInput()
    {
        QFETCH(QString, window);
        QFETCH(Field, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const char mode = window == QLatin1String("serverConnect") ? '0' : window == QLatin1String("clientConnect") ? '1' : '2';
        SimulatedReader *reader = startReader(mode);
        openWindow(window);
        // A password makes Server Connect examine its control port.
        if (window == QLatin1String("serverConnect"))
            conntesting::field(m_window.get(), Field::Password)->setText(QStringLiteral("58203"));
        conntesting::field(m_window.get(), field)->setText(text);
        click(startButton(m_window.get()));
        // A port found bad after the login ends the login too.
        QTRY_VERIFY(!controlSession());
        QCOMPARE(m_dialogs->messages, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(!m_window->terminal().connected());
        // The failure exit of a port that is not a number keeps the status;
        // a bad data port after a good login leaves only the login behind.
        if (!(window == QLatin1String("serverConnect") && field == Field::DataPort && message.isEmpty()))
            QVERIFY2(m_statuses->isEmpty(), qPrintable(texts(*m_statuses).join(QLatin1Char('/'))));
        QVERIFY(nothingOpen(m_window.get()));
        type(m_window.get(), "x");
        QTest::qWait(50);
        QCOMPARE(reader->connectionCount(Channel::Data), 0);
        QCOMPARE(reader->receivedBytes(Channel::Data), QByteArray());
    }

    // A control port that is not a number makes the Client Connect login fail
    // quietly (", Read Only" stays); nothing goes to the reader's control port.
    void clientBadControlPort_data()
    {
        QTest::addColumn<QString>("port");
        for (const char *port : {"8x", "0", "65536", "99999"})
            QTest::newRow(port) << port;
    }
    void clientBadControlPort()
    {
        QFETCH(QString, port);
        SimulatedReader *reader = startReader('1');
        openWindow(QStringLiteral("clientConnect"));
        field(m_window.get(), Field::ControlPort)->setText(port);
        field(m_window.get(), Field::Password)->setText(QStringLiteral("58203"));
        click(startButton(m_window.get()));
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7, Read Only"));
        QTest::qWait(100);
        QCOMPARE(m_window->status(), QStringLiteral("Connected to 127.0.0.7, Read Only"));
        QCOMPARE(reader->connectionCount(Channel::Control), 0);
        QVERIFY(m_dialogs->messages.isEmpty());
        type(m_window.get(), "d");
        QTRY_COMPARE(reader->receivedBytes(Channel::Data), QByteArray("d"));
    }

    // Passwords with blanks go out exactly as typed; only blanks is no password.
    void passwordsWithBlanks_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("server inner blank") << "serverConnect" << "58 03" << QByteArray("PASS58 03\r");
        QTest::newRow("server blanks around") << "serverConnect" << " 582 " << QByteArray("PASS 582 \r");
        QTest::newRow("server only blanks") << "serverConnect" << "     " << QByteArray();
        QTest::newRow("client inner blank") << "clientConnect" << "5 2" << QByteArray("PASS5 2\r");
        QTest::newRow("client only blanks") << "clientConnect" << "  " << QByteArray();
    }
    void passwordsWithBlanks()
    {
        QFETCH(QString, window);
        QFETCH(QString, password);
        QFETCH(QByteArray, line);
        const bool server = window == QLatin1String("serverConnect");
        SimulatedReader *reader = startReader(server ? '0' : '1');
        openWindow(window);
        field(m_window.get(), Field::Password)->setText(password);
        click(startButton(m_window.get()));
        QTRY_VERIFY(m_window->terminal().connected() || !m_dialogs->messages.isEmpty());
        if (line.isEmpty()) {
            QVERIFY(m_window->terminal().connected());
            QCOMPARE(reader->connectionCount(Channel::Control), 0);
            QVERIFY(!m_window->status().contains(QLatin1String("Read Only")));
        } else {
            QTRY_COMPARE(reader->receivedBytes(Channel::Control), line);
        }
    }

private:
    ReaderConfig readerConfig(char mode)
    {
        ReaderConfig config;
        config.address = QHostAddress(ReaderAddress);
        config.mode = mode;
        config.serverAddress = "127.0.0.1";
        config.serverPort = 57;
        config.clientRetryMs = 50;
        config.data.echo = false;
        return config;
    }
    SimulatedReader *startReader(char mode) { return startReader(readerConfig(mode)); }
    SimulatedReader *startReader(const ReaderConfig &config)
    {
        SimulatedReader *reader = m_simulator->addReader(config);
        QString error;
        if (!m_simulator->start(&error))
            qWarning() << error;
        return reader;
    }
    void openWindow(const QString &name)
    {
        if (name == QLatin1String("serverConnect"))
            m_window = std::make_unique<ServerConnectWindow>(*m_dialogs);
        else if (name == QLatin1String("clientConnect"))
            m_window = std::make_unique<ClientConnectWindow>(*m_dialogs);
        else
            m_window = std::make_unique<UdpConnectWindow>(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        if (QLineEdit *address = field(m_window.get(), Field::Address))
            address->setText(ReaderAddress);
        m_statuses = std::make_unique<QSignalSpy>(m_window.get(), &ConnectionWindow::statusChanged);
    }
    const ControlSession *controlSession() const { return m_window->session()->login(); }
    // What the login's control connection holds unread.
    qint64 controlBytesHeld() const
    {
        const ControlSession *session = controlSession();
        const QTcpSocket *socket = session ? session->findChild<QTcpSocket *>() : nullptr;
        return socket ? socket->bytesAvailable() : 0;
    }
    // The port Client Connect listens on, or Udp Connect receives on.
    QLineEdit *listenPortEdit() const
    {
        return field(m_window.get(), qobject_cast<UdpConnectWindow *>(m_window.get()) ? Field::ReceivePort : Field::DataPort);
    }

    std::unique_ptr<ReaderSimulator> m_simulator;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<ConnectionWindow> m_window;
    std::unique_ptr<QSignalSpy> m_statuses;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestConnTestHostile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_conntesthostile.moc"
