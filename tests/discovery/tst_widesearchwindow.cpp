#include "identifyreply.h"
#include "addresschecks.h"
#include "nestednetwork.h"
#include "readerlistmenu.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "searchtesting.h"
#include "twips.h"
#include "uikit.h"
#include "widescan.h"
#include "widesearchwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {
// Nothing listens on this port anywhere in the private network.
const QString SilentPort = QStringLiteral("7");

ReaderConfig readerConfig(const char *address, const char *mac, const char *identification, quint16 port = 87)
{
    ReaderConfig config;
    config.address = QHostAddress(QLatin1String(address));
    config.mac = mac;
    config.identification = identification;
    config.controlPort = port;
    return config;
}

// Records the text the status label shows for each address the scan tries,
// and can act when it shows a given text.
class StatusRecorder : public QObject
{
public:
    explicit StatusRecorder(const WideSearchWindow *window) : m_label(window->statusLabel())
    {
        // After the window's own handler, which sets the text.
        connect(window->searchEngine(), &WideScan::trying, this, &StatusRecorder::record);
    }

    QStringList shown;
    // Runs once, from the event loop, when the label first shows this text.
    void when(const QString &text, std::function<void()> action)
    {
        m_trigger = text;
        m_action = std::move(action);
    }

private:
    void record()
    {
        const QString text = m_label->text();
        if (!m_label->isVisible() || text.isEmpty() || (!shown.isEmpty() && shown.last() == text))
            return;
        shown.append(text);
        if (text == m_trigger && m_action)
            QTimer::singleShot(0, this, std::exchange(m_action, nullptr));
    }

    QLabel *m_label;
    QString m_trigger;
    std::function<void()> m_action;
};

using WindowLabel = std::function<QLabel *(const WideSearchWindow &)>;

QStringList searching(const QStringList &addresses)
{
    QStringList texts;
    for (const QString &address : addresses)
        texts.append(QStringLiteral("Searching ") + address);
    return texts;
}
} // namespace

Q_DECLARE_METATYPE(WindowLabel)

class TestWideSearchWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_simulator = new ReaderSimulator;
        m_simulator->setMulticastEnabled(false);
        m_window = new WideSearchWindow(*m_dialogs);
        // Readers that must answer in time get time to spare, also on a busy
        // machine; the tests of the limits themselves use the real ones.
        WideSearchWindow::Limits spare;
        spare.replyMs = 2000;
        spare.fastAddressMs = 2000;
        m_window->setLimits(spare);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_list = m_window->readerList();
        m_startAddress = m_window->startAddressEdit();
        m_controlPort = m_window->controlPortEdit();
        m_statusLabel = m_window->statusLabel();
        m_slowMode = m_window->slowModeCheck();
        m_status = new StatusRecorder(m_window);
    }
    void cleanup()
    {
        delete m_status;
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
        const QString headings =
            "IP Address" + QString(34, ' ') + "Mac Address" + QString(32, ' ') + "Reader Identification";
        QTest::newRow("heading") << WindowLabel(&WideSearchWindow::headingLabel) << "headingLabel"
                                 << "Search for Readers on a Wide Area Network" << QRect(1260, 60, 6855, 315)
                                 << "Arial" << 9.0;
        QTest::newRow("column headings") << WindowLabel(&WideSearchWindow::columnHeadingsLabel)
                                         << "columnHeadingsLabel" << headings << QRect(780, 1740, 7815, 315)
                                         << "Arial" << 9.0;
        QTest::newRow("hint") << WindowLabel(&WideSearchWindow::doubleClickHintLabel) << "doubleClickHintLabel"
                              << "Dblclick on reader to program it" << QRect(5340, 7260, 3435, 315) << "Arial"
                              << 9.0;
        QTest::newRow("address label") << WindowLabel(&WideSearchWindow::startAddressLabel) << "startAddressLabel"
                                       << "Starting IP Address" << QRect(720, 720, 1815, 315) << "Arial" << 9.0;
        QTest::newRow("port label") << WindowLabel(&WideSearchWindow::controlPortLabel) << "controlPortLabel"
                                    << "Control Port Number" << QRect(720, 1140, 1755, 315) << "Arial" << 9.0;
        QTest::newRow("start") << WindowLabel(&WideSearchWindow::startSearchButton) << "startSearchButton"
                               << "F1 Start Search" << QRect(4800, 660, 1755, 375) << "MS Sans Serif" << 9.75;
        QTest::newRow("stop") << WindowLabel(&WideSearchWindow::stopSearchButton) << "stopSearchButton"
                              << "F2 Stop Search" << QRect(6780, 660, 1755, 375) << "MS Sans Serif" << 9.75;
        QTest::newRow("status") << WindowLabel(&WideSearchWindow::statusLabel) << "statusLabel" << ""
                                << QRect(4800, 1200, 3795, 315) << "MS Sans Serif" << 8.25;
    }
    void layout()
    {
        QFETCH(WindowLabel, label);
        searchtesting::verifyLabel(label(*m_window));
    }

    void controlsAtLoad()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("wideSearch"));
        QCOMPARE(m_window->size(), QSize(twips(10500), twips(8385)));
        QCOMPARE(m_startAddress->geometry(), twipsRect(2760, 720, 1635, 315));
        QCOMPARE(m_controlPort->geometry(), twipsRect(2760, 1140, 1635, 315));
        QCOMPARE(m_startAddress->text(), QString());
        QCOMPARE(m_controlPort->text(), QString());
        QCOMPARE(m_slowMode->text(), QStringLiteral("Slow Mode"));
        QCOMPARE(m_slowMode->geometry(), twipsRect(5940, 1200, 1455, 315));
        QCOMPARE(m_slowMode->font().pointSizeF(), 8.25);
        QVERIFY(!m_slowMode->isChecked());
        QVERIFY(m_slowMode->isVisible());
        QVERIFY(!m_statusLabel->isVisible());
        QCOMPARE(m_statusLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(m_list->geometry(), twipsRect(720, 2100, 8115, 5100));
        QCOMPARE(m_list->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(searchtesting::shapeUnder(m_window->startSearchButton())->geometry(), twipsRect(4740, 600, 1875, 435));
        QCOMPARE(searchtesting::shapeUnder(m_window->stopSearchButton())->geometry(), twipsRect(6720, 600, 1875, 435));
        QVERIFY(!m_window->isScanning());
        // Each control is named as the window's member is.
        QCOMPARE(m_startAddress->objectName(), QStringLiteral("startAddressEdit"));
        QCOMPARE(m_controlPort->objectName(), QStringLiteral("controlPortEdit"));
        QCOMPARE(m_slowMode->objectName(), QStringLiteral("slowModeCheck"));
        QCOMPARE(m_window->fastModeCheck()->objectName(), QStringLiteral("fastModeCheck"));
        QCOMPARE(m_list->objectName(), QStringLiteral("readerList"));
    }

    void typedCharacters()
    {
        m_startAddress->setFocus();
        QTest::keyClicks(m_startAddress, QStringLiteral("1a2.3 b.4"));
        QCOMPARE(m_startAddress->text(), QStringLiteral("12.3.4"));
        QTest::keyClick(m_startAddress, Qt::Key_Backspace);
        QCOMPARE(m_startAddress->text(), QStringLiteral("12.3."));
        m_controlPort->setFocus();
        QTest::keyClicks(m_controlPort, QStringLiteral("8.7x654"));
        QCOMPARE(m_controlPort->text(), QStringLiteral("87654"));
    }

    // Checks run before anything is tried; the first failing one speaks.
    void refusedBeforeScan_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty address") << "" << "87" << "Invalid IP Address";
        QTest::newRow("two dots") << "127.0.1" << "87" << "Invalid IP Address";
        QTest::newRow("group above 255") << "127.0.1.256" << "87" << "Invalid IP Address";
        QTest::newRow("address checked first") << "1.2.3" << "" << "Invalid IP Address";
        QTest::newRow("second group no number") << "127.x.1.1" << "87" << "Invalid IP Address";
        QTest::newRow("empty port") << "127.0.1.1" << "" << "Invalid Port Number";
        QTest::newRow("blank port") << "127.0.1.1" << "   " << "Invalid Port Number";
        QTest::newRow("port above 65535") << "127.0.1.1" << "65536" << "Invalid Port Number";
        QTest::newRow("port 99999") << "127.0.1.1" << "99999" << "Invalid Port Number";
        QTest::newRow("port 0") << "127.0.1.1" << "00000" << "Invalid Port Number";
        QTest::newRow("pasted text") << "127.0.1.1" << "8x7" << "Invalid Port Number";
    }
    void refusedBeforeScan()
    {
        QFETCH(QString, start);
        QFETCH(QString, port);
        m_list->addItem(QStringLiteral("line of an earlier scan"));
        m_startAddress->setText(start);
        m_controlPort->setText(port);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QFETCH(QString, message);
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QVERIFY(m_status->shown.isEmpty());
        QCOMPARE(m_list->count(), 1);
        QVERIFY(m_slowMode->isVisible());
        QVERIFY(!m_statusLabel->isVisible());
    }

    // The address order across the end of a third octet, and F2 stopping the
    // scan after the address it is trying.
    void scanOrderAndStop()
    {
        m_startAddress->setText(QStringLiteral("127.0.1.253"));
        m_controlPort->setText(SilentPort);
        m_status->when(QStringLiteral("Searching 127.0.2.2"),
                       [this] { QTest::keyClick(m_window->windowHandle(), Qt::Key_F2); });
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_status->shown,
                 searching({"127.0.1.253", "127.0.1.254", "127.0.1.255", "127.0.2.1", "127.0.2.2"}));
        QVERIFY(!m_window->isScanning());
        QVERIFY(!m_statusLabel->isVisible());
        QVERIFY(m_slowMode->isVisible());
        QCOMPARE(m_dialogs->messages, QStringList());
    }

    void scanEnds_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stopAt");
        QTest::addColumn<QStringList>("addresses");
        QTest::newRow("to x.x.255.255") << "127.0.255.252" << ""
                                        << QStringList{"127.0.255.252", "127.0.255.253", "127.0.255.254", "127.0.255.255"};
        QTest::newRow("last address only") << "127.0.255.255" << "" << QStringList{"127.0.255.255"};
        QTest::newRow("first groups as typed, last two as numbers")
            << "127.00.07.254" << "127.00.8.1" << QStringList{"127.00.7.254", "127.00.7.255", "127.00.8.1"};
    }
    void scanEnds()
    {
        QFETCH(QString, start);
        QFETCH(QString, stopAt);
        QFETCH(QStringList, addresses);
        m_startAddress->setText(start);
        m_controlPort->setText(SilentPort);
        if (!stopAt.isEmpty())
            m_status->when(QStringLiteral("Searching ") + stopAt, [this] { m_window->stopScan(); });
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_status->shown, searching(addresses));
        QVERIFY(!m_statusLabel->isVisible());
        QVERIFY(m_slowMode->isVisible());
        QCOMPARE(m_list->count(), 0);
    }

    // Readers found are listed, silent addresses skipped; a reply in two
    // pieces is listed once; a reply with more fields shows three.
    void readersListed()
    {
        m_simulator->addReader(readerConfig("127.0.3.1", "0050C2000301", "First"));
        SimulatedReader *split = m_simulator->addReader(readerConfig("127.0.3.3", "0050C2000303", "Split in two"));
        split->setFault(faultTarget::TcpIdentify, Fault::split(12, 80));
        SimulatedReader *extra = m_simulator->addReader(readerConfig("127.0.3.4", "0050C2000304", "Extra"));
        extra->setFault(faultTarget::TcpIdentify, Fault::replace("127.0.3.4:0050C2000304:Extra:87:more\r"));
        startSimulator();
        m_startAddress->setText(QStringLiteral("127.0.3.1"));
        m_controlPort->setText(QStringLiteral("87"));
        m_status->when(QStringLiteral("Searching 127.0.3.5"), [this] {
            saveScreenshot(QStringLiteral("widesearch-scanning.png"));
            QTest::mouseClick(m_window->stopSearchButton(), Qt::LeftButton);
        });
        QTest::mouseClick(m_window->startSearchButton(), Qt::LeftButton);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_status->shown, searching({"127.0.3.1", "127.0.3.2", "127.0.3.3", "127.0.3.4", "127.0.3.5"}));
        QCOMPARE(m_list->count(), 3);
        QCOMPARE(m_list->item(0)->text(), QStringLiteral("127.0.3.1           00 50 C2 00 03 01     First               "));
        QCOMPARE(m_list->item(1)->text(), QStringLiteral("127.0.3.3           00 50 C2 00 03 03     Split in two        "));
        QCOMPARE(m_list->item(2)->text(), QStringLiteral("127.0.3.4           00 50 C2 00 03 04     Extra               "));
        saveScreenshot(QStringLiteral("widesearch-results.png"));
        const QByteArray request("ZAVIDENTIFY\r");
        for (SimulatedReader *reader : m_simulator->readers())
            QCOMPARE(reader->receivedBytes(Channel::Control), request);
    }

    // F2 during a connection wait: the address runs to its end, the scan
    // stops, the lines found stay; later addresses are never tried.
    void stopKeepsLines()
    {
        m_simulator->addReader(readerConfig("127.0.4.1", "0050C2000401", "Found"));
        SimulatedReader *later = m_simulator->addReader(readerConfig("127.0.4.3", "0050C2000403", "Never"));
        startSimulator();
        m_startAddress->setText(QStringLiteral("127.0.4.1"));
        m_controlPort->setText(QStringLiteral("87"));
        m_status->when(QStringLiteral("Searching 127.0.4.2"),
                       [this] { QTest::keyClick(m_window->windowHandle(), Qt::Key_F2); });
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_status->shown, searching({"127.0.4.1", "127.0.4.2"}));
        QCOMPARE(m_list->count(), 1);
        QCOMPARE(addressFromListLine(m_list->item(0)->text()), QStringLiteral("127.0.4.1"));
        QCOMPARE(later->connectionCount(Channel::Control), 0);
    }

    // F1 during a scan neither restarts it nor runs a second one inside it.
    void secondStartIgnored()
    {
        m_startAddress->setText(QStringLiteral("127.0.255.253"));
        m_controlPort->setText(SilentPort);
        m_status->when(QStringLiteral("Searching 127.0.255.254"), [this] {
            QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
            QTest::mouseClick(m_window->startSearchButton(), Qt::LeftButton);
        });
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_status->shown, searching({"127.0.255.253", "127.0.255.254", "127.0.255.255"}));
        QCOMPARE(m_dialogs->messages, QStringList());
        QVERIFY(!m_window->isScanning());
    }

    // The double click hands over the address and the port text as it is now.
    void doubleClickUsesCurrentPort()
    {
        m_simulator->addReader(readerConfig("127.0.255.254", "0050C2000501", "Here"));
        startSimulator();
        m_startAddress->setText(QStringLiteral("127.0.255.254"));
        m_controlPort->setText(QStringLiteral("87"));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_list->count(), 1);
        m_controlPort->setText(QStringLiteral("1087"));
        QSignalSpy chosen(m_window, &WideSearchWindow::readerChosen);
        const QPoint at = m_list->visualItemRect(m_list->item(0)).center();
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("127.0.255.254"));
        QCOMPARE(chosen.at(0).at(1).toString(), QStringLiteral("1087"));
    }

    // The port is read for each address: an edit during the scan counts from
    // the next address on; a port text edited into no port skips addresses.
    void portEditedDuringScan()
    {
        m_simulator->addReader(readerConfig("127.0.255.252", "0050C2000601", "Edited"));
        m_simulator->addReader(readerConfig("127.0.255.254", "0050C2000602", "Skipped"));
        startSimulator();
        m_startAddress->setText(QStringLiteral("127.0.255.251"));
        m_controlPort->setText(SilentPort);
        m_status->when(QStringLiteral("Searching 127.0.255.251"), [this] {
            m_controlPort->setText(QStringLiteral("87"));
            m_status->when(QStringLiteral("Searching 127.0.255.253"),
                           [this] { m_controlPort->setText(QStringLiteral("99999")); });
        });
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_status->shown,
                 searching({"127.0.255.251", "127.0.255.252", "127.0.255.253", "127.0.255.254", "127.0.255.255"}));
        QCOMPARE(m_list->count(), 1);
        QCOMPARE(m_list->item(0)->text().mid(42).trimmed(), QStringLiteral("Edited"));
        QCOMPARE(m_dialogs->messages, QStringList());
    }

    // A window that goes away during a scan ends the scan without touching it.
    void windowClosedDuringScan()
    {
        QWidget holder;
        auto *window = new WideSearchWindow(*m_dialogs, &holder);
        holder.show();
        QPointer<WideSearchWindow> guard(window);
        window->startAddressEdit()->setText(QStringLiteral("127.0.255.250"));
        window->controlPortEdit()->setText(SilentPort);
        StatusRecorder status(window);
        status.when(QStringLiteral("Searching 127.0.255.252"), [window] { delete window; });
        window->startScan();
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(status.shown, searching({"127.0.255.250", "127.0.255.251", "127.0.255.252"}));
    }

    // Real timing: a silent address takes about 1 s, about 3 s in slow mode;
    // an address that connects and says nothing, 0.2 s after connecting.
    void silentAddressTiming_data()
    {
        QTest::addColumn<bool>("slow");
        QTest::addColumn<bool>("connects");
        QTest::addColumn<int>("expectedMs");
        QTest::newRow("normal") << false << false << 1000;
        QTest::newRow("slow mode") << true << false << 3000;
        QTest::newRow("connected, no reply") << false << true << 200;
    }
    void silentAddressTiming()
    {
        QFETCH(bool, slow);
        QFETCH(bool, connects);
        QFETCH(int, expectedMs);
        NestedNetwork silent(9);
        QTcpServer mute;
        QString start;
        if (connects) {
            start = QStringLiteral("127.0.255.255");
            QVERIFY(mute.listen(QHostAddress(start)));
            m_controlPort->setText(QString::number(mute.serverPort()));
        } else {
            start = QStringLiteral("10.99.255.255");
            QString error;
            QVERIFY2(silent.start({QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("echo up; exec sleep 60")},
                                  &error),
                     qPrintable(error));
            QVERIFY2(silent.routeThrough(QStringLiteral("10.99.0.0/16"), &error), qPrintable(error));
            // Until the far end holds its address the gateway does not
            // answer, and a connect through it fails after about 3 s
            // instead of going unanswered.
            QVERIFY(silent.waitForOutput("up", 10000));
            m_controlPort->setText(QStringLiteral("87"));
        }
        m_window->setLimits(WideSearchWindow::Limits());
        m_slowMode->setChecked(slow);
        m_startAddress->setText(start);
        QSignalSpy finished(m_window->searchEngine(), &WideScan::finished);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QVERIFY(finished.wait(expectedMs + 5000));
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(m_status->shown, searching({start}));
        QVERIFY2(elapsed >= expectedMs - 50, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed <= expectedMs + 700, qPrintable(QString::number(elapsed)));
    }

    // "Fast Mode" looks like "Slow Mode", stands in free space, is unchecked
    // when the window opens.
    void fastModeBox()
    {
        auto *fast = m_window->fastModeCheck();
        QVERIFY(fast);
        QCOMPARE(fast->text(), QStringLiteral("Fast Mode"));
        QCOMPARE(fast->font(), m_slowMode->font());
        QCOMPARE(fast->palette().color(QPalette::WindowText), m_slowMode->palette().color(QPalette::WindowText));
        QCOMPARE(fast->size(), m_slowMode->size());
        QCOMPARE(fast->y(), m_slowMode->y());
        QVERIFY(!fast->isChecked());
        QVERIFY(fast->isVisible());
        QVERIFY(m_window->rect().contains(fast->geometry()));
        // The text fits, and no other control shares its place.
        QVERIFY(fast->sizeHint().width() <= fast->width());
        for (QWidget *other : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != fast && other->isVisible())
                QVERIFY2(!other->geometry().intersects(fast->geometry()), qPrintable(other->objectName()));
        }
        saveScreenshot(QStringLiteral("widesearch-fast-mode.png"));
    }

    // Fast Mode finds the same readers as the serial scan, in the same order,
    // with the same lines; both boxes are hidden while it runs.
    void fastModeSameAsSerial()
    {
        m_simulator->addReader(readerConfig("127.0.255.241", "0050C2000701", "First"));
        m_simulator->addReader(readerConfig("127.0.255.243", "0050C2000703", "In pieces"))
            ->setFault(faultTarget::TcpIdentify, Fault::split(7, 20));
        m_simulator->addReader(readerConfig("127.0.255.246", "0050C2000706", "Slowish"))
            ->setFault(faultTarget::TcpIdentify, Fault::slow(60));
        m_simulator->addReader(readerConfig("127.0.255.250", "0050C2000710", "No CR"))
            ->setFault(faultTarget::TcpIdentify, Fault::replace("127.0.255.250:0050C2000710:No CR"));
        m_simulator->addReader(readerConfig("127.0.255.252", "0050C2000712", "=Last, \"one\""));
        startSimulator();
        m_startAddress->setText(QStringLiteral("127.0.255.240"));
        m_controlPort->setText(QStringLiteral("87"));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        const QStringList serial = listed();
        QCOMPARE(serial.size(), 4);
        const QList<QStringList> serialFields = csvFields();

        auto *fast = m_window->fastModeCheck();
        fast->setChecked(true);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QVERIFY(m_window->isScanning());
        QVERIFY(!fast->isVisible());
        QVERIFY(!m_slowMode->isVisible());
        QVERIFY(m_statusLabel->isVisible());
        QTRY_VERIFY(!m_window->isScanning());
        QVERIFY(fast->isVisible());
        QVERIFY(m_slowMode->isVisible());
        QVERIFY(!m_statusLabel->isVisible());
        QCOMPARE(listed(), serial);
        QCOMPARE(csvFields(), serialFields);
        QCOMPARE(serialFields.last(), (QStringList{"127.0.255.252", "0050C2000712", "=Last, \"one\"", "87"}));
        QCOMPARE(m_statusLabel->text(), QStringLiteral("Searched 16 addresses, up to 127.0.255.255"));
        QCOMPARE(m_dialogs->messages, QStringList());
        QVERIFY(fast->isChecked());
    }

    // F2 in Fast Mode: the scan ends at once, every connection is closed and
    // no address is tried after it.
    void fastModeStop()
    {
        QList<QTcpServer *> servers;
        int accepted = 0;
        int open = 0;
        quint16 port = 0;
        for (int i = 0; i < 40; ++i) {
            auto *server = new QTcpServer(this);
            servers.append(server);
            QVERIFY(server->listen(QHostAddress(QStringLiteral("127.0.255.%1").arg(200 + i)), port));
            port = server->serverPort();
            connect(server, &QTcpServer::newConnection, this, [&, server] {
                while (QTcpSocket *peer = server->nextPendingConnection()) {
                    ++accepted;
                    ++open;
                    connect(peer, &QTcpSocket::disconnected, this, [&, peer] {
                        --open;
                        peer->deleteLater();
                    });
                }
            });
        }
        m_window->fastModeCheck()->setChecked(true);
        m_startAddress->setText(QStringLiteral("127.0.255.200"));
        m_controlPort->setText(QString::number(port));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(accepted, 40);
        QVERIFY(m_window->isScanning());
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F2);
        QVERIFY(!m_window->isScanning());
        QVERIFY(m_slowMode->isVisible());
        QVERIFY(!m_statusLabel->isVisible());
        QTRY_COMPARE(open, 0);
        QCOMPARE(accepted, 40);
        QCOMPARE(m_list->count(), 0);
        qDeleteAll(servers);
    }

    // Real timing: 56 silent addresses in Fast Mode take about 1 s in all.
    void fastModeSilentTiming()
    {
        NestedNetwork silent(9);
        QString error;
        QVERIFY2(silent.start({QStringLiteral("sleep"), QStringLiteral("60")}, &error), qPrintable(error));
        QVERIFY2(silent.routeThrough(QStringLiteral("10.99.0.0/16"), &error), qPrintable(error));
        m_window->setLimits(WideSearchWindow::Limits());
        m_window->fastModeCheck()->setChecked(true);
        m_startAddress->setText(QStringLiteral("10.99.255.200"));
        m_controlPort->setText(QStringLiteral("87"));
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isScanning(), 10000);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 950 && elapsed < 2500, qPrintable(QString::number(elapsed)));
        QCOMPARE(m_statusLabel->text(), QStringLiteral("Searched 56 addresses, up to 10.99.255.255"));
        QCOMPARE(m_list->count(), 0);
    }

    // A window closed or destroyed during a scan, serial or Fast Mode, stops
    // it and closes its connections with it.
    void windowClosedMidScan_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("serial, closed") << false << false;
        QTest::newRow("serial, destroyed") << false << true;
        QTest::newRow("fast mode, closed") << true << false;
        QTest::newRow("fast mode, destroyed") << true << true;
    }
    void windowClosedMidScan()
    {
        QFETCH(bool, fast);
        QFETCH(bool, destroyed);
        QTcpServer mute;
        QVERIFY(mute.listen(QHostAddress(QStringLiteral("127.0.255.254"))));
        auto *window = new WideSearchWindow(*m_dialogs);
        QPointer<WideSearchWindow> guard(window);
        QList<QTcpSocket *> peers;
        // Closed the moment its request connection is accepted, well inside
        // the address's limits.
        connect(&mute, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket *peer = mute.nextPendingConnection())
                peers.append(peer);
            if (destroyed)
                delete guard;
            else if (guard)
                guard->close();
        });
        window->show();
        window->fastModeCheck()->setChecked(fast);
        window->startAddressEdit()->setText(QStringLiteral("127.0.255.254"));
        window->controlPortEdit()->setText(QString::number(mute.serverPort()));
        window->startScan();
        QVERIFY(window->isScanning());
        QTRY_COMPARE(peers.size(), 1);
        QTRY_VERIFY(guard.isNull() || !guard->isVisible());
        if (guard)
            QVERIFY(!guard->isScanning());
        QTRY_COMPARE(peers.first()->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(peers.size(), 1);
        QCOMPARE(m_dialogs->messages, QStringList());
        qDeleteAll(peers);
        delete guard;
    }

    // The wide-area list saves as CSV with the port each reader was asked on;
    // the same CSV is kept for "Compare With Last Search" when the scan ends.
    void saveListAsCsv()
    {
        QTemporaryDir dir;
        m_window->keepLastSearchIn(dir.path());
        m_simulator->addReader(readerConfig("127.0.255.254", "0050C2000801", "@Gate"));
        startSimulator();
        m_startAddress->setText(QStringLiteral("127.0.255.254"));
        m_controlPort->setText(QStringLiteral("87"));
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!m_window->isScanning());
        QCOMPARE(m_list->count(), 1);
        const QString path = dir.filePath(QStringLiteral("wide.csv"));
        m_dialogs->saveAnswers.enqueue(path);
        m_window->listMenu()->saveListAs();
        for (const QString &name : {path, dir.filePath(WideSearchWindow::KeptListName)}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(),
                     QByteArray("\xEF\xBB\xBFIP Address,MAC Address,Reader Identification,Control Port\r\n"
                                "127.0.255.254,0050C2000801,'@Gate,87\r\n"));
        }
    }

private:
    // With ZAV_SCREENSHOT_DIR set, keeps a picture of the window for review.
    void saveScreenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("ZAV_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            m_window->grab().save(dir + QLatin1Char('/') + name);
    }
    QStringList listed() const
    {
        QStringList texts;
        for (int row = 0; row < m_list->count(); ++row)
            texts.append(m_list->item(row)->text());
        return texts;
    }
    QList<QStringList> csvFields() const
    {
        QList<QStringList> rows;
        for (int row = 0; row < m_list->count(); ++row)
            rows.append(m_list->item(row)->data(ReaderListMenu::CsvFieldsRole).toStringList());
        return rows;
    }
    void startSimulator()
    {
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
    }

    ScriptedDialogs *m_dialogs = nullptr;
    ReaderSimulator *m_simulator = nullptr;
    WideSearchWindow *m_window = nullptr;
    QListWidget *m_list = nullptr;
    QLineEdit *m_startAddress = nullptr;
    QLineEdit *m_controlPort = nullptr;
    QLabel *m_statusLabel = nullptr;
    QCheckBox *m_slowMode = nullptr;
    StatusRecorder *m_status = nullptr;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestWideSearchWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_widesearchwindow.moc"
