// Clearing the configuration from the window: the clear dialog, then a reload.
#include "app/gui_class.h"

#include "app/clearConf_dialog.h"

void gui_class::ClearConfig(bool)
{
    clearConf_dialog::runModal(this);
    // Also when cancelled.
    fileRead();
}

void gui_class::ClearConfig()
{
    ClearConfig(true);
}
