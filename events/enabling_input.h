#pragma once

class event_actions_class;

// The one input or remote-control key whose events may carry Enabling actions
// (event_actions_class::enablingInput: input i as i, key k as k + 24, -1 none). The
// controller has room for one such input only: the store keeps the Enabling actions of
// that input or key alone when it writes them into the image.
namespace enabling_input {

// The value that an Enabling action of the event would claim: its input for either edge of
// an input, its key for any of a key's three events; -1 for every other event.
int claimedBy(int eventCode);
// Whether an event of that input or key still carries an Enabling action.
bool inUse(const event_actions_class &store, int value);
// Lets the enabling input go when it is `value` and no Enabling action is left on it.
void releaseIfUnused(event_actions_class &store, int value);

} // namespace enabling_input
