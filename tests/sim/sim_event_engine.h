#pragma once

#include "tests/sim/sim_engine.h"

// Events fired from the host (the Settings/Other page's generator).
class sim_event_engine : public sim_engine
{
public:
    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;

    // The event codes fired, in order, as the controller reads them.
    QList<int> fired;
};
