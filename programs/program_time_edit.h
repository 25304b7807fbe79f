#pragma once

#include "widgets/my_time_edit.h"

// The editor of a step's end on the step table: a time of day between the earliest and the
// latest end that moving the step's end allows.
//
// Program times count on past midnight, so the allowed ends may lie on two days (from
// 23:50:00.0 of one day to 00:15:00.0 of the next). A time editor cannot hold such a range:
// the editor then covers the whole day, its sections wrap, and it refuses the times of day
// between the two ends. The allowed ends never span a whole day, so every time of day the
// editor accepts stands for exactly one end.
class program_time_edit : public MyTimeEdit
{
    Q_OBJECT

public:
    static constexpr qint64 TenthsPerDay = 864000;

    // Ends in tenths of a second from the program's start, earliest < latest, less than a
    // day apart.
    program_time_edit(qint64 earliest, qint64 latest, QWidget *parent);

    qint64 earliestEnd() const { return earliest; }
    qint64 latestEnd() const { return latest; }
    // True when the allowed ends lie on two days.
    bool overMidnight() const { return twoDays; }

    // Shows the end `tenths` (held within the allowed ends) as its time of day.
    void setEnd(qint64 tenths);
    // The end the time shown stands for.
    qint64 end() const;
    // Whether a time of day stands for an allowed end.
    bool allows(QTime time) const;

    // Over midnight, a step that lands between the two ends stops at the end stepped towards.
    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString &input, int &pos) const override;

private:
    static QTime timeOfDay(qint64 tenths);

    qint64 earliest;
    qint64 latest;
    bool twoDays;
};
