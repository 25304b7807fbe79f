#include "tests/sim/sim_status_engine.h"

#include "link/usb_backend_interface.h"
#include "link/usb_protocol.h"
#include "tests/sim/sim_device.h"

#include <QtEndian>

#include <algorithm>

QList<u8> sim_status_engine::requests() const
{
    return {REQ_STATUS};
}

int sim_status_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    if (!expect(device, setup, true, 8))
        return usb_error::Pipe;
    u8 reply[8] = {};
    qToLittleEndian<u32>(device.reportedStatus(), reply);
    const int count = std::min(int(setup.wLength()), 8);
    std::copy_n(reply, count, data);
    return count;
}
