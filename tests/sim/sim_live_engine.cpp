#include "tests/sim/sim_live_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_frame.h"

using namespace sim_protocol;

namespace {

constexpr int Channels = LiveChannels;

} // namespace

sim_live_engine::sim_live_engine()
    : levels(Channels, '\0')
{
}

QList<u8> sim_live_engine::requests() const
{
    return {request::LiveScene, request::LiveChannel};
}

QString sim_live_engine::describe(const sim_setup &setup) const
{
    if (setup.request() != request::LiveScene)
        return defaultDescription(setup);
    return QStringLiteral("LIVE_SCENE v=%1 i=%2").arg(setup.wValue()).arg(setup.wIndex());
}

int sim_live_engine::control(sim_device &device, const sim_setup &setup, u8 *)
{
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    if ((device.status & status::Live) == 0) {
        device.problems << QStringLiteral("%1 outside live mode").arg(requestName(setup.request()));
        return usb_error::Pipe;
    }
    if (setup.request() == request::LiveChannel) {
        if (setup.index() >= Channels || setup.value() > 0xFF) {
            device.problems << QStringLiteral("LIVE_CHANNEL level %1 channel %2").arg(setup.value()).arg(setup.index());
            return usb_error::Pipe;
        }
        levels[setup.index()] = char(setup.value());
        return 0;
    }
    if (setup.wValue() != LiveSceneWireValue || setup.wIndex() != 0)
        device.problems << QStringLiteral("LIVE_SCENE wValue 0x%1").arg(setup.wValue(), 4, 16, QLatin1Char('0'));
    device.beginOperation();
    sim_device *d = &device;
    device.bulkOutSink = [this, d](const QByteArray &bytes) { return takeScene(*d, bytes); };
    return 0;
}

int sim_live_engine::takeScene(sim_device &device, const QByteArray &bytes)
{
    device.bulkOutSink = nullptr;
    ++scenesReceived;
    const sim_frame f = sim_frame::parse(bytes);
    if (!f.valid || f.command != frame_command::LiveScene || f.sub != 0 || f.address != 0 || f.data.size() != Channels) {
        device.problems << QStringLiteral("live scene frame refused (%1 bytes)").arg(bytes.size());
        device.status |= status::Failed;
        return int(bytes.size());
    }
    const u32 answer = sceneAnswers.isEmpty() ? u32(status::Done) : sceneAnswers.dequeue();
    if (answer & status::Done)
        levels = f.data;
    device.status |= answer;
    return int(bytes.size());
}
