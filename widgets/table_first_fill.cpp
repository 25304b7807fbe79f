#include "widgets/table_first_fill.h"

#include <QTableWidget>

namespace {

bool isFirstFill(const QTableWidget *table)
{
    return !table->isSortingEnabled() && table->rowCount() > 0 && table->columnCount() > 0 && !table->item(0, 0);
}

} // namespace

table_first_fill::table_first_fill(QTableWidget *table)
    : table(table)
    , quiet(isFirstFill(table))
    , blocker(quiet ? table->model() : nullptr)
{
}

table_first_fill::~table_first_fill()
{
    if (!quiet)
        return;
    blocker.unblock();
    QAbstractItemModel *model = table->model();
    const int rows = model->rowCount();
    const int columns = model->columnCount();
    if (rows > 0 && columns > 0)
        emit model->dataChanged(model->index(0, 0), model->index(rows - 1, columns - 1));
}
