#pragma once

#include "model/types.h"

// Type of an input, an i32 per input in the image; any other stored value reads as unused.
enum input_type : i32 {
    InputUnused = -1,
    InputNormallyOpen = 0,
    InputNormallyClosed = 1,
};

inline input_type inputTypeFromStored(i32 stored)
{
    return stored == InputNormallyOpen || stored == InputNormallyClosed ? input_type(stored) : InputUnused;
}
