#include "tests/sim/sim_clock_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

#include <algorithm>

using namespace sim_protocol;

namespace {

constexpr int RecordSize = ClockRecordSize;

} // namespace

QList<u8> sim_clock_engine::requests() const
{
    return {request::ReadClock, request::SetClock, request::ClockCalibration};
}

int sim_clock_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    switch (setup.request()) {
    case request::ReadClock:
        if (!expect(device, setup, true, RecordSize) || readStalls)
            return usb_error::Pipe;
        std::copy_n(record, std::min(int(setup.wLength()), RecordSize), data);
        return std::min(int(setup.wLength()), RecordSize);
    case request::SetClock:
        if (!expect(device, setup, false, RecordSize))
            return usb_error::Pipe;
        setRecords << QByteArray(reinterpret_cast<const char *>(data), setup.wLength());
        // The date and time are taken; the calibration keeps its own request.
        std::copy_n(data, std::min(int(setup.wLength()), CalibrationByte), record);
        return setup.wLength();
    case request::ClockCalibration:
        if (!expect(device, setup, false, 0))
            return usb_error::Pipe;
        if (setup.value() > MaxCalibrationCode) {
            device.problems << QStringLiteral("calibration code 0x%1").arg(setup.value(), 0, 16);
            return usb_error::Pipe;
        }
        calibrationCodes << setup.value();
        record[CalibrationByte] = u8(setup.value());
        return 0;
    }
    return usb_error::Pipe;
}
