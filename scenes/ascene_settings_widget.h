#pragma once

#include "widgets/stand_in_page.h"

class kd620_controller_class;
class QTabWidget;
class QTableWidget;

// The scene page. Its editor is not built yet: the page holds the scene list, the tabs
// and the channel count that the main window and the controller use.
class ascene_settings_widget : public stand_in_page
{
    Q_OBJECT

public:
    ascene_settings_widget(kd620_controller_class *controller, QWidget *parent);
    ~ascene_settings_widget() override;

    // DMX output channels in use, 24..64; the send asks about old firmware above 32.
    int chnlsInUse = 64;
    // The scene list: 3072 rows, row i shows scene i + 1.
    QTableWidget *sceneTable = nullptr;
    // 0 Single Channels, 1 Groupped Channels, 2 Copying, 3 Coupled Scenes.
    QTabWidget *sceneTabs = nullptr;
    // The controller of another configuration file to copy from, or null; owned.
    kd620_controller_class *tmpDev = nullptr;

public slots:
    void refresh();
    // Rewrites every row of the scene list from the scene descriptions.
    void relabel();
    // Live mode was switched on while the page is shown: the current scene again.
    void sceneLiveOn();
    void limitChnls(int channels);
    void destTmpDev();

signals:
    void sceneChanged(int scene);

private:
    int currentScene() const;
};
