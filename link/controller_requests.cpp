// The controller object's requests and status polls, and the reading of one
// configuration frame.
#include "link/configuration_transfer.h"
#include "link/kd620_controller_class.h"
#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"

namespace {

constexpr int StatusReplySize = 8;
constexpr int LastBlock = 38;
constexpr int LastSmallBlock = 7;
constexpr int FireEventAttempts = 10;

} // namespace

bool kd620_controller_class::fireEvent(u16 eventCode)
{
    // The event code travels high byte first, like every number of a request.
    for (int attempt = 0; attempt < FireEventAttempts; ++attempt) {
        if (usbDevice.controlOut(REQ_FIRE_EVENT, 0, u16(swapBytes16(eventCode)), nullptr, 0) >= 0)
            return true;
    }
    return false;
}

int kd620_controller_class::sendRequest(int request, int value, int index)
{
    lastRequest[0] = request;
    lastRequest[1] = value;
    lastRequest[2] = index;
    return usbDevice.controlOut(request, u16(swapBytes16(value)), u16(swapBytes16(index)), nullptr, 0);
}

int kd620_controller_class::controlInRetried(int request, u16 value, u16 index, u8 *data, int length,
                                             int attempts)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const int received = usbDevice.controlIn(request, value, index, data, length);
        if (received > 0)
            return received;
    }
    return -1;
}

bool kd620_controller_class::readStatusWord(u32 &status)
{
    u8 reply[StatusReplySize] = {};
    if (usbDevice.controlIn(REQ_STATUS, 0, 0, reply, StatusReplySize) != StatusReplySize)
        return false;
    status = readU32(reply, 0);
    return true;
}

u32 kd620_controller_class::waitStatusClear(u32 mask, int polls)
{
    for (;;) {
        u32 status = 0;
        if (!readStatusWord(status)) {
            dropConnection();
            return mask;
        }
        if ((status & mask) == 0)
            return 0;
        if (polls > 0)
            wait100ms();
        if (--polls <= 0)
            return status & mask;
    }
}

u32 kd620_controller_class::waitStatusSet(u32 mask, int polls)
{
    for (;;) {
        u32 status = 0;
        if (!readStatusWord(status)) {
            dropConnection();
            return 0;
        }
        if ((status & mask) == mask)
            return mask;
        if (polls > 0)
            wait100ms();
        if (--polls <= 0)
            return status & mask;
    }
}

int kd620_controller_class::readPacket(int block, usb_frame_class &frame)
{
    if (block > LastBlock)
        return -1;
    const int dataBytes = int(block <= LastSmallBlock ? configuration_transfer::SmallBlockSize
                                                      : configuration_transfer::LargeBlockSize);
    const int expected = dataBytes + usb_frame_class::FRAME_OVERHEAD;
    if (waitStatusClear(STATUS_BUSY, 10) != 0) {
        dropConnection();
        return -1;
    }
    frame.rewind();
    if (usbDevice.bulkRead(frame.buffer, expected) < expected) {
        dropConnection();
        return -1;
    }
    // A bad frame fails like a bad checksum: the frame's own length must be the block's
    // (the expected length came, and that is L + 13 bytes only when L + 1 is the block's
    // data size).
    const u32 checksumError = frame.parse();
    if (int(frame.length) + 1 != dataBytes || checksumError != 0)
        return -1;
    return 0;
}
