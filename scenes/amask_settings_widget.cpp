#include "scenes/amask_settings_widget.h"

#include "scenes/level_set.h"

amask_settings_widget::amask_settings_widget(kd620_controller_class *controller, QWidget *parent)
    : level_settings_page(controller, parent, level_set::masks(), maskTexts())
    , currentMask(currentScene)
    , maskTable(sceneTable)
    , maskTabs(sceneTabs)
    , groupMaskLabel(groupSceneLabel)
{
    showCurrent();
}

level_page_texts amask_settings_widget::maskTexts()
{
    return {tr("Mask"),
            tr("Mask: %1"),
            tr("Mask %1"),
            tr("Clear whole mask"),
            tr("Choose different source mask!"),
            tr("Varidex 620 project/config files (*.kdg;*.cfg);;All files (*)")};
}
