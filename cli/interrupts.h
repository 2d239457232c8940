#pragma once

#include <QObject>

// While one exists, Ctrl+C and a request to terminate (SIGINT and SIGTERM;
// on Windows Ctrl+C, Ctrl+Break and closing the console window) no longer end
// the process at once: interrupted() is emitted on the thread that made it,
// from its event loop, so that the command can close its connections and say
// what it cut off. A second one while the first is being handled ends the
// process as usual. At most one exists at a time.
class InterruptWatch : public QObject
{
    Q_OBJECT
public:
    explicit InterruptWatch(QObject *parent = nullptr);
    ~InterruptWatch() override;

signals:
    void interrupted();
};
