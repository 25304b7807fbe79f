#pragma once

#include "model/types.h"

#include <QString>

// Checks of the data the controller sends the monitor, over the received bytes alone.
namespace monitor_reports {

// Values in the DMX output frame: 64, or 32 while the firmware text shows a version older
// than the gate (a text without a version counts as older).
int dmxValueCount(const QString &firmwareText);

// A DMX output frame of `values` values (32 or 64) received into buffer (76 bytes): takes
// the checksum that follows the values, clears the buffer from there to its end, and tells
// whether header, values and checksum sum to zero.
bool acceptDmxOutputFrame(u8 *buffer, int values);

// True for an internal-states report length the caller's buffer takes (26..2400).
bool reportLengthAccepted(int length);

// True when the 32-bit words of a report of `length` bytes sum to zero modulo 2^32; the
// trailing bytes of a length that is not a multiple of 4 are left out.
bool reportSumIsZero(const u8 *report, int length);

} // namespace monitor_reports
