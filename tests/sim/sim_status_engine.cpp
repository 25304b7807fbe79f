#include "tests/sim/sim_status_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtEndian>

#include <algorithm>

using namespace sim_protocol;

QList<u8> sim_status_engine::requests() const
{
    return {request::Status};
}

int sim_status_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    if (!expect(device, setup, true, StatusReplySize))
        return usb_error::Pipe;
    u8 reply[StatusReplySize] = {};
    qToLittleEndian<u32>(device.reportedStatus(), reply);
    const int count = std::min(int(setup.wLength()), StatusReplySize);
    std::copy_n(reply, count, data);
    return count;
}
