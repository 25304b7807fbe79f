#pragma once

#include "model/types.h"

#include <QItemDelegate>
#include <QPersistentModelIndex>

#include <memory>

class QComboBox;
class QSpinBox;
class aevents_tableview_widget;
struct event_action_class;

// The item delegate of an action table: the editor of every cell of an action, loaded from
// the action store and written back into it when the edit is committed. On the way it keeps
// the rules of the actions: the operations each type may have on each page and for All, the
// one input or key that may carry Enabling actions, and the delays that sequences own,
// which no event may start. Every stored edit ends with forceRefresh(), after which the
// table (and the Delays page) redraw from the store.
class aevents_tableview_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // ============================================================ construction
    // pageKind: the table's event_page_kind; parent: the table, which owns the delegate.
    aevents_tableview_delegate(int pageKind, QObject *parent);
    ~aevents_tableview_delegate() override;

    // The event whose actions are edited; a code above 4975 is ignored.
    void setEvent(int code);

    int eventCode = 0;
    const int pageKind;

    // The cell whose editor was opened last; invalid before the first one.
    QModelIndex editedCell() const { return lastEditedCell; }
    // Whether the action the last editor was opened on is still in the store, as it was
    // then or as edits since have left it.
    bool editedActionPresent() const { return locateEditedAction() >= 0; }

    // ============================================================ the rules
    // Masks per operation (rows 0..10) and type (columns 0..8): bit k allows the operation
    // on the event page of tab k, bit 6 on the sequence page, bit 8 for an action on All.
    static const u16 operationRules[11][9];
    // Whether an action of `type` on `number` (as the number editors give it: 0 All, else
    // one object) may have `operation` on this delegate's page.
    bool operationAllowed(int type, int number, int operation) const;

    // ============================================================ editing
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

signals:
    // The type chosen for the current row, before it is stored.
    void actionTypeChgd(int type);
    // The number editor's value: 0 All, n + 1 object (or state) n.
    void actionNoChgd(int value);
    // The store has (or may have) changed: the table and the Delays page redraw.
    void forceRefresh();

protected:
    // The state-limit window stores on "Set" only: losing the focus or a key does not
    // commit it, and closing the window cancels.
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // The table that created the delegate (not owned), null when built apart from one.
    aevents_tableview_widget *const table;
    // Number, type and operation of the action being edited, copied when its editor opens.
    const std::unique_ptr<event_action_class> editedAction;
    // The action an editor was opened on: its event, its record and its index in the
    // event's list then. An editor loads from and stores into that record only.
    mutable int editedEvent = -1;
    mutable std::weak_ptr<event_action_class> editedRecord;
    mutable int editedIndex = -1;
    mutable QPersistentModelIndex lastEditedCell;

    int actionIndexOfRow(int row) const;
    // The index of the edited record in its event's list now (found again when actions
    // came or went before it); -1 when the delegate shows another event, or the record
    // left the list or the configuration it was taken from.
    int locateEditedAction() const;
    bool lockedAction(int j) const;

    QWidget *createTypeEditor(QWidget *parent) const;
    QWidget *createNumberEditor(QWidget *parent, int type) const;
    QWidget *createOperationEditor(QWidget *parent, int type, int number) const;
    QWidget *createStatesEditor() const;

    void storeType(QComboBox *editor, QAbstractItemModel *model, const QModelIndex &index);
    void storeNumber(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index);
    void storeOperation(QComboBox *editor, QAbstractItemModel *model, const QModelIndex &index);
    void storeDaytime(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index);
    void storeStates(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index);

    // The number a Delay Start is to start, checked against the delays sequences own:
    // true with `number` kept or repaired to a free delay (stored at once), false when the
    // edit is to be dropped.
    bool checkDelayStart(int &number);
    // Keeps kd620_controller_class::delaysInUse in step when an action stops or starts
    // being a Delay Start, or starts another delay.
    static void updateDelaysInUse(bool startedBefore, int before, bool startsNow, int now);
    // The lowest delay that no action starts, -1 when all are in use.
    static int freeDelay();
    // Refuses an edit: the store stays, the table shows it again.
    bool drop();
};
