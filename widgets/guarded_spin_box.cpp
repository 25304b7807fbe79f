#include "widgets/guarded_spin_box.h"

#include <QKeyEvent>

guardedSpinBox::guardedSpinBox(QWidget *parent) : QSpinBox(parent) {}

// Only the keypad's Enter counts; the main Return key does not.
void guardedSpinBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Enter)
        emit valueAccepted(value());
    QSpinBox::keyPressEvent(event);
}

void guardedSpinBox::focusOutEvent(QFocusEvent *event)
{
    emit valueAccepted(value());
    QSpinBox::focusOutEvent(event);
}
