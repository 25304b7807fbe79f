#include "programs/aseq_settings_widget.h"

aseq_settings_widget::aseq_settings_widget(QWidget *parent)
    : stand_in_page(tr("The sequence editor is not built yet: sequences are kept as the configuration holds them."),
                    parent)
{
    refresh();
}

void aseq_settings_widget::refresh()
{
}

void aseq_settings_widget::seqNumberChange(int sequence, int column, int, int)
{
    currentSequence = sequence;
    refresh();
}
