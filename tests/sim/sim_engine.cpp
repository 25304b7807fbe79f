#include "tests/sim/sim_engine.h"

#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_device.h"

QString sim_engine::requestName(u8 code)
{
    using namespace sim_protocol;
    switch (code) {
    case request::Restart: return QStringLiteral("RESTART");
    case request::Status: return QStringLiteral("STATUS");
    case request::Freeze: return QStringLiteral("FREEZE");
    case request::Unfreeze: return QStringLiteral("UNFREEZE");
    case request::FireEvent: return QStringLiteral("FIRE_EVENT");
    case request::ReadClock: return QStringLiteral("READ_CLOCK");
    case request::SetClock: return QStringLiteral("SET_CLOCK");
    case request::FirmwareVersion: return QStringLiteral("FIRMWARE_VERSION");
    case request::SetMode: return QStringLiteral("SET_MODE");
    case request::LiveChannel: return QStringLiteral("LIVE_CHANNEL");
    case request::ReadBlocks8K: return QStringLiteral("READ_BLOCKS_8K");
    case request::ReadBlocks64K: return QStringLiteral("READ_BLOCKS_64K");
    case request::LiveScene: return QStringLiteral("LIVE_SCENE");
    case request::WriteBlock: return QStringLiteral("WRITE_BLOCK");
    case request::FirmwareUpgrade: return QStringLiteral("FIRMWARE_UPGRADE");
    case request::FirmwareReadBlock: return QStringLiteral("FIRMWARE_READ_BLOCK");
    case request::StateFlag: return QStringLiteral("STATE_FLAG");
    case request::Rcu: return QStringLiteral("RCU");
    case request::ClockCalibration: return QStringLiteral("CLOCK_CALIBRATION");
    case request::Monitor: return QStringLiteral("MONITOR");
    case request::ReadDmxOutput: return QStringLiteral("READ_DMX_OUTPUT");
    case request::ModelCode: return QStringLiteral("MODEL_CODE");
    }
    return QStringLiteral("REQUEST_0x%1").arg(code, 2, 16, QLatin1Char('0'));
}

QString sim_engine::describe(const sim_setup &setup) const
{
    return defaultDescription(setup);
}

QString sim_engine::defaultDescription(const sim_setup &setup)
{
    QString text = QStringLiteral("%1 v=%2 i=%3").arg(requestName(setup.request())).arg(setup.value()).arg(setup.index());
    if (setup.isIn())
        text += QStringLiteral(" in %1").arg(setup.wLength());
    else if (setup.wLength() > 0)
        text += QStringLiteral(" out %1").arg(setup.wLength());
    return text;
}

bool sim_engine::expect(sim_device &device, const sim_setup &setup, bool in, int length)
{
    if (setup.isIn() == in && setup.wLength() == length)
        return true;
    device.problems << QStringLiteral("%1 sent %2 with %3 bytes")
                           .arg(requestName(setup.request()), setup.isIn() ? QStringLiteral("in") : QStringLiteral("out"))
                           .arg(setup.wLength());
    return setup.isIn() == in;
}
