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
    recordStandInCall(QStringLiteral("events.dmxout.setChannelRange %1 %2").arg(first).arg(last));
    firstChannel = first;
    lastChannel = last;
}

void aevents_dmxout_widget::refresh()
{
    recordStandInCall(QStringLiteral("events.dmxout.refresh"));
}
