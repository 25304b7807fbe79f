#include "programs/aprogram_conf_widget.h"

#include <QHeaderView>

aprogram_conf_widget::aprogram_conf_widget(QWidget *parent)
    : QTableWidget(0, 1, parent)
{
    setHorizontalHeaderLabels({tr("Scene")});
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void aprogram_conf_widget::setStepRows(int steps)
{
    setRowCount(steps);
}
