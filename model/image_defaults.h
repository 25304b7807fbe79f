#pragma once

#include "model/types.h"

// The empty state of each area of the configuration image. Clearing the configuration
// puts these in place area by area; a whole-image reset applies them all.
namespace image_defaults {

// Fills the whole image with 0xFF and writes every area's empty state.
void writeEmptyImage(u8 *image);

void clearTimerTable(u8 *image);     // all 1024 rows 0xFF; sun events off
void clearDmxOutputs(u8 *image);     // channel settings, event range off, channel limit 64, MBFT 10
void clearInputTypes(u8 *image);     // every input normally open
void clearScenes(u8 *image);         // levels 0, times {0, inf, 0, 0}, both coupling tables empty
void clearMasks(u8 *image);          // fade times 0, levels 0xFF (0..191) / 0 (192..255)
void clearChains(u8 *image);         // chained events and step events none
void clearPrograms(u8 *image);       // per-program tables and every step slot
void clearActionRecord(u8 *image, u32 record);
void clearAllActions(u8 *image);
void clearDelays(u8 *image);         // every delay free
void clearSun(u8 *image);            // default sun table and location, sun events off, DST on

} // namespace image_defaults
