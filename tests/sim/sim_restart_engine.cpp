#include "tests/sim/sim_restart_engine.h"

#include "link/usb_backend_interface.h"
#include "link/usb_protocol.h"
#include "tests/sim/sim_device.h"

QList<u8> sim_restart_engine::requests() const
{
    return {REQ_RESTART};
}

int sim_restart_engine::control(sim_device &device, const sim_setup &setup, u8 *)
{
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    const bool intoLoader = device.restartIntoLoader && !device.inLoader;
    device.restartIntoLoader = false;
    device.clearSchedule();
    device.vanish();

    const qint64 back = device.nowMs + device.restartVanishMs;
    sim_device *d = &device;
    device.at(back, [d, intoLoader] {
        d->reappear();
        d->inLoader = intoLoader;
        d->status = 0;  // normal mode, not frozen, no operation under way
        if (!intoLoader)
            d->status |= STATUS_LOADER;  // the restart is still pending
    });
    if (!intoLoader && device.restartLoaderMs >= 0)
        device.at(back + device.restartLoaderMs, [d] { d->status &= ~u32(STATUS_LOADER); });
    return 0;
}
