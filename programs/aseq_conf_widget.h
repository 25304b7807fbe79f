#pragma once

#include "model/types.h"

#include <QString>
#include <QTableView>

class QStandardItemModel;
class aevents_conf_widget;
class aseq_conf_delegate;
class aseq_delay_chain;
class aseq_settings_widget;

// The step table of the sequence page: the steps of one sequence with their delay times
// and the time at which each step's delay ends, and below them the finish row. Row 0 stands
// for the sequence's start event, row r for the end of step r's delay; the page's action
// editor shows the actions of the current row's event.
//
// Every edit of the step list (growing, shrinking, inserting, deleting, finishing a step)
// goes through aseq_delay_chain, which keeps the sequence's delay chain whole in the
// configuration of currentController; the delegate edits the delay times. The table keeps
// only the sequence shown and the row texts.
class aseq_conf_widget : public QTableView
{
    Q_OBJECT

public:
    enum column { StepColumn, DelayTimeColumn, GlobalTimeColumn, ColumnCount };

    // ============================================================ construction
    // Shows sequence 0. The page gives the table its action editor and itself afterwards.
    explicit aseq_conf_widget(QWidget *parent);

    // ============================================================ the configuration shown
    int sequence = 0;
    // The number of steps of the sequence shown.
    int stepCount() const;
    // The event of a row (start event, end of a step's delay); 0xFFFF for none.
    u16 rowEvent(int row) const;
    // Shows sequence q with the delegate on it, reports its step count and rebuilds the
    // rows.
    void setSequence(int q);

    // A delay time as the table shows it, "h:mm:ss:zzz"; empty for a value that is no
    // time of day (such as an unset time).
    static QString timeText(u32 tenths);
    // The time from the start of the sequence: whole days first, when there are any.
    static QString globalTimeText(quint64 tenths);

    // The page's step-row follower: the page's stepRowChange() is told of every change of
    // the current row while it is connected.
    void connectRowReports();
    void disconnectRowReports();

    // ============================================================ widgets
    QStandardItemModel *stepModel = nullptr;
    aevents_conf_widget *actionEditor = nullptr;
    aseq_settings_widget *page = nullptr;
    aseq_conf_delegate *delegate = nullptr;

signals:
    // The step count of the sequence shown, for the page's spin box.
    void changeStepNumber(int n);
    // The actions of a row changed under the action editor: the page redraws.
    void refreshEvents();

public slots:
    // Rewrites the row texts; the closed editor given is not used.
    void refresh(QWidget *closedEditor);
    void refresh();
    // Gives the sequence shown n steps; tells the user once when delays ran out.
    void setRows(int n);
    // Shows sequence q (the delegate stays on its sequence until setSequence()).
    void load(int q);
    // "Insert": a new step before the current step row.
    void insertStep();
    // "Delete": deletes the step of the current row.
    void deleteStep();
    // "Finish prev. step": Off actions on the current row for what the row before switched
    // on.
    void cleanPrevStep();

private:
    aseq_delay_chain chain() const;
    // Row count of the model for n steps: the steps and the finish row, none without steps.
    static int rowsFor(int n);
    // The current row when it is a step row (not the finish row), else -1.
    int currentStepRow() const;
    void warnNoFreeDelay();
    // Before `count` delays are taken for the sequence: when some would be delays set up
    // on their own, asks whether to take them over and, on Yes, lets the chain do so.
    // False when the user said No: then nothing may change.
    bool mayTakeOver(aseq_delay_chain &steps, int count);
};
