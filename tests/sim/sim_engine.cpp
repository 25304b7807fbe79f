#include "tests/sim/sim_engine.h"

#include "link/usb_protocol.h"
#include "tests/sim/sim_device.h"

QString sim_engine::requestName(u8 request)
{
    switch (request) {
    case REQ_RESTART: return QStringLiteral("RESTART");
    case REQ_STATUS: return QStringLiteral("STATUS");
    case REQ_FREEZE: return QStringLiteral("FREEZE");
    case REQ_UNFREEZE: return QStringLiteral("UNFREEZE");
    case REQ_FIRE_EVENT: return QStringLiteral("FIRE_EVENT");
    case REQ_READ_CLOCK: return QStringLiteral("READ_CLOCK");
    case REQ_SET_CLOCK: return QStringLiteral("SET_CLOCK");
    case REQ_FIRMWARE_VERSION: return QStringLiteral("FIRMWARE_VERSION");
    case REQ_SET_MODE: return QStringLiteral("SET_MODE");
    case REQ_LIVE_CHANNEL: return QStringLiteral("LIVE_CHANNEL");
    case REQ_READ_BLOCKS_8K: return QStringLiteral("READ_BLOCKS_8K");
    case REQ_READ_BLOCKS_64K: return QStringLiteral("READ_BLOCKS_64K");
    case REQ_LIVE_SCENE: return QStringLiteral("LIVE_SCENE");
    case REQ_WRITE_BLOCK: return QStringLiteral("WRITE_BLOCK");
    case REQ_FIRMWARE_UPGRADE: return QStringLiteral("FIRMWARE_UPGRADE");
    case REQ_FIRMWARE_READ_BLOCK: return QStringLiteral("FIRMWARE_READ_BLOCK");
    case REQ_STATE_FLAG: return QStringLiteral("STATE_FLAG");
    case REQ_RCU: return QStringLiteral("RCU");
    case REQ_CLOCK_CALIBRATION: return QStringLiteral("CLOCK_CALIBRATION");
    case REQ_MONITOR: return QStringLiteral("MONITOR");
    case REQ_READ_DMX_OUTPUT: return QStringLiteral("READ_DMX_OUTPUT");
    case REQ_MODEL_CODE: return QStringLiteral("MODEL_CODE");
    }
    return QStringLiteral("REQUEST_0x%1").arg(request, 2, 16, QLatin1Char('0'));
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
