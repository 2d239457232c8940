#pragma once

#include "dialogs.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QFont;
class QListWidget;
class QRect;
class QWidget;

// The list of a search window, named "readerList", at its place in twips:
// one fixed-width line per reader in the order they came, one selected at a
// time.
QListWidget *createReaderList(QWidget *window, const QRect &twips);

// A heading over a column of a reader list: its English text, the text
// shown (the English or a translation) and the blanks after the English.
struct ColumnHeading {
    QString english;
    QString shown;
    int blanksAfter = 0;
};
// The headings over a reader list's columns as one line in the label's font:
// each shown heading starts where its English heading starts (at least one
// blank after the one before), so that in every language a heading stands
// over its column. With every heading in English, exactly the English line.
QString readerListHeadings(const QFont &font, const QList<ColumnHeading> &headings);

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
