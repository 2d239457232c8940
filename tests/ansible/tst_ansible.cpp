// The Ansible collection zav.readers as an integrator runs it: Debian's
// ansible-playbook in its own process with the example playbooks, against
// simulated readers in this one (two sites of ten). Checks the play recap,
// the bytes every reader received, the settings read back with zavctl, and
// that the password reaches zavctl through its environment only and shows
// in no output. Skipped where Ansible is not installed.
#include "privatenetwork.h"
#include "readersimulator.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A password that cannot turn up in any output by chance.
const QByteArray Password = "k9Q4w";
const QByteArray Login = "PASS" + Password + "\r";
const QString Examples = QStringLiteral(COLLECTION_DIR "/examples");

struct Run {
    int status = -1;
    QByteArray out;
};

struct HostCounts {
    int changed = -1;
    int failed = -1;
};

// The play recap: each host's changed and failed counts.
QHash<QString, HostCounts> recap(const QByteArray &out)
{
    static const QRegularExpression line(
        QStringLiteral(R"(^(\S+)\s+: ok=\d+\s+changed=(\d+)\s+unreachable=\d+\s+failed=(\d+))"),
        QRegularExpression::MultilineOption);
    QHash<QString, HostCounts> hosts;
    for (auto it = line.globalMatch(QString::fromUtf8(out)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        hosts.insert(match.captured(1), {match.captured(2).toInt(), match.captured(3).toInt()});
    }
    return hosts;
}

// The control lines a reader received, without their CR.
QList<QByteArray> controlLines(SimulatedReader *reader)
{
    QList<QByteArray> lines = reader->receivedBytes(Channel::Control).split('\r');
    lines.removeLast();
    return lines;
}
} // namespace

class TestAnsible : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void collectionChecks();
    void sitePlaybookChangesOnlyWhatDiffers();
    void fleetPlaybookFailsTheReaderThatStopsAlone();
    void firmwareOnlyWhenItDiffers_data();
    void firmwareOnlyWhenItDiffers();

private:
    void addSites();
    Run ansible(const QString &program, const QStringList &arguments,
                const QHash<QString, QString> &environment = {});
    Run playbook(const QString &name, const QStringList &arguments = {});
    QJsonArray zavctlGet(const QStringList &readers);
    bool allRunning() const;

    QString m_ansiblePlaybook;
    QTemporaryDir m_dir;
    ReaderSimulator *m_simulator = nullptr;
    QHash<QString, SimulatedReader *> m_readers;  // by inventory host
};

void TestAnsible::initTestCase()
{
    m_ansiblePlaybook = QStandardPaths::findExecutable(QStringLiteral("ansible-playbook"));
    if (m_ansiblePlaybook.isEmpty())
        QSKIP("skipped: no ansible-playbook");
    ZAV_REQUIRE_PRIVATE_NETWORK();
    QVERIFY(m_dir.isValid());

    // Ansible finds the collection from the tree as it would once installed.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("collections/ansible_collections/zav")));
    QVERIFY(QFile::link(QStringLiteral(COLLECTION_DIR),
                        m_dir.filePath(QStringLiteral("collections/ansible_collections/zav/readers"))));

    // zavctl on the PATH is a stand-in that writes down how it was started
    // (its command line and the names of its ZAV_ variables), then runs zavctl.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("bin")));
    QFile wrapper(m_dir.filePath(QStringLiteral("bin/zavctl")));
    QVERIFY(wrapper.open(QIODevice::WriteOnly));
    wrapper.write("#!/bin/sh\n"
                  "printf 'argv: %s | environment: %s\\n' \"$(tr '\\0' ' ' < /proc/$$/cmdline)\" "
                  "\"$(tr '\\0' '\\n' < /proc/$$/environ | sed -n 's/^\\(ZAV_[A-Z_]*\\)=.*/\\1/p' | tr '\\n' ' ')\" >> '"
                  + m_dir.filePath(QStringLiteral("starts.log")).toUtf8() + "'\n"
                  "exec '" ZAVCTL_PATH "' \"$@\"\n");
    wrapper.close();
    QVERIFY(wrapper.setPermissions(wrapper.permissions() | QFile::ExeOwner));

    QFile secrets(m_dir.filePath(QStringLiteral("secrets.yml")));
    QVERIFY(secrets.open(QIODevice::WriteOnly));
    secrets.write("zav_password: \"" + Password + "\"\n");
}

void TestAnsible::init()
{
    m_simulator = new ReaderSimulator;
    m_simulator->setMulticastEnabled(false);
    m_readers.clear();
}

void TestAnsible::cleanup()
{
    delete m_simulator;
    m_simulator = nullptr;
}

// Ten readers at each of the example's two sites, in server mode with the
// simulator's settings, and the inventory that names them.
void TestAnsible::addSites()
{
    QByteArray inventory = "readers:\n  children:\n";
    int next = 1;
    for (const char *site : {"north", "south"}) {
        inventory += QByteArray("    ") + site + ":\n      hosts:\n";
        for (int i = 1; i <= 10; ++i, ++next) {
            ReaderConfig config;
            config.address = QHostAddress(QStringLiteral("127.0.3.%1").arg(next));
            config.mac = ReaderSimulator::macAfter("0050C2000000", next);
            config.password = Password;
            config.rebootDelayMs = 100;
            SimulatedReader *reader = m_simulator->addReader(config);
            QString error;
            QVERIFY2(reader->start(&error), qPrintable(error));
            const QString host = QStringLiteral("%1-%2").arg(QLatin1String(site)).arg(i, 2, 10, QLatin1Char('0'));
            m_readers.insert(host, reader);
            inventory += "        " + host.toLatin1() + ": {ansible_host: " + config.address.toString().toLatin1()
                         + "}\n";
        }
    }
    QFile file(m_dir.filePath(QStringLiteral("inventory.yml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(inventory);
}

Run TestAnsible::ansible(const QString &program, const QStringList &arguments,
                         const QHash<QString, QString> &environment)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ZAV_PASSWORD"));
    env.insert(QStringLiteral("PATH"), m_dir.filePath(QStringLiteral("bin")) + QLatin1Char(':') + env.value("PATH"));
    env.insert(QStringLiteral("ANSIBLE_COLLECTIONS_PATH"), m_dir.filePath(QStringLiteral("collections")));
    env.insert(QStringLiteral("ANSIBLE_LOCAL_TEMP"), m_dir.filePath(QStringLiteral("ansible-tmp")));
    env.insert(QStringLiteral("ANSIBLE_FORKS"), QStringLiteral("20"));
    env.insert(QStringLiteral("ANSIBLE_NOCOLOR"), QStringLiteral("1"));
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(program, arguments);
    Run run;
    // The simulated readers live in this process: keep its events running.
    if (!process.waitForStarted(10000) || !finished.wait(400000)) {
        process.kill();
        process.waitForFinished(2000);
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAll();
    return run;
}

Run TestAnsible::playbook(const QString &name, const QStringList &arguments)
{
    return ansible(m_ansiblePlaybook, QStringList{QStringLiteral("-i"), QStringLiteral("inventory.yml"),
                                                  QStringLiteral("-e"), QStringLiteral("@secrets.yml"),
                                                  Examples + QLatin1Char('/') + name} + arguments);
}

QJsonArray TestAnsible::zavctlGet(const QStringList &readers)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZAV_PASSWORD"), QString::fromLatin1(Password));
    process.setProcessEnvironment(env);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(QStringLiteral(ZAVCTL_PATH), QStringList{QStringLiteral("get")} + readers
                                                   + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    if (!finished.wait(30000))
        return {};
    return QJsonDocument::fromJson(process.readAllStandardOutput()).array();
}

bool TestAnsible::allRunning() const
{
    for (SimulatedReader *reader : m_simulator->readers()) {
        if (!reader->isRunning())
            return false;
    }
    return true;
}

// Each module's documentation renders, the collection passes the sanity tests
// that run offline, and its version is the program's.
void TestAnsible::collectionChecks()
{
    const QString ansibleDoc = QStandardPaths::findExecutable(QStringLiteral("ansible-doc"));
    QVERIFY(!ansibleDoc.isEmpty());
    for (const char *module : {"settings", "facts", "firmware", "fleet_settings", "reader_result"}) {
        const Run doc = ansible(ansibleDoc, {QStringLiteral("zav.readers.") + QLatin1String(module)});
        QVERIFY2(doc.status == 0, doc.out.constData());
        QVERIFY2(doc.out.startsWith("> ZAV.READERS." + QByteArray(module).toUpper()), doc.out.constData());
        QVERIFY(doc.out.contains("EXAMPLES:"));
        QVERIFY(doc.out.contains("RETURN VALUES:"));
    }

    QFile galaxy(QStringLiteral(COLLECTION_DIR "/galaxy.yml"));
    QVERIFY(galaxy.open(QIODevice::ReadOnly));
    QVERIFY(galaxy.readAll().contains("\nversion: " PROJECT_VERSION_TEXT "\n"));

    // ansible-test takes the collection only from a folder that ends in
    // ansible_collections/zav/readers, and not through a link. The tests it
    // runs in a virtual environment of their own (ansible-doc, import, pep8,
    // pylint, runtime-metadata, validate-modules, yamllint) first download
    // pip and so cannot run offline; every other one runs.
    const QString ansibleTest = QStandardPaths::findExecutable(QStringLiteral("ansible-test"));
    if (ansibleTest.isEmpty())
        QSKIP("no ansible-test: the documentation was checked with ansible-doc only");
    const QString copy = m_dir.filePath(QStringLiteral("sanity/ansible_collections/zav/readers"));
    QVERIFY(QDir().mkpath(copy));
    QCOMPARE(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-R"), QStringLiteral(COLLECTION_DIR "/."), copy}), 0);
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QStringLiteral("import sys; print('%d.%d' % sys.version_info[:2])")});
    QVERIFY(python.waitForFinished(30000));
    QStringList arguments{QStringLiteral("sanity"), QStringLiteral("--local"), QStringLiteral("--python"),
                          QString::fromLatin1(python.readAllStandardOutput().trimmed())};
    for (const char *test : {"ansible-doc", "import", "pep8", "pylint", "runtime-metadata", "validate-modules", "yamllint"})
        arguments << QStringLiteral("--skip-test") << QLatin1String(test);
    QProcess sanity;
    sanity.setWorkingDirectory(copy);
    sanity.setProcessChannelMode(QProcess::MergedChannels);
    sanity.start(ansibleTest, arguments);
    QVERIFY(sanity.waitForFinished(300000));
    const QByteArray out = sanity.readAll();
    QVERIFY2(sanity.exitCode() == 0, out.constData());
    QVERIFY2(out.contains("Running sanity test \"compile\""), out.constData());
}

// The example of two sites, run as before a change window (--check), then for
// real with -vvv, then again: the first run changes every reader and restarts
// it, the second sends no setting command.
void TestAnsible::sitePlaybookChangesOnlyWhatDiffers()
{
    addSites();
    QFile::remove(m_dir.filePath(QStringLiteral("starts.log")));

    const Run check = playbook(QStringLiteral("site.yml"), {QStringLiteral("--check"), QStringLiteral("--diff")});
    QVERIFY2(check.status == 0, check.out.constData());
    QHash<QString, HostCounts> hosts = recap(check.out);
    QCOMPARE(hosts.size(), 20);
    for (auto it = hosts.begin(); it != hosts.end(); ++it)
        QVERIFY2(it->changed == 1 && it->failed == 0, qPrintable(it.key()));
    QVERIFY(check.out.contains("\n-mode: server\n") && check.out.contains("\n+mode: client\n"));
    for (SimulatedReader *reader : m_simulator->readers()) {
        for (const QByteArray &line : controlLines(reader))
            QVERIFY2(line == Login.chopped(1) || line == "STAT", line.constData());
        QCOMPARE(reader->config().mode, '0');
    }

    const Run first = playbook(QStringLiteral("site.yml"), {QStringLiteral("-vvv")});
    QVERIFY2(first.status == 0, first.out.constData());
    hosts = recap(first.out);
    QCOMPARE(hosts.size(), 20);
    for (auto it = hosts.begin(); it != hosts.end(); ++it)
        QVERIFY2(it->changed == 1 && it->failed == 0, qPrintable(it.key()));
    QVERIFY(!first.out.contains(Password));
    QVERIFY(first.out.contains("\"zavctl_path\": null"));  // found on the PATH
    for (SimulatedReader *reader : m_simulator->readers())
        QVERIFY(controlLines(reader).endsWith("REBOOT"));

    QTRY_VERIFY_WITH_TIMEOUT(allRunning(), 10000);
    QStringList addresses;
    for (SimulatedReader *reader : m_simulator->readers())
        addresses << reader->activeConfig().address.toString();
    const QJsonArray held = zavctlGet(addresses);
    QCOMPARE(held.size(), 20);
    for (const QJsonValue &value : held) {
        const QJsonObject reader = value.toObject();
        const QString host = m_readers.key(m_simulator->readerAt(QHostAddress(reader.value("reader").toString())));
        const bool north = host.startsWith(QLatin1String("north"));
        QCOMPARE(reader.value("identifier").toString(), host);
        QCOMPARE(reader.value("mode").toString(), QStringLiteral("client"));
        QCOMPARE(reader.value("server-address").toString(), north ? QStringLiteral("10.20.0.5") : QStringLiteral("10.30.0.5"));
        QCOMPARE(reader.value("server-port").toString(), north ? QStringLiteral("4000") : QStringLiteral("4100"));
        QCOMPARE(reader.value("gateway").toString(), north ? QStringLiteral("10.20.0.1") : QStringLiteral("10.30.0.1"));
        QCOMPARE(reader.value("subnet-mask").toString(), QStringLiteral("255.255.0.0"));
    }

    for (SimulatedReader *reader : m_simulator->readers())
        reader->clearRecord();
    const Run second = playbook(QStringLiteral("site.yml"));
    QVERIFY2(second.status == 0, second.out.constData());
    hosts = recap(second.out);
    QCOMPARE(hosts.size(), 20);
    for (auto it = hosts.begin(); it != hosts.end(); ++it)
        QVERIFY2(it->changed == 0 && it->failed == 0, qPrintable(it.key()));
    // The facts, then the settings: a login and STAT each.
    for (SimulatedReader *reader : m_simulator->readers())
        QCOMPARE(reader->receivedBytes(Channel::Control), Login + "STAT\r" + Login + "STAT\r");

    // Every zavctl of the three runs had the password in its environment and
    // none on its command line, where every user of the machine can read it.
    QFile starts(m_dir.filePath(QStringLiteral("starts.log")));
    QVERIFY(starts.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = starts.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 3 * 2 * 20);
    for (const QByteArray &line : lines) {
        QVERIFY2(line.startsWith("argv: ") && line.contains(" --format json"), line.constData());
        QVERIFY2(!line.contains(Password), line.constData());
        QVERIFY2(line.contains("| environment: ") && (line + ' ').contains(" ZAV_PASSWORD "), line.constData());
    }
}

// One zavctl run for all twenty readers; the reader that stops acknowledging
// part-way fails as its own host with what it acknowledged, the others are
// changed.
void TestAnsible::fleetPlaybookFailsTheReaderThatStopsAlone()
{
    addSites();
    m_readers.value(QStringLiteral("south-03"))->setFault("MODE", Fault::noAnswer());
    QFile::remove(m_dir.filePath(QStringLiteral("starts.log")));

    const Run run = playbook(QStringLiteral("fleet.yml"));
    QCOMPARE(run.status, 2);  // ansible-playbook: a host failed
    const QHash<QString, HostCounts> hosts = recap(run.out);
    QCOMPARE(hosts.size(), 20);
    for (auto it = hosts.begin(); it != hosts.end(); ++it) {
        const bool faulty = it.key() == QLatin1String("south-03");
        QVERIFY2(it->failed == (faulty ? 1 : 0), qPrintable(it.key()));
        if (!faulty)
            QVERIFY2(it->changed >= 1, qPrintable(it.key()));
    }
    QVERIFY(run.out.contains("fatal: [south-03]: FAILED!"));
    QVERIFY(run.out.contains("\"failed_at\": \"MODE\""));
    QVERIFY(run.out.contains("MODE not acknowledged within 3 s"));
    QCOMPARE(m_readers.value(QStringLiteral("south-03"))->config().mode, '0');
    QCOMPARE(m_readers.value(QStringLiteral("south-04"))->config().mode, '1');

    QFile starts(m_dir.filePath(QStringLiteral("starts.log")));
    QVERIFY(starts.open(QIODevice::ReadOnly));
    const QByteArray line = starts.readAll().trimmed();
    QVERIFY(!line.contains('\n'));
    QVERIFY(!line.contains(Password));
    QVERIFY((line + ' ').contains(" ZAV_PASSWORD "));
}

void TestAnsible::firmwareOnlyWhenItDiffers_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<bool>("check");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("holds it") << "02.10" << false << false << false;
    QTest::newRow("check") << "02.11" << true << true << false;
    QTest::newRow("loads it") << "02.11" << false << true << true;
}

// The firmware module, ad hoc on the control host, with zavctl given by path
// and the password from the environment.
void TestAnsible::firmwareOnlyWhenItDiffers()
{
    QFETCH(QString, wanted);
    QFETCH(bool, check);
    QFETCH(bool, changed);
    QFETCH(bool, loaded);
    ReaderConfig config;
    config.address = QHostAddress(QStringLiteral("127.0.3.50"));
    config.password = Password;
    config.rebootDelayMs = 100;
    SimulatedReader *reader = m_simulator->addReader(config);
    QVERIFY(reader->start());
    QByteArray image;
    for (int i = 0; i < 2 * 1024; ++i)
        image.append(char(i * 7));
    QFile file(m_dir.filePath(QStringLiteral("image.bin")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    QStringList arguments{QStringLiteral("localhost"), QStringLiteral("-i"), QStringLiteral("localhost,"),
                          QStringLiteral("-c"), QStringLiteral("local"), QStringLiteral("-e"),
                          QStringLiteral("ansible_python_interpreter=/usr/bin/python3"),
                          QStringLiteral("-m"), QStringLiteral("zav.readers.firmware"), QStringLiteral("-a"),
                          QStringLiteral("reader=127.0.3.50 version=%1 image=%2 zavctl_path=" ZAVCTL_PATH)
                              .arg(wanted, file.fileName())};
    if (check)
        arguments << QStringLiteral("--check");
    const Run run = ansible(QStandardPaths::findExecutable(QStringLiteral("ansible")), arguments,
                            {{QStringLiteral("ZAV_PASSWORD"), QString::fromLatin1(Password)}});
    QVERIFY2(run.status == 0, run.out.constData());
    QVERIFY2(run.out.startsWith(changed ? "localhost | CHANGED" : "localhost | SUCCESS"), run.out.constData());
    QVERIFY(run.out.contains("\"old\": \"02.10\""));
    QCOMPARE(reader->connectionCount(Channel::Download), loaded ? 1 : 0);
    if (loaded) {
        QCOMPARE(reader->firmwareImage(), image);
        QVERIFY(run.out.contains("\"blocks\": \"2/2\""));
    }
}

QTEST_GUILESS_MAIN(TestAnsible)
#include "tst_ansible.moc"
