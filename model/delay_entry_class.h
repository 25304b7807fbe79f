#pragma once

#include "model/types.h"

// One delay of the delay table: bits 0-19 the time in tenths of a second (0xFFFFF unset,
// at most 863999), bits 20-31 the sequence that owns it as a step (0xFFF none).
class delay_entry_class
{
public:
    static constexpr u32 Free = 0xFFFFFFFF;
    static constexpr u32 TimeMask = 0xFFFFF;
    static constexpr u32 UnsetTime = 0xFFFFF;
    static constexpr u32 MaxTime = 863999;
    // A whole day: the longest time a delay shows as a time; the editors write at most MaxTime.
    static constexpr u32 WholeDay = 864000;
    static constexpr u32 NoSequence = 0xFFF;

    delay_entry_class() = default;
    explicit delay_entry_class(u32 word) : word(word) {}
    delay_entry_class(u32 tenths, u32 sequence) : word((tenths & TimeMask) | ((sequence & 0xFFF) << 20)) {}

    u32 time() const { return word & TimeMask; }
    // Whether the delay holds a time: one a user gave it, or a sequence's step time.
    bool hasTime() const { return time() != UnsetTime; }
    u32 sequence() const { return word >> 20; }
    bool isFree() const { return word == Free; }
    bool isOwnedBy(u32 seq) const { return sequence() == seq; }

    void setTime(u32 tenths) { word = (word & ~TimeMask) | (tenths & TimeMask); }
    void setSequence(u32 seq) { word = (word & TimeMask) | ((seq & 0xFFF) << 20); }

    u32 word = Free;
};
