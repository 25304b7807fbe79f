#pragma once

#include "model/types.h"

// The monitor's reads: what monitorRequest's first argument asks for. Commands 1 and above
// 6 do not exist.
enum monitor_command : unsigned {
    MON_INPUT_STATES = 0,     // REQ_MONITOR in, wValue 0: 3 bytes, bit i = input i + 1
    MON_START = 2,            // REQ_MONITOR out, wValue 2
    MON_STOP = 3,             // REQ_MONITOR out, wValue 3
    MON_DMX_OUTPUT = 4,       // REQ_READ_DMX_OUTPUT, then a frame of 32 or 64 values
    MON_INPUT_CONFIG = 5,     // one 8 KB configuration block: the 24 input types
    MON_INTERNAL_STATES = 6,  // REQ_MONITOR in, wValue 6: report length, then the report
};

namespace monitor {

constexpr int Attempts = 5;       // tries of every control request, back to back
constexpr int DataPolls = 5;      // status polls, 100 ms apart, for DONE (data ready)
constexpr int BusyPolls = 10;     // before a DMX read

constexpr int InputStatesSize = 3;

// The DMX output frame: 8-byte header, n values, the checksum; the caller's buffer holds
// the largest (64 values), bytes past the values are zero.
constexpr int DmxBufferSize = 76;
constexpr int DmxValuesOlder = 32;
constexpr int DmxValues = 64;
// Firmware from this version on sends 64 values.
inline constexpr char DmxValuesGate[] = "F/W ver. 3.00.0011";

// The input configuration: one 8 KB block from image offset 0x4000; the 24 input types
// (i32) lie at its data offset 0x800.
constexpr int InputConfigBlockOffset = 0x4000;
constexpr int InputConfigDataOffset = 0x800;
constexpr int InputConfigSize = 96;

// The internal-states report: its announced length, and the shortest bulk read asked for.
constexpr int ReportLengthMin = 26;
constexpr int ReportLengthMax = 2400;
constexpr int ReportReadMin = 64;

} // namespace monitor
