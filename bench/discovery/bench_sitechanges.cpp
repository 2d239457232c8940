// How long "Compare With Saved List..." takes with many readers, to the
// filled "Site Changes" table:
//
//   scripts/netns -- build/bench/discovery/bench_sitechanges [N...]     (default 10000)
//
// For each N the local search window lists N readers, as a search would, and
// a saved CSV holds N readers of the same site: one in 50 moved, one in 70
// renamed, one in 90 on another control port, one in 100 missing now and one
// in 100 new. It prints the time to read the file, to compare the lists, to
// the filled table (from the menu entry to the window shown with its rows)
// and to the table's first paint; in brackets the processor time this
// program's thread spent, which other programs on a busy machine do not
// stretch.

#include "csvfields.h"
#include "localsearchwindow.h"
#include "readerlistfile.h"
#include "readerlistmenu.h"
#include "scripteddialogs.h"
#include "searchcomparison.h"
#include "sitechanges.h"
#include "sitechangeswindow.h"
#include "uikit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <ctime>

namespace {
QString address(int i)
{
    return QStringLiteral("10.%1.%2.%3").arg(i / 62500 + 1).arg(i / 250 % 250).arg(i % 250 + 1);
}

QString mac(int i)
{
    return QStringLiteral("0050C2%1").arg(i, 6, 16, QLatin1Char('0')).toUpper();
}

// Time on the clock, and processor time of this thread, since the start.
class Clock
{
public:
    Clock() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuNs();
    }
    QString elapsed() const
    {
        return QStringLiteral("%1 ms (%2 ms)").arg(m_wall.elapsed()).arg((cpuNs() - m_cpu) / 1000000);
    }
    qint64 wallMs() const { return m_wall.elapsed(); }

private:
    static qint64 cpuNs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    QElapsedTimer m_wall;
    qint64 m_cpu = 0;
};

// Notes the first paint of a widget.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char **argv)
{
    // A benchmark has no screen of its own.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    QList<int> counts;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.toInt() > 0)
            counts.append(qMin(arg.toInt(), LocalSearchWindow::MaxListLines));
    }
    if (counts.isEmpty())
        counts = {10000};

    QTemporaryDir dir;
    QTextStream out(stdout);
    for (const int readers : std::as_const(counts)) {
        ScriptedDialogs dialogs;
        LocalSearchWindow window(dialogs);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        window.startSearch();

        QString saved = csvLine({QStringLiteral("IP Address"), QStringLiteral("MAC Address"),
                                 QStringLiteral("Reader Identification"), QStringLiteral("Control Port"),
                                 QStringLiteral("Interface")});
        QListWidget *list = window.readerList();
        for (int i = 0; i < readers; ++i) {
            const QString identification = QStringLiteral("Reader %1").arg(i);
            if (i % 100 != 99)
                saved += csvLine({i % 50 == 1 ? address(i + readers) : address(i), mac(i),
                                  i % 70 == 2 ? identification + QStringLiteral(" old") : identification,
                                  i % 90 == 3 ? QStringLiteral("8087") : QStringLiteral("87"), QStringLiteral("eth0")});
            const int now = i % 100 == 98 ? i + 2 * readers : i;
            auto *item = new QListWidgetItem(address(now));
            item->setData(ReaderListMenu::CsvFieldsRole,
                          QStringList{address(now), mac(now), QStringLiteral("Reader %1").arg(now),
                                      QStringLiteral("87"), QStringLiteral("eth0")});
            list->addItem(item);
        }
        const QString path = dir.filePath(QStringLiteral("saved-%1.csv").arg(readers));
        QString error;
        if (!writeCsvFile(path, saved, &error)) {
            QTextStream(stderr) << error << Qt::endl;
            return 1;
        }

        Clock clock;
        ReaderList earlier;
        readReaderListFile(path, &earlier, &error);
        const QString read = clock.elapsed();
        const ReaderList now = window.searchComparison()->listNow();
        clock.restart();
        const SiteComparison comparison = compareReaderLists(earlier, now);
        const QString compared = clock.elapsed();

        dialogs.fileAnswers.enqueue(path);
        clock.restart();
        window.searchComparison()->compareWithSavedList();
        const QString filled = clock.elapsed();
        SiteChangesWindow *changes = window.searchComparison()->siteChangesWindow();
        PaintWatch paint;
        changes->table()->viewport()->installEventFilter(&paint);
        while (!paint.painted && clock.wallMs() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const QString painted = clock.elapsed();

        out << "readers " << readers << ": read " << read << ", compared " << compared
            << "; menu entry to the filled table " << filled << ", to its first paint " << painted << "; "
            << changes->table()->model()->rowCount() << " rows: " << comparison.summary() << Qt::endl;
    }
    return 0;
}
