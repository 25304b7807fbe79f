// Bytes from the controller: a bulk frame as the program parses it, a serial-number string
// descriptor, and a firmware version reply.
#include "link/firmware_version.h"
#include "link/t_threadUsbDevice.h"
#include "link/usb_frame_class.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static usb_frame_class frame;
    const size_t frameBytes = std::min(size, size_t(usb_frame_class::FRAME_BUFFER_SIZE));
    std::memset(frame.buffer, 0, usb_frame_class::FRAME_BUFFER_SIZE);
    std::memcpy(frame.buffer, data, frameBytes);
    frame.parse();

    u8 descriptor[30] = {};
    const int descriptorBytes = int(std::min(size, sizeof descriptor));
    std::memcpy(descriptor, data, size_t(descriptorBytes));
    QString serial;
    t_threadUsbDevice::serialFromDescriptor(descriptor, descriptorBytes, serial);

    u8 version[4] = {};
    std::memcpy(version, data, std::min(size, sizeof version));
    const QString text = firmware_version::fromReply(version).text();
    firmwareOlderThan(text, QStringLiteral("F/W ver. 3.00.0009"));
    return 0;
}
