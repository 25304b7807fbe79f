#pragma once

#include "tests/sim/sim_link_fixture.h"
#include "tests/support/page_window.h"

#include <QWidget>

#include <memory>

// What a page test stands on: virtual time, scripted boxes, the simulated bus with one
// controller attached (connect with connectAndReset() for live tests), the fixture's
// controller current with a cleared configuration, the window services of a bare main
// window, and a bare tab page to build the page on. The tab page (and with it the page) is
// destroyed before the window and the controller.
struct page_fixture : sim_link_fixture {
    page_fixture();
    ~page_fixture();

    page_window window;
    std::unique_ptr<QWidget> tabPage;

    u8 *image() const { return controller->confData; }
    // Destroys a fixture and returns the protocol problems its bus saw (a test expects none).
    static QStringList tearDown(std::unique_ptr<page_fixture> &fixture);
};
