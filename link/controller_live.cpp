// Live editing: one scene or one channel level shown on the controller's outputs at once.
#include "link/kd620_controller_class.h"
#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"
#include "model/image_layout.h"

namespace {

constexpr int BusyPolls = 10;
// One budget for the resends after FAILED and the polls that show no result.
constexpr int LiveSceneBudget = 10;
constexpr u8 LiveSceneCommand = 0x11;

bool validScene(int scene)
{
    return scene >= 0 && scene < int(image_layout::SceneCount);
}

bool validChannel(int channel)
{
    return channel >= 0 && channel < int(image_layout::ChannelCount);
}

// A failure drops the connection once: a failed status read or mode change has dropped it
// already.
void dropOnce(kd620_controller_class &controller)
{
    if (controller.isConnected())
        controller.dropConnection();
}

} // namespace

bool kd620_controller_class::liveSceneWaitsForTransfer(int scene_number)
{
    // Even a send's pauses between block cycles are closed to live requests: a live scene
    // switches the controller out of the configuration mode that the next block needs.
    if (transfersRunning == 0)
        return false;
    deferredLiveScene = scene_number;
    return true;
}

void kd620_controller_class::sendDeferredLiveScene()
{
    const int scene = deferredLiveScene;
    deferredLiveScene = NoDeferredLiveScene;
    // Live may have been left, or the connection lost, during the transfer: send_sc_prep
    // looks at that again.
    if (scene != NoDeferredLiveScene)
        send_sc_prep(scene);
}

void kd620_controller_class::send_new_val(int sc, int ch)
{
    // Until the first scene has put the controller into live mode, levels are not sent.
    if (uiMode != UiModeLive || controllerMode != MODE_LIVE || !validScene(sc) || !validChannel(ch))
        return;
    // The whole scene, this level included, goes out once the transfer is over.
    if (liveSceneWaitsForTransfer(sc))
        return;
    if (waitStatusClear(STATUS_BUSY, BusyPolls) != 0) {
        dropOnce(*this);
        return;
    }
    const int level = confData[image_layout::sceneLevel(u32(sc), u32(ch))];
    if (sendRequest(REQ_LIVE_CHANNEL, level, ch) < 0)
        dropOnce(*this);
}

void kd620_controller_class::send_sc_prep(int scene_number)
{
    if (uiMode != UiModeLive || !validScene(scene_number))
        return;
    if (liveSceneWaitsForTransfer(scene_number))
        return;
    if (controllerMode != MODE_LIVE && setWorkingMode(MODE_LIVE) != MODE_LIVE) {
        dropOnce(*this);
        return;
    }
    usb_frame_class frame;
    frame.command = LiveSceneCommand;
    frame.sub = 0;
    frame.length = u16(image_layout::ChannelCount - 1);
    frame.address = 0;
    int budget = LiveSceneBudget;
    for (;;) {
        // The controller reads this request's wValue 1 as it is, not high byte first.
        lastRequest[0] = REQ_LIVE_SCENE;
        lastRequest[1] = 1;
        lastRequest[2] = 0;
        bool sent = usbDevice.controlOut(REQ_LIVE_SCENE, 1, 0, nullptr, 0) >= 0
            && waitStatusClear(STATUS_BUSY, BusyPolls) == 0;
        if (sent) {
            frame.data = confData + image_layout::sceneLevel(u32(scene_number), 0);
            int total = 0;
            u8 *bytes = frame.serialize(total);
            sent = usbDevice.bulkWrite(bytes, total) >= total;
        }
        if (!sent) {
            dropOnce(*this);
            return;
        }
        for (;;) {
            const u32 status = waitStatusSet(STATUS_DONE | STATUS_FAILED, 1);
            if (status & STATUS_DONE)
                return;
            if (!isConnected())
                return;  // the status read failed and has dropped the connection
            const bool again = (status & STATUS_FAILED) != 0;  // the controller wants the scene again
            if (!again)
                wait100ms();
            if (budget == 0) {
                dropOnce(*this);
                return;
            }
            --budget;
            if (again)
                break;
        }
    }
}
