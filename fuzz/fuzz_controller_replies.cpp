// Bytes from the controller as the whole-configuration read and the clock text take them:
// the clock record, and the 34 frames of a read with their headers (sub-command, length
// field, address), checksums and sizes chosen by the input. The controller answers every
// status poll as ready, so the input alone decides how far the read gets.
//
// Input: 8 bytes of clock record, then per frame 8 bytes: flags, sub-command, length field
// (u16), address (u32), all little-endian. Flags 0x80: the checksum is broken; 0x40: the
// frame arrives cut short by (flags & 0x3F) + 1 bytes. A frame the input does not describe
// is a good one at its proper address. Frame data come from a generator seeded by the
// header, so whole images of varied content reach the rebuild of the stores.
#include "link/kd620_controller_class.h"
#include "link/usb_backend_interface.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "model/image_layout.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int ClockRecordSize = 8;
constexpr int FrameHeaderSize = 8;
constexpr u8 BrokenChecksum = 0x80;
constexpr u8 CutShort = 0x40;

class scripted_controller : public usb_backend_interface
{
public:
    const uint8_t *input = nullptr;
    size_t inputSize = 0;
    int framesServed = 0;
    u32 modeBits = 0;

    QList<usb_device_entry> listDevices() override
    {
        usb_device_entry e;
        e.id = 1;
        e.busNumber = 1;
        e.deviceAddress = 1;
        e.idVendor = usb_link::VendorId;
        e.idProduct = usb_link::ProductId;
        e.iSerialNumber = usb_link::SerialStringIndex;
        return {e};
    }
    int open(const usb_device_entry &, usb_handle *opened) override
    {
        *opened = reinterpret_cast<usb_handle>(&handle);
        return 0;
    }
    int setConfiguration(usb_handle, int) override { return 0; }
    int claimInterface(usb_handle, int) override { return 0; }
    int releaseInterface(usb_handle, int) override { return 0; }
    void close(usb_handle) override {}

    int getDescriptor(usb_handle, u8, u8, u8 *data, int length) override
    {
        static const char serial[] = "005F0000-0001";
        u8 reply[2 + 2 * 13] = {u8(sizeof reply), usb_link::StringDescriptorType};
        for (int i = 0; i < 13; ++i)
            reply[2 + 2 * i] = u8(serial[i]);
        const int count = std::min(length, int(sizeof reply));
        std::memcpy(data, reply, size_t(count));
        return count;
    }

    int controlTransfer(usb_handle, u8 requestType, u8 request, u16 value, u16, u8 *data, u16 length,
                        unsigned) override
    {
        if ((requestType & 0x80) == 0) {
            if (request == REQ_SET_MODE)
                modeBits = modeBitsOf(swapBytes16(value));
            return length;
        }
        std::memset(data, 0, length);
        switch (request) {
        case REQ_STATUS:
            writeU32(data, 0, modeBits | STATUS_READY | STATUS_DONE);
            return std::min<int>(length, 8);
        case REQ_MODEL_CODE:
            data[0] = u8(usb_link::ModelCurrent);
            return 2;
        case REQ_FIRMWARE_VERSION:
            data[0] = 3;   // 3.00.0011
            data[2] = 11;
            return 4;
        case REQ_READ_CLOCK: {
            const size_t count = std::min<size_t>(ClockRecordSize, inputSize);
            std::memcpy(data, input, count);
            return std::min<int>(length, ClockRecordSize);
        }
        }
        return usb_error::Pipe;
    }

    int bulkTransfer(usb_handle, u8 endpoint, u8 *data, int length, int *transferred, unsigned) override
    {
        *transferred = 0;
        if (endpoint == usb_link::BulkOutEndpoint) {
            *transferred = length;
            return 0;
        }
        const int frame = framesServed++;
        u8 header[FrameHeaderSize] = {};
        const size_t at = ClockRecordSize + size_t(frame) * FrameHeaderSize;
        const bool described = at + FrameHeaderSize <= inputSize;
        const u32 offset = frame < 3 ? u32(frame) * 0x2000 : 0x10000 + u32(frame - 3) * 0x10000;
        if (described) {
            std::memcpy(header, input + at, FrameHeaderSize);
        } else {
            header[1] = u8(frame);
            writeU16(header, 2, u16(length - 13));
            writeU32(header, 4, image_layout::controllerAddress(offset));
        }
        const u8 flags = header[0];
        header[0] = 0x14;  // command
        std::memcpy(data, header, FrameHeaderSize);
        // Data from a small generator seeded by the header; then the checksum that makes
        // the words sum to zero, unless the input breaks it.
        u32 state = readU32(header, 4) ^ (u32(frame) << 24) ^ flags;
        for (int i = FrameHeaderSize; i + 4 <= length - 4; i += 4) {
            state = state * 1664525u + 1013904223u;
            writeU32(data, u32(i), state);
        }
        u32 sum = 0;
        for (int i = 0; i + 4 <= length - 4; i += 4)
            sum += readU32(data, u32(i));
        writeU32(data, u32(length - 4), (0u - sum) ^ ((flags & BrokenChecksum) ? 1u : 0u));
        *transferred = (flags & CutShort) ? std::max(0, length - 1 - (flags & 0x3F)) : length;
        return *transferred == length ? 0 : usb_error::Timeout;
    }

private:
    static u32 modeBitsOf(int mode)
    {
        switch (mode) {
        case MODE_CONFIGURATION: return STATUS_CONFIGURATION;
        case MODE_LIVE: return STATUS_LIVE;
        default: return 0;
        }
    }
    int handle = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static scripted_controller controller;
    controller.input = data;
    controller.inputSize = size;
    controller.framesServed = 0;
    controller.modeBits = 0;
    installUsbBackend(&controller);

    {
        kd620_controller_class c;
        currentController = &c;
        c.setConnection(true);
        c.controllerTimeText();
        c.read_alldata();
        c.setConnection(false);
        currentController = nullptr;
    }
    installUsbBackend(nullptr);
    return 0;
}
