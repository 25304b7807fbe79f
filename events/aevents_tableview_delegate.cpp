#include "events/aevents_tableview_delegate.h"

#include "events/DTL_Box.h"
#include "events/DTL_widget.h"
#include "events/StL_widget.h"
#include "events/action_objects.h"
#include "events/action_room.h"
#include "events/aevents_tableview_widget.h"
#include "events/delay_lock.h"
#include "events/enabling_input.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/user_interaction.h"
#include "widgets/window_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTabWidget>

namespace {

// Masks of operationRules.
constexpr u16 EveryPage = 0x00FF;
constexpr u16 EveryPageAll = 0x01FF;
constexpr u16 InputsOnly = 0x0001;
constexpr u16 RemoteOnly = 0x0010;
constexpr u16 InputsRemoteAll = 0x0111;
constexpr u16 OnAll = 0x0100;
constexpr int SequencePageBit = 6;

constexpr int TypeCount = 8;
constexpr int OperationCount = 11;
constexpr int StateCount = controller_configuration_class::StateCount;
constexpr int StatesPerLetter = 8;
constexpr int StatesInByteA = 4;
constexpr int RepairButton = 0;

// The types the Type list offers, in its order; Enabling and Save show follow where the
// event can carry them.
const int OrdinaryTypes[] = {ActionScene, ActionProgram, ActionSequence, ActionDelay, ActionMask, ActionSetStatus};

struct operation_item {
    int operation;
    const char *text;
    bool singleOnly;  // offered only for an action on one object, not on All
};

const operation_item SceneOperations[] = {
    {OperationOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "On"), true},
    {OperationToggle, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Toggle"), true},
    {OperationFreeze, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Freeze"), false},
    {OperationUnfreeze, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Unfreeze"), false},
    {OperationOff, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Off"), false},
    {OperationIncrease, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Inc. brightness"), false},
    {OperationDecrease, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Dec. brightness"), false},
    {OperationSetIntensity, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Set brightness"), false},
    {OperationExclusiveOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Exclusive on"), true},
};
const operation_item ProgramOperations[] = {
    {OperationOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "On"), true},
    {OperationNextStep, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Next step"), false},
    {OperationFreeze, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Freeze"), false},
    {OperationUnfreeze, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Unfreeze"), false},
    {OperationOff, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Off"), false},
    {OperationExclusiveOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Exclusive on"), true},
    {OperationRestart, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Restart"), false},
};
const operation_item SetStatusOperations[] = {
    {OperationOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Activate"), false},
    {OperationOff, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Deactivate"), false},
    {OperationToggle, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Toggle"), false},
};
const operation_item SaveShowOperations[] = {
    {OperationOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Save"), false},
    {OperationOff, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Restore"), false},
};
const operation_item StartOffOperations[] = {
    {OperationOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Start"), true},
    {OperationOff, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Off"), false},
};
const operation_item MaskOperations[] = {
    {OperationOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "On"), true},
    {OperationToggle, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Toggle"), true},
    {OperationFreeze, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Freeze"), false},
    {OperationUnfreeze, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Unfreeze"), false},
    {OperationOff, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Off"), false},
    {OperationIncrease, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Increase intensity"), false},
    {OperationDecrease, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Decrease intensity"), false},
    {OperationSetIntensity, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Set intensity"), false},
    {OperationExclusiveOn, QT_TRANSLATE_NOOP("aevents_tableview_delegate", "Exclusive on"), true},
};

template <size_t N>
void addOperations(QComboBox *box, const operation_item (&items)[N], bool single)
{
    for (const operation_item &item : items) {
        if (single || !item.singleOnly)
            box->addItem(aevents_tableview_delegate::tr(item.text), item.operation);
    }
}

bool startsDelay(int type, int operation)
{
    return type == ActionDelay && operation == OperationOn;
}

bool isAll(int number)
{
    return number >= event_action_class::AllObjects;
}

// A number as the number editors give it: 0 All, n + 1 object n.
int editorNumber(int number)
{
    return isAll(number) ? 0 : number + 1;
}

// A number brought into what a type can name; All stays All.
int numberWithin(int type, int number)
{
    if (isAll(number) || number < 0)
        return number < 0 ? 0 : number;
    return qMin(number, actionObjectCount(type) - 1);
}

QString stateItemText(int i)
{
    if (i < StatesInByteA)
        return QStringLiteral("%1%2").arg(QLatin1Char('A')).arg(i + 1);
    return QStringLiteral("%1%2").arg(QLatin1Char(char('A' + (i + 4) / StatesPerLetter))).arg((i + 4) % StatesPerLetter + 1);
}

} // namespace

// clang-format off
const u16 aevents_tableview_delegate::operationRules[11][9] = {
    //   Scene         Program       Enabling    Set status    Save show        Delay         Sequence      Mask
    {EveryPage,    EveryPage,    InputsOnly, EveryPageAll, InputsRemoteAll, EveryPage,    EveryPage,    EveryPage,    0},  // 0
    {EveryPageAll, EveryPageAll, 0,          0,            0,               0,            0,            EveryPageAll, 0},  // 1
    {EveryPage,    0,            RemoteOnly, EveryPageAll, 0,               0,            0,            EveryPage,    0},  // 2
    {EveryPageAll, EveryPageAll, 0,          0,            0,               0,            0,            EveryPageAll, 0},  // 3
    {EveryPageAll, EveryPageAll, InputsOnly, EveryPageAll, InputsRemoteAll, EveryPageAll, EveryPageAll, EveryPageAll, 0},  // 4
    {EveryPageAll, EveryPageAll, 0,          0,            0,               0,            0,            EveryPageAll, 0},  // 5
    {EveryPage,    EveryPage,    0,          0,            0,               0,            0,            EveryPage,    0},  // 6
    {0,            EveryPageAll, 0,          0,            0,               0,            0,            0,            0},  // 7
    {EveryPageAll, EveryPageAll, 0,          0,            0,               0,            0,            EveryPageAll, 0},  // 8
    {EveryPageAll, EveryPageAll, 0,          0,            0,               0,            0,            EveryPageAll, 0},  // 9
    {EveryPageAll, EveryPageAll, 0,          0,            0,               0,            0,            EveryPageAll, 0},  // 10
};
// clang-format on

aevents_tableview_delegate::aevents_tableview_delegate(int pageKind, QObject *parent)
    : QItemDelegate(parent)
    , pageKind(pageKind)
    , table(qobject_cast<aevents_tableview_widget *>(parent))
    , editedAction(std::make_unique<event_action_class>())
{
}

aevents_tableview_delegate::~aevents_tableview_delegate() = default;

void aevents_tableview_delegate::setEvent(int code)
{
    if (isEventCode(code))
        eventCode = code;
}

bool aevents_tableview_delegate::operationAllowed(int type, int number, int operation) const
{
    if (type < 0 || type >= TypeCount || operation < 0 || operation >= OperationCount)
        return false;
    const u16 mask = operationRules[operation][type];
    // Whenever a cell is edited, the page shown is the delegate's own.
    const int pageBit = pageKind >= InputsPageKind && pageKind <= DmxOutputPageKind ? pageKind : SequencePageBit;
    if (number == 0 && !(mask & OnAll))
        return false;
    return mask & (1u << pageBit);
}

// ============================================================ the edited action

int aevents_tableview_delegate::actionIndexOfRow(int row) const
{
    return table ? table->actionIndex(row) : row;
}

int aevents_tableview_delegate::locateEditedAction() const
{
    const event_action_ptr record = editedRecord.lock();
    if (!record || eventCode != editedEvent)
        return -1;
    const event_actions_class &store = currentController->eventActions;
    if (store.sharedAction(u32(eventCode), editedIndex) == record)
        return editedIndex;
    const int count = store.count(u32(eventCode));
    for (int j = 0; j < count; ++j) {
        if (store.sharedAction(u32(eventCode), j) == record)
            return j;
    }
    return -1;
}

bool aevents_tableview_delegate::lockedAction(int j) const
{
    const event_actions_class &store = currentController->eventActions;
    return startsDelay(store.type(eventCode, j), store.operation(eventCode, j))
        && delayLocked(currentController->confData, store.no(eventCode, j));
}

// ============================================================ editors

QWidget *aevents_tableview_delegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                  const QModelIndex &index) const
{
    const event_actions_class &store = currentController->eventActions;
    const int j = actionIndexOfRow(index.row());
    if (j < 0 || j >= store.count(u32(eventCode)))
        return nullptr;
    editedEvent = eventCode;
    editedRecord = store.sharedAction(u32(eventCode), j);
    editedIndex = j;
    lastEditedCell = index;
    editedAction->no = u16(store.no(eventCode, j));
    editedAction->setType(store.type(eventCode, j));
    editedAction->setOperation(store.operation(eventCode, j));
    if (lockedAction(j))
        return nullptr;  // a sequence's step: edited with its sequence only

    QWidget *editor = nullptr;
    switch (index.column()) {
    case aevents_tableview_widget::TypeColumn: editor = createTypeEditor(parent); break;
    case aevents_tableview_widget::NoColumn: editor = createNumberEditor(parent, editedAction->type()); break;
    case aevents_tableview_widget::ActionColumn:
        editor = createOperationEditor(parent, editedAction->type(), editedAction->no);
        break;
    case aevents_tableview_widget::DaytimeColumn:
        // Timers fire at one time of day: no daytime limit.
        if (pageKind != ClockPageKind) {
            auto *daytime = new DTL_widget(parent);
            if (table)
                connect(daytime, &DTL_widget::leaved, table, &aevents_tableview_widget::stopEditing);
            editor = daytime;
        }
        break;
    case aevents_tableview_widget::StatesColumn: editor = createStatesEditor(); break;
    default: break;
    }
    if (editor)
        editor->installEventFilter(const_cast<aevents_tableview_delegate *>(this));
    return editor;
}

QWidget *aevents_tableview_delegate::createTypeEditor(QWidget *parent) const
{
    auto *box = new QComboBox(parent);
    for (int type : OrdinaryTypes)
        box->addItem(aevents_tableview_widget::typeText(type), type);
    // Only inputs and the pressed event of a remote-control key enable and save the show.
    const bool keyPressed = isRcuKeyEvent(u32(eventCode)) && (eventCode - EventRcuKey) % 3 == 0;
    if (pageKind == InputsPageKind || (pageKind == RemoteControlPageKind && keyPressed)) {
        box->addItem(aevents_tableview_widget::typeText(ActionEnabling), int(ActionEnabling));
        box->addItem(aevents_tableview_widget::typeText(ActionSaveShow), int(ActionSaveShow));
    }
    return box;
}

QWidget *aevents_tableview_delegate::createNumberEditor(QWidget *parent, int type) const
{
    auto *self = const_cast<aevents_tableview_delegate *>(this);
    if (type == ActionSetStatus) {
        auto *box = new QComboBox(parent);
        for (int i = 0; i < StateCount; ++i)
            box->addItem(stateItemText(i), i + 1);
        box->addItem(tr("All"), 0);
        connect(box, &QComboBox::currentIndexChanged, self,
                [self, box](int i) { emit self->actionNoChgd(box->itemData(i).toInt()); });
        return box;
    }
    auto *spin = new QSpinBox(parent);
    if (type == ActionEnabling || type == ActionSaveShow || type < 0 || type >= TypeCount) {
        // No object to name.
        spin->setRange(1, 1);
        spin->setSpecialValueText(QStringLiteral("- -"));
    } else {
        spin->setRange(0, actionObjectCount(type));
        spin->setSpecialValueText(tr("All"));
    }
    connect(spin, &QSpinBox::valueChanged, self, &aevents_tableview_delegate::actionNoChgd);
    return spin;
}

QWidget *aevents_tableview_delegate::createOperationEditor(QWidget *parent, int type, int number) const
{
    auto *box = new QComboBox(parent);
    const bool single = number >= 0 && number < actionObjectCount(type) && !isAll(number);
    switch (type) {
    case ActionScene: addOperations(box, SceneOperations, single); break;
    case ActionProgram: addOperations(box, ProgramOperations, single); break;
    case ActionSetStatus: addOperations(box, SetStatusOperations, single); break;
    case ActionSaveShow: addOperations(box, SaveShowOperations, single); break;
    case ActionDelay:
    case ActionSequence: addOperations(box, StartOffOperations, single); break;
    case ActionMask: addOperations(box, MaskOperations, single); break;
    case ActionEnabling:
        if (pageKind == InputsPageKind) {
            box->addItem(tr("Enable", "Akcja"), int(OperationOn));
            box->addItem(tr("Disable", "Akcja"), int(OperationOff));
        } else if (pageKind == RemoteControlPageKind) {
            box->addItem(tr("Toggle", "Akcja"), int(OperationToggle));
        }
        break;
    default: break;
    }
    return box;
}

QWidget *aevents_tableview_delegate::createStatesEditor() const
{
    // A window of its own over the page shown in the Events tab.
    QWidget *owner = nullptr;
    if (window_services *window = windowServices(); window && window->eventTabs())
        owner = window->eventTabs()->currentWidget();
    if (!owner && table)
        owner = table->window();
    auto *editor = new StL_widget(owner);
    auto *self = const_cast<aevents_tableview_delegate *>(this);
    connect(editor, &StL_widget::save, self, &QAbstractItemDelegate::commitData);
    connect(editor, &StL_widget::abort, self, [self](QWidget *w) { emit self->closeEditor(w); });
    return editor;
}

void aevents_tableview_delegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                      const QModelIndex &) const
{
    // The state-limit window keeps its place over the main window.
    if (editor->isWindow())
        return;
    if (auto *daytime = qobject_cast<DTL_widget *>(editor))
        daytime->setCellGeometry(option.rect);
    else
        editor->setGeometry(option.rect);
}

void aevents_tableview_delegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const event_actions_class &store = currentController->eventActions;
    const int j = locateEditedAction();
    if (j < 0)
        return;  // what the editor shows is of an action no longer here
    editedIndex = j;
    const int type = store.type(eventCode, j);
    const int number = store.no(eventCode, j);
    switch (index.column()) {
    case aevents_tableview_widget::TypeColumn:
        if (auto *box = qobject_cast<QComboBox *>(editor))
            box->setCurrentIndex(box->findData(type));
        break;
    case aevents_tableview_widget::NoColumn:
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            const int item = box->findData(number + 1);
            box->setCurrentIndex(item >= 0 && !isAll(number) ? item : StateCount);
        } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
            spin->setValue(editorNumber(number));
        }
        break;
    case aevents_tableview_widget::ActionColumn:
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            int operation = store.operation(eventCode, j);
            if ((type == ActionScene || type == ActionMask) && operation == OperationNextStep)
                operation = OperationOn;  // reads as On for scenes and masks
            box->setCurrentIndex(box->findData(operation));
        }
        break;
    case aevents_tableview_widget::DaytimeColumn:
        if (auto *daytime = qobject_cast<DTL_widget *>(editor)) {
            const int from = store.daytimeLimitFrom(eventCode, j);
            const int to = store.daytimeLimitTo(eventCode, j);
            if (from <= DTL_Box::EndOfDay) {
                daytime->modeBox->setCurrentIndex(DTL_widget::SetManually);
                daytime->setCheckState(Qt::Checked);
                daytime->fromBox->setValue(from);
                daytime->toBox->setValue(qMin(to, int(DTL_Box::EndOfDay)));
            } else {
                daytime->setCheckState(Qt::Unchecked);
                const int mode = from == 0xFE && to == 0xFE ? DTL_widget::NightTimeOnly
                    : from == 0xFE && to == 0xFF            ? DTL_widget::DaytimeOnly
                                                            : DTL_widget::NotSet;
                daytime->modeBox->setCurrentIndex(mode);
            }
        }
        break;
    case aevents_tableview_widget::StatesColumn:
        if (auto *states = qobject_cast<StL_widget *>(editor)) {
            // Made a window once: the view loads the editor again when the cell's text
            // changes, and changing the flags of a shown window would hide it.
            if (!states->isWindow()) {
                states->setWindowFlags(Qt::Window);
                states->resize(StL_widget::Width, StL_widget::Height);
                if (mainWindow)
                    states->move(mainWindow->x() + (mainWindow->width() - StL_widget::Width) / 2,
                                 mainWindow->y() + (mainWindow->height() - StL_widget::Height) / 2);
            }
            u32 words[event_action_class::StateWordCount];
            const int statesA = store.stateLimit(eventCode, j, words);
            states->load(statesA, words);
        }
        break;
    default: break;
    }
}

// ============================================================ storing

void aevents_tableview_delegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                              const QModelIndex &index) const
{
    auto *self = const_cast<aevents_tableview_delegate *>(this);
    // An edit stores into the action it was opened on, nowhere else.
    const int j = locateEditedAction();
    if (j < 0)
        return;
    editedIndex = j;
    switch (index.column()) {
    case aevents_tableview_widget::TypeColumn:
        if (auto *box = qobject_cast<QComboBox *>(editor))
            self->storeType(box, model, index);
        break;
    case aevents_tableview_widget::NoColumn: self->storeNumber(editor, model, index); break;
    case aevents_tableview_widget::ActionColumn:
        if (auto *box = qobject_cast<QComboBox *>(editor))
            self->storeOperation(box, model, index);
        break;
    case aevents_tableview_widget::DaytimeColumn: self->storeDaytime(editor, model, index); break;
    case aevents_tableview_widget::StatesColumn: self->storeStates(editor, model, index); break;
    default: break;
    }
}

void aevents_tableview_delegate::storeType(QComboBox *editor, QAbstractItemModel *model, const QModelIndex &index)
{
    event_actions_class &store = currentController->eventActions;
    const int j = editedIndex;
    const int oldType = editedAction->type();
    const int oldOperation = editedAction->operation();
    const int oldNumber = editedAction->no;

    int type = editor->currentIndex() < 0 ? int(ActionScene) : editor->currentData().toInt();
    // Enabling names no object with a description of its own.
    bool announce = type != ActionEnabling;
    if (type == ActionEnabling && oldType != ActionEnabling) {
        // The operation the action keeps, or Disable where Enabling has no such one.
        const int operation = operationAllowed(type, editorNumber(numberWithin(type, oldNumber)), oldOperation)
            ? oldOperation
            : int(OperationOff);
        const enabling_refusal refusal = action_room::claimEnabling(store, eventCode, operation, nullptr, nullptr);
        if (refusal == enabling_refusal::OtherInput) {
            type = ActionScene;  // another input enables: the action goes on as a scene
            editor->setCurrentIndex(0);
        } else if (refusal != enabling_refusal::None) {
            drop();  // no room in the action table: the action stays as it was
            return;
        }
    } else if (type != ActionEnabling && oldType == ActionEnabling && !action_room::roomForAction(store, nullptr)) {
        drop();  // as an ordinary action it would need a record the table no longer has
        return;
    }

    // The number stays where the new type has such an object, else it moves to the last one.
    int number = numberWithin(type, oldNumber);
    if (type == ActionDelay && oldOperation == OperationOn && !checkDelayStart(number))
        return;
    if (number != oldNumber)
        store.setNo(eventCode, j, number);
    if (announce)
        emit actionTypeChgd(type);
    store.setType(eventCode, j, type);
    model->setData(index, editor->currentText());

    // As Del does: the input or key keeps enabling while any of its events has an Enabling
    // action left.
    if (oldType == ActionEnabling && type != ActionEnabling)
        enabling_input::releaseIfUnused(store, enabling_input::claimedBy(eventCode));
    int operation = oldOperation;
    if (!operationAllowed(type, editorNumber(number), oldOperation)) {
        operation = OperationOff;
        store.setOperation(eventCode, j, operation);
    }
    updateDelaysInUse(startsDelay(oldType, oldOperation), oldNumber, startsDelay(type, operation), number);
    emit forceRefresh();
}

void aevents_tableview_delegate::storeNumber(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index)
{
    event_actions_class &store = currentController->eventActions;
    QList<u16> &delaysInUse = currentController->delaysInUse;
    const int j = editedIndex;
    const int oldType = editedAction->type();
    const int oldOperation = editedAction->operation();
    const int oldNumber = editedAction->no;

    int value = 0;
    QString text;
    if (auto *box = qobject_cast<QComboBox *>(editor)) {
        value = box->currentData().toInt();
        text = box->currentText();
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        value = spin->value();
        text = spin->text();
    } else {
        return;
    }

    const bool delayStart = startsDelay(oldType, oldOperation);
    if (delayStart) {
        if (value == 0 && !isAll(oldNumber) && !delaysInUse.contains(u16(oldNumber))) {
            showMessage(message_icon::Warning, tr("Delay already in use!"),
                        tr("Delay #%1 is blocked by sequence #%2!")
                            .arg(oldNumber + 1)
                            .arg(delayOwner(currentController->confData, oldNumber) + 1));
            drop();
            return;
        }
        int number = value == 0 ? int(event_action_class::AllObjects) : value - 1;
        if (!checkDelayStart(number))
            return;
        const int repaired = editorNumber(number);
        if (repaired != value) {
            value = repaired;
            text = QStringLiteral("%1").arg(value);
        }
    }

    const int number = value == 0 ? int(event_action_class::AllObjects) : value - 1;
    store.setNo(eventCode, j, number);
    model->setData(index, text);
    int operation = oldOperation;
    if (!operationAllowed(oldType, value, oldOperation)) {
        operation = OperationOff;
        store.setOperation(eventCode, j, operation);
    }
    updateDelaysInUse(delayStart, oldNumber, startsDelay(oldType, operation), number);
    emit actionNoChgd(value);
    emit forceRefresh();
}

void aevents_tableview_delegate::storeOperation(QComboBox *editor, QAbstractItemModel *model, const QModelIndex &index)
{
    // An empty list (Enabling away from the inputs and keys, a type the controller does not
    // know) or no choice offers nothing to store.
    if (editor->count() == 0 || editor->currentIndex() < 0) {
        emit forceRefresh();
        return;
    }
    event_actions_class &store = currentController->eventActions;
    const int j = editedIndex;
    const int oldType = editedAction->type();
    const int oldOperation = editedAction->operation();
    const int operation = editor->currentData().toInt();

    int number = editedAction->no;
    if (operation == OperationOn && oldType == ActionDelay && !checkDelayStart(number))
        return;
    if (oldType == ActionEnabling && operation != oldOperation
        && action_room::claimEnabling(store, eventCode, operation, store.action(u32(eventCode), j), nullptr)
               != enabling_refusal::None) {
        drop();
        return;
    }
    store.setOperation(eventCode, j, operation);
    model->setData(index, editor->currentText());
    updateDelaysInUse(startsDelay(oldType, oldOperation), editedAction->no, startsDelay(oldType, operation), number);
    emit forceRefresh();
}

void aevents_tableview_delegate::storeDaytime(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index)
{
    auto *daytime = qobject_cast<DTL_widget *>(editor);
    if (!daytime)
        return;
    daytime->interpretTypedTimes();
    int from = 0xFF;
    int to = 0xFF;
    switch (daytime->modeBox->currentIndex()) {
    case DTL_widget::DaytimeOnly: from = 0xFE; break;
    case DTL_widget::NightTimeOnly: from = 0xFE; to = 0xFE; break;
    case DTL_widget::SetManually:
        from = daytime->fromValue();
        to = daytime->toBox->value;
        break;
    default: break;
    }
    currentController->eventActions.setDaytimeLimit(eventCode, editedIndex, from, to);
    model->setData(index, daytime->text());
    emit forceRefresh();
}

void aevents_tableview_delegate::storeStates(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index)
{
    auto *states = qobject_cast<StL_widget *>(editor);
    if (!states || !states->confirming())
        return;
    u32 words[event_action_class::StateWordCount];
    const int statesA = states->store(words);
    currentController->eventActions.setStateLimit(eventCode, editedIndex, statesA, words);
    model->setData(index, QString());
    emit forceRefresh();
}

// ============================================================ rules

void aevents_tableview_delegate::updateDelaysInUse(bool startedBefore, int before, bool startsNow, int now)
{
    // One entry for each Delay Start action: the old start goes, the new one comes.
    if (startedBefore == startsNow && before == now)
        return;
    QList<u16> &delaysInUse = currentController->delaysInUse;
    if (startedBefore)
        delaysInUse.removeOne(u16(before));
    if (startsNow)
        delaysInUse.append(u16(now));
}

int aevents_tableview_delegate::freeDelay()
{
    const QList<u16> &delaysInUse = currentController->delaysInUse;
    for (int d = 0; d < int(image_layout::DelayCount); ++d) {
        if (!delaysInUse.contains(u16(d)))
            return d;
    }
    return -1;
}

bool aevents_tableview_delegate::checkDelayStart(int &number)
{
    const u8 *image = currentController->confData;
    if (number == event_action_class::AllObjects) {
        // Starting all delays would start the sequences' steps too.
        for (int d = 0; d < int(image_layout::DelayCount); ++d) {
            if (delayLocked(image, d)) {
                showMessage(message_icon::Critical, tr("Action failed!"), tr("Some delays are blocked by sequences!"));
                return drop();
            }
        }
        return true;
    }
    const int owner = delayOwner(image, number);
    if (owner < 0)
        return true;  // free, or no delay at all
    const int free = freeDelay();
    if (free < 0) {
        showMessage(message_icon::Critical, tr("Action failed!"), tr("To many delays defined!"));
        return drop();
    }
    message_request question;
    question.icon = message_icon::Question;
    question.title = tr("Delay already in use!");
    question.text = tr("Delay #%1 is blocked by sequence #%2!").arg(number + 1).arg(owner + 1);
    question.customButtons = {{tr("Repair"), button_role::Accept}, {tr("Cancel"), button_role::Reject}};
    question.defaultCustomButton = RepairButton;
    if (userInteraction().showMessage(question) != RepairButton)
        return drop();
    // The action takes the free delay at once.
    number = free;
    currentController->eventActions.setNo(eventCode, editedIndex, free);
    return true;
}

bool aevents_tableview_delegate::drop()
{
    emit forceRefresh();
    return false;
}

// ============================================================ keys and focus

bool aevents_tableview_delegate::eventFilter(QObject *object, QEvent *event)
{
    auto *states = qobject_cast<StL_widget *>(object);
    if (!states)
        return QItemDelegate::eventFilter(object, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            emit closeEditor(states);
            return true;
        }
        return false;
    case QEvent::Close:
        // The window's own close button cancels, like "Cancel".
        emit closeEditor(states);
        return false;
    default:
        return false;
    }
}
