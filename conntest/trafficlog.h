#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <deque>

class QTimer;

// The two ends a chunk travelled between, as a packet capture shows them.
struct TrafficRoute {
    enum Transport : quint8 { Tcp, Udp };

    Transport transport = Tcp;
    quint32 localAddress = 0;   // IPv4, host order
    quint16 localPort = 0;
    quint32 peerAddress = 0;
    quint16 peerPort = 0;
    // TCP: which connection of the session (from 1), and whether this end
    // opened it (Server Connect) or the reader did (Client Connect).
    quint32 connection = 0;
    bool localOpened = false;
};

// One piece of data as the data link sent or received it.
struct TrafficChunk {
    enum Direction : quint8 { Sent, Received };

    qint64 microsecondsSinceEpoch = 0;
    Direction direction = Received;
    QString peer;       // "address:port"; for UDP the datagram's sender or destination
    QByteArray bytes;
    TrafficRoute route;

    qint64 msecsSinceEpoch() const { return microsecondsSinceEpoch / 1000; }
};

namespace traffic {
// "41 42 0D": every byte as two upper-case hex digits, separated by blanks.
QString hexText(const QByteArray &bytes);
// Printable bytes (32..126) as they are, every other one as a middle dot.
QString printableText(const QByteArray &bytes);
// The local time of a chunk with its date and milliseconds: "2026-12-07 21:11:12.345".
QString logTime(qint64 msecsSinceEpoch);
// ISO 8601 with milliseconds and the offset from UTC: "2026-12-07T21:11:12.345+01:00".
QString isoTime(qint64 msecsSinceEpoch);
QString directionText(TrafficChunk::Direction direction);
} // namespace traffic

// The session log of a data link: every chunk sent or received, newest last,
// as a table model (Time, Direction, Peer, Length, Hex, Text) that a view shows
// with virtual rows. It keeps at most MaxChunks chunks and MaxBytes bytes of
// data; older chunks are dropped, and counted. Chunks recorded in a burst reach
// the model's rows together, a moment later, so that a view keeps up with any
// rate.
class TrafficLog : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TimeColumn, DirectionColumn, PeerColumn, LengthColumn, HexColumn, TextColumn, ColumnCount };

    static constexpr qsizetype MaxChunks = 100000;
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;
    // Hex and text cells show at most this many bytes of a chunk (copying
    // gives all of them).
    static constexpr qsizetype ShownBytes = 256;

    explicit TrafficLog(QObject *parent = nullptr);

    void record(const TrafficChunk &chunk);
    // Brings the recorded chunks into the rows now instead of a moment later.
    void flush();
    void clear();

    const TrafficChunk &chunk(int row) const { return m_chunks.at(size_t(row)); }
    qint64 bytesHeld() const { return m_bytes; }
    // Chunks dropped to stay within the limits since the last clear.
    qint64 droppedCount() const { return m_dropped; }
    // The rows as tab-separated lines (full hex and text), for the clipboard.
    QString rowsText(const QList<int> &rows) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void droppedCountChanged(qint64 dropped);

private:
    std::deque<TrafficChunk> m_chunks;      // shown as rows
    std::deque<TrafficChunk> m_pending;     // recorded, not yet rows
    qint64 m_bytes = 0;                     // of both
    qint64 m_dropped = 0;
    qint64 m_droppedAnnounced = 0;
    QTimer *m_flushTimer;
};
