#include "tests/sim/sim_mode_engine.h"

#include "link/usb_backend_interface.h"
#include "link/usb_protocol.h"
#include "tests/sim/sim_device.h"

QList<u8> sim_mode_engine::requests() const
{
    return {REQ_SET_MODE, REQ_FREEZE, REQ_UNFREEZE};
}

int sim_mode_engine::control(sim_device &device, const sim_setup &setup, u8 *)
{
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    switch (setup.request()) {
    case REQ_SET_MODE: {
        u32 bits = 0;
        switch (setup.value()) {
        case MODE_NORMAL: break;
        case MODE_CONFIGURATION: bits = STATUS_CONFIGURATION; break;
        case MODE_LIVE: bits = STATUS_LIVE; break;
        default:
            device.problems << QStringLiteral("SET_MODE with mode %1").arg(setup.value());
            return usb_error::Pipe;
        }
        device.status = (device.status & ~u32(STATUS_CONFIGURATION | STATUS_LIVE)) | bits;
        return 0;
    }
    case REQ_FREEZE:
        device.status |= STATUS_FROZEN;
        return 0;
    case REQ_UNFREEZE:
        device.status &= ~u32(STATUS_FROZEN);
        return 0;
    }
    return usb_error::Pipe;
}
