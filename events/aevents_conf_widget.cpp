#include "events/aevents_conf_widget.h"

#include "events/action_objects.h"
#include "events/action_room.h"
#include "events/aevents_tableview_widget.h"
#include "events/delay_lock.h"
#include "events/enabling_input.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"
#include "widgets/page_base.h"
#include "widgets/window_services.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

constexpr int TableHeight = 475;
constexpr int SequenceTableHeight = 264;
// The table's own width: its columns and room for the row numbers (up to three digits)
// and the scroll bar.
constexpr int TableMargin = 47;

// Buttons and the Before box: at x 540 (520 on the clock page, whose table is narrower),
// 20 pixels higher on the sequence page.
constexpr int ControlsX = 540;
constexpr int ClockControlsX = 520;
constexpr int SequenceLift = 20;
// Wide enough for the longest translation of the button texts ("Einsetzen").
constexpr int ButtonWidth = 66;
constexpr int ButtonHeight = 30;
constexpr int BoxHeight = 22;

struct control_entry {
    const char *text;
    int y;
};
const control_entry AddEntry = {QT_TRANSLATE_NOOP("aevents_conf_widget", "Add"), 50};
const control_entry InsertEntry = {QT_TRANSLATE_NOOP("aevents_conf_widget", "Insert"), 90};
const control_entry DelEntry = {QT_TRANSLATE_NOOP("aevents_conf_widget", "Del"), 130};
const control_entry CopyEntry = {QT_TRANSLATE_NOOP("aevents_conf_widget", "Copy"), 180};
const control_entry PasteEntry = {QT_TRANSLATE_NOOP("aevents_conf_widget", "Paste"), 220};
const control_entry BeforeEntry = {QT_TRANSLATE_NOOP("aevents_conf_widget", "Before"), 252};

bool startsDelay(int type, int operation)
{
    return type == ActionDelay && operation == OperationOn;
}

} // namespace

aevents_conf_widget::aevents_conf_widget(int kind, QWidget *parent)
    : QWidget(parent)
    , pageKind(kind)
{
    createWidgets();
    connectSignals();
}

void aevents_conf_widget::createWidgets()
{
    setFont(page_base::listFont());
    actionTable = new aevents_tableview_widget(pageKind, this);
    actionTable->setGeometry(0, 0, aevents_tableview_widget::columnsWidth(pageKind) + TableMargin,
                             pageKind == SequencePageKind ? SequenceTableHeight : TableHeight);

    const int x = pageKind == ClockPageKind ? ClockControlsX : ControlsX;
    const int lift = pageKind == SequencePageKind ? SequenceLift : 0;
    auto button = [&](const control_entry &entry) {
        auto *b = new QPushButton(tr(entry.text), this);
        b->setGeometry(x, entry.y - lift, ButtonWidth, ButtonHeight);
        b->setFont(page_base::listFont());
        return b;
    };
    addButton = button(AddEntry);
    insButton = button(InsertEntry);
    delButton = button(DelEntry);
    copyButton = button(CopyEntry);
    pasteButton = button(PasteEntry);
    beforeBox = new QCheckBox(tr(BeforeEntry.text), this);
    beforeBox->setGeometry(x, BeforeEntry.y - lift, ButtonWidth, BoxHeight);
    beforeBox->setFont(page_base::listFont());
}

void aevents_conf_widget::connectSignals()
{
    connect(addButton, &QPushButton::clicked, this, &aevents_conf_widget::pushButton_addClicked);
    connect(insButton, &QPushButton::clicked, this, &aevents_conf_widget::pushButton_insClicked);
    connect(delButton, &QPushButton::clicked, this, &aevents_conf_widget::pushButton_delClicked);
    connect(actionTable, &aevents_tableview_widget::deletePressed, this, &aevents_conf_widget::deletePressed);
    connect(actionTable, &aevents_tableview_widget::insertPressed, this, &aevents_conf_widget::insertPressed);
    connect(copyButton, &QPushButton::clicked, this, &aevents_conf_widget::copyActions);
    connect(pasteButton, &QPushButton::clicked, this, &aevents_conf_widget::pasteActions);
    // The Delays page follows its own editor itself; every other editor's changes to the
    // delays in use reach it through the window.
    if (pageKind != DelaysPageKind) {
        connect(this, &aevents_conf_widget::forceRefresh, this, [] {
            if (window_services *window = windowServices())
                window->refreshDelaysPage();
        });
    }
}

void aevents_conf_widget::setEvent(u16 code)
{
    eventCode = code;
    actionTable->setEvent(code);
}

void aevents_conf_widget::refresh()
{
    actionTable->refresh();
    pasteButton->setEnabled(!event_actions_class::clipboard.isEmpty());
}

bool aevents_conf_widget::editable() const
{
    return isEventCode(eventCode);
}

int aevents_conf_widget::followingNumber(int type, int previous)
{
    // All stays All; the last object of its type is followed by itself.
    const int count = actionObjectCount(type);
    if (previous == event_action_class::AllObjects || (type == ActionSetStatus && previous >= count))
        return event_action_class::AllObjects;
    return std::clamp(previous + 1, 0, count - 1);
}

void aevents_conf_widget::pushButton_addClicked(bool)
{
    if (!editable())
        return;
    event_actions_class &store = currentController->eventActions;
    event_action_class added = event_action_class::newAction(eventCode);
    // The new action follows the last action shown: same type, next number. On the
    // sequence page a chain link shows nothing to follow, so the defaults stand.
    const QList<int> shown = actionTable->shownActions();
    const int previous = shown.isEmpty() ? -1 : shown.last();
    if (previous >= 0) {
        const int type = store.type(eventCode, previous);
        const int number = followingNumber(type, store.no(eventCode, previous));
        if (type == ActionDelay && delayLocked(currentController->confData, number)) {
            warnLockedDelay();
        } else if (type != ActionEnabling
                   || action_room::claimEnabling(store, eventCode, added.operation(), nullptr, this)
                          == enabling_refusal::None) {
            // An Enabling action the table has no room for leaves the ordinary defaults.
            added.setType(type);
            added.no = u16(number);
        }
    }
    if (added.type() != ActionEnabling && !action_room::roomForAction(store, this))
        return;
    store.insertActionCopy(eventCode, std::numeric_limits<int>::max(), added);
    refresh();
}

void aevents_conf_widget::pushButton_insClicked(bool)
{
    if (!editable())
        return;
    actionTable->endEditing();  // the actions after the new one move down a place
    for (int row = 0; row < actionTable->rowCount(); ++row) {
        if (actionTable->selectionModel()->isRowSelected(row, QModelIndex())) {
            if (action_room::roomForAction(currentController->eventActions, this))
                currentController->eventActions.insertAction(eventCode, actionTable->actionIndex(row));
            break;
        }
    }
    refresh();
}

void aevents_conf_widget::pushButton_delClicked(bool)
{
    if (!editable())
        return;
    actionTable->endEditing();  // the edited action may go, the ones after it move up
    event_actions_class &store = currentController->eventActions;
    QList<u16> &delaysInUse = currentController->delaysInUse;
    bool enablingRemoved = false;
    // Bottom-up, so the rows still to come keep their actions.
    const QList<int> shown = actionTable->shownActions();
    for (int row = int(shown.size()) - 1; row >= 0; --row) {
        if (!actionTable->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        const int j = shown[row];
        const int type = store.type(eventCode, j);
        const int number = store.no(eventCode, j);
        if (startsDelay(type, store.operation(eventCode, j))) {
            if (delayLocked(currentController->confData, number))
                continue;  // a sequence's step: only the sequence page takes it away
            if (delaysInUse.removeOne(u16(number)))
                emit forceRefresh();
        }
        enablingRemoved |= type == ActionEnabling;
        store.removeAction(eventCode, j);
    }
    if (enablingRemoved)
        enabling_input::releaseIfUnused(store, enabling_input::claimedBy(eventCode));
    refresh();
}

void aevents_conf_widget::copyActions()
{
    QList<event_action_ptr> &clipboard = event_actions_class::clipboard;
    clipboard.clear();
    const QList<int> shown = actionTable->shownActions();
    const QModelIndexList rows = actionTable->selectionModel()->selectedRows();
    for (const QModelIndex &index : rows) {
        if (index.row() >= shown.size())
            continue;
        if (event_action_ptr action = currentController->eventActions.sharedAction(u32(eventCode), shown[index.row()]))
            clipboard.append(action);
    }
    refresh();
}

void aevents_conf_widget::pasteActions()
{
    if (event_actions_class::clipboard.isEmpty() || !editable())
        return;
    actionTable->endEditing();  // the actions after the copies move down
    const int current = actionTable->currentRow();
    const int row = current < 0 ? 0 : beforeBox->isChecked() ? current : current + 1;
    int at = actionTable->actionIndex(row);
    // The records as they are now: later edits of a copied action are pasted too.
    const QList<event_action_ptr> records = event_actions_class::clipboard;
    for (const event_action_ptr &record : records) {
        const paste_outcome outcome = pasteRecord(*record, at);
        if (outcome == Refused)
            break;  // what the table cannot hold stops the paste where it was met
        if (outcome == Pasted)
            ++at;
    }
    refresh();
}

aevents_conf_widget::paste_outcome aevents_conf_widget::pasteRecord(const event_action_class &record, int at)
{
    if (record.type() == ActionDelay && delayLocked(currentController->confData, record.no)) {
        warnLockedDelay();
        return Skipped;
    }
    event_actions_class &store = currentController->eventActions;
    if (record.type() == ActionEnabling) {
        if (action_room::claimEnabling(store, eventCode, record.operation(), nullptr, this) != enabling_refusal::None)
            return Refused;
    } else if (!action_room::roomForAction(store, this)) {
        return Refused;
    }
    store.insertActionCopy(eventCode, at, record);
    if (startsDelay(record.type(), record.operation())) {
        currentController->delaysInUse.append(record.no);
        emit forceRefresh();
    }
    return Pasted;
}

void aevents_conf_widget::warnLockedDelay()
{
    showMessage(message_icon::Warning, tr("Warning!"), tr("This delay is locked!"), message_button::Ok,
                message_button::NoButton, this);
}

void aevents_conf_widget::deletePressed()
{
    pushButton_delClicked(true);
}

void aevents_conf_widget::insertPressed()
{
    pushButton_addClicked(true);
}
