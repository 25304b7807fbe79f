#pragma once

#include <QLabel>

// A lamp of the inputs window: the state of one of the controller's 24 inputs, green and
// sunken while it is on, red and raised while it is off, grey for an unused input. A press
// of the left button shows the input's description.
class inKey_class : public QLabel
{
    Q_OBJECT

public:
    // A lamp for input index + 1 (index 0..23), showing it off.
    inKey_class(int index, QWidget *parent);

    const int index;

    // Draws the raw state (1 bit set, 0 bit clear) of an input of that input_type: a
    // normally closed input (1) is on while its bit is clear, any other while it is set;
    // an unused input (-1) shows "Undef.".
    void showState(int state, int type);
    // The input's description, or "no description...".
    QString tooltipText() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
