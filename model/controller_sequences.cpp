#include "model/controller_configuration_class.h"

#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"

using namespace image_layout;

namespace {

// A Delay Start action: type Delay, operation Start, in one byte.
bool startsDelay(const event_action_class &a)
{
    return a.typeOperation == (OperationOn << 4 | ActionDelay);
}

// Whether delay d is a step of sequence q. Numbers outside the delay table (0x8000 stands
// for all delays) belong to no sequence.
bool delayOwnedBy(const u8 *image, u32 d, u32 q)
{
    return d < DelayCount && delay_entry_class(readU32(image, delayEntry(d))).isOwnedBy(q);
}

} // namespace

void controller_configuration_class::rebuildSequences()
{
    delaysInUse.clear();
    for (QList<u16> &sequence : sequenceDelays)
        sequence.clear();

    // Every Delay Start action of the table; the ones of a sequence's start event that
    // start a delay of that sequence are its first steps. Records the action store does
    // not take are no actions.
    for (u32 r = 0; r < ActionRecordCount; ++r) {
        const event_action_class a = event_action_class::read(confData, actionRecord(r));
        if (!startsDelay(a) || a.no == 0xFFFF || !isEventCode(a.event))
            continue;
        delaysInUse.append(a.no);
        const u32 q = u32(a.event) - EventSequence;
        if (q < SequenceCount && delayOwnedBy(confData, a.no, q))
            sequenceDelays[q].append(a.no);
    }

    // Each following step is the delay of the sequence that the end of the last step
    // starts. A chain that comes back to a delay already in the list ends there, and no
    // sequence holds more than every delay once.
    for (u32 q = 0; q < SequenceCount; ++q) {
        QList<u16> &steps = sequenceDelays[q];
        while (!steps.isEmpty() && steps.size() < int(DelayCount)) {
            const u16 endEvent = delayEndEvent(steps.last());  // every step is a delay of q
            int next = -1;
            for (int j = 0; j < qMax(0, eventActions.count(endEvent)); ++j) {
                const event_action_class *a = eventActions.action(endEvent, j);
                if (startsDelay(*a) && delayOwnedBy(confData, a->no, q)) {
                    next = a->no;
                    break;
                }
            }
            if (next < 0 || steps.contains(u16(next)))
                break;
            steps.append(u16(next));
        }
    }
}
