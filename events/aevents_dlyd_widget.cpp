#include "events/aevents_dlyd_widget.h"

aevents_dlyd_widget::aevents_dlyd_widget(QWidget *parent)
    : stand_in_page(tr("The editor of delays and their events is not built yet: they are kept as the configuration "
                       "holds them."),
                    parent)
{
    refresh();
}

void aevents_dlyd_widget::refresh(QWidget *)
{
}

void aevents_dlyd_widget::refresh()
{
    refresh(nullptr);
}
