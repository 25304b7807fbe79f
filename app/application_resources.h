#pragma once

// Registers the compiled-in icons and flags (":/vd_sh.png", ":/en.png", ...). The library
// is static, so the resources are registered by a call rather than by the loader; calling
// again does nothing.
void initApplicationResources();
