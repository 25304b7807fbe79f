#pragma once

#include "model/types.h"

// Layout of the configuration image: byte for byte the controller's configuration memory.
// Every multi-byte value is little-endian; unused bytes and unset elements hold 0xFF.
namespace image_layout {

constexpr u32 ImageSize = 0x200000;
// The controller sees image offset 0 at this address.
constexpr u32 ControllerBase = 0x62000000;

constexpr u32 SceneCount = 3072;
constexpr u32 MaskCount = 256;
constexpr u32 ProgramCount = 512;
constexpr u32 ChannelCount = 512;   // DMX channels per scene or mask
constexpr u32 InputCount = 24;
constexpr u32 DelayCount = 512;
constexpr u32 SequenceCount = 128;
constexpr u32 StepSlotCount = 8192;
constexpr u32 ActionRecordCount = 8192;
constexpr u32 TimerRowCount = 1024;
constexpr u32 CouplingEntryCount = 64;
constexpr u32 SunTableEntries = 381;
constexpr u32 SunTableDays = 366;
constexpr u32 MaxStepsPerProgram = 999;
// DMX output channels in use (the channel-limit word): scenes and masks edit this many.
constexpr u32 MinOutputChannels = 24;
constexpr u32 MaxOutputChannels = 64;

// Regions, in image order.
constexpr u32 UnusedHead = 0x000000;          // 0x2000, read back, never sent
constexpr u32 TimerTable = 0x002000;          // timer_entry_class (8) x 1024
constexpr u32 DmxOutSettings = 0x004000;      // dmx_out_channel_settings (4) x 512
constexpr u32 InputTypes = 0x004800;          // input_type (i32) x 24
constexpr u32 StartUpTime = 0x004860;         // u16 tenths
constexpr u32 ShutDownTime = 0x004862;        // u16 tenths
constexpr u32 OutputChannelLimit = 0x004864;  // u16, 24..64
constexpr u32 DmxEventFirstChannel = 0x004866;// u16, >= 512: DMX-out events off
constexpr u32 DmxEventLastChannel = 0x004868; // u16
constexpr u32 ExternalPanel = 0x00486A;       // u16, 0 enabled, 0xFFFF disabled
constexpr u32 Unused486C = 0x00486C;          // 2
constexpr u32 DmxInLimit = 0x00486E;          // u16
constexpr u32 SunEventDelays = 0x004870;      // u16 0xFFFF off, else i8 sunrise + i8 sunset (x 5 min)
constexpr u32 DaylightSaving = 0x004872;      // u16, 0 enabled, 0xFFFF disabled
constexpr u32 Unused4874 = 0x004874;          // 4
constexpr u32 OrdinaryProgramCount = 0x004878;// u16, 0xFFFF extra entries off
constexpr u32 MbftCode = 0x00487A;            // u16 mark-between-frames time code
constexpr u32 Unused487C = 0x00487C;          // 0x44
constexpr u32 CouplingTableA = 0x0048C0;      // u16 x 64, group order
constexpr u32 CouplingTableB = 0x004940;      // u16 x 64, scene order
constexpr u32 Unused49C0 = 0x0049C0;          // 0x40
constexpr u32 SunTable = 0x004A00;            // {u16 sunrise, u16 sunset} x 381
constexpr u32 TimeZone = 0x004FF4;            // i32 hours
constexpr u32 Longitude = 0x004FF8;           // i32 degrees
constexpr u32 Latitude = 0x004FFC;            // i32 degrees
constexpr u32 MaskTimes = 0x005000;           // scene_times_record (8) x 256
constexpr u32 DelayTable = 0x005800;          // delay_entry_class (u32) x 512
constexpr u32 UnusedSentOnly = 0x006000;      // 0xA000, sent, never read back
constexpr u32 SceneLevels = 0x010000;         // u8 x 512 per scene, x 3072
constexpr u32 SceneTimes = 0x190000;          // scene_times_record x 3072
constexpr u32 ProgramFirstStep = 0x196000;    // u32 x 512, controller address or 0xFFFFFFFF
constexpr u32 ProgramStepCount = 0x196800;    // u16 x 512
constexpr u32 ProgramChainedEvent = 0x196C00; // u16 x 512
constexpr u32 ProgramRecurrences = 0x197000;  // u16 x 512, 0 infinite
constexpr u32 StepEvents = 0x197400;          // u16 x 8192
constexpr u32 ExtraEntryTable = 0x19B400;     // {u16 source, u16 start step} x 512
constexpr u32 ProgramBreakFadeDown = 0x19BC00;// u16 x 512, 0xFFFF "Do not use"
constexpr u32 Unused19C000 = 0x19C000;        // 0x4000
constexpr u32 ProgramSteps = 0x1A0000;        // program_step_record (8) x 8192
constexpr u32 ActionTable = 0x1B0000;         // event_action_class (24) x 8192
constexpr u32 MaskLevels = 0x1E0000;          // u8 x 512 per mask, x 256

// The sun events: the word at SunEventDelays is SunEventsOff while they are off; else its
// two bytes delay sunrise and sunset, each a signed count of SunDelayUnitMinutes.
constexpr u16 SunEventsOff = 0xFFFF;
constexpr u32 SunriseDelay = SunEventDelays;
constexpr u32 SunsetDelay = SunEventDelays + 1;
constexpr int SunDelayUnitMinutes = 5;

constexpr u32 TimerEntrySize = 8;
constexpr u32 SceneTimesSize = 8;
constexpr u32 StepRecordSize = 8;
constexpr u32 ActionRecordSize = 24;

// Offsets of single elements.
constexpr u32 sceneLevel(u32 scene, u32 channel) { return SceneLevels + 512 * scene + channel; }
constexpr u32 maskLevel(u32 mask, u32 channel) { return MaskLevels + 512 * mask + channel; }
constexpr u32 sceneTimes(u32 scene) { return SceneTimes + SceneTimesSize * scene; }
constexpr u32 maskTimes(u32 mask) { return MaskTimes + SceneTimesSize * mask; }
constexpr u32 dmxOutSettings(u32 channel) { return DmxOutSettings + 4 * channel; }
constexpr u32 inputType(u32 input) { return InputTypes + 4 * input; }
constexpr u32 delayEntry(u32 delay) { return DelayTable + 4 * delay; }
constexpr u32 sunEntry(u32 index) { return SunTable + 4 * index; }
constexpr u32 timerRow(u32 row) { return TimerTable + TimerEntrySize * row; }
constexpr u32 stepRecord(u32 slot) { return ProgramSteps + StepRecordSize * slot; }
constexpr u32 stepEvent(u32 slot) { return StepEvents + 2 * slot; }
constexpr u32 actionRecord(u32 record) { return ActionTable + ActionRecordSize * record; }
constexpr u32 programFirstStep(u32 program) { return ProgramFirstStep + 4 * program; }
constexpr u32 programStepCount(u32 program) { return ProgramStepCount + 2 * program; }
constexpr u32 programChainedEvent(u32 program) { return ProgramChainedEvent + 2 * program; }
constexpr u32 programRecurrences(u32 program) { return ProgramRecurrences + 2 * program; }
constexpr u32 extraEntry(u32 program) { return ExtraEntryTable + 4 * program; }
constexpr u32 programBreakFadeDown(u32 program) { return ProgramBreakFadeDown + 2 * program; }

// Controller addresses.
constexpr u32 controllerAddress(u32 offset) { return ControllerBase + offset; }
constexpr u32 FirstStepSlotAddress = ControllerBase + ProgramSteps;  // 0x621A0000
// The controller address stored for a program whose first step lies in this slot.
constexpr u32 stepSlotAddress(u32 slot) { return FirstStepSlotAddress + StepRecordSize * slot; }
// The slot of a stored first-step address (unsigned arithmetic, as the controller does).
constexpr u32 stepSlotOfAddress(u32 address) { return (address - FirstStepSlotAddress) / StepRecordSize; }

// Every region of the image, in order; together they cover the image exactly once.
struct region {
    u32 offset;
    u32 size;
    const char *name;
};

constexpr region Regions[] = {
    {UnusedHead, 0x2000, "unused, never sent"},
    {TimerTable, 0x2000, "timer table"},
    {DmxOutSettings, 0x800, "DMX output channel settings"},
    {InputTypes, 0x60, "input types"},
    {StartUpTime, 2, "start-up time"},
    {ShutDownTime, 2, "shut-down time"},
    {OutputChannelLimit, 2, "output channel limit"},
    {DmxEventFirstChannel, 2, "DMX-out event first channel"},
    {DmxEventLastChannel, 2, "DMX-out event last channel"},
    {ExternalPanel, 2, "external panel"},
    {Unused486C, 2, "unused"},
    {DmxInLimit, 2, "DMX-in limit"},
    {SunEventDelays, 2, "sun event delays"},
    {DaylightSaving, 2, "daylight saving"},
    {Unused4874, 4, "unused"},
    {OrdinaryProgramCount, 2, "ordinary program count"},
    {MbftCode, 2, "MBFT code"},
    {Unused487C, 0x44, "unused"},
    {CouplingTableA, 0x80, "coupling table A"},
    {CouplingTableB, 0x80, "coupling table B"},
    {Unused49C0, 0x40, "unused"},
    {SunTable, 0x5F4, "sun table"},
    {TimeZone, 4, "time zone"},
    {Longitude, 4, "longitude"},
    {Latitude, 4, "latitude"},
    {MaskTimes, 0x800, "mask times"},
    {DelayTable, 0x800, "delays"},
    {UnusedSentOnly, 0xA000, "unused, sent only"},
    {SceneLevels, 0x180000, "scene levels"},
    {SceneTimes, 0x6000, "scene times"},
    {ProgramFirstStep, 0x800, "program first-step addresses"},
    {ProgramStepCount, 0x400, "program step counts"},
    {ProgramChainedEvent, 0x400, "program chained events"},
    {ProgramRecurrences, 0x400, "program recurrences"},
    {StepEvents, 0x4000, "step events"},
    {ExtraEntryTable, 0x800, "extra entries"},
    {ProgramBreakFadeDown, 0x400, "fade-down after a break"},
    {Unused19C000, 0x4000, "unused"},
    {ProgramSteps, 0x10000, "program steps"},
    {ActionTable, 0x30000, "event actions"},
    {MaskLevels, 0x20000, "mask levels"},
};

} // namespace image_layout
