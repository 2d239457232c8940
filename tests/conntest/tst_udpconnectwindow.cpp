#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "terminalview.h"
#include "udpconnectwindow.h"
#include "uikit.h"
#include "windowtesting.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <memory>

using namespace conntesting;

// UDP Connect against a simulated reader in UDP mode, which sends to the
// window's receive port 57.
class TestUdpConnectWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        m_simulator = std::make_unique<ReaderSimulator>();
        m_simulator->setMulticastEnabled(false);
        ReaderConfig config;
        config.address = QHostAddress(QStringLiteral("127.0.0.7"));
        config.mode = '2';
        config.serverAddress = "127.0.0.1";
        config.serverPort = 57;
        config.data.echo = false;
        m_reader = m_simulator->addReader(config);
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_window = std::make_unique<UdpConnectWindow>(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->addressEdit()->setText(QStringLiteral("127.0.0.7"));
        m_statuses = std::make_unique<QSignalSpy>(m_window.get(), &ConnectionWindow::statusChanged);
    }
    void cleanup()
    {
        m_statuses.reset();
        m_window.reset();
        m_dialogs.reset();
        m_simulator.reset();
    }

    // Every key is one datagram of one byte to the reader's data port; every
    // datagram received is drawn red with its sender in the status line.
    void listenSendAndReceive()
    {
        click(m_window->listenButton());
        QCOMPARE(texts(*m_statuses), QStringList{"Online"});
        QVERIFY(m_window->terminal().connected());
        QVERIFY(m_window->terminalView()->hasFocus());

        type(m_window.get(), "ab");
        key(m_window.get(), Qt::Key_Return);
        key(m_window.get(), Qt::Key_F10);
        altCode(m_window.get(), "0233");
        const QList<QByteArray> datagrams{"a", "b", "\r", QByteArray(1, '\0'), "\xe9"};
        QTRY_COMPARE(m_reader->connectionCount(Channel::Data), datagrams.size());
        const QList<ReceivedChunk> chunks = m_reader->received(Channel::Data);
        for (int i = 0; i < datagrams.size(); ++i) {
            QCOMPARE(chunks.at(i).bytes, datagrams.at(i));
            QCOMPARE(chunks.at(i).connection, i + 1);
        }

        QVERIFY(m_reader->sendData("AB\r"));
        QTRY_COMPARE(m_window->status(), QStringLiteral("Receipt from 127.0.0.7"));
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("kakbk<0D>k<00>k<E9>rArBr<0D>"));
        screenshot(m_window.get(), QStringLiteral("conntest-udpconnect-online"));

        // A datagram from any sender is shown.
        QUdpSocket other;
        QVERIFY(other.bind(QHostAddress(QStringLiteral("127.0.0.9")), 0));
        other.writeDatagram("~", QHostAddress(QStringLiteral("127.0.0.1")), 57);
        QTRY_COMPARE(m_window->status(), QStringLiteral("Receipt from 127.0.0.9"));
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("kakbk<0D>k<00>k<E9>rArBr<0D>r<7E>"));

        click(m_window->stopButton());
        QCOMPARE(m_window->status(), QStringLiteral("Offline"));
        QVERIFY(!m_window->terminal().connected());
        type(m_window.get(), "x");
        QTest::qWait(50);
        QCOMPARE(m_reader->connectionCount(Channel::Data), datagrams.size());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void refused_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("receivePort");
        QTest::addColumn<QString>("dataPort");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad address") << "127.0.0" << "57" << "53002" << "Invalid IP Address";
        // Loose enough for the address check, but no address to send to.
        QTest::newRow("letters") << "a.b.c.d" << "57" << "53002" << "Invalid IP Address";
        QTest::newRow("empty first group") << ".1.2.3" << "57" << "53002" << "Invalid IP Address";
        QTest::newRow("blank receive port") << "127.0.0.7" << " " << "53002" << "Invalid Receive Port";
        QTest::newRow("receive port 0") << "127.0.0.7" << "0" << "53002" << "Invalid Receive Port";
        QTest::newRow("receive port 65536") << "127.0.0.7" << "65536" << "53002" << "Invalid Receive Port";
        QTest::newRow("blank data port") << "127.0.0.7" << "57" << "" << "Invalid Data Port";
        QTest::newRow("data port not a number") << "127.0.0.7" << "57" << "5x" << "Invalid Data Port";
        QTest::newRow("data port 0") << "127.0.0.7" << "57" << "0" << "Invalid Data Port";
        QTest::newRow("data port 99999") << "127.0.0.7" << "57" << "99999" << "Invalid Data Port";
        QTest::newRow("data port negative") << "127.0.0.7" << "57" << "-1" << "Invalid Data Port";
    }
    void refused()
    {
        QFETCH(QString, address);
        QFETCH(QString, receivePort);
        QFETCH(QString, dataPort);
        QFETCH(QString, message);
        m_window->addressEdit()->setText(address);
        m_window->receivePortEdit()->setText(receivePort);
        m_window->dataPortEdit()->setText(dataPort);
        click(m_window->listenButton());
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QVERIFY(m_statuses->isEmpty());
        QVERIFY(!m_window->terminal().connected());
        QCOMPARE(m_window->session()->dataLink()->state(), DataLink::Closed);
    }

    // Listen again while online binds anew; the session goes on.
    // A file goes out as datagrams of at most 1024 bytes that together are the file.
    void sendFileAsDatagrams()
    {
        click(m_window->listenButton());
        QTemporaryDir folder;
        QByteArray file(200 * 1024 + 5, Qt::Uninitialized);
        for (qsizetype i = 0; i < file.size(); ++i)
            file[i] = char(i % 251);
        const QString path = folder.filePath(QStringLiteral("data.bin"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        m_dialogs->fileAnswers.enqueue(path);
        m_window->sendFile();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isSending(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_reader->received(Channel::Data).size(), (file.size() + 1023) / 1024, 5000);
        QByteArray joined;
        for (const ReceivedChunk &chunk : m_reader->received(Channel::Data)) {
            QVERIFY(chunk.bytes.size() <= 1024);
            joined += chunk.bytes;
        }
        QCOMPARE(joined, file);
    }

    void listenTwice()
    {
        click(m_window->listenButton());
        QVERIFY(m_reader->sendData("1"));
        QTRY_COMPARE(m_window->status(), QStringLiteral("Receipt from 127.0.0.7"));
        click(m_window->listenButton());
        QCOMPARE(m_window->status(), QStringLiteral("Online"));
        QVERIFY(m_window->terminal().connected());
        QVERIFY(m_reader->sendData("2"));
        QTRY_COMPARE(screenText(m_window.get()), QStringLiteral("r1r2"));
    }

    void stopWithoutListen()
    {
        click(m_window->stopButton());
        QCOMPARE(texts(*m_statuses), QStringList{"Offline"});
        QVERIFY(m_dialogs->messages.isEmpty());
    }

private:
    std::unique_ptr<ReaderSimulator> m_simulator;
    SimulatedReader *m_reader = nullptr;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<UdpConnectWindow> m_window;
    std::unique_ptr<QSignalSpy> m_statuses;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestUdpConnectWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_udpconnectwindow.moc"
