#pragma once

#include "tests/sim/sim_engine.h"

// Who the controller is: its model code, its firmware version and its state flag.
class sim_identity_engine : public sim_engine
{
public:
    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;
};
