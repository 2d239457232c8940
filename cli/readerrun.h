#pragma once

#include "console.h"
#include "defaults.h"
#include "output.h"
#include "targets.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class JobRunner;
class QTimer;

namespace cli {

// What every command on named readers takes: the readers, their control
// port, how many at once, the output form and the control password.
struct ReaderOptions {
    QList<targets::Target> targets;
    quint16 port = defaults::ControlPort;
    bool portGiven = false;
    int jobs = 16;
    output::Format format = output::Format::Csv;
    QByteArray password;

    QHostAddress address(int index) const { return QHostAddress(targets.at(index).address); }
    quint16 portOf(int index) const;
};

// Reads --port, --jobs and --format, the addresses (with "-" read from
// standard input) and the password. Every refusal is reported; false means
// exit status 2 with nothing sent.
bool readReaderOptions(const QCommandLineParser &parser, const QStringList &addresses, Console &console,
                       ReaderOptions *options, bool needPassword = true);

// How one engine's work on a reader ended, as the command reports it.
struct Outcome {
    bool ok = false;
    QString error;          // a failure's one-line reason
    output::Record record;  // the command's own columns
    bool continues = false; // another engine goes on for this reader

    static Outcome success(output::Record record = {}) { return {true, QString(), std::move(record), false}; }
    static Outcome failure(const QString &error, output::Record record = {})
    {
        return {false, error, std::move(record), false};
    }
    static Outcome continued() { return {true, QString(), {}, true}; }
};

// Runs one job per reader and reports each result in the order the readers
// were named, as soon as it and every one before it are known: its record on
// standard output and its error, if any, as one line on standard error.
//
// A job is one engine (ControlSession, DownloadSession) or several one after
// the other, started with runSession(). No job runs longer than the job limit:
// after it the engine is stopped and the reader reported as failed. Ctrl+C
// (SIGINT, SIGTERM) starts no further job, stops every engine at once, reports
// each reader it cut off and each that was never started, and the run ends
// with exit status 1.
class ReaderRun
{
public:
    using Start = std::function<void(int index)>;
    template <class Session>
    using Setup = std::function<void(Session &session)>;
    // With the engine's error text, empty when it succeeded.
    template <class Session>
    using Finish = std::function<Outcome(Session &session, const QString &error)>;

    ReaderRun(Console &console, const ReaderOptions &options, const QStringList &columns, const QString &verb);

    // Starts the jobs and lets the event loop run until all have reported;
    // gives the exit status. jobLimitMs: the most one job may take.
    int exec(int jobLimitMs, const Start &start);

    // Makes an engine for the reader, lets setup give it its work and start
    // it, and once it has finished reports what finish makes of it (unless
    // finish starts another engine for the reader and returns continued()).
    template <class Session>
    void runSession(int index, const Setup<Session> &setup, const Finish<Session> &finish);

    // Cuts the run short as Ctrl+C does.
    void interrupt();

    // Extra progress text (e.g. blocks of a download), shown after the count.
    void setProgressDetail(const QString &detail);
    int failures() const { return m_failures; }
    bool interrupted() const { return m_interrupted; }

private:
    enum class CutOff { No, Interrupted, TimeUp };
    struct Job {
        std::function<void()> stop;
        QTimer *watchdog = nullptr;
        CutOff cutOff = CutOff::No;
    };

    void startJob(int index, const Start &start);
    void track(int index, std::function<void()> stop);
    QString cutOffReason(int index) const;
    void settle(int index, Outcome outcome);
    void timeUp(int index);
    void report(int index, bool ok, const QString &error, output::Record record, bool started = true);
    void flush();
    void showProgress();

    Console &m_console;
    const ReaderOptions &m_options;
    QString m_verb;
    output::Writer m_writer;
    QList<std::optional<output::Record>> m_results;
    QStringList m_errors;
    QObject m_engines;  // owns every engine under way
    QHash<int, Job> m_jobs;
    int m_jobLimitMs = 0;
    int m_flushed = 0;
    int m_done = 0;
    int m_failures = 0;
    bool m_interrupted = false;
    JobRunner *m_runner = nullptr;
    QString m_detail;
    QElapsedTimer m_lastProgress;
};

template <class Session>
void ReaderRun::runSession(int index, const Setup<Session> &setup, const Finish<Session> &finish)
{
    auto *session = new Session(&m_engines);
    track(index, [session] { session->stop(); });
    QObject::connect(session, &Session::finished, session, [this, session, index, finish](bool ok) {
        session->deleteLater();
        QString error;
        if (!ok) {
            error = cutOffReason(index);
            if (error.isEmpty())
                error = session->errorText().isEmpty() ? QStringLiteral("failed") : session->errorText();
        }
        settle(index, finish(*session, error));
    });
    setup(*session);
}

} // namespace cli
