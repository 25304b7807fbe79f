#include "events/aevents_tableview_widget.h"

#include "events/StL_widget.h"
#include "events/aevents_tableview_delegate.h"
#include "events/delay_lock.h"
#include "events/event_page_kind.h"
#include "link/kd620_controller_class.h"
#include "model/controller_configuration_class.h"
#include "widgets/page_base.h"
#include "widgets/row_numbers.h"
#include "widgets/window_services.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>

namespace {

struct column_entry {
    const char *header;
    int width;
};

// Headers and widths in column order; the clock page's Daytime Limits column is narrower.
// A column's title is drawn bold while a row is selected: State Limits is as wide as that
// needs, taken from the room Daytime Limits has beyond its texts and editor, so that the
// columns still fit beside row numbers of three digits.
const column_entry Columns[aevents_tableview_widget::ColumnCount] = {
    {QT_TRANSLATE_NOOP("aevents_tableview_widget", "Type"), 100},
    {QT_TRANSLATE_NOOP("aevents_tableview_widget", "No."), 70},
    {QT_TRANSLATE_NOOP("aevents_tableview_widget", "Action"), 110},
    {QT_TRANSLATE_NOOP("aevents_tableview_widget", "Daytime Limits"), 126},
    {QT_TRANSLATE_NOOP("aevents_tableview_widget", "State Limits"), 82},
};
constexpr int ClockDaytimeWidth = 102;  // its title whole in bold in every language

int widthOfColumn(int column, int kind)
{
    if (column == aevents_tableview_widget::DaytimeColumn && kind == ClockPageKind)
        return ClockDaytimeWidth;
    return Columns[column].width;
}

// The order in which a Type cell's text is matched against the type names.
const int TypeMatchOrder[] = {ActionScene,   ActionProgram, ActionEnabling, ActionSetStatus,
                              ActionSaveShow, ActionMask,    ActionSequence, ActionDelay};

constexpr int StateCount = controller_configuration_class::StateCount;
constexpr int StatesInByteA = 4;       // A1..A4 in byte 7
constexpr int StatesPerWord = 16;      // two bits each
constexpr int StatesPerLetter = 8;

// Daytime limits: units of 10 minutes, 144 the end of the day; special codes.
constexpr int EndOfDay = 144;
constexpr int UnitsPerHour = 6;
constexpr int MinutesPerUnit = 10;
constexpr int SpecialLimit = 0xFE;
constexpr int LimitNotSet = 0xFF;

// The minutes always take two digits: "23:0" would read as a time cut short.
QString timeOfDay(int units)
{
    return QStringLiteral("%1:%2")
        .arg(units / UnitsPerHour)
        .arg(units % UnitsPerHour * MinutesPerUnit, 2, 10, QLatin1Char('0'));
}

} // namespace

aevents_tableview_widget::aevents_tableview_widget(int kind, QWidget *parent)
    : QTableWidget(0, ColumnCount, parent)
    , pageKind(kind)
{
    for (int c = 0; c < ColumnCount; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem(tr(Columns[c].header)));

    delegate = new aevents_tableview_delegate(kind, this);
    setItemDelegate(delegate);

    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    keepRowNumbersOffEdges(this);
    verticalHeader()->setDefaultSectionSize(page_base::RowHeight);
    for (int c = 0; c < ColumnCount; ++c)
        setColumnWidth(c, widthOfColumn(c, kind));

    connect(delegate, &aevents_tableview_delegate::actionTypeChgd, this, &aevents_tableview_widget::slotTypeChgd);
    connect(delegate, &aevents_tableview_delegate::forceRefresh, this, &aevents_tableview_widget::refresh);
    // Every stored cell edit may change which delays are in use: the Delays page shows it.
    connect(delegate, &aevents_tableview_delegate::forceRefresh, this, [] {
        if (window_services *window = windowServices())
            window->refreshDelaysPage();
    });
    connect(delegate, &aevents_tableview_delegate::actionNoChgd, this, &aevents_tableview_widget::slotNoChgd);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &aevents_tableview_widget::rowChgd);
    // Another configuration replaces the actions an open editor was loaded from.
    if (currentController) {
        connect(currentController, &kd620_controller_class::readFileFinished, this,
                &aevents_tableview_widget::endEditing);
        connect(currentController, &kd620_controller_class::readKd620Finished, this,
                &aevents_tableview_widget::endEditing);
        connect(currentController, &kd620_controller_class::configurationCleared, this,
                &aevents_tableview_widget::endEditingOfClearedAction);
    }
}

int aevents_tableview_widget::columnsWidth(int kind)
{
    int width = 0;
    for (int c = 0; c < ColumnCount; ++c)
        width += widthOfColumn(c, kind);
    return width;
}

void aevents_tableview_widget::setEvent(int code)
{
    if (code != eventCode)
        endEditing();
    eventCode = code;
    delegate->setEvent(code);
    refresh();
}

int aevents_tableview_widget::pageSequence() const
{
    if (pageKind != SequencePageKind || !isEventCode(eventCode))
        return -1;
    if (eventCode >= EventSequence && eventCode < EventRcuKey)
        return eventCode - EventSequence;
    if (eventCode >= EventDelay && eventCode < EventSequence) {
        const u16 delay = u16(eventCode - EventDelay);
        for (int s = 0; s < int(image_layout::SequenceCount); ++s) {
            if (currentController->sequenceDelays[s].contains(delay))
                return s;
        }
    }
    return -1;
}

QList<int> aevents_tableview_widget::shownActions() const
{
    QList<int> shown;
    if (!isEventCode(eventCode))
        return shown;
    const event_actions_class &store = currentController->eventActions;
    const int count = qMax(0, store.count(u32(eventCode)));
    const int sequence = pageSequence();
    for (int j = 0; j < count; ++j) {
        const bool chainLink = sequence >= 0 && store.type(eventCode, j) == ActionDelay
            && store.operation(eventCode, j) == OperationOn
            && delayOwner(currentController->confData, store.no(eventCode, j)) == sequence;
        if (!chainLink)
            shown.append(j);
    }
    return shown;
}

int aevents_tableview_widget::rowOffset() const
{
    const int count = isEventCode(eventCode) ? currentController->eventActions.count(u32(eventCode)) : 0;
    const QList<int> shown = shownActions();
    const bool headIsChainLink = count > 0 && (shown.isEmpty() || shown.first() != 0);
    return headIsChainLink ? 1 : 0;
}

int aevents_tableview_widget::actionIndex(int row) const
{
    const QList<int> shown = shownActions();
    if (row >= 0 && row < shown.size())
        return shown[row];
    return qMax(0, isEventCode(eventCode) ? currentController->eventActions.count(u32(eventCode)) : 0);
}

void aevents_tableview_widget::refresh()
{
    const QList<int> shown = shownActions();
    setRowCount(int(shown.size()));
    for (int row = 0; row < shown.size(); ++row)
        fillRow(row, shown[row]);
}

void aevents_tableview_widget::fillRow(int row, int j)
{
    const event_actions_class &store = currentController->eventActions;
    const int type = store.type(eventCode, j);
    const int number = store.no(eventCode, j);
    u32 words[event_action_class::StateWordCount];
    const int statesA = store.stateLimit(eventCode, j, words);
    const QString texts[ColumnCount] = {
        typeText(type),
        numberText(type, number),
        operationText(store.operation(eventCode, j), type),
        daytimeText(store.daytimeLimitFrom(eventCode, j), store.daytimeLimitTo(eventCode, j),
                                       pageKind),
        stateLimitText(statesA, words),
    };

    const QPalette palette = QGuiApplication::palette();
    const QBrush rowBrush = type == ActionDelay && delayLocked(currentController->confData, number)
        ? QBrush(page_base::sequenceOwnedColour())
        : palette.base();
    for (int c = 0; c < ColumnCount; ++c) {
        page_base::setCellText(this, row, c, texts[c]);
        const bool inactive = c == DaytimeColumn && pageKind == ClockPageKind;
        item(row, c)->setBackground(inactive ? palette.brush(QPalette::Disabled, QPalette::Base) : rowBrush);
    }
}

int aevents_tableview_widget::currentType() const
{
    const int row = currentRow();
    if (row < 0 || !item(row, TypeColumn))
        return -1;
    const QString text = item(row, TypeColumn)->text();
    for (int type : TypeMatchOrder) {
        if (text == typeText(type))
            return type;
    }
    return -1;
}

int aevents_tableview_widget::numberOfRow(int row, int type) const
{
    if (row < 0 || !item(row, NoColumn))
        return -1;
    const QString text = item(row, NoColumn)->text();
    if (type == ActionSetStatus)
        return stateIndex(text);
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? number - 1 : -1;
}

void aevents_tableview_widget::slotTypeChgd(int type)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int number = currentController->eventActions.no(eventCode, actionIndex(row));
    page_base::setCellText(this, row, NoColumn, numberText(type, number));
    // Enabling, Set status and Save show name no object with a description of its own here.
    if (type != ActionEnabling && type != ActionSetStatus && type != ActionSaveShow)
        emit actionChgd(type, number);
}

void aevents_tableview_widget::slotNoChgd(int value)
{
    emit actionChgd(currentType(), value - 1);
}

void aevents_tableview_widget::rowChgd(const QModelIndex &, const QModelIndex &)
{
    const int type = currentType();
    emit actionChgd(type, numberOfRow(currentRow(), type));
}

void aevents_tableview_widget::stopEditing(QWidget *editor)
{
    const QPoint p = editor->mapFromGlobal(QCursor::pos());
    const bool inside = p.x() >= 1 && p.x() <= editor->width() - 1 && p.y() >= 1 && p.y() <= editor->height() - 1;
    if (inside)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void aevents_tableview_widget::endEditing()
{
    QWidget *editor = indexWidget(delegate->editedCell());
    if (!editor)
        return;
    if (!qobject_cast<StL_widget *>(editor))
        commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void aevents_tableview_widget::endEditingOfClearedAction()
{
    QWidget *editor = indexWidget(delegate->editedCell());
    if (editor && !delegate->editedActionPresent())
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void aevents_tableview_widget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete: emit deletePressed(); break;
    case Qt::Key_Insert: emit insertPressed(); break;
    default: QTableWidget::keyPressEvent(event); break;
    }
}


QString aevents_tableview_widget::oops()
{
    return QStringLiteral("Oops!");
}

QString aevents_tableview_widget::typeText(int type)
{
    switch (type) {
    case ActionScene: return tr("Scene");
    case ActionProgram: return tr("Program");
    case ActionEnabling: return tr("Enabling");
    case ActionSetStatus: return tr("Set status");
    case ActionSaveShow: return tr("Save show");
    case ActionDelay: return tr("Delay");
    case ActionSequence: return tr("Sequence");
    case ActionMask: return tr("Mask");
    default: return oops();
    }
}

QString aevents_tableview_widget::numberText(int type, int number)
{
    switch (type) {
    case ActionScene:
    case ActionProgram:
    case ActionDelay:
    case ActionSequence:
    case ActionMask:
        return number == event_action_class::AllObjects ? tr("All") : QStringLiteral("%1").arg(number + 1);
    case ActionSetStatus:
        return number >= StateCount ? tr("All") : stateName(number);
    default:
        return QStringLiteral("- -");
    }
}

QString aevents_tableview_widget::operationText(int operation, int type)
{
    const bool scene = type == ActionScene;
    const bool mask = type == ActionMask;
    switch (operation) {
    case OperationOn:
        switch (type) {
        case ActionEnabling: return tr("Enable", "Akcja");
        case ActionSetStatus: return tr("Activate");
        case ActionSaveShow: return tr("Save");
        case ActionDelay:
        case ActionSequence: return tr("Start");
        default: return tr("On");
        }
    case OperationNextStep:
        if (type == ActionProgram)
            return tr("Next step");
        return scene || mask ? tr("On") : oops();
    case OperationToggle:
        return scene || mask || type == ActionEnabling || type == ActionSetStatus ? tr("Toggle") : tr("On");
    case OperationFreeze: return tr("Freeze");
    case OperationOff:
        switch (type) {
        case ActionEnabling: return tr("Disable", "Akcja");
        case ActionSetStatus: return tr("Deactivate");
        case ActionSaveShow: return tr("Restore");
        default: return tr("Off");
        }
    case OperationUnfreeze: return tr("Unfreeze");
    case OperationExclusiveOn: return scene || mask || type == ActionProgram ? tr("Exclusive on") : oops();
    case OperationRestart: return tr("Restart");
    case OperationIncrease:
        return scene ? tr("Increase brightness") : mask ? tr("Increase intensity") : oops();
    case OperationDecrease:
        return scene ? tr("Decrease brightness") : mask ? tr("Decrease intensity") : oops();
    case OperationSetIntensity:
        return scene ? tr("Set brightness") : mask ? tr("Set intensity") : oops();
    default: return oops();
    }
}

QString aevents_tableview_widget::daytimeText(int from, int to, int kind)
{
    // Timers fire at one time of day: a daytime limit means nothing to them.
    if (kind == ClockPageKind)
        return tr("Not set");
    if (from <= EndOfDay) {
        const int end = qMin(to, EndOfDay);
        const QString endText = end == EndOfDay ? QStringLiteral("24:00") : timeOfDay(end);
        return QStringLiteral("%1 - %2").arg(timeOfDay(from), endText);
    }
    if (from == SpecialLimit && to == SpecialLimit)
        return tr("Night-time only");
    if (from == SpecialLimit && to == LimitNotSet)
        return tr("Daytime only");
    return tr("Not set");
}

int aevents_tableview_widget::stateCondition(int state, int statesA, const u32 words[4])
{
    if (state < StatesInByteA)
        return (statesA >> (2 * state)) & 3;
    const int i = state - StatesInByteA;
    return int(words[i / StatesPerWord] >> (2 * (i % StatesPerWord))) & 3;
}

QString aevents_tableview_widget::stateLimitText(int statesA, const u32 words[4])
{
    QString text;
    for (int state = 0; state < StateCount; ++state) {
        const int condition = stateCondition(state, statesA, words);
        if (condition & 1)  // the state does not matter
            continue;
        const QString name = stateName(state);
        text += (condition & 2 ? name : name.toLower()) + QLatin1Char(' ');
    }
    return text;
}

QString aevents_tableview_widget::stateName(int state)
{
    if (state < 0 || state >= StateCount)
        return QString();
    if (state < StatesInByteA)
        return QStringLiteral("%1%2").arg(QLatin1Char('A')).arg(state + 1);
    const int i = state - StatesInByteA;
    return QStringLiteral("%1%2").arg(QLatin1Char(char('B' + i / StatesPerLetter))).arg(i % StatesPerLetter + 1);
}

int aevents_tableview_widget::stateIndex(const QString &name)
{
    for (int state = 0; state < StateCount; ++state) {
        if (stateName(state) == name)
            return state;
    }
    return -1;
}
