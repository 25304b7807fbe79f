#include "model/step_clip_class.h"

step_clip_class::step_clip_class(int gap, const program_step_class &step)
    : gap(gap)
{
    this->step.copyPlayFrom(step);
}

step_clip_class::step_clip_class(const step_clip_class &other)
    : gap(other.gap)
{
    step.copyPlayFrom(other.step);
}

step_clip_class &step_clip_class::operator=(const step_clip_class &other)
{
    gap = other.gap;
    step.copyPlayFrom(other.step);
    step.event = program_step_class::NoEvent;
    return *this;
}
