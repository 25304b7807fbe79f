#include "link/upgrade_file.h"

#include "model/image_access.h"

#include <QByteArrayView>
#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <limits>

const u8 upgrade_file::ScrambleKey[KeySize] = {
    0x7b, 0x1f, 0x4c, 0x09, 0xa2, 0xe6, 0x5d, 0x38, 0xc0, 0x91, 0x4f, 0xb7, 0xe3, 0x26, 0x5a, 0x1d,
    0x8f, 0x02, 0xc6, 0x7b, 0xe4, 0x9a, 0x13, 0x05, 0xd7, 0x3c, 0x8e, 0x6f, 0x21, 0xb5, 0x94, 0x0a,
    0xe6, 0xd2, 0x08, 0x3c, 0xf1, 0x7a, 0x4b, 0x95, 0xc2, 0xe8, 0x10, 0x6d, 0x3f, 0x97, 0xa4, 0x5b,
    0x0c, 0x6d, 0xe2, 0x1f, 0x8a, 0x39, 0x75, 0xc4, 0xd1, 0x0b, 0x6e, 0x2f, 0x83, 0xa5, 0xc7, 0x19,
};

namespace {

struct block_target {
    u32 flashAddress;
    int size;
};

constexpr block_target Targets[upgrade_file::BlockCount] = {
    {0x8000, 0x8000}, {0x10000, 0x10000}, {0x20000, 0x10000}, {0x30000, 0x10000}, {0xC0000, 0x4000},
};

constexpr int GroupSize = 16;
constexpr int HalfGroup = 8;

// One decimal number the way sscanf's %d reads it: blanks, an optional sign, digits. A
// number out of range saturates, as the C library's conversion does; the caller keeps the
// low bits.
bool readDecimal(const char *&p, const char *end, long long &value)
{
    constexpr long long Largest = std::numeric_limits<long long>::max();
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    if (p == end || *p < '0' || *p > '9')
        return false;
    value = 0;
    bool saturated = false;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) {
        saturated = saturated || value > (Largest - (*p - '0')) / 10;
        value = saturated ? Largest : value * 10 + (*p - '0');
    }
    if (negative)
        value = saturated ? std::numeric_limits<long long>::min() : -value;
    return true;
}

// major.minor.build as "%d.%d.%d" reads it; false unless all three numbers are there.
bool readVersionNumbers(const char *p, const char *end, long long numbers[3])
{
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && (p == end || *p++ != '.'))
            return false;
        if (!readDecimal(p, end, numbers[i]))
            return false;
    }
    return true;
}

} // namespace

u32 upgrade_file::flashAddress(int index)
{
    return Targets[index].flashAddress;
}

int upgrade_file::blockSize(int index)
{
    return Targets[index].size;
}

long long upgrade_file::versionNumber(const firmware_version &v)
{
    return v.major * 1000000LL + v.minor * 10000LL + v.build;
}

int upgrade_file::presentBlocks() const
{
    return int(std::count_if(entries.begin(), entries.end(), [](const upgrade_block_entry &e) { return e.present(); }));
}

upgrade_file::header_status upgrade_file::readHeader(QIODevice &file)
{
    version.reset();
    entries.fill(upgrade_block_entry());
    u8 header[HeaderSize];
    if (file.read(reinterpret_cast<char *>(header), HeaderSize) != HeaderSize)
        return header_status::TooShort;
    if (std::memcmp(header, Magic, MagicSize) != 0)
        return header_status::NotUpgradeFile;
    readVersion(header);
    if (!readTable(header, file.size())) {
        version.reset();
        entries.fill(upgrade_block_entry());
        return header_status::NotUpgradeFile;
    }
    return header_status::Ok;
}

void upgrade_file::readVersion(const u8 *header)
{
    // The header text runs from offset 11 to its first NUL byte (or the end of the header).
    const char *text = reinterpret_cast<const char *>(header) + HeaderTextStart;
    const char *headerEnd = reinterpret_cast<const char *>(header) + HeaderSize;
    const char *end = std::find(text, headerEnd, '\0');
    const char *mark = std::search(text, end, "v_", "v_" + 2);
    // A version right at the start of the text has never been checked; files rely on that.
    if (mark == end || mark == text)
        return;
    long long numbers[3];
    // A version that does not read as three numbers cannot be compared: no check.
    if (!readVersionNumbers(mark + 2, end, numbers))
        return;
    firmware_version v;
    v.major = i8(u8(static_cast<unsigned long long>(numbers[0])));
    v.minor = i8(u8(static_cast<unsigned long long>(numbers[1])));
    v.build = i16(u16(static_cast<unsigned long long>(numbers[2])));
    version = v;
}

bool upgrade_file::readTable(const u8 *header, long long fileSize)
{
    // The table follows the first run of 0x1A bytes after the magic; run and table must lie
    // inside the header, or the table would be made of bytes never read.
    const u8 *end = header + HeaderSize;
    const u8 *run = std::find(header + HeaderTextStart, end, u8(TableMark));
    const u8 *table = std::find_if(run, end, [](u8 b) { return b != u8(TableMark); });
    if (run == end || end - table < BlockCount * EntrySize)
        return false;
    for (int i = 0; i < BlockCount; ++i) {
        const u32 at = u32(table - header) + u32(i * EntrySize);
        upgrade_block_entry &e = entries[size_t(i)];
        e.offset = readU32(header, at);
        e.lengthField = readU16(header, at + 4);
        e.checksum = readU16(header, at + 6);
        if (e.present() && (long long)e.offset + e.storedLength() > fileSize)
            return false;
    }
    return true;
}

upgrade_file::block_status upgrade_file::prepareBlock(QIODevice &file, int index, u8 *buffer) const
{
    const upgrade_block_entry &e = entries[size_t(index)];
    const int stored = e.storedLength();
    if (!file.seek(e.offset) || file.pos() != qint64(e.offset))
        return block_status::SeekFailed;
    if (file.read(reinterpret_cast<char *>(buffer), stored) != stored)
        return block_status::ReadFailed;
    if (qChecksum(QByteArrayView(buffer, stored), Qt::ChecksumIso3309) != e.checksum)
        return block_status::ChecksumWrong;

    // The last group of a stored length that is no multiple of 16 is exchanged together
    // with the fill behind the data.
    std::fill(buffer + stored, buffer + BufferSize, u8(0xFF));
    for (int j = 0; j < stored; ++j)
        buffer[j] ^= ScrambleKey[j % KeySize];
    for (int group = 0; group < stored; group += GroupSize)
        std::swap_ranges(buffer + group, buffer + group + HalfGroup, buffer + group + HalfGroup);
    // Pad to the block size; a longer stored block is cut to it by its user.
    std::fill(buffer + std::min(stored, blockSize(index)), buffer + blockSize(index), u8(0xFF));
    return block_status::Ok;
}
