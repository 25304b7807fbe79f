#include "events/aevents_clock_widget.h"

aevents_clock_widget::aevents_clock_widget(QWidget *parent)
    : stand_in_page(tr("The editor of timer events is not built yet: timers and their actions are kept as the configuration holds them."), parent)
{
    refresh();
}

void aevents_clock_widget::refresh()
{
}
