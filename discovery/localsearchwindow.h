#pragma once

#include "taskwindow.h"

#include <QColor>
#include <QHash>
#include <QSet>

class ClickLabel;
class Dialogs;
class LocalSearchEngine;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTimer;
class ReaderListMenu;
class SearchComparison;

// "Local Network Search": sends one multicast identify request out of every
// network interface and lists every reply that reaches the window, one
// 72-column line per reply, for as long as the window exists. Lines of an
// address that answers with two MAC addresses are red. A double click hands a
// reader to Program Reader; "Resolve Dup" gives the selected reader a new
// address by its MAC. The list can be copied, saved as CSV and compared with
// an earlier one.
class LocalSearchWindow : public TaskWindow
{
    Q_OBJECT
public:
    // Receive buffer of the search socket: holds a burst of thousands of
    // replies while the program is busy elsewhere.
    static constexpr int ReceiveBufferBytes = 4 * 1024 * 1024;
    // Lines one search lists at most: a whole /16 network of readers. Replies
    // beyond it (only a flooding sender gets there) are dropped, so that a
    // flood cannot fill the memory; a new search starts a new list.
    static constexpr int MaxListLines = 65536;
    // Bytes of each reply field kept for copying and saving the list: more
    // than any line shows, and a flood of large replies stays small.
    static constexpr int SavedFieldBytes = 64;
    // A search has no end of its own: it counts as ended, and its list is
    // kept for "Compare With Last Search", once no reply has come for this long.
    static constexpr int SearchSettledMs = 2000;
    // The file name of that list in the folder given to keepLastSearchIn().
    static inline const QString KeptListName = QStringLiteral("last-local-search.csv");

    explicit LocalSearchWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    // Keeps the list of the last search in this folder, across runs of the
    // program (without a folder, while the window exists).
    void keepLastSearchIn(const QString &folder);

    bool keyPreview(QKeyEvent *event) override;

    // F1 or "F1 Start Search": empties the list and sends the identify request.
    void startSearch();
    // "Resolve Dup": asks for a new address for the reader of the selected line.
    void resolveDup();

    // "Resolve Dup" without a selected line: nothing is asked or sent.
    static QString noReaderSelectedMessage();
    // "Resolve Dup" when the system refuses to send the message.
    static QString couldNotSendMessage();
    // Shown in the resolve hint after a change-address message went out,
    // until the next search.
    static QString searchAgainHint();
    // The colour of the lines of an address that answers with two MAC addresses.
    static QColor duplicateColour() { return QColor(255, 0, 0); }

    QLabel *headingLabel() const { return m_headingLabel; }
    QLabel *columnHeadingsLabel() const { return m_columnHeadingsLabel; }
    QLabel *doubleClickHintLabel() const { return m_doubleClickHintLabel; }
    QLabel *resolveHintLabel() const { return m_resolveHintLabel; }
    QListWidget *readerList() const { return m_readerList; }
    ClickLabel *startSearchButton() const { return m_startSearchButton; }
    ClickLabel *resolveDupButton() const { return m_resolveDupButton; }
    ReaderListMenu *listMenu() const { return m_listMenu; }
    SearchComparison *searchComparison() const { return m_searchComparison; }
    const LocalSearchEngine *searchEngine() const { return m_searchEngine; }

signals:
    // A reader was chosen by double click: hand it to Program Reader.
    void readerChosen(const QString &address, const QString &port);

private:
    void addReply(const QByteArray &datagram, const QString &interfaceName);
    void chooseReader(QListWidgetItem *item);
    void markDuplicates(QListWidgetItem *item);

    Dialogs &m_dialogs;
    QLabel *m_headingLabel = nullptr;
    QLabel *m_columnHeadingsLabel = nullptr;
    QListWidget *m_readerList = nullptr;   // one line per identify reply, in arrival order
    ClickLabel *m_startSearchButton = nullptr;
    QLabel *m_doubleClickHintLabel = nullptr;
    ClickLabel *m_resolveDupButton = nullptr;
    QLabel *m_resolveHintLabel = nullptr;
    LocalSearchEngine *m_searchEngine = nullptr;   // UDP on the identify port, every interface: request out, replies in
    ReaderListMenu *m_listMenu = nullptr;
    SearchComparison *m_searchComparison = nullptr;
    QTimer *m_searchSettled = nullptr;   // runs from the request or the last reply on

    // The lines of the current search by the address they show, and the MAC
    // addresses seen with it: two MACs for one address make its lines red.
    struct AddressLines {
        QList<int> rows;
        QSet<QByteArray> macs;
    };
    QHash<QString, AddressLines> m_addressLines;
    QString m_resolveHintText;  // the resolve hint label's own text
};
