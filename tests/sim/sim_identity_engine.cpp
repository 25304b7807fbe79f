#include "tests/sim/sim_identity_engine.h"

#include "link/usb_backend_interface.h"
#include "link/usb_protocol.h"
#include "tests/sim/sim_device.h"

#include <algorithm>

namespace {

int reply(const sim_setup &setup, u8 *data, std::initializer_list<u8> bytes)
{
    const int count = std::min(int(setup.wLength()), int(bytes.size()));
    std::copy_n(bytes.begin(), count, data);
    return count;
}

} // namespace

QList<u8> sim_identity_engine::requests() const
{
    return {REQ_MODEL_CODE, REQ_FIRMWARE_VERSION, REQ_STATE_FLAG};
}

int sim_identity_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    switch (setup.request()) {
    case REQ_MODEL_CODE: {
        if (!expect(device, setup, true, 2))
            return usb_error::Pipe;
        const int model = device.presentedModelCode();
        return reply(setup, data, {u8(model), u8(model >> 8)});
    }
    case REQ_FIRMWARE_VERSION: {
        if (!expect(device, setup, true, 4) || !device.answersFirmwareVersion)
            return usb_error::Pipe;
        const u16 build = u16(device.firmwareBuild);
        return reply(setup, data, {u8(device.firmwareMajor), u8(device.firmwareMinor), u8(build), u8(build >> 8)});
    }
    case REQ_STATE_FLAG:
        if (!expect(device, setup, true, 2))
            return usb_error::Pipe;
        return reply(setup, data, {device.stateFlag, 0});
    }
    return usb_error::Pipe;
}
