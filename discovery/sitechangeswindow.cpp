#include "sitechangeswindow.h"

#include "dialogs.h"
#include "translated.h"
#include "rowtable.h"
#include "localsearchwindow.h"
#include "readerlistfile.h"
#include "readerlistmenu.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

// The rows of a comparison as a table, all of them or only the changed ones.
// Cells are made when the view asks for them, so that a list of thousands
// of readers fills the table at once.
class SiteChangesModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setComparison(const SiteComparison &comparison)
    {
        beginResetModel();
        m_comparison = comparison;
        m_headings = siteChangeHeadings();
        chooseRows();
        endResetModel();
    }
    void setHideUnchanged(bool hide)
    {
        beginResetModel();
        m_hideUnchanged = hide;
        chooseRows();
        endResetModel();
    }
    const SiteComparison &comparison() const { return m_comparison; }
    const QList<int> &shownRows() const { return m_shown; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_shown.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_headings.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_shown.size())
            return {};
        const SiteChange &row = m_comparison.rows.at(m_shown.at(index.row()));
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            if (index.column() == 0)
                return changeText(row.changes, Words::Translated);
            return siteChangeCells(m_comparison, row).value(index.column());
        }
        // Red as the lines of such an address are in the local search list.
        if (role == Qt::ForegroundRole && (row.changes & sitechanges::DuplicateAddress))
            return LocalSearchWindow::duplicateColour();
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return ui::translated("SiteChanges", m_headings.value(section));
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    void chooseRows()
    {
        m_shown.clear();
        m_shown.reserve(m_comparison.rows.size());
        for (int row = 0; row < m_comparison.rows.size(); ++row) {
            if (!m_hideUnchanged || m_comparison.rows.at(row).changes != 0)
                m_shown.append(row);
        }
    }

    SiteComparison m_comparison;
    QStringList m_headings = siteChangeHeadings();
    QList<int> m_shown;
    bool m_hideUnchanged = false;
};

SiteChangesWindow::SiteChangesWindow(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs), m_model(new SiteChangesModel(this))
{
    setObjectName(QStringLiteral("siteChanges"));
    setWindowTitle(tr("Site Changes"));

    m_comparedWithLabel = new QLabel(this);
    m_comparedWithLabel->setObjectName(QStringLiteral("comparedWithLabel"));
    m_comparedWithLabel->setTextFormat(Qt::PlainText);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_summaryLabel->setTextFormat(Qt::PlainText);
    QFont bold = m_summaryLabel->font();
    bold.setBold(true);
    m_summaryLabel->setFont(bold);
    m_hideUnchangedCheck = new QCheckBox(tr("Hide Unchanged"), this);
    m_hideUnchangedCheck->setObjectName(QStringLiteral("hideUnchangedCheck"));
    m_saveButton = new QPushButton(tr("Save As..."), this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));

    // Column widths fixed below: thousands of rows fill the table at once,
    // without measuring each cell.
    m_table = ui::rowTable(this, m_model, [this] { copySelection(); });
    QHeaderView *columns = m_table->horizontalHeader();
    columns->setStretchLastSection(true);
    // Wide enough for the usual texts; the note takes what is left.
    const QFontMetrics metrics = m_table->fontMetrics();
    const QStringList widest{changeText(sitechanges::DuplicateAddress | sitechanges::New, Words::Translated),
                             QStringLiteral("255.255.255.255"),
                             QStringLiteral("Old IP Address"),         QStringLiteral("0000000000000"),
                             QStringLiteral("Reader Identification"),  QStringLiteral("Old Reader Identification"),
                             QStringLiteral("Control Port"),           QStringLiteral("Old Control Port")};
    int tableWidth = metrics.averageCharWidth() * 30;
    for (int column = 0; column < widest.size(); ++column) {
        // A column is as wide as its heading or its widest usual value, in the language shown.
        const QString heading = ui::translated("SiteChanges", siteChangeHeadings().value(column));
        const QString value = ui::translated("SiteChanges", widest.at(column));
        const int width = qMax(metrics.horizontalAdvance(heading), metrics.horizontalAdvance(value))
                          + 2 * metrics.averageCharWidth();
        columns->resizeSection(column, width);
        tableWidth += width;
    }

    auto *controls = new QHBoxLayout;
    controls->addWidget(m_hideUnchangedCheck);
    controls->addStretch(1);
    controls->addWidget(m_saveButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_comparedWithLabel);
    layout->addWidget(m_summaryLabel);
    layout->addLayout(controls);
    layout->addWidget(m_table, 1);
    const QRect screen = this->screen()->availableGeometry();
    resize(qMin(tableWidth + 40, screen.width() * 9 / 10), qMin(440, screen.height() * 9 / 10));

    // The keys go to the rows first: arrows, Ctrl+A, Ctrl+C.
    m_table->setFocus();
    connect(m_hideUnchangedCheck, &QCheckBox::toggled, m_model, &SiteChangesModel::setHideUnchanged);
    connect(m_saveButton, &QPushButton::clicked, this, &SiteChangesWindow::saveAs);
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { chooseRow(index.row()); });
}

SiteChangesWindow::~SiteChangesWindow() = default;

void SiteChangesWindow::showComparison(const SiteComparison &comparison, const QString &comparedWith)
{
    m_model->setComparison(comparison);
    m_comparedWithLabel->setText(tr("Compared with %1").arg(comparedWith));
    m_summaryLabel->setText(comparison.summary());
}

const SiteComparison &SiteChangesWindow::comparison() const
{
    return m_model->comparison();
}

QList<int> SiteChangesWindow::shownRows() const
{
    return m_model->shownRows();
}

void SiteChangesWindow::copySelection()
{
    const QList<int> rows = ui::selectedRows(m_table);
    if (rows.isEmpty())
        return;
    QString text;
    for (const int row : std::as_const(rows)) {
        const SiteChange &change = comparison().rows.at(shownRows().at(row));
        QStringList cells = siteChangeCells(comparison(), change);
        cells[0] = changeText(change.changes, Words::Translated);
        // A tab or line end of a reader's own would split the row when pasted.
        for (QString &cell : cells) {
            for (QChar &c : cell) {
                if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                    c = QLatin1Char(' ');
            }
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text);
}

QString SiteChangesWindow::couldNotSaveMessage(const QString &path, const QString &reason)
{
    return tr("The comparison could not be saved to %1: %2").arg(path, reason);
}

void SiteChangesWindow::saveAs()
{
    // What is saved is what the window shows when the name is chosen.
    QPointer<SiteChangesWindow> self(this);
    QString path;
    if (!m_dialogs.saveFile(csvFileRequest(QStringLiteral("site-changes.csv"), false), path) || !self)
        return;
    QString error;
    if (!writeCsvFile(path, siteChangesCsv(comparison(), shownRows()), &error))
        m_dialogs.message(couldNotSaveMessage(path, error));
}

void SiteChangesWindow::chooseRow(int shownRow)
{
    if (shownRow < 0 || shownRow >= shownRows().size())
        return;
    const SiteChange &row = comparison().rows.at(shownRows().at(shownRow));
    if (row.now < 0)
        return;
    const ListedReader &reader = comparison().now.readers.at(row.now);
    emit readerChosen(reader.address, reader.controlPort);
}
