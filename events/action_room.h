#pragma once

#include "model/event_actions_class.h"

#include <QCoreApplication>

class QObject;

// The checks every path that makes an action runs first (a type or operation edit, Add,
// Insert, Paste): an action the controller's action table cannot hold is refused where it
// is made, with a warning box that says why, so that what an action table shows is what a
// save or send keeps. The boxes stand over `parent`, or the main window when it is null.
class action_room
{
    Q_DECLARE_TR_FUNCTIONS(action_room)

public:
    // Before an Enabling action with `operation` is made on the event (`replaced`: the
    // store's action that becomes it, null for a new one): when the table has room for
    // it, takes the enabling input for the event and gives enabling_refusal::None;
    // otherwise says why and gives the reason.
    static enabling_refusal claimEnabling(event_actions_class &store, int eventCode, int operation,
                                          const event_action_class *replaced, QObject *parent);

    // Before an action of any other kind is made, or an Enabling action becomes one: true
    // while the table has a record left for it, else false after saying so.
    static bool roomForAction(const event_actions_class &store, QObject *parent);
    // The same before an edit that makes `count` such actions at once: all of them or none.
    static bool roomForActions(const event_actions_class &store, int count, QObject *parent);

private:
    static QString refusalText(const enabling_room &room);
    static void warn(const QString &title, const QString &text, QObject *parent);
};
