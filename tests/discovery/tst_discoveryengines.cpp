#include "identifyreply.h"
#include "localsearchengine.h"
#include "nestednetwork.h"
#include "privatenetwork.h"
#include "csvfields.h"
#include "readersimulator.h"
#include "searchinterfaces.h"
#include "widescan.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <netinet/in.h>
#include <sys/socket.h>

Q_DECLARE_METATYPE(IdentifyReply)

namespace {
ReaderConfig readerConfig(const QString &address, const QByteArray &mac, const QByteArray &identification)
{
    ReaderConfig config;
    config.address = QHostAddress(address);
    config.mac = mac;
    config.identification = identification;
    return config;
}

int intOption(qintptr handle, int level, int name)
{
    int value = -1;
    socklen_t length = sizeof value;
    if (::getsockopt(int(handle), level, name, &value, &length) != 0)
        return -1;
    return value;
}

InterfaceFacts facts(const char *name, int index, const char *address, bool up, bool multicast, bool loopback)
{
    InterfaceFacts f;
    f.interface.name = QString::fromLatin1(name);
    f.interface.index = index;
    if (address)
        f.interface.address = QHostAddress(QString::fromLatin1(address));
    f.up = up;
    f.multicast = multicast;
    f.loopback = loopback;
    return f;
}

QStringList names(const QList<SearchInterface> &interfaces)
{
    QStringList result;
    for (const SearchInterface &interface : interfaces)
        result.append(interface.name);
    return result;
}

// Listeners on consecutive addresses, one port, that accept and never answer.
class MuteListeners : public QObject
{
public:
    MuteListeners(const QString &addressPattern, int count)
    {
        for (int i = 0; i < count; ++i) {
            auto *server = new QTcpServer(this);
            if (!server->listen(QHostAddress(addressPattern.arg(i + 1)), m_port))
                return;
            m_port = server->serverPort();
            connect(server, &QTcpServer::newConnection, this, [this, server] {
                while (QTcpSocket *peer = server->nextPendingConnection()) {
                    ++accepted;
                    ++open;
                    connect(peer, &QTcpSocket::disconnected, this, [this, peer] {
                        --open;
                        peer->deleteLater();
                    });
                }
            });
            ++m_listening;
        }
        m_wanted = count;
    }
    bool listening() const { return m_listening == m_wanted; }
    quint16 port() const { return m_port; }

    int accepted = 0;
    int open = 0;

private:
    quint16 m_port = 0;
    int m_listening = 0;
    int m_wanted = -1;
};

const QByteArray RouteHeader =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\t\t\n";
} // namespace

class TestDiscoveryEngines : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZAV_REQUIRE_PRIVATE_NETWORK();
        qRegisterMetaType<IdentifyReply>();
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Door 1" << "Door 1";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("comma") << "Hall, east" << "\"Hall, east\"";
        QTest::newRow("quotes doubled") << "the \"big\" one" << "\"the \"\"big\"\" one\"";
        QTest::newRow("CR inside") << "a\rb" << "\"a\rb\"";
        QTest::newRow("LF inside") << "a\nb" << "\"a\nb\"";
        QTest::newRow("semicolon") << "a;b" << "\"a;b\"";
        QTest::newRow("formula") << "=cmd|' /C calc'!A0" << "'=cmd|' /C calc'!A0";
        QTest::newRow("plus") << "+1+1" << "'+1+1";
        QTest::newRow("minus") << "-2+3" << "'-2+3";
        QTest::newRow("at") << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("leading tab") << "\t=1" << "\"'\t=1\"";
        QTest::newRow("leading CR") << "\r=1" << "\"'\r=1\"";
        QTest::newRow("formula with comma") << "=HYPERLINK(\"x\",\"y\")" << "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"";
        QTest::newRow("equals later is inert") << "a=b" << "a=b";
        QTest::newRow("address") << "10.0.0.7" << "10.0.0.7";
        QTest::newRow("apostrophe kept") << "'quoted" << "'quoted";
        QTest::newRow("latin-1") << QString::fromLatin1("Caf\xe9") << QString::fromLatin1("Caf\xe9");
    }
    void csvField()
    {
        QFETCH(QString, text);
        QTEST(::csvField(text), "field");
    }

    void csvLine_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("reader") << QStringList{"10.0.0.7", "0050C2000001", "Door", "87", "eth0"}
                                << "10.0.0.7,0050C2000001,Door,87,eth0\r\n";
        QTest::newRow("hostile") << QStringList{"=1+1", "0050C2000001", "a,\"b\"", ""}
                                 << "'=1+1,0050C2000001,\"a,\"\"b\"\"\",\r\n";
        QTest::newRow("one empty field") << QStringList{""} << "\r\n";
        QTest::newRow("first field like a comment") << QStringList{" #1", "#2"} << "\" #1\",#2\r\n";
        QTest::newRow("none") << QStringList{} << "\r\n";
    }
    void csvLine()
    {
        QFETCH(QStringList, fields);
        QTEST(::csvLine(fields), "line");
    }

    void routeInterfaceFor_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("interface");
        const QByteArray loMulticast = "lo\t000000E0\t00000000\t0001\t0\t0\t0\t000000F0\t0\t0\t0\n";
        const QByteArray ethDefault = "eth0\t00000000\t0101A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n";
        const QByteArray wlanDefault = "wlan0\t00000000\t0100A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n";
        const QByteArray ethMulticast = "eth1\t000000E0\t00000000\t0001\t0\t0\t0\t000000F0\t0\t0\t0\n";
        QTest::newRow("multicast route on loopback") << RouteHeader + ethDefault + loMulticast << "224.1.2.3" << "lo";
        QTest::newRow("default route only") << RouteHeader + ethDefault << "224.1.2.3" << "eth0";
        QTest::newRow("lowest metric wins") << RouteHeader + wlanDefault + ethDefault << "224.1.2.3" << "eth0";
        QTest::newRow("longer prefix wins over metric")
            << RouteHeader + ethDefault + ethMulticast << "224.1.2.3" << "eth1";
        QTest::newRow("route down ignored")
            << RouteHeader + ethDefault + QByteArray("lo\t000000E0\t00000000\t0000\t0\t0\t0\t000000F0\t0\t0\t0\n")
            << "224.1.2.3" << "eth0";
        QTest::newRow("no route") << RouteHeader << "224.1.2.3" << "";
        QTest::newRow("no match")
            << RouteHeader + QByteArray("eth0\t0000000A\t00000000\t0001\t0\t0\t0\t000000FF\t0\t0\t0\n")
            << "224.1.2.3" << "";
        QTest::newRow("garbage") << QByteArray("x\ny z\n\x01\x02") << "224.1.2.3" << "";
    }
    void routeInterfaceFor()
    {
        QFETCH(QByteArray, table);
        QFETCH(QString, destination);
        QTEST(::routeInterfaceFor(table, QHostAddress(destination).toIPv4Address()), "interface");
    }

    void chooseSearchInterfaces_data()
    {
        QTest::addColumn<QList<InterfaceFacts>>("all");
        QTest::addColumn<QString>("routed");
        QTest::addColumn<QStringList>("chosen");
        const InterfaceFacts lo = facts("lo", 1, "127.0.0.1", true, true, true);
        const InterfaceFacts eth = facts("eth0", 2, "192.168.1.10", true, true, false);
        const InterfaceFacts wlan = facts("wlan0", 3, "10.0.0.5", true, true, false);
        QTest::newRow("loopback only") << QList<InterfaceFacts>{lo} << "" << QStringList{"lo"};
        QTest::newRow("laptop") << QList<InterfaceFacts>{lo, eth, wlan} << "wlan0" << QStringList{"eth0", "wlan0"};
        QTest::newRow("loopback carries the multicast route")
            << QList<InterfaceFacts>{lo, eth} << "lo" << QStringList{"lo", "eth0"};
        QTest::newRow("down skipped") << QList<InterfaceFacts>{lo, facts("eth0", 2, "192.168.1.10", false, true, false),
                                                               wlan}
                                      << "" << QStringList{"wlan0"};
        QTest::newRow("no multicast skipped")
            << QList<InterfaceFacts>{lo, facts("tun0", 4, "10.8.0.2", true, false, false), eth} << ""
            << QStringList{"eth0"};
        QTest::newRow("no IPv4 address skipped")
            << QList<InterfaceFacts>{lo, facts("eth1", 5, nullptr, true, true, false),
                                     facts("eth2", 6, "fe80::1", true, true, false)}
            << "" << QStringList{"lo"};
        QTest::newRow("loopback down, nothing else") << QList<InterfaceFacts>{facts("lo", 1, "127.0.0.1", false, true, true)}
                                                     << "" << QStringList{};
        QTest::newRow("none") << QList<InterfaceFacts>{} << "" << QStringList{};
    }
    void chooseSearchInterfaces()
    {
        QFETCH(QList<InterfaceFacts>, all);
        QFETCH(QString, routed);
        QTEST(names(::chooseSearchInterfaces(all, routed)), "chosen");
    }

    // Each step: reply bytes, interface index, whether it is reported.
    void heardReplies_data()
    {
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<QList<int>>("interfaces");
        QTest::addColumn<QList<bool>>("reported");
        QTest::newRow("two readers") << QList<QByteArray>{"a", "b"} << QList<int>{2, 2} << QList<bool>{true, true};
        QTest::newRow("one reader answering twice") << QList<QByteArray>{"a", "a"} << QList<int>{2, 2}
                                                    << QList<bool>{true, true};
        QTest::newRow("heard on a second interface")
            << QList<QByteArray>{"a", "a"} << QList<int>{2, 3} << QList<bool>{true, false};
        QTest::newRow("twice on each of two interfaces") << QList<QByteArray>{"a", "a", "a", "a"}
                                                         << QList<int>{3, 2, 3, 2}
                                                         << QList<bool>{true, false, true, false};
        QTest::newRow("same reader, other replies elsewhere")
            << QList<QByteArray>{"a", "b", "b", "a"} << QList<int>{2, 3, 2, 3} << QList<bool>{true, true, false, false};
    }
    void heardReplies()
    {
        QFETCH(QList<QByteArray>, replies);
        QFETCH(QList<int>, interfaces);
        QFETCH(QList<bool>, reported);
        HeardReplies heard;
        for (int i = 0; i < replies.size(); ++i)
            QVERIFY2(heard.isNew(replies.at(i), interfaces.at(i)) == reported.at(i), qPrintable(QString::number(i)));
        heard.clear();
        QVERIFY(heard.isNew(replies.last(), interfaces.first() + 100));
    }

    // Beyond the replies remembered, every reply counts as new: a flood costs
    // bounded memory and never hides a reader.
    void heardRepliesBounded()
    {
        HeardReplies heard;
        for (int i = 0; i < HeardReplies::MaxRemembered; ++i)
            QVERIFY(heard.isNew(QByteArray::number(i), 2));
        QVERIFY(!heard.isNew(QByteArray::number(7), 3));
        QVERIFY(heard.isNew("late", 2));
        QVERIFY(heard.isNew("late", 3));
        // Large replies that differ only at their end are different replies.
        HeardReplies large;
        QVERIFY(large.isNew(QByteArray(60000, 'x') + 'a', 4));
        QVERIFY(large.isNew(QByteArray(60000, 'x') + 'b', 5));
        QVERIFY(!large.isNew(QByteArray(60000, 'x') + 'a', 5));
        QVERIFY(large.isNew(QByteArray(60000, 'x') + 'a', 4));
    }

    // Inside the test's namespace loopback is the only interface.
    void loopbackOnly()
    {
        const QList<SearchInterface> interfaces = searchInterfaces();
        QCOMPARE(names(interfaces), QStringList{"lo"});
        QCOMPARE(interfaces.first().address, QHostAddress(QHostAddress::LocalHost));
        QVERIFY(interfaces.first().index > 0);
    }

    // Bound to 53001 with TTL 5 and only its own groups; the request goes out
    // as 11 bytes and every reply comes back with the interface it came in on.
    void localSearchOnLoopback()
    {
        ReaderSimulator simulator;
        SimulatedReader *reader = simulator.addReader(readerConfig("127.0.0.61", "0050C2000061", "Door"));
        ReaderConfig twin = readerConfig("127.0.0.62", "0050C2000062", "Twin");
        twin.identifyAddress = "127.0.0.62";
        simulator.addReader(twin);
        twin.address = QHostAddress(QStringLiteral("127.0.0.63"));
        simulator.addReader(twin);
        QString error;
        QVERIFY2(simulator.start(&error), qPrintable(error));

        LocalSearchEngine engine;
        QCOMPARE(engine.socketHandle(), qintptr(-1));
        QVERIFY(engine.open(searchInterfaces()));
        QCOMPARE(names(engine.openInterfaces()), QStringList{"lo"});
        QCOMPARE(engine.localPort(), quint16(53001));
        QCOMPARE(intOption(engine.socketHandle(), IPPROTO_IP, IP_MULTICAST_TTL), 5);
        QCOMPARE(intOption(engine.socketHandle(), IPPROTO_IP, IP_MULTICAST_ALL), 0);

        QSignalSpy replies(&engine, &LocalSearchEngine::replyReceived);
        QVERIFY(engine.search());
        QTRY_COMPARE(replies.size(), 3);
        QCOMPARE(reader->received(Channel::Identify).size(), 1);
        QCOMPARE(reader->received(Channel::Identify).first().bytes, QByteArray("ZAVIDENTIFY"));
        QList<QByteArray> heard;
        for (const QList<QVariant> &reply : std::as_const(replies)) {
            heard.append(reply.at(0).toByteArray());
            QCOMPARE(reply.at(1).toString(), QStringLiteral("lo"));
        }
        std::sort(heard.begin(), heard.end());
        // The twins answer with the same bytes on the same interface: both count.
        QCOMPARE(heard, (QList<QByteArray>{"127.0.0.61:0050C2000061:Door:87\r", "127.0.0.62:0050C2000062:Twin:87\r",
                                           "127.0.0.62:0050C2000062:Twin:87\r"}));

        // A second search starts afresh; the same replies are reported again.
        replies.clear();
        QVERIFY(engine.search());
        QTRY_COMPARE(replies.size(), 3);
        // Opening again keeps the socket and its membership.
        const qintptr handle = engine.socketHandle();
        QVERIFY(engine.open(searchInterfaces()));
        QCOMPARE(engine.socketHandle(), handle);
    }

    // A second network: both interfaces are searched, and the same reply
    // heard on both (a network two interfaces reach) is reported once, while
    // a reader answering twice on one interface is reported twice.
    void sameReplyOnTwoInterfaces()
    {
        NestedNetwork network(1);
        QString error;
        QVERIFY2(network.start({QStringLiteral("sleep"), QStringLiteral("60")}, &error), qPrintable(error));
        LocalSearchEngine engine;
        QVERIFY(engine.open(searchInterfaces()));
        QCOMPARE(names(engine.openInterfaces()), (QStringList{"lo", network.nearInterface()}));
        QSignalSpy replies(&engine, &LocalSearchEngine::replyReceived);
        QVERIFY(engine.search());

        // Multicast sent here comes back to this host on the interface it
        // was sent out of.
        QUdpSocket reader;
        QVERIFY(reader.bind(QHostAddress(QHostAddress::AnyIPv4), 0));
        const auto sendOn = [&](const SearchInterface &interface, const QByteArray &reply) {
            reader.setMulticastInterface(QNetworkInterface::interfaceFromIndex(interface.index));
            QCOMPARE(reader.multicastInterface().index(), interface.index);
            QCOMPARE(reader.writeDatagram(reply, QHostAddress(QStringLiteral("224.1.2.4")), 53001), reply.size());
        };
        const SearchInterface lo = engine.openInterfaces().at(0);
        const SearchInterface near = engine.openInterfaces().at(1);
        sendOn(lo, "10.1.0.5:0050C2000105:Both:87\r");
        QTRY_COMPARE(replies.size(), 1);
        sendOn(near, "10.1.0.5:0050C2000105:Both:87\r");
        sendOn(near, "10.1.0.6:0050C2000106:Near:87\r");
        sendOn(near, "10.1.0.6:0050C2000106:Near:87\r");
        sendOn(lo, "10.1.0.7:0050C2000107:Last:87\r");
        QTRY_COMPARE(replies.size(), 4);
        QStringList heard;
        for (const QList<QVariant> &reply : std::as_const(replies))
            heard.append(reply.at(0).toString() + QLatin1Char('@') + reply.at(1).toString());
        QCOMPARE(heard, (QStringList{"10.1.0.5:0050C2000105:Both:87\r@lo",
                                     "10.1.0.6:0050C2000106:Near:87\r@" + network.nearInterface(),
                                     "10.1.0.6:0050C2000106:Near:87\r@" + network.nearInterface(),
                                     "10.1.0.7:0050C2000107:Last:87\r@lo"}));
        // A new search hears it again.
        QVERIFY(engine.search());
        sendOn(near, "10.1.0.5:0050C2000105:Both:87\r");
        QTRY_COMPARE(replies.size(), 5);
        QCOMPARE(replies.last().at(1).toString(), network.nearInterface());
    }

    // The change-address message goes out exactly as given.
    void sendToReaders()
    {
        ReaderSimulator simulator;
        SimulatedReader *reader = simulator.addReader(readerConfig("127.0.0.64", "0050C2000064", "Door"));
        QString error;
        QVERIFY2(simulator.start(&error), qPrintable(error));
        LocalSearchEngine engine;
        QVERIFY(!engine.sendToReaders("RPG"));
        QVERIFY(engine.open(searchInterfaces()));
        const QByteArray message = "RPG0050C2000099127.0.0.9      ";
        QVERIFY(engine.sendToReaders(message));
        QTRY_COMPARE(reader->received(Channel::Identify).size(), 1);
        QCOMPARE(reader->received(Channel::Identify).first().bytes, message);
    }

    // Nothing to open on: no interface given, or one the system does not know.
    void openRefused()
    {
        LocalSearchEngine engine;
        QVERIFY(!engine.open({}));
        SearchInterface missing;
        missing.name = QStringLiteral("gone0");
        missing.index = 9999;
        missing.address = QHostAddress(QStringLiteral("10.99.0.1"));
        QVERIFY(!engine.open({missing}));
        QVERIFY(!engine.search());
    }

    // The fast scan finds what the serial scan finds, in address order,
    // whatever the order in which the replies come.
    void wideScanFindsInOrder_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::newRow("64 at once") << 64;
        QTest::newRow("3 at once") << 3;
        QTest::newRow("one at a time") << 1;
    }
    void wideScanFindsInOrder()
    {
        QFETCH(int, jobs);
        ReaderSimulator simulator;
        simulator.setMulticastEnabled(false);
        // The first reader answers last.
        simulator.addReader(readerConfig("127.0.5.3", "0050C2000503", "Slow"))
            ->setFault(faultTarget::TcpIdentify, Fault::slow(400));
        simulator.addReader(readerConfig("127.0.5.7", "0050C2000507", "In pieces"))
            ->setFault(faultTarget::TcpIdentify, Fault::split(5, 30));
        simulator.addReader(readerConfig("127.0.5.9", "0050C2000509", "Plain"));
        // Never ends its reply with a CR: not a reader.
        simulator.addReader(readerConfig("127.0.5.11", "0050C2000511", "No CR"))
            ->setFault(faultTarget::TcpIdentify, Fault::replace("127.0.5.11:0050C2000511:No CR"));
        // Connects but says nothing: given up at the limit.
        simulator.addReader(readerConfig("127.0.5.12", "0050C2000512", "Mute"))
            ->setFault(faultTarget::TcpIdentify, Fault::noAnswer());
        // Megabytes without a CR cost a few bytes of memory.
        simulator.addReader(readerConfig("127.0.5.13", "0050C2000513", "Flood"))
            ->setFault(faultTarget::TcpIdentify, Fault::flood(4 * 1024 * 1024));
        simulator.addReader(readerConfig("127.0.5.20", "0050C2000520", "Last"));
        QString error;
        QVERIFY2(simulator.start(&error), qPrintable(error));

        WideScan scan;
        QSignalSpy found(&scan, &WideScan::readerFound);
        QSignalSpy progress(&scan, &WideScan::progress);
        QSignalSpy finished(&scan, &WideScan::finished);
        WideScan::Options options;
        options.start = QStringLiteral("127.0.5.1");
        options.count = 20;
        options.jobs = jobs;
        // Time to spare for the slow reader on a busy machine: this is about
        // order, not about the limit.
        options.timeoutMs = 3000;
        scan.start(options);
        QVERIFY(scan.isRunning());
        QVERIFY(finished.wait(60000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(!scan.isRunning());
        QCOMPARE(scan.inFlight(), 0);

        QStringList addresses;
        QStringList lines;
        for (const QList<QVariant> &reader : std::as_const(found)) {
            addresses.append(reader.at(0).toString());
            lines.append(wideAreaListLine(reader.at(1).value<IdentifyReply>()));
        }
        QCOMPARE(addresses, (QStringList{"127.0.5.3", "127.0.5.7", "127.0.5.9", "127.0.5.20"}));
        QCOMPARE(lines, (QStringList{
                            "127.0.5.3           00 50 C2 00 05 03     Slow                ",
                            "127.0.5.7           00 50 C2 00 05 07     In pieces           ",
                            "127.0.5.9           00 50 C2 00 05 09     Plain               ",
                            "127.0.5.20          00 50 C2 00 05 20     Last                ",
                        }));
        // Every address once, counted in walk order.
        QCOMPARE(progress.size(), 20);
        for (int i = 0; i < progress.size(); ++i) {
            QCOMPARE(progress.at(i).at(0).toInt(), i + 1);
            QCOMPARE(progress.at(i).at(1).toString(), QStringLiteral("127.0.5.%1").arg(i + 1));
        }
    }

    // Never more than `jobs` connections at once, each given up at its limit.
    void wideScanLimits_data()
    {
        QTest::addColumn<int>("listeners");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<int>("timeoutMs");
        QTest::newRow("12 mute, 4 at once") << 12 << 4 << 400;
        QTest::newRow("10 mute, 10 at once") << 10 << 10 << 500;
        QTest::newRow("5 mute, 1 at a time") << 5 << 1 << 300;
    }
    void wideScanLimits()
    {
        QFETCH(int, listeners);
        QFETCH(int, jobs);
        QFETCH(int, timeoutMs);
        MuteListeners mute(QStringLiteral("127.0.6.%1"), listeners);
        QVERIFY(mute.listening());
        WideScan scan;
        QSignalSpy finished(&scan, &WideScan::finished);
        WideScan::Options options;
        options.start = QStringLiteral("127.0.6.1");
        options.count = listeners;
        options.port = mute.port();
        options.jobs = jobs;
        options.timeoutMs = timeoutMs;
        QElapsedTimer clock;
        clock.start();
        scan.start(options);
        // The first round: as many connections as jobs, and no more until
        // the first of them reaches its limit.
        QTRY_COMPARE(mute.accepted, jobs);
        QTest::qWait(timeoutMs / 3);
        QCOMPARE(mute.accepted, jobs);
        QVERIFY(finished.wait(30000));
        const qint64 elapsed = clock.elapsed();
        const int rounds = (listeners + jobs - 1) / jobs;
        QVERIFY2(elapsed >= rounds * timeoutMs - 50, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < rounds * timeoutMs + 1500, qPrintable(QString::number(elapsed)));
        // Every address tried once, every connection closed.
        QCOMPARE(mute.accepted, listeners);
        QTRY_COMPARE(mute.open, 0);
    }

    // F2 in the window: no new attempts; those in flight are closed at once.
    void wideScanStop()
    {
        MuteListeners mute(QStringLiteral("127.0.7.%1"), 8);
        QVERIFY(mute.listening());
        WideScan scan;
        QSignalSpy finished(&scan, &WideScan::finished);
        WideScan::Options options;
        options.start = QStringLiteral("127.0.7.1");
        options.count = 8;
        options.port = mute.port();
        options.jobs = 4;
        options.timeoutMs = 5000;
        scan.start(options);
        QTRY_COMPARE(mute.accepted, 4);
        QCOMPARE(scan.inFlight(), 4);
        QElapsedTimer clock;
        clock.start();
        scan.stop();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(!scan.isRunning());
        QCOMPARE(scan.inFlight(), 0);
        QTRY_COMPARE(mute.open, 0);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        // Nothing more is tried, nothing more is said.
        QTest::qWait(300);
        QCOMPARE(mute.accepted, 4);
        QCOMPARE(finished.size(), 1);
        scan.stop();
        QCOMPARE(finished.size(), 1);
    }

    // The walk's end and a start given as typed.
    void wideScanWalk_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("tried");
        QTest::newRow("last address") << "127.0.255.255" << 0 << QStringList{"127.0.255.255"};
        QTest::newRow("over the end of an octet")
            << "127.0.8.254" << 4 << QStringList{"127.0.8.254", "127.0.8.255", "127.0.9.1", "127.0.9.2"};
        QTest::newRow("nothing to try") << "127.0.256.1" << 0 << QStringList{};
    }
    void wideScanWalk()
    {
        QFETCH(QString, start);
        QFETCH(int, count);
        WideScan scan;
        QSignalSpy progress(&scan, &WideScan::progress);
        QSignalSpy finished(&scan, &WideScan::finished);
        WideScan::Options options;
        options.start = start;
        options.count = count;
        options.timeoutMs = 500;
        scan.start(options);
        QVERIFY(finished.wait(10000));
        QStringList tried;
        for (const QList<QVariant> &step : std::as_const(progress))
            tried.append(step.at(1).toString());
        QTEST(tried, "tried");
        QCOMPARE(finished.first().first().toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestDiscoveryEngines)
#include "tst_discoveryengines.moc"
