#pragma once

#include <QTime>
#include <QTimeEdit>

// A time editor whose milliseconds always stand on a whole 100 ms: the controller counts
// its times in tenths of a second. Every change of the time (typed, stepped or set by code)
// passes through updateDisplay(), which moves the milliseconds to a whole 100 ms and then
// emits the editor's own timeChanged(QTime&) with the rounded time.
//
// The inherited QDateTimeEdit::timeChanged(QTime) still reports every time the editor
// holds: for an edit that needed rounding, the unrounded time and the rounded one. Which of
// the two comes last depends on the order of connections (see updateDisplay()); receivers
// that want only rounded times connect to the own signal.
class MyTimeEdit : public QTimeEdit
{
    Q_OBJECT

public:
    explicit MyTimeEdit(QWidget *parent = nullptr);
    MyTimeEdit(const QTime &time, QWidget *parent = nullptr);

    // The editor itself: the sender of the internal connection, and a way for users to read
    // the time.
    QTimeEdit *editor;

    // The milliseconds a time of ms milliseconds is moved to: a remainder of 1 to 50 moves
    // up to the next whole 100 ms, 51 to 99 moves down, and above 900 stays at 900, so
    // the milliseconds never carry into the seconds.
    static int roundedMilliseconds(int ms);

signals:
    // The time after rounding; once for every change of the editor's time.
    void timeChanged(QTime &time);

public slots:
    void updateDisplay(QTime t);

private:
    void connectInternal();
    void disconnectInternal();
};
