#pragma once

#include "commandlanguage.h"
#include "readersettings.h"
#include "replybuffer.h"
#include "settingrun.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QTcpSocket;
class QTimer;

// One control connection to a reader, driven by socket events instead of
// nested waits, so that many readers can be served at once on one thread:
// connect, "PASS", optionally "STAT", then setting commands one after the
// other, each sent the moment the previous one is acknowledged. The limits:
// 3 s for the connection, for each acknowledgement and for the STAT reply. A
// refused or reset connection, or a reply that can no longer become what is
// awaited, ends the session at once; received bytes are capped
// (control::ReplyLimit). Deleting the session closes its connection.
class ControlSession : public QObject
{
    Q_OBJECT
public:
    enum Failure {
        NoFailure,
        NoConnection,      // refused, unreachable or not connected within the limit
        LoginRefused,      // "PASS" not acknowledged
        NoStatReply,       // no complete STAT reply within the limit
        Refused,           // the planner refused the run (Plan::afterStat)
        NotAcknowledged,   // a setting command was not acknowledged
        Stopped            // stop() was called
    };
    Q_ENUM(Failure)

    // Called with the STAT reply; fills the commands to send next, or returns
    // false with a refusal text (then nothing more is sent).
    using StatPlanner =
        std::function<bool(const ReaderSettings &reader, QList<SettingCommand> *commands, QString *refusal)>;

    struct Plan {
        QByteArray password;            // sent as given
        bool readStat = false;
        StatPlanner afterStat;          // only with readStat; may be empty
        QList<SettingCommand> commands; // after the login (and STAT), each acknowledged
        // Stay connected and logged in after the last command (until stop() or
        // the session is destroyed); finished(true) still follows the last step.
        bool keepOpen = false;
    };

    struct Limits {
        int connectMs = 3000;
        int replyMs = 3000;
    };

    explicit ControlSession(QObject *parent = nullptr);
    ~ControlSession() override;

    void setLimits(const Limits &limits) { m_limits = limits; }

    // Starts the exchange; finished() follows exactly once.
    void start(const QHostAddress &address, quint16 port, const Plan &plan);
    // Abandons the exchange (closing the connection); finished(false) follows
    // unless the session had already finished.
    void stop();

    bool isRunning() const { return m_running; }
    Failure failure() const { return m_failure; }
    // One line saying what went wrong, for a message naming the reader.
    QString errorText() const { return m_errorText; }
    // The reader's settings from its STAT reply, once one was received.
    const ReaderSettings &stat() const { return m_stat; }
    bool hasStat() const { return m_hasStat; }
    // The setting commands acknowledged so far (the login not counted).
    int acknowledgedCount() const { return m_acknowledged; }
    QByteArray failedKeyword() const { return m_failedKeyword; }
    // For a run that stopped at one of its commands: the keywords the reader
    // acknowledged and the one it did not, with why, in one line
    // ("CIP, DPT acknowledged; UDPP not acknowledged within 3 s"). Empty when
    // the session did not stop at a command.
    QString progressReport() const;
    // True while the connection is open (also while kept open after the end).
    bool isConnected() const;

signals:
    // The connection is open; the login goes out now.
    void connected();
    // The reader acknowledged the login.
    void loggedIn();
    void finished(bool ok);

private:
    enum Step { Idle, Connecting, AwaitingLogin, AwaitingStat, AwaitingAcknowledgement, Open, Done };

    void sendLogin();
    void readyRead();
    void failOnSocketError();
    void giveUp();
    void sendLine(const QByteArray &line, Step next);
    void sendNextCommand();
    void examineReply();
    void succeed();
    void fail(Failure failure, const QString &text);
    void finish(bool ok);

    Plan m_plan;
    Limits m_limits;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_timer = nullptr;
    Step m_step = Idle;
    // Capped: a reader that floods the connection cannot fill the memory.
    ReplyBuffer m_reply{control::ReplyLimit};
    int m_next = 0;
    int m_acknowledged = 0;
    QByteArray m_keyword;
    QByteArray m_failedKeyword;
    ReaderSettings m_stat;
    bool m_hasStat = false;
    bool m_running = false;
    Failure m_failure = NoFailure;
    QString m_errorText;
};
