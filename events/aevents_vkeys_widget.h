#pragma once

#include "widgets/stand_in_page.h"

// The page of the 1024 internal events. Its action editor is not built yet.
class aevents_vkeys_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit aevents_vkeys_widget(QWidget *parent);

public slots:
    void refresh();
};
