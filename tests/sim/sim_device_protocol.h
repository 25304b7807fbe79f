#pragma once

#include "model/types.h"

// Every value the simulated controller shows the host or expects from it, written down
// here from what is stated of the controller and nowhere taken from the program's own
// link code: a wrong value in the link must then meet a controller that does not answer
// it, as a real one would not. Numbers the host puts into wValue and wIndex travel high
// byte first; the controller reads them that way (sim_setup::value(), index()).
namespace sim_protocol {

// --- Identity and endpoints --------------------------------------------------------------
constexpr u16 VendorId = 0x16C0;
constexpr u16 ProductId = 0x05D5;
constexpr u16 ProductIdOlder = 0x05D2;
constexpr int Configuration = 1;
constexpr int Interface = 0;
constexpr u8 BulkOutEndpoint = 0x02;
constexpr u8 BulkInEndpoint = 0x81;
// Every transfer of the host waits this long; the controller may take that long to answer.
constexpr unsigned TransferTimeoutMs = 15000;

// Model codes (reply to ModelCode): the current and the older model.
constexpr int ModelCurrent = 0x5F;
constexpr int ModelOlder = 0x5A;

// The serial number is string descriptor iSerialNumber: 13 UTF-16LE characters. The host
// re-reads it at this fixed index, so the controller keeps it there.
constexpr u8 StringDescriptorType = 3;
constexpr u8 SerialStringIndex = 0x2A;
// While its firmware loader runs a controller presents this serial number.
inline constexpr char LoaderSerial[] = "005A0000-0000";

// --- Control transfers --------------------------------------------------------------------
// bmRequestType: vendor requests to the device, out and in; a standard request in.
constexpr u8 VendorOut = 0x40;
constexpr u8 VendorIn = 0xC0;
constexpr u8 StandardIn = 0x80;
constexpr u8 GetDescriptor = 6;
// The largest data stage a vendor request carries.
constexpr int ControlDataMax = 64;

// bRequest of the vendor requests.
namespace request {
enum : u8 {
    Restart = 0x01,
    Status = 0x03,
    Freeze = 0x04,
    Unfreeze = 0x05,
    FireEvent = 0x06,
    ReadClock = 0x07,
    SetClock = 0x08,
    FirmwareVersion = 0x09,
    SetMode = 0x0A,
    LiveChannel = 0x0B,
    ReadBlocks8K = 0x0F,
    ReadBlocks64K = 0x10,
    LiveScene = 0x11,
    WriteBlock = 0x14,
    FirmwareUpgrade = 0x15,
    FirmwareReadBlock = 0x16,
    StateFlag = 0x18,
    Rcu = 0x19,
    ClockCalibration = 0x1A,
    Monitor = 0x1B,
    ReadDmxOutput = 0x1C,
    ModelCode = 0xFF,
};
} // namespace request

// Data stages of the in-requests and of SetClock.
constexpr int StatusReplySize = 8;
constexpr int FirmwareVersionSize = 4;
constexpr int ModelCodeSize = 2;
constexpr int StateFlagSize = 2;
constexpr int ClockRecordSize = 8;
constexpr int RcuReplySize = 4;

// --- The status word: the first u32 (little-endian) of the Status reply -------------------
namespace status {
enum : u32 {
    Frozen = 0x20,
    Loader = 0x100,          // the loader runs, or a restart is still pending
    Configuration = 0x200,
    Live = 0x400,
    ModeBits = 0x1F00,       // all clear: normal mode
    Ready = 0x20000,         // ready to take the announced frame
    Busy = 0x40000,
    Done = 0x80000,          // the frame is done, or the data asked for is ready
    Failed = 0x100000,
};
} // namespace status

// wValue of SetMode.
namespace mode {
enum : int { Normal = 1, Configuration = 3, Live = 4 };
} // namespace mode

// --- Bulk frames: command u8 | sub u8 | L u16 | address u32 | L + 1 data bytes | checksum ---
constexpr int FrameOverhead = 12;
namespace frame_command {
enum : u8 {
    LiveScene = 0x11,       // sub 0, address 0, 512 levels
    Configuration = 0x14,   // sub the block counter, address ImageBase + offset
    Firmware = 0x15,        // sub the block index, address FlashBase + flash address
};
} // namespace frame_command

// The configuration memory: 2 MB at this controller address; read and written in blocks of
// 8 KB and 64 KB; read requests give their start offset in units of 256 bytes.
constexpr u32 ImageBase = 0x62000000;
constexpr int ImageSize = 0x200000;
constexpr int SmallBlock = 0x2000;
constexpr int LargeBlock = 0x10000;
constexpr int OffsetUnit = 256;

// Live editing: one scene of 512 channel levels; LiveScene carries wValue 1 unswapped.
constexpr int LiveChannels = 512;
constexpr u16 LiveSceneWireValue = 0x0001;

// The clock: byte 7 of the record is the calibration; codes run 0..0x3F.
constexpr int CalibrationByte = 7;
constexpr int MaxCalibrationCode = 0x3F;

// --- The firmware loader -------------------------------------------------------------------
// Flash blocks by index: start address and size; frames address them at FlashBase + address.
struct flash_block {
    u32 address;
    int size;
};
constexpr flash_block FlashBlocks[] = {
    {0x8000, 0x8000}, {0x10000, 0x10000}, {0x20000, 0x10000}, {0x30000, 0x10000}, {0xC0000, 0x4000},
};
constexpr int FlashBlockCount = int(sizeof(FlashBlocks) / sizeof(FlashBlocks[0]));
constexpr u32 FlashBase = 0x40000000;
// wIndex of FirmwareUpgrade; FirmwareReadBlock gives the flash address in units of 256.
constexpr int UpgradeIndex = 0x80;
constexpr int FlashPage = 256;

// --- Remote control: the sub-command of Rcu, in wIndex --------------------------------------
namespace rcu {
enum : int { Result = 0, ReadKey = 1, LearnAddress = 2, LearnKey = 3, SetAddress = 4, WriteKey = 5, Save = 6 };
constexpr int KeyCount = 64;
constexpr u8 MaxAddress = 31;
constexpr u8 None = 0xFF;
} // namespace rcu

// --- Monitor: the command of Monitor, in wValue ----------------------------------------------
namespace monitor {
enum : int { InputStates = 0, Start = 2, Stop = 3, ReportLength = 6 };
constexpr int InputStatesSize = 3;
constexpr int ReportLengthSize = 2;
constexpr int InputCount = 24;
// DMX output values sent per read: 32, or 64 from firmware 3.00.0011 on.
constexpr int DmxValuesOlder = 32;
constexpr int DmxValues = 64;
constexpr int ReportLengthMin = 26;
constexpr int ReportLengthMax = 2400;
} // namespace monitor

} // namespace sim_protocol
