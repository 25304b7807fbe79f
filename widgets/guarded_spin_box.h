#pragma once

#include <QSpinBox>

// A spin box that reports its value as accepted when the user presses the keypad Enter
// key or leaves the box, so pages check a range only once the user is done with it.
class guardedSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit guardedSpinBox(QWidget *parent = nullptr);

signals:
    // The value held before the spin box's own handling interprets unfinished text.
    void valueAccepted(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
