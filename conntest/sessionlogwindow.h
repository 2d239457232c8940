#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class TrafficLog;

// A window over a data link's session log: one row per chunk, following new
// rows while scrolled to the bottom and staying put while the user scrolls
// back. Rows can be selected and copied (Ctrl+C or the context menu); "Clear"
// empties the log. It only shows the log, which lives on with the link.
class SessionLogWindow : public QWidget
{
    Q_OBJECT
public:
    SessionLogWindow(TrafficLog &log, const QString &title, QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    QPushButton *clearButton() const { return m_clearButton; }
    QLabel *summaryLabel() const { return m_summaryLabel; }
    // Copies the selected rows to the clipboard as tab-separated lines.
    void copySelection();
    bool followsNewRows() const { return m_follow; }

private:
    void rowsAdded();
    void showSummary();

    TrafficLog &m_log;
    QTableView *m_table;
    QPushButton *m_clearButton;
    QLabel *m_summaryLabel;
    bool m_follow = true;
};
