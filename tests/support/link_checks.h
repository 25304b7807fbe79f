#pragma once

struct sim_link_fixture;

// Checks shared by the link tests of a controller that was lost on the way (QtTest
// macros: a failed check marks the running test failed).

// The connection has ended as a disconnect ends it: no mode, the serial and firmware texts
// blanked, one setConnectionStatus(false).
void verifyConnectionEnded(sim_link_fixture &f);
// The controller, back as its firmware a few seconds later, is connected again by a plain
// connect, as ever.
void verifyConnectsAgain(sim_link_fixture &f);
