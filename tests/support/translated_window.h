#pragma once

#include "tests/sim/sim_link_fixture.h"

#include <QList>
#include <QString>
#include <QTranslator>

#include <memory>

class gui_class;
class pokaz;

// Whether the window shows an empty configuration or the fully populated one of the
// configuration fixture (every scene, program, event and description in use).
enum class configuration_shown { Empty, Full };

// The main window as a user sees it after choosing a language: built on the simulated bus
// (no controller attached) under the translations the build makes, as the program builds
// it after a language change. The three languages the build offers are listed, each with
// Qt's own translation where the Qt installation has one, the one of `code` installed; "en"
// installs none.
struct translated_window {
    explicit translated_window(const QString &code, configuration_shown shown = configuration_shown::Empty);
    ~translated_window();

    // Attaches a controller to the bus, connects to it and opens the monitor's three windows
    // on what it shows: inputs unused, off and on, DMX values up to 255, and a report with
    // something in every row. The windows; fewer when one did not open.
    QList<pokaz *> openMonitorWindows();

    sim_link_fixture link;
    QTranslator polish;
    QTranslator german;
    bool loaded = false;
    std::unique_ptr<gui_class> window;
};
