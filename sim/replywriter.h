#pragma once

#include "readerconfig.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <functional>

class QTcpSocket;
class QTimer;

// One timed step of a reply on a TCP connection.
struct ReplyStep
{
    enum Action { Write, Close, Reset };
    int delayMs = 0; // before this step, counted from the end of the previous one
    QByteArray bytes;
    Action action = Write;
};

// The steps that give 'reply' with 'fault' applied. NoAnswer gives no step.
// Flood and Oversize are capped at 64 MiB.
QList<ReplyStep> replySteps(const QByteArray &reply, const Fault &fault);

// Writes replies on one connection strictly in order, each with its fault,
// without blocking: a slow or split reply delays the ones after it.
class ReplyWriter : public QObject
{
    Q_OBJECT
public:
    explicit ReplyWriter(QTcpSocket *socket);

    void send(const QByteArray &reply, const Fault &fault);
    // Runs 'action' once everything queued before it has been written.
    void then(std::function<void()> action);
    bool idle() const { return m_queue.isEmpty() && !m_waiting; }

private:
    struct Item { ReplyStep step; std::function<void()> action; };
    void runNext();

    QPointer<QTcpSocket> m_socket;
    QQueue<Item> m_queue;
    QTimer *m_timer;
    bool m_waiting = false;
    bool m_ended = false;
};

// Resets a TCP connection: linger 0, then abort, so the peer sees RST.
void resetConnection(QTcpSocket *socket);
