#include "scenes/ascene_settings_widget.h"

#include "link/kd620_controller_class.h"
#include "scenes/level_set.h"
#include "widgets/stand_in_page.h"

#include <QTabWidget>

ascene_settings_widget::ascene_settings_widget(kd620_controller_class *controller, QWidget *parent)
    : level_settings_page(controller, parent, level_set::scenes(), sceneTexts())
{
    // The send asks about old firmware by the channels this page uses.
    controller->channelsInUseSource = [this] { return chnlsInUse; };
    coupledScenesTab = new QWidget;
    sceneTabs->addTab(coupledScenesTab, tr("Coupled Scenes"));
    stand_in_page::addNote(tr("Coupling scenes is not built yet: the coupling groups are kept as the configuration "
                              "holds them."),
                           coupledScenesTab);
    refresh();
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
