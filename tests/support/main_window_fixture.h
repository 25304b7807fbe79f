#pragma once

#include "app/gui_class.h"
#include "tests/sim/sim_link_fixture.h"

#include <memory>

// A main window on the simulated bus with one controller attached, as main builds it: English the only language, the
// fixture's controller current, boxes and file choosers scripted, time virtual. The
// window is built last and destroyed first.
struct main_window_fixture : sim_link_fixture {
    main_window_fixture();
    ~main_window_fixture();

    std::unique_ptr<gui_class> window;

    // True when a tab widget on the page shows a tab of that title.
    static bool showsTab(const QWidget *page, const QString &title);
    // Destroys a fixture and returns the protocol problems its bus saw (a test expects none).
    static QStringList tearDown(std::unique_ptr<main_window_fixture> &fixture);
};
