#pragma once

#include "events/aevents_page_base.h"
#include "model/types.h"

class QModelIndex;
class aevents_dlyd_delegate;

// The Delays page: the 512 delays with their times (row d delay d, whose end is the event
// 0x1000 + d), the actions and descriptions of their end events. The time of a delay that no
// sequence owns is set in a popup editor opened on its time cell; a sequence's delays are
// timed with the sequence and open nothing here.
class aevents_dlyd_widget : public aevents_page_base
{
    Q_OBJECT

public:
    enum column { NumberColumn, TimeColumn };

    // ============================================================ construction
    explicit aevents_dlyd_widget(QWidget *parent);

    // ============================================================ the configuration shown
    // A delay's time as the list shows it: "1h 2m 3.4s" for 1..864000 tenths of a second,
    // "not set" for any other value.
    static QString delayText(u32 tenths);

    // ============================================================ widgets
    aevents_dlyd_delegate *delegate = nullptr;

public slots:
    // Redraws both columns of every row, the title, the description line and the action
    // editor. The argument (the editor just closed, or null) is not used.
    void refresh(QWidget *closedEditor);
    void refresh() override;
    void delayChange(const QModelIndex &current, const QModelIndex &previous);

private:
    void createWidgets();
    void connectSignals();

    void fillRows();

    // ============================================================ rows and labels
    int eventOfRow(int row) const override;
    QString rowText(int row) const override;
    QString titleText() const override;
    // The list shows no descriptions: storing one leaves it as it is.
    void descriptionStored() override;
};
