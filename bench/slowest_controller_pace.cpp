#include "bench/slowest_controller_pace.h"

#include "model/clock_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

namespace {

// How often the host polls the status for each state, 100 ms apart; the state shows at
// the last of those polls, after (polls - 1) waits.
constexpr qint64 PollIntervalMs = 100;
constexpr int NotBusyPolls = 10;
constexpr int ReadyPolls = 10;
constexpr int WrittenPolls = 50;
constexpr int OfferedPolls = 20;

constexpr qint64 longestWait(int polls)
{
    return (polls - 1) * PollIntervalMs;
}

qint64 now()
{
    return appClock().elapsedMs();
}

} // namespace

slowest_controller_pace::slowest_controller_pace(usb_backend_interface &inner, sim_device &device)
    : inner(inner), device(device)
{
    installUsbBackend(this);
}

slowest_controller_pace::~slowest_controller_pace()
{
    installUsbBackend(&inner);
}

void slowest_controller_pace::setEnabled(bool on)
{
    enabled = on;
    forgetHolds();
    device.statusForceClear = 0;
    device.statusForceSet = 0;
}

void slowest_controller_pace::busyAfter(qint64 from)
{
    busyUntil = from + longestWait(NotBusyPolls);
}

void slowest_controller_pace::forgetHolds()
{
    readyHiddenUntil = doneHiddenUntil = busyUntil = -1;
}

void slowest_controller_pace::afterRequest(u8 request)
{
    switch (request) {
    case sim_protocol::request::SetMode:
        if (device.status & sim_protocol::status::Configuration)
            busyAfter(now());  // preparing its memory for the transfer
        break;
    case sim_protocol::request::WriteBlock:
        readyHiddenUntil = now() + longestWait(ReadyPolls);
        break;
    case sim_protocol::request::ReadBlocks8K:
    case sim_protocol::request::ReadBlocks64K:
        afterFrame(false);
        break;
    case sim_protocol::request::Restart:
        forgetHolds();
        break;
    default:
        break;
    }
}

void slowest_controller_pace::afterFrame(bool out)
{
    if (out) {
        doneHiddenUntil = now() + longestWait(WrittenPolls);
    } else if (!device.bulkInQueue.isEmpty()) {
        doneHiddenUntil = now() + longestWait(OfferedPolls);  // fetching the next frame
    } else {
        return;
    }
    busyAfter(doneHiddenUntil);
}

void slowest_controller_pace::showHeldStatus()
{
    const qint64 t = now();
    device.statusForceClear =
        (t < readyHiddenUntil ? u32(sim_protocol::status::Ready) : 0u) | (t < doneHiddenUntil ? u32(sim_protocol::status::Done) : 0u);
    device.statusForceSet = t < busyUntil ? u32(sim_protocol::status::Busy) : 0u;
}

int slowest_controller_pace::controlTransfer(usb_handle handle, u8 requestType, u8 request, u16 value, u16 index,
                                             u8 *data, u16 length, unsigned timeoutMs)
{
    if (enabled && request == sim_protocol::request::Status)
        showHeldStatus();
    const int result = inner.controlTransfer(handle, requestType, request, value, index, data, length, timeoutMs);
    if (enabled && result >= 0)
        afterRequest(request);
    return result;
}

int slowest_controller_pace::bulkTransfer(usb_handle handle, u8 endpoint, u8 *data, int length, int *transferred,
                                          unsigned timeoutMs)
{
    const int result = inner.bulkTransfer(handle, endpoint, data, length, transferred, timeoutMs);
    if (enabled && result >= 0)
        afterFrame(endpoint == sim_protocol::BulkOutEndpoint);
    return result;
}

QList<usb_device_entry> slowest_controller_pace::listDevices()
{
    return inner.listDevices();
}

int slowest_controller_pace::open(const usb_device_entry &entry, usb_handle *handle)
{
    return inner.open(entry, handle);
}

int slowest_controller_pace::setConfiguration(usb_handle handle, int configuration)
{
    return inner.setConfiguration(handle, configuration);
}

int slowest_controller_pace::claimInterface(usb_handle handle, int interfaceNumber)
{
    return inner.claimInterface(handle, interfaceNumber);
}

int slowest_controller_pace::releaseInterface(usb_handle handle, int interfaceNumber)
{
    return inner.releaseInterface(handle, interfaceNumber);
}

int slowest_controller_pace::getDescriptor(usb_handle handle, u8 descriptorType, u8 index, u8 *data, int length)
{
    return inner.getDescriptor(handle, descriptorType, index, data, length);
}

void slowest_controller_pace::close(usb_handle handle)
{
    inner.close(handle);
}
