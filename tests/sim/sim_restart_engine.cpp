#include "tests/sim/sim_restart_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

using namespace sim_protocol;

QList<u8> sim_restart_engine::requests() const
{
    return {request::Restart};
}

int sim_restart_engine::control(sim_device &device, const sim_setup &setup, u8 *)
{
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    const bool intoLoader = device.restartIntoLoader && !device.inLoader;
    device.restartIntoLoader = false;

    sim_device *d = &device;
    const qint64 back = device.leaveAndReturn(device.restartVanishMs, [d, intoLoader] {
        d->reappear();
        d->inLoader = intoLoader;
        d->status = 0;  // normal mode, not frozen, no operation under way
        if (!intoLoader)
            d->status |= status::Loader;  // the restart is still pending
    });
    if (!intoLoader && device.restartLoaderMs >= 0)
        device.at(back + device.restartLoaderMs, [d] { d->status &= ~u32(status::Loader); });
    return 0;
}
