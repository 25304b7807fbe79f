#pragma once

// The whole program: application object, controller, main window, event loop.
// The executable calls it; the test build calls it with the simulated controller attached.
int varidexMain(int argc, char **argv);
