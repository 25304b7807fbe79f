#pragma once

#include <QString>

class QTableView;
class QWidget;
class aevents_tableview_widget;

// A user's edit in the action table's Daytime Limits or State Limits cell, step by step
// through the real widgets: the editor opened by the view, a choice made in it, the edit
// ended the way the editor offers.

// Clicks a cell of a table (shown) as the user does.
void clickCell(QTableView *table, int row, int column);
// Double-clicks a cell of the action table and returns the editor the view opened, or null.
QWidget *openCellEditor(aevents_tableview_widget *table, int row, int column);
// The choice: "Daytime only" picked in the daytime editor's mode list (which takes the
// focus from the editor); "When set" ticked on A1 in the state-limit window. False when the
// editor is neither or the choice did not take.
bool makeTheChoice(QWidget *editor);
// Ends the edit if the editor is still there: "Set" in the state-limit window; for an editor
// in a cell a click on row 0 of the table, so the view commits it as the current cell moves.
void endTheEdit(aevents_tableview_widget *table, QWidget *editor);
// An action's daytime and state limits: "from to statesA word0" in hex; "none" when the
// event has no action j.
QString actionLimits(int event, int j);
