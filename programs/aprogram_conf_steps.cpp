// The step operations of the step table: inserting, deleting, copying and pasting steps
// and numbering scenes in sequence. They are not built yet: the page's buttons for them
// stay disabled, and the keys that run them change nothing.
#include "programs/aprogram_conf_widget.h"

void aprogram_conf_widget::insertStep()
{
}

void aprogram_conf_widget::deleteStep()
{
}

void aprogram_conf_widget::copyStep()
{
}

void aprogram_conf_widget::pasteStep()
{
}

void aprogram_conf_widget::fillSteps()
{
}
