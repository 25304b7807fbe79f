#pragma once

#include "link/firmware_version.h"
#include "model/types.h"

#include <array>
#include <optional>

class QIODevice;

// One entry of an upgrade file's block table (8 bytes, little-endian).
struct upgrade_block_entry {
    static constexpr u32 Absent = 0xFFFFFFFF;

    u32 offset = Absent;  // file offset of the stored block; Absent: no block for this index
    u16 lengthField = 0;  // stored length - 1
    u16 checksum = 0;     // qChecksum (ISO 3309) of the stored, still scrambled bytes

    bool present() const { return offset != Absent; }
    int storedLength() const { return int(lengthField) + 1; }
};

// A firmware upgrade file (".upg"): the magic "Kd625SEUPG", one byte, a header text that
// may name the version ("v_3.0.12"), a run of 0x1A bytes, the table of five blocks, all
// within the first 400 bytes; the blocks themselves lie anywhere in the file. Each stored
// block is scrambled: XORed with a 64-byte key over the halves-exchanged 16-byte groups of
// the flash data. Blocks go to fixed places of the controller's flash by table index.
class upgrade_file
{
public:
    static constexpr char Magic[] = "Kd625SEUPG";
    static constexpr int MagicSize = 10;
    static constexpr int HeaderTextStart = 11;
    static constexpr int HeaderSize = 400;
    static constexpr int BlockCount = 5;
    static constexpr int EntrySize = 8;
    static constexpr char TableMark = 0x1A;
    // Room for the largest stored block and the largest flash block.
    static constexpr int BufferSize = 0x10000;
    // Firmware frames carry this plus the flash address.
    static constexpr u32 FlashFrameBase = 0x40000000;
    static constexpr int KeySize = 64;
    static const u8 ScrambleKey[KeySize];

    // Where block `index` (0..4) goes in the flash, and how many bytes it fills there.
    static u32 flashAddress(int index);
    static int blockSize(int index);

    enum class header_status {
        Ok,
        TooShort,        // fewer than 400 bytes could be read
        NotUpgradeFile,  // wrong magic, no table inside the first 400 bytes, or a block
                         // that reaches beyond the end of the file
    };
    // Reads and checks the first 400 bytes of the open file, its version and its table.
    header_status readHeader(QIODevice &file);

    enum class block_status { Ok, SeekFailed, ReadFailed, ChecksumWrong };
    // Reads present block `index` into buffer (BufferSize bytes) and turns it into what the
    // flash must hold: checksum checked, unscrambled, padded with 0xFF (or cut) to
    // blockSize(index) bytes.
    block_status prepareBlock(QIODevice &file, int index, u8 *buffer) const;

    // The version named in the header text, if any (numbers stored as the controller's
    // version reply holds them: 8, 8 and 16 bits, signed).
    std::optional<firmware_version> version;
    std::array<upgrade_block_entry, BlockCount> entries;

    int presentBlocks() const;

    // The number versions are compared by: major x 1000000 + minor x 10000 + build.
    static long long versionNumber(const firmware_version &v);

private:
    void readVersion(const u8 *header);
    bool readTable(const u8 *header, long long fileSize);
};
