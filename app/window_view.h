#pragma once

#include <array>

class gui_class;

// What a main window shows of its configuration: the tab chosen at every level and the
// current item of every page. A language change builds the window anew over the same
// controller; the new window shows what the old one showed, and so puts no other scene on
// the stage of a controller in Live mode.
struct window_view {
    int mainTab = 0;
    int eventsTab = 0;
    int settingsTab = 0;
    int sceneTab = 0;
    int scene = 0;
    int maskTab = 0;
    int mask = 0;
    int programTab = 0;
    int program = 0;
    int step = -1;  // the program's current step row, -1 none
    int sequence = 0;
    std::array<int, 6> eventRows{};  // the current row of each event page, in the Events tab's order

    static window_view of(const gui_class &window);

    // Shows it in a window just built, in two steps around the window's first refresh
    // (which shows the configuration as after a read): the items and tabs that refresh
    // draws, before it,
    void showBeforeFirstRefresh(gui_class &window) const;
    // and what it resets or does not offer yet, after it.
    void showAfterFirstRefresh(gui_class &window) const;
};
