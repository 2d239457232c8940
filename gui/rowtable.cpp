#include "rowtable.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

QTableView *ui::rowTable(QWidget *parent, QAbstractItemModel *model, std::function<void()> copy)
{
    auto *table = new QTableView(parent);
    table->setObjectName(QStringLiteral("table"));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    auto *copyAction = new QAction(QCoreApplication::translate("RowTable", "Copy"), table);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copyAction, &QAction::triggered, table, std::move(copy));
    table->addAction(copyAction);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    return table;
}

QList<int> ui::selectedRows(const QTableView *table)
{
    QList<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}
