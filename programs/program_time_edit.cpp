#include "programs/program_time_edit.h"

#include "model/time_codec.h"

program_time_edit::program_time_edit(qint64 earliest, qint64 latest, QWidget *parent)
    : MyTimeEdit(parent)
    , earliest(earliest)
    , latest(latest)
    , twoDays(earliest / TenthsPerDay != latest / TenthsPerDay)
{
    if (twoDays) {
        // Stepping over midnight turns the hours from 23 to 0: the sections wrap, and
        // stepBy keeps the result within the allowed ends.
        setTimeRange(QTime(0, 0), QTime(23, 59, 59, 999));
        setWrapping(true);
    } else {
        setTimeRange(timeOfDay(earliest), timeOfDay(latest));
    }
}

QTime program_time_edit::timeOfDay(qint64 tenths)
{
    return tenthsToTime(u32(((tenths % TenthsPerDay) + TenthsPerDay) % TenthsPerDay));
}

void program_time_edit::setEnd(qint64 tenths)
{
    setTime(timeOfDay(qBound(earliest, tenths, latest)));
}

qint64 program_time_edit::end() const
{
    // The one end in [earliest, latest] with this time of day.
    qint64 tenths = earliest - earliest % TenthsPerDay + timeToTenths(time());
    if (tenths < earliest)
        tenths += TenthsPerDay;
    return qBound(earliest, tenths, latest);
}

bool program_time_edit::allows(QTime time) const
{
    if (!time.isValid())
        return false;
    const QTime rounded(time.hour(), time.minute(), time.second(), roundedMilliseconds(time.msec()));
    const qint64 t = timeToTenths(rounded);
    const qint64 from = earliest % TenthsPerDay;
    const qint64 to = latest % TenthsPerDay;
    return twoDays ? (t >= from || t <= to) : (t >= from && t <= to);
}

QValidator::State program_time_edit::validate(QString &input, int &pos) const
{
    const QValidator::State state = MyTimeEdit::validate(input, pos);
    if (state != QValidator::Acceptable || !twoDays)
        return state;
    // A time of day between the two allowed ends is no end the step can have; it may still
    // become one as the user goes on typing.
    return allows(dateTimeFromText(input).time()) ? state : QValidator::Intermediate;
}

void program_time_edit::stepBy(int steps)
{
    MyTimeEdit::stepBy(steps);
    // A wrapped section can land between the two ends: stop at the end stepped towards.
    if (twoDays && !allows(time()))
        setTime(timeOfDay(steps > 0 ? latest : earliest));
}
