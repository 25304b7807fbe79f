#pragma once

#include "model/types.h"

#include <QList>
#include <QModelIndex>
#include <QTableWidget>

class aevents_tableview_delegate;

// The actions of one event, one row per action, as five columns of text. The table keeps
// no copy of the actions: refresh() reads them from the action store of the current
// controller, and the delegate writes each cell edit there at once.
//
// On the sequence page the table leaves out the chain links (the Delay Start actions of
// the page's own sequence, by which its steps follow one another); row r then shows the
// r-th action that is not a chain link, wherever the chain links stand in the list.
class aevents_tableview_widget : public QTableWidget
{
    Q_OBJECT

public:
    enum column { TypeColumn, NoColumn, ActionColumn, DaytimeColumn, StatesColumn, ColumnCount };

    // ============================================================ construction
    // kind: the event_page_kind of the page that shows the table.
    aevents_tableview_widget(int kind, QWidget *parent);

    // The width of the five columns together on a table of this kind.
    static int columnsWidth(int kind);

    // ============================================================ the actions shown
    // Shows the actions of an event; a code above 4975 shows none. An edit still open on
    // the event shown before ends first (endEditing).
    void setEvent(int code);
    // 1 when the event's first action is a hidden chain link, else 0.
    int rowOffset() const;
    // The index in the event's list of the action that row r shows; a row at or past the
    // last one stands for the end of the list.
    int actionIndex(int row) const;
    // List indexes of the actions the rows show, in row order, as the store holds them now.
    QList<int> shownActions() const;
    // The object type the current row's Type cell names; -1 without a current row or for a
    // type the table does not know.
    int currentType() const;

    int eventCode = 0;
    const int pageKind;

    // ============================================================ cell texts
    // A field that holds no value the controller knows.
    static QString oops();

    // Type column: "Scene" .. "Mask"; oops() for an unknown type.
    static QString typeText(int type);
    // No. column: the 1-based number or "All"; a state's name for Set status; "- -" for
    // types that name no object.
    static QString numberText(int type, int number);
    // Action column: the operation's name for the type; oops() where the type has no such
    // operation.
    static QString operationText(int operation, int type);
    // Daytime Limits column: the range "8:0 - 17:0" (units of 10 minutes, 144 the end of
    // the day), one of the special limits, or "Not set". The clock page does not use them.
    static QString daytimeText(int from, int to, int kind);
    // State Limits column: every state the action depends on, upper case for "set", lower
    // case for "unset", each followed by a blank.
    static QString stateLimitText(int statesA, const u32 words[4]);

    // "A1".."A4", "B1".."I8" for the states 0..67.
    static QString stateName(int state);
    // The state a name names, -1 for none.
    static int stateIndex(const QString &name);
    // Two-bit condition of state i in an action's state bytes.
    static int stateCondition(int state, int statesA, const u32 words[4]);

signals:
    void deletePressed();
    void insertPressed();
    // The target of the current row: its object type (-1 none) and 0-based number (-1 none
    // or all).
    void actionChgd(int type, int number);

public slots:
    void slotTypeChgd(int type);
    void slotNoChgd(int value);
    void rowChgd(const QModelIndex &current, const QModelIndex &previous);
    void refresh();
    // Stores and closes the daytime editor once the mouse has really left it.
    void stopEditing(QWidget *editor);
    // Ends an open cell edit before its action's place can change: another event shown,
    // actions inserted, deleted or pasted, another configuration opened or read. A cell
    // editor stores into its own action first, as when the current cell moves on; the
    // state-limit window stores only on "Set", so it closes without storing, as on
    // "Cancel".
    void endEditing();
    // After a clear of the configuration: an open editor whose action the clear left as it
    // was goes on, and its confirm stores into it; one whose action the clear removed or
    // changed closes without storing, as when another configuration is read.
    void endEditingOfClearedAction();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The sequence whose chain links the table hides, -1 none.
    int pageSequence() const;
    void fillRow(int row, int j);
    // The number a row's No. cell names: -1 for "All", "- -" or no number.
    int numberOfRow(int row, int type) const;

    aevents_tableview_delegate *delegate = nullptr;
};
