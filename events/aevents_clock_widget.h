#pragma once

#include "widgets/stand_in_page.h"

// The page of the timer events, sunrise and sunset among them. Its action editor is not built yet.
class aevents_clock_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit aevents_clock_widget(QWidget *parent);

public slots:
    void refresh();
};
