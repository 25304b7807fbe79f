#include "model/iso3309_crc.h"

#include <array>

namespace {

constexpr u16 ReflectedPolynomial = 0x8408;  // 0x1021 with its bits in reverse order
constexpr int Slices = 8;

using crc_tables = std::array<std::array<u16, 256>, Slices>;

// tables[0][b]: the CRC register after the byte b went into an empty one. tables[k][b]:
// the same followed by k zero bytes, so that eight bytes can go in through one lookup each.
constexpr crc_tables makeTables()
{
    crc_tables tables{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ ReflectedPolynomial : crc >> 1;
        tables[0][byte] = u16(crc);
    }
    for (int k = 1; k < Slices; ++k) {
        for (unsigned byte = 0; byte < 256; ++byte) {
            const u16 previous = tables[k - 1][byte];
            tables[k][byte] = u16((previous >> 8) ^ tables[0][previous & 0xFF]);
        }
    }
    return tables;
}

constexpr crc_tables Tables = makeTables();

} // namespace

u16 iso3309Crc(const char *data, qint64 length)
{
    const auto *p = reinterpret_cast<const u8 *>(data);
    unsigned crc = 0xFFFF;
    for (; length >= Slices; length -= Slices, p += Slices) {
        // The register is two bytes wide: it meets the first two bytes of the eight.
        crc ^= unsigned(p[0]) | (unsigned(p[1]) << 8);
        crc = Tables[7][crc & 0xFF] ^ Tables[6][crc >> 8] ^ Tables[5][p[2]] ^ Tables[4][p[3]] ^ Tables[3][p[4]]
            ^ Tables[2][p[5]] ^ Tables[1][p[6]] ^ Tables[0][p[7]];
    }
    for (; length > 0; --length, ++p)
        crc = (crc >> 8) ^ Tables[0][(crc ^ *p) & 0xFF];
    return u16(~crc & 0xFFFF);
}
