#pragma once

#include "events/aevents_page_base.h"

class QModelIndex;

// The Internal Events page: the 1024 internal events (row r the event 0x400 + r, row 0
// "Power On"), their descriptions and actions.
class aevents_vkeys_widget : public aevents_page_base
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit aevents_vkeys_widget(QWidget *parent);

public slots:
    void inputChange(const QModelIndex &current, const QModelIndex &previous);

private:
    void createWidgets();
    void connectSignals();

    // ============================================================ rows and labels
    int eventOfRow(int row) const override;
    QString rowText(int row) const override;
    QString titleText() const override;

    // The rows' words, translated once: a refresh writes a thousand rows. A language change
    // builds the page again.
    const QString describedRow = tr("Int. ev. %1 - ");
    const QString undescribedRow = tr("Internal Event %1 - ");
    const QString noDescription = tr("no description");
};
