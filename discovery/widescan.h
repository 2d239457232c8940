#pragma once

#include "addresswalk.h"
#include "defaults.h"
#include "identifyreply.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class QTcpSocket;

// The wide-area identify of consecutive addresses: the address walk
// (WideAreaWalk) and, for each address, one TCP exchange ("ZAVIDENTIFY" CR,
// a reply up to its CR). Up to `jobs` addresses are in flight at once; with
// one job the addresses are tried strictly one after the other. Readers are
// reported in address (walk) order.
class WideScan : public QObject
{
    Q_OBJECT
public:
    struct Options {
        QString start;          // starting address, as typed (the caller has checked it)
        int count = 0;          // addresses to try; 0 = to the end of the walk
        quint16 port = defaults::ControlPort;
        int jobs = 64;
        // The time an address is given to connect; with no reply limit of its
        // own, to connect and reply together.
        int timeoutMs = 1000;
        // Above 0: a connected address gets this long from its connection on
        // to reply, in place of what is left of timeoutMs.
        int replyTimeoutMs = 0;
    };

    explicit WideScan(QObject *parent = nullptr);
    ~WideScan() override;

    // Starts a scan; every signal comes later, from the event loop. Does
    // nothing while a scan is running.
    void start(const Options &options);
    // No new attempts; those in flight are abandoned and closed at once, and
    // finished(true) follows at once. Does nothing when no scan runs.
    void stop();
    // No new attempts; those in flight run to their end and are reported,
    // then finished(true). At once when none is in flight. Does nothing when
    // no scan runs.
    void stopAfterInFlight();
    bool isRunning() const { return m_running; }

    // Addresses tried from now on are asked on this port. 0 is no port: they
    // fail at once, without a connection.
    void setPort(quint16 port) { m_port = port; }

    // Connections open at this moment (at most `jobs`).
    int inFlight() const { return int(m_attempts.size()); }

signals:
    // An address is tried now: its connection is about to be opened.
    void trying(const QString &address);
    // Addresses done so far, counted in walk order, and the last of them.
    void progress(int addressesDone, const QString &lastAddress);
    // In address order, with the port the reader was asked on.
    void readerFound(const QString &address, const IdentifyReply &reply, quint16 port);
    void finished(bool stopped);

private:
    struct Attempt {
        int position = 0;
        QString address;
        quint16 port = 0;
        IdentifyReplyWalk walk;
    };
    struct Outcome {
        QString address;
        quint16 port = 0;
        bool found = false;
        IdentifyReply reply;
    };

    void launchMore();
    void launch(int position, const QString &address);
    void readReply(QTcpSocket *socket);
    void conclude(QTcpSocket *socket, bool found);
    void reportInOrder();
    void finishIfDone();
    void discard(QTcpSocket *socket);
    void closeAll();

    Options m_options;
    quint16 m_port = 0;
    std::unique_ptr<WideAreaWalk> m_walk;
    bool m_running = false;
    bool m_walkOver = false;
    bool m_stopping = false;  // stopAfterInFlight(): no new attempts
    int m_launched = 0;      // positions handed out so far
    int m_reported = 0;      // positions reported (the first m_reported of the walk)
    QHash<QTcpSocket *, Attempt> m_attempts;   // in flight
    QMap<int, Outcome> m_done;   // concluded, waiting for an earlier position
};
