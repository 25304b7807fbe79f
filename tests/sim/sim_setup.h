#pragma once

#include "model/types.h"

// The 8-byte setup packet of a control transfer, as it crosses the wire (wValue, wIndex
// and wLength little-endian).
struct sim_setup {
    u8 bytes[8] = {};

    static sim_setup make(u8 requestType, u8 request, u16 wValue, u16 wIndex, u16 wLength);

    u8 requestType() const { return bytes[0]; }
    u8 request() const { return bytes[1]; }
    u16 wValue() const { return u16(bytes[2] | (bytes[3] << 8)); }
    u16 wIndex() const { return u16(bytes[4] | (bytes[5] << 8)); }
    u16 wLength() const { return u16(bytes[6] | (bytes[7] << 8)); }
    bool isIn() const { return (bytes[0] & 0x80) != 0; }
    bool isVendor() const { return (bytes[0] & 0x60) == 0x40; }

    // The numbers as the controller reads them: high byte first.
    int value() const { return (bytes[2] << 8) | bytes[3]; }
    int index() const { return (bytes[4] << 8) | bytes[5]; }
};
