#include "tests/sim/sim_mode_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

using namespace sim_protocol;

QList<u8> sim_mode_engine::requests() const
{
    return {request::SetMode, request::Freeze, request::Unfreeze};
}

int sim_mode_engine::control(sim_device &device, const sim_setup &setup, u8 *)
{
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    switch (setup.request()) {
    case request::SetMode: {
        u32 bits = 0;
        switch (setup.value()) {
        case mode::Normal: break;
        case mode::Configuration: bits = status::Configuration; break;
        case mode::Live: bits = status::Live; break;
        default:
            device.problems << QStringLiteral("SET_MODE with mode %1").arg(setup.value());
            return usb_error::Pipe;
        }
        device.status = (device.status & ~u32(status::Configuration | status::Live)) | bits;
        return 0;
    }
    case request::Freeze:
        device.status |= status::Frozen;
        return 0;
    case request::Unfreeze:
        device.status &= ~u32(status::Frozen);
        return 0;
    }
    return usb_error::Pipe;
}
