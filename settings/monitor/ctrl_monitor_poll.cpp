// The polling cycle: what the monitor reads from the controller for its open windows.
#include "settings/monitor/ctrl_monitor.h"

#include "link/firmware_version.h"
#include "link/kd620_controller_class.h"
#include "link/monitor_protocol.h"
#include "model/image_access.h"
#include "settings/monitor/dmx_value_class.h"
#include "settings/monitor/in_key_class.h"
#include "settings/monitor/internal_states_report.h"
#include "settings/monitor/monitor_window_mask.h"
#include "settings/monitor/pokaz.h"
#include "settings/monitor/request_guard.h"

#include <QTableWidget>

#include <algorithm>

namespace {

// Firmware from this version on is told to start DMX monitoring before every read.
const QString RestartEveryCycleGate = QStringLiteral("F/W ver. 3.00.0003");

constexpr int DmxValuesAt = 8;  // the values follow the reply frame's header

} // namespace

void ctrl_monitor::reload()
{
    ticker.tickHandled();
    // A tick queued before the last window closed, one that arrives while a box of a
    // request waits for the user, or one in the middle of a transfer (a request between
    // its frames would break it): nothing to do now, the next tick comes.
    if (!openWindows || requestRunning || currentController->transferHoldsLink())
        return;
    const request_guard guard(requestRunning);
    pollOnce();
}

void ctrl_monitor::pollOnce()
{
    if (!currentController->isConnected()) {
        stopShows(MonitorAll);
        return;
    }
    if ((openWindows & MonitorInputs) && inputsWindow && !pollInputs())
        return;
    if ((openWindows & MonitorDmxOut) && dmxWindow && !pollDmxOutput())
        return;
    if ((openWindows & MonitorStates) && statesWindow)
        pollStates();
}

bool ctrl_monitor::pollInputs()
{
    u8 states[4] = {};
    if (currentController->monitorRequest(MON_INPUT_STATES, states) != 0) {
        // The link has dropped the connection, which closed every window; the cycle ends
        // before the DMX output and the states are read.
        if (openWindows & MonitorInputs)
            stopShows(MonitorInputs);
        return false;
    }
    if (!inputsWindow)
        return false;
    u32 bits = readU32(states, 0);
    for (int i = 0; i < int(inputTypes.size()); ++i, bits >>= 1) {
        const u8 cached = (bits & 1) ? 0 : 0xFF;
        if (inputsWindow->cache[size_t(i)] == cached)
            continue;
        inputsWindow->cache[size_t(i)] = cached;
        if (auto *lamp = qobject_cast<inKey_class *>(inputsWindow->table->cellWidget(i / 4, i % 4)))
            lamp->showState(int(bits & 1), inputTypes[size_t(i)]);
    }
    return true;
}

bool ctrl_monitor::pollDmxOutput()
{
    u8 frame[monitor::DmxBufferSize] = {};
    bool ok = true;
    if (!firmwareOlderThan(currentController->firmwareText(), RestartEveryCycleGate))
        ok = currentController->monitorRequest(MON_START, nullptr) == 0;
    ok = ok && dmxWindow && currentController->monitorRequest(MON_DMX_OUTPUT, frame) == 0;
    if (!ok || !dmxWindow) {
        // Closed, so that a controller that keeps failing shows its box once.
        if (openWindows & MonitorDmxOut)
            stopShows(MonitorDmxOut);
        return false;
    }
    QTableWidget *table = dmxWindow->table;
    for (int c = 0; c < monitor::DmxValues; ++c) {
        const u8 value = frame[DmxValuesAt + c];
        if (dmxWindow->cache[size_t(c)] == value)
            continue;
        dmxWindow->cache[size_t(c)] = value;
        if (auto *cell = qobject_cast<dmx_value_class *>(table->cellWidget(c / 10, c % 10)))
            cell->showValue(value);
    }
    return true;
}

void ctrl_monitor::pollStates()
{
    reportScratch.assign(internal_states_report::BufferSize, 0);
    if (currentController->monitorRequest(MON_INTERNAL_STATES, reportScratch.data()) != 0) {
        // Closed rather than tried again next period: a controller that keeps failing would
        // otherwise raise its box every period without end.
        if (openWindows & MonitorStates)
            stopShows(MonitorStates);
        return;
    }
    if (!statesWindow)
        return;
    statesWindow->cache = reportScratch;
    statesWindow->reportLength = std::clamp(currentController->lastReportLength, internal_states_report::HeaderBytes,
                                            internal_states_report::BufferSize);
    redraw(MonitorStates);
}
