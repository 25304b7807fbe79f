#pragma once

#include "tests/sim/sim_engine.h"

// The status word: 8 bytes, the first u32 little-endian holds the status bits.
class sim_status_engine : public sim_engine
{
public:
    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;
};
