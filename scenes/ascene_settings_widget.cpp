#include "scenes/ascene_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "scenes/ascene_groups_widget.h"
#include "scenes/level_set.h"

#include <QTabWidget>

ascene_settings_widget::ascene_settings_widget(kd620_controller_class *controller, QWidget *parent)
    : level_settings_page(controller, parent, level_set::scenes(), sceneTexts())
{
    // The send asks about old firmware by the channels this page uses.
    controller->channelsInUseSource = [this] { return chnlsInUse; };
    // Made in the tab widget it joins: taking its tab then changes no font, and its lists'
    // row numbers are not measured again.
    coupledScenes = new ascene_groups_widget(sceneTable, sceneTabs);
    sceneTabs->addTab(coupledScenes, tr("Coupled Scenes"));
    showCurrent();
}

ascene_settings_widget::~ascene_settings_widget()
{
    // The controller outlives the page (a language change builds a new one).
    if (currentController)
        currentController->channelsInUseSource = nullptr;
}

level_page_texts ascene_settings_widget::sceneTexts()
{
    return {tr("Scene"),
            tr("Scene: %1"),
            tr("Scene %1"),
            tr("Clear channels"),
            tr("Choose different source scene!"),
            tr("Varidex 620 project/config files (*.kdg;*.cfg;*.cfg620);;All files (*)")};
}

void ascene_settings_widget::sceneLiveOn()
{
    emit sceneChanged(currentScene);
    refresh();
}

void ascene_settings_widget::refreshMore()
{
    coupledScenes->refresh();
}

void ascene_settings_widget::ownTabChosen(int index)
{
    if (index == CoupledScenesTab)
        coupledScenes->refresh();
}
