#pragma once

#include <QList>

#include <functional>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace ui {
// A table of rows to read, select and copy, named "table": whole rows,
// several at once, not editable, no wrapping, no row numbers, columns the
// user can widen. Rows have one fixed height, so that a hundred thousand of
// them open and scroll at once. Ctrl+C while it has the focus, and "Copy" on
// a right click, call 'copy'.
QTableView *rowTable(QWidget *parent, QAbstractItemModel *model, std::function<void()> copy);

// The rows selected in 'table', in order.
QList<int> selectedRows(const QTableView *table);
} // namespace ui
