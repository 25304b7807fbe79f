#include "events/aevents_vkeys_widget.h"

aevents_vkeys_widget::aevents_vkeys_widget(QWidget *parent)
    : stand_in_page(tr("The editor of internal events is not built yet: their actions are kept as the configuration holds them."), parent)
{
    refresh();
}

void aevents_vkeys_widget::refresh()
{
}
