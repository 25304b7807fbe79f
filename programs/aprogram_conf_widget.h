#pragma once

#include "model/step_clip_class.h"

#include <QKeyEvent>
#include <QList>
#include <QTableView>
#include <QTime>

class QStandardItem;
class QStandardItemModel;
class aprogram_conf_delegate;
class aprogram_settings_widget;

// The step table of the program page: one row per step of the shown program, with its
// scene, fade-up, duration (or infinite), fade-down, the program time at its end and the
// internal event it fires.
//
// The table keeps no steps of its own: the program store of currentController holds them,
// and refresh() rewrites every cell from it. While it does so it adds up the running
// program time and repairs two things the controller cannot play: a step whose fade-up and
// duration are both zero gets a duration of one second (after telling the user), and a
// last step's fade-down that its end word cannot carry becomes zero.
class aprogram_conf_widget : public QTableView
{
    Q_OBJECT

public:
    // --- construction -----------------------------------------------------------------
    aprogram_conf_widget(aprogram_settings_widget *page, QWidget *parent);
    ~aprogram_conf_widget() override;

    enum step_column {
        SceneColumn,
        FadeUpColumn,
        DurationColumn,
        FadeDownColumn,
        ProgramTimeColumn,
        EventColumn,
        StepColumnCount
    };
    // What the program-time cells hold besides their text: the end of the step as a time
    // of day (invalid while undetermined), and the same end in tenths of a second from the
    // program's start, days included (-1 while undetermined).
    enum step_role { ProgramTimeRole = Qt::UserRole, ProgramTenthsRole };

    // The table's width: its six columns and room for the row numbers and the scroll bar.
    int columnsWidth() const;

    // Cell texts: a time as "hh:mm:ss.z"; a program time in tenths with its day count in
    // front from the first whole day on ("2+03:00:00.0"); the event column's text of an
    // event code (the internal event's number, else "not set").
    static QString timeText(QTime time);
    static QString programTimeText(qint64 tenths);
    static QString eventText(int code);

    // --- the program it shows ---------------------------------------------------------
    int runMode = 1;          // recurrences of the shown program; 0 repeats endlessly
    int programNumber = 0;    // 0..511
    // Steps copied with the row gaps between them, for pasting into any program.
    QList<step_clip_class> stepClipboard;
    QStandardItemModel *stepModel = nullptr;
    // Edits every cell of a step; owned by the table.
    aprogram_conf_delegate *confDelegate = nullptr;
    // The page that built the table; pasting reads its "Replace" box.
    aprogram_settings_widget *page = nullptr;

    // Which program the table shows, with the recurrences the store holds for it (so the
    // table never judges one program's last step by another's recurrences); no refresh.
    void setProgram(int program);
    // The recurrences, which decide whether the last step shows a fade-down; refreshes.
    void setRunMode(int recurrences);
    // Adds or removes rows at the end until the table has `count` rows (a negative count
    // removes nothing); refreshes.
    void setRows(int count);

    // True while the table rewrites its cells (a box of the zero-time rule may be up).
    bool isRefreshing() const { return refreshing; }

    // What the table does with a key: one of the step operations, or the view's own
    // handling (moving the current cell, starting an edit).
    enum key_operation { NoOperation, InsertOperation, DeleteOperation, CopyOperation, PasteOperation };
    static key_operation keyOperation(int key, Qt::KeyboardModifiers modifiers);

signals:
    // The step count after a step operation changed it; -1 for a program the store does
    // not hold.
    void changeStepNumber(int count);
    // The cells show the store again: every edit of the steps ends with a refresh.
    void refreshed();

public slots:
    // Stores and closes the duration editor once the mouse has left its rectangle.
    void stopEditing(QWidget *editor);
    // Rewrites every cell from the program store; the argument is not used.
    void refresh(int unused);
    void refresh();
    // After an editor closed: refreshes after a time editor or in the duration column.
    void refresh(QWidget *editor);
    // The current row changed.
    void indexChanged(const QModelIndex &current, const QModelIndex &previous);

    // The step operations: insert a new step before the current row, delete the selected
    // steps, copy them, paste the copied steps, number the scenes below the current row.
    // Insert and paste ask before they push steps past the program's last one; a paste that
    // would put a copied step there is refused whole.
    void insertStep();
    void deleteStep();
    void copyStep();
    void pasteStep();
    void fillSteps();

    // Delete, Insert, Ctrl+C and Ctrl+V run the step operations; every other key is the
    // view's. An editor whose key comes on to the table is stored into its own step and
    // closed before the operation runs.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The running total of one refresh, in tenths; -1 once an infinite step made it
    // undetermined.
    struct program_clock {
        qint64 tenths = 0;
        bool determined() const { return tenths >= 0; }
        void add(qint64 t) { if (determined()) tenths += t; }
        void stop() { tenths = -1; }
    };

    // Stores the open editor into its own step and closes it; false when an editor stays
    // open.
    bool closeEditorWithFocus();
    void fitHeaderFont();
    void fillRows();
    void fillRow(int row, program_clock &clock, bool &fixAll);
    // The duration of a step whose times are both zero becomes one second; asks first
    // unless the user chose to fix every such step. True when the user chose so.
    bool askZeroTimeFix();
    QStandardItem *cell(int row, int column) const;

    // The step operations' boxes, on the table: a question answered by a button index
    // (0 "No", 1 "Yes!", 2 "All" when offered), and a warning.
    int askConfirmation(const QString &text, bool offerAll);
    // Insert's question before steps are pushed past the program's last one; true on "Yes!".
    bool confirmDroppingLastSteps();
    void warn(const QString &title, const QString &text);
    // Where each copied step of a paste goes: its row, and whether it is inserted there (else
    // it replaces the step of that row).
    struct paste_target {
        int row;
        bool insert;
    };
    QList<paste_target> pasteTargets(bool replace) const;
    // The rows whose first cell is selected, top down.
    QList<int> selectedRows() const;
    // After a step operation: the rows follow the store's step count, which the table
    // reports when it changed; the table shows the store again.
    void showNewStepCount();
    void setCellText(int row, int column, const QString &text);

    // A modal box inside a refresh lets the event loop run: a refresh asked for meanwhile
    // runs after the current one instead of inside it.
    bool refreshing = false;
    bool refreshAgain = false;
};
