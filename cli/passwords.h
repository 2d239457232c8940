#pragma once

#include <QByteArray>
#include <QString>

// Where zavctl takes a control password from. A password never has to be
// typed on the command line, where other users see it in the process list.
namespace passwords {

struct Source {
    QString environmentVariable;  // "ZAV_PASSWORD"
    QString file;                 // --password-file: its first line; empty for none
    bool optionGiven = false;     // --password (discouraged)
    QString option;
    QString prompt;               // shown when standard input is a terminal
    bool confirm = false;         // ask twice (a new password)
    QString name;                 // "password", "new password": for messages
};

// In this order: the environment variable, the file, the option, a prompt
// without echo when standard input is a terminal. False with a one-line
// refusal when none gives one, when the file cannot be read, when the two
// prompted entries differ, or when the password is not exactly 5 characters
// (without blanks at either end) or not Latin-1.
bool obtain(const Source &source, QByteArray *password, QString *refusal);

// The first line of a file's bytes, without its line end.
QByteArray firstLine(const QByteArray &bytes);

// True when the standard stream with this descriptor (0, 1 or 2) is a
// terminal (on Windows a console), not a file, a pipe or the null device.
bool isTerminal(int descriptor);

// Reads one line from the terminal on standard input with echo off, after
// writing the prompt to standard error. False when standard input is no terminal.
bool promptWithoutEcho(const QString &prompt, QByteArray *line);

} // namespace passwords
