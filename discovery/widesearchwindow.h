#pragma once

#include "controlarray.h"
#include "taskwindow.h"

#include <QByteArray>

struct IdentifyReply;
class ClickLabel;
class Dialogs;
class FilteredLineEdit;
class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class ReaderListMenu;
class SocketControl;
class WideScan;

// "Wide Network Search": tries consecutive addresses from a typed starting
// address, asks each over TCP on the control port to identify itself and
// lists every reader that answers. The scan runs inside the click or key that
// starts it and lets events run while it waits, so F2 can stop it. In Fast
// Mode many addresses are tried at once, in the background, and the readers
// are listed in the same order. The list can be copied and saved as CSV.
class WideSearchWindow : public TaskWindow
{
    Q_OBJECT
public:
    explicit WideSearchWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    bool keyPreview(QKeyEvent *event) override;

    // F1 or "F1 Start Search". Does nothing while a scan is already running.
    // In Fast Mode it returns at once and the scan goes on in the background.
    void runScan();
    // F2 or "F2 Stop Search": the scan ends after the address it is trying;
    // in Fast Mode at once.
    void stopScan();

    // Addresses tried at once in Fast Mode, and the time each is given.
    static constexpr int FastJobs = 64;
    static constexpr int FastTimeoutMs = 1000;

    bool isScanning() const { return m_scanning; }

signals:
    // A reader was chosen by double click: hand it to Program Reader.
    void readerChosen(const QString &address, const QString &port);

private:
    // Connects to one address, on the port that Text2 holds now, and asks it
    // to identify itself. True with the reply's fields once the reply read so
    // far ends in a carriage return; false when the address did not connect
    // or answer in time, or the window went away during a wait (the caller
    // then touches nothing of it).
    bool identifyAt(const QString &address, IdentifyReply &reply);
    void runSerialScan();
    void runFastScan();
    void addReader(const IdentifyReply &reply, quint16 port);
    void scanOver();
    void list1DblClick(QListWidgetItem *item);

    Dialogs &m_dialogs;
    ControlArray<QLabel> Label1{QStringLiteral("Label1")};           // heading, column headings, hint, field labels
    FilteredLineEdit *Text3 = nullptr;  // starting IP address
    FilteredLineEdit *Text2 = nullptr;  // reader control port
    ClickLabel *Label2 = nullptr;     // "F1 Start Search"
    ClickLabel *Label5 = nullptr;     // "F2 Stop Search"
    QCheckBox *Check1 = nullptr;      // "Slow Mode": 3 s instead of 1 s per silent address
    QCheckBox *FastMode = nullptr;    // "Fast Mode": many addresses at once, 1 s each
    QLabel *Label3 = nullptr;         // status "Searching a.b.c.d", in Check1's place during a scan
    QListWidget *List1 = nullptr;     // one line per reader found
    SocketControl *tcpclient = nullptr;  // TCP to the address under test
    WideScan *m_fastScan = nullptr;      // the Fast Mode scan
    quint16 m_fastScanPort = 0;          // the port it asks on
    ReaderListMenu *m_listMenu = nullptr;

    bool stop = false;        // set by F2; the scan ends before the next address
    bool m_scanning = false;  // a scan is running (a second F1 is ignored)
};
