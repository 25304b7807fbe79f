#pragma once

#include <QStringList>

class QAbstractSpinBox;
class QLabel;
class QPushButton;
class QSize;
class QWidget;

// Our forms place their widgets at fixed pixels, measured for the Windows fonts. The fonts
// that stand in for those elsewhere are wider, so a text may not fit its widget. These
// lower the widget's point size in half points (never below 6) until it fits; a text that
// already fits keeps the font untouched.

// Every one of texts within width pixels of the widget.
void fitFontToWidth(QWidget *widget, const QStringList &texts, int width);
// The button's own text within the button, the style's margins included.
void fitButtonFont(QPushButton *button);
// The label's own text, wrapped at word boundaries as the label draws it, within a label of
// that size: no word wider than a line and no line below the label, inside its frame and
// margins.
void fitWrappedLabelFont(QLabel *label, const QSize &size);

// The smallest size a fitted font still reads at, for the fittings that keep to it.
inline constexpr qreal SmallestFittedPointSize = 8;

// The room a spin box of that size gives its text: its edit field less the margins its line
// keeps beside the text.
int spinBoxTextRoom(const QAbstractSpinBox *box, const QSize &size);
// The widest text the box can show (the ends of its range, its special text, the latest time
// of day in its format) within a box of that size, its font lowered for it but never below
// SmallestFittedPointSize. False when even that size does not fit: the box then keeps the
// font it had, for a box made wider.
bool fitSpinBoxFont(QAbstractSpinBox *box, const QSize &size);
