#pragma once

#include "model/types.h"

// An event of the controller: unsigned 16 bits, 0..4975. Every event carries a list of
// actions; program steps and program chains name events in the same space.
typedef u16 event_code;

constexpr u32 EventCount = 4976;
constexpr u16 NoEvent = 0xFFFF;  // so is every value above 4975

// First code of each range, in code order.
constexpr u16 EventDmxIn = 0x000;     // DMX input channel c: on 2c, off 2c + 1
constexpr u16 EventInternal = 0x400;  // internal events 1..1024; 0x400 is "Power On"
constexpr u16 EventTimer = 0x800;     // row = code - 0x800: 0 sunrise, 1 sunset, 2.. the timers
constexpr u16 EventDmxOut = 0xC00;    // DMX output channel c: on 0xC00 + 2c, off + 1
constexpr u16 EventDelay = 0x1000;    // end of delay d
constexpr u16 EventSequence = 0x1200; // start of sequence q
constexpr u16 EventRcuKey = 0x1280;   // key k: pressed 0x1280 + 3k, repeated + 1, released + 2
constexpr u16 EventInput = 0x1340;    // input n: on 0x1340 + 2n, off + 1
constexpr u16 EventEnd = 0x1370;      // one past the last event

constexpr u16 EventSunrise = EventTimer;
constexpr u16 EventSunset = EventTimer + 1;

constexpr bool isEventCode(long long code) { return code >= 0 && code < EventCount; }

constexpr u16 timerRowEvent(u32 row) { return u16(EventTimer + row); }
constexpr u16 delayEndEvent(u32 delay) { return u16(EventDelay + delay); }
constexpr u16 sequenceStartEvent(u32 sequence) { return u16(EventSequence + sequence); }
// kind: 0 pressed, 1 repeated, 2 released.
constexpr u16 rcuKeyEvent(u32 key, u32 kind) { return u16(EventRcuKey + 3 * key + kind); }
constexpr u16 inputEvent(u32 input, bool off) { return u16(EventInput + 2 * input + (off ? 1 : 0)); }

constexpr bool isRcuKeyEvent(u32 code) { return code >= EventRcuKey && code < EventInput; }
constexpr bool isInputEvent(u32 code) { return code >= EventInput && code < EventEnd; }
