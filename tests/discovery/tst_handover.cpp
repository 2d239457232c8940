#include "localsearchwindow.h"
#include "taskmenu.h"
#include "addresschecks.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "mainwindow.h"
#include "nestednetwork.h"
#include "uikit.h"
#include "widescan.h"
#include "widesearchwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include "programreaderwindow.h"
#include <QCheckBox>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

// A double click on a reader in either search window brings Program Reader to
// the front with the reader's address and control port, through the menu panel.
class TestHandOver : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }

    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_simulator = new ReaderSimulator;
        ReaderConfig config;
        config.address = QHostAddress(QStringLiteral("127.0.0.61"));
        config.mac = "0050C2000061";
        config.identification = "Hand over";
        config.controlPort = 1087;
        m_reader = m_simulator->addReader(config);
        QString error;
        QVERIFY2(m_simulator->start(&error), qPrintable(error));
        m_main = showMainWindow(*m_dialogs);
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        m_program = m_main->taskWindow(menu::ProgramReader);
        static_cast<ProgramReaderWindow *>(m_program)->addressEdit()->setText(QStringLiteral("192.168.1.55"));
        static_cast<ProgramReaderWindow *>(m_program)->controlPortEdit()->setText(QStringLiteral("87"));
    }
    void cleanup()
    {
        delete m_main;
        delete m_simulator;
        delete m_dialogs;
    }

    void fromLocalSearch()
    {
        m_main->taskMenu()->choose(menu::LocalNetworkSearch);
        auto *window = qobject_cast<LocalSearchWindow *>(m_main->existingTaskWindow(menu::LocalNetworkSearch));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QListWidget *list = window->readerList();
        QTest::keyClick(m_main->windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(list->count(), 1);
        doubleClick(list);
        expectProgramReader(QStringLiteral("127.0.0.61"), QStringLiteral("1087"));
    }

    void fromWideAreaSearch()
    {
        m_main->taskMenu()->choose(menu::WideNetworkSearch);
        auto *window = qobject_cast<WideSearchWindow *>(m_main->existingTaskWindow(menu::WideNetworkSearch));
        QVERIFY(window);
        window->startAddressEdit()->setText(QStringLiteral("127.0.0.61"));
        window->controlPortEdit()->setText(QStringLiteral("1087"));
        QListWidget *list = window->readerList();
        // Stop once the reader is listed: the rest of the range is silent.
        connect(window->searchEngine(), &WideScan::readerFound, window, &WideSearchWindow::stopScan);
        QTest::keyClick(m_main->windowHandle(), Qt::Key_F1);
        QTRY_VERIFY(!window->isScanning());
        QCOMPARE(list->count(), 1);
        doubleClick(list);
        expectProgramReader(QStringLiteral("127.0.0.61"), QStringLiteral("1087"));
    }

    // Two windows work at once: a Get in Program Reader while Wide Network
    // Search scans silent addresses ends in about the time of the Get alone.
    void getWhileSerialScanRuns()
    {
        NestedNetwork silent(9);
        QString error;
        QVERIFY2(silent.start({QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("echo up; exec sleep 60")},
                              &error),
                 qPrintable(error));
        QVERIFY2(silent.routeThrough(QStringLiteral("10.99.0.0/16"), &error), qPrintable(error));
        QVERIFY(silent.waitForOutput("up", 10000));
        m_reader->setFault("STAT", Fault::slow(1500));

        m_main->taskMenu()->choose(menu::WideNetworkSearch);
        auto *scan = qobject_cast<WideSearchWindow *>(m_main->existingTaskWindow(menu::WideNetworkSearch));
        QVERIFY(scan);
        scan->startAddressEdit()->setText(QStringLiteral("10.99.0.1"));
        scan->controlPortEdit()->setText(QStringLiteral("87"));
        scan->slowModeCheck()->setChecked(true);
        QTest::mouseClick(scan->startSearchButton(), Qt::LeftButton);
        QVERIFY(scan->isScanning());

        m_main->taskMenu()->handOverToProgramReader(QStringLiteral("127.0.0.61"), QStringLiteral("1087"));
        auto *program = static_cast<ProgramReaderWindow *>(m_program);
        QSignalSpy finished(program, &ProgramReaderWindow::jobFinished);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(program->getButton(), Qt::LeftButton);
        QVERIFY(finished.wait(10000));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 1400 && elapsed < 2500, qPrintable(QString::number(elapsed)));
        QCOMPARE(program->identifierEdit()->text(), QStringLiteral("READER"));
        QVERIFY(scan->isScanning());
        QTest::mouseClick(scan->stopSearchButton(), Qt::LeftButton);
        QTRY_VERIFY(!scan->isScanning());
    }

private:
    void doubleClick(QListWidget *list)
    {
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    void expectProgramReader(const QString &address, const QString &port)
    {
        QCOMPARE(static_cast<ProgramReaderWindow *>(m_program)->addressEdit()->text(), address);
        QCOMPARE(static_cast<ProgramReaderWindow *>(m_program)->controlPortEdit()->text(), port);
        QVERIFY(m_program->isVisible());
        QWidget *top = nullptr;
        for (QObject *child : m_main->children()) {
            auto *task = qobject_cast<TaskWindow *>(child);
            if (task && task->isVisible())
                top = task;
        }
        QCOMPARE(top, static_cast<QWidget *>(m_program));
        for (int i = 0; i < menu::EntryCount; ++i) {
            const QColor colour = m_main->taskMenu()->entry(i)->palette().color(QPalette::WindowText);
            QCOMPARE(colour, i == menu::ProgramReader ? QColor(255, 255, 0) : QColor(255, 255, 255));
        }
    }

    ScriptedDialogs *m_dialogs = nullptr;
    SimulatedReader *m_reader = nullptr;
    ReaderSimulator *m_simulator = nullptr;
    MainWindow *m_main = nullptr;
    TaskWindow *m_program = nullptr;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestHandOver test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_handover.moc"
