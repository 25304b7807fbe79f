#pragma once

#include "model/program_step_class.h"
#include "model/types.h"

#include <QList>

class controller_configuration_class;

// The programs a copy is about to overwrite, as they stand before it: each program of the
// destination range (or that the store does not hold it), whole, and its fade-down after a
// break. Restoring gives them back exactly, so a cancelled or refused copy leaves the
// configuration as it found it: infinite steps keep their durations, empty programs stay
// in the store, and no break word keeps a copied value.
class program_copy_snapshot
{
public:
    // Programs first..last (0-based, within 0..511) of c.
    program_copy_snapshot(const controller_configuration_class &c, int first, int last);

    void restore(controller_configuration_class &c) const;

private:
    struct kept_program {
        int number = 0;
        bool held = false;  // false: the store did not hold it
        u16 recurrences = 1;
        QList<program_step_class> steps;
        u16 breakFadeDown = 0;
    };
    QList<kept_program> programs;
};
