// Restarting the controller and connecting to it again once it has left its loader.
#include "link/kd620_controller_class.h"
#include "link/usb_protocol.h"

namespace {

constexpr int RestartPasses = 90;

} // namespace

int kd620_controller_class::restartController()
{
    // Until a status read succeeds the loader counts as still running.
    u32 status = 0xFFFFFFFF;
    sendRequest(REQ_RESTART);  // the controller may drop off the bus before it answers
    setConnection(false);
    wait100ms();
    setConnection(true);

    for (int pass = 0; pass < RestartPasses; ++pass) {
        wait100ms();
        u32 word = 0;
        if (!readStatusWord(word)) {
            // Gone or not back yet: a bare search, not a whole connect.
            usbDevice.close();
            usbDevice.open();
            continue;
        }
        status = word;
        if ((status & STATUS_LOADER) == 0)
            break;
        sendRequest(REQ_UNFREEZE);
    }
    if (status & STATUS_LOADER)
        return -1;
    setConnection(true);
    return 0;
}
