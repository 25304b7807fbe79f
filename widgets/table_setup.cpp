#include "widgets/table_setup.h"

#include <QHeaderView>
#include <QTableView>

void setUpTable(QTableView *table, const table_setup &setup)
{
    if (setup.geometry.isValid())
        table->setGeometry(setup.geometry);
    table->horizontalHeader()->setStretchLastSection(setup.stretchLastColumn);
    table->verticalHeader()->setDefaultSectionSize(setup.rowHeight);
    table->verticalHeader()->setMinimumSectionSize(qMin(setup.rowHeight, table->verticalHeader()->minimumSectionSize()));
    table->horizontalHeader()->setVisible(setup.showHorizontalHeader);
    table->verticalHeader()->setVisible(setup.showVerticalHeader);
    table->setEditTriggers(setup.editTriggers);
    table->setSelectionMode(setup.selectionMode);
    table->setSelectionBehavior(setup.selectionBehavior);
}
