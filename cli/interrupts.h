#pragma once

#include <QEventLoop>
#include <QObject>

#include <functional>

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

// The event loop of a command: runs until quit(), also when quit() came
// before exec(). From its making until exec() returns, Ctrl+C or a request to
// terminate calls the command's handler, once, which is to lead to quit()
// (at once, or when what it stopped has ended).
class InterruptibleLoop : public QObject
{
    Q_OBJECT
public:
    // True when an interrupt came.
    bool exec(const std::function<void()> &onInterrupt);
    void quit();

private:
    InterruptWatch m_watch;
    QEventLoop m_loop;
    bool m_quit = false;
};
