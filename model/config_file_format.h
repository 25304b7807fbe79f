#pragma once

#include "model/image_layout.h"
#include "model/types.h"

#include <QtGlobal>

// The configuration file: a text header, then the compressed configuration image. The
// current format follows it with an info block, padding and the XML project description;
// the old format keeps a few description groups as 100-byte blocks inside the compressed
// data and ends with a CRC. Every CRC is qChecksum's ISO 3309 CRC, stored little-endian.
namespace config_file_format {

// Magics at the very start of the file. The oldest format is only recognised, to refuse it.
constexpr char CurrentMagic[] = "Kd620v3CFG";
constexpr char OldMagic[] = "Kd620v2CFG";
constexpr char OldestMagic[] = "Kd620CFG";

// The header text is filled with this byte up to one short of a multiple of 16 and
// closed by a NUL; the reader finds the info block behind the run of fill bytes.
constexpr char HeaderFill = 0x1A;
constexpr int HeaderAlignment = 16;

// Current format: the info block behind the header, the compressed image behind it, the
// XML text at the next multiple of 16.
constexpr int InfoBlockSize = 16;
constexpr int XmlAlignment = 16;

// Compression level of both formats: the highest.
constexpr int CompressionLevel = 9;
// A compressed block starts with the uncompressed length, big-endian.
constexpr int CompressedLengthSize = 4;

// Old format: the uncompressed data holds the image and then 100-byte description blocks.
constexpr u32 DescriptionBlockSize = 100;
constexpr u32 OldSceneBlocks = image_layout::ImageSize;                                             // 3072 scenes
constexpr u32 OldProgramBlocks = OldSceneBlocks + DescriptionBlockSize * image_layout::SceneCount;  // 512 programs
constexpr u32 OldSequenceBlocks = OldProgramBlocks + DescriptionBlockSize * image_layout::ProgramCount;  // 128 sequence starts
constexpr u32 OldMaskBlocks = OldSequenceBlocks + DescriptionBlockSize * image_layout::SequenceCount;    // 256 masks
constexpr u32 OldDataSize = OldMaskBlocks + DescriptionBlockSize * image_layout::MaskCount;
static_assert(OldProgramBlocks == 0x24B000 && OldSequenceBlocks == 0x257800 && OldMaskBlocks == 0x25AA00
              && OldDataSize == 0x260E00);
constexpr int CrcSize = 2;

// Uncompressed sizes an old-format file may have: older versions of the format stopped
// after fewer description groups.
constexpr u32 OldAcceptedSizes[] = {image_layout::ImageSize, OldSequenceBlocks, OldMaskBlocks, OldDataSize};

// The reader takes at most this many bytes of the binary part in one read (the XML text
// that follows in the current format is read from the file itself).
constexpr qint64 ReadLimit = 0x260F00;

} // namespace config_file_format
