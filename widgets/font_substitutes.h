#pragma once

// Our forms name the Windows fonts their fixed pixel layouts were drawn for ("MS Shell Dlg",
// "Tahoma", "Arial", "Arial Narrow"). Elsewhere those names fall to the platform's default
// face, which is much wider, and texts no longer fit the widgets measured for them. This maps
// each name to the free font made with the same widths where that font is installed; without
// it the platform's fallback stays. Call it once the application object exists and before the
// first widget is built: the program, and every tool or test that measures our texts, so
// they measure with the faces the program shows.
void substituteWindowsFonts();
