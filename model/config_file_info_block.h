#pragma once

#include "model/types.h"

// The 16 bytes behind the header of a current-format file, little-endian: where the
// compressed image lies, its CRC and length, and where the XML project description
// starts. The last word is reserved (written as 0, read by nobody).
struct config_file_info_block {
    u16 dataOffset = 0;
    u16 crc = 0;
    u32 dataLength = 0;
    u32 xmlOffset = 0;
    u32 reserved = 0;

    static config_file_info_block read(const u8 *bytes);
    void write(u8 *bytes) const;
};
