#pragma once

#include "model/image_layout.h"
#include "model/types.h"

// An extra entry: a program at the top of the range that enters an existing program at a
// later step. A source that is no program is a hole that enters nothing; holes are made
// with source and start 0xFFFF.
struct extra_entry_class {
    static constexpr u16 Hole = 0xFFFF;

    u16 source = Hole;     // the program entered
    u16 start = Hole;      // the step it is entered at
    u16 asProgram = 0;     // the program number the entry occupies

    bool isHole() const { return source >= image_layout::ProgramCount; }
    // True when the controller can play the entry: its source is one of the ordinary
    // programs (below ordinaryCount) and holds sourceSteps steps, and the entry starts after
    // the source's first step and before its end. Anything else enters nothing.
    bool isPlayable(u32 ordinaryCount, int sourceSteps) const
    {
        return source < ordinaryCount && start >= 1 && int(start) < sourceSteps;
    }
};
