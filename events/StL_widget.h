#pragma once

#include "model/types.h"

#include "ui_StateConds.h"

#include <QWidget>

class setStateClass;

// The editor of an action's state limits: the 68 states A1..A4, B1..I8, one row each with
// its condition ("Ignore", "When set", "When unset") and its description. The action
// delegate opens it as a window of its own; "Set" stores the choices and closes it,
// "Cancel" closes it and stores nothing, "Clear all" sets every state to "Ignore". However
// else the window is left, it stores nothing either.
class StL_widget : public QWidget, public Ui::StateConds
{
    Q_OBJECT

public:
    static constexpr int Width = 872;
    static constexpr int Height = 216;

    explicit StL_widget(QWidget *parent);

    // The condition chooser of state i (0..67).
    setStateClass *stateRow(int i) const;
    // Selects every row's condition from an action's state limits: byte 7 (A1..A4) and the
    // four words (B1..C8, D1..E8, F1..G8, H1..I8), two bits per state.
    void load(int statesA, const u32 words[4]);
    // The chosen conditions packed the same way; returns byte 7.
    int store(u32 words[4]) const;
    // True only while "Set" asks for the choices to be stored: the view commits an editor
    // on its own too (when its current cell moves on), and the window promises to store on
    // "Set" only.
    bool confirming() const { return setPressed; }

signals:
    void abort(QWidget *editor);
    void save(QWidget *editor);

public slots:
    void slotAbort();
    void slotSave();
    void clearAll();

private:
    void fillRow(int i);

    bool setPressed = false;
};
