#pragma once

// The tabs of the main window's three tab widgets, as its form orders them. They are never
// removed or reordered: pages, the window and the tests name them by these indices.
enum main_tab { EventsTab, ScenesTab, ProgramsTab, SequencesTab, MasksTab, SettingsTab };

enum events_tab {
    InputsEventsTab,
    ClockEventsTab,
    InternalEventsTab,
    DelayedEventsTab,
    RemoteControlEventsTab,
    DmxOutputEventsTab
};

enum settings_tab { InputsSettingsTab, DmxSettingsTab, RemoteSettingsTab, DescriptionsTab, OtherTab };
