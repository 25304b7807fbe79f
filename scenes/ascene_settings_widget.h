#pragma once

#include "scenes/level_settings_page.h"

class ascene_groups_widget;

// The Scenes tab: the 3072 scenes of the configuration, edited as level_settings_page
// edits a kind of level sets, with the Coupled Scenes tab besides. In the Live working mode
// the controller shows the current scene and follows every level written through the
// strips.
class ascene_settings_widget : public level_settings_page
{
    Q_OBJECT

public:
    // --- Construction -------------------------------------------------------------------
    ascene_settings_widget(kd620_controller_class *controller, QWidget *parent);
    ~ascene_settings_widget() override;

    // --- Widgets --------------------------------------------------------------------------
    ascene_groups_widget *coupledScenes = nullptr;  // the Coupled Scenes tab

public slots:
    // Live mode was switched on while the page is shown: the current scene again.
    void sceneLiveOn();

protected:
    void refreshMore() override;
    void ownTabChosen(int index) override;

private:
    static level_page_texts sceneTexts();
};
