#pragma once

#include "model/program_step_class.h"

// One entry of the step table's clipboard: a copied step and its row distance (gap) to the
// previously copied one. A clip never carries the step's event: its event is always none.
class step_clip_class
{
public:
    step_clip_class(int gap, const program_step_class &step);
    step_clip_class(const step_clip_class &other);
    step_clip_class &operator=(const step_clip_class &other);

    int gap = 0;
    program_step_class step;
};
