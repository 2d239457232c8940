#include "flashreaderwindow.h"
#include "taskmenu.h"
#include "qtdialogs.h"
#include "scripteddialogs.h"
#include "taskwindow.h"
#include "mainwindow.h"
#include "twips.h"
#include "uikit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include "programreaderwindow.h"
#include <QTest>

namespace {
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

QColor entryColour(MainWindow *main, int index)
{
    return main->taskMenu()->entry(index)->palette().color(QPalette::WindowText);
}

int yellowCount(MainWindow *main)
{
    int count = 0;
    for (int i = 0; i < menu::EntryCount; ++i)
        count += entryColour(main, i) == Yellow ? 1 : 0;
    return count;
}

// The task window drawn on top: the last visible sibling.
QWidget *topTaskWindow(MainWindow *main)
{
    QWidget *top = nullptr;
    for (QObject *child : main->children()) {
        auto *task = qobject_cast<TaskWindow *>(child);
        if (task && task->isVisible())
            top = task;
    }
    return top;
}
} // namespace

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_main = showMainWindow(*m_dialogs);
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup()
    {
        delete m_main;
        delete m_dialogs;
    }

    void startUpState()
    {
        QCOMPARE(m_main->windowTitle(), QStringLiteral("ZAV   Tcp/ip Utility V2.2"));
        QCOMPARE(m_main->frameGeometry().size(), QSize(twips(12500), twips(9000)));
        QCOMPARE(m_main->palette().color(QPalette::Window), QColor(192, 192, 192));
        TaskMenu *menu = m_main->taskMenu();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->geometry(), QRect(0, 0, twips(2500), m_main->frameGeometry().height()));
        QCOMPARE(menu->palette().color(QPalette::Window), QColor(0, 128, 128));
        const QStringList captions{"Local Network Search", "Wide Network Search", "Program Reader", "Server Connect",
                                   "Client Connect", "Udp Connect", "Flash Reader"};
        for (int i = 0; i < menu::EntryCount; ++i) {
            QLabel *entry = menu->entry(i);
            QCOMPARE(entry->text(), captions.at(i));
            QCOMPARE(entry->geometry(), twipsRect(180, 360 + 480 * i, 2115, 375));
            QCOMPARE(entry->font().family(), QStringLiteral("Arial"));
            QCOMPARE(entry->font().weight(), QFont::Bold);
            QCOMPARE(entry->palette().color(QPalette::Window), QColor(0, 128, 128));
            QCOMPARE(entry->palette().color(QPalette::WindowText), i == menu::ServerConnect ? Yellow : White);
            QCOMPARE(entry->font().pointSizeF(), 9.75);
        }
        QCOMPARE(entryColour(m_main, menu::ServerConnect), Yellow);
        QCOMPARE(yellowCount(m_main), 1);
        QWidget *server = topTaskWindow(m_main);
        QVERIFY(server);
        QCOMPARE(server->objectName(), QStringLiteral("serverConnect"));
        QCOMPARE(server->pos(), QPoint(twips(2501), 0));

        TaskWindow *program = m_main->existingTaskWindow(menu::ProgramReader);
        QVERIFY(program);
        QVERIFY(!program->isVisible());
        QCOMPARE(static_cast<ProgramReaderWindow *>(program)->addressEdit()->text(), QStringLiteral("192.168.1.55"));
        QCOMPARE(static_cast<ProgramReaderWindow *>(program)->controlPortEdit()->text(), QStringLiteral("87"));
    }

    void menuEntriesOpenTheirWindows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        QTest::newRow("0") << 0 << "localSearch";
        QTest::newRow("1") << 1 << "wideSearch";
        QTest::newRow("2") << 2 << "programReader";
        QTest::newRow("3") << 3 << "serverConnect";
        QTest::newRow("4") << 4 << "clientConnect";
        QTest::newRow("5") << 5 << "udpConnect";
        QTest::newRow("6") << 6 << "flashReader";
    }
    void menuEntriesOpenTheirWindows()
    {
        QFETCH(int, index);
        QFETCH(QString, window);
        QTest::mouseClick(m_main->taskMenu()->entry(index), Qt::LeftButton);
        QWidget *top = topTaskWindow(m_main);
        QCOMPARE(top->objectName(), window);
        QCOMPARE(top->pos(), QPoint(twips(2501), 0));
        QCOMPARE(entryColour(m_main, index), Yellow);
        QCOMPARE(yellowCount(m_main), 1);
    }

    void movedWindowIsPlacedBack()
    {
        QWidget *server = topTaskWindow(m_main);
        server->move(300, 200);
        QTest::mouseClick(m_main->taskMenu()->entry(menu::ServerConnect), Qt::LeftButton);
        QCOMPARE(server->pos(), QPoint(twips(2501), 0));
        QCOMPARE(topTaskWindow(m_main), server);
    }

    void oneYellowAfterSeveralClicks()
    {
        for (int index : {0, 5, 2, 2, 6, 1}) {
            QTest::mouseClick(m_main->taskMenu()->entry(index), Qt::LeftButton);
            QCOMPARE(yellowCount(m_main), 1);
        }
        QCOMPARE(entryColour(m_main, 1), Yellow);
        QCOMPARE(entryColour(m_main, 3), White);
        // Windows stay open beneath the one on top, as they were.
        QVERIFY(m_main->existingTaskWindow(menu::LocalNetworkSearch)->isVisible());
        QCOMPARE(topTaskWindow(m_main)->objectName(), QStringLiteral("wideSearch"));
    }

    void panelFollowsHeight()
    {
        m_main->resize(m_main->width(), 400);
        QTRY_COMPARE(m_main->taskMenu()->height(), m_main->frameGeometry().height());
        m_main->resize(m_main->width(), 700);
        QTRY_COMPARE(m_main->taskMenu()->height(), m_main->frameGeometry().height());
        QCOMPARE(m_main->taskMenu()->width(), twips(2500));
    }

    void menuHandsOverReader()
    {
        TaskWindow *program = m_main->taskWindow(menu::ProgramReader);
        QLineEdit *text3 = static_cast<ProgramReaderWindow *>(program)->passwordEdit();
        const QString passwordBefore = text3 ? text3->text() : QString();
        m_main->taskMenu()->handOverToProgramReader(QStringLiteral("127.0.0.42"), QStringLiteral("12345"));
        QCOMPARE(topTaskWindow(m_main), program);
        QCOMPARE(entryColour(m_main, menu::ProgramReader), Yellow);
        QCOMPARE(yellowCount(m_main), 1);
        QCOMPARE(static_cast<ProgramReaderWindow *>(program)->addressEdit()->text(), QStringLiteral("127.0.0.42"));
        QCOMPARE(static_cast<ProgramReaderWindow *>(program)->controlPortEdit()->text(), QStringLiteral("12345"));
        if (text3)
            QCOMPARE(text3->text(), passwordBefore);
    }

    // A task window that has gone is created afresh, with its load defaults,
    // the next time its entry is chosen.
    void goneWindowIsCreatedAfresh()
    {
        QTest::mouseClick(m_main->taskMenu()->entry(6), Qt::LeftButton);
        TaskWindow *flash = m_main->existingTaskWindow(menu::FlashReader);
        QVERIFY(flash);
        qobject_cast<FlashReaderWindow *>(flash)->addressEdit()->setText(QStringLiteral("1.2.3.4"));
        delete flash;
        QVERIFY(!m_main->existingTaskWindow(menu::FlashReader));
        QTest::mouseClick(m_main->taskMenu()->entry(6), Qt::LeftButton);
        QWidget *top = topTaskWindow(m_main);
        QVERIFY(top);
        QCOMPARE(top->objectName(), QStringLiteral("flashReader"));
        QCOMPARE(top->pos(), QPoint(twips(2501), 0));
        QCOMPARE(qobject_cast<FlashReaderWindow *>(top)->addressEdit()->text(), QString());
        QCOMPARE(yellowCount(m_main), 1);
    }

    // A window brought to the front is above every other task window.
    void chosenWindowIsAboveTheOthers()
    {
        for (int index : {0, 1, 2, 4, 5, 6, 3}) {
            QTest::mouseClick(m_main->taskMenu()->entry(index), Qt::LeftButton);
            QCOMPARE(topTaskWindow(m_main), m_main->existingTaskWindow(index));
        }
        // What lies at a point inside the task windows belongs to the last one chosen.
        QWidget *atPoint = m_main->childAt(twips(2501) + 20, 20);
        QVERIFY(atPoint);
        QVERIFY(atPoint == m_main->existingTaskWindow(menu::ServerConnect) || m_main->existingTaskWindow(menu::ServerConnect)->isAncestorOf(atPoint));
    }

    void fileDialogListsEveryFileUnderAllFiles_data()
    {
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("firmware") << QStringList{"Binary Files (*.bin)", "All Files (*.*)"}
                                  << QStringList{"Binary Files (*.bin)", "All Files (*)"};
        QTest::newRow("no all-files entry") << QStringList{"Text (*.txt)"} << QStringList{"Text (*.txt)"};
    }
    void fileDialogListsEveryFileUnderAllFiles()
    {
        QFETCH(QStringList, filters);
        QFETCH(QStringList, shown);
        QCOMPARE(fileDialogNameFilters(filters), shown);
    }

private:
    ScriptedDialogs *m_dialogs = nullptr;
    MainWindow *m_main = nullptr;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell.moc"
