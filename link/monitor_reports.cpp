#include "link/monitor_reports.h"

#include "link/firmware_version.h"
#include "link/monitor_protocol.h"
#include "link/usb_frame_class.h"
#include "model/image_access.h"

#include <algorithm>

namespace {

u32 wordSum(const u8 *bytes, int words)
{
    u32 sum = 0;
    for (int i = 0; i < words; ++i)
        sum += readU32(bytes, u32(4 * i));
    return sum;
}

} // namespace

namespace monitor_reports {

int dmxValueCount(const QString &firmwareText)
{
    return firmwareOlderThan(firmwareText, QLatin1String(monitor::DmxValuesGate)) ? monitor::DmxValuesOlder
                                                                                  : monitor::DmxValues;
}

bool acceptDmxOutputFrame(u8 *buffer, int values)
{
    if (values < 0 || values > monitor::DmxValues || values % 4 != 0)
        return false;
    const int checksumAt = usb_frame_class::HEADER_SIZE + values;
    const u32 checksum = readU32(buffer, u32(checksumAt));
    // The caller sees the values followed by zeros only, whatever the count.
    std::fill(buffer + checksumAt, buffer + monitor::DmxBufferSize, u8(0));
    return checksum + wordSum(buffer, checksumAt / 4) == 0;
}

bool reportLengthAccepted(int length)
{
    return length >= monitor::ReportLengthMin && length <= monitor::ReportLengthMax;
}

bool reportSumIsZero(const u8 *report, int length)
{
    return wordSum(report, length / 4) == 0;
}

} // namespace monitor_reports
