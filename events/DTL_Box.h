#pragma once

#include "model/types.h"

#include <QTimeEdit>

// A time of day in units of 10 minutes, as the daytime limits of an action hold it: 0..143
// from 0:00 to 23:50, and 144 for the end of the day, shown as 23:59. Every change of the
// shown time, typed or stepped, moves it to a whole unit; one step of the minutes moves one
// unit.
class DTL_Box : public QTimeEdit
{
    Q_OBJECT

public:
    static constexpr int EndOfDay = 144;

    explicit DTL_Box(QWidget *parent);

    // Stores the value and shows it: 0..143 as their time, 144 and above as 23:59.
    void setValue(int units);

    // The time in units, 0..144; 0xFF until a value is set.
    u8 value = 0xFF;

public slots:
    void updateValue(QTime t);

private:
    void showValue();
};
