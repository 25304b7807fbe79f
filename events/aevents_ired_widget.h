#pragma once

#include "events/aevents_page_base.h"

class QModelIndex;

// The Remote Control page: the events of the 64 remote-control keys, three rows a key (row
// r the event 0x1280 + r: key r / 3, pressed, repeated or released by r mod 3), their
// descriptions and actions. An event without a description is named after its key.
class aevents_ired_widget : public aevents_page_base
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit aevents_ired_widget(QWidget *parent);

public slots:
    void inputChange(const QModelIndex &current, const QModelIndex &previous);
    // After the remote-control settings were read anew (the keys' descriptions may have
    // changed): the current event stays, every row is rewritten.
    void afterReload();

private:
    void createWidgets();
    void connectSignals();

    // ============================================================ rows and labels
    int eventOfRow(int row) const override;
    QString rowText(int row) const override;
    QString titleText() const override;
    QString descriptionLineText() const override;
};
