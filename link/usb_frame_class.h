#pragma once

#include "model/types.h"

// The checksummed bulk frame of the controller link, little-endian on the wire:
//   command u8 | sub u8 | L u16 (data bytes - 1) | address u32 | data (L + 1) | checksum u32
// The checksum makes the 32-bit words of the whole frame sum to zero. Configuration
// blocks, live scenes and firmware blocks all travel this way.
class usb_frame_class
{
public:
    // Room for the largest frame, 65536 data bytes plus the overhead.
    static constexpr int FRAME_BUFFER_SIZE = 66000;
    static constexpr int FRAME_OVERHEAD = 12;
    static constexpr int HEADER_SIZE = 8;

    usb_frame_class();
    ~usb_frame_class();

    usb_frame_class(const usb_frame_class &) = delete;
    usb_frame_class &operator=(const usb_frame_class &) = delete;

    // Writes the frame from the members into buffer: returns buffer and sets length to
    // 12 + 4 x ((L + 1) / 4). data must hold that many whole words.
    u8 *serialize(int &totalLength);
    // Reads the members from buffer; the stored checksum minus the computed one, 0 for a
    // good frame.
    u32 parse();

    // The checksum of the members and the (L + 1) / 4 data words.
    u32 computeChecksum() const;
    void setChecksum();
    // checksum - computeChecksum(), 0 for a good frame.
    u32 verifyChecksum() const;
    // data := buffer, the place where a frame is received.
    void rewind();

    u8 *buffer = nullptr;
    u32 command = 0;     // its low byte goes on the wire
    u8 sub = 0;          // sub-command: block counter or index
    u16 length = 0;      // data bytes - 1
    u32 address = 0;     // 0x62000000 + image offset, 0x40000000 + flash address, 0 live
    u8 *data = nullptr;  // caller memory when sending, buffer + 8 after a parse
    u32 checksum = 0;

private:
    int wordCount() const { return (int(length) + 1) / 4; }
    u32 headerWord() const;
};
