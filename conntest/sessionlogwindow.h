#pragma once

#include "dialogs.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class TrafficLog;

// The save request for a capture or a session log: CSV proposed, with every
// type a capture file can be written as.
Dialogs::FileRequest captureFileRequest(const QString &proposedName);

// A window over a data link's session log: one row per chunk, following new
// rows while scrolled to the bottom and staying put while the user scrolls
// back. Rows can be selected and copied (Ctrl+C or the context menu); "Save
// As..." writes what the log holds as CSV, raw received bytes or a Wireshark
// capture; "Clear" empties the log. It only shows the log, which lives on
// with the link.
class SessionLogWindow : public QWidget
{
    Q_OBJECT
public:
    SessionLogWindow(TrafficLog &log, Dialogs &dialogs, const QString &title, QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    QPushButton *saveButton() const { return m_saveButton; }
    QPushButton *clearButton() const { return m_clearButton; }
    QLabel *summaryLabel() const { return m_summaryLabel; }
    // Copies the selected rows to the clipboard as tab-separated lines.
    void copySelection();
    // Asks for a file and writes every chunk the log holds to it.
    void saveAs();
    bool followsNewRows() const { return m_follow; }

private:
    void showAddedRows();
    void showSummary();

    TrafficLog &m_log;
    Dialogs &m_dialogs;
    QTableView *m_table;
    QPushButton *m_saveButton;
    QPushButton *m_clearButton;
    QLabel *m_summaryLabel;
    bool m_follow = true;
};
