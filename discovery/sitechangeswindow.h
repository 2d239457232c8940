#pragma once

#include "sitechanges.h"

#include <QWidget>

class Dialogs;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class SiteChangesModel;

// "Site Changes": a search list compared with an earlier one, one row per
// reader with what changed and the old and new values, sorted by change,
// then address. "Hide Unchanged" leaves out the unchanged readers; Ctrl+C
// copies the selected rows; "Save As..." writes the rows shown as CSV. A
// double click on a reader that is present now hands it over, as a double
// click in the list does. The search list itself is not changed.
class SiteChangesWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SiteChangesWindow(Dialogs &dialogs, QWidget *parent = nullptr);
    ~SiteChangesWindow() override;

    // Shows a comparison in place of the one shown; 'comparedWith' names the
    // earlier list (a file's path, or the last search).
    void showComparison(const SiteComparison &comparison, const QString &comparedWith);
    const SiteComparison &comparison() const;
    // The rows shown, from the top, as indexes into comparison().rows.
    QList<int> shownRows() const;

    // The selected rows to the clipboard, one line each, cells separated by tabs.
    void copySelection();
    // Asks for a file name and writes the rows shown as CSV.
    void saveAs();

    // The message when the file could not be written.
    static QString couldNotSaveMessage(const QString &path, const QString &reason);

    QLabel *comparedWithLabel() const { return m_comparedWithLabel; }
    QLabel *summaryLabel() const { return m_summaryLabel; }
    QCheckBox *hideUnchangedCheck() const { return m_hideUnchangedCheck; }
    QPushButton *saveButton() const { return m_saveButton; }
    QTableView *table() const { return m_table; }

signals:
    // A reader present now was chosen by double click.
    void readerChosen(const QString &address, const QString &controlPort);

private:
    void chooseRow(int shownRow);

    Dialogs &m_dialogs;
    SiteChangesModel *m_model;
    QLabel *m_comparedWithLabel;
    QLabel *m_summaryLabel;
    QCheckBox *m_hideUnchangedCheck;
    QPushButton *m_saveButton;
    QTableView *m_table;
};
