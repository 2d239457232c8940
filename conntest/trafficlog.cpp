#include "trafficlog.h"

#include "byteescape.h"

#include <QTimer>

namespace {
// How long recorded chunks wait before they become rows: short enough to look
// immediate, long enough that a burst of small chunks costs one view update.
constexpr int FlushDelayMs = 50;

const char HexDigits[] = "0123456789ABCDEF";
} // namespace

QString traffic::hexText(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QLatin1Char(HexDigits[quint8(c) >> 4]);
        text += QLatin1Char(HexDigits[quint8(c) & 0x0f]);
    }
    return text;
}

QString traffic::printableText(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = quint8(c);
        text += (b >= 32 && b <= 126) ? QChar(QLatin1Char(c)) : QChar(0x00B7);
    }
    return text;
}

QString traffic::logTime(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString traffic::isoTime(qint64 msecsSinceEpoch)
{
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    const int offset = time.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"))
           + QStringLiteral("%1%2:%3")
                 .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                 .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                 .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString traffic::directionText(TrafficChunk::Direction direction)
{
    // Also the word of captures and copies: the log's view translates it.
    return direction == TrafficChunk::Sent ? QStringLiteral(QT_TRANSLATE_NOOP("TrafficLog", "sent"))
                                           : QStringLiteral(QT_TRANSLATE_NOOP("TrafficLog", "received"));
}

TrafficLog::TrafficLog(QObject *parent) : QAbstractTableModel(parent), m_flushTimer(new QTimer(this))
{
    m_flushTimer->setSingleShot(true);
    m_flushTimer->setInterval(FlushDelayMs);
    connect(m_flushTimer, &QTimer::timeout, this, &TrafficLog::flush);
}

void TrafficLog::record(const TrafficChunk &chunk)
{
    m_pending.push_back(chunk);
    m_bytes += chunk.bytes.size();
    // Without rows to drop, the pending chunks keep to the limits themselves.
    while (m_chunks.empty() && m_pending.size() > 1
           && (qsizetype(m_pending.size()) > MaxChunks || m_bytes > MaxBytes)) {
        m_bytes -= m_pending.front().bytes.size();
        m_pending.pop_front();
        ++m_dropped;
    }
    if (!m_flushTimer->isActive())
        m_flushTimer->start();
}

void TrafficLog::flush()
{
    m_flushTimer->stop();
    if (m_pending.empty())
        return;
    // The oldest rows that must go to make room, in one removal.
    qsizetype count = qsizetype(m_chunks.size() + m_pending.size());
    qint64 bytes = m_bytes;
    int rowsToDrop = 0;
    while (rowsToDrop < int(m_chunks.size()) && count > 1 && (count > MaxChunks || bytes > MaxBytes)) {
        bytes -= m_chunks.at(size_t(rowsToDrop)).bytes.size();
        --count;
        ++rowsToDrop;
    }
    if (rowsToDrop > 0) {
        beginRemoveRows(QModelIndex(), 0, rowsToDrop - 1);
        m_chunks.erase(m_chunks.begin(), m_chunks.begin() + rowsToDrop);
        endRemoveRows();
        m_bytes = bytes;
        m_dropped += rowsToDrop;
    }
    while (m_pending.size() > 1 && (qsizetype(m_chunks.size() + m_pending.size()) > MaxChunks || m_bytes > MaxBytes)) {
        m_bytes -= m_pending.front().bytes.size();
        m_pending.pop_front();
        ++m_dropped;
    }
    const int first = int(m_chunks.size());
    beginInsertRows(QModelIndex(), first, first + int(m_pending.size()) - 1);
    for (TrafficChunk &chunk : m_pending)
        m_chunks.push_back(std::move(chunk));
    m_pending.clear();
    endInsertRows();
    // Drops made while recording count too: they are announced with the rows.
    if (m_dropped != m_droppedAnnounced) {
        m_droppedAnnounced = m_dropped;
        emit droppedCountChanged(m_dropped);
    }
}

void TrafficLog::clear()
{
    m_flushTimer->stop();
    beginResetModel();
    m_chunks.clear();
    m_pending.clear();
    m_bytes = 0;
    m_dropped = 0;
    m_droppedAnnounced = 0;
    endResetModel();
    emit droppedCountChanged(0);
}

QString TrafficLog::rowsText(const QList<int> &rows) const
{
    QString text;
    for (const int row : rows) {
        if (row < 0 || row >= rowCount())
            continue;
        const TrafficChunk &c = chunk(row);
        text += QStringList{traffic::logTime(c.msecsSinceEpoch()), traffic::directionText(c.direction), c.peer,
                            QString::number(c.bytes.size()), traffic::hexText(c.bytes), escapedBytes(c.bytes)}
                    .join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

int TrafficLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_chunks.size());
}

int TrafficLog::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TrafficLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TrafficChunk &c = chunk(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == LengthColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QByteArray shown = c.bytes.left(ShownBytes);
    const QString more = c.bytes.size() > ShownBytes ? QStringLiteral(" ...") : QString();
    switch (index.column()) {
    case TimeColumn: return traffic::logTime(c.msecsSinceEpoch());
    case DirectionColumn: return tr(traffic::directionText(c.direction).toLatin1().constData());
    case PeerColumn: return c.peer;
    case LengthColumn: return int(c.bytes.size());
    case HexColumn: return traffic::hexText(shown) + more;
    case TextColumn: return traffic::printableText(shown) + more;
    default: return {};
    }
}

QVariant TrafficLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const Titles[ColumnCount] = {QT_TR_NOOP("Time"), QT_TR_NOOP("Direction"), QT_TR_NOOP("Peer"),
                                                    QT_TR_NOOP("Length"), QT_TR_NOOP("Hex"), QT_TR_NOOP("Text")};
    return section >= 0 && section < ColumnCount ? tr(Titles[section]) : QString();
}
