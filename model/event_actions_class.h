#pragma once

#include "model/event_action_class.h"
#include "model/event_code.h"
#include "model/image_layout.h"
#include "model/types.h"

#include <QList>
#include <QString>

#include <array>
#include <memory>

// Action records are shared between their event's list and the application's clipboard:
// a copied action stays alive, and shows later edits, while either still refers to it.
typedef std::shared_ptr<event_action_class> event_action_ptr;
typedef QList<event_action_ptr> event_action_list;

// Why the action table has no room for an Enabling action.
enum class enabling_refusal {
    None,                   // it fits
    NotInputOrKey,          // only the events of inputs and remote-control keys enable
    NotEnablingOperation,   // the table keeps Enable, Disable and Toggle only
    OtherInput,             // another input or key holds the enabling input
    RecordTaken,            // another Enabling action has the record it needs
};

struct enabling_room {
    enabling_refusal refusal = enabling_refusal::None;
    // OtherInput: the enabling input; RecordTaken: the operation of the action in the way.
    int holder = -1;
    bool fits() const { return refusal == enabling_refusal::None; }
};

// The action store: the actions of all 4976 events, one list per event, in the order the
// controller carries them out. An event has no list until its first action is created.
// Every operation checks its event code; codes outside 0..4975 give -1 (or null, 255)
// and change nothing.
class event_actions_class
{
public:
    event_actions_class();
    ~event_actions_class();

    event_actions_class(const event_actions_class &) = delete;
    event_actions_class &operator=(const event_actions_class &) = delete;

    // The one input (0..23) or remote-control key (24..87, key k as k + 24) whose events
    // carry the Enabling actions; -1 none.
    int enablingInput = -1;

    // The records chosen by the action editor's last Copy, for the whole application.
    // Only Copy replaces its content: clearing, decoding or deleting actions leave it as
    // it is, and the records it holds stay alive.
    static QList<event_action_ptr> clipboard;

    // Number of actions of an event; -1 for a code above 4975 or an event without a list.
    int count(u32 code) const;
    // Action j of an event, or null.
    event_action_class *action(u32 code, int j) const;
    // The same action as a shared record (what the clipboard holds), or null.
    event_action_ptr sharedAction(u32 code, int j) const;

    // A new action (Scene, Off, no limits) at the end; its index, or -1 for a bad code.
    int appendAction(int code);
    // A new action at j (j <= 0: front, j >= count: end); the new count - 1, or -1.
    int insertAction(int code, int j);
    // As insertAction, but a copy of a with its event set to code.
    int insertActionCopy(int code, int j, const event_action_class &a);
    // Takes action j out of its list; 0, or -1 when missing.
    int removeAction(int code, int j);
    // Empties the list of `to` (creating it when missing) and moves every action of
    // `from` to it, in order, with its event set to `to`. A source without a list counts
    // as empty; from == to changes nothing. 0, or -1 for a bad code.
    int moveActions(int from, int to);
    // Deletes every action of one event's list; the list itself stays.
    void clearList(int code);
    // Deletes every list.
    void clear();

    // Copies all 24 bytes of r over action j of event r.event; 0 / -1.
    int setAction(const event_action_class &r, int j);
    int setNo(int code, int j, int no);
    int setOperation(int code, int j, int operation);
    int setType(int code, int j, int type);
    int setDaytimeLimit(int code, int j, int from, int to);
    int setStateLimit(int code, int j, int a, const u32 w[4]);

    // Fields of action j; -1 when missing.
    int no(int code, int j) const;
    int type(int code, int j) const;
    int operation(int code, int j) const;
    // Bytes 5 and 6; 255 when missing.
    int daytimeLimitFrom(int code, int j) const;
    int daytimeLimitTo(int code, int j) const;
    // Fills w with the four state words and returns byte 7; when missing 0xFFFFFFFF and 255.
    int stateLimit(int code, int j, u32 w[4]) const;

    // Records of the action table that carry the actions of every kind but Enabling
    // (records 2 to 8191).
    static constexpr int OrdinaryRecordCount = int(image_layout::ActionRecordCount) - 2;
    // Records from record 2 on that the actions of the events first..end-1 take:
    // one for each action but the Enabling ones, which have records 0 and 1.
    int recordsNeeded(u32 first, u32 end) const;
    // Records from record 2 on that no action takes yet: how many more actions of every
    // kind but Enabling the table can hold. Negative when the store holds more than fit.
    int freeRecords() const;

    // The enabling input an Enabling action of the event would claim: input i as i, key k
    // (any of its three events) as k + 24; -1 for every other event.
    static int enablingValueOf(u32 code);
    // Whether an Enabling action with `operation` on event `code` would come back from the
    // action table beside the Enabling actions the store holds now (`replaced`, an action
    // of the store that the new one replaces, not counted). Records 0 and 1 hold one
    // Enable (or Toggle) and one Disable of one input; a key's Enabling action stands
    // alone, and a Toggle takes both records.
    enabling_room roomForEnabling(int code, int operation, const event_action_class *replaced = nullptr) const;

    // Writes every action into the image's action table: the Enabling actions into
    // records 0 and 1, the others from record 2 on in event order. 0, or -1 when more
    // than 8190 actions need a record (the table then holds the first 8190).
    int encodeToImage(u8 *image) const;
    // Rebuilds the store and the Enabling input from the image's action table; 0.
    int decodeFromImage(const u8 *image);
    // As decodeFromImage, but an action whose record comes back from the image unchanged
    // stays the object it was (and so keeps what refers to it); the others are new.
    int redecodeFromImage(const u8 *image);

    // "{ event no type operation }", for debugging.
    QString actionText(int code, int j) const;

private:
    event_action_list *list(u32 code) const;
    event_action_list &ensureList(int code);
    template <typename Change>
    int change(u32 code, int j, Change apply);
    int insertRecord(int code, int j, const event_action_class &record);
    bool acceptEnablingRecord(const event_action_class &record);

    std::array<std::unique_ptr<event_action_list>, EventCount> lists;
};
