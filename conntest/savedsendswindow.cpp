#include "savedsendswindow.h"

#include "savedsends.h"
#include "senddata.h"
#include "trafficlog.h"
#include "uikit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QPointer<SavedSendsWindow> g_editor;

// Edits a cell in place: the data is checked at every keystroke, and a value
// the list refuses is reported instead of saved.
class CheckingDelegate : public QStyledItemDelegate
{
public:
    CheckingDelegate(std::function<void(const QString &, bool)> report, QObject *parent)
        : QStyledItemDelegate(parent), m_report(std::move(report))
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        auto *edit = qobject_cast<QLineEdit *>(editor);
        if (edit && index.column() == SavedSends::DataColumn)
            connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
                bool ok = false;
                const QString check = SavedSendsWindow::checkText(text, &ok);
                m_report(check, ok);
            });
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        auto *list = static_cast<SavedSends *>(model);
        const QString typed = static_cast<QLineEdit *>(editor)->text();
        if (!list->setData(index, typed))
            m_report(SavedSendsWindow::tr("Not saved: %1").arg(list->lastRefusal()), false);
    }

private:
    std::function<void(const QString &, bool)> m_report;
};
} // namespace

SavedSendsWindow *SavedSendsWindow::open(QWidget *owner)
{
    if (!g_editor)
        g_editor = new SavedSendsWindow(owner);
    g_editor->show();
    g_editor->raise();
    g_editor->activateWindow();
    return g_editor;
}

QString SavedSendsWindow::checkText(const QString &data, bool *ok)
{
    const senddata::Parsed parsed = senddata::parse(data);
    if (ok)
        *ok = parsed.ok;
    if (!parsed.ok)
        return parsed.error;
    const QString hex = traffic::hexText(parsed.bytes.left(16)) + (parsed.bytes.size() > 16 ? QStringLiteral(" ...") : QString());
    return tr("Sends %1 bytes: %2").arg(parsed.bytes.size()).arg(hex);
}

SavedSendsWindow::SavedSendsWindow(QWidget *owner) : QWidget(owner, Qt::Window), m_model(new SavedSends(this))
{
    setObjectName(QStringLiteral("savedSendsWindow"));
    setWindowTitle(tr("Saved Sends"));

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_table->setItemDelegate(new CheckingDelegate([this](const QString &text, bool ok) { showCheck(text, ok); }, this));
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->resizeSection(SavedSends::NameColumn, 160);
    // Row numbers: the key that sends the entry (Ctrl+1 sends row 1).
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_dataEdit = new QLineEdit(this);
    m_dataEdit->setObjectName(QStringLiteral("dataEdit"));
    //: Keep the escapes and "hex:" as they are: they are what the technician types.
    m_dataEdit->setPlaceholderText(tr("text with \\r \\n \\t \\\\ \\xHH, or hex: 41 42 0D"));
    m_addButton = new QPushButton(tr("Add"), this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_removeButton = new QPushButton(tr("Remove"), this);
    m_removeButton->setObjectName(QStringLiteral("removeButton"));
    m_upButton = new QPushButton(tr("Move Up"), this);
    m_upButton->setObjectName(QStringLiteral("upButton"));
    m_downButton = new QPushButton(tr("Move Down"), this);
    m_downButton->setObjectName(QStringLiteral("downButton"));
    m_checkLabel = new QLabel(this);
    m_checkLabel->setObjectName(QStringLiteral("checkLabel"));
    m_checkLabel->setTextFormat(Qt::PlainText);

    auto *form = new QFormLayout;
    form->addRow(tr("Name"), m_nameEdit);
    form->addRow(tr("Data"), m_dataEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addStretch(1);
    buttons->addWidget(m_upButton);
    buttons->addWidget(m_downButton);
    buttons->addWidget(m_removeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(form);
    layout->addWidget(m_checkLabel);
    layout->addLayout(buttons);
    resize(560, 380);

    connect(m_nameEdit, &QLineEdit::textChanged, this, &SavedSendsWindow::checkNewEntry);
    connect(m_dataEdit, &QLineEdit::textChanged, this, &SavedSendsWindow::checkNewEntry);
    connect(m_dataEdit, &QLineEdit::returnPressed, this, &SavedSendsWindow::addEntry);
    connect(m_addButton, &QPushButton::clicked, this, &SavedSendsWindow::addEntry);
    connect(m_removeButton, &QPushButton::clicked, this, &SavedSendsWindow::removeSelected);
    connect(m_upButton, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_downButton, &QPushButton::clicked, this, [this] { moveSelected(1); });
    checkNewEntry();
    m_nameEdit->setFocus();
}

void SavedSendsWindow::showCheck(const QString &text, bool ok)
{
    ui::setColours(m_checkLabel, Qt::transparent, ok ? Qt::black : ui::DarkRed);
    m_checkLabel->setText(text);
}

void SavedSendsWindow::checkNewEntry()
{
    const SavedSends::Entry entry{m_nameEdit->text(), m_dataEdit->text()};
    if (m_dataEdit->text().isEmpty()) {
        m_addButton->setEnabled(false);
        showCheck(tr("Type a name and the data to send"), true);
        return;
    }
    bool ok = false;
    QString text = checkText(entry.data, &ok);
    if (ok && m_model->rowCount() >= SavedSends::MaxEntries) {
        ok = false;
        text = tr("The list is full: at most %1 saved sends").arg(SavedSends::MaxEntries);
    }
    m_addButton->setEnabled(ok && SavedSends::refusalOf(entry).isEmpty());
    showCheck(text, ok);
}

void SavedSendsWindow::addEntry()
{
    QString refusal;
    if (!m_model->add({m_nameEdit->text(), m_dataEdit->text()}, &refusal)) {
        showCheck(tr("Not added: %1").arg(refusal), false);
        return;
    }
    m_table->selectRow(m_model->rowCount() - 1);
    m_nameEdit->clear();
    m_dataEdit->clear();
    m_nameEdit->setFocus();
}

int SavedSendsWindow::selectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void SavedSendsWindow::removeSelected()
{
    m_model->remove(selectedRow());
}

void SavedSendsWindow::moveSelected(int step)
{
    const int row = selectedRow();
    if (m_model->move(row, step))
        m_table->selectRow(row + step);
}
