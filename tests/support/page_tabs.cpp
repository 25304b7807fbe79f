#include "tests/support/page_tabs.h"

#include "app/gui_class.h"
#include "widgets/main_tabs.h"

const page_tab pageTabs[] = {
    {"events-inputs", EventsTab, InputsEventsTab},
    {"events-clock", EventsTab, ClockEventsTab},
    {"events-internal", EventsTab, InternalEventsTab},
    {"events-delays", EventsTab, DelayedEventsTab},
    {"events-remote", EventsTab, RemoteControlEventsTab},
    {"events-dmx-output", EventsTab, DmxOutputEventsTab},
    {"scenes", ScenesTab, -1},
    {"programs", ProgramsTab, -1},
    {"sequences", SequencesTab, -1},
    {"masks", MasksTab, -1},
    {"settings-inputs", SettingsTab, InputsSettingsTab},
    {"settings-dmx-output", SettingsTab, DmxSettingsTab},
    {"settings-remote", SettingsTab, RemoteSettingsTab},
    {"settings-descriptions", SettingsTab, DescriptionsTab},
    {"settings-other", SettingsTab, OtherTab},
};
const int pageTabCount = int(sizeof(pageTabs) / sizeof(pageTabs[0]));

void showPage(gui_class &window, const page_tab &page)
{
    if (page.mainTab == EventsTab)
        window.tabWidget_events->setCurrentIndex(page.subTab);
    else if (page.mainTab == SettingsTab)
        window.tabWidget_settings->setCurrentIndex(page.subTab);
    window.tabWidget_main->setCurrentIndex(page.mainTab);
}
