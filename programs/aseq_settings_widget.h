#pragma once

#include "model/types.h"
#include "widgets/page_base.h"

class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSpinBox;
class QTableWidget;
class aevents_conf_widget;
class aseq_conf_widget;

// The Sequences page: the list of the 128 sequences, the step table of the one chosen with
// its step count and the buttons that act on its steps, the action editor over the event
// of the current step row, and the sequence's description.
//
// A sequence is a chain of delays: its start event starts step 1's delay and each step's
// end starts the next; every one of these events carries actions of its own. Each edit goes
// into the configuration of currentController at once; the page keeps only the sequence
// shown and reads everything else again at each refresh.
class aseq_settings_widget : public page_base
{
    Q_OBJECT

public:
    // ============================================================ construction
    // The page fills the tab page given, which owns it.
    explicit aseq_settings_widget(QWidget *tabPage);

    // ============================================================ the configuration shown
    // The sequence shown, 0..127.
    int currentSequence = 0;

    // ============================================================ widgets
    QTableWidget *sequenceTable = nullptr;
    aevents_conf_widget *actionEditor = nullptr;
    QAbstractItemModel *sequenceModel = nullptr;
    QLabel *sequenceLabel = nullptr;
    QSpinBox *stepCountSpin = nullptr;
    QLabel *stepCountLabel = nullptr;
    QPushButton *insertButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *finishButton = nullptr;
    QLabel *descLabel = nullptr;
    QLineEdit *seqDescEdit = nullptr;
    aseq_conf_widget *stepTable = nullptr;

public slots:
    // Redraws the whole page from the configuration.
    void refresh();
    // Rewrites the 128 rows of the sequence list.
    void tableSeqRefresh();
    // Shows sequence `row` (a click in the list; the window after a file was opened).
    void seqNumberChange(int row, int column, int previousRow, int previousColumn);
    // Gives the sequence shown n steps (the spin box).
    void stepCountChange(int n);
    // Shows n in the spin box without acting on it.
    void stepCountChanged(int n);
    // Points the action editor at the event of the current step row.
    void stepRowChange(const QModelIndex &current, const QModelIndex &previous);
    // Stores the description line as the description of the sequence shown.
    void disableDescEdition();

private:
    void createWidgets();
    void createSequenceTable();
    void createStepControls();
    void connectSignals();

    // The description of sequence q as its list row shows it before eliding.
    QString sequenceText(int q) const;
};
