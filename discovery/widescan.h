#pragma once

#include "addresswalk.h"
#include "identifyreply.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class QTcpSocket;

// The wide-area identify of many addresses at once: the same address walk
// (WideAreaWalk) and the same TCP exchange ("ZAVIDENTIFY" CR, reply up to its
// CR) as the serial scan, up to `jobs` connections in flight, each address
// given at most timeoutMs in all. Readers are reported in address (walk) order.
class WideScan : public QObject
{
    Q_OBJECT
public:
    struct Options {
        QString start;          // starting address, as typed (the caller has checked it)
        int count = 0;          // addresses to try; 0 = to the end of the walk
        quint16 port = 87;
        int jobs = 64;
        int timeoutMs = 1000;
    };

    explicit WideScan(QObject *parent = nullptr);
    ~WideScan() override;

    // Starts a scan; every signal comes later, from the event loop. Does
    // nothing while a scan is running.
    void start(const Options &options);
    // No new attempts; those in flight are abandoned and closed at once, and
    // finished(true) follows at once. Does nothing when no scan runs.
    void stop();
    bool isRunning() const { return m_running; }

    // Connections open at this moment (at most `jobs`).
    int inFlight() const { return int(m_attempts.size()); }

signals:
    // Addresses done so far, counted in walk order, and the last of them.
    void progress(int addressesDone, const QString &lastAddress);
    void readerFound(const QString &address, const IdentifyReply &reply);   // in address order
    void finished(bool stopped);

private:
    struct Attempt {
        int position = 0;
        QString address;
        IdentifyReplyWalk walk;
    };
    struct Outcome {
        QString address;
        bool found = false;
        IdentifyReply reply;
    };

    void launchMore();
    void launch(int position, const QString &address);
    void readReply(QTcpSocket *socket);
    void conclude(QTcpSocket *socket, bool found);
    void reportInOrder();
    void discard(QTcpSocket *socket);
    void closeAll();

    Options m_options;
    std::unique_ptr<WideAreaWalk> m_walk;
    bool m_running = false;
    bool m_walkOver = false;
    int m_launched = 0;      // positions handed out so far
    int m_reported = 0;      // positions reported (the first m_reported of the walk)
    QHash<QTcpSocket *, Attempt> m_attempts;   // in flight
    QMap<int, Outcome> m_done;   // concluded, waiting for an earlier position
};
