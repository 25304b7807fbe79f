#pragma once

#include "widgets/stand_in_page.h"

class kd620_controller_class;

// The mask page. Its editor is not built yet: the page keeps what the main window uses.
class amask_settings_widget : public stand_in_page
{
    Q_OBJECT

public:
    amask_settings_widget(kd620_controller_class *controller, QWidget *parent);

    // DMX output channels in use, 24..64.
    int chnlsInUse = 64;
    // The controller of another configuration file to copy from, or null; owned.
    kd620_controller_class *tmpDev = nullptr;

public slots:
    void refresh();
    void limitChnls(int channels);
    void destTmpDev();
};
