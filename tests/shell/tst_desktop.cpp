// The program as a desktop shows it: the titles the window manager puts on
// the main window and on every dialog (the X property _NET_WM_NAME, which
// the toolkit writes and windowTitle() does not show), and the outer size of
// the framed main window. Runs on an X display of its own, under a window
// manager where one is installed (scripts/xdesktop).
#include "dialogs.h"
#include "taskmenu.h"
#include "qtdialogs.h"
#include "scripteddialogs.h"
#include "mainwindow.h"
#include "twips.h"
#include "uikit.h"

#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace {
// xprop's words for one property of a window, or of the root window.
QString xprop(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xprop"), arguments);
    if (!process.waitForFinished(5000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The title as the window manager shows it.
QString shownTitle(const QWidget *window)
{
    const QString line = xprop({QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("-notype"),
                                QStringLiteral("_NET_WM_NAME")});
    const qsizetype first = line.indexOf(QLatin1Char('"'));
    const qsizetype last = line.lastIndexOf(QLatin1Char('"'));
    return first >= 0 && last > first ? line.mid(first + 1, last - first - 1) : QString();
}

// Left, right, top and bottom of the frame the window manager drew, if any.
QList<int> frameExtents(const QWidget *window)
{
    const QString line = xprop({QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("-notype"),
                                QStringLiteral("_NET_FRAME_EXTENTS")});
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    QList<int> extents;
    if (equals < 0)
        return extents;
    for (const QString &part : line.mid(equals + 1).split(QLatin1Char(','))) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok)
            return {};
        extents << value;
    }
    return extents.size() == 4 ? extents : QList<int>();
}

bool windowManagerRunning()
{
    return xprop({QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}).contains(QLatin1String("window id"));
}
} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowTitle();
    void dialogTitles_data();
    void dialogTitles();
    void outerSizeIncludesTheFrame();
};

void TestDesktop::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (scripts/xdesktop)");
    if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
        QSKIP("needs xprop (Debian package x11-utils)");
}

void TestDesktop::mainWindowTitle()
{
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> main(showMainWindow(dialogs));
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    QTRY_COMPARE(shownTitle(main.get()), QStringLiteral("ZAV   Tcp/ip Utility V2.2"));
}

void TestDesktop::dialogTitles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("message box") << "message";
    QTest::newRow("Yes/No question") << "question";
    QTest::newRow("input box") << "input";
    QTest::newRow("file dialog") << "file";
}

// Each dialog is closed as soon as its title has been read.
void TestDesktop::dialogTitles()
{
    QFETCH(QString, kind);
    ScriptedDialogs scripted;
    std::unique_ptr<MainWindow> main(showMainWindow(scripted));
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));

    QString seen;
    int looks = 0;
    QTimer poll;
    poll.setInterval(50);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        const bool shown = modal && modal->isVisible() && modal->windowHandle() && modal->windowHandle()->isExposed();
        if (shown)
            seen = shownTitle(modal);
        if (!seen.isEmpty() || ++looks > 200) {
            poll.stop();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else if (modal)
                modal->close();
        }
    });
    poll.start();
    QtDialogs dialogs;
    if (kind == QLatin1String("message")) {
        dialogs.message(QStringLiteral("Invalid IP Address"));
    } else if (kind == QLatin1String("question")) {
        dialogs.question(QStringLiteral("Do you want to reboot the reader?"));
    } else if (kind == QLatin1String("input")) {
        dialogs.input(QStringLiteral("Enter new IP Address for this reader"), Dialogs::Title);
    } else {
        Dialogs::FileRequest request;
        request.defaultExtension = QStringLiteral("bin");
        request.proposedName = QStringLiteral("zavtcp.bin");
        request.filters = QStringList{QStringLiteral("Binary Files (*.bin)"), QStringLiteral("All Files (*.*)")};
        QString path;
        dialogs.openFile(request, path);
    }
    QCOMPARE(seen, QStringLiteral("ZAV TCP/IP V2.2"));
}

// 12500 x 9000 twips is the size with the frame and title bar; the menu
// panel is as tall as that.
void TestDesktop::outerSizeIncludesTheFrame()
{
    if (!windowManagerRunning())
        QSKIP("no window manager draws frames on this display");
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> main(showMainWindow(dialogs));
    QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    const QSize outer(twips(12500), twips(9000));
    QList<int> extents;
    QTRY_VERIFY((extents = frameExtents(main.get())).size() == 4);
    QVERIFY2(extents != QList<int>({0, 0, 0, 0}), "the window manager drew no frame");
    // As the window manager sees it: the inside and the frame around it.
    QTRY_COMPARE(main->size() + QSize(extents.at(0) + extents.at(1), extents.at(2) + extents.at(3)), outer);
    QCOMPARE(main->frameGeometry().size(), outer);
    QTRY_COMPARE(main->taskMenu()->height(), outer.height());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    ui::installFontSubstitutes();
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
