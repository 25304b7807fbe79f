#pragma once

#include "widgets/stand_in_page.h"

// The descriptions page of every category. Its editor is not built yet.
class asettings_descs_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit asettings_descs_widget(QWidget *parent);

public slots:
    void refresh();
};
