// The refresh of every page of the main window, and the window's reload after a file was
// opened, with a fully populated configuration. Budgets: 50 ms median a page, 150 ms for
// the reload. Run from a Release build (see CMakeLists.txt); exits 1 when a budget is
// missed or a refresh did not show the configuration.
//
// What each refresh produced is checked, so a refresh that does nothing cannot look fast:
// every page has a probe, one cell of its list (or, on Settings/Other, the latitude spin
// box). Before every timed refresh the probe is overwritten with a mark, the model's and
// the spin box's signals blocked so that nothing reaches the configuration; after it the
// probe must show again what the page showed after the warm-up, and the list must have the
// rows the configuration gives it.
#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "bench/sample_series.h"
#include "events/aevents_clock_widget.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_ired_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/aseq_settings_widget.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "settings/asettings_descs_widget.h"
#include "settings/asettings_dmx_widget.h"
#include "settings/asettings_inputs_widget.h"
#include "settings/asettings_ired_tab.h"
#include "settings/showDesc_class.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/page_tabs.h"
#include "tests/support/scripted_interaction.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>

#include <cstdio>

namespace {

constexpr int WarmUpRounds = 2;
constexpr int Rounds = 15;
constexpr double PageBudgetMs = 50;
constexpr double ReloadBudgetMs = 150;
const QString Mark = QStringLiteral("\u2063not refreshed");

// Where a refresh shows the configuration: a cell of a list that must have `rows` rows, or
// a spin box.
struct page_probe {
    QAbstractItemModel *model = nullptr;
    int rows = 0;
    int row = 0;
    int column = 0;
    QSpinBox *spin = nullptr;

    QString shown() const
    {
        return spin ? QString::number(spin->value()) : model->index(row, column).data().toString();
    }
    // Overwrites what the probe shows, telling nobody.
    void mark() const
    {
        if (spin) {
            const QSignalBlocker quiet(spin);
            spin->setValue(spin->value() == spin->minimum() ? spin->maximum() : spin->minimum());
            return;
        }
        const QSignalBlocker quiet(model);
        model->setData(model->index(row, column), Mark);
    }
    bool hasItsRows() const { return spin || model->rowCount() == rows; }
};

page_probe listProbe(QAbstractItemModel *model, int rows, int row, int column)
{
    page_probe probe;
    probe.model = model;
    probe.rows = rows;
    probe.row = row;
    probe.column = column;
    return probe;
}

page_probe tableProbe(QTableWidget *table, int rows, int row, int column)
{
    return listProbe(table->model(), rows, row, column);
}

// The probe of each page of pageTabs, by name, over the fully populated configuration.
page_probe probeOf(const char *page, gui_class &w)
{
    using namespace image_layout;
    const QLatin1String name(page);
    const u8 *image = w.controller->confData;
    const int dmxEventChannels = readU16(image, DmxEventLastChannel) - readU16(image, DmxEventFirstChannel) + 1;
    const int ordinaryPrograms = int(ProgramCount) - int(w.controller->extraEntries.size());
    if (name == QLatin1String("events-inputs"))
        return tableProbe(w.inputEventsPage->eventList, 2 * int(InputCount), 5, 0);
    if (name == QLatin1String("events-clock"))
        return tableProbe(w.clockEventsPage->eventList, int(TimerRowCount), 10, 1);
    if (name == QLatin1String("events-internal"))
        return tableProbe(w.internalEventsPage->eventList, EventTimer - EventInternal, 700, 0);
    if (name == QLatin1String("events-delays"))
        return tableProbe(w.delayedEventsPage->eventList, int(DelayCount), 3, 1);
    if (name == QLatin1String("events-remote"))
        return tableProbe(w.remoteEventsPage->eventList, 3 * controller_configuration_class::RcuKeyCount, 10, 0);
    if (name == QLatin1String("events-dmx-output"))
        return tableProbe(w.dmxOutEventsPage->eventList, 2 * dmxEventChannels, 3, 0);
    if (name == QLatin1String("scenes"))
        return tableProbe(w.scenePage->sceneTable, int(SceneCount), 100, 0);
    if (name == QLatin1String("programs"))
        return tableProbe(w.programPage->programTable, ordinaryPrograms, 20, 0);
    if (name == QLatin1String("sequences"))
        return tableProbe(w.sequencePage->sequenceTable, int(SequenceCount), 5, 0);
    if (name == QLatin1String("masks"))
        return tableProbe(w.maskPage->sceneTable, int(MaskCount), 100, 0);
    if (name == QLatin1String("settings-inputs"))
        return listProbe(w.inputsSettingsTable->inputsModel, int(InputCount), 3, 2);
    if (name == QLatin1String("settings-dmx-output"))
        return listProbe(w.dmxSettingsPage->chnlModel, int(readU16(image, OutputChannelLimit)), 3, 1);
    if (name == QLatin1String("settings-remote"))
        return listProbe(w.tab_settings_ired->keyModel, controller_configuration_class::RcuKeyCount, 3, 1);
    if (name == QLatin1String("settings-descriptions")) {
        showDesc_class *descs = w.descsPage->descTable;
        return tableProbe(descs, descs->rowCount(), 3, showDesc_class::DescriptionColumn);
    }
    page_probe other;  // settings-other
    other.spin = w.latitudeSpin;
    return other;
}

int failedChecks = 0;

// Times `work` over the rounds after a warm-up, each round on a marked probe that the work
// must show again; prints the time and says whether its median keeps the budget.
bool timed(const char *label, double budgetMs, const page_probe &probe, const std::function<void()> &work)
{
    for (int i = 0; i < WarmUpRounds; ++i)
        work();
    const QString expected = probe.shown();
    int missed = !probe.hasItsRows() || expected.isEmpty() || expected == Mark ? 1 : 0;
    sample_series series;
    for (int i = 0; i < Rounds; ++i) {
        probe.mark();
        series.add(wallMs(work));
        if (probe.shown() != expected)
            ++missed;
    }
    series.print(label, "ms");
    const bool kept = series.median() <= budgetMs;
    std::printf("    budget %.0f ms%s; shows \"%s\"%s\n", budgetMs, kept ? "" : "  MISSED",
                qPrintable(expected.left(40)), missed ? "  NOT REFRESHED" : "");
    failedChecks += missed;
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
        kept &= timed(pageTabs[i].name, PageBudgetMs, probeOf(pageTabs[i].name, window), [&window] { window.refresh(); });
    }
    // The program page's grouped steps and extra entries, on the page's own tabs; its list
    // of programs is refreshed on every tab.
    for (int i = 0; i < pageTabCount; ++i) {
        if (QLatin1String(pageTabs[i].name) == QLatin1String("programs"))
            showPage(window, pageTabs[i]);
    }
    aprogram_settings_widget *programs = window.programPage;
    const page_probe programList = probeOf("programs", window);
    programs->showEntriesTab(true);
    programs->programTabs->setCurrentIndex(aprogram_settings_widget::GroupedStepsTab);
    kept &= timed("programs-grid", PageBudgetMs, programList, [&window] { window.refresh(); });
    programs->programTabs->setCurrentIndex(aprogram_settings_widget::EntriesTab);
    kept &= timed("programs-entries", PageBudgetMs, programList, [&window] { window.refresh(); });
    programs->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);

    // What the window does after a file was opened (the reader has rebuilt the stores).
    showPage(window, pageTabs[0]);
    kept &= timed("reload after an open", ReloadBudgetMs, probeOf("scenes", window), [&window] { window.fileRead(); });

    std::printf(kept ? "every budget kept\n" : "a budget was missed\n");
    if (failedChecks)
        std::printf("%d refreshes did not show the configuration\n", failedChecks);
    return kept && !failedChecks ? 0 : 1;
}
