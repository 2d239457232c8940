#include "readerrun.h"

#include "commandlanguage.h"
#include "jobrunner.h"
#include "passwords.h"
#include "settingchecks.h"

#include <QEventLoop>
#include <QHash>

quint16 cli::ReaderOptions::portOf(int index) const
{
    const quint16 own = targets.at(index).port;
    return own != 0 && !portGiven ? own : port;
}

void cli::addReaderOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("port"), QStringLiteral("The readers' control port (default 87; a "
                                                             "control-port column of a CSV on standard input "
                                                             "gives each reader its own)."),
                      QStringLiteral("port")});
    parser.addOption({QStringLiteral("jobs"), QStringLiteral("Readers served at the same time (default 16)."),
                      QStringLiteral("n")});
    parser.addOption({QStringLiteral("password-file"),
                      QStringLiteral("Read the control password from the first line of this file "
                                     "(after the ZAV_PASSWORD environment variable, before a prompt)."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("password"),
                      QStringLiteral("The control password. Avoid it: every user of the machine can read "
                                     "command lines in the process list. Use ZAV_PASSWORD, --password-file "
                                     "or the prompt."),
                      QStringLiteral("password")});
    parser.addOption(formatOption());
}

bool cli::readReaderOptions(const QCommandLineParser &parser, const QStringList &addresses, Console &console,
                            ReaderOptions *options, bool needPassword)
{
    if (parser.isSet(QStringLiteral("port"))) {
        const QString text = parser.value(QStringLiteral("port"));
        if (!control::isPortNumber(text.toLatin1()) || text.toLatin1() != text.toUtf8()) {
            console.message(QStringLiteral("--port %1: %2").arg(text, settingchecks::InvalidControlPort));
            return false;
        }
        options->port = quint16(text.toUInt());
        options->portGiven = true;
    }
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

int cli::ReaderRun::exec(const Start &start)
{
    QEventLoop loop;
    JobRunner runner(int(m_options.targets.size()), m_options.jobs, start);
    m_runner = &runner;
    QObject::connect(&runner, &JobRunner::allFinished, &loop, &QEventLoop::quit);
    runner.run();
    showProgress();
    if (runner.finishedCount() < runner.count())
        loop.exec();
    m_runner = nullptr;
    flush();
    m_writer.finish();
    m_console.clearProgress();
    return m_failures == 0 ? zavctl::Success : zavctl::ReaderFailed;
}

void cli::ReaderRun::succeeded(int index, output::Record record)
{
    report(index, true, QString(), std::move(record));
}

void cli::ReaderRun::failed(int index, const QString &error, output::Record record)
{
    report(index, false, error, std::move(record));
}

void cli::ReaderRun::report(int index, bool ok, const QString &error, output::Record record)
{
    if (index < 0 || index >= m_results.size() || m_results.at(index))
        return;
    output::Record full{{QStringLiteral("reader"), m_options.targets.at(index).address}, {QStringLiteral("ok"), ok}};
    full += record;
    if (!ok) {
        full.append({QStringLiteral("error"), error});
        ++m_failures;
        m_errors[index] = error;
    }
    m_results[index] = full;
    ++m_done;
    flush();
    showProgress();
    if (m_runner)
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
