#pragma once

#include "dialogs.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QListWidget;
class QRect;
class QWidget;

// The list of a search window, named "readerList", at its place in twips:
// one fixed-width line per reader in the order they came, one selected at a
// time.
QListWidget *createReaderList(QWidget *window, const QRect &twips);

// The file dialog request for a CSV file of the search windows.
Dialogs::FileRequest csvFileRequest(const QString &proposedName, bool mustExist);

// The context menu and keys of a reader list: "Copy" (the selected line,
// Ctrl+C), "Copy All" (every line) and "Save List As..." (CSV through the
// dialogs interface). Each line carries its CSV fields in CsvFieldsRole.
class ReaderListMenu : public QObject
{
    Q_OBJECT
public:
    static constexpr int CsvFieldsRole = Qt::UserRole + 1;

    ReaderListMenu(QListWidget *list, Dialogs &dialogs, const QStringList &csvHeader,
                   const QString &proposedName);

    void copySelected();
    void copyAll();
    void saveListAs();

    // The list as CSV: the heading line, then one line per list line.
    QString csvText() const;

    // The message when the file could not be written.
    static QString couldNotSaveMessage(const QString &path, const QString &reason);

private:
    QListWidget *m_list;
    Dialogs &m_dialogs;
    QStringList m_header;
    QString m_proposedName;
};
