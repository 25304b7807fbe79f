#pragma once

#include "model/types.h"

#include <QByteArray>

#include <array>
#include <optional>

// Firmware upgrade files (".upg") made from plain firmware bytes the way the maker's tool
// makes them: each block's 16-byte groups get their halves exchanged and are XORed with
// the key, and the table carries the checksum of the stored bytes. Layout: the magic, one
// byte, the header text and its NUL, the run of 0x1A bytes, the table, zeros up to 400
// bytes, then the blocks, each at an offset that is a multiple of 16 (so no table entry
// begins with a 0x1A byte).
class upgrade_file_builder
{
public:
    // From offset 11; empty for none. Its own NUL bytes end the header text early.
    QByteArray headerText = "KD625 firmware v_3.0.12";
    int markRunLength = 3;  // 0x1A bytes before the table

    // The plain flash bytes of block `index`; any length from 1 to 65536 (shorter than
    // the block: padded by the program, longer: cut).
    void setBlock(int index, const QByteArray &plain);
    // Block `index` stored as these bytes, already scrambled.
    void setStoredBlock(int index, const QByteArray &stored);
    void removeBlock(int index);
    // The table gets a wrong checksum for the block.
    void spoilChecksum(int index);
    // The table entry says this instead of where and how long the block is.
    void overrideEntry(int index, u32 offset, u16 lengthField);

    QByteArray bytes() const;
    bool write(const QString &path) const;
    // Where the table starts in bytes().
    int tableOffset() const;

    // The stored (scrambled) form of plain bytes; a last partial group is exchanged as if
    // filled up with 0xFF.
    static QByteArray scramble(const QByteArray &plain);
    // What the controller's flash must hold at block `index` after an upgrade with these
    // plain bytes: the block size, padded with 0xFF or cut.
    static QByteArray flashImage(int index, const QByteArray &plain);
    // Plain bytes of `length` that differ from block to block and from place to place.
    static QByteArray pattern(int index, int length);

private:
    struct block_spec {
        QByteArray stored;
        bool spoiled = false;
    };
    struct entry_override {
        u32 offset;
        u16 lengthField;
    };
    std::array<std::optional<block_spec>, 5> blocks;
    std::array<std::optional<entry_override>, 5> overrides;
};
