#include "scenes/amask_settings_widget.h"

#include "link/kd620_controller_class.h"

amask_settings_widget::amask_settings_widget(kd620_controller_class *controller, QWidget *parent)
    : stand_in_page(tr("The mask editor is not built yet: masks are kept as the configuration holds them."), parent)
{
    currentController = controller;
    refresh();
}

void amask_settings_widget::refresh()
{
}

void amask_settings_widget::limitChnls(int channels)
{
    chnlsInUse = channels;
}

void amask_settings_widget::destTmpDev()
{
    delete tmpDev;
    tmpDev = nullptr;
}
