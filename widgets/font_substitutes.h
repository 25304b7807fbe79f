#pragma once

// Our forms name the Windows fonts their fixed pixel layouts were drawn for ("MS Shell Dlg",
// "Tahoma", "Arial", "Arial Narrow"). Elsewhere those names fall to the platform's default
// face, which is much wider, and texts no longer fit the widgets measured for them. This maps
// each name to the free font made with the same widths where that font is installed; without
// it the platform's fallback stays.
//
// Windows that name no font of their own (message boxes, the file dialogs, the small editors
// that open as windows, menus) take the application's font, which would be the platform's;
// it becomes the forms' dialog font (formsDialogFont()), mapped as the forms' fonts are.
//
// Call it once the application object exists and before the first widget is built: the
// program, and every tool or test that measures our texts, so they measure with the faces the
// program shows.
void substituteWindowsFonts();

class QFont;

// "MS Shell Dlg" at 10 points, the font of the main window's form.
QFont formsDialogFont();
