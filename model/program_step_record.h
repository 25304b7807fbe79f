#pragma once

#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/types.h"

// One step slot of the image's step table, 8 bytes: scene, fade-up, duration and end word,
// times in tenths of a second.
struct program_step_record {
    // Duration of a step that lasts until something stops it.
    static constexpr u16 InfiniteDuration = 0xFFFF;
    // End word of every step but the last of its program.
    static constexpr u16 MoreStepsFollow = 0xFFFF;
    // End word of the last step of a program that repeats endlessly.
    static constexpr u16 EndlessRepeat = 0xFFFE;
    // The longest fade-down an end word can carry: the two values above it are markers.
    static constexpr u16 LongestFadeDown = 0xFFFD;
    // The longest fade-up: the whole word, which means nothing else there.
    static constexpr u16 LongestFadeUp = 0xFFFF;
    // The longest finite duration: 0xFFFF would read as infinite.
    static constexpr u16 LongestDuration = 0xFFFE;

    u16 scene = 0;
    u16 fadeUp = 0;
    u16 duration = 0;
    u16 endWord = 0;

    static program_step_record read(const u8 *image, u32 slot)
    {
        const u32 at = image_layout::stepRecord(slot);
        return {readU16(image, at), readU16(image, at + 2), readU16(image, at + 4), readU16(image, at + 6)};
    }

    void write(u8 *image, u32 slot) const
    {
        const u32 at = image_layout::stepRecord(slot);
        writeU16(image, at, scene);
        writeU16(image, at + 2, fadeUp);
        writeU16(image, at + 4, duration);
        writeU16(image, at + 6, endWord);
    }
};

// Words of the per-program tables that mean "nothing here".
namespace program_tables {
constexpr u32 NoFirstStep = 0xFFFFFFFF;   // first-step address of a program without steps
constexpr u16 ExtraEntriesOff = 0xFFFF;   // ordinary program count while extra entries are off
constexpr u16 NoChainedEvent = 0xFFFF;
constexpr u16 NoBreakFadeDown = 0xFFFF;   // fade-down time after a break: "Do not use"
} // namespace program_tables
