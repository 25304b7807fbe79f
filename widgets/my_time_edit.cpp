#include "widgets/my_time_edit.h"

MyTimeEdit::MyTimeEdit(QWidget *parent) : QTimeEdit(parent), editor(this)
{
    setDisplayFormat(QStringLiteral("hh:mm:ss.zzz"));
    connectInternal();
}

MyTimeEdit::MyTimeEdit(const QTime &time, QWidget *parent) : MyTimeEdit(parent)
{
    setTime(time);
}

int MyTimeEdit::roundedMilliseconds(int ms)
{
    const int r = ms % 100;
    if (r == 0)
        return ms;
    if (ms > 900)
        return 900;
    return ms - r + (r <= 50 ? 100 : 0);
}

// The rounded time is set while the internal connection is broken, so it does not come
// back here; the other receivers of the inherited signal get it before the own signal is
// emitted. Re-making the connection puts it behind every connection that exists now.
void MyTimeEdit::updateDisplay(QTime t)
{
    const int ms = t.msec();
    if (ms % 100 == 0) {
        emit timeChanged(t);
        return;
    }
    QTime rounded(t.hour(), t.minute(), t.second(), roundedMilliseconds(ms));
    disconnectInternal();
    editor->setTime(rounded);
    connectInternal();
    emit timeChanged(rounded);
}

void MyTimeEdit::connectInternal()
{
    connect(editor, &QDateTimeEdit::timeChanged, this, &MyTimeEdit::updateDisplay);
}

void MyTimeEdit::disconnectInternal()
{
    disconnect(editor, &QDateTimeEdit::timeChanged, this, &MyTimeEdit::updateDisplay);
}
