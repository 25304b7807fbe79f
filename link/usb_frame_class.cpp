#include "link/usb_frame_class.h"

#include "model/image_access.h"

#include <cstring>

usb_frame_class::usb_frame_class()
    : buffer(new u8[FRAME_BUFFER_SIZE]())
{
}

usb_frame_class::~usb_frame_class()
{
    delete[] buffer;
}

u32 usb_frame_class::headerWord() const
{
    return (command & 0xFF) | (u32(sub) << 8) | (u32(length) << 16);
}

u32 usb_frame_class::computeChecksum() const
{
    u32 sum = headerWord() + address;
    for (int i = 0; i < wordCount(); ++i)
        sum += readU32(data, u32(4 * i));
    return 0u - sum;
}

void usb_frame_class::setChecksum()
{
    checksum = computeChecksum();
}

u32 usb_frame_class::verifyChecksum() const
{
    return checksum - computeChecksum();
}

void usb_frame_class::rewind()
{
    data = buffer;
}

u8 *usb_frame_class::serialize(int &totalLength)
{
    writeU32(buffer, 0, headerWord());
    writeU32(buffer, 4, address);
    const int dataBytes = 4 * wordCount();
    if (data != buffer + HEADER_SIZE)
        std::memmove(buffer + HEADER_SIZE, data, size_t(dataBytes));
    setChecksum();
    writeU32(buffer, u32(HEADER_SIZE + dataBytes), checksum);
    totalLength = HEADER_SIZE + dataBytes + 4;
    return buffer;
}

u32 usb_frame_class::parse()
{
    command = buffer[0];
    sub = buffer[1];
    length = readU16(buffer, 2);
    address = readU32(buffer, 4);
    data = buffer + HEADER_SIZE;
    // L is at most 65535, so the checksum at 9 + L always lies inside the buffer.
    checksum = readU32(buffer, u32(9 + length));
    return verifyChecksum();
}
