#pragma once

#include "widgets/page_base.h"

#include <QAbstractItemView>
#include <QRect>

class QTableView;

// How a page's table looks and behaves; the pages' tables differ only in these.
struct table_setup {
    QRect geometry;
    bool stretchLastColumn = true;
    int rowHeight = page_base::RowHeight;
    bool showHorizontalHeader = false;
    bool showVerticalHeader = true;
    QAbstractItemView::EditTriggers editTriggers = QAbstractItemView::NoEditTriggers;
    QAbstractItemView::SelectionMode selectionMode = QAbstractItemView::SingleSelection;
    QAbstractItemView::SelectionBehavior selectionBehavior = QAbstractItemView::SelectItems;
};

// Applies the set-up to a table; a table that shows its row numbers keeps them off the
// edges of their header (keepRowNumbersOffEdges).
void setUpTable(QTableView *table, const table_setup &setup);
