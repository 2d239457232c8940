#include "identifyreply.h"
#include "lansearch.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "searchtesting.h"
#include "socketcontrol.h"
#include "twips.h"
#include "uikit.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include <netinet/in.h>
#include <sys/socket.h>

namespace {
ReaderConfig readerConfig(const char *address, const char *mac, const char *identification, quint16 port = 87)
{
    ReaderConfig config;
    config.address = QHostAddress(QLatin1String(address));
    config.mac = mac;
    config.identification = identification;
    config.controlPort = port;
    return config;
}

QStringList lines(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

int intOption(qintptr handle, int level, int name)
{
    int value = -1;
    socklen_t length = sizeof value;
    if (::getsockopt(int(handle), level, name, &value, &length) != 0)
        return -1;
    return value;
}

// The largest receive buffer the system grants a program (net.core.rmem_max).
int rmemMax()
{
    QFile file(QStringLiteral("/proc/sys/net/core/rmem_max"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toInt();
}

// Datagrams the readers received on the identify port, in order.
QList<QByteArray> identifyDatagrams(SimulatedReader *reader)
{
    QList<QByteArray> datagrams;
    for (const ReceivedChunk &chunk : reader->received(Channel::Identify))
        datagrams.append(chunk.bytes);
    return datagrams;
}
} // namespace

class TestLanSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_simulator = new ReaderSimulator;
        m_window = new LanSearch(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_list = m_window->findChild<QListWidget *>(QStringLiteral("List1"));
        QVERIFY(m_list);
    }
    void cleanup()
    {
        delete m_window;
        delete m_simulator;
        delete m_dialogs;
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twipsPlace");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("pointSize");
        const QString headings = "IP Address" + QString(34, ' ') + "Mac Address" + QString(34, ' ')
                                 + "Reader Identification" + QString(26, ' ') + "Ctl Port";
        QTest::newRow("heading") << "Label1(0)" << "Search for Readers on a Local Network"
                                 << QRect(1350, 120, 6855, 315) << "Arial" << 9.0;
        QTest::newRow("column headings") << "Label1(1)" << headings << QRect(480, 900, 8835, 315) << "Arial" << 9.0;
        QTest::newRow("double-click hint") << "Label1(2)" << "Dblclick on a reader to program it"
                                           << QRect(3600, 6600, 3075, 315) << "Arial" << 9.0;
        QTest::newRow("resolve hint")
            << "Label1(3)"
            << "To resolve a duplicate IP, or force an ip address change, click on the reader and then click on "
               "\"Resolve Dup\""
            << QRect(1620, 7140, 6795, 495) << "Arial" << 9.0;
        QTest::newRow("start") << "Label2" << "F1 Start Search" << QRect(1080, 6600, 1875, 255) << "MS Sans Serif"
                               << 9.75;
        QTest::newRow("resolve") << "Label3" << "Resolve Dup" << QRect(7140, 6600, 1875, 255) << "MS Sans Serif"
                                 << 9.75;
    }
    void layout() { searchtesting::verifyLabel(m_window); }

    void windowAndList()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("lansearch"));
        QCOMPARE(m_window->size(), QSize(twips(9930), twips(8160)));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(m_list->geometry(), twipsRect(480, 1260, 8955, 5100));
        QCOMPARE(m_list->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(m_list->font().pointSizeF(), 9.75);
        QVERIFY(!m_list->isSortingEnabled());
        QCOMPARE(m_window->findChild<QWidget *>(QStringLiteral("Shape2"))->geometry(), twipsRect(1020, 6540, 1995, 375));
        QCOMPARE(m_window->findChild<QWidget *>(QStringLiteral("Shape1"))->geometry(), twipsRect(7080, 6540, 1995, 375));
        QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label2"))->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
    }

    // Bound to 53001 at load, TTL 5, only its own groups, a large receive buffer.
    void socketPreparedAtLoad()
    {
        auto *winsock = m_window->findChild<SocketControl *>(QStringLiteral("Winsock1"));
        QVERIFY(winsock);
        QCOMPARE(winsock->protocol(), SocketControl::Udp);
        QCOMPARE(winsock->LocalPort, 53001);
        QCOMPARE(winsock->State(), int(SocketControl::Open));
        const qintptr handle = winsock->SocketHandle();
        QCOMPARE(intOption(handle, IPPROTO_IP, IP_MULTICAST_TTL), 5);
        QCOMPARE(intOption(handle, IPPROTO_IP, IP_MULTICAST_ALL), 0);
        // Linux reports twice the size asked for, capped by net.core.rmem_max.
        const int expected = 2 * qMin(LanSearch::ReceiveBufferBytes, rmemMax());
        QVERIFY2(intOption(handle, SOL_SOCKET, SO_RCVBUF) >= expected,
                 qPrintable(QStringLiteral("%1 < %2").arg(intOption(handle, SOL_SOCKET, SO_RCVBUF)).arg(expected)));
    }

    // F1 anywhere in the window, or the label: exactly the 11 request bytes.
    void requestSent_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("F1") << true;
        QTest::newRow("F1 Start Search") << false;
    }
    void requestSent()
    {
        QFETCH(bool, byKey);
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.0.11", "0050C2000011", "Door"));
        startSimulator();
        if (byKey)
            QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        else
            QTest::mouseClick(m_window->findChild<QLabel *>(QStringLiteral("Label2")), Qt::LeftButton);
        QTRY_COMPARE(m_list->count(), 1);
        QCOMPARE(identifyDatagrams(reader), QList<QByteArray>{QByteArray("ZAVIDENTIFY")});
        QCOMPARE(m_list->item(0)->text(),
                 QStringLiteral("127.0.0.11          00 50 C2 00 00 11     Door                     87   "));
    }

    // Lines in order of arrival, nothing sorted or merged, and never the
    // window's own request (the simulator has joined the request group).
    void linesInArrivalOrder()
    {
        SimulatedReader *late = m_simulator->addReader(readerConfig("127.0.0.21", "0050C2000021", "Late"));
        late->setFault(FaultTarget::MulticastIdentify, Fault::slow(600));
        m_simulator->addReader(readerConfig("127.0.0.22", "0050C2000022", "Early"));
        // The same reply twice: one reader answering twice.
        ReaderConfig twin = readerConfig("127.0.0.23", "0050C2000023", "Twin");
        twin.identifyAddress = "127.0.0.23";
        m_simulator->addReader(twin);
        twin.address = QHostAddress(QStringLiteral("127.0.0.24"));
        m_simulator->addReader(twin);
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 4);
        const QStringList listed = lines(m_list);
        QCOMPARE(listed.last().left(20), QStringLiteral("127.0.0.21          "));
        m_list->item(1)->setSelected(true);
        saveScreenshot(QStringLiteral("lansearch-results.png"));
        QStringList early = listed.mid(0, 3);
        early.sort();
        QCOMPARE(early, (QStringList{
            "127.0.0.22          00 50 C2 00 00 22     Early                    87   ",
            "127.0.0.23          00 50 C2 00 00 23     Twin                     87   ",
            "127.0.0.23          00 50 C2 00 00 23     Twin                     87   ",
        }));
    }

    // A second F1 empties the list; a late reply to the first request lands
    // in the new list.
    void secondSearchEmptiesList()
    {
        SimulatedReader *slow = m_simulator->addReader(readerConfig("127.0.0.31", "0050C2000031", "Slow"));
        slow->setFault(FaultTarget::MulticastIdentify, Fault::slow(1500).only(1));
        m_simulator->addReader(readerConfig("127.0.0.32", "0050C2000032", "Quick"));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        QCOMPARE(addressFromListLine(m_list->item(0)->text()), QStringLiteral("127.0.0.32"));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        // Four replies in all; the first one listed went with the old list.
        QTRY_COMPARE(m_simulator->identifyRepliesSent(), 4);
        QTRY_COMPARE(m_list->count(), 3);
        QStringList addresses;
        for (const QString &line : lines(m_list))
            addresses.append(addressFromListLine(line));
        addresses.sort();
        QCOMPARE(addresses, (QStringList{"127.0.0.31", "127.0.0.31", "127.0.0.32"}));
        QCOMPARE(identifyDatagrams(slow).size(), 2);
    }

    // Every reply format, listed and handed over by double click.
    void replyFormats_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::newRow("seven-character address")
            << QByteArray("1.2.3.4:0050C2000041:Gate:87\r")
            << QString("1.2.3.4             00 50 C2 00 00 41     Gate                     87   ") << "1.2.3.4" << "87";
        QTest::newRow("three fields")
            << QByteArray("127.0.0.41:0050C2000041:Gate\r")
            << QString("127.0.0.41          00 50 C2 00 00 41     Gate                          ") << "127.0.0.41"
            << "";
        QTest::newRow("CR right after field 2")
            << QByteArray("127.0.0.41:0050C2000041\r:Gate:87")
            << QString("127.0.0.41          00 50 C2 00 00 41                                   ") << "127.0.0.41"
            << "";
        QTest::newRow("five-digit port")
            << QByteArray("127.0.0.41:0050C2000041:Gate:53001\r")
            << QString("127.0.0.41          00 50 C2 00 00 41     Gate                     53001") << "127.0.0.41"
            << "53001";
        QTest::newRow("more than four fields")
            << QByteArray("127.0.0.41:0050C2000041:Gate:87:extra:more\r")
            << QString("127.0.0.41          00 50 C2 00 00 41     Gate                     87   ") << "127.0.0.41"
            << "87";
        QTest::newRow("markup shown as text")
            << QByteArray("<b>x</b>:0050C2000041:<i>y</i>:87\r")
            << QString("<b>x</b>            00 50 C2 00 00 41     <i>y</i>                 87   ") << "<b>x</b>"
            << "87";
    }
    void replyFormats()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, line);
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.0.41", "0050C2000041", "Gate"));
        reader->setFault(FaultTarget::MulticastIdentify, Fault::replace(reply));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        QCOMPARE(m_list->item(0)->text(), line);

        QSignalSpy chosen(m_window, &LanSearch::readerChosen);
        doubleClick(0);
        QCOMPARE(chosen.size(), 1);
        QTEST(chosen.at(0).at(0).toString(), "address");
        QTEST(chosen.at(0).at(1).toString(), "port");
    }

    // "Resolve Dup": the exact 30-byte message, the texts the user sees, and
    // nothing sent without a selection, a valid answer or after Cancel.
    void resolveDup_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QByteArray>("sent");
        const QString prompt = "Enter new IP Address for this reader";
        const QString done = "A message has been sent to change the IP Address in the Reader. If it was successful, "
                             "the reader will restart with the new IP Address";
        QTest::newRow("short address padded") << true << QStringList{"127.0.0.7"} << QStringList{prompt}
                                              << QStringList{done} << QByteArray("RPG0050C2000051127.0.0.7      ");
        QTest::newRow("fifteen characters") << true << QStringList{"192.168.100.200"} << QStringList{prompt}
                                            << QStringList{done} << QByteArray("RPG0050C2000051192.168.100.200");
        QTest::newRow("blank-only answer") << true << QStringList{"   "} << QStringList{prompt}
                                           << QStringList{"Invalid IP Address"} << QByteArray();
        QTest::newRow("bad address") << true << QStringList{"1.2.3.256"} << QStringList{prompt}
                                     << QStringList{"Invalid IP Address"} << QByteArray();
        QTest::newRow("letters") << true << QStringList{"a.b.c.d"} << QStringList{prompt}
                                 << QStringList{"Invalid IP Address"} << QByteArray();
        QTest::newRow("blank before the address not sent")
            << true << QStringList{" 10.0.0.7"} << QStringList{prompt} << QStringList{done}
            << QByteArray("RPG0050C200005110.0.0.7       ");
        QTest::newRow("cancel") << true << QStringList{""} << QStringList{prompt} << QStringList{} << QByteArray();
        QTest::newRow("no line selected") << false << QStringList{"127.0.0.7"} << QStringList{}
                                          << QStringList{LanSearch::noReaderSelectedMessage()} << QByteArray();
    }
    void resolveDup()
    {
        QFETCH(bool, select);
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, sent);
        // The reply names a MAC that no simulated reader has, so none restarts.
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.0.51", "0050C2000099", "Dup"));
        reader->setFault(FaultTarget::MulticastIdentify, Fault::replace("127.0.0.51:0050C2000051:Dup:87\r"));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        if (select)
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                              m_list->visualItemRect(m_list->item(0)).center());
        QCOMPARE(m_list->selectedItems().size(), select ? 1 : 0);
        for (const QString &answer : answers)
            m_dialogs->inputAnswers.enqueue(answer);

        QTest::mouseClick(m_window->findChild<QLabel *>(QStringLiteral("Label3")), Qt::LeftButton);

        QTEST(m_dialogs->prompts, "prompts");
        if (!m_dialogs->prompts.isEmpty())
            QCOMPARE(m_dialogs->inputTitles, QStringList{QStringLiteral("ZAV TCP/IP V2.2")});
        QTEST(m_dialogs->messages, "messages");
        if (sent.isEmpty()) {
            // A datagram would have been looped back by now; a second search
            // proves the path works and that nothing came before it.
            QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
            QTRY_COMPARE(identifyDatagrams(reader).size(), 2);
            QCOMPARE(identifyDatagrams(reader).at(1), QByteArray("ZAVIDENTIFY"));
        } else {
            QTRY_COMPARE(identifyDatagrams(reader).size(), 2);
            QCOMPARE(identifyDatagrams(reader).at(1), sent);
            QCOMPARE(sent.size(), 30);
            // The list is left as it was: a new search shows the new address.
            QCOMPARE(m_list->count(), 1);
        }
    }

    // Thousands of replies that pile up while the program is busy elsewhere
    // wait in the socket's receive buffer: none is lost.
    void burstOfRepliesKept()
    {
        constexpr int Replies = 3000;
        if (rmemMax() < LanSearch::ReceiveBufferBytes)
            QSKIP("this system caps socket receive buffers below the size the window asks for");
        QUdpSocket readers;
        QVERIFY(readers.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        readers.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        // Sent without letting events run: the window reads none of them meanwhile.
        for (int i = 0; i < Replies; ++i) {
            const QByteArray reply = "127.0." + QByteArray::number(1 + i / 250) + '.' + QByteArray::number(1 + i % 250)
                                     + ":0050C2" + QByteArray::number(100000 + i) + ":Burst reader:87\r";
            QCOMPARE(readers.writeDatagram(reply, QHostAddress(QStringLiteral("224.1.2.4")), 53001), reply.size());
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_list->count(), Replies, 10000);
        QCOMPARE(addressFromListLine(m_list->item(Replies - 1)->text()), QStringLiteral("127.0.12.250"));
    }

    // A change-address message that the system refuses to send is reported
    // as not sent, never confirmed as sent.
    void resolveDupSendRefused()
    {
        m_simulator->addReader(readerConfig("127.0.0.52", "0050C2000052", "Dup"))
            ->setFault(FaultTarget::MulticastIdentify, Fault::replace("127.0.0.52:0050C2000077:Dup:87\r"));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        m_list->item(0)->setSelected(true);
        m_dialogs->inputAnswers.enqueue(QStringLiteral("127.0.0.8"));
        // Without the multicast route of this private network the send fails.
        QCOMPARE(QProcess::execute(QStringLiteral("ip"), {"route", "del", "224.0.0.0/4"}), 0);
        QTest::mouseClick(m_window->findChild<QLabel *>(QStringLiteral("Label3")), Qt::LeftButton);
        QCOMPARE(QProcess::execute(QStringLiteral("ip"), {"route", "add", "224.0.0.0/4", "dev", "lo", "src", "127.0.0.1"}),
                 0);
        QCOMPARE(m_dialogs->messages, QStringList{LanSearch::couldNotSendMessage()});
    }

private:
    // With ZAV_SCREENSHOT_DIR set, keeps a picture of the window for review.
    void saveScreenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("ZAV_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            m_window->grab().save(dir + QLatin1Char('/') + name);
    }
    void startSimulator()
    {
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
    }
    void doubleClick(int row)
    {
        const QPoint at = m_list->visualItemRect(m_list->item(row)).center();
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, at);
    }

    ScriptedDialogs *m_dialogs = nullptr;
    ReaderSimulator *m_simulator = nullptr;
    LanSearch *m_window = nullptr;
    QListWidget *m_list = nullptr;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestLanSearch test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lansearch.moc"
