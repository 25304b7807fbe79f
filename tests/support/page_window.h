#pragma once

#include "widgets/window_services.h"

#include <QTabWidget>
#include <QWidget>

// The main window as a page built alone sees it: real tab widgets with the window's tabs
// (so a page can read and switch them), a Delays page to parent popups, and a record of
// what the page asked. Installs itself and `mainWindow` for its lifetime.
class page_window : public window_services
{
public:
    page_window();
    ~page_window() override;

    QWidget window;  // mainWindow: the parent of the pages' boxes
    QTabWidget *main = nullptr;
    QTabWidget *events = nullptr;
    QTabWidget *settings = nullptr;
    QWidget *delays = nullptr;

    int delaysPageRefreshes = 0;
    int temporaryReleases = 0;

    QTabWidget *mainTabs() const override { return main; }
    QTabWidget *eventTabs() const override { return events; }
    QTabWidget *settingsTabs() const override { return settings; }
    void refreshDelaysPage() override { ++delaysPageRefreshes; }
    void destTmpDev() override { ++temporaryReleases; }
    QWidget *delaysPage() const override { return delays; }
};
