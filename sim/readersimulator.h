#pragma once

// The reader simulator: any number of simulated readers in one process, each
// at its own loopback address, for tests, benchmarks and the demo.
//
//   ReaderSimulator simulator;                 // multicast identify on 53001 included
//   ReaderConfig config;                       // defaults: password "58203", firmware "02.10",
//   config.address = QHostAddress("127.0.0.7");//   control 87, data 57 / 53002, server mode
//   SimulatedReader *reader = simulator.addReader(config);
//   reader->setFault("STAT", Fault::split(5, 100));
//   QString error;
//   QVERIFY2(simulator.start(&error), qPrintable(error));
//   ... talk to 127.0.0.7:87 ...
//   QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("PASS58203\rSTAT\r"));
//
// Every reader listens on its control port, its download port 53005 and, in
// server mode, its TCP data port, all at its own address; so two readers need
// two addresses (127.0.0.x are all usable in the private network). Readers that
// must answer the search with the same address set ReaderConfig::identifyAddress.
// Tests that need no multicast call setMulticastEnabled(false) before start().

#include "readerconfig.h"
#include "simulatedreader.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class QTimer;
class QUdpSocket;

class ReaderSimulator : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 IdentifyPort = 53001;
    static constexpr quint16 DownloadPort = 53005;
    static const char *const RequestGroup; // "224.1.2.3": identify requests, change of address
    static const char *const ReplyGroup;   // "224.1.2.4": identify replies

    explicit ReaderSimulator(QObject *parent = nullptr);
    ~ReaderSimulator() override;

    // A new reader, owned by the simulator, not yet started.
    SimulatedReader *addReader(const ReaderConfig &config);
    QList<SimulatedReader *> readers() const { return m_readers; }
    // The running reader that listens at this address, or nullptr.
    SimulatedReader *readerAt(const QHostAddress &address) const;

    // Joins the request group on port 53001 (unless multicast is off) and starts
    // every reader that is stopped. False if anything failed, with one line per
    // failure; the readers that could start keep running, the others stay stopped.
    bool start(QString *error = nullptr);
    void stop();

    // Multicast identify and change of address; on by default. Turn off before
    // start() in tests that need no multicast.
    void setMulticastEnabled(bool enabled) { m_multicastEnabled = enabled; }
    bool multicastEnabled() const { return m_multicastEnabled; }

    // Identify replies sent since start, and those that the system refused to
    // send even after retrying (reported, never dropped silently).
    int identifyRepliesSent() const { return m_repliesSent; }
    int identifyRepliesFailed() const { return m_repliesFailed; }

    // Address n (0-based) after 'first', skipping host parts 0 and 255.
    static QHostAddress addressAfter(const QHostAddress &first, int n);
    // MAC n after 'first' (12 hex characters), counted as a 48-bit number.
    static QByteArray macAfter(const QByteArray &first, int n);

signals:
    void identifyRequestReceived(const QHostAddress &sender);
    // All replies to one request have gone out.
    void identifyAnswered(int replies);
    void errorOccurred(const QString &text);

private:
    void readMulticast();
    void queueReply(const QByteArray &reply);
    void sendQueuedReplies();

    QList<SimulatedReader *> m_readers;
    QUdpSocket *m_identifySocket = nullptr;
    QTimer *m_replyTimer = nullptr;
    QList<QByteArray> m_replyQueue;
    int m_replyRetries = 0;
    int m_repliesInBatch = 0;
    int m_repliesSent = 0;
    int m_repliesFailed = 0;
    int m_pendingDelayed = 0;
    bool m_multicastEnabled = true;
};
