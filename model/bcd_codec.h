#pragma once

#include "model/types.h"

// BCD bytes (tens in the high nibble, units in the low one): the controller's clock record
// and the date and time fields of the timer table.

// 0..99 as a BCD byte; 0xFF for anything else (so the editors' "any", 255, stays 0xFF).
u8 toBcd(int value);
// The number of a BCD byte, or -1 when it is none. A low nibble of 0xA is first carried
// into the tens, so 0x1A reads as 20.
int fromBcd(u8 byte);

// The years the controller's clock holds: its year byte is the BCD of year - FirstClockYear.
constexpr int FirstClockYear = 2000;
constexpr int LastClockYear = FirstClockYear + 99;
