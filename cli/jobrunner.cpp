#include "jobrunner.h"

#include <QTimer>

JobRunner::JobRunner(int count, int parallel, Start start, QObject *parent)
    : QObject(parent), m_count(qMax(0, count)), m_parallel(qMax(1, parallel)), m_start(std::move(start))
{
}

void JobRunner::run()
{
    if (m_count == 0) {
        QTimer::singleShot(0, this, &JobRunner::allFinished);
        return;
    }
    startMore();
}

void JobRunner::startMore()
{
    // A job that finishes from inside its own start would start the next one
    // from here again; the flag keeps that a loop instead of a recursion.
    if (m_starting)
        return;
    m_starting = true;
    while (m_started < m_count && m_started - m_finished < m_parallel) {
        const int index = m_started++;
        m_peak = qMax(m_peak, m_started - m_finished);
        m_start(index);
    }
    m_starting = false;
}

void JobRunner::finish(int index)
{
    ++m_finished;
    emit jobFinished(index);
    if (m_finished == m_count)
        emit allFinished();
    else
        startMore();
}

int JobRunner::stopStarting()
{
    const bool idle = m_count > m_started && m_finished == m_started;
    m_count = m_started;
    if (idle)
        emit allFinished();
    return m_started;
}
