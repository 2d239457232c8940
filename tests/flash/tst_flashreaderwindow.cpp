#include "defaults.h"
#include "downloadsession.h"
#include "flashreaderwindow.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "resources.h"
#include "scripteddialogs.h"
#include "twips.h"
#include "uikit.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <time.h>

#include <functional>

Q_DECLARE_METATYPE(Fault)

// One control of the window, reached through its accessor.
using Control = std::function<QWidget *(const FlashReaderWindow &)>;
Q_DECLARE_METATYPE(Control)

// The firmware download window against a simulated reader in this process.
// Most tests shorten the limits: a reader that answers still has time to
// spare, one that does not is given up on sooner. One test keeps the real 5
// seconds for an acknowledgement, one the real pause after the restart.
namespace {
const QString ReaderAddress = QStringLiteral("127.0.0.2");
const QString Password = QStringLiteral("58203");
const QString Question =
    QStringLiteral("The Download is complete - Do you wish to restart the reader now with the new firmware?");
const QString NotResponding = QStringLiteral("Reader is not responding");
constexpr int ShortAcknowledgementMs = 1000;
constexpr int ShortRestartPauseMs = 150;
// How long a test waits to see that nothing more is sent.
constexpr int QuietMs = 400;

DownloadSession::Limits shortLimits()
{
    DownloadSession::Limits limits;
    limits.acknowledgementMs = ShortAcknowledgementMs;
    limits.restartMs = ShortRestartPauseMs;
    return limits;
}

QString status(const QString &state)
{
    return QStringLiteral("Current Status:   ") + state;
}

// An image whose blocks differ, so that order and content can be told apart.
QByteArray imageContent(int length)
{
    QByteArray content(length, '\0');
    for (int i = 0; i < length; ++i)
        content[i] = char((i / 1024) * 37 + i * 7);
    return content;
}

QByteArray announce(int blocks)
{
    return QByteArray("A") + char(blocks) + QByteArray(1023, ' ');
}

// TCP connections of this network namespace that are established towards
// the given remote port (the program's side of its connections).
int establishedTo(quint16 port)
{
    QFile table(QStringLiteral("/proc/self/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return -1;
    int count = 0;
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 4 || fields.at(0) == "sl")
            continue;
        const QByteArray remotePort = fields.at(2).mid(fields.at(2).indexOf(':') + 1);
        if (remotePort.toUInt(nullptr, 16) == port && fields.at(3) == "01")
            ++count;
    }
    return count;
}

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// Whether this process holds the file open.
bool fileHeldOpen(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::Files | QDir::System)) {
        if (QFile::symLinkTarget(fds.filePath(fd)) == target)
            return true;
    }
    return false;
}
} // namespace

class TestFlashReaderWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZAV_REQUIRE_PRIVATE_NETWORK();
        QVERIFY(m_files.isValid());
    }

    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_window = new FlashReaderWindow(*m_dialogs);
        m_window->setLimits(shortLimits());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_simulator = new ReaderSimulator;
        m_simulator->setMulticastEnabled(false);
        ReaderConfig config;
        config.address = QHostAddress(ReaderAddress);
        m_reader = m_simulator->addReader(config);
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
    }

    void cleanup()
    {
        delete m_window.data();
        delete m_simulator;
        delete m_dialogs;
    }

    void controlsAtLoad_data()
    {
        QTest::addColumn<Control>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::newRow("heading") << Control(&FlashReaderWindow::headingLabel) << "headingLabel"
                                 << "Flash Download new firmware into Reader" << twipsRect(960, 120, 6855, 315);
        QTest::newRow("address label") << Control(&FlashReaderWindow::addressLabel) << "addressLabel" << "IP Address"
                                       << twipsRect(660, 840, 1635, 315);
        QTest::newRow("address") << Control(&FlashReaderWindow::addressEdit) << "addressEdit" << ""
                                 << twipsRect(2520, 840, 1635, 315);
        QTest::newRow("port label") << Control(&FlashReaderWindow::controlPortLabel) << "controlPortLabel"
                                    << "Control Port Number" << twipsRect(4740, 840, 1875, 315);
        QTest::newRow("port") << Control(&FlashReaderWindow::controlPortEdit) << "controlPortEdit" << ""
                              << twipsRect(6840, 840, 1635, 315);
        QTest::newRow("password label") << Control(&FlashReaderWindow::passwordLabel) << "passwordLabel" << "Password"
                                        << twipsRect(4740, 1260, 1815, 315);
        QTest::newRow("password") << Control(&FlashReaderWindow::passwordEdit) << "passwordEdit" << ""
                                  << twipsRect(6840, 1260, 1635, 315);
        QTest::newRow("select") << Control(&FlashReaderWindow::browseButton) << "browseButton" << "Select File"
                                << twipsRect(600, 1980, 1755, 315);
        QTest::newRow("file") << Control(&FlashReaderWindow::fileLabel) << "fileLabel" << " None Selected"
                              << twipsRect(2580, 1980, 7935, 315);
        QTest::newRow("start") << Control(&FlashReaderWindow::downloadButton) << "downloadButton" << "Start Download"
                               << twipsRect(600, 3300, 1755, 315);
        QTest::newRow("abort") << Control(&FlashReaderWindow::abortButton) << "abortButton" << "Abort Download"
                               << twipsRect(600, 3900, 1755, 315);
        QTest::newRow("status") << Control(&FlashReaderWindow::statusLabel) << "statusLabel"
                                << "Current Status:   Not Connected" << twipsRect(2580, 3540, 7875, 315);
    }
    void controlsAtLoad()
    {
        QFETCH(Control, control);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QCOMPARE(m_window->objectName(), QStringLiteral("flashReader"));
        QWidget *widget = control(*m_window);
        QCOMPARE(widget->objectName(), name);
        QCOMPARE(widget->geometry(), place);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(label->text(), caption);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        } else {
            QCOMPARE(qobject_cast<QLineEdit *>(widget)->text(), caption);
        }
    }

    void otherControls()
    {
        QCOMPARE(m_window->addressEdit()->maxLength(), 15);
        QCOMPARE(m_window->controlPortEdit()->maxLength(), 5);
        QCOMPARE(m_window->passwordEdit()->maxLength(), 5);
        QStringList shapes;
        for (const ShapeWidget *shape : m_window->findChildren<ShapeWidget *>())
            shapes.append(shape->objectName());
        shapes.sort();
        QCOMPARE(shapes, (QStringList{"abortButtonShape", "browseButtonShape", "downloadButtonShape"}));
        QCOMPARE(m_window->downloadSession()->objectName(), QStringLiteral("downloadSession"));
        QVERIFY(!m_window->downloadSession()->isRunning());
    }

    void fileDialogCancelKeepsChoice()
    {
        const QString first = writeImage(QStringLiteral("first.bin"), 1024);
        m_dialogs->fileAnswers.enqueue(first);
        m_dialogs->fileAnswers.enqueue(QString());
        click(m_window->browseButton());
        QCOMPARE(m_window->fileLabel()->text(), first);
        click(m_window->browseButton());
        QCOMPARE(m_window->fileLabel()->text(), first);
        QCOMPARE(m_dialogs->fileRequests.size(), 2);
        for (const Dialogs::FileRequest &request : std::as_const(m_dialogs->fileRequests)) {
            QCOMPARE(request.defaultExtension, QStringLiteral("bin"));
            QCOMPARE(request.proposedName, QStringLiteral("zavtcp.bin"));
            QCOMPARE(request.filters, (QStringList{"Binary Files (*.bin)", "All Files (*.*)"}));
            QVERIFY(request.mustExist);
        }
        // The choice is the one downloaded.
        fill();
        runDownload();
        QCOMPARE(imageSent(), imageContent(1024));
    }

    void threeBlocksThenNo()
    {
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        QStringList statuses;
        QString duringShot = QStringLiteral("/tmp/flashdl-during.png");
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel != Channel::Download)
                return;
            const QString text = m_window->statusLabel()->text();
            if (statuses.isEmpty() || statuses.constLast() != text)
                statuses.append(text);
            if (text.endsWith(QLatin1String("block 1 of 3")) && !duringShot.isEmpty()) {
                QVERIFY(m_window->grab().save(duringShot));
                duringShot.clear();
            }
        });
        runDownload();

        QCOMPARE(statuses, (QStringList{status("Reader Connected, Preparing Flash"),
                                        status("Downloading block 1 of 3"), status("Downloading block 2 of 3"),
                                        status("Downloading block 3 of 3")}));
        QCOMPARE(m_reader->receivedBytes(Channel::Control), QByteArray("PASS58203\r"));
        const QByteArray sent = m_reader->receivedBytes(Channel::Download);
        const QByteArray image = imageContent(3072);
        QCOMPARE(sent.size(), 4 * 1025);
        QCOMPARE(sent.left(1025), announce(3));
        for (int block = 0; block < 3; ++block)
            QCOMPARE(sent.mid(1025 * (block + 1), 1025), QByteArray("B") + image.mid(1024 * block, 1024));
        QCOMPARE(m_reader->firmwareImage(), QByteArray()); // not restarted

        QCOMPARE(m_dialogs->questions, QStringList{Question});
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(m_window->statusLabel()->text(), status("Download Complete"));
        QCOMPARE(establishedTo(defaults::DownloadPort), 0);
        QCOMPARE(establishedTo(87), 0);
        QVERIFY(!fileHeldOpen(path));
        QCOMPARE(m_reader->receivedBytes(Channel::Download).size(), 4 * 1025);
        QVERIFY(!m_window->downloadRunning());
        QVERIFY(m_window->grab().save(QStringLiteral("/tmp/flashdl-after.png")));
    }

    void yesSendsRestartAndPausesTwoSeconds()
    {
        DownloadSession::Limits limits = shortLimits();
        limits.restartMs = DownloadSession::Limits().restartMs;
        m_window->setLimits(limits);
        choose(writeImage(QStringLiteral("one.bin"), 1024));
        fill();
        m_dialogs->questionAnswers.enqueue(true);
        QElapsedTimer pause;
        m_dialogs->whileOpen = [&](const QString &) { pause.start(); };
        runDownload();
        const qint64 elapsed = pause.elapsed();
        QVERIFY2(elapsed >= 1950 && elapsed < 4000, qPrintable(QString::number(elapsed)));
        const QByteArray sent = m_reader->receivedBytes(Channel::Download);
        QCOMPARE(sent.size(), 3 * 1025);
        QCOMPARE(sent.right(1025), QByteArray("D") + QByteArray(1024, ' '));
        QCOMPARE(m_reader->firmwareImage(), imageContent(1024));
        QCOMPARE(m_window->statusLabel()->text(), status("Download Complete"));
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
    }

    void acknowledgementInPieces()
    {
        m_reader->setFault(faultTarget::DownloadAnnounce, Fault::split(1, 60));
        m_reader->setFault(faultTarget::DownloadBlock, Fault::split(2, 60));
        choose(writeImage(QStringLiteral("two.bin"), 2048));
        fill();
        runDownload();
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(m_dialogs->questions, QStringList{Question});
        QCOMPARE(imageSent(), imageContent(2048));
    }

    // At its real timing: the wait for an acknowledgement gives up 5 seconds
    // after the announce.
    void silentAnnounceTimesOutAfterFiveSeconds()
    {
        m_window->setLimits(DownloadSession::Limits());
        m_reader->setFault(faultTarget::DownloadAnnounce, Fault::noAnswer());
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        QElapsedTimer sinceAnnounce;
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download && !sinceAnnounce.isValid())
                sinceAnnounce.start();
        });
        qint64 elapsed = -1;
        m_dialogs->whileOpen = [&](const QString &text) {
            if (text != NotResponding)
                return;
            elapsed = sinceAnnounce.elapsed();
            // Both connections and the file are closed before the message.
            QCOMPARE(establishedTo(defaults::DownloadPort), 0);
            QCOMPARE(establishedTo(87), 0);
            QVERIFY(!fileHeldOpen(path));
        };
        const double cpuBefore = processCpuSeconds();
        runDownload();
        // Waiting is sleeping: a busy loop would burn about 5 CPU seconds here.
        const double cpuUsed = processCpuSeconds() - cpuBefore;
        QVERIFY2(cpuUsed < 1.0, qPrintable(QString::number(cpuUsed)));
        QCOMPARE(m_dialogs->messages, QStringList{NotResponding});
        QVERIFY2(elapsed >= 4900 && elapsed < 7000, qPrintable(QString::number(elapsed)));
        QCOMPARE(m_reader->receivedBytes(Channel::Download), announce(3));
        QCOMPARE(m_window->statusLabel()->text(), status("Reader Connected, Preparing Flash"));
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
        QVERIFY(m_dialogs->questions.isEmpty());
    }

    void wrongAcknowledgementOfBlock_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("OK CR LF") << Fault::okCrLf();
        QTest::newRow("lower case") << Fault::lowerCaseOk();
        QTest::newRow("OK without CR") << Fault::replace("OK");
        QTest::newRow("extra byte") << Fault::extraBytes("\r");
        QTest::newRow("no answer") << Fault::noAnswer();
        QTest::newRow("connection reset") << Fault::resetMidway();
    }
    void wrongAcknowledgementOfBlock()
    {
        QFETCH(Fault, fault);
        m_reader->setFault(faultTarget::DownloadBlock, fault.afterSkipping(1));
        choose(writeImage(QStringLiteral("three.bin"), 3072));
        fill();
        runDownload();
        QCOMPARE(m_dialogs->messages, QStringList{NotResponding});
        QCOMPARE(m_window->statusLabel()->text(), status("Downloading block 2 of 3"));
        QCOMPARE(m_reader->receivedBytes(Channel::Download).size(), 3 * 1025);
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
        QVERIFY(m_dialogs->questions.isEmpty());
    }

    // An abort asked for while the announce waits is carried out after block
    // 1; the next download is not affected by it.
    void abortDuringAnnounce()
    {
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        bool clicked = false;
        auto hook = connect(m_reader, &SimulatedReader::bytesReceived, this,
                            [&](Channel channel, int, const QByteArray &) {
                                if (channel == Channel::Download && !clicked) {
                                    clicked = true;
                                    click(m_window->abortButton());
                                }
                            });
        runDownload();
        disconnect(hook);
        QCOMPARE(m_reader->receivedBytes(Channel::Download).size(), 2 * 1025);
        QCOMPARE(m_window->statusLabel()->text(), status("Download Aborted"));
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(m_dialogs->questions.isEmpty());
        QVERIFY(!fileHeldOpen(path));
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);

        m_reader->clearRecord();
        runDownload();
        QCOMPARE(m_reader->receivedBytes(Channel::Download).size(), 4 * 1025);
        QCOMPARE(m_dialogs->questions, QStringList{Question});
    }

    // An abort click that was not carried out (no download ran, or it came
    // during the last block) does not cut the next download short.
    void staleAbortIsCleared_data()
    {
        QTest::addColumn<bool>("duringLastBlock");
        QTest::newRow("while idle") << false;
        QTest::newRow("during the last block") << true;
    }
    void staleAbortIsCleared()
    {
        QFETCH(bool, duringLastBlock);
        choose(writeImage(QStringLiteral("three.bin"), 3072));
        fill();
        if (duringLastBlock) {
            auto hook = connect(m_reader, &SimulatedReader::bytesReceived, this,
                                [&](Channel channel, int, const QByteArray &) {
                                    if (channel == Channel::Download
                                        && m_window->statusLabel()->text().endsWith(QLatin1String("3 of 3")))
                                        click(m_window->abortButton());
                                });
            runDownload();
            disconnect(hook);
            QCOMPARE(m_reader->receivedBytes(Channel::Download).size(), 4 * 1025);
            QCOMPARE(m_dialogs->questions.size(), 1);
        } else {
            click(m_window->abortButton());
        }
        m_reader->clearRecord();
        m_dialogs->clear();
        runDownload();
        QCOMPARE(m_reader->receivedBytes(Channel::Download).size(), 4 * 1025);
        QCOMPARE(m_dialogs->questions, QStringList{Question});
        QCOMPARE(m_window->statusLabel()->text(), status("Download Complete"));
    }

    void refusedBeforeAnythingIsOpened_data()
    {
        QTest::addColumn<int>("imageLength"); // -1: no file chosen, -2: chosen, then removed
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        const QString noFile = QStringLiteral("A File must be selected for Download");
        const QString badAddress = QStringLiteral("Invalid IP Address");
        const QString badPort = QStringLiteral("Invalid Control Port");
        const QString badPassword = QStringLiteral("A 5 character password must be entered");
        const QString ip = ReaderAddress;
        QTest::newRow("no file, everything else wrong too") << -1 << "" << "" << "" << noFile;
        QTest::newRow("bad address") << 1024 << "1.2.3" << "87" << Password << badAddress;
        QTest::newRow("bad address before bad port") << 1024 << "1.2.3.256" << "" << "" << badAddress;
        QTest::newRow("blank port") << 1024 << ip << "   " << Password << badPort;
        QTest::newRow("port 0") << 1024 << ip << "0" << Password << badPort;
        QTest::newRow("port 65536") << 1024 << ip << "65536" << Password << badPort;
        QTest::newRow("port not a number") << 1024 << ip << "8x" << Password << badPort;
        QTest::newRow("port before password") << 1024 << ip << "-87" << "1" << badPort;
        QTest::newRow("leading blank and four characters") << 1024 << ip << "87" << " 5820" << badPassword;
        QTest::newRow("four characters") << 1024 << ip << "87" << "5820" << badPassword;
        QTest::newRow("blanks only") << 1024 << ip << "87" << "     " << badPassword;
        QTest::newRow("empty image") << 0 << ip << "87" << Password << "is empty";
        QTest::newRow("one byte") << 1 << ip << "87" << Password
                                  << "The selected file (1 bytes) is not a whole number of 1024-byte blocks and cannot "
                                     "be downloaded.\nA firmware image is 1 to 255 blocks of 1024 bytes (1024 to "
                                     "261120 bytes).";
        QTest::newRow("one block and a byte") << 1025 << ip << "87" << Password << "(1025 bytes) is not a whole";
        QTest::newRow("255 blocks and a byte") << 261121 << ip << "87" << Password << "not a whole number";
        QTest::newRow("256 blocks") << 262144 << ip << "87" << Password << "(262144 bytes) is too large";
        QTest::newRow("removed after the choice") << -2 << ip << "87" << Password << "cannot be opened";
        QTest::newRow("a folder") << -3 << ip << "87" << Password << "cannot be opened";
        QTest::newRow("1000 bytes") << 1000 << ip << "87" << Password << "(1000 bytes) is not a whole number";
        QTest::newRow("300,000 bytes") << 300000 << ip << "87" << Password << "not a whole number";
        QTest::newRow("300 blocks") << 300 * 1024 << ip << "87" << Password << "(307200 bytes) is too large";
        QTest::newRow("port pasted with letters") << 1024 << ip << "abc" << Password << badPort;
        QTest::newRow("port with a letter behind") << 1024 << ip << "87a" << Password << badPort;
        QTest::newRow("port with a blank inside") << 1024 << ip << "8 7" << Password << badPort;
        QTest::newRow("port 99999") << 1024 << ip << "99999" << Password << badPort;
        QTest::newRow("port 00000") << 1024 << ip << "00000" << Password << badPort;
        QTest::newRow("address of blanks") << 1024 << "   " << "87" << Password << badAddress;
        QTest::newRow("blank makes a group of four") << 1024 << "127 .0.0.2" << "87" << Password << badAddress;
        QTest::newRow("password with a blank behind") << 1024 << ip << "87" << "5820 " << badPassword;
        QTest::newRow("password with blanks around") << 1024 << ip << "87" << " 582 " << badPassword;
    }
    void refusedBeforeAnythingIsOpened()
    {
        QFETCH(int, imageLength);
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(QString, password);
        QFETCH(QString, message);
        if (imageLength == -3)
            choose(m_files.path());
        else if (imageLength != -1)
            choose(writeImage(QStringLiteral("image.bin"), imageLength == -2 ? 1024 : imageLength));
        if (imageLength == -2)
            QVERIFY(QFile::remove(m_files.filePath(QStringLiteral("image.bin"))));
        fill(address, port, password);
        runDownload();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY2(m_dialogs->messages.constFirst().contains(message), qPrintable(m_dialogs->messages.constFirst()));
        QCOMPARE(m_reader->connectionCount(Channel::Control), 0);
        QCOMPARE(m_reader->connectionCount(Channel::Download), 0);
        QCOMPARE(m_window->statusLabel()->text(), status("Not Connected"));
    }

    // The file disappears while the connections are being made: both
    // connections are closed and nothing is sent on the download port.
    void fileRemovedWhileConnecting()
    {
        const QString path = writeImage(QStringLiteral("gone.bin"), 2048);
        choose(path);
        fill();
        connect(m_reader, &SimulatedReader::loggedIn, this, [path] { QFile::remove(path); });
        runDownload();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages.constFirst().contains(QLatin1String("cannot be opened")));
        QCOMPARE(m_reader->receivedBytes(Channel::Download), QByteArray());
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
    }

    void fileShortenedDuringDownload()
    {
        const QString path = writeImage(QStringLiteral("short.bin"), 3072);
        choose(path);
        fill();
        connect(m_reader, &SimulatedReader::bytesReceived, this, [path](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download)
                QFile::resize(path, 1024);
        });
        runDownload();
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages.constFirst().contains(QLatin1String("could not be read")));
        QVERIFY(!fileHeldOpen(path));
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
        QVERIFY(m_dialogs->questions.isEmpty());
    }

    void controlPortNotReached_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<Fault>("loginFault");
        QTest::newRow("nobody listens") << QStringLiteral("127.0.0.3") << Fault();
        QTest::newRow("password not acknowledged") << ReaderAddress << Fault::noAnswer();
        QTest::newRow("OK CR LF to the password") << ReaderAddress << Fault::okCrLf();
    }
    void controlPortNotReached()
    {
        QFETCH(QString, address);
        QFETCH(Fault, loginFault);
        if (loginFault.kind != Fault::None)
            m_reader->setFault("PASS", loginFault);
        choose(writeImage(QStringLiteral("one.bin"), 1024));
        fill(address);
        runDownload();
        QCOMPARE(m_dialogs->messages, QStringList{"Unable to connect to Control Port"});
        QCOMPARE(m_window->statusLabel()->text(), status("Connecting to Control Port"));
        QCOMPARE(m_reader->connectionCount(Channel::Download), 0);
        QTRY_COMPARE(establishedTo(87), 0);
    }

    void downloadPortNotReached()
    {
        // A control port that accepts any password, at an address where no
        // download port listens.
        QTcpServer control;
        QVERIFY(control.listen(QHostAddress(QStringLiteral("127.0.0.4")), 87));
        connect(&control, &QTcpServer::newConnection, this, [&control] {
            QTcpSocket *peer = control.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, peer, [peer] {
                if (peer->readAll().endsWith('\r'))
                    peer->write("OK\r");
            });
        });
        choose(writeImage(QStringLiteral("one.bin"), 1024));
        fill(QStringLiteral("127.0.0.4"));
        runDownload();
        QCOMPARE(m_dialogs->messages, QStringList{"Unable to connect to Download Port"});
        QCOMPARE(m_window->statusLabel()->text(), status("Control Port Connected, Connecting to Download Port"));
        QTRY_COMPARE(establishedTo(87), 0);
    }

    // Blanks in the address. They count towards a group of the address
    // check; where the check lets them through, blanks at either end are
    // taken off, and a blank inside is no address: the failed-connect message
    // comes at once, with nothing sent to any reader.
    void addressesWithBlanks_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message"); // empty: the download runs
        const QString unable = QStringLiteral("Unable to connect to Control Port");
        QTest::newRow("blank before a group of three") << " 127.0.0.2" << "Invalid IP Address";
        QTest::newRow("blank behind") << "127.0.0.2 " << "";
        QTest::newRow("blank inside the last group") << "127.0.0. 2" << unable;
        QTest::newRow("blank inside the first group") << "1 7.0.0.2" << unable;
    }
    void addressesWithBlanks()
    {
        QFETCH(QString, address);
        QFETCH(QString, message);
        choose(writeImage(QStringLiteral("one.bin"), 1024));
        fill(address);
        QElapsedTimer clock;
        clock.start();
        runDownload();
        if (message.isEmpty()) {
            QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messages.join(QLatin1Char('|'))));
            QCOMPARE(m_dialogs->questions, QStringList{Question});
            QCOMPARE(imageSent(), imageContent(1024));
            return;
        }
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_reader->connectionCount(Channel::Control), 0);
        QCOMPARE(m_reader->connectionCount(Channel::Download), 0);
        QCOMPARE(establishedTo(87), 0);
    }

    // A password with a blank inside is five characters and is sent as typed;
    // the reader does not take it, and the login fails with the usual message.
    void passwordWithInnerBlankIsSentAsTyped()
    {
        choose(writeImage(QStringLiteral("one.bin"), 1024));
        fill(ReaderAddress, QStringLiteral("87"), QStringLiteral("58 03"));
        runDownload();
        QCOMPARE(m_dialogs->messages, QStringList{"Unable to connect to Control Port"});
        QCOMPARE(m_reader->receivedBytes(Channel::Control), QByteArray("PASS58 03\r"));
        QCOMPARE(m_reader->connectionCount(Channel::Download), 0);
        QTRY_COMPARE(establishedTo(87), 0);
    }

    // Hostile readers on the download port. Each run ends within the
    // acknowledgement time-out with its outcome, the file and both
    // connections closed. The reply buffer keeps at most four bytes, so a
    // flood costs no memory (see the reply buffer test of the logic).
    void hostileDownloadPort_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("completes");
        QTest::addColumn<QString>("lastStatus");
        const QByteArray announce = faultTarget::DownloadAnnounce;
        const QByteArray block = faultTarget::DownloadBlock;
        const QString preparing = status("Reader Connected, Preparing Flash");
        const QString second = status("Downloading block 2 of 3");
        QTest::newRow("reset in the middle") << block << Fault::resetMidway().afterSkipping(1) << false << second;
        QTest::newRow("reset after the announce") << announce << Fault::resetMidway() << false << preparing;
        QTest::newRow("closed in the middle") << block << Fault::closeMidway().afterSkipping(1) << false << second;
        QTest::newRow("acknowledgements dripping") << block << Fault::drip(50) << true
                                                   << status("Download Complete");
        QTest::newRow("flood of 10 MB") << block << Fault::flood(10 * 1000 * 1000).afterSkipping(1) << false
                                        << second;
        QTest::newRow("flood to the announce") << announce << Fault::flood(1000 * 1000) << false << preparing;
        QTest::newRow("never acknowledges") << announce << Fault::noAnswer() << false << preparing;
        QTest::newRow("OK CR LF to the announce") << announce << Fault::okCrLf() << false << preparing;
        QTest::newRow("every byte value") << block << Fault::allByteValues() << false
                                          << status("Downloading block 1 of 3");
    }
    void hostileDownloadPort()
    {
        QFETCH(QByteArray, target);
        QFETCH(Fault, fault);
        QFETCH(bool, completes);
        QFETCH(QString, lastStatus);
        m_reader->setFault(target, fault);
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        QElapsedTimer sinceLastSend;
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download)
                sinceLastSend.start();
        });
        runDownload();
        QVERIFY(sinceLastSend.isValid());
        if (completes) {
            QVERIFY(m_dialogs->messages.isEmpty());
            QCOMPARE(m_dialogs->questions, QStringList{Question});
            QCOMPARE(imageSent(), imageContent(3072));
        } else {
            QCOMPARE(m_dialogs->messages, QStringList{NotResponding});
            QVERIFY(m_dialogs->questions.isEmpty());
            // No longer than the time-out after the last message went out.
            QVERIFY2(sinceLastSend.elapsed() < ShortAcknowledgementMs + 1500,
                     qPrintable(QString::number(sinceLastSend.elapsed())));
        }
        QCOMPARE(m_window->statusLabel()->text(), lastStatus);
        QVERIFY(!m_window->downloadRunning());
        QVERIFY(!fileHeldOpen(path));
        QCOMPARE(establishedTo(defaults::DownloadPort), 0);
        QCOMPARE(establishedTo(87), 0);
    }

    // With the real 5-second limit: a reader reset in the middle of a
    // download is reported at once, not at the limit.
    void resetInTheMiddleFailsAtOnce()
    {
        m_window->setLimits(DownloadSession::Limits());
        m_reader->setFault(faultTarget::DownloadBlock, Fault::resetMidway().afterSkipping(1));
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        QElapsedTimer sinceLastSend;
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download)
                sinceLastSend.start();
        });
        runDownload();
        const qint64 elapsed = sinceLastSend.elapsed();
        QCOMPARE(m_dialogs->messages, QStringList{NotResponding});
        QVERIFY2(elapsed < 2500, qPrintable(QString::number(elapsed)));
        QVERIFY(!fileHeldOpen(path));
        QCOMPARE(establishedTo(defaults::DownloadPort), 0);
        QCOMPARE(establishedTo(87), 0);
    }

    // Fifty downloads aborted after their first block leave exactly as many
    // descriptors open as before (sockets, the image file, timers).
    void fiftyAbortedDownloadsLeaveNoDescriptorOpen()
    {
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download && m_window
                && m_window->statusLabel()->text() == status("Reader Connected, Preparing Flash"))
                click(m_window->abortButton());
        });
        auto abortedRun = [&] {
            runDownload();
            return m_window->statusLabel()->text() == status("Download Aborted") && m_dialogs->messages.isEmpty();
        };
        // A first run creates what lives for the whole program.
        QVERIFY(abortedRun());
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int before = openFileDescriptorCount();
        for (int run = 0; run < 50; ++run)
            QVERIFY2(abortedRun(), qPrintable(QString::number(run)));
        QCOMPARE(m_reader->connectionCount(Channel::Download), 51);
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
        QTRY_COMPARE_WITH_TIMEOUT(
            [] {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return openFileDescriptorCount();
            }(),
            before, 10000);
    }

    // Screen readers name each field by its label, each action by its text,
    // and read the file and status lines as they stand.
    void accessibleNames_data()
    {
        QTest::addColumn<Control>("control");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("address") << Control(&FlashReaderWindow::addressEdit) << "IP Address";
        QTest::newRow("port") << Control(&FlashReaderWindow::controlPortEdit) << "Control Port Number";
        QTest::newRow("password") << Control(&FlashReaderWindow::passwordEdit) << "Password";
        QTest::newRow("select") << Control(&FlashReaderWindow::browseButton) << "Select File";
        QTest::newRow("start") << Control(&FlashReaderWindow::downloadButton) << "Start Download";
        QTest::newRow("abort") << Control(&FlashReaderWindow::abortButton) << "Abort Download";
        QTest::newRow("file") << Control(&FlashReaderWindow::fileLabel) << " None Selected";
        QTest::newRow("status") << Control(&FlashReaderWindow::statusLabel) << "Current Status:   Not Connected";
    }
    void accessibleNames()
    {
        QFETCH(Control, control);
        QFETCH(QString, accessibleName);
        QWidget *widget = control(*m_window);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
        if (qobject_cast<ClickLabel *>(widget))
            QVERIFY(widget->focusPolicy() & Qt::TabFocus);
    }
    void accessibleNamesFollowTheText()
    {
        const QString path = writeImage(QStringLiteral("one.bin"), 1024);
        choose(path);
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window->fileLabel())->text(QAccessible::Name), path);
        m_reader->setFault("PASS", Fault::noAnswer());
        fill();
        runDownload();
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window->statusLabel())->text(QAccessible::Name),
                 status("Connecting to Control Port"));
    }

    // While a download runs, a second start and a new file choice are
    // refused, and a change of the address field does not redirect it.
    void clicksRefusedWhileRunning()
    {
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        connect(m_reader, &SimulatedReader::loggedIn, this,
                [this] { m_window->addressEdit()->setText(QStringLiteral("127.0.0.9")); });
        int startsRefused = 0;
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel != Channel::Download || startsRefused > 0)
                return;
            m_dialogs->fileAnswers.enqueue(writeImage(QStringLiteral("other.bin"), 1024));
            click(m_window->browseButton());
            click(m_window->downloadButton());
            ++startsRefused;
        });
        runDownload();
        QCOMPARE(m_dialogs->fileRequests.size(), 0);
        QCOMPARE(m_window->fileLabel()->text(), path);
        QCOMPARE(m_reader->connectionCount(Channel::Control), 1);
        QCOMPARE(m_reader->connectionCount(Channel::Download), 1);
        QCOMPARE(imageSent(), imageContent(3072));
        QCOMPARE(m_dialogs->questions, QStringList{Question});
    }

    // The window is destroyed in the middle of a download: the file and both
    // connections are closed.
    void windowDestroyedDuringDownload()
    {
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download && m_window
                && m_window->statusLabel()->text().endsWith(QLatin1String("2 of 3")))
                delete m_window.data();
        });
        emit m_window->downloadButton()->clicked();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window, 10000);
        QVERIFY(!fileHeldOpen(path));
        QTRY_COMPARE(establishedTo(87), 0);
        QTRY_COMPARE(establishedTo(defaults::DownloadPort), 0);
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(m_dialogs->questions.isEmpty());
    }

    // The window is closed in the middle of a download: the download ends
    // there, quietly, with the file and both connections closed.
    void windowClosedDuringDownload()
    {
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download && m_window->isVisible()
                && m_window->statusLabel()->text().endsWith(QLatin1String("2 of 3")))
                m_window->close();
        });
        runDownload();
        QVERIFY(!m_window->isVisible());
        QVERIFY(!fileHeldOpen(path));
        QCOMPARE(establishedTo(87), 0);
        QCOMPARE(establishedTo(defaults::DownloadPort), 0);
        QTest::qWait(QuietMs);
        QCOMPARE(m_reader->receivedBytes(Channel::Download).size(), 3 * 1025);
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(m_dialogs->questions.isEmpty());
    }

    // Kept last: the application's event loop runs and is told to quit in
    // the middle of a download, as when the main window is closed. The
    // download ends without a message.
    void applicationQuitsDuringDownload()
    {
        const QString path = writeImage(QStringLiteral("three.bin"), 3072);
        choose(path);
        fill();
        connect(m_reader, &SimulatedReader::bytesReceived, this, [&](Channel channel, int, const QByteArray &) {
            if (channel == Channel::Download && m_window->statusLabel()->text().endsWith(QLatin1String("1 of 3")))
                QCoreApplication::exit(0);
        });
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        stuck.start(10000);
        QElapsedTimer clock;
        clock.start();
        click(m_window->downloadButton());
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(clock.elapsed() < ShortAcknowledgementMs * 3);
        QVERIFY(!m_window->downloadRunning());
        QVERIFY(!fileHeldOpen(path));
        QCOMPARE(establishedTo(defaults::DownloadPort), 0);
        QCOMPARE(establishedTo(87), 0);
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(m_dialogs->questions.isEmpty());
    }

private:
    // The image bytes carried by the block messages that the reader received.
    QByteArray imageSent() const
    {
        const QByteArray sent = m_reader->receivedBytes(Channel::Download);
        QByteArray image;
        for (qsizetype at = 0; at + 1025 <= sent.size(); at += 1025) {
            if (sent.at(at) == 'B')
                image += sent.mid(at + 1, 1024);
        }
        return image;
    }

    static void click(ClickLabel *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // "Start Download", then wait until the download has ended and its
    // outcome was shown (or the window is gone).
    void runDownload()
    {
        click(m_window->downloadButton());
        QTRY_VERIFY_WITH_TIMEOUT(!m_window || !m_window->downloadRunning(), 20000);
    }

    void fill(const QString &address = ReaderAddress, const QString &port = QStringLiteral("87"),
              const QString &password = Password)
    {
        m_window->addressEdit()->setText(address);
        m_window->controlPortEdit()->setText(port);
        m_window->passwordEdit()->setText(password);
    }

    void choose(const QString &path)
    {
        m_dialogs->fileAnswers.enqueue(path);
        click(m_window->browseButton());
        m_dialogs->fileRequests.clear();
    }

    QString writeImage(const QString &name, int length)
    {
        const QString path = m_files.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(imageContent(length));
        return path;
    }

    QTemporaryDir m_files;
    ScriptedDialogs *m_dialogs = nullptr;
    QPointer<FlashReaderWindow> m_window;
    ReaderSimulator *m_simulator = nullptr;
    SimulatedReader *m_reader = nullptr;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestFlashReaderWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_flashreaderwindow.moc"
