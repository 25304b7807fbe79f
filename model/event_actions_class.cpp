#include "model/event_actions_class.h"

#include "model/image_layout.h"

#include <algorithm>
#include <limits>

using image_layout::ActionRecordCount;
using image_layout::actionRecord;

QList<event_action_ptr> event_actions_class::clipboard;

namespace {

// Records 0 and 1 of the action table carry the Enabling actions.
constexpr u32 EnableRecord = 0;
constexpr u32 DisableRecord = 1;
constexpr u32 FirstActionRecord = 2;
static_assert(event_actions_class::OrdinaryRecordCount == int(ActionRecordCount - FirstActionRecord));

constexpr int InputEdges = 2;  // On, Off
constexpr int KeyEvents = 3;   // pressed, repeated, released

// The Enabling records an action takes, bit r for record r: a key's action both, since
// the reader keeps one Enabling record of a key only; an input's Toggle both, since it
// writes record 1 empty; 0 for an operation the table does not keep.
unsigned enablingRecords(u32 code, int operation)
{
    constexpr unsigned Enable = 1u << EnableRecord;
    constexpr unsigned Disable = 1u << DisableRecord;
    if (isRcuKeyEvent(code))
        return Enable | Disable;
    switch (operation) {
    case OperationOn: return Enable;
    case OperationOff: return Disable;
    case OperationToggle: return Enable | Disable;
    default: return 0;
    }
}

} // namespace

event_actions_class::event_actions_class() = default;

event_actions_class::~event_actions_class() = default;

event_action_list *event_actions_class::list(u32 code) const
{
    return code < EventCount ? lists[code].get() : nullptr;
}

event_action_list &event_actions_class::ensureList(int code)
{
    std::unique_ptr<event_action_list> &slot = lists[size_t(code)];
    if (!slot)
        slot = std::make_unique<event_action_list>();
    return *slot;
}

int event_actions_class::count(u32 code) const
{
    const event_action_list *l = list(code);
    return l ? int(l->size()) : -1;
}

event_action_ptr event_actions_class::sharedAction(u32 code, int j) const
{
    const event_action_list *l = list(code);
    if (!l || j < 0 || j >= l->size())
        return nullptr;
    return l->at(j);
}

event_action_class *event_actions_class::action(u32 code, int j) const
{
    return sharedAction(code, j).get();
}

int event_actions_class::insertRecord(int code, int j, const event_action_class &record)
{
    if (!isEventCode(code))
        return -1;
    event_action_list &l = ensureList(code);
    auto a = std::make_shared<event_action_class>(record);
    a->event = u16(code);
    l.insert(qBound(0, j, int(l.size())), a);
    return int(l.size()) - 1;
}

int event_actions_class::appendAction(int code)
{
    return insertRecord(code, std::numeric_limits<int>::max(), event_action_class::newAction(u16(code)));
}

int event_actions_class::insertAction(int code, int j)
{
    return insertRecord(code, j, event_action_class::newAction(u16(code)));
}

int event_actions_class::insertActionCopy(int code, int j, const event_action_class &a)
{
    return insertRecord(code, j, a);
}

int event_actions_class::removeAction(int code, int j)
{
    event_action_list *l = list(u32(code));
    if (!l || j < 0 || j >= l->size())
        return -1;
    l->removeAt(j);
    return 0;
}

int event_actions_class::moveActions(int from, int to)
{
    if (!isEventCode(from) || !isEventCode(to))
        return -1;
    if (from == to)  // emptying the target first would lose every action
        return 0;
    event_action_list &target = ensureList(to);
    target.clear();
    if (event_action_list *source = list(u32(from))) {
        for (const event_action_ptr &a : std::as_const(*source)) {
            a->event = u16(to);
            target.append(a);
        }
        source->clear();
    }
    return 0;
}

void event_actions_class::clearList(int code)
{
    if (event_action_list *l = list(u32(code)))
        l->clear();
}

void event_actions_class::clear()
{
    for (std::unique_ptr<event_action_list> &slot : lists)
        slot.reset();
}

// Applies a change to action j of an event: 0, or -1 (nothing changed) when it is missing.
template <typename Change>
int event_actions_class::change(u32 code, int j, Change apply)
{
    event_action_class *a = action(code, j);
    if (!a)
        return -1;
    apply(*a);
    return 0;
}

int event_actions_class::setAction(const event_action_class &r, int j)
{
    return change(r.event, j, [&r](event_action_class &a) { a = r; });
}

int event_actions_class::setNo(int code, int j, int no)
{
    return change(u32(code), j, [no](event_action_class &a) { a.no = u16(no); });
}

int event_actions_class::setOperation(int code, int j, int operation)
{
    return change(u32(code), j, [operation](event_action_class &a) { a.setOperation(operation); });
}

int event_actions_class::setType(int code, int j, int type)
{
    return change(u32(code), j, [type](event_action_class &a) { a.setType(type); });
}

int event_actions_class::setDaytimeLimit(int code, int j, int from, int to)
{
    return change(u32(code), j, [from, to](event_action_class &a) {
        a.daytimeFrom = u8(from);
        a.daytimeTo = u8(to);
    });
}

int event_actions_class::setStateLimit(int code, int j, int statesA, const u32 w[4])
{
    return change(u32(code), j, [statesA, w](event_action_class &a) {
        a.statesA = u8(statesA);
        std::copy(w, w + event_action_class::StateWordCount, a.states);
    });
}

int event_actions_class::no(int code, int j) const
{
    const event_action_class *a = action(u32(code), j);
    return a ? a->no : -1;
}

int event_actions_class::type(int code, int j) const
{
    const event_action_class *a = action(u32(code), j);
    return a ? a->type() : -1;
}

int event_actions_class::operation(int code, int j) const
{
    const event_action_class *a = action(u32(code), j);
    return a ? a->operation() : -1;
}

int event_actions_class::daytimeLimitFrom(int code, int j) const
{
    const event_action_class *a = action(u32(code), j);
    return a ? a->daytimeFrom : 255;
}

int event_actions_class::daytimeLimitTo(int code, int j) const
{
    const event_action_class *a = action(u32(code), j);
    return a ? a->daytimeTo : 255;
}

int event_actions_class::stateLimit(int code, int j, u32 w[4]) const
{
    const event_action_class *a = action(u32(code), j);
    if (!a) {
        std::fill(w, w + event_action_class::StateWordCount, event_action_class::IgnoreStateWord);
        return 255;
    }
    std::copy(a->states, a->states + event_action_class::StateWordCount, w);
    return a->statesA;
}

int event_actions_class::recordsNeeded(u32 first, u32 end) const
{
    int needed = 0;
    for (u32 code = first; code < end && code < EventCount; ++code) {
        if (const event_action_list *l = list(code)) {
            needed += int(std::count_if(l->begin(), l->end(),
                                        [](const event_action_ptr &a) { return a->type() != ActionEnabling; }));
        }
    }
    return needed;
}

int event_actions_class::freeRecords() const
{
    return OrdinaryRecordCount - recordsNeeded(0, EventCount);
}

int event_actions_class::enablingValueOf(u32 code)
{
    if (isInputEvent(code))
        return int(code - EventInput) / InputEdges;
    if (isRcuKeyEvent(code))
        return int(code - EventRcuKey) / KeyEvents + int(image_layout::InputCount);
    return -1;
}

enabling_room event_actions_class::roomForEnabling(int code, int operation, const event_action_class *replaced) const
{
    const int value = code < 0 ? -1 : enablingValueOf(u32(code));
    if (value < 0)
        return {enabling_refusal::NotInputOrKey};
    const unsigned wanted = enablingRecords(u32(code), operation);
    if (wanted == 0)
        return {enabling_refusal::NotEnablingOperation};
    if (enablingInput != -1 && enablingInput != value)
        return {enabling_refusal::OtherInput, enablingInput};
    for (u32 event = 0; event < EventCount; ++event) {
        const event_action_list *l = list(event);
        if (!l)
            continue;
        for (const event_action_ptr &a : *l) {
            if (a.get() != replaced && a->type() == ActionEnabling
                && (enablingRecords(event, a->operation()) & wanted) != 0)
                return {enabling_refusal::RecordTaken, a->operation()};
        }
    }
    return {};
}

int event_actions_class::encodeToImage(u8 *image) const
{
    const event_action_class empty = event_action_class::emptyRecord();
    empty.write(image, actionRecord(EnableRecord));
    empty.write(image, actionRecord(DisableRecord));
    u32 next = FirstActionRecord;
    for (const std::unique_ptr<event_action_list> &l : lists) {
        if (!l)
            continue;
        for (const event_action_ptr &a : std::as_const(*l)) {
            if (a->type() == ActionEnabling) {
                // Enable or Toggle goes to record 0, Disable to record 1; a Toggle leaves
                // no Disable. Other operations have no place in the table.
                if (a->operation() == OperationToggle) {
                    a->write(image, actionRecord(EnableRecord));
                    empty.write(image, actionRecord(DisableRecord));
                } else if (a->operation() == OperationOn) {
                    a->write(image, actionRecord(EnableRecord));
                } else if (a->operation() == OperationOff) {
                    a->write(image, actionRecord(DisableRecord));
                }
                continue;
            }
            if (next == ActionRecordCount)
                return -1;  // the table is full; nothing is written past it
            a->write(image, actionRecord(next++));
        }
    }
    for (; next < ActionRecordCount; ++next)
        empty.write(image, actionRecord(next));
    return 0;
}

// An Enabling record belongs to an input or remote-control key event, and only to the one
// input or key that the first such record names.
bool event_actions_class::acceptEnablingRecord(const event_action_class &record)
{
    if (isRcuKeyEvent(record.event)) {
        if (enablingInput != -1)
            return false;
        enablingInput = enablingValueOf(record.event);
        return true;
    }
    if (isInputEvent(record.event)) {
        const int input = enablingValueOf(record.event);
        if (enablingInput != -1 && enablingInput != input)
            return false;
        enablingInput = input;
        return true;
    }
    return false;
}

int event_actions_class::decodeFromImage(const u8 *image)
{
    clear();
    enablingInput = -1;
    for (u32 r = 0; r < ActionRecordCount; ++r) {
        const event_action_class record = event_action_class::read(image, actionRecord(r));
        if (record.no == 0xFFFF || !isEventCode(record.event))  // 0xFFFF events included
            continue;
        if (record.type() == ActionEnabling && !acceptEnablingRecord(record))
            continue;
        ensureList(record.event).append(std::make_shared<event_action_class>(record));
    }
    return 0;
}

int event_actions_class::redecodeFromImage(const u8 *image)
{
    auto before = std::make_unique<std::array<std::unique_ptr<event_action_list>, EventCount>>(std::move(lists));
    decodeFromImage(image);
    for (size_t code = 0; code < lists.size(); ++code) {
        const event_action_list *old = (*before)[code].get();
        event_action_list *now = lists[code].get();
        if (!old || !now)
            continue;
        // Matched in order: what changes an event's actions in the image takes some out
        // or rewrites them in place, never reorders them.
        qsizetype next = 0;
        for (qsizetype j = 0; j < now->size(); ++j) {
            for (qsizetype k = next; k < old->size(); ++k) {
                if (*old->at(k) == *now->at(j)) {
                    (*now)[j] = old->at(k);
                    next = k + 1;
                    break;
                }
            }
        }
    }
    return 0;
}

QString event_actions_class::actionText(int code, int j) const
{
    const event_action_class *a = action(u32(code), j);
    if (!a)
        return QString();
    return QStringLiteral("{ %1 %2 %3 %4 }").arg(a->event).arg(a->no).arg(a->type()).arg(a->operation());
}
