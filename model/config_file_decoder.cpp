#include "model/config_file_decoder.h"

#include "model/config_file_format.h"
#include "model/config_file_info_block.h"
#include "model/image_access.h"
#include "model/iso3309_crc.h"

#include <zlib.h>

#include <algorithm>
#include <iterator>

using namespace config_file_format;

namespace {

bool startsWith(const QByteArray &bytes, const char *magic)
{
    return bytes.startsWith(magic);
}

u32 bigEndianU32(const char *p)
{
    const auto *b = reinterpret_cast<const u8 *>(p);
    return (u32(b[0]) << 24) | (u32(b[1]) << 16) | (u32(b[2]) << 8) | u32(b[3]);
}

// Inflates a compressed block (a big-endian length, then a zlib stream, as qCompress
// writes it) into exactly `expected` bytes. The output never grows beyond that: a stream
// that would yield more (a crafted file can expand a thousandfold) fails, as does one that
// yields less or does not decompress. An empty array on failure.
QByteArray inflateExactly(const char *block, qint64 length, u32 expected)
{
    QByteArray out(qsizetype(expected), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(block + CompressedLengthSize));
    stream.avail_in = uInt(length - CompressedLengthSize);
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(expected);
    const int result = inflate(&stream, Z_FINISH);
    const uLong produced = stream.total_out;
    inflateEnd(&stream);
    if (result != Z_STREAM_END || produced != expected)
        return {};
    return out;
}

// Uncompresses a block whose leading length is one of the accepted sizes and whose
// stream yields exactly that many bytes; an empty array otherwise.
template <std::size_t N>
QByteArray uncompressExactly(const char *block, qint64 length, const u32 (&acceptedSizes)[N])
{
    if (length <= CompressedLengthSize)
        return {};
    const u32 expected = bigEndianU32(block);
    if (std::find(std::begin(acceptedSizes), std::end(acceptedSizes), expected) == std::end(acceptedSizes))
        return {};
    return inflateExactly(block, length, expected);
}

config_file_contents corrupted()
{
    return {};
}

config_file_contents withStatus(config_file_status status)
{
    config_file_contents contents;
    contents.status = status;
    return contents;
}

} // namespace

u16 config_file_decoder::crc(const char *data, qint64 length)
{
    return iso3309Crc(data, length);
}

qint64 config_file_decoder::infoBlockOffset(const QByteArray &bytes)
{
    // The search covers all but the last byte read, as older readers did.
    const qint64 searched = bytes.size() - 1;
    qint64 i = 0;
    while (i < searched && bytes.at(i) != HeaderFill)
        ++i;
    if (i >= searched)
        return -1;
    while (i < bytes.size() && bytes.at(i) == HeaderFill)
        ++i;
    return i + 1;  // the header's NUL
}

qint64 config_file_decoder::oldDataOffset(const QByteArray &bytes)
{
    const qint64 crcOffset = bytes.size() - CrcSize;
    const qint64 nul = bytes.indexOf('\0');
    if (nul < 0 || nul >= crcOffset)
        return -1;
    return nul + 1;
}

config_file_contents config_file_decoder::decode(const QByteArray &bytes, qint64 fileSize)
{
    if (bytes.size() < CrcSize)
        return corrupted();
    if (startsWith(bytes, CurrentMagic))
        return decodeCurrent(bytes, fileSize);
    if (startsWith(bytes, OldMagic))
        return decodeOld(bytes);
    if (startsWith(bytes, OldestMagic))
        return withStatus(config_file_status::OldestFormat);
    return corrupted();
}

config_file_contents config_file_decoder::decodeCurrent(const QByteArray &bytes, qint64 fileSize)
{
    const qint64 fillEnd = infoBlockOffset(bytes);
    // Without any fill byte the search ends two bytes before the end of what was read;
    // that offset, like every info block offset, must be a multiple of 16.
    const qint64 infoOffset = fillEnd < 0 ? bytes.size() - CrcSize : fillEnd;
    if (infoOffset % HeaderAlignment != 0)
        return withStatus(config_file_status::MisplacedInfoBlock);
    if (fillEnd < 0 || infoOffset + InfoBlockSize > bytes.size())
        return corrupted();

    const config_file_info_block info =
        config_file_info_block::read(reinterpret_cast<const u8 *>(bytes.constData()) + infoOffset);
    const qint64 dataEnd = qint64(info.dataOffset) + qint64(info.dataLength);
    if (dataEnd > bytes.size() || qint64(info.xmlOffset) > fileSize)
        return corrupted();
    const char *block = bytes.constData() + info.dataOffset;
    if (crc(block, info.dataLength) != info.crc)
        return corrupted();

    const u32 imageSize[] = {image_layout::ImageSize};
    config_file_contents contents;
    contents.data = uncompressExactly(block, info.dataLength, imageSize);
    if (contents.data.isEmpty())
        return corrupted();
    contents.status = config_file_status::Ok;
    contents.xmlOffset = info.xmlOffset;
    return contents;
}

config_file_contents config_file_decoder::decodeOld(const QByteArray &bytes)
{
    const qint64 crcOffset = bytes.size() - CrcSize;
    const u16 stored = readU16(reinterpret_cast<const u8 *>(bytes.constData()), u32(crcOffset));
    if (crc(bytes.constData(), crcOffset) != stored)
        return corrupted();
    const qint64 dataOffset = oldDataOffset(bytes);
    if (dataOffset < 0)
        return corrupted();

    config_file_contents contents;
    contents.data = uncompressExactly(bytes.constData() + dataOffset, crcOffset - dataOffset, OldAcceptedSizes);
    if (contents.data.isEmpty())
        return corrupted();
    contents.status = config_file_status::Ok;
    contents.oldFormat = true;
    return contents;
}
