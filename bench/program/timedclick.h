#pragma once

#include "programreaderwindow.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

// Clicks a button of Program Reader and waits for the job's end; the time
// taken in seconds, or -1 when it did not end within 10 s.
inline double timedClick(ProgramReaderWindow &window, QWidget *button)
{
    QSignalSpy finished(&window, &ProgramReaderWindow::jobFinished);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    if (finished.isEmpty() && !finished.wait(10000))
        return -1;
    return clock.nsecsElapsed() / 1e9;
}
