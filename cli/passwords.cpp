#include "passwords.h"

#include "settingchecks.h"

#include <QFile>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace {
// Turns the echo of the terminal on standard input off for as long as it
// lives, and back on after. Where the system cannot still show the line end
// (ECHONL), echoLineEnd() says that the caller must.
class EchoOff
{
public:
    EchoOff();
    ~EchoOff();
    EchoOff(const EchoOff &) = delete;
    EchoOff &operator=(const EchoOff &) = delete;
    bool echoLineEnd() const;

private:
#ifdef Q_OS_WIN
    HANDLE m_console = INVALID_HANDLE_VALUE;
    DWORD m_savedMode = 0;
#else
    termios m_saved{};
#endif
    bool m_changed = false;
};
} // namespace

#ifdef Q_OS_WIN
// A Windows console has modes instead of termios. Line input stays on, so a
// read returns once Enter is pressed.
EchoOff::EchoOff() : m_console(GetStdHandle(STD_INPUT_HANDLE))
{
    if (GetConsoleMode(m_console, &m_savedMode))
        m_changed = SetConsoleMode(m_console, m_savedMode & ~DWORD(ENABLE_ECHO_INPUT));
}

EchoOff::~EchoOff()
{
    if (m_changed)
        SetConsoleMode(m_console, m_savedMode);
}

bool EchoOff::echoLineEnd() const
{
    return m_changed;
}

namespace {
int readInputByte(char *c)
{
    return _read(0, c, 1);
}
} // namespace

bool passwords::isTerminal(int descriptor)
{
    // _isatty() is also true for the NUL device; only a console has a mode.
    const intptr_t handle = _get_osfhandle(descriptor);
    DWORD mode = 0;
    return handle != -1 && GetConsoleMode(reinterpret_cast<HANDLE>(handle), &mode);
}
#else
EchoOff::EchoOff()
{
    if (tcgetattr(STDIN_FILENO, &m_saved) == 0) {
        termios quiet = m_saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        m_changed = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    }
}

EchoOff::~EchoOff()
{
    if (m_changed)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
}

bool EchoOff::echoLineEnd() const
{
    return false;
}

namespace {
int readInputByte(char *c)
{
    return int(::read(STDIN_FILENO, c, 1));
}
} // namespace

bool passwords::isTerminal(int descriptor)
{
    return isatty(descriptor) == 1;
}
#endif

QByteArray passwords::firstLine(const QByteArray &bytes)
{
    QByteArray line = bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n'));
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool passwords::promptWithoutEcho(const QString &prompt, QByteArray *line)
{
    if (!isTerminal(0))
        return false;
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    QByteArray typed;
    bool ended = false;
    {
        const EchoOff echoOff;
        for (int i = 0; i < 1024; ++i) {
            char c = 0;
            if (readInputByte(&c) != 1) {
                ended = true;
                break;
            }
            if (c == '\n') {
                ended = true;
                if (echoOff.echoLineEnd())
                    std::fputc('\n', stderr);
                break;
            }
            typed.append(c);
        }
    }
    if (!ended)
        std::fputc('\n', stderr);
    *line = firstLine(typed);
    return true;
}

bool passwords::obtain(const Source &source, QByteArray *password, QString *refusal)
{
    QString text;
    QString from;
    if (!source.environmentVariable.isEmpty() && qEnvironmentVariableIsSet(qPrintable(source.environmentVariable))) {
        text = qEnvironmentVariable(qPrintable(source.environmentVariable));
        from = source.environmentVariable;
    } else if (!source.file.isEmpty()) {
        QFile file(source.file);
        if (!file.open(QIODevice::ReadOnly)) {
            *refusal = QStringLiteral("cannot read the %1 file %2: %3").arg(source.name, source.file, file.errorString());
            return false;
        }
        text = QString::fromUtf8(firstLine(file.read(4096)));
        from = source.file;
    } else if (source.optionGiven) {
        text = source.option;
        from = QStringLiteral("the command line");
    } else {
        QByteArray typed;
        if (!promptWithoutEcho(source.prompt, &typed)) {
            *refusal = QStringLiteral("no %1: set %2, give a file with --%3-file, or run on a terminal to be asked")
                           .arg(source.name, source.environmentVariable,
                                QString(source.name).replace(QLatin1Char(' '), QLatin1Char('-')));
            return false;
        }
        text = QString::fromLocal8Bit(typed);
        if (source.confirm) {
            QByteArray again;
            promptWithoutEcho(QStringLiteral("The %1 again: ").arg(source.name), &again);
            if (again != typed) {
                *refusal = QStringLiteral("the two %1 entries differ").arg(source.name);
                return false;
            }
        }
        from = QStringLiteral("the terminal");
    }
    // The window's check and words: exactly five characters, each one byte.
    if (!settingchecks::passwordRefusal(text).isEmpty()) {
        *refusal = QStringLiteral("%1 (the %2 from %3)").arg(settingchecks::InvalidPassword, source.name, from);
        return false;
    }
    *password = text.toLatin1();
    return true;
}
