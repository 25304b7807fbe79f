#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemView;
class QHeaderView;
class QTableView;
class QWidget;
class controller_configuration_class;

// Whether the texts of a window read whole: every text that has a fixed room measured
// against that room, in the font the widget draws it with, by its exact advance rounded up
// (Qt lays text out in fractions of a pixel). The windows place their widgets
// at fixed pixels, so a text that is too long is cut, runs into its neighbour or is elided.

// A text and the room it has: a name for the place where the text alone does not tell.
struct text_place {
    QString text;
    int needed;  // pixels
    int room;
    QString where = QString();
    bool elided = false;  // shortened by the view that shows it, whatever the pixels say
    bool fits() const { return !elided && needed <= room; }
};

// Every text under root with a fixed room, in the order the widgets come: labels (a label
// that wraps needs its widest word across and its lines down), push buttons, check and
// radio boxes, group box titles, every item of a combo box, tab titles, the column headers
// of tables (as sectionTexts measures them), and the time or number a shown spin box
// holds. Pictures are left out.
QList<text_place> fixedTexts(QWidget *root);

// The title of every shown section of a shown header against the room the section gives
// it: a text must keep the forms' header margin and two pixels more from both edges of the
// part of its section that shows (a table too narrow for its columns cuts the last), placed
// as the header's style places it and aligned as the section asks. A header that
// highlights the current section draws its title bold: such titles are measured bold.
QList<text_place> sectionTexts(const QHeaderView *header);

// The columns of a table against the width the table shows them in: columns wider than that
// are cut at its edge (and scrolled by a bar the layout has no room for). Every column of
// the forms shows whole.
text_place columnsAcross(const QTableView *view);

// The text of every cell of the view, whichever rows are scrolled into sight, against the
// room its delegate gives the text. Only the descriptions the user wrote may lose their end
// to the ellipsis (see the .cpp); on rows one line high of a view that wraps words even they
// must fit, as the view would drop whole words before eliding. A text is cut where the view
// would elide it: QFontMetrics::elidedText at the width the cell leaves the text differs
// from it. Cells that hold a widget of their own are that widget's business.
QList<text_place> cellTexts(const QAbstractItemView *view, const QStringList &descriptions);

// The places that do not fit, one readable line each, without repeats.
QStringList cutTexts(const QList<text_place> &places);

// Shown texts under root that run into a widget beside them: the part of a label or a box
// that its text covers overlaps another shown widget of the same parent.
QStringList crowdedTexts(QWidget *root);

// Shown controls under root that reach beyond the frame holding them: the part a control
// covers (as for crowdedTexts) must lie within its parent's contents (inside a group box's
// frame and below its title, inside a frame's border, within any other widget) with the
// clearance it keeps from a neighbour: a text keeps its gap from the edges across, a
// control may lie frame on frame. The insides of compound widgets (a spin box's line, a
// list's headers and cells) are theirs to place.
QStringList controlsBeyondTheirFrames(QWidget *root);

// A font the window fitted to its room may shrink, but not below what still reads.
constexpr qreal SmallestReadablePointSize = 8;

// Every widget under root (root too) whose text is drawn in a font below that, and every
// cell of a view whose item asks for one: the place and the size.
QStringList unreadableFonts(QWidget *root);

// Headings (bold labels) under root drawn smaller than a text below them in the same
// parent: a heading shrunk to fit its room must not read smaller than what it heads.
QStringList smallHeadings(QWidget *root);

// The editors the view holds in its cells that reach beyond their cell, over the cells
// beside them. Editors that are windows of their own are left out.
QStringList editorsBeyondTheirCells(const QAbstractItemView *view);

// Every description text of the configuration, sorted: what a list may shorten.
QStringList descriptionsOf(const controller_configuration_class &c);

// Logs each line and returns whether there were none.
bool noneListed(const QStringList &lines);
