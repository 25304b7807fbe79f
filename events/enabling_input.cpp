#include "events/enabling_input.h"

#include "model/event_actions_class.h"
#include "model/image_layout.h"

namespace enabling_input {

namespace {

constexpr int InputEdges = 2;   // On, Off
constexpr int KeyEvents = 3;    // pressed, repeated, released
constexpr int FirstKeyValue = int(image_layout::InputCount);

// The first event and the number of events of the input or key a value names.
bool eventsOf(int value, int &first, int &count)
{
    if (value >= 0 && value < FirstKeyValue) {
        first = inputEvent(u32(value), false);
        count = InputEdges;
        return true;
    }
    const int key = value - FirstKeyValue;
    if (key >= 0 && key < (EventInput - EventRcuKey) / KeyEvents) {
        first = rcuKeyEvent(u32(key), 0);
        count = KeyEvents;
        return true;
    }
    return false;
}

} // namespace

int claimedBy(int eventCode)
{
    return eventCode < 0 ? -1 : event_actions_class::enablingValueOf(u32(eventCode));
}

bool inUse(const event_actions_class &store, int value)
{
    int first = 0;
    int count = 0;
    if (!eventsOf(value, first, count))
        return false;
    for (int code = first; code < first + count; ++code) {
        for (int j = 0; j < store.count(u32(code)); ++j) {
            if (store.type(code, j) == ActionEnabling)
                return true;
        }
    }
    return false;
}

void releaseIfUnused(event_actions_class &store, int value)
{
    if (value >= 0 && store.enablingInput == value && !inUse(store, value))
        store.enablingInput = -1;
}

} // namespace enabling_input
