#pragma once

#include "model/types.h"

// Corrections applied to a freshly loaded image (from a file or from the controller)
// before any store is rebuilt from it.

// Channel limit: 23 or less -> 24; 0xFFFF -> 32; above 64 -> 64.
u16 clampedOutputChannelLimit(u16 limit);
// MBFT code: 0xFFFF -> 10; above 90 -> 90.
u16 clampedMbftCode(u16 code);
// Applies both corrections to the image in place.
void applyLoadClamps(u8 *image);
