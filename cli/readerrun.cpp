#include "readerrun.h"

#include "interrupts.h"
#include "jobrunner.h"
#include "passwords.h"
#include "settingchecks.h"

#include <QHash>
#include <QTimer>

quint16 cli::ReaderOptions::portOf(int index) const
{
    const quint16 own = targets.at(index).port;
    return own != 0 && !portGiven ? own : port;
}

bool cli::readReaderOptions(const QCommandLineParser &parser, const QStringList &addresses, Console &console,
                            ReaderOptions *options, bool needPassword)
{
    int port = options->port;
    if (!numberOption(parser, QStringLiteral("port"), 1, 65535, &port, console, settingchecks::InvalidControlPort))
        return false;
    options->port = quint16(port);
    options->portGiven = parser.isSet(QStringLiteral("port"));
    if (!numberOption(parser, QStringLiteral("jobs"), 1, 1024, &options->jobs, console))
        return false;
    if (!formatFrom(parser, console, &options->format))
        return false;

    if (addresses.isEmpty()) {
        console.message(QStringLiteral("no reader address given (A.B.C.D, A.B.C.D-E or - for standard input)"));
        return false;
    }
    QList<targets::Target> all;
    bool inputRead = false;
    for (const QString &argument : addresses) {
        QString refusal;
        if (argument == u"-") {
            if (inputRead)
                continue;
            inputRead = true;
            if (!targets::parseInput(console.io().readInput(), &all, &refusal)) {
                console.message(refusal);
                return false;
            }
        } else if (!targets::parseAddressArgument(argument, &all, &refusal)) {
            console.message(refusal);
            return false;
        }
        if (all.size() > targets::Limit) {
            console.message(QStringLiteral("more than %1 readers").arg(targets::Limit));
            return false;
        }
    }
    // A reader named twice is served once; twice with different columns of a
    // CSV it is a contradiction.
    QHash<QString, const targets::Target *> named;
    for (const targets::Target &target : std::as_const(all)) {
        const QString key = target.address + QLatin1Char(':') + QString::number(target.port);
        const targets::Target *before = named.value(key);
        if (before && before->columns != target.columns) {
            console.message(QStringLiteral("standard input lines %1 and %2 name %3 with different values")
                                .arg(before->line).arg(target.line).arg(target.address));
            return false;
        }
        named.insert(key, &target);
    }
    options->targets = targets::withoutDuplicates(all);
    if (options->targets.isEmpty()) {
        console.message(QStringLiteral("no reader address on standard input"));
        return false;
    }

    if (!needPassword)
        return true;
    passwords::Source source;
    source.environmentVariable = QStringLiteral("ZAV_PASSWORD");
    source.file = parser.value(QStringLiteral("password-file"));
    source.optionGiven = parser.isSet(QStringLiteral("password"));
    source.option = parser.value(QStringLiteral("password"));
    source.prompt = QStringLiteral("Control password: ");
    source.name = QStringLiteral("password");
    QString refusal;
    if (!passwords::obtain(source, &options->password, &refusal)) {
        console.message(refusal);
        return false;
    }
    return true;
}

cli::ReaderRun::ReaderRun(Console &console, const ReaderOptions &options, const QStringList &columns,
                          const QString &verb)
    : m_console(console), m_options(options), m_verb(verb),
      m_writer(options.format, QStringList{QStringLiteral("reader"), QStringLiteral("ok")} + columns
                                   + QStringList{QStringLiteral("error")},
               [&console](const QByteArray &bytes) { console.write(bytes); }),
      m_results(options.targets.size()), m_errors(options.targets.size())
{
}

int cli::ReaderRun::exec(int jobLimitMs, const Start &start)
{
    m_jobLimitMs = jobLimitMs;
    InterruptibleLoop loop;
    JobRunner runner(int(m_options.targets.size()), m_options.jobs,
                     [this, &start](int index) { startJob(index, start); });
    m_runner = &runner;
    QObject::connect(&runner, &JobRunner::allFinished, &loop, &InterruptibleLoop::quit);
    runner.run();
    showProgress();
    if (runner.finishedCount() == runner.count())
        loop.quit();
    loop.exec([this] { interrupt(); });
    m_runner = nullptr;
    flush();
    m_writer.finish();
    m_console.clearProgress();
    if (m_interrupted) {
        const int untouched = int(m_results.size()) - runner.count();
        if (untouched > 0)
            m_console.message(QStringLiteral("interrupted: %1 readers not started").arg(untouched));
        return zavctl::ReaderFailed;
    }
    return m_failures == 0 ? zavctl::Success : zavctl::ReaderFailed;
}

void cli::ReaderRun::startJob(int index, const Start &start)
{
    auto *watchdog = new QTimer(&m_engines);
    watchdog->setSingleShot(true);
    QObject::connect(watchdog, &QTimer::timeout, watchdog, [this, index] { timeUp(index); });
    m_jobs[index].watchdog = watchdog;
    watchdog->start(m_jobLimitMs);
    start(index);
}

void cli::ReaderRun::track(int index, std::function<void()> stop)
{
    m_jobs[index].stop = std::move(stop);
}

QString cli::ReaderRun::cutOffReason(int index) const
{
    switch (m_jobs.value(index).cutOff) {
    case CutOff::Interrupted:
        return QStringLiteral("interrupted");
    case CutOff::TimeUp:
        return QStringLiteral("no result within %1 s").arg(m_jobLimitMs / 1000.0);
    case CutOff::No:
        break;
    }
    return {};
}

void cli::ReaderRun::settle(int index, Outcome outcome)
{
    if (outcome.continues)
        return;
    const auto job = m_jobs.constFind(index);
    if (job != m_jobs.constEnd()) {
        // Later: this may run inside the watchdog's own timeout.
        if (job->watchdog) {
            job->watchdog->stop();
            job->watchdog->deleteLater();
        }
        m_jobs.erase(job);
    }
    report(index, outcome.ok, outcome.error, std::move(outcome.record));
}

void cli::ReaderRun::timeUp(int index)
{
    const auto job = m_jobs.find(index);
    if (job == m_jobs.end())
        return;
    job->cutOff = CutOff::TimeUp;
    if (job->stop)
        job->stop();
    // An engine that does not end when told to is left behind, reported.
    if (m_jobs.contains(index))
        settle(index, Outcome::failure(cutOffReason(index)));
}

void cli::ReaderRun::interrupt()
{
    if (m_interrupted || !m_runner)
        return;
    m_interrupted = true;
    const int started = m_runner->stopStarting();
    for (const int index : m_jobs.keys()) {
        m_jobs[index].cutOff = CutOff::Interrupted;
        if (m_jobs[index].stop)
            m_jobs[index].stop();
        if (m_jobs.contains(index))
            settle(index, Outcome::failure(cutOffReason(index)));
    }
    // Each reader is reported; those never started without a message each.
    for (int index = started; index < m_results.size(); ++index)
        report(index, false, QStringLiteral("not started (interrupted)"), {}, false);
}

void cli::ReaderRun::report(int index, bool ok, const QString &error, output::Record record, bool started)
{
    if (index < 0 || index >= m_results.size() || m_results.at(index))
        return;
    output::Record full{{QStringLiteral("reader"), m_options.targets.at(index).address}, {QStringLiteral("ok"), ok}};
    full += record;
    if (!ok) {
        full.append({QStringLiteral("error"), error});
        if (started) {
            ++m_failures;
            m_errors[index] = error;
        }
    }
    m_results[index] = full;
    ++m_done;
    flush();
    showProgress();
    if (m_runner && started)
        m_runner->finish(index);
}

void cli::ReaderRun::flush()
{
    while (m_flushed < m_results.size() && m_results.at(m_flushed)) {
        if (!m_errors.at(m_flushed).isEmpty())
            m_console.message(QStringLiteral("%1: %2").arg(m_options.targets.at(m_flushed).address,
                                                           m_errors.at(m_flushed)));
        m_writer.add(*m_results.at(m_flushed));
        m_results[m_flushed] = output::Record();  // written; keep only the mark
        ++m_flushed;
    }
}

void cli::ReaderRun::setProgressDetail(const QString &detail)
{
    m_detail = detail;
    showProgress();
}

void cli::ReaderRun::showProgress()
{
    if (!m_console.io().errIsTerminal)
        return;
    // At most 20 redraws a second; the last state is drawn by the next report.
    if (m_lastProgress.isValid() && m_lastProgress.elapsed() < 50 && m_done < m_results.size())
        return;
    m_lastProgress.start();
    QString text = QStringLiteral("%1: %2 of %3 readers done").arg(m_verb).arg(m_done).arg(m_results.size());
    if (m_failures > 0)
        text += QStringLiteral(", %1 failed").arg(m_failures);
    if (!m_detail.isEmpty())
        text += QStringLiteral(", ") + m_detail;
    m_console.progress(text);
}
