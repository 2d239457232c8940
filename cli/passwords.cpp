#include "passwords.h"

#include "settingchecks.h"

#include <QFile>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

QByteArray passwords::firstLine(const QByteArray &bytes)
{
    QByteArray line = bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n'));
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool passwords::promptWithoutEcho(const QString &prompt, QByteArray *line)
{
    if (!isatty(STDIN_FILENO))
        return false;
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    termios saved{};
    const bool haveTerminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (haveTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    QByteArray typed;
    bool ended = false;
    for (int i = 0; i < 1024; ++i) {
        char c = 0;
        if (::read(STDIN_FILENO, &c, 1) != 1 || c == '\n') {
            ended = true;
            break;
        }
        typed.append(c);
    }
    if (haveTerminal)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
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
