#pragma once

#include "model/types.h"

#include <QWidget>

class QCheckBox;
class QPushButton;
class aevents_tableview_widget;
struct event_action_class;

// The action editor: the list of actions of one event, with the buttons that change the
// list itself (Add, Insert, Del, Copy, Paste and "Before"). Every event page embeds one,
// and so does the sequence page. It works on the action store of the current controller
// at once and keeps the delays in use, the enabling input and the application's one
// action clipboard (event_actions_class::clipboard) in step with the lists.
class aevents_conf_widget : public QWidget
{
    Q_OBJECT

public:
    // ============================================================ construction
    // kind: the event_page_kind of the page that embeds the editor.
    aevents_conf_widget(int kind, QWidget *parent);

    // ============================================================ the event edited
    // Shows and edits the actions of an event; a code above 4975 (0xFFFF: none) shows an
    // empty table and makes every list operation do nothing.
    void setEvent(u16 code);

    int eventCode = 0;
    const int pageKind;

    // ============================================================ widgets
    aevents_tableview_widget *actionTable = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *delButton = nullptr;
    QPushButton *insButton = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *pasteButton = nullptr;
    QCheckBox *beforeBox = nullptr;

signals:
    // The list of delays in use changed (a deletion or a paste): the Delays page redraws.
    void forceRefresh();

public slots:
    // Redraws the table; Paste is enabled while the clipboard holds an action.
    void refresh();
    void pushButton_addClicked(bool checked);
    void pushButton_insClicked(bool checked);
    void pushButton_delClicked(bool checked);
    void copyActions();
    void pasteActions();
    // The table's Delete key deletes like Del; its Insert key appends like Add.
    void deletePressed();
    void insertPressed();

private:
    void createWidgets();
    void connectSignals();

    bool editable() const;
    // The number an added action takes after one of `type` numbered `previous`.
    static int followingNumber(int type, int previous);
    enum paste_outcome {
        Pasted,
        Skipped,  // a locked delay's action: the rest of the paste goes on
        Refused,  // no room in the action table for it: the paste stops
    };
    // Pastes one clipboard record at list index `at`.
    paste_outcome pasteRecord(const event_action_class &record, int at);
    void warnLockedDelay();
};
