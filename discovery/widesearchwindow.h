#pragma once

#include "taskwindow.h"

struct IdentifyReply;
class ClickLabel;
class Dialogs;
class FilteredLineEdit;
class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class ReaderListMenu;
class SearchComparison;
class WideScan;

// "Wide Network Search": tries consecutive addresses from a typed starting
// address, asks each over TCP on the control port to identify itself and
// lists every reader that answers. The scan runs in the background: one
// address after the other, each given 1 s to connect (3 s in Slow Mode) and
// 0.2 s to reply; in Fast Mode many addresses at once, 1 s each, the readers
// listed in the same order. The list can be copied, saved as CSV and
// compared with an earlier one.
class WideSearchWindow : public TaskWindow
{
    Q_OBJECT
public:
    explicit WideSearchWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    // The limits of a scan.
    struct Limits {
        // The time a silent address is given to connect, in the serial scan.
        int silentAddressMs = 1000;
        int slowSilentAddressMs = 3000;
        // The time a connected address is given to reply, in the serial scan.
        int replyMs = 200;
        // The time each address is given in Fast Mode.
        int fastAddressMs = 1000;
    };
    // Takes effect from the next scan on.
    void setLimits(const Limits &limits) { m_limits = limits; }
    // Addresses tried at once in Fast Mode.
    static constexpr int FastJobs = 64;

    // The file name of the last scan's list in the folder given to keepLastSearchIn().
    static inline const QString KeptListName = QStringLiteral("last-wide-search.csv");
    // Keeps the list of the last scan in this folder, across runs of the
    // program (without a folder, while the window exists).
    void keepLastSearchIn(const QString &folder);

    bool keyPreview(QKeyEvent *event) override;

    // F1 or "F1 Start Search": checks the fields and starts a scan, which goes
    // on in the background. Does nothing while a scan is already running.
    void startScan();
    // F2 or "F2 Stop Search": the scan ends after the address it is trying;
    // in Fast Mode at once.
    void stopScan();

    bool isScanning() const;

    QLabel *headingLabel() const { return m_headingLabel; }
    QLabel *columnHeadingsLabel() const { return m_columnHeadingsLabel; }
    QLabel *doubleClickHintLabel() const { return m_doubleClickHintLabel; }
    QLabel *startAddressLabel() const { return m_startAddressLabel; }
    QLabel *controlPortLabel() const { return m_controlPortLabel; }
    FilteredLineEdit *startAddressEdit() const { return m_startAddressEdit; }
    FilteredLineEdit *controlPortEdit() const { return m_controlPortEdit; }
    ClickLabel *startSearchButton() const { return m_startSearchButton; }
    ClickLabel *stopSearchButton() const { return m_stopSearchButton; }
    QCheckBox *slowModeCheck() const { return m_slowModeCheck; }
    QCheckBox *fastModeCheck() const { return m_fastModeCheck; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QListWidget *readerList() const { return m_readerList; }
    ReaderListMenu *listMenu() const { return m_listMenu; }
    SearchComparison *searchComparison() const { return m_searchComparison; }
    const WideScan *searchEngine() const { return m_searchEngine; }

signals:
    // A reader was chosen by double click: hand it to Program Reader.
    void readerChosen(const QString &address, const QString &port);

protected:
    // Closing the window, like destroying it, ends a scan at once and closes
    // its connections.
    void closeEvent(QCloseEvent *event) override;

private:
    void showTrying(const QString &address);
    void showProgress(int addressesDone, const QString &lastAddress);
    void addReader(const IdentifyReply &reply, quint16 port);
    void changeScanPort(const QString &text);
    void showScanEnded();
    void chooseReader(QListWidgetItem *item);

    Dialogs &m_dialogs;
    QLabel *m_headingLabel = nullptr;
    QLabel *m_columnHeadingsLabel = nullptr;
    QLabel *m_doubleClickHintLabel = nullptr;
    QLabel *m_startAddressLabel = nullptr;
    FilteredLineEdit *m_startAddressEdit = nullptr;
    QLabel *m_controlPortLabel = nullptr;
    FilteredLineEdit *m_controlPortEdit = nullptr;
    ClickLabel *m_startSearchButton = nullptr;
    ClickLabel *m_stopSearchButton = nullptr;
    QCheckBox *m_slowModeCheck = nullptr;   // 3 s instead of 1 s per silent address
    QCheckBox *m_fastModeCheck = nullptr;   // many addresses at once, 1 s each
    QLabel *m_statusLabel = nullptr;        // in the two boxes' place during a scan
    QListWidget *m_readerList = nullptr;    // one line per reader found
    ReaderListMenu *m_listMenu = nullptr;
    SearchComparison *m_searchComparison = nullptr;
    WideScan *m_searchEngine = nullptr;
    Limits m_limits;
    bool m_fastScan = false;   // the scan running (or last run) is a Fast Mode one
};
