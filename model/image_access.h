#pragma once

#include "model/types.h"

// Little-endian reads and writes at an offset of the configuration image (or any buffer).
inline u16 readU16(const u8 *data, u32 offset)
{
    return u16(data[offset] | (data[offset + 1] << 8));
}

inline u32 readU32(const u8 *data, u32 offset)
{
    return u32(data[offset]) | (u32(data[offset + 1]) << 8) | (u32(data[offset + 2]) << 16)
        | (u32(data[offset + 3]) << 24);
}

inline i32 readI32(const u8 *data, u32 offset)
{
    return i32(readU32(data, offset));
}

inline void writeU16(u8 *data, u32 offset, u16 value)
{
    data[offset] = u8(value);
    data[offset + 1] = u8(value >> 8);
}

inline void writeU32(u8 *data, u32 offset, u32 value)
{
    data[offset] = u8(value);
    data[offset + 1] = u8(value >> 8);
    data[offset + 2] = u8(value >> 16);
    data[offset + 3] = u8(value >> 24);
}

inline void writeI32(u8 *data, u32 offset, i32 value)
{
    writeU32(data, offset, u32(value));
}
