#include "tests/sim/sim_identity_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

#include <algorithm>

using namespace sim_protocol;

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
    return {request::ModelCode, request::FirmwareVersion, request::StateFlag};
}

int sim_identity_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    switch (setup.request()) {
    case request::ModelCode: {
        if (!expect(device, setup, true, ModelCodeSize))
            return usb_error::Pipe;
        const int model = device.presentedModelCode();
        return reply(setup, data, {u8(model), u8(model >> 8)});
    }
    case request::FirmwareVersion: {
        if (!expect(device, setup, true, FirmwareVersionSize) || !device.answersFirmwareVersion)
            return usb_error::Pipe;
        const u16 build = u16(device.firmwareBuild);
        return reply(setup, data, {u8(device.firmwareMajor), u8(device.firmwareMinor), u8(build), u8(build >> 8)});
    }
    case request::StateFlag:
        if (!expect(device, setup, true, StateFlagSize))
            return usb_error::Pipe;
        return reply(setup, data, {device.stateFlag, 0});
    }
    return usb_error::Pipe;
}
