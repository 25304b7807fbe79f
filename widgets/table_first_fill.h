#pragma once

#include <QSignalBlocker>

class QTableWidget;

// A table's first fill as one change. A list of a thousand rows filled for the first time
// otherwise announces every new item, and then every colour set on it, each on its own,
// though no view has shown a cell of it yet. While a first fill lives, the table's model
// keeps quiet; when it ends, the views hear once that every cell changed.
//
// A fill is a first one when the table's first cell has no item yet. Any later fill goes on
// announcing each cell it changes, as it did: an editor open in the list hears only of its
// own cell. Only cells are written in a fill (rows and columns are added outside it), and a
// table that sorts its rows announces each cell, as its order follows them.
class table_first_fill
{
public:
    explicit table_first_fill(QTableWidget *table);
    ~table_first_fill();

    table_first_fill(const table_first_fill &) = delete;
    table_first_fill &operator=(const table_first_fill &) = delete;

private:
    QTableWidget *table;
    bool quiet;
    QSignalBlocker blocker;
};
