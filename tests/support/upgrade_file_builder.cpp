#include "tests/support/upgrade_file_builder.h"

#include "link/upgrade_file.h"
#include "model/image_access.h"
#include "tests/support/config_file_builder.h"

#include <utility>

namespace {

constexpr int GroupSize = 16;
constexpr int HalfGroup = 8;

void alignTo16(QByteArray &bytes)
{
    bytes.append((GroupSize - bytes.size() % GroupSize) % GroupSize, '\0');
}

} // namespace

void upgrade_file_builder::setBlock(int index, const QByteArray &plain)
{
    setStoredBlock(index, scramble(plain));
}

void upgrade_file_builder::setStoredBlock(int index, const QByteArray &stored)
{
    blocks[size_t(index)] = block_spec{stored, false};
}

void upgrade_file_builder::removeBlock(int index)
{
    blocks[size_t(index)].reset();
}

void upgrade_file_builder::spoilChecksum(int index)
{
    blocks[size_t(index)]->spoiled = true;
}

void upgrade_file_builder::overrideEntry(int index, u32 offset, u16 lengthField)
{
    overrides[size_t(index)] = entry_override{offset, lengthField};
}

int upgrade_file_builder::tableOffset() const
{
    return upgrade_file::HeaderTextStart + int(headerText.size()) + 1 + markRunLength;
}

QByteArray upgrade_file_builder::scramble(const QByteArray &plain)
{
    QByteArray groups = plain;
    groups.append((GroupSize - groups.size() % GroupSize) % GroupSize, char(0xFF));
    for (int g = 0; g < groups.size(); g += GroupSize) {
        for (int k = 0; k < HalfGroup; ++k)
            std::swap(groups[g + k], groups[g + k + HalfGroup]);
    }
    for (int j = 0; j < groups.size(); ++j)
        groups[j] = char(groups[j] ^ upgrade_file::ScrambleKey[j % upgrade_file::KeySize]);
    return groups.left(plain.size());
}

QByteArray upgrade_file_builder::flashImage(int index, const QByteArray &plain)
{
    const int size = upgrade_file::blockSize(index);
    QByteArray image = plain.left(size);
    image.append(size - image.size(), char(0xFF));
    return image;
}

QByteArray upgrade_file_builder::pattern(int index, int length)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + (i >> 8) * 13 + index * 31 + 5) & 0xFF);
    return bytes;
}

QByteArray upgrade_file_builder::bytes() const
{
    QByteArray file(upgrade_file::Magic, upgrade_file::MagicSize);
    file.append('\0');
    file.append(headerText);
    file.append('\0');
    file.append(markRunLength, upgrade_file::TableMark);
    const int table = int(file.size());
    file.append(upgrade_file::BlockCount * upgrade_file::EntrySize, char(0xFF));
    if (file.size() < upgrade_file::HeaderSize)
        file.append(upgrade_file::HeaderSize - file.size(), '\0');
    alignTo16(file);

    for (int i = 0; i < upgrade_file::BlockCount; ++i) {
        u8 *entry = reinterpret_cast<u8 *>(file.data()) + table + i * upgrade_file::EntrySize;
        if (const auto &block = blocks[size_t(i)]) {
            const QByteArray &stored = block->stored;
            const u16 checksum = qChecksum(stored, Qt::ChecksumIso3309);
            writeU32(entry, 0, u32(file.size()));
            writeU16(entry, 4, u16(stored.size() - 1));
            writeU16(entry, 6, u16(block->spoiled ? checksum ^ 0x0100 : checksum));
            file.append(stored);
            alignTo16(file);
            entry = reinterpret_cast<u8 *>(file.data()) + table + i * upgrade_file::EntrySize;
        }
        if (const auto &o = overrides[size_t(i)]) {
            writeU32(entry, 0, o->offset);
            writeU16(entry, 4, o->lengthField);
        }
    }
    return file;
}

bool upgrade_file_builder::write(const QString &path) const
{
    return writeFileBytes(path, bytes());
}
