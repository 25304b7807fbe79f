#pragma once

#include "model/program_step_class.h"
#include "model/types.h"

#include <QList>
#include <QTime>

class program_class;

// A program as a copy takes it from its source: its steps by value, in their own order,
// with the scenes of the source; its recurrences; and the fade-down the copy's last step
// gets, whichever way the steps are laid down.
struct copied_program {
    QList<program_step_class> steps;
    u16 recurrences = 1;
    QTime fadeDown = QTime(0, 0);

    // A program of the store as it stands: the fade-down is its last step's.
    static copied_program of(const program_class &p);
};
