#pragma once

#include "widgets/main_tabs.h"

// The kind of an action editor, given by its page to the editor, its table and the table's
// delegate: an event page's index in the Events tab widget, or the sequence page.
enum event_page_kind {
    InputsPageKind = InputsEventsTab,
    ClockPageKind = ClockEventsTab,
    InternalEventsPageKind = InternalEventsTab,
    DelaysPageKind = DelayedEventsTab,
    RemoteControlPageKind = RemoteControlEventsTab,
    DmxOutputPageKind = DmxOutputEventsTab,
    SequencePageKind = 103,
};
