#pragma once

#include "readerlistfile.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

class Dialogs;
class QListWidget;
class ReaderListMenu;
class SiteChangesWindow;

// The list menu's "Compare With Saved List..." and "Compare With Last
// Search" of a search window, and the list of the window's last search that
// the second one compares with. The list of a search is kept when the search
// ends (unless it found nobody), in the window while the program runs, and in
// a CSV file when the window is given one, so that the next visit compares
// with it. A comparison shows in the window's "Site Changes" window.
class SearchComparison : public QObject
{
    Q_OBJECT
public:
    SearchComparison(ReaderListMenu *listMenu, QListWidget *list, Dialogs &dialogs);

    // The file the list of the last search is kept in (empty: none).
    void setKeptListFile(const QString &path) { m_keptListFile = path; }
    QString keptListFile() const { return m_keptListFile; }

    // A search starts: the list it is compared with is that of the last
    // search that ended, in this run of the program or, kept in the file,
    // in an earlier one.
    void searchStarted();
    // A search ended: its list is kept, replacing the one kept before.
    void searchEnded();

    void compareWithSavedList();
    void compareWithLastSearch();

    // The readers of the list now.
    ReaderList listNow() const;
    // Null until the first comparison.
    SiteChangesWindow *siteChangesWindow() const;

    // Either comparison before the window has searched.
    static QString searchFirstMessage();
    // "Compare With Last Search" when no search has been kept.
    static QString noEarlierSearchMessage();
    // A file that is no list of readers.
    static QString cannotCompareMessage(const QString &path, const QString &reason);

signals:
    // A reader present now was chosen in the "Site Changes" window.
    void readerChosen(const QString &address, const QString &controlPort);

private:
    void showComparison(const ReaderList &earlier, const QString &comparedWith);

    ReaderListMenu *m_listMenu;
    QListWidget *m_list;
    Dialogs &m_dialogs;
    QString m_keptListFile;
    bool m_searched = false;
    // The list of the last search that ended in this run of the program.
    ReaderList m_kept;
    QDateTime m_keptAt;
    // What the list now is compared with, and why there is none.
    ReaderList m_earlier;
    QDateTime m_earlierAt;
    QString m_earlierProblem;
    QPointer<SiteChangesWindow> m_siteChangesWindow;
};
