#include "programs/program_copy_snapshot.h"

#include "model/controller_configuration_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"

program_copy_snapshot::program_copy_snapshot(const controller_configuration_class &c, int first, int last)
{
    for (int number = qMax(0, first); number <= last && number < int(image_layout::ProgramCount); ++number) {
        kept_program kept;
        kept.number = number;
        kept.breakFadeDown = readU16(c.confData, image_layout::programBreakFadeDown(u32(number)));
        if (const program_class *p = c.programList.find(number)) {
            kept.held = true;
            kept.recurrences = p->recurrences;
            for (const program_step_class *s : p->steps)
                kept.steps.append(*s);
        }
        programs.append(kept);
    }
}

void program_copy_snapshot::restore(controller_configuration_class &c) const
{
    for (const kept_program &kept : programs) {
        c.programList.remove(kept.number);
        writeU16(c.confData, image_layout::programBreakFadeDown(u32(kept.number)), kept.breakFadeDown);
        if (!kept.held)
            continue;
        auto *p = new program_class(kept.number);
        p->recurrences = kept.recurrences;
        for (const program_step_class &s : kept.steps)
            p->appendStep(new program_step_class(s));
        c.programList.append(p);
    }
}
