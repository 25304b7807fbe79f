#pragma once

#include "model/types.h"

#include <QList>

class controller_configuration_class;

// The delay chain of one sequence: its start event starts the delay of step 1, and the end
// event of each step's delay starts the delay of the next step, by Delay Start actions (the
// step links). Every operation here keeps the chain whole in the configuration given: the
// sequence's step list, the delays in use, the delay words of the image and the actions.
//
// A delay is free when no Delay Start action starts it. A free delay may still hold a time
// or end actions that the user gave it on the delays' own page: a step takes such a delay
// only when the user agreed, since taking it replaces both.
//
// An entry NoDelay in the step list is a step that got no delay (none was free). It names
// no event: what would move actions from or to its event, or link it, is skipped.
//
// The chain holds nothing of its own; make one where it is needed.
class aseq_delay_chain
{
public:
    static constexpr u16 NoDelay = 0xFFFF;

    aseq_delay_chain(controller_configuration_class &configuration, int sequence);

    // ============================================================ the chain
    int sequence() const { return seq; }
    const QList<u16> &steps() const;
    int stepCount() const;
    // The event of a row of the step table: the start event for row 0, the end event of
    // step r's delay for row r (1..n; row n is the finish row). NoEvent (0xFFFF) for a row
    // outside 0..n, for row 0 of a sequence without steps, and for a step without a delay.
    u16 rowEvent(int row) const;

    // ============================================================ delays
    // Whether a delay was set up on its own: it holds a time or its end event has actions.
    // A free delay like that is someone's work; a step takes it only when allowed.
    bool isSetUp(u16 delay) const;
    // The number of delays resize(n) and insertStep(row) would take.
    int delaysToResize(int n) const;
    int delaysToInsert(int row) const;
    // The free delays set up on their own that taking `count` delays would take over, lowest
    // first: those needed beyond the free delays that hold neither a time nor end actions.
    QList<u16> takeOvers(int count) const;
    // From now on a step may take over these delays set up on their own (the user agreed to
    // them, as takeOvers() named them), once no other free delay is left.
    void allowTakeOvers(const QList<u16> &delays) { agreedTakeOvers = delays; }
    // The lowest free delay that was not set up on its own (or, when no such delay is left,
    // the lowest allowed one that was), taken for this sequence: listed in use, time one
    // tenth, owned by the sequence. -1 when no delay may be taken.
    int allocateDelay();
    // Gives a delay back: its word becomes free and its first listing in use goes.
    void freeDelay(u16 delay);

    // ============================================================ editing the steps
    // Gives the sequence n steps: shrinking keeps the finish actions on the new finish row,
    // growing moves them to the new last step. Growing first drops the steps without a
    // delay at the end, so the new steps follow the last step that has one. False when
    // some new step got no delay (it is then a NoDelay entry).
    bool resize(int n);
    // Inserts a new step before step `row` (0..n-1): the new step starts with no actions of
    // its own and the step that was at `row` moves down with its actions. False, and
    // nothing changed, when no delay is free. Nothing changes either after a step without
    // a delay, which could not start the new one. The event of `row` after the insertion
    // is what the row shows.
    bool insertStep(int row);
    // Deletes step `row` (0..n-1): the actions of the rows below move up one row, the
    // actions that started the deleted step go, and its delay is freed. Returns the event
    // of `row` after the deletion (the start event when the first step went), NoEvent
    // when nothing was deleted.
    u16 deleteStep(int row);
    // For every scene and program that row - 1 switches on (operation On), adds an Off
    // action to `row` unless one is there already.
    void finishPreviousStep(int row);
    // How many Off actions finishPreviousStep(row) would add.
    int actionsToFinishPreviousStep(int row) const;

private:
    QList<u16> &list();
    bool isFree(u16 delay) const;
    // The number of steps left once the steps without a delay at the end are dropped.
    int stepsWithDelayAtTheEnd() const;
    // The event that starts step `step` (0..n): the start event, or the end of the step
    // before; step n is the finish row.
    u16 eventBefore(int step) const;
    void removeLastStep();
    void dropTrailingStepsWithoutDelay();
    bool appendStep();
    // Moves the actions of `from` to `to`, dropping what `to` held (see dropActions).
    void moveActions(u16 from, u16 to, u16 cutLink);
    // The actions of an event are about to go: the delays they start are listed in use
    // once less, except the step link to cutLink, whose delay is freed on its own.
    void dropActions(u16 event, u16 cutLink);
    void addStepLink(u16 event, u16 delay);
    bool hasOffAction(u16 event, int type, int number) const;
    // The (type, number) of every scene and program row - 1 switches on that `row` does
    // not switch off yet, in the order of row - 1's actions.
    QList<QPair<int, int>> missingOffActions(int row) const;

    controller_configuration_class &config;
    const int seq;
    QList<u16> agreedTakeOvers;
};
