#pragma once

#include "model/types.h"

#include <QWidget>

class DTL_Box;
class QCheckBox;
class QComboBox;

// The editor of an action's daytime limits, inside the Daytime Limits cell: a list of the
// modes "Not set", "Daytime only", "Night-time only" and "Set manually"; in the last one a
// check box and the two time boxes of the range take the list's place, and clearing the
// check box returns to "Not set".
class DTL_widget : public QWidget
{
    Q_OBJECT

public:
    enum mode { NotSet, DaytimeOnly, NightTimeOnly, SetManually };

    explicit DTL_widget(QWidget *parent);

    void setCheckState(int state);
    // Takes the text typed into the time boxes as their times. A box keeps typed text apart
    // from its time until Return or the focus leaving it, while the editor stores as soon
    // as the pointer leaves it: whatever it stores must be what the boxes show.
    void interpretTypedTimes();
    // The from box's value while the check box is checked, else 0xFF.
    u8 fromValue() const;
    // The cell the editor stands on. The mode list covers the cell exactly; in "Set
    // manually" the time boxes share the cell, their font lowered where their time needs it
    // (never below the smallest readable size). Only a cell too narrow even for that makes
    // the editor grow to the right, over the cell beside it.
    void setCellGeometry(const QRect &cell);
    // Room for the check box and both time boxes.
    QSize sizeHint() const override;

    // The mode's text; for a range "h:mm - h:mm " (the end of the day as "24:00").
    QString text() const;

    QCheckBox *manualBox = nullptr;
    QComboBox *modeBox = nullptr;
    DTL_Box *fromBox = nullptr;
    DTL_Box *toBox = nullptr;

    // Places of the children; the list covers the whole editor.
    static constexpr int CheckBoxX = 2;
    static constexpr int CheckBoxSize = 18;
    static constexpr int FromBoxX = 20;
    static constexpr int ToBoxX = 75;
    static constexpr int TimeBoxWidth = 55;
    static constexpr int TimeBoxHeight = 21;

signals:
    // The mouse has left the editor in "Set manually" (the editor itself).
    void leaved(QWidget *editor);

public slots:
    void ability(int state);
    void chgMode(int index);
    void leaveEvent(QEvent *event) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeChildren();
    void applyCellGeometry();
    // Wide enough for the widest time beside the step buttons.
    int timeBoxWidth() const;
    // Fits the boxes' font to half the cell; remembers whether that was enough.
    void fitBoxesToCell();

    QRect cell;
    bool boxesFitCell = false;
};
