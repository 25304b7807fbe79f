#include "programs/copied_program.h"

#include "model/program_class.h"

copied_program copied_program::of(const program_class &p)
{
    copied_program copy;
    for (const program_step_class *s : p.steps)
        copy.steps.append(*s);
    copy.recurrences = p.recurrences;
    if (!copy.steps.isEmpty())
        copy.fadeDown = copy.steps.last().fadeDown;
    return copy;
}
