#include "events/aevents_dmxout_widget.h"

aevents_dmxout_widget::aevents_dmxout_widget(QWidget *parent)
    : stand_in_page(tr("The editor of DMX output events is not built yet: their actions are kept as the "
                       "configuration holds them."),
                    parent)
{
    refresh();
}

void aevents_dmxout_widget::setChannelRange(int first, int last)
{
    firstChannel = first;
    lastChannel = last;
}

void aevents_dmxout_widget::refresh()
{
}
