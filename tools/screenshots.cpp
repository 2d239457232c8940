// Saves PNG screenshots of the main window and of every task window, each
// showing a typical result against simulated readers, into the folder given
// (default "shots"). Run it inside the private network, for example:
//   scripts/netns build/zav-screenshots docs/screenshots
// With QT_SCALE_FACTOR=2 the same pictures come out at twice the size.
#include "dialogs.h"
#include "taskmenu.h"
#include "addresschecks.h"
#include "clientconnectwindow.h"
#include "defaults.h"
#include "localsearchwindow.h"
#include "widesearchwindow.h"
#include "flashreaderwindow.h"
#include "programreaderwindow.h"
#include "readersimulator.h"
#include "serverconnectwindow.h"
#include "taskwindow.h"
#include "mainwindow.h"
#include "udpconnectwindow.h"
#include "uikit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
class ScreenshotDialogs : public Dialogs
{
public:
    void message(const QString &) override {}
    bool question(const QString &) override { return false; }
    QString input(const QString &, const QString &) override { return {}; }
    int choose(const QString &, const QStringList &) override { return -1; }
    bool openFile(const FileRequest &, QString &path) override
    {
        path = image;
        return !image.isEmpty();
    }
    bool saveFile(const FileRequest &, QString &) override { return false; }
    QString image;
};

void settle(int ms = 200)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

template <typename Condition>
void settleUntil(Condition done, int limitMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void type(QWidget *main, const QByteArray &keys)
{
    for (char c : keys) {
        if (c == '\r')
            QTest::keyClick(main->windowHandle(), Qt::Key_Return);
        else
            QTest::keyClick(main->windowHandle(), c);
    }
    QTest::keyClick(main->windowHandle(), Qt::Key_F10);
}

void save(MainWindow *main, TaskWindow *window, const QString &folder)
{
    settle();
    main->grab().save(QStringLiteral("%1/main-%2.png").arg(folder, window->objectName()));
    window->grab().save(QStringLiteral("%1/%2.png").arg(folder, window->objectName()));
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);

    ReaderSimulator simulator;
    ReaderConfig server;
    server.address = QHostAddress(QStringLiteral("127.0.0.5"));
    server.identification = "Dock door 5";
    server.identifier = "DOCK5";
    simulator.addReader(server);
    ReaderConfig old = server;
    old.address = QHostAddress(QStringLiteral("127.0.0.6"));
    old.mac = "0050C2000006";
    old.firmware = "02.00";
    old.identification = "Gate 2";
    simulator.addReader(old);
    ReaderConfig client = server;
    client.address = QHostAddress(QStringLiteral("127.0.0.3"));
    client.mac = "0050C2000003";
    client.mode = '1';
    client.cid = '1';
    client.identification = "Client reader";
    client.serverPort = 5057; // the data port is taken by the simulated server readers on this host
    simulator.addReader(client);
    ReaderConfig udp = server;
    udp.address = QHostAddress(QStringLiteral("127.0.0.4"));
    udp.mac = "0050C2000004";
    udp.mode = '2';
    udp.identification = "Udp reader";
    simulator.addReader(udp);
    QString error;
    if (!simulator.start(&error))
        qWarning("simulator: %s", qPrintable(error));

    ScreenshotDialogs dialogs;
    MainWindow *main = showMainWindow(dialogs);
    settle();
    main->grab().save(folder + QStringLiteral("/startup.png"));

    // Local Network Search: F1 lists every reader.
    main->taskMenu()->choose(menu::LocalNetworkSearch);
    auto *lan = static_cast<LocalSearchWindow *>(main->taskWindow(menu::LocalNetworkSearch));
    QTest::mouseClick(lan->startSearchButton(), Qt::LeftButton);
    settleUntil([lan] { return lan->readerList()->count() >= 4; });
    save(main, lan, folder);

    // Wide Network Search: a scan from 127.0.0.2 stopped after a few addresses.
    main->taskMenu()->choose(menu::WideNetworkSearch);
    auto *wan = static_cast<WideSearchWindow *>(main->taskWindow(menu::WideNetworkSearch));
    wan->startAddressEdit()->setText(QStringLiteral("127.0.0.2"));
    wan->controlPortEdit()->setText(QString::number(defaults::ControlPort));
    QTest::mouseClick(wan->startSearchButton(), Qt::LeftButton);
    settle(1500);
    QTest::mouseClick(wan->stopSearchButton(), Qt::LeftButton);
    settleUntil([wan] { return !wan->isScanning(); });
    save(main, wan, folder);

    // Program Reader after "Get  Parameters".
    main->taskMenu()->handOverToProgramReader(QStringLiteral("127.0.0.5"), QString::number(defaults::ControlPort));
    auto *program = static_cast<ProgramReaderWindow *>(main->taskWindow(menu::ProgramReader));
    QTest::mouseClick(program->getButton(), Qt::LeftButton);
    settleUntil([program] { return !program->jobRunning(); });
    save(main, program, folder);

    // Server Connect: typed bytes in black, the reader's echo in red.
    main->taskMenu()->choose(menu::ServerConnect);
    auto *serverConnect = static_cast<ServerConnectWindow *>(main->taskWindow(menu::ServerConnect));
    serverConnect->addressEdit()->setText(QStringLiteral("127.0.0.5"));
    serverConnect->passwordEdit()->setText(defaults::Password);
    QTest::mouseClick(serverConnect->connectButton(), Qt::LeftButton);
    settleUntil([serverConnect] { return serverConnect->status() == QLatin1String("Connected"); });
    type(main, "Hello reader~\r");
    save(main, serverConnect, folder);
    // Its session log: every chunk both ways, with time, peer, hex and text.
    serverConnect->showSessionLog();
    settle(300);
    serverConnect->sessionLogWindow()->grab().save(folder + QStringLiteral("/sessionLog.png"));
    serverConnect->sessionLogWindow()->close();
    QTest::mouseClick(serverConnect->disconnectButton(), Qt::LeftButton);

    // Client Connect: the reader connects and sends its identification.
    main->taskMenu()->choose(menu::ClientConnect);
    auto *clientConnect = static_cast<ClientConnectWindow *>(main->taskWindow(menu::ClientConnect));
    clientConnect->dataPortEdit()->setText(QStringLiteral("5057"));
    QTest::mouseClick(clientConnect->listenButton(), Qt::LeftButton);
    settle(1500);
    type(main, "ping\r");
    save(main, clientConnect, folder);
    QTest::mouseClick(clientConnect->stopButton(), Qt::LeftButton);

    // Udp Connect: one datagram per key, echoed by the reader.
    main->taskMenu()->choose(menu::UdpConnect);
    auto *udpConnect = static_cast<UdpConnectWindow *>(main->taskWindow(menu::UdpConnect));
    udpConnect->addressEdit()->setText(QStringLiteral("127.0.0.4"));
    QTest::mouseClick(udpConnect->listenButton(), Qt::LeftButton);
    type(main, "UDP test\r");
    save(main, udpConnect, folder);
    QTest::mouseClick(udpConnect->stopButton(), Qt::LeftButton);

    // Flash Reader after a three-block download.
    QTemporaryDir temporary;
    dialogs.image = temporary.filePath(QStringLiteral("zavtcp.bin"));
    QFile image(dialogs.image);
    if (image.open(QIODevice::WriteOnly)) {
        image.write(QByteArray(3 * defaults::DownloadBlockSize, '\x5a'));
        image.close();
    }
    main->taskMenu()->choose(menu::FlashReader);
    auto *flash = static_cast<FlashReaderWindow *>(main->taskWindow(menu::FlashReader));
    QTest::mouseClick(flash->browseButton(), Qt::LeftButton);
    flash->addressEdit()->setText(QStringLiteral("127.0.0.5"));
    flash->controlPortEdit()->setText(QString::number(defaults::ControlPort));
    flash->passwordEdit()->setText(defaults::Password);
    QTest::mouseClick(flash->downloadButton(), Qt::LeftButton);
    settleUntil([flash] { return !flash->downloadRunning(); }, 15000);
    settle(100);
    save(main, flash, folder);

    delete main;
    return 0;
}
