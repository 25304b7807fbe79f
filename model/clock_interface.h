#pragma once

#include <QDateTime>

// Waiting and time go through this interface, so that status polls, elapsed-time bounds
// and dated file headers run on virtual time in the tests.
class clock_interface
{
public:
    virtual ~clock_interface() = default;

    // Blocks the calling thread for 100 ms without processing events.
    virtual void wait100ms() = 0;
    // Milliseconds on a monotonic clock (for elapsed-time bounds).
    virtual qint64 elapsedMs() const = 0;
    // The local date and time now.
    virtual QDateTime currentDateTime() const = 0;
};

// The installed clock; the real one until another is installed.
clock_interface &appClock();
// Installs a clock (not owned); null restores the real one.
void installClock(clock_interface *clock);
