#pragma once

#include "controlarray.h"
#include "taskwindow.h"

class ClickLabel;
class Dialogs;
class QLabel;
class QListWidget;
class QListWidgetItem;
class SocketControl;

// "Local Network Search": sends one multicast identify request and lists every
// reply that reaches the window, one 72-column line per reply, for as long as
// the window exists. A double click hands a reader to Program Reader; "Resolve
// Dup" gives the selected reader a new address by its MAC.
class LanSearch : public TaskWindow
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

    explicit LanSearch(Dialogs &dialogs, QWidget *parent = nullptr);

    bool keyPreview(QKeyEvent *event) override;

    // F1 or "F1 Start Search": empties the list and sends the identify request.
    void startSearch();
    // "Resolve Dup": asks for a new address for the reader of the selected line.
    void resolveDup();

    // "Resolve Dup" without a selected line: nothing is asked or sent.
    static QString noReaderSelectedMessage();
    // "Resolve Dup" when the system refuses to send the message.
    static QString couldNotSendMessage();

signals:
    // A reader was chosen by double click: hand it to Program Reader.
    void readerChosen(const QString &address, const QString &port);

private:
    void winsock1DataArrival();
    void list1DblClick(QListWidgetItem *item);

    Dialogs &m_dialogs;
    ControlArray<QLabel> Label1{QStringLiteral("Label1")};       // heading, column headings, double-click hint, Resolve Dup hint
    QListWidget *List1 = nullptr;  // one line per identify reply, in arrival order
    ClickLabel *Label2 = nullptr;  // "F1 Start Search"
    ClickLabel *Label3 = nullptr;  // "Resolve Dup"
    SocketControl *Winsock1 = nullptr;  // UDP on 53001: request out, replies in
};
