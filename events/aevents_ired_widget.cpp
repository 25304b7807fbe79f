#include "events/aevents_ired_widget.h"

aevents_ired_widget::aevents_ired_widget(QWidget *parent)
    : stand_in_page(tr("The editor of remote-control key events is not built yet: their actions are kept as the configuration holds them."), parent)
{
    refresh();
}

void aevents_ired_widget::refresh()
{
}
