#pragma once

#include "widgets/stand_in_page.h"

// The sequence page. Its editor is not built yet: the page keeps the selected sequence.
class aseq_settings_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit aseq_settings_widget(QWidget *parent);

    // The selected sequence, 0..127.
    int currentSequence = 0;

public slots:
    void refresh();
    // Selects sequence `sequence`; the other arguments are not used here.
    void seqNumberChange(int sequence, int column, int, int);
};
