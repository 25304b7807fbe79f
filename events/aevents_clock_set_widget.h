#pragma once

#include "ui_timerEventSet.h"

#include <QWidget>

struct timer_entry_class;

// The editor of one timer's date and time: year, month, day of month, day of week, hour and
// minute, each a value or "Any". Every change goes at once into the timer's record of the
// current controller's timer table; changed() follows every edit of a field, so the Clock
// page can rewrite the timer's text. Showing a record (loadFields) writes nothing into it.
//
// The record holds the hour, minute, day, month and year (less 2000) as BCD bytes and the
// week day as a plain 1 (Monday) .. 7 (Sunday); 0xFF in a field means any.
class aevents_clock_set_widget : public QWidget, private Ui::timerEventSet
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit aevents_clock_set_widget(QWidget *parent);

    // ============================================================ the timer edited
    // Makes the timer of an event code (0x800..0xBFF) the edited one and shows it.
    void setTimer(int code);
    // Shows the edited record's fields and the editor.
    void loadFields();

signals:
    void changed();

public slots:
    // ============================================================ field edits
    // A checked "Any" box stores 0xFF; unchecking it stores what its editor shows.
    void hourAnyChange(bool any);
    void hourChange(int hour);
    void minAnyChange(bool any);
    void minChange(int minute);
    void dOWAnyChange(bool any);
    // 0..6 (Monday..Sunday), or 255 for any.
    void dOWChange(int index);
    void dOMAnyChange(bool any);
    void dOMChange(int day);
    void mAnyChange(bool any);
    void mChange(int month);
    void yAnyChange(bool any);
    void yChange(int year);
    // Sets every field that is not "Any" yet to "Any", as if its box were clicked.
    void clearAll(bool checked);

private:
    void connectSignals();

    // The record edited; null when the code names no timer.
    timer_entry_class *record() const;

    // The day editor's range follows the month and year shown ("Any" year counts as the
    // leap year 2000, "Any" month as a month of 31 days); a day beyond it is lowered and,
    // unless the day is "Any", stored.
    void fixDayRange();
    int daysInShownMonth() const;

    // Shows one field: a byte 0xFF checks its "Any" box and disables its editor.
    void showAny(QCheckBox *any, QWidget *editor, bool isAny);

    static constexpr int AnyValue = 255;

    int eventCode;
};
