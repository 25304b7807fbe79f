#pragma once

#include "events/aevents_page_base.h"
#include "model/types.h"

class QModelIndex;
class QPushButton;
class QSpinBox;
class aevents_clock_set_widget;
struct timer_entry_class;

// The Clock page: the 1024 clock events (row r the event 0x800 + r: row 0 sunrise, row 1
// sunset, rows 2..1023 the timers), their actions and descriptions. A sun row offers the
// sun event's delay, a timer row the timer's date and time fields with a Clear button.
// The list shows each timer's settings instead of descriptions.
class aevents_clock_widget : public aevents_page_base
{
    Q_OBJECT

public:
    enum column { TimerColumn, SettingsColumn };

    // ============================================================ construction
    explicit aevents_clock_widget(QWidget *parent);

    // ============================================================ the configuration shown
    // Redraws the list, the editors of the current row, the title and the description.
    void refresh() override;

    // A timer's date and time fields as the list shows them: "07:05 Mo 03.03.2000", and a
    // "--" in place of every field that is any.
    static QString timerText(int code);
    // The same of a record's fields.
    static QString timerText(const timer_entry_class &timer);
    // A sun delay of `units` units of 5 minutes: six blanks, the sign, hours and minutes.
    static QString sunDelayText(int units);

    // ============================================================ widgets
    aevents_clock_set_widget *timerEditor = nullptr;
    QPushButton *clearButton = nullptr;
    QSpinBox *sunDelaySpin = nullptr;
    QLabel *sunDelayLabel = nullptr;

    // The frame's descChange(int, int) stays reachable beside this page's own.
    using aevents_page_base::descChange;

public slots:
    void timerChange(const QModelIndex &current, const QModelIndex &previous);
    // A row of the action table became current: the table reports its action's target.
    void descChange(const QModelIndex &current, const QModelIndex &previous);
    // Rewrites the current timer's settings in the list.
    void updateStr();
    // Stores the current sun row's delay, given in minutes.
    void sunService(int minutes);

private:
    void createWidgets();
    void connectSignals();

    // The list's font, lowered until the widest texts of its columns fit them whole.
    void fitListFont();
    void fillTable();
    // The sun row's editor, or the timer's editor with its Clear button.
    void showRowEditors();
    int currentRow() const;
    static bool isSunRow(int row);
    static bool sunEventsOn();
    // Image offset of the delay byte of sun row 0 or 1.
    static u32 sunDelayOffset(int row);

    // ============================================================ rows and labels
    int eventOfRow(int row) const override;
    QString rowText(int row) const override;
    QString titleText() const override;
    // The list shows no descriptions: storing one leaves it as it is.
    void descriptionStored() override;

    // A timer row's name, translated once: a refresh writes a thousand rows. A language
    // change builds the page again.
    const QString timerRow = tr("Timer %1", "timer with number");
};
