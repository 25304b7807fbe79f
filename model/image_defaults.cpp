#include "model/image_defaults.h"

#include "model/default_sun_table.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"

#include <cstring>

using namespace image_layout;

namespace image_defaults {

void clearTimerTable(u8 *image)
{
    std::memset(image + TimerTable, 0xFF, TimerRowCount * TimerEntrySize);
    writeU16(image, SunEventDelays, 0xFFFF);
}

void clearDmxOutputs(u8 *image)
{
    for (u32 channel = 0; channel < ChannelCount; ++channel) {
        u8 *p = image + dmxOutSettings(channel);
        p[0] = 0;
        p[1] = p[2] = p[3] = 0xFF;
    }
    writeU16(image, DmxEventLastChannel, 0xFFFF);
    writeU16(image, DmxEventFirstChannel, 0xFFFF);
    writeU16(image, OutputChannelLimit, 64);
    writeU16(image, MbftCode, 10);
}

void clearInputTypes(u8 *image)
{
    for (u32 input = 0; input < InputCount; ++input)
        writeI32(image, inputType(input), 0);
}

void clearScenes(u8 *image)
{
    const scene_times_record emptyScene{0, scene_times_record::Infinite, 0, 0};
    for (u32 scene = 0; scene < SceneCount; ++scene)
        emptyScene.write(image, sceneTimes(scene));
    std::memset(image + SceneLevels, 0, SceneCount * ChannelCount);
    std::memset(image + CouplingTableA, 0xFF, 2 * CouplingEntryCount);
    std::memset(image + CouplingTableB, 0xFF, 2 * CouplingEntryCount);
}

void clearMasks(u8 *image)
{
    for (u32 mask = 0; mask < MaskCount; ++mask) {
        writeU16(image, maskTimes(mask), 0);      // fade-up
        writeU16(image, maskTimes(mask) + 4, 0);  // fade-down; duration and fourth word stay
    }
    // Masks 0..191 pass every level through; the last 64 block them.
    std::memset(image + MaskLevels, 0xFF, 192 * ChannelCount);
    std::memset(image + maskLevel(192, 0), 0, 64 * ChannelCount);
}

void clearChains(u8 *image)
{
    std::memset(image + ProgramChainedEvent, 0xFF, 2 * ProgramCount);
    std::memset(image + StepEvents, 0xFF, 2 * StepSlotCount);
}

void clearPrograms(u8 *image)
{
    for (u32 program = 0; program < ProgramCount; ++program) {
        writeU16(image, programStepCount(program), 0);
        writeU16(image, programRecurrences(program), 1);
        writeU32(image, programFirstStep(program), 0xFFFFFFFF);
        writeU16(image, programChainedEvent(program), 0xFFFF);
        writeU32(image, extraEntry(program), 0xFFFFFFFF);
        writeU16(image, programBreakFadeDown(program), 0xFFFF);
    }
    for (u32 slot = 0; slot < StepSlotCount; ++slot) {
        const u32 record = stepRecord(slot);
        writeU16(image, record, 0xFFFF);  // scene
        writeU16(image, record + 2, 0);   // fade-up
        writeU16(image, record + 4, 10);  // duration 1 s
        writeU16(image, record + 6, 0);   // end word
        writeU16(image, stepEvent(slot), 0xFFFF);
    }
}

void clearActionRecord(u8 *image, u32 record)
{
    u8 *p = image + actionRecord(record);
    writeU16(p, 0, 0xFFFF);  // event
    writeU16(p, 2, 0xFFFF);  // object number
    p[4] = 0x40;             // Scene, Off
    p[5] = p[6] = p[7] = 0xFF;
    std::memset(p + 8, 0xFF, 16);
}

void clearDelays(u8 *image)
{
    std::memset(image + DelayTable, 0xFF, 4 * DelayCount);
}

void clearSun(u8 *image)
{
    for (u32 day = 0; day < SunTableDays; ++day) {
        writeU16(image, sunEntry(day), defaultSunrise[day]);
        writeU16(image, sunEntry(day) + 2, defaultSunset[day]);
    }
    for (u32 entry = SunTableDays; entry < SunTableEntries; ++entry)
        writeU32(image, sunEntry(entry), 0xFFFFFFFF);
    writeI32(image, TimeZone, 1);
    writeI32(image, Longitude, 20);
    writeI32(image, Latitude, 50);
    writeU16(image, SunEventDelays, 0xFFFF);
    writeU16(image, DaylightSaving, 0);
}

} // namespace image_defaults
