#pragma once

#include "widgets/stand_in_page.h"

// The page of the remote-control key events. Its action editor is not built yet.
class aevents_ired_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit aevents_ired_widget(QWidget *parent);

public slots:
    void refresh();
};
