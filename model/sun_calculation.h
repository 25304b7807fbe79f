#pragma once

#include "model/types.h"

// Sunrise and sunset of one day at the controller's location, by the low-precision solar
// formula the controller's table has always been computed with. The constants are used
// exactly as written in the .cpp (they are not the machine's pi and 2 pi), so that tables
// computed here agree minute for minute with tables computed before.

// x - y * trunc(x / y), the quotient truncated toward zero: the result keeps the sign of x.
double truncatedRemainder(double x, double y);

struct sun_times {
    bool defined = false;  // false when the sun does not cross the horizon that day
    // Minutes of the day, truncated toward zero; outside 0..1439 when the offset pushes
    // the event into the day before or after.
    i32 sunrise = 0;
    i32 sunset = 0;
};

// Year, month 1..12, day of month; latitude in whole degrees (north positive); offset in
// minutes subtracted from local mean solar time to give the controller's clock time.
sun_times sunTimesOfDay(int year, int month, int day, int latitude, int offsetMinutes);

// February has 29 days when the year is divisible by 4 and not by 100; the controller's
// table knows no 400-year rule, so 2000 and 2400 count as common years.
bool isSunTableLeapYear(int year);
