#pragma once

#include "model/image_access.h"
#include "model/types.h"

// Times of a scene or a mask, 8 bytes in the image, all in tenths of a second.
struct scene_times_record {
    static constexpr u16 Infinite = 0xFFFF;

    u16 fadeUp = 0;
    u16 duration = Infinite;
    u16 fadeDown = 0;
    u16 reserved = 0;  // written by the scene clear, read by nobody

    bool isInfinite() const { return duration == Infinite; }

    static scene_times_record read(const u8 *image, u32 offset)
    {
        return {readU16(image, offset), readU16(image, offset + 2), readU16(image, offset + 4),
                readU16(image, offset + 6)};
    }
    void write(u8 *image, u32 offset) const
    {
        writeU16(image, offset, fadeUp);
        writeU16(image, offset + 2, duration);
        writeU16(image, offset + 4, fadeDown);
        writeU16(image, offset + 6, reserved);
    }
};
