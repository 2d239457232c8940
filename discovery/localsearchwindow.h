#pragma once

#include "controlarray.h"
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
class ReaderListMenu;

// "Local Network Search": sends one multicast identify request out of every
// network interface and lists every reply that reaches the window, one
// 72-column line per reply, for as long as the window exists. Lines of an
// address that answers with two MAC addresses are red. A double click hands a
// reader to Program Reader; "Resolve Dup" gives the selected reader a new
// address by its MAC. The list can be copied and saved as CSV.
class LocalSearchWindow : public TaskWindow
{
    Q_OBJECT
public:
    // Receive buffer of the search socket: holds a burst of thousands of
    // replies while the program sits in a wait elsewhere.
    static constexpr int ReceiveBufferBytes = 4 * 1024 * 1024;
    // Lines one search lists at most: a whole /16 network of readers. Replies
    // beyond it (only a flooding sender gets there) are dropped, so that a
    // flood cannot fill the memory; a new search starts a new list.
    static constexpr int MaxListLines = 65536;
    // Bytes of each reply field kept for copying and saving the list: more
    // than any line shows, and a flood of large replies stays small.
    static constexpr int SavedFieldBytes = 64;

    explicit LocalSearchWindow(Dialogs &dialogs, QWidget *parent = nullptr);

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

signals:
    // A reader was chosen by double click: hand it to Program Reader.
    void readerChosen(const QString &address, const QString &port);

private:
    void winsock1DataArrival(const QByteArray &datagram, const QString &interfaceName);
    void list1DblClick(QListWidgetItem *item);
    void markDuplicates(QListWidgetItem *item);

    Dialogs &m_dialogs;
    ControlArray<QLabel> Label1{QStringLiteral("Label1")};       // heading, column headings, double-click hint, Resolve Dup hint
    QListWidget *List1 = nullptr;  // one line per identify reply, in arrival order
    ClickLabel *Label2 = nullptr;  // "F1 Start Search"
    ClickLabel *Label3 = nullptr;  // "Resolve Dup"
    LocalSearchEngine *Winsock1 = nullptr;  // UDP on 53001, every interface: request out, replies in
    ReaderListMenu *m_listMenu = nullptr;

    // The lines of the current search by the address they show, and the MAC
    // addresses seen with it: two MACs for one address make its lines red.
    struct AddressLines {
        QList<int> rows;
        QSet<QByteArray> macs;
    };
    QHash<QString, AddressLines> m_addressLines;
    QString m_resolveHint;  // the resolve hint label's own text
};
