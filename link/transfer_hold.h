#pragma once

class kd620_controller_class;

// For its lifetime a transfer holds the link to the controller (a whole-configuration send
// or read, a firmware upgrade or verification): the controller's transferHoldsLink() is
// true, so the clock display and the monitor leave the controller alone, and the user's
// input is held off, so nothing the user does runs inside the transfer. A hold begun
// between two block cycles of a send holds the link again until it ends. Holds nest.
// Live scenes and levels asked for meanwhile wait: when the last hold ends, the scene
// last asked for is shown.
class transfer_hold
{
public:
    explicit transfer_hold(kd620_controller_class &controller);
    ~transfer_hold();

    transfer_hold(const transfer_hold &) = delete;
    transfer_hold &operator=(const transfer_hold &) = delete;

private:
    kd620_controller_class &controller;
    bool openedBetweenBlockCycles;
};
