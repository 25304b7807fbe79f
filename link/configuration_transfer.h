#pragma once

#include "model/image_layout.h"
#include "model/types.h"

// How the whole configuration travels between the image and the controller's
// configuration memory: the send writes offsets 0x2000..0x1FFFFF in 38 blocks, the read
// fetches 0x0000..0x5FFF and 0x10000..0x1FFFFF in 34. Offsets 0x6000..0xFFFF are sent but
// never read back.
namespace configuration_transfer {

// Configuration data frames (both ways) carry this command byte.
constexpr u8 FrameCommand = 0x14;

constexpr u32 SmallBlockSize = 0x2000;       // 8 KB
constexpr u32 LargeBlockSize = 0x10000;      // 64 KB
constexpr u32 LargeBlocksFrom = 0x10000;     // offsets from here on travel in 64 KB blocks

// The send: 7 blocks of 8 KB from 0x2000, then 31 of 64 KB; sub-command = block number.
constexpr u32 SendFrom = 0x2000;
constexpr u32 SendBytes = image_layout::ImageSize - SendFrom;
constexpr int SendBlockCount = 38;

// The read: 3 blocks of 8 KB from offset 0 (read as blocks 0..2), then 31 of 64 KB from
// 0x10000 (read as blocks 8..38). The requests carry the first offset / 256.
constexpr int ReadSmallCount = 3;
constexpr u32 ReadSmallFrom = 0;
constexpr int ReadSmallFirstBlock = 0;
constexpr int ReadLargeCount = 31;
constexpr u32 ReadLargeFrom = 0x10000;
constexpr int ReadLargeFirstBlock = 8;
constexpr u32 ReadOffsetUnit = 256;

// The size of the send's block at this offset, no more than what remains.
constexpr u32 sendBlockSize(u32 offset, u32 remaining)
{
    const u32 size = offset < LargeBlocksFrom ? SmallBlockSize : LargeBlockSize;
    return size < remaining ? size : remaining;
}

} // namespace configuration_transfer
