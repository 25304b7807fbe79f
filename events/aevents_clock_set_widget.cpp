#include "events/aevents_clock_set_widget.h"

#include "link/kd620_controller_class.h"
#include "model/bcd_codec.h"
#include "model/event_code.h"

#include <QDate>
#include <QSignalBlocker>

namespace {

constexpr int FirstYear = 2000;
constexpr int DaysOfWeek = 7;
// What the day range assumes for a field that is "Any": a leap year, a month of 31 days.
constexpr int AnyYearForDays = FirstYear;
constexpr int AnyMonthForDays = 8;

} // namespace

aevents_clock_set_widget::aevents_clock_set_widget(QWidget *parent)
    : QWidget(parent)
    , eventCode(EventTimer)
{
    setupUi(this);
    const QString days[DaysOfWeek] = {tr("Monday"), tr("Tuesday"),  tr("Wednesday"), tr("Thursday"),
                                      tr("Friday"), tr("Saturday"), tr("Sunday")};
    for (const QString &day : days)
        comboBoxDw->addItem(day);
    connectSignals();
}

void aevents_clock_set_widget::connectSignals()
{
    connect(checkBoxHourAny, &QCheckBox::clicked, this, &aevents_clock_set_widget::hourAnyChange);
    connect(spinBoxHour, &QSpinBox::valueChanged, this, &aevents_clock_set_widget::hourChange);
    connect(checkBoxMinAny, &QCheckBox::clicked, this, &aevents_clock_set_widget::minAnyChange);
    connect(spinBoxMin, &QSpinBox::valueChanged, this, &aevents_clock_set_widget::minChange);
    connect(checkBoxDwAny, &QCheckBox::clicked, this, &aevents_clock_set_widget::dOWAnyChange);
    connect(comboBoxDw, &QComboBox::currentIndexChanged, this, &aevents_clock_set_widget::dOWChange);
    connect(checkBoxDmAny, &QCheckBox::clicked, this, &aevents_clock_set_widget::dOMAnyChange);
    connect(spinBoxDm, &QSpinBox::valueChanged, this, &aevents_clock_set_widget::dOMChange);
    connect(checkBoxMAny, &QCheckBox::clicked, this, &aevents_clock_set_widget::mAnyChange);
    connect(spinBoxM, &QSpinBox::valueChanged, this, &aevents_clock_set_widget::mChange);
    connect(checkBoxYAny, &QCheckBox::clicked, this, &aevents_clock_set_widget::yAnyChange);
    connect(spinBoxY, &QSpinBox::valueChanged, this, &aevents_clock_set_widget::yChange);
}

timer_entry_class *aevents_clock_set_widget::record() const
{
    const int row = eventCode - EventTimer;
    if (row < 0 || row >= int(image_layout::TimerRowCount))
        return nullptr;
    return &currentController->timerTable[row];
}

void aevents_clock_set_widget::setTimer(int code)
{
    eventCode = code;
    loadFields();
}

void aevents_clock_set_widget::showAny(QCheckBox *any, QWidget *editor, bool isAny)
{
    any->setChecked(isAny);
    editor->setEnabled(!isAny);
}

void aevents_clock_set_widget::loadFields()
{
    const timer_entry_class *timer = record();
    if (!timer)
        return;
    // The editors' own signals stay silent: showing a record must not store what the
    // editors showed before, nor what they show now.
    const QSignalBlocker blockYear(spinBoxY);
    const QSignalBlocker blockMonth(spinBoxM);
    const QSignalBlocker blockDay(spinBoxDm);
    const QSignalBlocker blockWeekDay(comboBoxDw);
    const QSignalBlocker blockHour(spinBoxHour);
    const QSignalBlocker blockMinute(spinBoxMin);

    showAny(checkBoxYAny, spinBoxY, timer->year == timer_entry_class::Any);
    if (timer->year != timer_entry_class::Any)
        spinBoxY->setValue(FirstYear + fromBcd(timer->year));
    showAny(checkBoxMAny, spinBoxM, timer->month == timer_entry_class::Any);
    if (timer->month != timer_entry_class::Any)
        spinBoxM->setValue(fromBcd(timer->month));

    // The day range of the timer shown before must not cut this timer's day.
    spinBoxDm->setMaximum(daysInShownMonth());
    showAny(checkBoxDmAny, spinBoxDm, timer->day == timer_entry_class::Any);
    if (timer->day != timer_entry_class::Any)
        spinBoxDm->setValue(fromBcd(timer->day));

    showAny(checkBoxDwAny, comboBoxDw, timer->weekDay == timer_entry_class::Any);
    if (timer->weekDay != timer_entry_class::Any)
        comboBoxDw->setCurrentIndex(timer->weekDay >= 1 && timer->weekDay <= DaysOfWeek ? timer->weekDay - 1 : 0);

    showAny(checkBoxHourAny, spinBoxHour, timer->hour == timer_entry_class::Any);
    if (timer->hour != timer_entry_class::Any)
        spinBoxHour->setValue(fromBcd(timer->hour));
    showAny(checkBoxMinAny, spinBoxMin, timer->minute == timer_entry_class::Any);
    if (timer->minute != timer_entry_class::Any)
        spinBoxMin->setValue(fromBcd(timer->minute));

    show();
}

int aevents_clock_set_widget::daysInShownMonth() const
{
    const int year = checkBoxYAny->isChecked() ? AnyYearForDays : spinBoxY->value();
    const int month = checkBoxMAny->isChecked() ? AnyMonthForDays : spinBoxM->value();
    return QDate(year, month, 1).daysInMonth();
}

void aevents_clock_set_widget::fixDayRange()
{
    const int days = daysInShownMonth();
    bool lowered = false;
    if (spinBoxDm->value() > days) {
        const QSignalBlocker block(spinBoxDm);
        spinBoxDm->setValue(days);
        lowered = true;
    }
    spinBoxDm->setMaximum(days);
    // An "Any" day stays any; only its editor follows the range.
    timer_entry_class *timer = record();
    if (lowered && timer && !checkBoxDmAny->isChecked())
        timer->day = toBcd(days);
}

void aevents_clock_set_widget::hourAnyChange(bool any)
{
    hourChange(any ? AnyValue : spinBoxHour->value());
}

void aevents_clock_set_widget::hourChange(int hour)
{
    timer_entry_class *timer = record();
    if (timer && ((hour >= 0 && hour <= 23) || hour == AnyValue))
        timer->hour = toBcd(hour);
    emit changed();
}

void aevents_clock_set_widget::minAnyChange(bool any)
{
    minChange(any ? AnyValue : spinBoxMin->value());
}

void aevents_clock_set_widget::minChange(int minute)
{
    timer_entry_class *timer = record();
    if (timer && ((minute >= 0 && minute <= 59) || minute == AnyValue))
        timer->minute = toBcd(minute);
    emit changed();
}

void aevents_clock_set_widget::dOWAnyChange(bool any)
{
    dOWChange(any ? AnyValue : comboBoxDw->currentIndex());
}

void aevents_clock_set_widget::dOWChange(int index)
{
    timer_entry_class *timer = record();
    if (timer) {
        if (index >= 0 && index < DaysOfWeek)
            timer->weekDay = u8(index + 1);
        else if (index == AnyValue)
            timer->weekDay = timer_entry_class::Any;
    }
    emit changed();
}

void aevents_clock_set_widget::dOMAnyChange(bool any)
{
    dOMChange(any ? AnyValue : spinBoxDm->value());
}

void aevents_clock_set_widget::dOMChange(int day)
{
    timer_entry_class *timer = record();
    if (timer && ((day >= 1 && day <= 31) || day == AnyValue))
        timer->day = toBcd(day);
    emit changed();
}

void aevents_clock_set_widget::mAnyChange(bool any)
{
    mChange(any ? AnyValue : spinBoxM->value());
}

void aevents_clock_set_widget::mChange(int month)
{
    timer_entry_class *timer = record();
    if (timer && ((month >= 1 && month <= 12) || month == AnyValue)) {
        timer->month = toBcd(month);
        fixDayRange();
    }
    emit changed();
}

void aevents_clock_set_widget::yAnyChange(bool any)
{
    yChange(any ? AnyValue : spinBoxY->value());
}

void aevents_clock_set_widget::yChange(int year)
{
    timer_entry_class *timer = record();
    if (timer && year >= 0 && year <= 9999) {
        // The controller keeps the year within its century.
        timer->year = year == AnyValue ? timer_entry_class::Any : toBcd(year % 100);
        fixDayRange();
    }
    emit changed();
}

void aevents_clock_set_widget::clearAll(bool)
{
    QCheckBox *const boxes[] = {checkBoxMAny, checkBoxDmAny, checkBoxMinAny, checkBoxHourAny, checkBoxDwAny, checkBoxYAny};
    for (QCheckBox *box : boxes) {
        if (!box->isChecked())
            box->click();
    }
}
