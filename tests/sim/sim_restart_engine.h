#pragma once

#include "tests/sim/sim_engine.h"

// Restart: the controller acknowledges, drops off the bus (at once, or a moment later with
// the loader bit showing the pending restart), comes back with the loader bit set until its
// restart completes, then runs normally. When asked to (restartIntoLoader) it comes
// back as its firmware loader instead; a restart in the loader brings the firmware back.
class sim_restart_engine : public sim_engine
{
public:
    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;
};
