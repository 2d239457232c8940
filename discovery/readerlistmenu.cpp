#include "readerlistmenu.h"

#include "csvfields.h"
#include "readerlistfile.h"
#include "twips.h"
#include "uikit.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>

#include <algorithm>

QListWidget *createReaderList(QWidget *window, const QRect &twips)
{
    auto *list = new QListWidget(window);
    list->setObjectName(QStringLiteral("readerList"));
    list->setFont(ui::font(QStringLiteral("Courier New"), 9.75, false));
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every line has the same height: lets thousands of lines go in quickly.
    list->setUniformItemSizes(true);
    place(list, twips.x(), twips.y(), twips.width(), twips.height());
    return list;
}

ReaderListMenu::ReaderListMenu(QListWidget *list, Dialogs &dialogs, const QStringList &csvHeader,
                               const QString &proposedName)
    : QObject(list), m_list(list), m_dialogs(dialogs), m_header(csvHeader), m_proposedName(proposedName)
{
    auto *copy = new QAction(tr("Copy"), list);
    copy->setShortcut(QKeySequence::Copy);
    // Only while the list has the focus: the entry fields keep their own Ctrl+C.
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    auto *copyAllAction = new QAction(tr("Copy All"), list);
    auto *save = new QAction(tr("Save List As..."), list);
    list->addActions({copy, copyAllAction, save});
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &ReaderListMenu::copySelected);
    connect(copyAllAction, &QAction::triggered, this, &ReaderListMenu::copyAll);
    connect(save, &QAction::triggered, this, &ReaderListMenu::saveListAs);
}

void ReaderListMenu::copySelected()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(selected.first()->text());
}

void ReaderListMenu::copyAll()
{
    QString text;
    for (int row = 0; row < m_list->count(); ++row)
        text += m_list->item(row)->text() + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

QString ReaderListMenu::csvText() const
{
    QString text = csvLine(m_header);
    for (int row = 0; row < m_list->count(); ++row) {
        // A value's own leading apostrophe comes back when the file is read.
        QStringList fields = m_list->item(row)->data(CsvFieldsRole).toStringList();
        for (QString &field : fields)
            field = cellWithoutLoss(field);
        text += csvLine(fields);
    }
    return text;
}

QString ReaderListMenu::couldNotSaveMessage(const QString &path, const QString &reason)
{
    return tr("The list could not be saved to %1: %2").arg(path, reason);
}

QString readerListHeadings(const QFont &font, const QList<ColumnHeading> &headings)
{
    QString english;
    for (const ColumnHeading &heading : headings)
        english += heading.english + QString(heading.blanksAfter, QLatin1Char(' '));
    if (std::all_of(headings.begin(), headings.end(), [](const ColumnHeading &h) { return h.shown == h.english; }))
        return english;
    const QFontMetrics metrics(font);
    QString line;
    QString englishSoFar;
    for (const ColumnHeading &heading : headings) {
        if (!line.isEmpty()) {
            const int start = metrics.horizontalAdvance(englishSoFar);
            line += QLatin1Char(' ');
            while (metrics.horizontalAdvance(line + QLatin1Char(' ')) <= start)
                line += QLatin1Char(' ');
        }
        line += heading.shown;
        englishSoFar += heading.english + QString(heading.blanksAfter, QLatin1Char(' '));
    }
    return line;
}

Dialogs::FileRequest csvFileRequest(const QString &proposedName, bool mustExist)
{
    Dialogs::FileRequest request;
    request.defaultExtension = QStringLiteral("csv");
    request.proposedName = proposedName;
    //: File type in the file dialog: keep the pattern in brackets as it is.
    request.filters = QStringList{ReaderListMenu::tr("CSV Files (*.csv)"),
                                  //: File type in the file dialog: keep the pattern in brackets as it is.
                                  ReaderListMenu::tr("All Files (*.*)")};
    request.mustExist = mustExist;
    return request;
}

void ReaderListMenu::saveListAs()
{
    // The list may change while the dialog is open: what is saved is the list
    // at the moment the name is chosen.
    QPointer<ReaderListMenu> self(this);
    QString path;
    if (!m_dialogs.saveFile(csvFileRequest(m_proposedName, false), path) || !self)
        return;
    QString error;
    if (!writeCsvFile(path, csvText(), &error))
        m_dialogs.message(couldNotSaveMessage(path, error));
}
