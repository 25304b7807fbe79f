#pragma once

#include "events/aevents_page_base.h"

class QModelIndex;

// The Inputs page: the On and Off events of the 24 inputs (48 rows, row r the event
// 0x1340 + r), their descriptions and actions.
class aevents_inputs_widget : public aevents_page_base
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit aevents_inputs_widget(QWidget *parent);

public slots:
    void inputChange(const QModelIndex &current, const QModelIndex &previous);

private:
    void createWidgets();
    void connectSignals();

    // ============================================================ rows and labels
    int eventOfRow(int row) const override;
    QString rowText(int row) const override;
    QString titleText() const override;
    QString descriptionLineText() const override;
};
