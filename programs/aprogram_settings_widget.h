#pragma once

#include "widgets/stand_in_page.h"

class aprogram_conf_widget;
class kd620_controller_class;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The program page. Its editor is not built yet: the page holds the program list, the step
// table and the counts that the main window reloads after every read and clear.
class aprogram_settings_widget : public stand_in_page
{
    Q_OBJECT

public:
    aprogram_settings_widget(kd620_controller_class *controller, QWidget *parent);

    // 512 minus the number of extra entries: the rows of the program list.
    int ordinaryPrograms = 512;
    // The selected program, 0..511.
    int currentProgram = 0;
    // Steps of the current program as the page shows them.
    int stepCount = 0;
    aprogram_conf_widget *stepTable = nullptr;
    QPushButton *editSceneButton = nullptr;
    // The controller of another configuration file to copy from, or null; owned.
    kd620_controller_class *tmpDev = nullptr;

    // Adds the extra-entries tab "Test entries" (true) or removes it when it is the fourth
    // tab (false).
    void showEntriesTab(bool show);

public slots:
    void refresh();
    // Rewrites the rows of the ordinary programs from the program descriptions.
    void relabel();
    // The current program gets `count` steps in the program store.
    void sceneCountChange(int count, bool all);
    void destTmpDev();

signals:
    // Programs were copied with their scenes: the scene list shows new descriptions.
    void relabelScenes();

private:
    QTableWidget *programTable = nullptr;
    QTabWidget *programTabs = nullptr;
    QWidget *entriesTab = nullptr;
};
