#include "model/clock_interface.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

class real_clock : public clock_interface
{
public:
    real_clock() { timer.start(); }
    void wait100ms() override { QThread::msleep(100); }
    qint64 elapsedMs() const override { return timer.elapsed(); }
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer timer;
};

real_clock &realClock()
{
    static real_clock clock;
    return clock;
}

clock_interface *installedClock = nullptr;

} // namespace

clock_interface &appClock()
{
    return installedClock ? *installedClock : realClock();
}

void installClock(clock_interface *clock)
{
    installedClock = clock;
}
