#pragma once

#include "model/types.h"

// A delay that a sequence owns is one of that sequence's steps: no event action may start
// it, its Delay Start actions stay as the sequence page wrote them, and its time is edited
// with its sequence only.

// The sequence that owns delay d (0..127), or -1 when none does or d names no delay (a
// number of 512 or more, such as 0x8000 for all delays).
int delayOwner(const u8 *image, int delay);
// Whether a sequence owns delay d.
bool delayLocked(const u8 *image, int delay);
