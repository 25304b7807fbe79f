#pragma once

#include "model/event_code.h"
#include "model/image_access.h"
#include "model/types.h"

#include <cstddef>

// Object types of an action: the low nibble of byte 4.
enum action_type : u8 {
    ActionScene = 0,
    ActionProgram = 1,
    ActionEnabling = 2,
    ActionSetStatus = 3,
    ActionSaveShow = 4,
    ActionDelay = 5,
    ActionSequence = 6,
    ActionMask = 7,
};

// Operations of an action: the high nibble of byte 4. The same value means On, Enable,
// Activate, Save or Start depending on the object type (and Off, Disable, Deactivate or
// Restore for 4).
enum action_operation : u8 {
    OperationOn = 0,
    OperationNextStep = 1,
    OperationToggle = 2,
    OperationFreeze = 3,
    OperationOff = 4,
    OperationUnfreeze = 5,
    OperationExclusiveOn = 6,
    OperationRestart = 7,
    OperationIncrease = 8,
    OperationDecrease = 9,
    OperationSetIntensity = 10,
};

// One action of an event: 24 bytes, laid out as the controller's action record.
// A two-bit state condition with bit 0 set ignores the state; 2 runs only while the state
// is set, 0 only while it is unset.
struct event_action_class {
    static constexpr u16 AllObjects = 0x8000;
    static constexpr u8 NoDaytimeLimit = 0xFF;
    static constexpr u8 IgnoreStates = 0xFF;
    static constexpr u32 IgnoreStateWord = 0xFFFFFFFF;
    static constexpr u32 RecordSize = 24;
    static constexpr int StateWordCount = 4;

    u16 event = NoEvent;       // owning event
    u16 no = 0;                // object number, 0-based; 0x8000 all objects of the type
    u8 typeOperation = OperationOff << 4 | ActionScene;
    u8 daytimeFrom = NoDaytimeLimit;  // units of 10 minutes; 0xFE with the special ends
    u8 daytimeTo = NoDaytimeLimit;
    u8 statesA = IgnoreStates;        // A1..A4, two bits each
    u32 states[StateWordCount] = {IgnoreStateWord, IgnoreStateWord, IgnoreStateWord, IgnoreStateWord};  // B-C, D-E, F-G, H-I

    // A new action of an event: Scene, Off, no limits.
    static event_action_class newAction(u16 code)
    {
        event_action_class a;
        a.event = code;
        return a;
    }

    // What the encoder writes into an action record that carries no action.
    static event_action_class emptyRecord()
    {
        event_action_class a;
        a.event = NoEvent;
        a.no = 0xFFFF;
        for (u32 &w : a.states)
            w = 0;
        return a;
    }

    int type() const { return typeOperation & 0x0F; }
    int operation() const { return typeOperation >> 4; }
    void setType(int t) { typeOperation = u8((typeOperation & 0xF0) | (t & 0x0F)); }
    void setOperation(int op) { typeOperation = u8((typeOperation & 0x0F) | ((op & 0x0F) << 4)); }

    static event_action_class read(const u8 *data, u32 offset)
    {
        event_action_class a;
        a.event = readU16(data, offset);
        a.no = readU16(data, offset + 2);
        a.typeOperation = data[offset + 4];
        a.daytimeFrom = data[offset + 5];
        a.daytimeTo = data[offset + 6];
        a.statesA = data[offset + 7];
        for (int i = 0; i < StateWordCount; ++i)
            a.states[i] = readU32(data, offset + 8 + 4 * u32(i));
        return a;
    }

    void write(u8 *data, u32 offset) const
    {
        writeU16(data, offset, event);
        writeU16(data, offset + 2, no);
        data[offset + 4] = typeOperation;
        data[offset + 5] = daytimeFrom;
        data[offset + 6] = daytimeTo;
        data[offset + 7] = statesA;
        for (int i = 0; i < StateWordCount; ++i)
            writeU32(data, offset + 8 + 4 * u32(i), states[i]);
    }

    bool operator==(const event_action_class &o) const
    {
        return event == o.event && no == o.no && typeOperation == o.typeOperation && daytimeFrom == o.daytimeFrom
            && daytimeTo == o.daytimeTo && statesA == o.statesA && states[0] == o.states[0]
            && states[1] == o.states[1] && states[2] == o.states[2] && states[3] == o.states[3];
    }
    bool operator!=(const event_action_class &o) const { return !(*this == o); }
};

// The record in memory has the image's layout, so both sides describe the same 24 bytes.
static_assert(sizeof(event_action_class) == event_action_class::RecordSize, "24-byte action record");
static_assert(offsetof(event_action_class, no) == 2 && offsetof(event_action_class, typeOperation) == 4
                  && offsetof(event_action_class, daytimeFrom) == 5 && offsetof(event_action_class, statesA) == 7
                  && offsetof(event_action_class, states) == 8,
              "action record fields at their image offsets");
