#include "searchcomparison.h"

#include "dialogs.h"
#include "readerlistmenu.h"
#include "sitechanges.h"
#include "sitechangeswindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

namespace {
QString timeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}
} // namespace

SearchComparison::SearchComparison(ReaderListMenu *listMenu, QListWidget *list, Dialogs &dialogs)
    : QObject(list), m_listMenu(listMenu), m_list(list), m_dialogs(dialogs)
{
    auto *separator = new QAction(list);
    separator->setSeparator(true);
    auto *saved = new QAction(tr("Compare With Saved List..."), list);
    auto *last = new QAction(tr("Compare With Last Search"), list);
    list->addActions({separator, saved, last});
    connect(saved, &QAction::triggered, this, &SearchComparison::compareWithSavedList);
    connect(last, &QAction::triggered, this, &SearchComparison::compareWithLastSearch);
}

QString SearchComparison::searchFirstMessage()
{
    return tr("Search first (F1), then compare the readers found with an earlier list");
}

QString SearchComparison::noEarlierSearchMessage()
{
    return tr("There is no earlier search to compare with: the list of a search is kept when the "
              "search ends");
}

QString SearchComparison::cannotCompareMessage(const QString &path, const QString &reason)
{
    return tr("The list in %1 cannot be compared: %2").arg(QDir::toNativeSeparators(path), reason);
}

SiteChangesWindow *SearchComparison::siteChangesWindow() const
{
    return m_siteChangesWindow;
}

ReaderList SearchComparison::listNow() const
{
    ReaderList list;
    list.readers.reserve(m_list->count());
    for (int row = 0; row < m_list->count(); ++row) {
        const QStringList fields = m_list->item(row)->data(ReaderListMenu::CsvFieldsRole).toStringList();
        list.readers.append({fields.value(0), fields.value(1), fields.value(2), fields.value(3)});
    }
    return list;
}

void SearchComparison::searchStarted()
{
    m_searched = true;
    m_earlierProblem.clear();
    if (!m_kept.readers.isEmpty()) {
        m_earlier = m_kept;
        m_earlierAt = m_keptAt;
        return;
    }
    m_earlier = ReaderList();
    if (m_keptListFile.isEmpty() || !QFileInfo::exists(m_keptListFile))
        return;
    QString reason;
    if (readReaderListFile(m_keptListFile, &m_earlier, &reason))
        m_earlierAt = QFileInfo(m_keptListFile).lastModified();
    else
        m_earlierProblem = cannotCompareMessage(m_keptListFile, reason);
}

void SearchComparison::searchEnded()
{
    // A search that found nobody (no network, the wrong one) leaves the list
    // of the last visit in place.
    if (m_list->count() == 0)
        return;
    m_kept = listNow();
    m_keptAt = QDateTime::currentDateTime();
    if (m_keptListFile.isEmpty())
        return;
    // Kept in this run of the program even when the file cannot be written.
    QDir().mkpath(QFileInfo(m_keptListFile).absolutePath());
    QString error;
    writeCsvFile(m_keptListFile, m_listMenu->csvText(), &error);
}

void SearchComparison::compareWithSavedList()
{
    if (!m_searched) {
        m_dialogs.message(searchFirstMessage());
        return;
    }
    QPointer<SearchComparison> self(this);
    QString path;
    if (!m_dialogs.openFile(csvFileRequest(QStringLiteral("readers.csv"), true), path) || !self)
        return;
    ReaderList saved;
    QString reason;
    if (!readReaderListFile(path, &saved, &reason)) {
        m_dialogs.message(cannotCompareMessage(path, reason));
        return;
    }
    showComparison(saved, QDir::toNativeSeparators(path));
}

void SearchComparison::compareWithLastSearch()
{
    if (!m_searched) {
        m_dialogs.message(searchFirstMessage());
        return;
    }
    if (!m_earlierProblem.isEmpty()) {
        m_dialogs.message(m_earlierProblem);
        return;
    }
    if (m_earlier.readers.isEmpty()) {
        m_dialogs.message(noEarlierSearchMessage());
        return;
    }
    //: Follows "Compared with "; %1 is a date and time.
    showComparison(m_earlier, tr("the last search, kept %1").arg(timeText(m_earlierAt)));
}

void SearchComparison::showComparison(const ReaderList &earlier, const QString &comparedWith)
{
    const SiteComparison comparison = compareReaderLists(earlier, listNow());
    if (!m_siteChangesWindow) {
        m_siteChangesWindow = new SiteChangesWindow(m_dialogs, m_list->parentWidget());
        connect(m_siteChangesWindow, &SiteChangesWindow::readerChosen, this,
                [this](const QString &address, const QString &controlPort) {
                    emit readerChosen(address, controlPort);
                    // Program Reader shows in the search window's own window: to the front.
                    QWidget *top = m_list->window();
                    top->raise();
                    top->activateWindow();
                });
    }
    m_siteChangesWindow->showComparison(comparison, comparedWith);
    m_siteChangesWindow->show();
    m_siteChangesWindow->raise();
    m_siteChangesWindow->activateWindow();
}
