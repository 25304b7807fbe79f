#pragma once

#include "model/program_step_class.h"
#include "model/types.h"

#include <QList>

// One program: its steps in order (owned) and its recurrences. The step count is always
// the number of steps held.
class program_class
{
public:
    explicit program_class(int number);
    ~program_class();

    program_class(const program_class &) = delete;
    program_class &operator=(const program_class &) = delete;

    int stepCount() const { return int(steps.size()); }
    // The step at index, or null when there is none.
    program_step_class *stepAt(int index) const;
    // Takes ownership of s and adds it at the end; -1 (and nothing taken) when s is null.
    int appendStep(program_step_class *s);
    // Takes ownership of s and inserts it at index: at or below 0 at the front, at or above
    // the step count at the end. A null s is ignored.
    void insertStep(int index, program_step_class *s);
    // Deletes the step at index; nothing when there is none.
    void removeStep(int index);
    // Makes the program hold exactly n steps (a negative n counts as 0): appends default
    // steps, or deletes the steps from index n on.
    void setStepCount(int n);

    QList<program_step_class *> steps;  // owned
    int number = 0;                     // 0..511
    u16 recurrences = 1;                // 0 endless, 1..100
};
