#include "changeaddress.h"
#include "identifyreply.h"
#include "localsearchwindow.h"
#include "addresschecks.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "resources.h"
#include "scripteddialogs.h"
#include "uikit.h"
#include "widescan.h"
#include "widesearchwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

Q_DECLARE_METATYPE(Fault)
using WindowControl = std::function<QWidget *(const WideSearchWindow &)>;
Q_DECLARE_METATYPE(WindowControl)

// Broken and hostile readers, odd input and resource use, through the real
// search windows against the simulated readers.
namespace {
ReaderConfig readerConfig(const char *address, const char *mac = "0050C2000001")
{
    ReaderConfig config;
    config.address = QHostAddress(QLatin1String(address));
    config.mac = mac;
    config.identification = "Reader";
    return config;
}

// The byte values that can stand inside a field: all but ':' and CR.
QByteArray fieldBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        if (b != ':' && b != '\r')
            bytes.append(char(b));
    return bytes;
}

// 'width' bytes of the field bytes from 'at', wrapping around.
QByteArray chunk(int at, int width)
{
    static const QByteArray all = fieldBytes();
    QByteArray part;
    for (int i = 0; i < width; ++i)
        part.append(all.at((at + i) % all.size()));
    return part;
}

int roundsToCover(int width)
{
    return (fieldBytes().size() + width - 1) / width;
}

void letDeferredDeletesRun()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
} // namespace

class TestDiscoveryHostile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_simulator = new ReaderSimulator;
    }
    void cleanup()
    {
        delete std::exchange(m_lan, nullptr);
        delete std::exchange(m_wan, nullptr);
        delete m_simulator;
        delete m_dialogs;
    }

    // Every byte value in every field of a multicast reply is shown as the
    // character of that code, nothing interpreted.
    void localEveryByteShown()
    {
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.0.61"));
        startSimulator();
        openLan();
        const int rounds = roundsToCover(5);
        for (int round = 0; round < rounds; ++round) {
            const QByteArray address = chunk(round * 20, 20);
            const QByteArray mac = chunk(round * 12, 12);
            const QByteArray identification = chunk(round * 25, 25);
            const QByteArray port = chunk(round * 5, 5);
            reader->setFault(faultTarget::MulticastIdentify,
                             Fault::replace(address + ':' + mac + ':' + identification + ':' + port + '\r'));
            QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
            QTRY_COMPARE(m_lanList->count(), 1);
            const QString line = m_lanList->item(0)->text();
            QCOMPARE(line.size(), 72);
            QCOMPARE(line.mid(0, 20), QString::fromLatin1(address));
            QCOMPARE(macFromListLine(line), mac);
            QCOMPARE(line.mid(42, 25), QString::fromLatin1(identification));
            QCOMPARE(line.mid(67, 5), QString::fromLatin1(port));
        }
        reader->setFault(faultTarget::MulticastIdentify, Fault::replace("<b>x</b>:0050C2000001:<i>id</i>:87\r"));
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_lanList->count(), 1);
        QCOMPARE(m_lanList->item(0)->text().left(8), QStringLiteral("<b>x</b>"));
        QCOMPARE(m_lanList->item(0)->text().mid(42, 9), QStringLiteral("<i>id</i>"));
    }

    // Datagrams of 64 KiB (the largest there are) and a flood of replies: one
    // line each, cut to the columns; the list holds one line per datagram.
    void localHugeDatagramsAndFlood()
    {
        SimulatedReader *digits = m_simulator->addReader(readerConfig("127.0.0.62"));
        digits->setFault(faultTarget::MulticastIdentify, Fault::oversized(65507).only(1));
        SimulatedReader *oneField = m_simulator->addReader(readerConfig("127.0.0.63"));
        oneField->setFault(faultTarget::MulticastIdentify, Fault::replace(QByteArray(65507, 'A')).only(1));
        startSimulator();
        openLan();
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_lanList->count(), 2);
        QStringList listed{m_lanList->item(0)->text(), m_lanList->item(1)->text()};
        listed.sort();
        QCOMPARE(listed.at(0), QStringLiteral("0123456789          01 23 45 67 89        0123456789"
                                              "               01234"));
        QCOMPARE(listed.at(1), QString(20, 'A') + QString(52, ' '));

        constexpr int Flood = 3000;
        digits->setFault(faultTarget::MulticastIdentify, Fault::flood(Flood).only(1));
        const int sentBefore = m_simulator->identifyRepliesSent();
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE_WITH_TIMEOUT(m_simulator->identifyRepliesSent(), sentBefore + Flood + 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(m_lanList->count(), Flood + 1, 15000);
        for (int i = 0; i < m_lanList->count(); ++i)
            QCOMPARE(m_lanList->item(i)->text().size(), 72);
    }

    // A sender flooding the reply port fills the list up to its limit and no
    // further; a new search starts a new list.
    void localFloodBounded()
    {
        openLan();
        QUdpSocket flooder;
        QVERIFY(flooder.bind(QHostAddress(QStringLiteral("127.0.0.91")), 0));
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        const QByteArray reply("127.0.0.91:0050C2000091:Flood:87\r");
        constexpr int Extra = 500;
        int sent = 0;
        QElapsedTimer clock;
        clock.start();
        // Bounded in count and time; the window reads between batches.
        while (sent < LocalSearchWindow::MaxListLines + Extra && clock.elapsed() < 60000) {
            for (int i = 0; i < 500; ++i, ++sent)
                QCOMPARE(flooder.writeDatagram(reply, QHostAddress(QStringLiteral("127.0.0.1")), 53001), reply.size());
            QTRY_COMPARE_WITH_TIMEOUT(qMin(m_lanList->count(), LocalSearchWindow::MaxListLines),
                                      qMin(sent, LocalSearchWindow::MaxListLines), 10000);
        }
        QVERIFY(sent >= LocalSearchWindow::MaxListLines + Extra);
        QTest::qWait(50);
        QCOMPARE(m_lanList->count(), LocalSearchWindow::MaxListLines);
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        QCOMPARE(m_lanList->count(), 0);
        QCOMPARE(flooder.writeDatagram(reply, QHostAddress(QStringLiteral("127.0.0.1")), 53001), reply.size());
        QTRY_COMPARE(m_lanList->count(), 1);
    }

    // Every byte value in the three fields of a TCP identify reply.
    void wideEveryByteShown()
    {
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.255.254"));
        startSimulator();
        openWan(QStringLiteral("127.0.255.254"), QStringLiteral("87"));
        const int rounds = roundsToCover(12);
        for (int round = 0; round < rounds; ++round) {
            const QByteArray address = chunk(round * 20, 20);
            const QByteArray mac = chunk(round * 12, 12);
            const QByteArray identification = chunk(round * 20, 20);
            reader->setFault(faultTarget::TcpIdentify,
                             Fault::replace(address + ':' + mac + ':' + identification + '\r'));
            scanToEnd();
            QCOMPARE(m_wanList->count(), 1);
            const QString line = m_wanList->item(0)->text();
            QCOMPARE(line.size(), 62);
            QCOMPARE(line.mid(0, 20), QString::fromLatin1(address));
            QCOMPARE(macFromListLine(line), mac);
            QCOMPARE(line.mid(42, 20), QString::fromLatin1(identification));
        }
        reader->setFault(faultTarget::TcpIdentify, Fault::replace("<b>x</b>:0050C2000001:<i>id</i>\r"));
        scanToEnd();
        QCOMPARE(m_wanList->count(), 1);
        QCOMPARE(m_wanList->item(0)->text().left(8), QStringLiteral("<b>x</b>"));
        QCOMPARE(m_wanList->item(0)->text().mid(42, 9), QStringLiteral("<i>id</i>"));
    }

    // Readers that answer too much or too slowly: each address ends within
    // its reply limit; only a reply whose last byte read is a carriage return
    // is listed.
    void wideHostileReplies_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("listed");  // -1: either, depending on where a read ends
        QTest::addColumn<QString>("line");
        QTest::newRow("64 KiB without carriage return") << Fault::oversized(64 * 1024) << 0 << QString();
        QTest::newRow("64 KiB field, then CR")
            << Fault::replace(QByteArray(64 * 1024, 'A') + ":0050C2000001:" + QByteArray(64 * 1024, 'i') + '\r') << 1
            << QString(QString(20, 'A') + "00 50 C2 00 00 01     " + QString(20, 'i'));
        QTest::newRow("10 MB flood") << Fault::flood(10 * 1024 * 1024) << -1 << QString();
        QTest::newRow("one byte every 50 ms") << Fault::drip(50) << 0 << QString();
        QTest::newRow("never answers") << Fault::noAnswer() << 0 << QString();
        QTest::newRow("closes midway") << Fault::closeMidway() << 0 << QString();
        QTest::newRow("resets midway") << Fault::resetMidway() << 0 << QString();
    }
    void wideHostileReplies()
    {
        QFETCH(Fault, fault);
        QFETCH(int, listed);
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.255.254"));
        reader->setFault(faultTarget::TcpIdentify, fault);
        startSimulator();
        openWan(QStringLiteral("127.0.255.254"), QStringLiteral("87"));
        QSignalSpy finished(m_wan->searchEngine(), &WideScan::finished);
        QElapsedTimer clock;
        clock.start();
        m_wan->startScan();
        QVERIFY(finished.wait(5000));
        const qint64 elapsed = clock.elapsed();
        QVERIFY(!m_wan->isScanning());
        // Two addresses: the reader's 0.2 s to reply, the next one refused at
        // once, and margin.
        QVERIFY2(elapsed < 1500, qPrintable(QString::number(elapsed)));
        if (listed >= 0)
            QCOMPARE(m_wanList->count(), listed);
        else
            QVERIFY(m_wanList->count() <= 1);
        QFETCH(QString, line);
        if (listed == 1)
            QCOMPARE(m_wanList->item(0)->text(), line);
        QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("ZAVIDENTIFY\r"));
        QCOMPARE(m_dialogs->messages, QStringList());
    }

    // Bad starting addresses and ports: refused with the message, nothing tried.
    void wideBadInput_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("message");
        const QString badAddress = QStringLiteral("Invalid IP Address");
        const QString badPort = QStringLiteral("Invalid Port Number");
        QTest::newRow("blanks only") << "   " << "87" << badAddress;
        QTest::newRow("blank inside the first group") << "12 7.0.255.254" << "87" << badAddress;
        QTest::newRow("blank after the first group") << "1 .0.255.254" << "87" << badAddress;
        QTest::newRow("blank before the second group") << "127. 0.255.254" << "87" << badAddress;
        QTest::newRow("letters") << "a.b.c.d" << "87" << badAddress;
        QTest::newRow("empty first group") << ".0.255.254" << "87" << badAddress;
        QTest::newRow("letters pasted into the port") << "127.0.255.254" << "eighty" << badPort;
        QTest::newRow("digits and letters in the port") << "127.0.255.254" << "87a" << badPort;
        QTest::newRow("port 0") << "127.0.255.254" << "0" << badPort;
        QTest::newRow("port 65536") << "127.0.255.254" << "65536" << badPort;
        QTest::newRow("port 99999") << "127.0.255.254" << "99999" << badPort;
        QTest::newRow("negative port") << "127.0.255.254" << "-87" << badPort;
        QTest::newRow("blanks in the port") << "127.0.255.254" << "8 7" << badPort;
    }
    void wideBadInput()
    {
        QFETCH(QString, start);
        QFETCH(QString, port);
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.255.254"));
        startSimulator();
        openWan(start, port);
        QTest::keyClick(m_wan->windowHandle(), Qt::Key_F1);
        QFETCH(QString, message);
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QVERIFY(!m_wan->isScanning());
        QCOMPARE(reader->connectionCount(Channel::Control), 0);
    }

    // The scan reaches the reader at the address typed: blanks at the ends
    // do not count, a group with leading zeros is a decimal number, never
    // an octal one (010 is ten, not eight), and the third and last groups are
    // read as the numbers they start with (an empty one is 0).
    void wideStartAsTyped_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("reader");
        QTest::newRow("blank at the end") << "127.0.255.25 " << "127.0.255.25";
        QTest::newRow("leading zeros") << "127.010.1.1" << "127.10.1.1";
        QTest::newRow("third and last group read as numbers") << "127.0..25x" << "127.0.0.25";
    }
    void wideStartAsTyped()
    {
        QFETCH(QString, start);
        QFETCH(QString, reader);
        m_simulator->addReader(readerConfig(qPrintable(reader)));
        startSimulator();
        openWan(start, QStringLiteral("87"));
        // Stops after the first address.
        connect(m_wan->searchEngine(), &WideScan::trying, m_wan, &WideSearchWindow::stopScan,
                Qt::SingleShotConnection);
        scanToEnd();
        QCOMPARE(m_dialogs->messages, QStringList());
        QCOMPARE(m_wanList->count(), 1);
        QCOMPARE(addressFromListLine(m_wanList->item(0)->text()), reader);
    }

    // "Resolve Dup" answers that are no address a reader can take: refused,
    // nothing sent.
    void resolveDupBadAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("sent");  // empty: nothing may be sent
        const QString invalid = QStringLiteral("Invalid IP Address");
        QTest::newRow("blanks") << "     " << QByteArray();
        QTest::newRow("blank inside") << "127.0. 0.9" << QByteArray();
        QTest::newRow("letters") << "a.b.c.d" << QByteArray();
        QTest::newRow("letter after a group") << "127.0.0.9x" << QByteArray();
        QTest::newRow("empty group") << "127..0.9" << QByteArray();
        QTest::newRow("sixteen characters") << "127.000.000.0099" << QByteArray();
        QTest::newRow("long text") << QString(300, '9') << QByteArray();
        QTest::newRow("blanks at the ends are not sent") << " 10.0.0.9 " << QByteArray("RPG0050C200007110.0.0.9       ");
    }
    void resolveDupBadAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, sent);
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.0.71", "0050C2000099"));
        reader->setFault(faultTarget::MulticastIdentify, Fault::replace("127.0.0.71:0050C2000071:Dup:87\r"));
        startSimulator();
        openLan();
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_lanList->count(), 1);
        m_lanList->item(0)->setSelected(true);
        m_dialogs->inputAnswers.enqueue(answer);
        QTest::mouseClick(m_lan->resolveDupButton(), Qt::LeftButton);
        // A second search follows whatever the click sent, on the same path.
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        QList<QByteArray> datagrams;
        QTRY_VERIFY((datagrams = identifyDatagrams(reader)).endsWith(QByteArray("ZAVIDENTIFY"))
                    && datagrams.size() >= 3 - int(sent.isEmpty()));
        if (sent.isEmpty()) {
            QCOMPARE(m_dialogs->messages, QStringList{QStringLiteral("Invalid IP Address")});
            QCOMPARE(datagrams, (QList<QByteArray>{"ZAVIDENTIFY", "ZAVIDENTIFY"}));
        } else {
            QCOMPARE(m_dialogs->messages.size(), 1);
            QCOMPARE(datagrams, (QList<QByteArray>{"ZAVIDENTIFY", sent, "ZAVIDENTIFY"}));
        }
    }

    // A scan over many refusing and silent addresses, with readers among
    // them, leaves no descriptor open.
    void wideScanLeavesNoDescriptor()
    {
        m_simulator->addReader(readerConfig("127.0.255.160"));
        m_simulator->addReader(readerConfig("127.0.255.170"))->setFault(faultTarget::TcpIdentify, Fault::noAnswer());
        m_simulator->addReader(readerConfig("127.0.255.180"))->setFault(faultTarget::TcpIdentify, Fault::drip(30));
        startSimulator();
        openWan(QStringLiteral("127.0.255.150"), QStringLiteral("87"));
        scanToEnd();  // warms up lazily created resources
        letDeferredDeletesRun();
        const int before = openFileDescriptorCount();
        for (int scan = 0; scan < 2; ++scan) {
            scanToEnd();
            QCOMPARE(m_wanList->count(), 1);
        }
        QTRY_COMPARE((letDeferredDeletesRun(), openFileDescriptorCount()), before);
    }

    // Many searches, many change-address messages, and search windows made
    // and destroyed leave no descriptor open.
    void localSearchesLeaveNoDescriptor()
    {
        m_simulator->addReader(readerConfig("127.0.0.81", "0050C2000099"))
            ->setFault(faultTarget::MulticastIdentify, Fault::replace("127.0.0.81:0050C2000081:Dup:87\r"));
        startSimulator();
        openLan();
        QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_lanList->count(), 1);
        letDeferredDeletesRun();
        const int before = openFileDescriptorCount();
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(m_lan->windowHandle(), Qt::Key_F1);
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE(m_lanList->count(), 1);
        m_lanList->item(0)->setSelected(true);
        for (int i = 0; i < 50; ++i) {
            m_dialogs->inputAnswers.enqueue(QStringLiteral("127.0.0.9"));
            m_lan->resolveDup();
        }
        QCOMPARE(m_dialogs->messages.size(), 50);
        for (int i = 0; i < 20; ++i) {
            auto *window = new LocalSearchWindow(*m_dialogs);
            window->startSearch();
            QCoreApplication::processEvents();
            delete window;
        }
        QTRY_COMPARE((letDeferredDeletesRun(), openFileDescriptorCount()), before);
    }

    // Fields carry their visible labels as accessible names.
    void accessibleNames_data()
    {
        QTest::addColumn<WindowControl>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("starting address") << WindowControl(&WideSearchWindow::startAddressEdit)
                                          << "Starting IP Address";
        QTest::newRow("control port") << WindowControl(&WideSearchWindow::controlPortEdit) << "Control Port Number";
        QTest::newRow("slow mode") << WindowControl(&WideSearchWindow::slowModeCheck) << "Slow Mode";
    }
    void accessibleNames()
    {
        QFETCH(WindowControl, field);
        openWan(QString(), QString());
        QWidget *widget = field(*m_wan);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QTEST(accessible->text(QAccessible::Name), "name");
    }

private:
    void startSimulator()
    {
        m_simulator->setMulticastEnabled(true);
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
    }
    void openLan()
    {
        m_lan = new LocalSearchWindow(*m_dialogs);
        m_lan->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_lan));
        m_lanList = m_lan->readerList();
    }
    void openWan(const QString &start, const QString &port)
    {
        m_wan = new WideSearchWindow(*m_dialogs);
        m_wan->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wan));
        m_wanList = m_wan->readerList();
        // setText, as a paste does, bypasses the typing filters.
        m_wan->startAddressEdit()->setText(start);
        m_wan->controlPortEdit()->setText(port);
    }
    // Runs a wide-area scan in the open window to its end.
    void scanToEnd()
    {
        m_wan->startScan();
        QTRY_VERIFY(!m_wan->isScanning());
    }
    static QList<QByteArray> identifyDatagrams(SimulatedReader *reader)
    {
        QList<QByteArray> datagrams;
        for (const ReceivedChunk &chunk : reader->received(Channel::Identify))
            datagrams.append(chunk.bytes);
        return datagrams;
    }

    ScriptedDialogs *m_dialogs = nullptr;
    ReaderSimulator *m_simulator = nullptr;
    LocalSearchWindow *m_lan = nullptr;
    QListWidget *m_lanList = nullptr;
    WideSearchWindow *m_wan = nullptr;
    QListWidget *m_wanList = nullptr;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestDiscoveryHostile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_discovery_hostile.moc"
