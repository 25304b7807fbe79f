#pragma once

#include "tests/sim/sim_engine.h"

// Working modes (normal, configuration, live) and freezing the output.
class sim_mode_engine : public sim_engine
{
public:
    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;
};
