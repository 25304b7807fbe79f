#pragma once

#include "model/types.h"

// The sunrise/sunset table that clearing the sun settings puts in place: minute of the
// day for day of year 1..366 at entry 0..365, for the default location.
extern const u16 defaultSunrise[366];
extern const u16 defaultSunset[366];
