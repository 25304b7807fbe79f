#pragma once

#include <QItemDelegate>

class aprogram_conf_widget;
class program_time_edit;

// The item delegate of the step table: the editor of each cell of a step, loaded from the
// program store and written back into it when the edit is committed; after every commit the
// table rewrites itself from the store.
//
// In the program-time column the user moves the end of a step: the step's duration changes
// by the move and the next step's duration by the opposite amount, so the steps after it
// keep their times. Moved on the last row, the end lengthens or shortens the program.
class aprogram_conf_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // --- construction -----------------------------------------------------------------
    // The delegate of `table`, which owns it.
    explicit aprogram_conf_delegate(aprogram_conf_widget *table);

    // --- the program it edits ---------------------------------------------------------
    int runMode = 0;          // recurrences of the program; 0 repeats endlessly
    int programNumber = 0;
    aprogram_conf_widget *table = nullptr;

    // The ends a move of a step's end may reach, in tenths from the program's start, for
    // the row's end `end`: from the end that leaves the step no duration to the end that
    // leaves the next step none (the end of that day on the last row). Neither step may
    // grow beyond the longest finite duration. Equal ends: the end cannot move.
    struct end_range {
        qint64 earliest = 0;
        qint64 latest = 0;
    };
    end_range endRange(int row, qint64 end) const;

    // --- editing ----------------------------------------------------------------------
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

signals:
    // A scene number (from 1): the one being entered, and once more the one stored.
    void changeDesc(int scene);
    // The event number being entered (0 none).
    void changeEvent(int event);

public slots:
    void setProgramRunMode(int recurrences);
    void setProgramNumber(int program);

protected:
    // The duration editor is a time editor and a check box side by side, and the focus is
    // on one of them: losing it to a widget outside the pair ends the edit like any other
    // editor's focus loss.
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *createSceneEditor(QWidget *parent) const;
    QWidget *createDurationEditor(QWidget *parent) const;
    QWidget *createFadeDownEditor(QWidget *parent, int row) const;
    program_time_edit *createProgramTimeEditor(QWidget *parent, const QModelIndex &index) const;
    QWidget *createEventEditor(QWidget *parent) const;

    void storeProgramTime(const program_time_edit *editor, const QModelIndex &index) const;
    // The edited row's end in tenths, -1 while undetermined.
    static qint64 endOf(const QModelIndex &index);
    bool isLastRow(int row) const;
    bool isOpenEditor(QWidget *editor) const;
};
