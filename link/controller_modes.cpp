// The controller's working modes, freezing its output, and its state flag.
#include "link/kd620_controller_class.h"
#include "link/usb_protocol.h"

namespace {

constexpr int FreezePolls = 10;
constexpr int StateFlagAttempts = 10;

// Freeze or unfreeze once the controller is not busy, then wait for the frozen bit to
// follow: 0, or -1 with the connection dropped.
int changeFrozen(kd620_controller_class &controller, int request, bool frozen)
{
    bool done = controller.waitStatusClear(STATUS_BUSY, FreezePolls) == 0 && controller.sendRequest(request) >= 0;
    if (done) {
        done = frozen ? controller.waitStatusSet(STATUS_FROZEN, FreezePolls) == STATUS_FROZEN
                      : controller.waitStatusClear(STATUS_FROZEN, FreezePolls) == 0;
    }
    if (!done) {
        controller.dropConnection();
        return -1;
    }
    return 0;
}

} // namespace

int kd620_controller_class::setWorkingMode(int mode)
{
    u32 expected = 0;
    switch (mode) {
    case MODE_NORMAL: break;
    case MODE_CONFIGURATION: expected = STATUS_CONFIGURATION; break;
    case MODE_LIVE: expected = STATUS_LIVE; break;
    default:
        controllerMode = MODE_NONE;
        return 0;
    }
    controllerMode = mode;
    bool entered = sendRequest(REQ_SET_MODE, mode, 0) >= 0;
    if (entered) {
        // One status check: normal mode shows no mode bit, the others their own.
        entered = mode == MODE_NORMAL ? waitStatusClear(STATUS_MODE_BITS, 1) == 0
                                      : waitStatusSet(expected, 1) == expected;
    }
    if (!entered) {
        dropConnection();
        controllerMode = MODE_NONE;
        return 0;
    }
    return mode;
}

int kd620_controller_class::ch_mode(int mode)
{
    uiMode = mode;
    // Live sends nothing here: the controller enters live mode with the first live scene.
    if (mode != UiModeNormal || controllerMode == MODE_NORMAL)
        return mode - 1;
    const int entered = setWorkingMode(MODE_NORMAL);
    if (entered != MODE_NORMAL)
        uiMode = UiModeNone;
    return entered - 1;
}

int kd620_controller_class::freeze()
{
    return changeFrozen(*this, REQ_FREEZE, true);
}

int kd620_controller_class::unfreeze()
{
    return changeFrozen(*this, REQ_UNFREEZE, false);
}

bool kd620_controller_class::readStateFlag()
{
    if (controllerMode == MODE_LOADER)
        return true;
    u8 reply[2] = {};
    if (controlInRetried(REQ_STATE_FLAG, 0, 0, reply, 2, StateFlagAttempts) < 0) {
        dropConnection();
        return false;
    }
    return reply[0] != 0;
}
