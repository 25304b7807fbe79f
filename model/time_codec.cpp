#include "model/time_codec.h"

int timeToTenths(QTime t)
{
    if (!t.isValid())
        return 0;
    return t.hour() * 36000 + t.minute() * 600 + t.second() * 10 + t.msec() / 100;
}

QTime tenthsToTime(u32 n)
{
    const u32 hour = n / 36000;
    if (hour >= 24)
        return QTime();
    return QTime(int(hour), int((n % 36000) / 600), int((n % 600) / 10), int((n % 10) * 100));
}

u16 timeToTenths16(QTime t)
{
    const int tenths = timeToTenths(t);
    return tenths > 0xFFFF ? u16(0xFFFF) : u16(tenths);
}
