#pragma once

class QTableView;

// Keeps the row numbers of a table off the edges of their header: each number is drawn two
// pixels further in than the style's margin on either side, and the header grows by as
// much beside its widest number (measured bold, as the current row's number is drawn). The
// style's margins alone let a number touch its section's edge, the border taking a pixel of
// them; a number aligned to one side would touch that side however wide the header.
void keepRowNumbersOffEdges(QTableView *table);

// Pixels the row numbers keep from their section's edges besides the style's margin.
inline constexpr int RowNumberOffEdge = 2;
