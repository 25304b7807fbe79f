#pragma once

#include <QTableWidget>

class QString;
class showDesc_delegate;

// The table of the Descriptions page: an item name and a description a row, for the rows of
// one category. Only the Description column is edited; its delegate reads and writes the
// description itself, not the cell.
class showDesc_class : public QTableWidget
{
    Q_OBJECT

public:
    showDesc_class(int rows, int columns, QWidget *parent);

    enum column { ItemColumn, DescriptionColumn };

    showDesc_delegate *delegate = nullptr;
    // The category shown (0..12).
    int category = 0;
    // The description that row 0 edits; row r edits the r-th one from here.
    QString *descArray = nullptr;

    // The description that a row edits.
    QString &descriptionOf(int row) const { return descArray[row]; }
};
