#include "events/action_room.h"

#include "events/aevents_tableview_widget.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"

void action_room::warn(const QString &title, const QString &text, QObject *parent)
{
    if (parent)
        showMessage(message_icon::Warning, title, text, message_button::Ok, message_button::NoButton, parent);
    else
        showMessage(message_icon::Warning, title, text);
}

QString action_room::refusalText(const enabling_room &room)
{
    switch (room.refusal) {
    case enabling_refusal::NotInputOrKey: return tr("Only inputs and remote-control buttons can enable!");
    case enabling_refusal::NotEnablingOperation: return tr("Enabling actions only enable, disable or toggle!");
    case enabling_refusal::OtherInput: {
        // Input i as "i + 1", key k as "RC k + 1".
        const int inputs = int(image_layout::InputCount);
        const QString holder = room.holder < inputs ? QStringLiteral("%1").arg(room.holder + 1)
                                                    : tr("RC %1").arg(room.holder - inputs + 1);
        return tr("Enabling input already defined: ") + holder;
    }
    case enabling_refusal::RecordTaken:
        return tr("Enabling action already defined: %1")
            .arg(aevents_tableview_widget::operationText(room.holder, ActionEnabling));
    case enabling_refusal::None: break;
    }
    return QString();
}

enabling_refusal action_room::claimEnabling(event_actions_class &store, int eventCode, int operation,
                                            const event_action_class *replaced, QObject *parent)
{
    const enabling_room room = store.roomForEnabling(eventCode, operation, replaced);
    if (!room.fits()) {
        warn(tr(" Illegal value!"), refusalText(room), parent);
        return room.refusal;
    }
    store.enablingInput = event_actions_class::enablingValueOf(u32(eventCode));
    return enabling_refusal::None;
}

bool action_room::roomForAction(const event_actions_class &store, QObject *parent)
{
    return roomForActions(store, 1, parent);
}

bool action_room::roomForActions(const event_actions_class &store, int count, QObject *parent)
{
    if (count <= 0 || store.freeRecords() >= count)
        return true;
    warn(tr("Warning!"), tr("Actions limit exceed!"), parent);
    return false;
}
