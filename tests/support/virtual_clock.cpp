#include "tests/support/virtual_clock.h"

virtual_clock::virtual_clock(const QDateTime &start)
    : startDateTime(start)
{
    installClock(this);
}

virtual_clock::~virtual_clock()
{
    installClock(nullptr);
}

void virtual_clock::wait100ms()
{
    ++waits;
    advance(100);
}

qint64 virtual_clock::elapsedMs() const
{
    return nowMs;
}

QDateTime virtual_clock::currentDateTime() const
{
    return startDateTime.addMSecs(nowMs);
}

void virtual_clock::advance(qint64 ms)
{
    nowMs += ms;
    if (onAdvance)
        onAdvance(nowMs);
}
