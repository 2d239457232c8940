#include "capturefile.h"
#include "clientconnectwindow.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "savedsends.h"
#include "savedsendswindow.h"
#include "scripteddialogs.h"
#include "serverconnectwindow.h"
#include "trafficlog.h"
#include "uikit.h"
#include "windowtesting.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

using namespace conntesting;

namespace {
const QString ReaderAddress = QStringLiteral("127.0.0.7");

// A port on the reader's address that answers no connection attempt, like a
// reader that has gone off the network: its listener's queue is kept full,
// so the system drops every further request to connect.
class SilentPort
{
public:
    SilentPort()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(QHostAddress(ReaderAddress).toIPv4Address());
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 || ::listen(m_listener, 0) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            qFatal("no silent port");
        m_port = ntohs(address.sin_port);
        m_filler.connectToHost(QHostAddress(ReaderAddress), m_port);
        if (!m_filler.waitForConnected(1000))
            qFatal("no silent port");
    }
    ~SilentPort() { ::close(m_listener); }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    quint16 m_port = 0;
    QTcpSocket m_filler;
};
} // namespace

// Server Connect against a simulated reader that works as a TCP server.
class TestServerConnectWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZAV_REQUIRE_PRIVATE_NETWORK();
        // The saved sends are kept in a folder of the test's own.
        QVERIFY(m_settingsFolder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsFolder.path());
    }

    void init()
    {
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
        m_window->addressEdit()->setText(ReaderAddress);
        m_statuses = std::make_unique<QSignalSpy>(m_window.get(), &ConnectionWindow::statusChanged);
    }
    void cleanup()
    {
        m_statuses.reset();
        m_window.reset();
        m_dialogs.reset();
        m_simulator.reset();
    }

    // Without a password: straight to the data port; every kind of key goes
    // out as one byte, drawn black; the reader's bytes are drawn red.
    void connectWithoutPassword()
    {
        startReader();
        m_window->controlPortEdit()->clear(); // not examined without a password
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting to Data Port", "Connected"}));
        QVERIFY(m_window->terminal().connected());
        QCOMPARE(m_reader->connectionCount(Channel::Control), 0);
        QTRY_COMPARE(m_reader->dataConnections(), 1);

        m_window->addressEdit()->setFocus();
        type(m_window.get(), "a~");
        key(m_window.get(), Qt::Key_Return);
        key(m_window.get(), Qt::Key_Backspace);
        key(m_window.get(), Qt::Key_F10);
        altCode(m_window.get(), "065");
        altCode(m_window.get(), "256");
        altCode(m_window.get(), "");
        const QByteArray sent("a~\r\b\0A\0", 7);
        QTRY_COMPARE(m_reader->receivedBytes(Channel::Data), sent);
        QCOMPARE(m_window->addressEdit()->text(), ReaderAddress);

        QVERIFY(m_reader->sendData(QByteArray("OK\r\n\x05\xe9", 6)));
        const QString screen = QStringLiteral("kak<7E>k<0D>k<08>k<00>kAk<00>rOrKr<0D>r<0A>r<05>r<E9>");
        QTRY_COMPARE(screenText(m_window.get()), screen);
        screenshot(m_window.get(), QStringLiteral("conntest-serverconnect-connected"));

        click(m_window->disconnectButton());
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
        m_window->passwordEdit()->setText(password);
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting", "Connecting to Data Port", "Connected"}));
        QCOMPARE(m_reader->receivedBytes(Channel::Control), line);
        QVERIFY(m_reader->loginSeen());
        QCOMPARE(controlConnectionState(m_window->session()->login()), QAbstractSocket::ConnectedState);
        QVERIFY(m_dialogs->messages.isEmpty());

        type(m_window.get(), "hi");
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("khkirhri"));
        QCOMPARE(m_reader->receivedBytes(Channel::Data), QByteArray("hi"));
        click(m_window->disconnectButton());
        QCOMPARE(controlConnectionState(m_window->session()->login()), QAbstractSocket::UnconnectedState);
        QCOMPARE(m_window->session()->dataLink()->state(), DataLink::Closed);
    }

    // A login that is refused, or answered with what can no longer become
    // "OK" CR, fails at once; an unanswered one at the 3 s limit.
    void loginFails_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<bool>("readerRunning");
        QTest::addColumn<bool>("atTheLimit");
        QTest::newRow("wrong password") << QByteArray() << true << true;
        QTest::newRow("OK CR LF") << QByteArray("okcrlf") << true << false;
        QTest::newRow("no control port") << QByteArray() << false << false;
    }
    void loginFails()
    {
        QFETCH(QByteArray, fault);
        QFETCH(bool, readerRunning);
        QFETCH(bool, atTheLimit);
        if (readerRunning)
            startReader();
        if (!fault.isEmpty()) {
            Fault parsed;
            QVERIFY(Fault::parse(fault, &parsed, nullptr));
            m_reader->setFault("PASS", parsed);
            m_window->passwordEdit()->setText(QStringLiteral("58203"));
        } else {
            m_window->passwordEdit()->setText(QStringLiteral("wrong"));
        }
        QElapsedTimer clock;
        clock.start();
        click(m_window->connectButton());
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->messages, QStringList{"Unable to connect to Control Port"}, 5000);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(atTheLimit ? elapsed >= 3000 && elapsed < 4000 : elapsed < 1000, qPrintable(QString::number(elapsed)));
        QCOMPARE(texts(*m_statuses), QStringList{"Connecting"});
        QVERIFY(!m_window->terminal().connected());
        QCOMPARE(controlConnectionState(m_window->session()->login()), QAbstractSocket::UnconnectedState);
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
        m_window->addressEdit()->setText(address);
        m_window->dataPortEdit()->setText(dataPort);
        m_window->controlPortEdit()->setText(controlPort);
        m_window->passwordEdit()->setText(password);
        click(m_window->connectButton());
        QCOMPARE(m_dialogs->messages, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(m_statuses->isEmpty());
        QCOMPARE(m_window->status(), QStringLiteral("Disconnected"));
        QVERIFY(!m_window->terminal().connected());
        QTest::qWait(50);
        QCOMPARE(m_reader->connectionCount(Channel::Control), 0);
        QCOMPARE(m_reader->connectionCount(Channel::Data), 0);
    }

    // No reader on the data port: a refused attempt ends at once, an
    // unanswered one is abandoned at the 3 s limit; the login goes with it.
    void dataPortDoesNotAnswer_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("refused") << false;
        QTest::newRow("unanswered") << true;
    }
    void dataPortDoesNotAnswer()
    {
        QFETCH(bool, silent);
        startReader('0');
        SilentPort silentPort;
        m_window->dataPortEdit()->setText(silent ? QString::number(silentPort.port()) : QStringLiteral("58"));
        m_window->passwordEdit()->setText(QStringLiteral("58203"));
        QElapsedTimer clock;
        clock.start();
        click(m_window->connectButton());
        QTRY_COMPARE_WITH_TIMEOUT(m_window->status(), QStringLiteral("Unable to Connect"), 5000);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(silent ? elapsed >= 3000 && elapsed < 4000 : elapsed < 1000, qPrintable(QString::number(elapsed)));
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting", "Connecting to Data Port", "Unable to Connect"}));
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(!m_window->terminal().connected());
        QCOMPARE(m_window->session()->dataLink()->state(), DataLink::Closed);
        QCOMPARE(controlConnectionState(m_window->session()->login()), QAbstractSocket::UnconnectedState);
        type(m_window.get(), "x");
        QCOMPARE(screenText(m_window.get()), QString());
    }

    // The reader closes the data connection: the window still reads
    // "Connected"; typed bytes are drawn, refused by the socket, nothing breaks.
    void readerClosesTheConnection()
    {
        startReader();
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        QTRY_COMPARE(m_reader->dataConnections(), 1);
        m_reader->stop();
        QTRY_VERIFY(m_window->session()->dataLink()->state() != DataLink::Connected);
        type(m_window.get(), "xy");
        key(m_window.get(), Qt::Key_F10);
        QCOMPARE(screenText(m_window.get()), QStringLiteral("kxkyk<00>"));
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(m_reader->receivedBytes(Channel::Data), QByteArray());
        // Connect again starts afresh once the reader is back.
        QVERIFY(m_reader->start());
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        type(m_window.get(), "z");
        QTRY_COMPARE(m_reader->receivedBytes(Channel::Data), QByteArray("z"));
    }

    // Connect on a connected window ends that session first; an attempt that
    // then stops early does not leave "Connected" showing.
    void connectWhileConnected()
    {
        startReader();
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        QTRY_COMPARE(m_reader->dataConnections(), 1);
        m_window->dataPortEdit()->setText(QStringLiteral("99999"));
        m_statuses->clear();
        click(m_window->connectButton());
        QCOMPARE(texts(*m_statuses), QStringList{"Disconnected"});
        QVERIFY(!m_window->terminal().connected());
        QTRY_COMPARE(m_reader->dataConnections(), 0);
        m_window->dataPortEdit()->setText(QStringLiteral("57"));
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        QTRY_COMPARE(m_reader->dataConnections(), 1);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // Disconnect while the login waits: the Connect gives up quietly.
    void disconnectDuringLogin()
    {
        startReader();
        m_reader->setFault("PASS", Fault::slow(2000));
        m_window->passwordEdit()->setText(QStringLiteral("58203"));
        QTimer::singleShot(100, m_window.get(), [this] { click(m_window->disconnectButton()); });
        click(m_window->connectButton());
        // A second Connect while the first one runs is ignored.
        click(m_window->connectButton());
        QTRY_COMPARE(texts(*m_statuses), QStringList({"Connecting", "Disconnected"}));
        QCOMPARE(controlConnectionState(m_window->session()->login()), QAbstractSocket::UnconnectedState);
        QTest::qWait(100);
        QCOMPARE(texts(*m_statuses), QStringList({"Connecting", "Disconnected"}));
        QCOMPARE(m_reader->connectionCount(Channel::Control), 1);
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
        click(m_window->connectButton());
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

    // Each step follows the reader's answer at once: a login and the data
    // connection take a few milliseconds, not a wait's cadence.
    void connectAtRealTiming()
    {
        startReader();
        m_window->passwordEdit()->setText(QStringLiteral("58203"));
        QElapsedTimer clock;
        clock.start();
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
    }

    // The window goes away (the program closes) mid-login: the login is
    // abandoned, its connection closed, and nothing else is opened or shown.
    void closedDuringLogin()
    {
        startReader();
        QTcpServer controlPort;
        QVERIFY(controlPort.listen(QHostAddress(ReaderAddress)));
        QPointer<QTcpSocket> peer;
        QByteArray received;
        connect(&controlPort, &QTcpServer::newConnection, this, [&] {
            peer = controlPort.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, this, [&] { received += peer->readAll(); });
        });
        m_window->controlPortEdit()->setText(QString::number(controlPort.serverPort()));
        m_window->passwordEdit()->setText(QStringLiteral("58203"));
        click(m_window->connectButton());
        QTRY_COMPARE(received, QByteArray("PASS58203\r"));
        m_statuses.reset();
        m_window.reset();
        QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
        QTest::qWait(100);
        QCOMPARE(m_reader->connectionCount(Channel::Data), 0);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void disconnectWhenNothingIsOpen()
    {
        click(m_window->disconnectButton());
        QCOMPARE(texts(*m_statuses), QStringList{"Disconnected"});
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // The terminal's menu: a file of a few MiB arrives whole, a repeat keeps
    // its interval, a capture that cannot be written stops with a message and
    // the connection stays up, and the session log holds what went both ways.
    void debuggingAids()
    {
        startReader();
        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        std::unique_ptr<QMenu> menu(m_window->createTerminalMenu());
        QStringList entries;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                entries << action->text();
        QCOMPARE(entries, QStringList({"Session Log...", "Capture to File...", "Send File...", "Send Repeatedly...",
                                       "Stop Sending", "Saved Sends"}));

        QTemporaryDir folder;
        QByteArray file(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        for (qsizetype i = 0; i < file.size(); ++i)
            file[i] = char((i * 7919 + i / 4096) & 0xff);
        const QString path = folder.filePath(QStringLiteral("image.bin"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        m_dialogs->fileAnswers.enqueue(path);
        m_window->sendFile();
        QTRY_COMPARE_WITH_TIMEOUT(m_reader->receivedBytes(Channel::Data).size(), file.size(), 30000);
        QCOMPARE(QCryptographicHash::hash(m_reader->receivedBytes(Channel::Data), QCryptographicHash::Sha256),
                 QCryptographicHash::hash(file, QCryptographicHash::Sha256));
        QTRY_VERIFY(!m_window->isSending());

        m_dialogs->saveAnswers.enqueue(QStringLiteral("/dev/full"));
        m_window->toggleCapture();
        QVERIFY(m_window->isCapturing());
        QVERIFY(m_reader->sendData(QByteArray(200000, 'r')));
        QTRY_COMPARE_WITH_TIMEOUT(m_dialogs->messages.size(), 1, 5000);
        QVERIFY2(m_dialogs->messages.first().startsWith(QStringLiteral("Capture to /dev/full stopped: ")),
                 qPrintable(m_dialogs->messages.first()));
        QVERIFY(!m_window->isCapturing());
        QCOMPARE(m_window->status(), QStringLiteral("Connected"));

        m_window->session()->log().clear();
        m_dialogs->inputAnswers << QStringLiteral("ping\\r") << QStringLiteral("20") << QStringLiteral("5");
        m_window->sendRepeatedly();
        QTRY_VERIFY(!m_window->isSending());
        m_window->session()->log().flush();
        QList<qint64> sendTimes;
        for (int row = 0; row < m_window->session()->log().rowCount(); ++row) {
            const TrafficChunk &chunk = m_window->session()->log().chunk(row);
            if (chunk.direction == TrafficChunk::Sent) {
                QCOMPARE(chunk.bytes, QByteArray("ping\r"));
                QCOMPARE(chunk.peer, ReaderAddress + QStringLiteral(":57"));
                sendTimes << chunk.msecsSinceEpoch();
            }
        }
        QCOMPARE(sendTimes.size(), 5);
        for (int i = 1; i < sendTimes.size(); ++i)
            QVERIFY(sendTimes.at(i) - sendTimes.at(i - 1) >= 20);

        m_dialogs->inputAnswers << QStringLiteral("bad \\q escape");
        m_window->sendRepeatedly();
        QCOMPARE(m_dialogs->messages.last(), QStringLiteral("Unknown escape \\q (use \\r \\n \\t \\\\ or \\xHH) at position 5"));
        QVERIFY(!m_window->isSending());

        m_window->showSessionLog();
        SessionLogWindow *log = m_window->sessionLogWindow();
        QVERIFY(log->isVisible());
        const int rows = m_window->session()->log().rowCount();
        QCOMPARE(log->table()->model()->rowCount(), rows);
        // At its default size the text of 16 bytes shows beside their hex.
        const QHeaderView *columns = log->table()->horizontalHeader();
        QVERIFY(columns->sectionSize(TrafficLog::TextColumn) > log->table()->fontMetrics().horizontalAdvance(QString(16, 'W')));
        QVERIFY(columns->sectionViewportPosition(TrafficLog::TextColumn) + columns->sectionSize(TrafficLog::TextColumn)
                <= log->table()->viewport()->width());
        // "Save As..." writes what the log holds, as CSV or as a capture.
        m_dialogs->saveAnswers << folder.filePath(QStringLiteral("log.csv")) << folder.filePath(QStringLiteral("log.pcapng"));
        log->saveAs();
        log->saveAs();
        QFile csv(folder.filePath(QStringLiteral("log.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), rows + 1);
        QCOMPARE(CaptureFile::formatFor(folder.filePath(QStringLiteral("log.pcapng"))), CaptureFile::Pcapng);
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("log.pcapng"))).size() > 5 * 40);
        QCOMPARE(m_dialogs->saveRequests.constLast().filters, CaptureFile::FileTypes);
    }

    // The saved sends editor checks data as it is typed and refuses what
    // does not parse; entries are added and reordered, kept for the next
    // start and shared with the other windows' menus; Ctrl+3 sends entry 3
    // like a typed key: on the wire, drawn, logged.
    void savedSends()
    {
        startReader();
        m_window->editSavedSends();
        SavedSendsWindow *editor = SavedSendsWindow::open(m_window.get());
        QVERIFY(editor->isVisible());
        auto add = [&](const char *name, const char *data) {
            editor->nameEdit()->setText(QString::fromLatin1(name));
            editor->dataEdit()->clear();
            QTest::keyClicks(editor->dataEdit(), QString::fromLatin1(data));
            click(editor->addButton());
        };
        editor->nameEdit()->setText(QStringLiteral("Bad"));
        QTest::keyClicks(editor->dataEdit(), QStringLiteral("hex: 41 4"));
        QCOMPARE(editor->checkLabel()->text(), QStringLiteral("A hex pair needs two digits at position 9"));
        QVERIFY(!editor->addButton()->isEnabled());
        QTest::keyClick(editor->dataEdit(), Qt::Key_2);
        QCOMPARE(editor->checkLabel()->text(), QStringLiteral("Sends 2 bytes: 41 42"));
        QVERIFY(editor->addButton()->isEnabled());
        add("Ping", "ping\\r");
        add("Null", "hex: 00");
        add("Status", "S\\x3F\\r");
        add("Last", "z");
        // Reorder: "Status" moves up to place 2, then "Null" down to place 3.
        editor->table()->selectRow(2);
        click(editor->upButton());
        editor->table()->selectRow(2);
        click(editor->downButton());
        QStringList names;
        for (const SavedSends::Entry &entry : SavedSends::load())
            names << entry.name;
        QCOMPARE(names, QStringList({"Ping", "Status", "Last", "Null"}));
        // An edit in place that does not parse is refused; the entry stays.
        SavedSends &list = editor->model();
        QVERIFY(!list.setData(list.index(1, SavedSends::DataColumn), QStringLiteral("bad \\q")));
        QVERIFY(!list.setData(list.index(1, SavedSends::NameColumn), QStringLiteral("  ")));
        QVERIFY(list.setData(list.index(2, SavedSends::DataColumn), QStringLiteral("hex: 53 3F 0D")));

        // Kept for the next start, and in every window's menu.
        SavedSends restarted;
        QCOMPARE(restarted.entries().size(), 4);
        QCOMPARE(restarted.entries().at(1).data, QStringLiteral("S\\x3F\\r"));
        QCOMPARE(restarted.entries().at(2).data, QStringLiteral("hex: 53 3F 0D"));
        ClientConnectWindow client(*m_dialogs);
        std::unique_ptr<QMenu> menu(client.createTerminalMenu());
        QMenu *saved = menu->findChild<QMenu *>(QStringLiteral("savedSendsMenu"));
        QVERIFY(saved);
        QCOMPARE(saved->actions().at(1)->text(), QStringLiteral("&2 Status: S\\x3F\\r\tCtrl+2"));
        QCOMPARE(saved->actions().constLast()->text(), QStringLiteral("Edit Saved Sends..."));

        click(m_window->connectButton());
        QTRY_COMPARE(m_window->status(), QStringLiteral("Connected"));
        key(m_window.get(), Qt::Key_3, Qt::ControlModifier);
        QTRY_COMPARE(m_reader->receivedBytes(Channel::Data), QByteArray("S?\r"));
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("kSk?k<0D>"));
        m_window->session()->log().flush();
        QCOMPARE(m_window->session()->log().rowCount(), 1);
        key(m_window.get(), Qt::Key_9, Qt::ControlModifier);
        QCOMPARE(m_dialogs->messages, QStringList{"There is no saved send 9: add it with \"Edit Saved Sends...\""});
    }

private:
    void startReader(char dpass = '0', bool echo = false)
    {
        ReaderConfig config = m_reader->config();
        config.dpass = dpass;
        config.data.echo = echo;
        m_reader->setConfig(config);
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
    }

    QTemporaryDir m_settingsFolder;
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
