#include "model/config_file_info_block.h"

#include "model/image_access.h"

config_file_info_block config_file_info_block::read(const u8 *bytes)
{
    config_file_info_block block;
    block.dataOffset = readU16(bytes, 0);
    block.crc = readU16(bytes, 2);
    block.dataLength = readU32(bytes, 4);
    block.xmlOffset = readU32(bytes, 8);
    block.reserved = readU32(bytes, 12);
    return block;
}

void config_file_info_block::write(u8 *bytes) const
{
    writeU16(bytes, 0, dataOffset);
    writeU16(bytes, 2, crc);
    writeU32(bytes, 4, dataLength);
    writeU32(bytes, 8, xmlOffset);
    writeU32(bytes, 12, reserved);
}
