#include "transcode/PumpTimer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

bool clsPumpTimer::Wait(int MilliSeconds)
{
    if (!QCoreApplication::instance())
        throw PumpTimerError("no application object to process events");
    if (MilliSeconds <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return true;
    }
    // A precise timer: the runner's 50 ms polls should not drift to coarse timer slack.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(MilliSeconds);
    loop.exec(QEventLoop::AllEvents);
    // Only the timer ends this loop, unless the application quits: then the timer is still due.
    return !timer.isActive();
}
