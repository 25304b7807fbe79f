#include "programs/aseq_delay_chain.h"

#include "model/controller_configuration_class.h"
#include "model/delay_entry_class.h"
#include "model/event_action_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"

using image_layout::DelayCount;
using image_layout::SequenceCount;

namespace {

bool isDelay(u16 entry)
{
    return entry < DelayCount;
}

// What a new delay of a sequence holds until the user gives it a time: one tenth.
constexpr u32 NewDelayTime = 1;

} // namespace

aseq_delay_chain::aseq_delay_chain(controller_configuration_class &configuration, int sequence)
    : config(configuration)
    , seq(qBound(0, sequence, int(SequenceCount) - 1))
{
}

const QList<u16> &aseq_delay_chain::steps() const
{
    return config.sequenceDelays[seq];
}

QList<u16> &aseq_delay_chain::list()
{
    return config.sequenceDelays[seq];
}

int aseq_delay_chain::stepCount() const
{
    return int(steps().size());
}

u16 aseq_delay_chain::rowEvent(int row) const
{
    const int n = stepCount();
    if (n == 0 || row < 0 || row > n)
        return NoEvent;
    return eventBefore(row);
}

u16 aseq_delay_chain::eventBefore(int step) const
{
    if (step == 0)
        return sequenceStartEvent(u32(seq));
    const u16 previous = steps().value(step - 1, NoDelay);
    return isDelay(previous) ? delayEndEvent(previous) : NoEvent;
}

// ============================================================ delays

bool aseq_delay_chain::isFree(u16 delay) const
{
    return !config.delaysInUse.contains(delay);
}

bool aseq_delay_chain::isSetUp(u16 delay) const
{
    if (!isDelay(delay))
        return false;
    return delay_entry_class(readU32(config.confData, image_layout::delayEntry(delay))).hasTime()
        || config.eventActions.count(delayEndEvent(delay)) > 0;
}

int aseq_delay_chain::delaysToResize(int n) const
{
    n = qBound(0, n, int(DelayCount));
    return n > stepCount() ? n - stepsWithDelayAtTheEnd() : 0;
}

int aseq_delay_chain::delaysToInsert(int row) const
{
    return row >= 0 && row < stepCount() && eventBefore(row) != NoEvent ? 1 : 0;
}

QList<u16> aseq_delay_chain::takeOvers(int count) const
{
    int untouched = 0;
    QList<u16> setUp;
    for (u16 d = 0; d < DelayCount; ++d) {
        if (!isFree(d))
            continue;
        if (isSetUp(d))
            setUp.append(d);
        else
            ++untouched;
    }
    return setUp.mid(0, qMax(0, count - untouched));
}

int aseq_delay_chain::allocateDelay()
{
    int taken = -1;
    int setUp = -1;
    for (u16 d = 0; d < DelayCount && taken < 0; ++d) {
        if (!isFree(d))
            continue;
        if (!isSetUp(d))
            taken = d;
        else if (setUp < 0 && agreedTakeOvers.contains(d))
            setUp = d;
    }
    if (taken < 0)
        taken = setUp;
    if (taken < 0)
        return -1;
    config.delaysInUse.append(u16(taken));
    writeU32(config.confData, image_layout::delayEntry(u32(taken)), delay_entry_class(NewDelayTime, u32(seq)).word);
    return taken;
}

void aseq_delay_chain::freeDelay(u16 delay)
{
    if (!isDelay(delay))
        return;
    writeU32(config.confData, image_layout::delayEntry(delay), delay_entry_class::Free);
    config.delaysInUse.removeOne(delay);
}

// ============================================================ editing the steps

bool aseq_delay_chain::resize(int n)
{
    n = qBound(0, n, int(DelayCount));
    while (stepCount() > n)
        removeLastStep();
    if (stepCount() < n)
        dropTrailingStepsWithoutDelay();
    bool allGotDelays = true;
    while (stepCount() < n)
        allGotDelays &= appendStep();
    return allGotDelays;
}

void aseq_delay_chain::removeLastStep()
{
    const u16 d = list().takeLast();
    if (!isDelay(d))
        return;
    freeDelay(d);
    // The finish actions stay on the finish row, which is now the new last step's end (or
    // the start, when no step is left). What that event held, the link to d and the
    // actions that started the removed step, goes.
    const u16 finish = eventBefore(stepCount());
    if (finish != NoEvent)
        moveActions(delayEndEvent(d), finish, d);
}

int aseq_delay_chain::stepsWithDelayAtTheEnd() const
{
    int n = stepCount();
    while (n > 0 && !isDelay(steps()[n - 1]))
        --n;
    return n;
}

void aseq_delay_chain::dropTrailingStepsWithoutDelay()
{
    // Steps without a delay are in no image, and nothing could start a step after them: a
    // delay taken there would stay owned by the sequence out of its reach. They drop out
    // as they do when the configuration is opened again, and new steps follow the last
    // step that has a delay, which holds the finish actions.
    list().resize(stepsWithDelayAtTheEnd());
}

bool aseq_delay_chain::appendStep()
{
    // The old finish row starts the new step; without an event there (a step without a
    // delay before) no delay is taken.
    const u16 previousFinish = eventBefore(stepCount());
    const int d = previousFinish != NoEvent ? allocateDelay() : -1;
    if (d < 0) {
        list().append(NoDelay);
        return false;
    }
    list().append(u16(d));
    // The finish actions follow the finish row down to the new step's end.
    moveActions(previousFinish, delayEndEvent(u32(d)), NoDelay);
    addStepLink(previousFinish, u16(d));
    return true;
}

bool aseq_delay_chain::insertStep(int row)
{
    if (row < 0 || row >= stepCount())
        return true;
    // After a step without a delay nothing could start the new step: its delay would stay
    // owned by the sequence out of its reach.
    const u16 e = eventBefore(row);
    if (e == NoEvent)
        return true;
    const int d = allocateDelay();
    if (d < 0)
        return false;
    list().insert(row, u16(d));
    // Row `row` keeps its event, which now starts the new step; what it held before moves
    // down with the step it started.
    moveActions(e, delayEndEvent(u32(d)), NoDelay);
    addStepLink(e, u16(d));
    return true;
}

u16 aseq_delay_chain::deleteStep(int row)
{
    if (row < 0 || row >= stepCount())
        return NoEvent;
    const u16 d = list().takeAt(row);
    const u16 e = eventBefore(row);
    if (!isDelay(d))
        return e;
    // The rows below move up with their actions: the deleted step's end hands its
    // actions, and its link to the next step, to the event that started the step.
    if (e != NoEvent)
        moveActions(delayEndEvent(d), e, d);
    freeDelay(d);
    return e;
}

void aseq_delay_chain::finishPreviousStep(int row)
{
    const QList<QPair<int, int>> missing = missingOffActions(row);
    if (missing.isEmpty())
        return;
    const u16 current = rowEvent(row);
    event_actions_class &store = config.eventActions;
    for (const auto &[type, number] : missing) {
        const int j = store.appendAction(current);
        store.setType(current, j, type);
        store.setOperation(current, j, OperationOff);
        store.setNo(current, j, number);
    }
}

int aseq_delay_chain::actionsToFinishPreviousStep(int row) const
{
    return int(missingOffActions(row).size());
}

QList<QPair<int, int>> aseq_delay_chain::missingOffActions(int row) const
{
    QList<QPair<int, int>> missing;
    if (row <= 0 || row > stepCount())
        return missing;
    const u16 previous = rowEvent(row - 1);
    const u16 current = rowEvent(row);
    if (previous == NoEvent || current == NoEvent)
        return missing;
    const event_actions_class &store = config.eventActions;
    const int count = qMax(0, store.count(previous));
    for (int i = 0; i < count; ++i) {
        const int type = store.type(previous, i);
        if ((type != ActionScene && type != ActionProgram) || store.operation(previous, i) != OperationOn)
            continue;
        const int number = store.no(previous, i);
        const QPair<int, int> off(type, number);
        // An On listed twice needs one Off only.
        if (!hasOffAction(current, type, number) && !missing.contains(off))
            missing.append(off);
    }
    return missing;
}

bool aseq_delay_chain::hasOffAction(u16 event, int type, int number) const
{
    const event_actions_class &store = config.eventActions;
    for (int j = store.count(event) - 1; j >= 0; --j) {
        if (store.type(event, j) == type && store.no(event, j) == number && store.operation(event, j) == OperationOff)
            return true;
    }
    return false;
}

void aseq_delay_chain::moveActions(u16 from, u16 to, u16 cutLink)
{
    if (from == to)
        return;
    dropActions(to, cutLink);
    config.eventActions.moveActions(from, to);
}

void aseq_delay_chain::dropActions(u16 event, u16 cutLink)
{
    // Every Delay Start action is one listing in the delays in use; one that goes takes
    // its listing with it, or the delay it started could never be taken again.
    const event_actions_class &store = config.eventActions;
    bool linkSeen = false;
    for (int j = 0; j < store.count(event); ++j) {
        if (store.type(event, j) != ActionDelay || store.operation(event, j) != OperationOn)
            continue;
        const u16 started = u16(store.no(event, j));
        if (!linkSeen && started == cutLink) {
            linkSeen = true;
            continue;
        }
        config.delaysInUse.removeOne(started);
    }
}

void aseq_delay_chain::addStepLink(u16 event, u16 delay)
{
    event_actions_class &store = config.eventActions;
    const int j = store.appendAction(event);
    store.setType(event, j, ActionDelay);
    store.setNo(event, j, delay);
    store.setOperation(event, j, OperationOn);
}
