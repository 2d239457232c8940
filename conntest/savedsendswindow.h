#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class SavedSends;

// The editor of the saved sends: the list as a table (double click or F2
// edits a name or data in place), fields to add an entry, and buttons to
// remove one or move it up or down. Data is checked as it is typed, in the
// table and in the fields, and the line below says what it sends or what is
// wrong; a change that fails the check is not saved. One editor serves the
// whole program: open() shows it, or brings it to the front.
class SavedSendsWindow : public QWidget
{
    Q_OBJECT
public:
    // The editor, created as a window of 'owner' the first time.
    static SavedSendsWindow *open(QWidget *owner);

    SavedSends &model() const { return *m_model; }
    QTableView *table() const { return m_table; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QLineEdit *dataEdit() const { return m_dataEdit; }
    QPushButton *addButton() const { return m_addButton; }
    QPushButton *removeButton() const { return m_removeButton; }
    QPushButton *upButton() const { return m_upButton; }
    QPushButton *downButton() const { return m_downButton; }
    QLabel *checkLabel() const { return m_checkLabel; }

    // What data as typed sends, or what is wrong with it.
    static QString checkText(const QString &data, bool *ok = nullptr);

private:
    explicit SavedSendsWindow(QWidget *owner);
    void showCheck(const QString &text, bool ok);
    void checkNewEntry();
    void addEntry();
    void removeSelected();
    void moveSelected(int step);
    int selectedRow() const;

    SavedSends *m_model;
    QTableView *m_table;
    QLineEdit *m_nameEdit;
    QLineEdit *m_dataEdit;
    QPushButton *m_addButton;
    QPushButton *m_removeButton;
    QPushButton *m_upButton;
    QPushButton *m_downButton;
    QLabel *m_checkLabel;
};
