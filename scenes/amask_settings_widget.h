#pragma once

#include "scenes/level_settings_page.h"

// The Masks tab: the 256 masks of the configuration, edited as level_settings_page edits a
// kind of level sets. Unlike the scene page it has no coupled scenes and sends nothing
// live; its rows are coloured by the mask's range, "Clear whole mask" sets the levels to
// 255, and its times' rule looks at the fades only.
class amask_settings_widget : public level_settings_page
{
    Q_OBJECT

public:
    // --- Construction -------------------------------------------------------------------
    amask_settings_widget(kd620_controller_class *controller, QWidget *parent);

    // --- The mask way of naming the page's members ----------------------------------------
    int &currentMask;               // currentScene
    QTableWidget *&maskTable;       // sceneTable
    QTabWidget *&maskTabs;          // sceneTabs
    QLabel *&groupMaskLabel;        // groupSceneLabel

private:
    static level_page_texts maskTexts();
};
