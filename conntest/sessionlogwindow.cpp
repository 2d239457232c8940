#include "sessionlogwindow.h"

#include "capturefile.h"
#include "dialogs.h"
#include "rowtable.h"
#include "trafficlog.h"
#include "translated.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

SessionLogWindow::SessionLogWindow(TrafficLog &log, Dialogs &dialogs, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window), m_log(log), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("sessionLogWindow"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_table = ui::rowTable(this, &m_log, [this] { copySelection(); });
    QHeaderView *columns = m_table->horizontalHeader();
    const QFontMetrics metrics = m_table->fontMetrics();
    columns->resizeSection(TrafficLog::TimeColumn, metrics.horizontalAdvance(QStringLiteral("0000-00-00 00:00:00.000  ")));
    // The direction and the length as wide as their headings or words, in the language shown.
    const auto widest = [&metrics](const QStringList &texts) {
        int width = 0;
        for (const QString &text : texts)
            width = qMax(width, metrics.horizontalAdvance(text + QStringLiteral("  ")));
        return width;
    };
    const auto heading = [this](int column) { return m_log.headerData(column, Qt::Horizontal).toString(); };
    columns->resizeSection(TrafficLog::DirectionColumn, widest({heading(TrafficLog::DirectionColumn),
                                                                TrafficLog::tr("received"), TrafficLog::tr("sent")}));
    columns->resizeSection(TrafficLog::PeerColumn, metrics.horizontalAdvance(QStringLiteral("255.255.255.255:65535  ")));
    columns->resizeSection(TrafficLog::LengthColumn, widest({heading(TrafficLog::LengthColumn)}));
    // Hex and text of 16 bytes each, side by side.
    const int sixteenBytes = metrics.horizontalAdvance(QStringLiteral("00 ").repeated(16));
    columns->resizeSection(TrafficLog::HexColumn, sixteenBytes);
    columns->resizeSection(TrafficLog::TextColumn, metrics.horizontalAdvance(QStringLiteral("W").repeated(16) + QStringLiteral("  ")));
    columns->setStretchLastSection(true);

    m_saveButton = new QPushButton(tr("Save As..."), this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    connect(m_saveButton, &QPushButton::clicked, this, &SessionLogWindow::saveAs);
    m_clearButton = new QPushButton(tr("Clear"), this);
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    connect(m_clearButton, &QPushButton::clicked, &m_log, &TrafficLog::clear);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_summaryLabel->setTextFormat(Qt::PlainText);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_summaryLabel, 1);
    bottom->addWidget(m_saveButton);
    bottom->addWidget(m_clearButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);
    // Wide enough that every column shows whole, the text beside the hex.
    int width = m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth();
    for (int column = 0; column < TrafficLog::ColumnCount; ++column)
        width += columns->sectionSize(column);
    const QMargins margins = layout->contentsMargins();
    resize(width + margins.left() + margins.right(), 420);

    // New rows are followed while the view is at the bottom when they come.
    connect(&m_log, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar *bar = m_table->verticalScrollBar();
        m_follow = bar->value() >= bar->maximum();
    });
    connect(&m_log, &QAbstractItemModel::rowsInserted, this, &SessionLogWindow::showAddedRows);
    connect(&m_log, &QAbstractItemModel::rowsRemoved, this, &SessionLogWindow::showSummary);
    connect(&m_log, &QAbstractItemModel::modelReset, this, [this] {
        m_follow = true;
        showSummary();
    });
    showSummary();
    m_table->scrollToBottom();
}

void SessionLogWindow::showAddedRows()
{
    showSummary();
    if (m_follow)
        m_table->scrollToBottom();
}

void SessionLogWindow::showSummary()
{
    //: A chunk: the bytes of one send or one arrival.
    QString text = tr("%1 chunks, %2 bytes").arg(m_log.rowCount()).arg(m_log.bytesHeld());
    if (m_log.droppedCount() > 0)
        text += tr("; %1 older chunks dropped").arg(m_log.droppedCount());
    m_summaryLabel->setText(text);
}

void SessionLogWindow::copySelection()
{
    const QList<int> rows = ui::selectedRows(m_table);
    if (!rows.isEmpty())
        QGuiApplication::clipboard()->setText(m_log.rowsText(rows));
}

Dialogs::FileRequest captureFileRequest(const QString &proposedName)
{
    Dialogs::FileRequest request;
    request.defaultExtension = QStringLiteral("csv");
    request.proposedName = proposedName;
    for (const QString &type : CaptureFile::FileTypes)
        request.filters.append(ui::translated("CaptureFile", type));
    request.mustExist = false;
    return request;
}

void SessionLogWindow::saveAs()
{
    const Dialogs::FileRequest request = captureFileRequest(QStringLiteral("session.csv"));
    QPointer<SessionLogWindow> self(this);
    QString path;
    if (!m_dialogs.saveFile(request, path) || !self)
        return;
    m_log.flush();
    CaptureFile file;
    if (file.start(path)) {
        for (int row = 0; row < m_log.rowCount() && file.isCapturing(); ++row)
            file.record(m_log.chunk(row));
        file.stop();
    }
    if (!file.errorText().isEmpty())
        m_dialogs.message(tr("Unable to save %1: %2").arg(path, file.errorText()));
}
