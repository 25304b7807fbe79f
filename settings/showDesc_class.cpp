#include "settings/showDesc_class.h"

#include "settings/showDesc_delegate.h"
#include "widgets/page_base.h"

#include <QHeaderView>

// The rows come last, once the table is set up: its row numbers are measured once, when shown.
showDesc_class::showDesc_class(int rows, int columns, QWidget *parent)
    : QTableWidget(0, columns, parent)
{
    setFont(page_base::listFont());
    setHorizontalHeaderItem(ItemColumn, new QTableWidgetItem(tr("Item")));
    setHorizontalHeaderItem(DescriptionColumn, new QTableWidgetItem(tr("Description")));
    verticalHeader()->setDefaultSectionSize(page_base::RowHeight);
    delegate = new showDesc_delegate(this);
    setItemDelegate(delegate);
    setSelectionMode(QAbstractItemView::NoSelection);
    // One line a row: a long description is cut with an ellipsis at its end, not by words.
    setWordWrap(false);
    setRowCount(rows);
}
