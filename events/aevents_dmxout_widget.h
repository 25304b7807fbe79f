#pragma once

#include "widgets/stand_in_page.h"

// The page of the DMX output channel events. Its action editor is not built yet; the page
// keeps the channel range whose events the controller generates.
class aevents_dmxout_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit aevents_dmxout_widget(QWidget *parent);

    // 1-based channel range; empty (first above last) while the events are off.
    int firstChannel = 65;
    int lastChannel = 64;
    void setChannelRange(int first, int last);

public slots:
    void refresh();
};
