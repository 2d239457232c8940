#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// zavctl: the reader operations of the utility from the command line. The
// exit status is 0 when every reader succeeded, 1 when a reader failed or the
// run was interrupted, 2 for bad usage or bad input (then nothing has been
// sent), 3 when a search or scan compared with an earlier list found changes
// and was asked to say so (--fail-on-change).
namespace zavctl {

enum ExitStatus { Success = 0, ReaderFailed = 1, BadUsage = 2, Changed = 3 };

// What a run talks to besides the network.
struct Io {
    std::function<void(const QByteArray &)> out;  // standard output: results only
    std::function<void(const QByteArray &)> err;  // standard error: messages, progress
    std::function<QByteArray()> readInput;        // all of standard input (for "-")
    bool outIsTerminal = false;
    bool errIsTerminal = false;
};

// Io on the process's own standard streams.
Io standardIo();

// Runs one command line (without the program name) to its end on the
// calling thread's event loop and gives the exit status.
int run(const QStringList &arguments, const Io &io);

} // namespace zavctl
