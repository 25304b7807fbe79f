#pragma once

#include "widgets/stand_in_page.h"

// The page of the 512 delays and their end events. Its editor is not built yet.
class aevents_dlyd_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit aevents_dlyd_widget(QWidget *parent);

public slots:
    // The argument may be null.
    void refresh(QWidget *from);
    void refresh();
};
