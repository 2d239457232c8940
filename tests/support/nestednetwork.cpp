#include "nestednetwork.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <unistd.h>

namespace {
// Only loopback and the near ends of nested networks: the namespace was made
// private and nothing reaches the machine's real interfaces.
bool onlyPrivateInterfaces(QString *error)
{
    QFile dev(QStringLiteral("/proc/self/net/dev"));
    if (!dev.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read /proc/self/net/dev");
        return false;
    }
    const QList<QByteArray> lines = dev.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const int colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed();
        if (name != "lo" && !name.startsWith("zavn")) {
            *error = QStringLiteral("refusing to build networks beside interface %1").arg(QString::fromLatin1(name));
            return false;
        }
    }
    return true;
}
// "net:[inode]" of a process's network namespace.
QByteArray namespaceOf(const QString &pid)
{
    char target[64] = {};
    const ssize_t length =
        ::readlink(QStringLiteral("/proc/%1/ns/net").arg(pid).toLocal8Bit().constData(), target, sizeof target - 1);
    return length > 0 ? QByteArray(target, length) : QByteArray();
}
} // namespace

bool runIp(const QStringList &arguments, QString *error)
{
    QProcess ip;
    ip.start(QStringLiteral("ip"), arguments);
    if (!ip.waitForFinished(10000) || ip.exitStatus() != QProcess::NormalExit || ip.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("ip %1: %2")
                         .arg(arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(ip.readAllStandardError()));
        return false;
    }
    return true;
}

NestedNetwork::NestedNetwork(int number) : m_number(number) {}

NestedNetwork::~NestedNetwork()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    // The pair goes with the nested namespace; this catches a far end that
    // never got there.
    if (m_linkMade)
        runIp({QStringLiteral("link"), QStringLiteral("del"), nearInterface()});
}

bool NestedNetwork::start(const QStringList &program, QString *error, const QString &setup)
{
    QString why;
    if (!onlyPrivateInterfaces(&why)) {
        *error = why;
        return false;
    }
    if (!runIp({"link", "add", nearInterface(), "type", "veth", "peer", "name", farInterface()}, error))
        return false;
    m_linkMade = true;
    if (!runIp({"addr", "add", nearAddress() + QStringLiteral("/24"), "dev", nearInterface()}, error)
        || !runIp({"link", "set", nearInterface(), "up"}, error))
        return false;
    // The nested namespace waits (at most 10 s) for its end of the pair to
    // arrive, sets it up and becomes the program.
    const QString script = QStringLiteral(
        "i=0; while ! ip link show %1 >/dev/null 2>&1; do i=$((i+1)); [ $i -gt 500 ] && exit 3; sleep 0.02; done\n"
        "ip link set lo up && ip addr add %2/24 dev %1 && ip link set %1 up "
        "&& ip route add 224.0.0.0/4 dev %1 || exit 4\n"
        "%3\n"
        "exec \"$@\"\n").arg(farInterface(), farAddress(), setup);
    m_process.setProgram(QStringLiteral("unshare"));
    m_process.setArguments(QStringList{"-n", "sh", "-c", script, "sh"} + program);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        *error = QStringLiteral("unshare: %1").arg(m_process.errorString());
        return false;
    }
    // unshare without --fork becomes the shell and then the program: its
    // process is the one in the nested namespace, once it has made it. Moved
    // before that, the far end would stay here.
    const QString pid = QString::number(m_process.processId());
    const QByteArray here = namespaceOf(QStringLiteral("self"));
    QElapsedTimer clock;
    clock.start();
    while (namespaceOf(pid) == here) {
        if (clock.elapsed() > 5000 || m_process.state() == QProcess::NotRunning) {
            *error = QStringLiteral("the nested namespace was not made");
            return false;
        }
        QThread::msleep(5);
    }
    return runIp({"link", "set", farInterface(), "netns", pid}, error);
}

bool NestedNetwork::waitForOutput(const QByteArray &text, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_output.contains(text) && clock.elapsed() < timeoutMs && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(50);
        m_output += m_process.readAllStandardOutput();
    }
    m_output += m_process.readAllStandardOutput();
    return m_output.contains(text);
}

bool NestedNetwork::routeThrough(const QString &range, QString *error)
{
    return runIp({"route", "add", range, "via", farAddress()}, error);
}
