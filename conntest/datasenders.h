#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>

class QTimer;

// Where a sender puts its bytes: the session's data link. send() hands bytes
// to the link (false when the link refuses them: not connected, or a full
// system buffer for a datagram); queuedBytes() is what a stream link still
// holds unsent.
struct SendTarget {
    std::function<bool(const QByteArray &bytes)> send;
    std::function<qint64()> queuedBytes;
    bool datagrams = false;
};

// A file to send, read and checked: its bytes, or the refusal to show
// ("... is empty: nothing was sent") when it is missing, unreadable, empty or
// larger than FileSender::MaxFileSize.
struct FileToSend {
    QByteArray bytes;
    QString refusal;
};
FileToSend readFileToSend(const QString &path);

// Sends a file's bytes on a data link. A stream link gets them in order and
// never holds more than MaxQueued unsent (it is refilled as it drains: call
// linkDrained() when it reports written bytes); a datagram link gets
// datagrams of at most DatagramSize bytes, paced so that the system's send
// buffer is never overrun (a refused datagram is offered again, not skipped).
class FileSender : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 MaxFileSize = 100 * 1024 * 1024;
    static constexpr qint64 MaxQueued = 1024 * 1024;
    static constexpr int DatagramSize = 1024;
    // Datagrams offered per pacing tick, and the tick.
    static constexpr int DatagramsPerTick = 16;
    static constexpr int TickMs = 1;

    explicit FileSender(QObject *parent = nullptr);

    void start(const QByteArray &data, const SendTarget &target);
    void linkDrained();
    // Ends the sending; finished(false) follows when it was running.
    void stop();

    bool isRunning() const { return m_running; }
    qint64 sentBytes() const { return m_sent; }
    qint64 totalBytes() const { return m_data.size(); }

signals:
    void progress(qint64 sent, qint64 total);
    void finished(bool complete);

private:
    void sendMore();
    void end(bool complete);

    QByteArray m_data;
    SendTarget m_target;
    qint64 m_sent = 0;
    bool m_running = false;
    bool m_inSend = false;
    QTimer *m_pacer;
};

// Sends the same bytes again and again at an interval: the first time at
// once, then each time at least intervalMs after the one before, count times
// (0 = until stopped). A send is never started while another is under way.
class RepeatSender : public QObject
{
    Q_OBJECT
public:
    explicit RepeatSender(QObject *parent = nullptr);

    void start(const QByteArray &data, int intervalMs, int count, const SendTarget &target);
    void stop();

    bool isRunning() const { return m_running; }
    int sentCount() const { return m_sent; }

signals:
    void sent(int count);
    void finished(bool complete);

private:
    void tick();
    void end(bool complete);

    QByteArray m_data;
    SendTarget m_target;
    int m_intervalMs = 0;
    int m_count = 0;
    int m_sent = 0;
    bool m_running = false;
    QTimer *m_timer;
    QElapsedTimer m_sinceLast;
};
