// Building the main window offscreen, over the empty configuration the program starts with
// and over a fully populated one: the part of the program's start-up that is ours once Qt
// is up. Each round builds a new window as main does after a start or a language change,
// shows it and lets the first paint happen, then throws it away. Prints the median and the
// spread of the construction alone and of the construction with the first show, and checks
// that the window opens on its first view. Run from a Release build (see CMakeLists.txt).
// A profile of the construction, counted in instructions:
//   valgrind --tool=callgrind --toggle-collect='gui_class::gui_class*' build-bench/bench/bench_main_window 3 full
#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "bench/sample_series.h"
#include "link/kd620_controller_class.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/scripted_interaction.h"

#include <QApplication>
#include <QTabWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int WarmUpRounds = 2;
constexpr int DefaultRounds = 15;

struct window_round {
    double constructionMs = 0;
    double shownMs = 0;
    bool firstView = false;  // the window opened on Scenes, with the Inputs events tab
};

window_round buildWindow(kd620_controller_class &controller)
{
    window_round round;
    std::unique_ptr<gui_class> window;
    round.shownMs = wallMs([&] {
        round.constructionMs = wallMs([&] { window = std::make_unique<gui_class>(&controller); });
        window->show();
        QApplication::processEvents();
    });
    round.firstView = window->tabWidget_main->currentIndex() == 1 && window->tabWidget_events->currentIndex() == 0;
    window.reset();
    mainWindow = nullptr;
    return round;
}

// Builds the window over the controller's configuration for the rounds and prints the figures.
bool timeWindows(const char *configuration, kd620_controller_class &controller, int rounds, int warmUps)
{
    for (int i = 0; i < warmUps; ++i)
        buildWindow(controller);
    sample_series construction;
    sample_series shown;
    bool firstView = true;
    for (int i = 0; i < rounds; ++i) {
        const window_round round = buildWindow(controller);
        construction.add(round.constructionMs);
        shown.add(round.shownMs);
        firstView &= round.firstView;
    }
    std::printf("  %s\n", configuration);
    construction.print("construction", "ms", 4);
    shown.print("construction, show and first paint", "ms", 4);
    if (!firstView)
        std::printf("    the first view is not the Scenes tab with the Inputs events tab\n");
    return firstView;
}

} // namespace

// Arguments: [rounds] [empty|full]; without a number of rounds, warm-up rounds come first.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultRounds;
    const int warmUps = argc > 1 ? 0 : WarmUpRounds;
    const QString only = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    initApplicationResources();
    scripted_interaction interaction;  // no box waits for a person
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr}};
    currentLanguage = 0;

    std::printf("The main window, offscreen; %d rounds after %d warm-up rounds, median [lowest .. highest]\n", rounds,
                warmUps);
    bool ok = true;
    if (only.isEmpty() || only == QLatin1String("empty")) {
        kd620_controller_class controller;  // cleared, as the program starts without a file
        currentController = &controller;
        ok &= timeWindows("empty configuration", controller, rounds, warmUps);
    }
    if (only.isEmpty() || only == QLatin1String("full")) {
        kd620_controller_class controller;
        currentController = &controller;
        populateConfiguration(controller);
        ok &= timeWindows("fully populated configuration", controller, rounds, warmUps);
    }
    currentController = nullptr;
    return ok ? 0 : 1;
}
