// The refresh of every page of the main window, and the window's reload after a file was
// opened, with a fully populated configuration. Budgets: 50 ms median a page, 150 ms for
// the reload. Run from a Release build (see CMakeLists.txt); exits 1 when a budget is
// missed.
#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "bench/sample_series.h"
#include "link/kd620_controller_class.h"
#include "programs/aprogram_settings_widget.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/page_tabs.h"
#include "tests/support/scripted_interaction.h"

#include <QApplication>
#include <QTabWidget>

#include <cstdio>

namespace {

constexpr int WarmUpRounds = 2;
constexpr int Rounds = 15;
constexpr double PageBudgetMs = 50;
constexpr double ReloadBudgetMs = 150;

// Times `work` over the rounds after a warm-up; prints it and says whether its median keeps
// the budget.
bool timed(const char *label, double budgetMs, const std::function<void()> &work)
{
    for (int i = 0; i < WarmUpRounds; ++i)
        work();
    sample_series series;
    for (int i = 0; i < Rounds; ++i)
        series.add(wallMs(work));
    series.print(label, "ms");
    const bool kept = series.median() <= budgetMs;
    std::printf("    budget %.0f ms%s\n", budgetMs, kept ? "" : "  MISSED");
    return kept;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initApplicationResources();
    scripted_interaction interaction;  // no box waits for a person
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr}};
    currentLanguage = 0;

    kd620_controller_class controller;
    currentController = &controller;
    populateConfiguration(controller);
    gui_class window(&controller);
    window.show();

    std::printf("Refresh of each page with a fully populated configuration; %d rounds after %d warm-up rounds, "
                "median [lowest .. highest]\n",
                Rounds, WarmUpRounds);
    bool kept = true;
    for (int i = 0; i < pageTabCount; ++i) {
        showPage(window, pageTabs[i]);
        kept &= timed(pageTabs[i].name, PageBudgetMs, [&window] { window.refresh(); });
    }
    // The program page's grouped steps and extra entries, on the page's own tabs.
    for (int i = 0; i < pageTabCount; ++i) {
        if (QLatin1String(pageTabs[i].name) == QLatin1String("programs"))
            showPage(window, pageTabs[i]);
    }
    aprogram_settings_widget *programs = window.programPage;
    programs->showEntriesTab(true);
    programs->programTabs->setCurrentIndex(aprogram_settings_widget::GroupedStepsTab);
    kept &= timed("programs-grid", PageBudgetMs, [&window] { window.refresh(); });
    programs->programTabs->setCurrentIndex(aprogram_settings_widget::EntriesTab);
    kept &= timed("programs-entries", PageBudgetMs, [&window] { window.refresh(); });
    programs->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);

    // What the window does after a file was opened (the reader has rebuilt the stores).
    showPage(window, pageTabs[0]);
    kept &= timed("reload after an open", ReloadBudgetMs, [&window] { window.fileRead(); });

    std::printf(kept ? "every budget kept\n" : "a budget was missed\n");
    return kept ? 0 : 1;
}
