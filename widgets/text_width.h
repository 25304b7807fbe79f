#pragma once

#include <QStringList>

class QAbstractItemView;
class QFont;
class QHeaderView;

// Qt lays text out in fractions of a pixel, and a view elides a text its room is short of by
// even a fraction. QFontMetrics::horizontalAdvance rounds to the nearest pixel, so a room
// sized by it may be a fraction too narrow ("Internal event 1000" takes 111.16 pixels and
// rounds to 111): rooms for a text are sized by what the text takes as drawn.

// The whole pixels the widest line of the text takes in that font: its exact advance rounded
// up.
int drawnTextWidth(const QFont &font, const QString &text);

// The pixels a cell of the view keeps beside its text, both sides together: the room the
// view's style leaves between the cell's edges and the text it draws, and the grid line a
// table draws on each cell's right edge.
int cellTextMargins(const QAbstractItemView *view);

// The width a column of the view needs to show each of the texts whole in the view's font;
// never less than atLeast.
int columnWidthFor(const QAbstractItemView *view, const QStringList &texts, int atLeast = 0);

// The width a section of the header needs to show the title whole, placed as the header's
// style places it and aligned as the header aligns its titles: the text keeps the style's
// header margin and offEdge pixels more from both edges (the section's border takes a pixel
// of the margin). A header that highlights the current section draws its title bold, and
// is measured so.
int sectionWidthFor(const QHeaderView *header, const QString &title, int offEdge);
