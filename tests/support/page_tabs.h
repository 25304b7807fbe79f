#pragma once

class gui_class;

// Every page of the main window with the tabs that show it, for the programs that visit
// each page (the screenshots, the refresh benchmark).
struct page_tab {
    const char *name;  // "events-inputs", "scenes", ...
    int mainTab;
    int subTab;        // -1: the main tab has no sub-tabs
};

extern const page_tab pageTabs[];
extern const int pageTabCount;

// Chooses the tabs that show the page (which refreshes it, as a user's click does).
void showPage(gui_class &window, const page_tab &page);
