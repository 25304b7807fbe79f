#pragma once

#include <QItemDelegate>

// The item delegate of an action table: the editors of its cells, which write each edit
// into the action store at once. The cell editors are not built yet, so every cell is shown
// read-only; the delegate already carries the signals the table follows.
class aevents_tableview_delegate : public QItemDelegate
{
    Q_OBJECT

public:
    // pageKind: the table's event_page_kind; parent: the table, which owns the delegate.
    aevents_tableview_delegate(int pageKind, QObject *parent);

    // The event whose actions are edited; a code above 4975 is ignored.
    void setEvent(int code);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

    int eventCode = 0;
    const int pageKind;

signals:
    // The type chosen for the current row, before it is stored.
    void actionTypeChgd(int type);
    // The number editor's value: 0 All, n + 1 object (or state) n.
    void actionNoChgd(int value);
    // The store has (or may have) changed: the table and the Delays page redraw.
    void forceRefresh();
};
