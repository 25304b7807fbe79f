#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

// The monitor's ticker: a thread that sleeps for the refresh period and emits overflow(),
// over and over until it is stopped. The receiver lives in the user-interface thread, so
// each tick reaches it as a queued call; the ticker itself asks nothing of the controller.
//
// The period and the running flag are shared with the user-interface thread, hence atomic.
// Stopping wakes the sleep, so the thread ends at once rather than after up to ten seconds:
// the monitor, and this object with it, is destroyed on every language change, and a
// QThread destroyed while it runs aborts the program.
class timeCount_class : public QThread
{
    Q_OBJECT

public:
    timeCount_class();
    // Stops the thread and waits for it.
    ~timeCount_class() override;

    // Milliseconds between ticks; read anew before every sleep.
    std::atomic<int> period{100};
    // Set while the ticker is meant to tick; cleared to stop it.
    std::atomic<bool> running{false};

    // Starts ticking unless it is running; waits first for a thread that was told to stop
    // and has not ended yet (it was woken, so it ends at once). The first tick comes one
    // period after the start.
    void startTicking();
    // Clears the running flag and wakes the sleep: the thread ends without another tick.
    void stopTicking();
    // The receiver took the last tick. Until then no further tick is sent, so ticks never
    // pile up behind a polling cycle that takes longer than the period.
    void tickHandled();

signals:
    void overflow();

protected:
    void run() override;

private:
    // Sleeps one period: false when stopped meanwhile.
    bool sleepOnePeriod();

    QMutex sleepLock;
    QWaitCondition wakeUp;
    std::atomic<bool> tickPending{false};
};
