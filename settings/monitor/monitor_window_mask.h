#pragma once

#include "model/types.h"

// The monitor windows, as bits of a u16 mask; each window's bit is also its type. Bit 0x2
// names no window.
enum monitor_window_mask : u16 {
    MonitorInputs = 0x1,
    MonitorDmxOut = 0x4,
    MonitorStates = 0x8,
    MonitorAll = 0xFFFF,
};
