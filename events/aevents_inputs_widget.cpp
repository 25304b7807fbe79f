#include "events/aevents_inputs_widget.h"

aevents_inputs_widget::aevents_inputs_widget(QWidget *parent)
    : stand_in_page(tr("The editor of input events is not built yet: their actions are kept as the configuration holds them."), parent)
{
    refresh();
}

void aevents_inputs_widget::refresh()
{
}
