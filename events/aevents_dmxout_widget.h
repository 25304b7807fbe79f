#pragma once

#include "events/aevents_page_base.h"

class QModelIndex;

// The DMX Output page: the On and Off events of the DMX output channels that generate
// events (two rows per channel from firstChannel to lastChannel, at least one row), their
// descriptions and actions.
class aevents_dmxout_widget : public aevents_page_base
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit aevents_dmxout_widget(QWidget *parent);

    // ============================================================ the configuration shown
    // The 1-based channels listed, written from outside (the DMX output settings, the
    // window after a load); they show at the next refresh(). The list stays within the
    // channels 1..512, so a range from a file or the controller lists DMX output events only.
    int firstChannel = 32;
    int lastChannel = 32;
    void setChannelRange(int first, int last);

    // Also takes up the current row's event when the range has changed.
    void refresh() override;

public slots:
    void dmxEventChange(const QModelIndex &current, const QModelIndex &previous);

private:
    void createWidgets();
    void connectSignals();

    // The channels listed, within 1..512.
    int listedFirst() const;
    int listedRowCount() const;
    // Sets the list's row count and the event of the row that stays current.
    void applyRange();

    // ============================================================ rows and labels
    int eventOfRow(int row) const override;
    QString rowText(int row) const override;
    QString titleText() const override;

    // True while the list's row count changes: the current row it moves is taken up after.
    bool changingRows = false;
};
