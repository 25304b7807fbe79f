#include "app/window_view.h"

#include "app/gui_class.h"
#include "events/aevents_clock_widget.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_ired_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/aseq_settings_widget.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"

#include <QTabWidget>
#include <QTableWidget>

namespace {

// The event pages in the order of their tabs.
std::array<aevents_page_base *, 6> eventPages(const gui_class &window)
{
    return {window.inputEventsPage,   window.clockEventsPage,  window.internalEventsPage,
            window.delayedEventsPage, window.remoteEventsPage, window.dmxOutEventsPage};
}

} // namespace

window_view window_view::of(const gui_class &window)
{
    window_view view;
    view.mainTab = window.tabWidget_main->currentIndex();
    view.eventsTab = window.tabWidget_events->currentIndex();
    view.settingsTab = window.tabWidget_settings->currentIndex();
    view.sceneTab = window.scenePage->sceneTabs->currentIndex();
    view.scene = window.scenePage->currentScene;
    view.maskTab = window.maskPage->maskTabs->currentIndex();
    view.mask = window.maskPage->currentMask;
    const aprogram_settings_widget &programs = *window.programPage;
    view.programTab = programs.programTabs->currentIndex();
    view.program = programs.currentProgram;
    view.step = programs.stepTable->currentIndex().row();
    view.sequence = window.sequencePage->currentSequence;
    const auto pages = eventPages(window);
    for (size_t i = 0; i < pages.size(); ++i)
        view.eventRows[i] = pages[i]->eventList->currentRow();
    return view;
}

// In Live mode the page shown puts its scene on the stage whenever it is refreshed: the
// order below keeps what the controller shows.
void window_view::showBeforeFirstRefresh(gui_class &window) const
{
    // A new window starts on the Scenes tab: the program page is not shown yet, so the step
    // made current here goes on no stage.
    aprogram_settings_widget &programs = *window.programPage;
    programs.programTable->setCurrentCell(program, 0);
    if (step >= 0)
        programs.stepTable->setCurrentIndex(programs.stepTable->model()->index(step, 0));

    // Then the tab, and the scene before any other change refreshes the page shown: a scene
    // page behind another tab sends nothing, and on the Scenes tab the scene it sends is the
    // one the controller shows already.
    window.tabWidget_main->setCurrentIndex(mainTab);
    window.scenePage->sceneTable->setCurrentCell(scene, 0);
    window.scenePage->sceneTabs->setCurrentIndex(sceneTab);

    window.tabWidget_settings->setCurrentIndex(settingsTab);
    window.maskPage->maskTable->setCurrentCell(mask, 0);
    window.maskPage->maskTabs->setCurrentIndex(maskTab);
    const auto pages = eventPages(window);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (eventRows[i] >= 0)
            pages[i]->eventList->setCurrentCell(eventRows[i], 0);
    }
}

void window_view::showAfterFirstRefresh(gui_class &window) const
{
    // The refresh enables the DMX Output events as the configuration has them, adds the
    // program page's Test entries tab when it has extra entries, and shows sequence 1.
    window.tabWidget_events->setCurrentIndex(eventsTab);
    window.programPage->programTabs->setCurrentIndex(programTab);
    window.sequencePage->seqNumberChange(sequence, 0, 0, 0);
}
