#include "events/DTL_Box.h"

namespace {

constexpr int MinutesPerUnit = 10;
constexpr int UnitsPerHour = 6;
const QTime LastMinute(23, 59);

} // namespace

DTL_Box::DTL_Box(QWidget *parent)
    : QTimeEdit(parent)
{
    setTimeRange(QTime(0, 0), LastMinute);
    // A typed time counts once its editing ends: half a typed time is no unit.
    setKeyboardTracking(false);
    connect(this, &QTimeEdit::timeChanged, this, &DTL_Box::updateValue);
}

void DTL_Box::setValue(int units)
{
    value = u8(units);
    showValue();
}

void DTL_Box::showValue()
{
    if (value >= EndOfDay)
        setTime(LastMinute);
    else
        setTime(QTime(value / UnitsPerHour, value % UnitsPerHour * MinutesPerUnit));
}

void DTL_Box::updateValue(QTime t)
{
    if (!t.isValid()) {
        showValue();
        return;
    }
    // 23:59 is how the end of the day shows; it is no step away from it.
    if (value == EndOfDay && t == LastMinute)
        return;
    const int m = t.hour() * 60 + t.minute();
    const int d = m - MinutesPerUnit * value;
    int b;
    if (d == 1)
        b = value + 1;
    else if (d == -1)
        b = value - 1;
    else if (m % MinutesPerUnit == 0)
        b = m / MinutesPerUnit;
    else if (d > 0)
        b = (m + 5) / MinutesPerUnit;
    else
        b = (m - 5) / MinutesPerUnit;

    if (b == EndOfDay) {
        value = EndOfDay;
        setTime(LastMinute);
        return;
    }
    if (b >= 0 && b < EndOfDay)
        value = u8(b);
    showValue();  // runs this slot once more, which then changes nothing
}
