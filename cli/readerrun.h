#pragma once

#include "console.h"
#include "output.h"
#include "targets.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class JobRunner;

namespace cli {

// What every command on named readers takes: the readers, their control
// port, how many at once, the output form and the control password.
struct ReaderOptions {
    QList<targets::Target> targets;
    quint16 port = 87;
    bool portGiven = false;
    int jobs = 16;
    output::Format format = output::Format::Csv;
    QByteArray password;

    QHostAddress address(int index) const { return QHostAddress(targets.at(index).address); }
    quint16 portOf(int index) const;
};

// Adds --port, --jobs, --password-file, --password and --format.
void addReaderOptions(QCommandLineParser &parser);
// Reads them, and the addresses (with "-" read from standard input). Every
// refusal is reported; false means exit status 2 with nothing sent.
bool readReaderOptions(const QCommandLineParser &parser, const QStringList &addresses, Console &console,
                       ReaderOptions *options, bool needPassword = true);

// Runs one job per reader and reports each result in the order the readers
// were named, as soon as it and every one before it are known: its record on
// standard output and its error, if any, as one line on standard error.
class ReaderRun
{
public:
    using Start = std::function<void(int index)>;

    ReaderRun(Console &console, const ReaderOptions &options, const QStringList &columns, const QString &verb);

    // Starts the jobs and lets the event loop run until all have reported;
    // gives the exit status.
    int exec(const Start &start);

    // A job's end: its record ("reader" and "ok" are put first) and, for a
    // failure, the one-line reason.
    void succeeded(int index, output::Record record = {});
    void failed(int index, const QString &error, output::Record record = {});

    // Extra progress text (e.g. blocks of a download), shown after the count.
    void setProgressDetail(const QString &detail);
    int failures() const { return m_failures; }

private:
    void report(int index, bool ok, const QString &error, output::Record record);
    void flush();
    void showProgress();

    Console &m_console;
    const ReaderOptions &m_options;
    QString m_verb;
    output::Writer m_writer;
    QList<std::optional<output::Record>> m_results;
    QStringList m_errors;
    int m_flushed = 0;
    int m_done = 0;
    int m_failures = 0;
    JobRunner *m_runner = nullptr;
    QString m_detail;
    QElapsedTimer m_lastProgress;
};

} // namespace cli
