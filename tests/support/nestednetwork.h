#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// A network of its own inside the private namespace of a test or benchmark:
// a veth pair whose near end "zavnN" has 10.N.0.1/24 here, and whose far end
// "zavpN", with 10.N.0.2/24, sits in a nested namespace where one program
// runs (a simulated reader, or nothing but a sleep). Multicast there goes out
// of the far end. Nothing leaves the machine: both namespaces are private.
// The program, the namespace and the pair go when the object does.
class NestedNetwork
{
public:
    explicit NestedNetwork(int number);
    ~NestedNetwork();
    NestedNetwork(const NestedNetwork &) = delete;
    NestedNetwork &operator=(const NestedNetwork &) = delete;

    // Makes the pair and starts 'program' in the nested namespace after the
    // shell commands 'setup' ran there (for example more addresses).
    // Refuses unless this process runs in a loopback-only namespace or in
    // one that only such networks were added to.
    bool start(const QStringList &program, QString *error, const QString &setup = QString());
    // Waits until the program printed 'text' on its standard output.
    bool waitForOutput(const QByteArray &text, int timeoutMs);
    // Routes 'range' (for example "10.9.0.0/16") here through the far end:
    // to an address the nested namespace does not have, a connect then hangs
    // until its timeout, like a wide-area address where nobody answers.
    bool routeThrough(const QString &range, QString *error);

    QString nearInterface() const { return QStringLiteral("zavn%1").arg(m_number); }
    QString nearAddress() const { return QStringLiteral("10.%1.0.1").arg(m_number); }
    QString farAddress() const { return QStringLiteral("10.%1.0.2").arg(m_number); }
    QByteArray output() const { return m_output; }

private:
    QString farInterface() const { return QStringLiteral("zavp%1").arg(m_number); }

    int m_number;
    QProcess m_process;
    QByteArray m_output;
    bool m_linkMade = false;
};

// Runs 'ip' with these arguments; false with its error output in 'error'.
bool runIp(const QStringList &arguments, QString *error = nullptr);
