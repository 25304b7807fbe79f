#pragma once

#include "model/types.h"

#include <QTime>

// One step of a program: a scene with its fade-up, duration and fade-down, and the event
// the step fires.
struct program_step_class {
    static constexpr u16 NoEvent = 0xFFFF;

    u16 scene = 0;                    // 0..3071
    u8 infinite = 0;                  // 1: the duration is infinite
    u16 event = NoEvent;              // event code fired by the step
    QTime fadeUp = QTime(0, 0);
    QTime duration = QTime(0, 0, 1);  // meaningless while infinite is 1
    QTime fadeDown = QTime(0, 0);     // reaches the controller for the last step only

    // Copies what the step plays (scene, infinite, the three times) from another step;
    // the event stays as it is. Copy and paste of steps never carry events along.
    void copyPlayFrom(const program_step_class &other)
    {
        scene = other.scene;
        infinite = other.infinite;
        fadeUp = other.fadeUp;
        duration = other.duration;
        fadeDown = other.fadeDown;
    }
};
