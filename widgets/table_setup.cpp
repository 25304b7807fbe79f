#include "widgets/table_setup.h"

#include "widgets/row_numbers.h"

#include <QHeaderView>
#include <QTableView>

void setUpTable(QTableView *table, const table_setup &setup)
{
    if (setup.geometry.isValid())
        table->setGeometry(setup.geometry);
    if (setup.showVerticalHeader)
        keepRowNumbersOffEdges(table);
    table->horizontalHeader()->setStretchLastSection(setup.stretchLastColumn);
    // The smallest height first: a default below it would be raised to it.
    table->verticalHeader()->setMinimumSectionSize(qMin(setup.rowHeight, table->verticalHeader()->minimumSectionSize()));
    table->verticalHeader()->setDefaultSectionSize(setup.rowHeight);
    table->horizontalHeader()->setVisible(setup.showHorizontalHeader);
    table->verticalHeader()->setVisible(setup.showVerticalHeader);
    table->setEditTriggers(setup.editTriggers);
    table->setSelectionMode(setup.selectionMode);
    table->setSelectionBehavior(setup.selectionBehavior);
    // A row one line high shows its text on that line, cut with an ellipsis at its end:
    // wrapping the words first would drop whole words before the ellipsis.
    table->setWordWrap(setup.rowHeight >= 2 * table->fontMetrics().lineSpacing());
}
