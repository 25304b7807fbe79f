#pragma once

#include "model/types.h"

// The controller's side of the USB link: identity, endpoints, the vendor request table,
// the status bits and the working modes. Numbers that travel in wValue and wIndex go high
// byte first (swapBytes16), except where a request says otherwise.

namespace usb_link {

constexpr u16 VendorId = 0x16C0;
// The search accepts both product ids, whatever product id the device object was given.
constexpr u16 ProductIdOlder = 0x05D2;
constexpr u16 ProductId = 0x05D5;

constexpr int Configuration = 1;
constexpr int Interface = 0;
constexpr u8 BulkOutEndpoint = 0x02;
constexpr u8 BulkInEndpoint = 0x81;
constexpr unsigned TransferTimeoutMs = 15000;

// bmRequestType of our control transfers: vendor, device recipient, out or in.
constexpr u8 VendorOut = 0x40;
constexpr u8 VendorIn = 0xC0;
constexpr int ControlDataMax = 64;

// Replies to REQ_MODEL_CODE. An older-model device is only taken while it runs its loader.
constexpr int ModelOlder = 0x5A;
constexpr int ModelCurrent = 0x5F;

// The serial number is a string descriptor of 13 UTF-16LE characters, read into a 30-byte
// buffer. The search reads it at the device descriptor's iSerialNumber; the re-read of an
// open device at this fixed index.
constexpr u8 StringDescriptorType = 3;
constexpr u8 SerialStringIndex = 0x2A;
constexpr int SerialBufferSize = 30;
constexpr int SerialLength = 13;

} // namespace usb_link

// The serial number under which a controller presents itself while its firmware loader runs.
inline constexpr char LOADER_SERIAL[] = "005A0000-0000";

// Vendor requests (bRequest).
enum usb_request : u8 {
    REQ_RESTART = 0x01,              // out; restart (before an upgrade: into the loader)
    REQ_STATUS = 0x03,               // in, 8 bytes: controller_status in the first u32
    REQ_FREEZE = 0x04,               // out
    REQ_UNFREEZE = 0x05,             // out
    REQ_FIRE_EVENT = 0x06,           // out, wIndex event code
    REQ_READ_CLOCK = 0x07,           // in, 8 bytes
    REQ_SET_CLOCK = 0x08,            // out, 8 bytes
    REQ_FIRMWARE_VERSION = 0x09,     // in, 4 bytes: i8 major, i8 minor, i16 build
    REQ_SET_MODE = 0x0A,             // out, wValue mode 1, 3 or 4
    REQ_LIVE_CHANNEL = 0x0B,         // out, wValue level, wIndex channel
    REQ_READ_BLOCKS_8K = 0x0F,       // out, wValue block count, wIndex image offset / 256
    REQ_READ_BLOCKS_64K = 0x10,      // out, the same with 64 KB frames
    REQ_LIVE_SCENE = 0x11,           // out, wValue 1 not swapped; one frame follows
    REQ_WRITE_BLOCK = 0x14,          // out, wValue 1; one configuration frame follows
    REQ_FIRMWARE_UPGRADE = 0x15,     // out, wValue block count, wIndex 0x80
    REQ_FIRMWARE_READ_BLOCK = 0x16,  // out, wValue 1, wIndex flash address / 256
    REQ_STATE_FLAG = 0x18,           // in, 2 bytes: byte 0 the state flag
    REQ_RCU = 0x19,                  // in, 4 bytes; wIndex sub-command
    REQ_CLOCK_CALIBRATION = 0x1A,    // out, wValue calibration code
    REQ_MONITOR = 0x1B,              // in or out by command
    REQ_READ_DMX_OUTPUT = 0x1C,      // out
    REQ_MODEL_CODE = 0xFF,           // in, 2 bytes
};

// Bits of the first u32 of the REQ_STATUS reply.
enum controller_status : u32 {
    STATUS_FROZEN = 0x20,
    STATUS_LOADER = 0x100,          // the loader runs, or a restart is still pending
    STATUS_CONFIGURATION = 0x200,
    STATUS_LIVE = 0x400,
    STATUS_MODE_BITS = 0x1F00,      // all clear: normal mode
    STATUS_READY = 0x20000,         // ready to take the announced frame
    STATUS_BUSY = 0x40000,
    STATUS_DONE = 0x80000,          // frame done, or the requested data is ready
    STATUS_FAILED = 0x100000,
};

// The controller's working mode as the controller object records it. 1, 3 and 4 are
// entered with REQ_SET_MODE; the loader is only recorded.
enum controller_mode : int {
    MODE_NONE = 0,
    MODE_NORMAL = 1,
    MODE_CONFIGURATION = 3,
    MODE_LIVE = 4,
    MODE_LOADER = 6,
};

// The two low bytes exchanged, upper half zero: numbers go into wValue and wIndex this way.
inline int swapBytes16(int value)
{
    return ((value & 0xFF) << 8) | ((value >> 8) & 0xFF);
}

// All four bytes reversed.
inline int swapBytes32(int value)
{
    const u32 v = u32(value);
    return int((v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24));
}

// Blocks the calling thread 100 ms without processing events (through appClock()).
void wait100ms();

// One debug message per byte, as a signed decimal number followed by a blank.
void debugDumpBytes(const u8 *bytes, int count);
