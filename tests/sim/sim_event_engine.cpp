#include "tests/sim/sim_event_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

QList<u8> sim_event_engine::requests() const
{
    return {sim_protocol::request::FireEvent};
}

int sim_event_engine::control(sim_device &device, const sim_setup &setup, u8 *)
{
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    fired << setup.index();
    return 0;
}
