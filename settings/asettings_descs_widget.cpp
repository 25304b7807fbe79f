#include "settings/asettings_descs_widget.h"

asettings_descs_widget::asettings_descs_widget(QWidget *parent)
    : stand_in_page(tr("The descriptions editor is not built yet: descriptions are kept as the configuration "
                       "holds them."),
                    parent)
{
}

void asettings_descs_widget::refresh()
{
}
