#pragma once

class QTabWidget;
class QWidget;

// The process-wide main window: the parent of most message boxes and of the monitor
// windows; null while there is none. Set by the window before it builds its pages.
extern QWidget *mainWindow;

// What the pages ask of the main window. The window implements it and installs itself for
// its lifetime; a page asks windowServices(), which is null while no window exists (a page
// built alone in a test gets whatever the test installs).
//
// A page reaches the window only through this interface and `mainWindow`; a page reaches
// another page only through a signal of its own that the window connects to the other
// page's slot. So the page libraries never include the application's headers.
class window_services
{
public:
    virtual ~window_services() = default;

    // The window's tab widgets: main (Events, Scenes, Programs, Sequences, Masks,
    // Settings), Events and Settings; indices in widgets/main_tabs.h.
    virtual QTabWidget *mainTabs() const = 0;
    virtual QTabWidget *eventTabs() const = 0;
    virtual QTabWidget *settingsTabs() const = 0;

    // Redraws the Delays page after an action edit elsewhere (the window's relay signal
    // refreshDldEvents()).
    virtual void refreshDelaysPage() = 0;
    // Releases the temporary other configuration of every page that holds one, so at most
    // one exists at a time.
    virtual void destTmpDev() = 0;
    // The Delays page: the parent of its delay editor's popup.
    virtual QWidget *delaysPage() const = 0;
};

window_services *windowServices();
// Installs the window (not owned); null when it goes.
void installWindowServices(window_services *services);
