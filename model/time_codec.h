#pragma once

#include "model/types.h"

#include <QTime>

// Time values are counts of tenths of a second since midnight.

// hour * 36000 + minute * 600 + second * 10 + msec / 100 (truncating); 0 for an invalid time.
int timeToTenths(QTime t);

// The time n tenths after midnight; an invalid time for n >= 864000.
// 0xFFFF gives 01:49:13.500: where 0xFFFF means infinite, callers test for it themselves.
QTime tenthsToTime(u32 n);

// A time as the value of a 16-bit image field: values above 0xFFFF are held at 0xFFFF
// instead of wrapping. Every packer writes times into 16-bit fields through this.
u16 timeToTenths16(QTime t);
