#include "settings/monitor/time_count_class.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

timeCount_class::timeCount_class() = default;

timeCount_class::~timeCount_class()
{
    stopTicking();
    wait();
}

void timeCount_class::startTicking()
{
    if (running)
        return;
    wait();
    tickPending = false;
    running = true;
    start();
}

void timeCount_class::stopTicking()
{
    {
        // Under the lock: the thread tests the flag and begins to wait as one step, so the
        // wake cannot fall between the two.
        QMutexLocker lock(&sleepLock);
        running = false;
    }
    wakeUp.wakeAll();
}

void timeCount_class::tickHandled()
{
    tickPending = false;
}

bool timeCount_class::sleepOnePeriod()
{
    QMutexLocker lock(&sleepLock);
    const QDeadlineTimer deadline(qMax(0, period.load()));
    while (running && !deadline.hasExpired())
        wakeUp.wait(&sleepLock, deadline);
    return running;
}

void timeCount_class::run()
{
    while (sleepOnePeriod()) {
        if (!tickPending.exchange(true))
            emit overflow();
    }
}
