#pragma once

#include <QObject>

#include <functional>

// Runs jobs 0..count-1 with at most 'parallel' of them under way at once, on
// the event loop of the calling thread. A job starts its work and returns;
// it reports its end by calling finish(index) once (later, from an event).
class JobRunner : public QObject
{
    Q_OBJECT
public:
    using Start = std::function<void(int index)>;

    JobRunner(int count, int parallel, Start start, QObject *parent = nullptr);

    // Starts the first jobs; allFinished() follows (at once for no jobs).
    void run();
    void finish(int index);
    // Starts no further job; those under way still finish. Gives how many
    // were started (they are the first ones), and count() becomes that.
    int stopStarting();

    int count() const { return m_count; }
    int finishedCount() const { return m_finished; }
    int runningCount() const { return m_started - m_finished; }
    // The most jobs that were under way at one time.
    int peakRunning() const { return m_peak; }

signals:
    void jobFinished(int index);
    void allFinished();

private:
    void startMore();

    int m_count;
    int m_parallel;
    Start m_start;
    int m_started = 0;
    int m_finished = 0;
    int m_peak = 0;
    bool m_starting = false;
};
