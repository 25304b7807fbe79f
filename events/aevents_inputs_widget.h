#pragma once

#include "widgets/stand_in_page.h"

// The page of the 48 input events. Its action editor is not built yet.
class aevents_inputs_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit aevents_inputs_widget(QWidget *parent);

public slots:
    void refresh();
};
