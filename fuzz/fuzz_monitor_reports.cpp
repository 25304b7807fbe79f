// Bytes from the controller for the monitor: a DMX output frame, read as one of 32 and as
// one of 64 values, and an internal-states report behind its announced length (the first
// two bytes).
#include "link/monitor_protocol.h"
#include "link/monitor_reports.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (int values : {monitor::DmxValuesOlder, monitor::DmxValues}) {
        u8 frame[monitor::DmxBufferSize] = {};
        std::memcpy(frame, data, std::min(size, sizeof frame));
        monitor_reports::acceptDmxOutputFrame(frame, values);
    }

    if (size < 2)
        return 0;
    const int length = data[0] | (data[1] << 8);
    if (!monitor_reports::reportLengthAccepted(length))
        return 0;
    // The caller's buffer; a report shorter than announced is refused before its sum.
    static u8 report[monitor::ReportLengthMax];
    const size_t received = std::min(size - 2, sizeof report);
    std::memcpy(report, data + 2, received);
    if (received >= size_t(length))
        monitor_reports::reportSumIsZero(report, length);
    return 0;
}
