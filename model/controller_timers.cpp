#include "model/controller_configuration_class.h"

#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"

using namespace image_layout;

namespace {

// Rows 0 and 1 of both tables belong to the sun events; the timers follow.
constexpr u32 FirstTimerRow = 2;

bool hasAction(const event_actions_class &actions, u32 code)
{
    return actions.count(code) > 0;
}

} // namespace

void controller_configuration_class::packTimers()
{
    timerTable[0].write(confData, timerRow(0));
    timerTable[1].write(confData, timerRow(1));
    u32 imageRow = FirstTimerRow;
    for (u32 r = FirstTimerRow; r < TimerRowCount; ++r) {
        timer_entry_class &row = timerTable[r];
        if (hasAction(eventActions, timerRowEvent(r)))
            row.event = timerRowEvent(r);
        else if (row.isEmpty())
            row.reset();
        // A row is in use once its event is set: the controller finds it by that event.
        if (row.event < EventDmxOut)
            row.write(confData, timerRow(imageRow++));
    }
    for (; imageRow < TimerRowCount; ++imageRow)
        timer_entry_class().write(confData, timerRow(imageRow));
}

void controller_configuration_class::unpackTimers()
{
    for (timer_entry_class &row : timerTable)
        row.reset();
    // The sun rows carry no time of their own; they are in use while sun events are on.
    if (readU16(confData, SunEventDelays) != SunEventsOff) {
        if (hasAction(eventActions, EventSunrise))
            timerTable[0].event = EventSunrise;
        if (hasAction(eventActions, EventSunset))
            timerTable[1].event = EventSunset;
    }
    for (u32 imageRow = FirstTimerRow; imageRow < TimerRowCount; ++imageRow) {
        const timer_entry_class row = timer_entry_class::read(confData, timerRow(imageRow));
        if (!row.isEmpty() && row.event >= EventTimer && row.event < EventDmxOut)
            timerTable[row.event - EventTimer] = row;
    }
    for (u32 r = FirstTimerRow; r < TimerRowCount; ++r) {
        if (hasAction(eventActions, timerRowEvent(r)))
            timerTable[r].event = timerRowEvent(r);
    }
}
