#include "tests/sim/sim_monitor_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_frame.h"

#include <QtEndian>

#include <tuple>

using namespace sim_protocol;

namespace {

// The DMX frame carries the read request's code; the host does not look at its header.
constexpr u8 DmxFrameCommand = request::ReadDmxOutput;

} // namespace

sim_monitor_engine::sim_monitor_engine()
    : internalStates(makeReport(64))
{
}

QList<u8> sim_monitor_engine::requests() const
{
    return {request::Monitor, request::ReadDmxOutput};
}

QByteArray sim_monitor_engine::makeReport(int length)
{
    QByteArray report(length, char(0xAB));
    const int words = length / 4;
    u32 sum = 0;
    for (int i = 0; i + 1 < words; ++i) {
        const u32 word = u32(i + 1) * 0x01030507u;
        qToLittleEndian<u32>(word, report.data() + 4 * i);
        sum += word;
    }
    if (words > 0)
        qToLittleEndian<u32>(0u - sum, report.data() + 4 * (words - 1));
    return report;
}

int sim_monitor_engine::dmxValuesSent(const sim_device &device) const
{
    if (dmxValueCount > 0)
        return dmxValueCount;
    const bool newer = std::make_tuple(int(device.firmwareMajor), int(device.firmwareMinor), int(device.firmwareBuild))
        >= std::make_tuple(3, 0, 11);
    return newer ? monitor::DmxValues : monitor::DmxValuesOlder;
}

void sim_monitor_engine::offer(sim_device &device, const QByteArray &bytes)
{
    device.beginOperation();
    // A new read replaces whatever the host left unread.
    device.bulkInQueue.clear();
    device.bulkInQueue.enqueue(bytes);
    if (dataReadyAfterMs <= 0) {
        device.status |= status::Done;
        return;
    }
    sim_device *d = &device;
    device.at(device.nowMs + dataReadyAfterMs, [d] { d->status |= status::Done; });
}

int sim_monitor_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    switch (setup.request()) {
    case request::Monitor:
        return monitorCommand(device, setup, data);
    case request::ReadDmxOutput: {
        if (!expect(device, setup, false, 0))
            return usb_error::Pipe;
        const QByteArray values(reinterpret_cast<const char *>(dmxOutput.data()), dmxValuesSent(device));
        offer(device, sim_frame::make(DmxFrameCommand, 0, 0, values).bytes());
        return 0;
    }
    }
    return usb_error::Pipe;
}

int sim_monitor_engine::monitorCommand(sim_device &device, const sim_setup &setup, u8 *data)
{
    switch (setup.value()) {
    case monitor::InputStates:
        if (!expect(device, setup, true, monitor::InputStatesSize))
            return usb_error::Pipe;
        data[0] = u8(inputStates);
        data[1] = u8(inputStates >> 8);
        data[2] = u8(inputStates >> 16);
        return 3;
    case monitor::Start:
    case monitor::Stop:
        if (!expect(device, setup, false, 0))
            return usb_error::Pipe;
        monitoring = setup.value() == monitor::Start;
        return 0;
    case monitor::ReportLength: {
        if (!expect(device, setup, true, monitor::ReportLengthSize))
            return usb_error::Pipe;
        const int length = announcedLength >= 0 ? announcedLength : int(internalStates.size());
        offer(device, internalStates);
        data[0] = u8(length);
        data[1] = u8(length >> 8);
        return 2;
    }
    }
    device.problems << QStringLiteral("MONITOR command %1").arg(setup.value());
    return usb_error::Pipe;
}
