#include "sessionlogwindow.h"

#include "trafficlog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

SessionLogWindow::SessionLogWindow(TrafficLog &log, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window), m_log(log)
{
    setObjectName(QStringLiteral("sessionLogWindow"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setModel(&m_log);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setWordWrap(false);
    m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Fixed row heights: a hundred thousand rows open and scroll at once.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->verticalHeader()->hide();
    QHeaderView *columns = m_table->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics = m_table->fontMetrics();
    columns->resizeSection(TrafficLog::TimeColumn, metrics.horizontalAdvance(QStringLiteral("0000-00-00 00:00:00.000  ")));
    columns->resizeSection(TrafficLog::DirectionColumn, metrics.horizontalAdvance(QStringLiteral("received  ")));
    columns->resizeSection(TrafficLog::PeerColumn, metrics.horizontalAdvance(QStringLiteral("255.255.255.255:65535  ")));
    columns->resizeSection(TrafficLog::LengthColumn, metrics.horizontalAdvance(QStringLiteral("Length  ")));
    columns->resizeSection(TrafficLog::HexColumn, metrics.horizontalAdvance(QLatin1Char('0')) * 3 * 16);
    columns->setStretchLastSection(true);

    auto *copy = new QAction(QStringLiteral("Copy"), m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &SessionLogWindow::copySelection);
    m_table->addAction(copy);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_clearButton = new QPushButton(QStringLiteral("Clear"), this);
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    connect(m_clearButton, &QPushButton::clicked, &m_log, &TrafficLog::clear);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_summaryLabel->setTextFormat(Qt::PlainText);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_summaryLabel, 1);
    bottom->addWidget(m_clearButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);
    resize(900, 420);

    // New rows are followed while the view is at the bottom when they come.
    connect(&m_log, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar *bar = m_table->verticalScrollBar();
        m_follow = bar->value() >= bar->maximum();
    });
    connect(&m_log, &QAbstractItemModel::rowsInserted, this, &SessionLogWindow::rowsAdded);
    connect(&m_log, &QAbstractItemModel::rowsRemoved, this, &SessionLogWindow::showSummary);
    connect(&m_log, &QAbstractItemModel::modelReset, this, [this] {
        m_follow = true;
        showSummary();
    });
    showSummary();
    m_table->scrollToBottom();
}

void SessionLogWindow::rowsAdded()
{
    showSummary();
    if (m_follow)
        m_table->scrollToBottom();
}

void SessionLogWindow::showSummary()
{
    QString text = QStringLiteral("%1 chunks, %2 bytes").arg(m_log.rowCount()).arg(m_log.bytesHeld());
    if (m_log.droppedCount() > 0)
        text += QStringLiteral("; %1 older chunks dropped").arg(m_log.droppedCount());
    m_summaryLabel->setText(text);
}

void SessionLogWindow::copySelection()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (!rows.isEmpty())
        QGuiApplication::clipboard()->setText(m_log.rowsText(rows));
}
