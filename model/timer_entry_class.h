#pragma once

#include "model/types.h"

// One timer, 8 bytes, the same in memory and in the image's timer table.
// Time fields are BCD (week day 1..7); 0xFF means any.
struct timer_entry_class {
    static constexpr u8 Any = 0xFF;

    u16 event = 0xFFFF;  // the timer's event code (0x800 + row) once in use; 0xFFFF free
    u8 year = Any;       // BCD of year - 2000
    u8 month = Any;
    u8 day = Any;
    u8 weekDay = Any;    // 1 = Monday .. 7 = Sunday
    u8 hour = Any;
    u8 minute = Any;

    // All six time bytes 0xFF and no event below 0x800.
    bool isEmpty() const
    {
        return year == Any && month == Any && day == Any && weekDay == Any && hour == Any && minute == Any
            && event >= 0x800;
    }
    void reset() { *this = timer_entry_class(); }
};
static_assert(sizeof(timer_entry_class) == 8, "timer_entry_class mirrors an 8-byte image row");
