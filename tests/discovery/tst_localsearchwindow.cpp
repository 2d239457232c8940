#include "identifyreply.h"
#include "localsearchwindow.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "localsearchengine.h"
#include "nestednetwork.h"
#include "readerlistmenu.h"
#include "searchcomparison.h"
#include "searchtesting.h"
#include "sitechangeswindow.h"
#include "twips.h"
#include "uikit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QNetworkInterface>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
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

// Cells of a CSV text as a spreadsheet reads them: ',' between cells, CRLF
// between rows, quoted cells with doubled quotes inside.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row.append(cell);
            cell.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            row.append(cell);
            rows.append(row);
            row.clear();
            cell.clear();
            ++i;
        } else {
            cell += c;
        }
    }
    return rows;
}
using WindowLabel = std::function<QLabel *(const LocalSearchWindow &)>;
} // namespace

Q_DECLARE_METATYPE(WindowLabel)

class TestLocalSearchWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZAV_REQUIRE_PRIVATE_NETWORK();
        // Nearly every test waits for lines: when a search lists nothing at
        // all, that is said here in seconds, and the tests are not run to
        // wait out their limits one after the other.
        ScriptedDialogs dialogs;
        ReaderSimulator simulator;
        simulator.addReader(readerConfig("127.0.0.2", "0050C2000002", "Check"));
        QString error;
        QVERIFY2(simulator.start(&error), qPrintable(error));
        LocalSearchWindow window(dialogs);
        QSignalSpy listed(window.readerList()->model(), &QAbstractItemModel::rowsInserted);
        window.startSearch();
        QVERIFY2(listed.wait(10000), "a search lists no reader");
    }

    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_simulator = new ReaderSimulator;
        m_window = new LocalSearchWindow(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_list = m_window->readerList();
    }
    void cleanup()
    {
        delete m_window;
        delete m_simulator;
        delete m_dialogs;
    }

    void layout_data()
    {
        QTest::addColumn<WindowLabel>("label");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twipsPlace");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("pointSize");
        const QString headings = "IP Address" + QString(34, ' ') + "Mac Address" + QString(34, ' ')
                                 + "Reader Identification" + QString(26, ' ') + "Ctl Port";
        QTest::newRow("heading") << WindowLabel(&LocalSearchWindow::headingLabel) << "headingLabel"
                                 << "Search for Readers on a Local Network" << QRect(1350, 120, 6855, 315) << "Arial"
                                 << 9.0;
        QTest::newRow("column headings") << WindowLabel(&LocalSearchWindow::columnHeadingsLabel)
                                         << "columnHeadingsLabel" << headings << QRect(480, 900, 8835, 315)
                                         << "Arial" << 9.0;
        QTest::newRow("double-click hint") << WindowLabel(&LocalSearchWindow::doubleClickHintLabel)
                                           << "doubleClickHintLabel" << "Dblclick on a reader to program it"
                                           << QRect(3600, 6600, 3075, 315) << "Arial" << 9.0;
        QTest::newRow("resolve hint")
            << WindowLabel(&LocalSearchWindow::resolveHintLabel) << "resolveHintLabel"
            << "To resolve a duplicate IP, or force an ip address change, click on the reader and then click on "
               "\"Resolve Dup\""
            << QRect(1620, 7140, 6795, 495) << "Arial" << 9.0;
        QTest::newRow("start") << WindowLabel(&LocalSearchWindow::startSearchButton) << "startSearchButton"
                               << "F1 Start Search" << QRect(1080, 6600, 1875, 255) << "MS Sans Serif" << 9.75;
        QTest::newRow("resolve") << WindowLabel(&LocalSearchWindow::resolveDupButton) << "resolveDupButton"
                                 << "Resolve Dup" << QRect(7140, 6600, 1875, 255) << "MS Sans Serif" << 9.75;
    }
    void layout()
    {
        QFETCH(WindowLabel, label);
        searchtesting::verifyLabel(label(*m_window));
    }

    void windowAndList()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("localSearch"));
        QCOMPARE(m_window->size(), QSize(twips(9930), twips(8160)));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(m_list->geometry(), twipsRect(480, 1260, 8955, 5100));
        QCOMPARE(m_list->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(m_list->font().pointSizeF(), 9.75);
        QVERIFY(!m_list->isSortingEnabled());
        QCOMPARE(m_list->objectName(), QStringLiteral("readerList"));
        QCOMPARE(searchtesting::shapeUnder(m_window->startSearchButton())->geometry(),
                 twipsRect(1020, 6540, 1995, 375));
        QCOMPARE(searchtesting::shapeUnder(m_window->resolveDupButton())->geometry(),
                 twipsRect(7080, 6540, 1995, 375));
        QCOMPARE(m_window->startSearchButton()->palette().color(QPalette::WindowText), QColor(Qt::white));
    }

    // Bound to the identify port when the window is made, TTL 5, only its own
    // groups, a large receive buffer.
    void socketPreparedAtLoad()
    {
        const LocalSearchEngine *engine = m_window->searchEngine();
        QCOMPARE(engine->localPort(), quint16(53001));
        QCOMPARE(engine->openInterfaces().size(), 1);
        const qintptr handle = engine->socketHandle();
        QVERIFY(handle >= 0);
        QCOMPARE(intOption(handle, SOL_SOCKET, SO_TYPE), int(SOCK_DGRAM));
        QCOMPARE(intOption(handle, IPPROTO_IP, IP_MULTICAST_TTL), 5);
        QCOMPARE(intOption(handle, IPPROTO_IP, IP_MULTICAST_ALL), 0);
        // Linux reports twice the size asked for, capped by net.core.rmem_max.
        const int expected = 2 * qMin(LocalSearchWindow::ReceiveBufferBytes, rmemMax());
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
            QTest::mouseClick(m_window->startSearchButton(), Qt::LeftButton);
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
        late->setFault(faultTarget::MulticastIdentify, Fault::slow(600));
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
        saveScreenshot(QStringLiteral("localsearch-results.png"));
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
        slow->setFault(faultTarget::MulticastIdentify, Fault::slow(1500).only(1));
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
        reader->setFault(faultTarget::MulticastIdentify, Fault::replace(reply));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        QCOMPARE(m_list->item(0)->text(), line);

        QSignalSpy chosen(m_window, &LocalSearchWindow::readerChosen);
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
                                          << QStringList{LocalSearchWindow::noReaderSelectedMessage()} << QByteArray();
    }
    void resolveDup()
    {
        QFETCH(bool, select);
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, sent);
        // The reply names a MAC that no simulated reader has, so none restarts.
        SimulatedReader *reader = m_simulator->addReader(readerConfig("127.0.0.51", "0050C2000099", "Dup"));
        reader->setFault(faultTarget::MulticastIdentify, Fault::replace("127.0.0.51:0050C2000051:Dup:87\r"));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        if (select)
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                              m_list->visualItemRect(m_list->item(0)).center());
        QCOMPARE(m_list->selectedItems().size(), select ? 1 : 0);
        for (const QString &answer : answers)
            m_dialogs->inputAnswers.enqueue(answer);

        QTest::mouseClick(m_window->resolveDupButton(), Qt::LeftButton);

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
        if (rmemMax() < LocalSearchWindow::ReceiveBufferBytes)
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
            ->setFault(faultTarget::MulticastIdentify, Fault::replace("127.0.0.52:0050C2000077:Dup:87\r"));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        m_list->item(0)->setSelected(true);
        m_dialogs->inputAnswers.enqueue(QStringLiteral("127.0.0.8"));
        // The message leaves through the chosen interface whatever the
        // routing table says; with that interface down the send fails.
        QCOMPARE(QProcess::execute(QStringLiteral("ip"), {"link", "set", "lo", "down"}), 0);
        QTest::mouseClick(m_window->resolveDupButton(), Qt::LeftButton);
        QCOMPARE(QProcess::execute(QStringLiteral("ip"), {"link", "set", "lo", "up"}), 0);
        // The route went with the interface.
        QCOMPARE(QProcess::execute(QStringLiteral("ip"), {"route", "replace", "224.0.0.0/4", "dev", "lo", "src",
                                                           "127.0.0.1"}),
                 0);
        QCOMPARE(m_dialogs->messages, QStringList{LocalSearchWindow::couldNotSendMessage()});
    }

    // One F1 reaches the readers of every network this machine is on, each
    // listed once, with the interface it answered on.
    void everyNetwork_data()
    {
        QTest::addColumn<int>("nestedNetworks");
        QTest::newRow("two networks") << 1;
        QTest::newRow("three networks") << 2;
    }
    void everyNetwork()
    {
        QFETCH(int, nestedNetworks);
        m_simulator->addReader(readerConfig("127.0.0.71", "0050C2000071", "Loopback"));
        startSimulator();
        std::vector<std::unique_ptr<NestedNetwork>> networks;
        QStringList expected{"127.0.0.71          00 50 C2 00 00 71     Loopback                 87   \tlo"};
        for (int n = 1; n <= nestedNetworks; ++n) {
            networks.push_back(std::make_unique<NestedNetwork>(n));
            NestedNetwork &network = *networks.back();
            const QString mac = QStringLiteral("0050C2A0000%1").arg(n);
            QString error;
            QVERIFY2(network.start({ZAV_SIM_PROGRAM, "--address", network.farAddress(), "--mac", mac,
                                    "--identification", QStringLiteral("Network %1").arg(n)},
                                   &error),
                     qPrintable(error));
            QVERIFY2(network.waitForOutput("ready:", 20000), network.output().constData());
            // Until the system has the link running, what is sent on it is
            // dropped: the one request would be lost.
            QTRY_VERIFY_WITH_TIMEOUT(QNetworkInterface::interfaceFromName(network.nearInterface())
                                         .flags()
                                         .testFlag(QNetworkInterface::IsRunning),
                                     10000);
            expected.append(QStringLiteral("%1 00 50 C2 A0 00 0%2     Network %2                87   \t%3")
                                .arg(network.farAddress().leftJustified(19), QString::number(n),
                                     network.nearInterface()));
        }
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE_WITH_TIMEOUT(m_list->count(), nestedNetworks + 1, 10000);
        // A reply heard twice would come within this time.
        QTest::qWait(300);
        QCOMPARE(m_list->count(), nestedNetworks + 1);
        QStringList listed;
        for (int row = 0; row < m_list->count(); ++row)
            listed.append(m_list->item(row)->text() + QLatin1Char('\t')
                          + m_list->item(row)->data(ReaderListMenu::CsvFieldsRole).toStringList().value(4));
        listed.sort();
        expected.sort();
        QCOMPARE(listed, expected);
    }

    // An address answering with two MAC addresses is drawn red on each of its
    // lines; the text stays as it is. One reader answering twice is no
    // duplicate.
    void duplicatesRed_data()
    {
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<QStringList>("redAddresses");
        QTest::newRow("one address, two MACs")
            << QList<QByteArray>{"127.0.0.81:0050C2000081:A:87\r", "127.0.0.81:0050C2000082:B:87\r",
                                 "127.0.0.83:0050C2000083:C:87\r"}
            << QStringList{"127.0.0.81"};
        QTest::newRow("one reader answering twice")
            << QList<QByteArray>{"127.0.0.81:0050C2000081:A:87\r", "127.0.0.81:0050C2000081:A:87\r"}
            << QStringList{};
        QTest::newRow("twice and a second MAC")
            << QList<QByteArray>{"127.0.0.81:0050C2000081:A:87\r", "127.0.0.81:0050C2000081:A:87\r",
                                 "127.0.0.81:0050C2000091:B:87\r"}
            << QStringList{"127.0.0.81"};
        QTest::newRow("two duplicated addresses")
            << QList<QByteArray>{"127.0.0.81:0050C2000081:A:87\r", "127.0.0.84:0050C2000084:D:87\r",
                                 "127.0.0.81:0050C2000082:B:87\r", "127.0.0.84:0050C2000085:E:87\r",
                                 "127.0.0.86:0050C2000086:F:87\r"}
            << QStringList{"127.0.0.81", "127.0.0.84"};
    }
    void duplicatesRed()
    {
        QFETCH(QList<QByteArray>, replies);
        QFETCH(QStringList, redAddresses);
        for (int i = 0; i < replies.size(); ++i)
            m_simulator->addReader(readerConfig(qPrintable(QStringLiteral("127.0.1.%1").arg(i + 1)), "0050C2000001", "x"))
                ->setFault(faultTarget::MulticastIdentify, Fault::replace(replies.at(i)));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), replies.size());
        QStringList expectedLines;
        for (const QByteArray &reply : replies)
            expectedLines.append(identifyListLine(parseIdentifyReply(reply)));
        QStringList listedLines = lines(m_list);
        expectedLines.sort();
        listedLines.sort();
        QCOMPARE(listedLines, expectedLines);
        for (int row = 0; row < m_list->count(); ++row) {
            QListWidgetItem *item = m_list->item(row);
            const bool red = redAddresses.contains(addressFromListLine(item->text()));
            QCOMPARE(item->foreground().color() == LocalSearchWindow::duplicateColour(), red);
        }
        if (!redAddresses.isEmpty())
            saveScreenshot(QStringLiteral("localsearch-duplicates.png"));
        // A new search forgets the MACs of the last one: one reply for an
        // address that was a duplicate is not red.
        m_simulator->stop();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QCOMPARE(m_list->count(), 0);
        QUdpSocket reader;
        QVERIFY(reader.bind(QHostAddress(QStringLiteral("127.0.0.1")), 0));
        const QByteArray again = replies.last();
        QCOMPARE(reader.writeDatagram(again, QHostAddress(QStringLiteral("224.1.2.4")), 53001), again.size());
        QTRY_COMPARE(m_list->count(), 1);
        QVERIFY(m_list->item(0)->foreground().color() != LocalSearchWindow::duplicateColour());
    }

    // After the change-address message went out, the resolve hint says to
    // search again; the next search brings the hint back.
    void searchAgainHint_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("sent");
        QTest::newRow("sent") << "127.0.0.9" << true;
        QTest::newRow("cancelled") << "" << false;
        QTest::newRow("invalid") << "1.2.3" << false;
    }
    void searchAgainHint()
    {
        QFETCH(QString, answer);
        QFETCH(bool, sent);
        m_simulator->addReader(readerConfig("127.0.0.53", "0050C2000053", "Dup"))
            ->setFault(faultTarget::MulticastIdentify, Fault::replace("127.0.0.53:0050C2000077:Dup:87\r"));
        startSimulator();
        QLabel *hint = m_window->resolveHintLabel();
        const QString resolveHint = hint->text();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        m_list->item(0)->setSelected(true);
        m_dialogs->inputAnswers.enqueue(answer);
        QTest::mouseClick(m_window->resolveDupButton(), Qt::LeftButton);
        QCOMPARE(hint->text(), sent ? LocalSearchWindow::searchAgainHint() : resolveHint);
        QCOMPARE(hint->textFormat(), Qt::PlainText);
        if (sent)
            saveScreenshot(QStringLiteral("localsearch-search-again.png"));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QCOMPARE(hint->text(), resolveHint);
        QTRY_COMPARE(m_list->count(), 1);
    }

    // "Copy" (Ctrl+C) takes the selected line, "Copy All" every line.
    void copyLines()
    {
        m_simulator->addReader(readerConfig("127.0.0.91", "0050C2000091", "First"));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 1);
        m_list->addItem(QStringLiteral("second line"));
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        m_list->setFocus();
        // Nothing selected: the clipboard keeps what it had.
        QTest::keyClick(m_list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        m_list->item(1)->setSelected(true);
        QTest::keyClick(m_list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("second line"));
        QCOMPARE(actionTexts(), (QStringList{"Copy", "Copy All", "Save List As...", "", "Compare With Saved List...",
                                             "Compare With Last Search"}));
        action(QStringLiteral("Copy All"))->trigger();
        QCOMPARE(clipboard->text(), m_list->item(0)->text() + "\nsecond line\n");
    }

    // The CSV opens in a spreadsheet as the readers said it, with no cell
    // that a spreadsheet would take for a formula.
    void saveListAsCsv()
    {
        const QList<QByteArray> replies{"127.0.0.92:0050C2000092:=cmd|' /C calc'!A0:87\r",
                                        "127.0.0.93:0050C2000093:Hall, \"east\" door:1087\r",
                                        "+127.0.0.94:0050C2000094:@SUM(1+1):-5\r",
                                        "127.0.0.95:0050C2000095\r",
                                        "127.0.0.96:0050C2000096:" + QByteArray(100, 'n') + ":87\r",
                                        "127.0.0.97:0050C2000097:'=own:87\r"};
        for (int i = 0; i < replies.size(); ++i)
            m_simulator->addReader(readerConfig(qPrintable(QStringLiteral("127.0.2.%1").arg(i + 1)), "0050C2000001", "x"))
                ->setFault(faultTarget::MulticastIdentify, Fault::replace(replies.at(i)));
        startSimulator();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), replies.size());

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("readers.csv"));
        m_dialogs->saveAnswers.enqueue(path);
        action(QStringLiteral("Save List As..."))->trigger();
        QCOMPARE(m_dialogs->saveRequests.size(), 1);
        QCOMPARE(m_dialogs->saveRequests.first().proposedName, QStringLiteral("readers.csv"));
        QCOMPARE(m_dialogs->saveRequests.first().defaultExtension, QStringLiteral("csv"));
        QCOMPARE(m_dialogs->saveRequests.first().filters,
                 (QStringList{"CSV Files (*.csv)", "All Files (*.*)"}));
        QCOMPARE(m_dialogs->messages, QStringList());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
        QCOMPARE(rows.size(), 1 + replies.size());
        QCOMPARE(rows.takeFirst(),
                 (QStringList{"IP Address", "MAC Address", "Reader Identification", "Control Port", "Interface"}));
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows, (QList<QStringList>{
                           {"'+127.0.0.94", "0050C2000094", "'@SUM(1+1)", "'-5", "lo"},
                           {"127.0.0.92", "0050C2000092", "'=cmd|' /C calc'!A0", "87", "lo"},
                           {"127.0.0.93", "0050C2000093", "Hall, \"east\" door", "1087", "lo"},
                           {"127.0.0.95", "0050C2000095", "", "", "lo"},
                           // Long fields are kept up to what a technician could need.
                           {"127.0.0.96", "0050C2000096", QString(LocalSearchWindow::SavedFieldBytes, 'n'), "87", "lo"},
                           // A value's own apostrophe is kept when the file is read back.
                           {"127.0.0.97", "0050C2000097", "''=own", "87", "lo"},
                       }));

        // Cancel writes nothing; a file that cannot be written is said so.
        QVERIFY(file.remove());
        m_dialogs->saveAnswers.enqueue(QString());
        action(QStringLiteral("Save List As..."))->trigger();
        QVERIFY(!QFile::exists(path));
        const QString unwritable = dir.filePath(QStringLiteral("missing/readers.csv"));
        m_dialogs->saveAnswers.enqueue(unwritable);
        action(QStringLiteral("Save List As..."))->trigger();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY2(m_dialogs->messages.first().startsWith(QStringLiteral("The list could not be saved to ") + unwritable),
                 qPrintable(m_dialogs->messages.first()));
    }

    // Two readers change between two searches: "Compare With Last Search"
    // shows them in "Site Changes" and leaves the list as it is; a double
    // click there hands over a reader present now. A search's list is kept
    // in the window's file once no more replies come.
    void compareWithLastSearch()
    {
        QTemporaryDir dir;
        m_window->keepLastSearchIn(dir.path());
        SimulatedReader *moved = m_simulator->addReader(readerConfig("127.0.0.61", "0050C2000061", "Door"));
        SimulatedReader *renamed = m_simulator->addReader(readerConfig("127.0.0.62", "0050C2000062", "Gate"));
        m_simulator->addReader(readerConfig("127.0.0.63", "0050C2000063", "Hall"));
        startSimulator();
        action(QStringLiteral("Compare With Last Search"))->trigger();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 3);
        action(QStringLiteral("Compare With Last Search"))->trigger();
        QCOMPARE(m_dialogs->messages,
                 (QStringList{SearchComparison::searchFirstMessage(), SearchComparison::noEarlierSearchMessage()}));
        QFile kept(dir.filePath(LocalSearchWindow::KeptListName));
        QTRY_VERIFY_WITH_TIMEOUT(kept.exists(), LocalSearchWindow::SearchSettledMs + 5000);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), "\xEF\xBB\xBF" + m_window->listMenu()->csvText().toUtf8());

        moved->setFault(faultTarget::MulticastIdentify, Fault::replace("127.0.0.71:0050C2000061:Door:87\r"));
        renamed->setFault(faultTarget::MulticastIdentify, Fault::replace("127.0.0.62:0050C2000062:Gate B:87\r"));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(m_list->count(), 3);
        const QStringList listed = lines(m_list);
        action(QStringLiteral("Compare With Last Search"))->trigger();
        SiteChangesWindow *changes = m_window->searchComparison()->siteChangesWindow();
        QVERIFY(changes && changes->isVisible());
        QCOMPARE(changes->windowTitle(), QStringLiteral("Site Changes"));
        QCOMPARE(changes->summaryLabel()->text(), QStringLiteral("1 moved, 1 renamed, 1 unchanged"));
        QVERIFY(changes->comparedWithLabel()->text().startsWith(QStringLiteral("Compared with the last search, kept ")));
        QCOMPARE(changes->summaryLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(tableRows(changes), (QStringList{"Moved|127.0.0.71|127.0.0.61|0050C2000061|Door||87|",
                                                  "Renamed|127.0.0.62||0050C2000062|Gate B|Gate|87|",
                                                  "Unchanged|127.0.0.63||0050C2000063|Hall||87|"}));
        QCOMPARE(m_dialogs->messages.size(), 2);
        saveScreenshot(changes, QStringLiteral("site-changes.png"));
        changes->hideUnchangedCheck()->setChecked(true);
        QCOMPARE(tableRows(changes).size(), 2);
        QCOMPARE(lines(m_list), listed);
        // The offscreen platform does not move activation between windows.
        QApplication::setActiveWindow(changes);
        QCOMPARE(QApplication::focusWidget(), changes->table());
        QTest::keyClick(changes->table(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(changes->table(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Moved\t127.0.0.71\t127.0.0.61\t0050C2000061\tDoor\t\t87\t\t\n"
                                "Renamed\t127.0.0.62\t\t0050C2000062\tGate B\tGate\t87\t\t\n"));

        QSignalSpy chosen(m_window, &LocalSearchWindow::readerChosen);
        QTableView *table = changes->table();
        const QPoint at = table->visualRect(table->model()->index(0, 1)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first(), (QVariantList{"127.0.0.71", "87"}));
    }

private:
    // The rows a table shows, cells joined by '|', without the note.
    static QStringList tableRows(const SiteChangesWindow *window)
    {
        const QAbstractItemModel *model = window->table()->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column + 1 < model->columnCount(); ++column)
                cells.append(model->index(row, column).data().toString());
            rows.append(cells.join(QLatin1Char('|')));
        }
        return rows;
    }
    // With ZAV_SCREENSHOT_DIR set, keeps a picture of the window for review.
    void saveScreenshot(QWidget *window, const QString &name)
    {
        const QString dir = qEnvironmentVariable("ZAV_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            window->grab().save(dir + QLatin1Char('/') + name);
    }
    void saveScreenshot(const QString &name) { saveScreenshot(m_window, name); }
    QStringList actionTexts() const
    {
        QStringList texts;
        for (QAction *action : m_list->actions())
            texts.append(action->text());
        return texts;
    }
    QAction *action(const QString &text) const
    {
        for (QAction *action : m_list->actions())
            if (action->text() == text)
                return action;
        return nullptr;
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
    LocalSearchWindow *m_window = nullptr;
    QListWidget *m_list = nullptr;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestLocalSearchWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_localsearchwindow.moc"
