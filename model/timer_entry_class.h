#pragma once

#include "model/image_access.h"
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

    static timer_entry_class read(const u8 *image, u32 offset)
    {
        const u8 *p = image + offset;
        return {readU16(p, 0), p[2], p[3], p[4], p[5], p[6], p[7]};
    }
    void write(u8 *image, u32 offset) const
    {
        u8 *p = image + offset;
        writeU16(p, 0, event);
        p[2] = year;
        p[3] = month;
        p[4] = day;
        p[5] = weekDay;
        p[6] = hour;
        p[7] = minute;
    }
    bool operator==(const timer_entry_class &o) const
    {
        return event == o.event && year == o.year && month == o.month && day == o.day && weekDay == o.weekDay
            && hour == o.hour && minute == o.minute;
    }
    bool operator!=(const timer_entry_class &o) const { return !(*this == o); }
};
static_assert(sizeof(timer_entry_class) == 8, "timer_entry_class mirrors an 8-byte image row");
