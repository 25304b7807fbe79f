#pragma once

#include "model/types.h"

// The empty state of each area of the configuration image. Clearing the configuration
// (ClearConfig) puts these in place area by area, after filling the whole image with 0xFF
// when everything is cleared.
namespace image_defaults {

void clearTimerTable(u8 *image);     // all 1024 rows 0xFF; sun events off
void clearDmxOutputs(u8 *image);     // channel settings, event range off, channel limit 64, MBFT 10
void clearInputTypes(u8 *image);     // every input normally open
void clearScenes(u8 *image);         // levels 0, times {0, inf, 0, 0}, both coupling tables empty
void clearMasks(u8 *image);          // fade times 0, levels 0xFF (0..191) / 0 (192..255)
void clearChains(u8 *image);         // chained events and step events none
void clearPrograms(u8 *image);       // per-program tables and every step slot
void clearActionRecord(u8 *image, u32 record);  // no event, no limits (state words 0xFFFFFFFF)
void clearDelays(u8 *image);         // every delay free
void clearSun(u8 *image);            // default sun table and location, sun events off, DST on

} // namespace image_defaults
