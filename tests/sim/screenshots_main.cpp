// varidex625-screenshots: photographs the main window connected to one simulated
// controller, with a fully populated configuration, for the documentation.
// Usage: varidex625-screenshots <folder> [<translation file>]
// Writes main-window.png (the Scenes tab), right-panel.png and one picture of every page
// (page-<name>.png; the Settings/Other page as settings-other.png), the other tabs of the
// Scenes and Masks pages (page-scenes-<tab>.png, page-masks-<tab>.png; the scene page's Copying
// tab with its DMX sheet group ready to export), the program page's grouped steps and extra
// entries (page-programs-grid.png, -entries.png), then the monitor's three windows
// (monitor-*.png) and the Settings/Other page while they are open, as the main window shows
// them (monitor-settings-other.png), the action editors open (editor-*.png) and the program
// page's Copying tab (page-programs-copying.png). With a translation file ("Varidex625_pl.qm")
// the window is built in its language, as after choosing it from the Language menu, and every
// name ends in the language's code (main-window-pl.png). Every picture shows something no
// other does: one that repeats an earlier picture is named on stderr and the exit status is 1.
#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/right_panel_widget.h"
#include "app/widget_user_interaction.h"
#include "events/DTL_Box.h"
#include "events/DTL_widget.h"
#include "events/aevents_conf_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_tableview_widget.h"
#include "link/kd620_controller_class.h"
#include "programs/aprogram_settings_copying.h"
#include "programs/aprogram_settings_widget.h"
#include "model/image_layout.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_groups_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "scenes/dmx_sheet_group.h"
#include "settings/monitor/btn_lbl.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/monitor_window_mask.h"
#include "settings/monitor/pokaz.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_monitor_engine.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/page_tabs.h"
#include "tests/support/virtual_clock.h"
#include "widgets/font_substitutes.h"
#include "widgets/main_tabs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QFileInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QtEndian>

#include <map>

namespace {

// "-pl" when the window is photographed in Polish, empty in English.
QString languageSuffix;

// The pictures written so far by their pixels: a picture equal to an earlier one shows a
// state that did not come about, or one already shown.
QHash<QByteArray, QString> writtenPictures;
bool picturesRepeated = false;

QByteArray fingerprint(const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(pixels.width()) + 'x' + QByteArray::number(pixels.height()));
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(pixels.constBits()), pixels.sizeInBytes()));
    return hash.result();
}

void save(const QImage &picture, const QString &path)
{
    QString named = path;
    named.insert(path.size() - int(qstrlen(".png")), languageSuffix);
    if (!picture.save(named))
        qWarning("cannot write %s", qPrintable(named));
    const QByteArray pixels = fingerprint(picture);
    const QString earlier = writtenPictures.value(pixels);
    if (!earlier.isEmpty()) {
        qWarning("%s is the same picture as %s", qPrintable(named), qPrintable(earlier));
        picturesRepeated = true;
    }
    writtenPictures.insert(pixels, named);
}

void save(QWidget *widget, const QString &path)
{
    QApplication::processEvents();
    save(widget->grab().toImage(), path);
}

// The row the level pages are photographed on, every tab of them: a scene and a mask with
// levels and a description, among others.
constexpr int LevelPageRow = 3;

void showLevelPageRows(gui_class &window)
{
    window.scenePage->sceneTable->setCurrentCell(LevelPageRow, 0);
    window.maskPage->sceneTable->setCurrentCell(LevelPageRow, 0);
}

// Installs the translation of the file given and lists its language beside English, as the
// program does with the translation files it finds. False when the file does not load.
bool chooseLanguage(const QString &translationFile, QTranslator &translator)
{
    if (!translator.load(translationFile))
        return false;
    // "Varidex625_pl.qm" is Polish: the two letters before the extension.
    const QString code = QFileInfo(translationFile).completeBaseName().right(2);
    QString name = code;
    for (const built_in_language_name &language : builtInLanguageNames) {
        if (code == QLatin1String(language.code))
            name = QString::fromUtf8(language.name);
    }
    languageList.append({name, code, &translator, nullptr, qtTranslationFor(code, &translator)});
    installLanguage(int(languageList.size()) - 1);
    languageSuffix = QLatin1Char('-') + code;
    return true;
}

// The tabs of the Scenes and Masks pages besides their first, each with some work in it.
void photographLevelTabs(gui_class &window, const QDir &folder)
{
    struct level_tab {
        int mainTab;
        level_settings_page *page;
        int tab;
        const char *name;
    };
    const level_tab tabs[] = {
        {ScenesTab, window.scenePage, level_settings_page::GrouppedChannelsTab, "scenes-groupped"},
        {ScenesTab, window.scenePage, level_settings_page::CopyingTab, "scenes-copying"},
        {ScenesTab, window.scenePage, level_settings_page::CoupledScenesTab, "scenes-coupled"},
        {MasksTab, window.maskPage, level_settings_page::GrouppedChannelsTab, "masks-groupped"},
        {MasksTab, window.maskPage, level_settings_page::CopyingTab, "masks-copying"},
    };
    for (level_settings_page *page : {static_cast<level_settings_page *>(window.scenePage),
                                      static_cast<level_settings_page *>(window.maskPage)}) {
        for (int channel : {0, 2, 4, 5, 6})
            page->channelBox(channel)->setCheckState(Qt::Checked);
        page->copyEnableBox->setChecked(true);
        page->copyFrom->setValue(12);
        page->altFileEdit->setText(QStringLiteral("/home/show/winter.cfg625"));
    }
    window.scenePage->coupledScenes->groupTable->setCurrentCell(0, 0);
    for (const level_tab &tab : tabs) {
        window.tabWidget_main->setCurrentIndex(tab.mainTab);
        tab.page->sceneTabs->setCurrentIndex(tab.tab);
        save(&window, folder.filePath(QStringLiteral("page-%1.png").arg(QLatin1String(tab.name))));
    }
    window.scenePage->sceneTabs->setCurrentIndex(level_settings_page::SingleChannelsTab);
    window.maskPage->sceneTabs->setCurrentIndex(level_settings_page::SingleChannelsTab);
}

// What the simulated controller shows the monitor: some inputs on, a ramp of DMX values
// and a report with states, scenes, programs, masks and a delay active.
// The scene page's Copying tab, its DMX sheet group ready to export.
void photographSceneCopying(gui_class &window, const QDir &folder)
{
    for (int i = 0; i < pageTabCount; ++i) {
        if (QLatin1String(pageTabs[i].name) == QLatin1String("scenes"))
            showPage(window, pageTabs[i]);
    }
    ascene_settings_widget *page = window.scenePage;
    page->sceneTabs->setCurrentIndex(ascene_settings_widget::CopyingTab);
    page->sheetBox->sheetExportRadio->click();
    page->sheetBox->sheetFileEdit->setText(QStringLiteral("/home/show/scenes.dmx"));
    page->sheetBox->sheetFrom->setValue(5);
    page->sheetBox->sheetTo->setValue(60);
    page->sheetBox->sheetChooseButton->click();
    save(&window, folder.filePath(QStringLiteral("page-scenes-copying.png")));
    page->sceneTabs->setCurrentIndex(ascene_settings_widget::SingleChannelsTab);
}

void shapeMonitoredController(sim_device &device)
{
    auto *memory = device.findEngine<sim_config_memory_engine>();
    for (u32 input = 0; input < image_layout::InputCount; ++input)
        qToLittleEndian<i32>(i32(input % 3) - (input % 7 == 6 ? 1 : 0),
                             memory->memory.data() + image_layout::inputType(input));
    auto *monitor = device.findEngine<sim_monitor_engine>();
    monitor->inputStates = 0x5A3C96;
    for (int c = 0; c < sim_monitor_engine::DmxChannels; ++c)
        monitor->dmxOutput[size_t(c)] = u8(c * 4 + (c % 5) * 13);
    const std::map<int, int> words = {
        {0, 3}, {1, 0}, {2, 2}, {3, 3}, {4, 2}, {5, 7}, {6, 1}, {7, 9},  // lists
        {8, 0x1}, {9, 0x0104}, {10, 0x0002},                            // A1 B3 C1 D2
        {13, 4}, {14, 129}, {15, 11},                                  // scenes 5 130 12
        {16, 16}, {17, 0}, {18, 2}, {19, 3},                           // programs 17-1 3-4
        {20, 0}, {21, 6},                                              // masks 1 7
        {22, 1}};                                                      // delay 2
    QByteArray report(52, '\0');
    u32 sum = 0;
    for (const auto &[word, value] : words)
        qToLittleEndian<u16>(u16(value), report.data() + 2 * word);
    for (int i = 0; i + 1 < report.size() / 4; ++i)
        sum += qFromLittleEndian<u32>(report.constData() + 4 * i);
    qToLittleEndian<u32>(0u - sum, report.data() + report.size() - 4);
    monitor->internalStates = report;
}

// The program page's other tabs: the grouped steps with some boxes ticked, and the extra
// entries.
void photographProgramTabs(gui_class &window, const QDir &folder)
{
    aprogram_settings_widget *page = window.programPage;
    page->programTabs->setCurrentIndex(aprogram_settings_widget::GroupedStepsTab);
    for (int k = 1; k < page->gridStepCount; k += 3)
        page->gridBox(k)->setChecked(true);
    save(&window, folder.filePath(QStringLiteral("page-programs-grid.png")));
    page->showEntriesTab(true);
    page->programTabs->setCurrentIndex(aprogram_settings_widget::EntriesTab);
    save(&window, folder.filePath(QStringLiteral("page-programs-entries.png")));
    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
}

// The main window as it shows the monitor: the inputs and DMX output windows are drawn inside
// it, at its top-left corner; the internal-states window, a window of its own, is put over it
// beside the monitor's box, where a desktop would show it.
QImage withMonitorWindows(gui_class &window, const ctrl_monitor &monitor)
{
    constexpr int Gap = 30;
    QImage picture = window.grab().toImage();
    const QPoint at = monitor.mapTo(&window, QPoint(monitor.width() + Gap, 0));
    QPainter painter(&picture);
    painter.drawPixmap(at, monitor.statesWindow->grab());
    // Offscreen no window manager frames a window: a line parts it from the page below.
    painter.setPen(window.palette().color(QPalette::Shadow));
    painter.drawRect(QRect(at, monitor.statesWindow->size()).adjusted(-1, -1, 0, 0));
    return picture;
}

// The monitor's three windows, then the Settings tab's Other page while they are open.
void photographMonitor(gui_class &window, const QDir &folder)
{
    for (int i = 0; i < pageTabCount; ++i) {
        if (QLatin1String(pageTabs[i].name) == QLatin1String("settings-other"))
            showPage(window, pageTabs[i]);
    }
    ctrl_monitor *monitor = window.monitor;
    monitor->shInputsClicked();
    monitor->shDmxOutClicked();
    monitor->shStatesClicked();
    // The scenes row with its descriptions.
    if (auto *title = qobject_cast<btn_lbl *>(monitor->statesWindow->table->cellWidget(1, 0)))
        title->button->setChecked(true);
    monitor->reload();
    save(monitor->inputsWindow, folder.filePath(QStringLiteral("monitor-inputs.png")));
    save(monitor->dmxWindow, folder.filePath(QStringLiteral("monitor-dmx-output.png")));
    save(monitor->statesWindow, folder.filePath(QStringLiteral("monitor-internal-states.png")));
    save(withMonitorWindows(window, *monitor), folder.filePath(QStringLiteral("monitor-settings-other.png")));
    monitor->stopShows(MonitorAll);
}

// The action editors open on the Inputs page: the daytime limits as a range and as the
// mode list, and the state-limit window. Nothing is stored: each editor closes uncommitted.
void photographActionEditors(gui_class &window, const QDir &folder)
{
    window.tabWidget_main->setCurrentIndex(EventsTab);
    window.tabWidget_events->setCurrentIndex(InputsEventsTab);
    aevents_tableview_widget *table = window.inputEventsPage->actionEditor->actionTable;
    if (table->rowCount() == 0)
        return;
    auto openEditor = [table](int column) {
        const QModelIndex index = table->model()->index(0, column);
        table->setCurrentIndex(index);
        table->edit(index);
        return table->indexWidget(index);
    };
    auto closeEditor = [table](QWidget *editor) {
        emit table->itemDelegate()->closeEditor(editor);
        QApplication::processEvents();
    };
    if (auto *daytime = qobject_cast<DTL_widget *>(openEditor(aevents_tableview_widget::DaytimeColumn))) {
        daytime->modeBox->setCurrentIndex(DTL_widget::SetManually);
        daytime->fromBox->setValue(129);
        daytime->toBox->setValue(DTL_Box::EndOfDay);
        save(&window, folder.filePath(QStringLiteral("editor-daytime-range.png")));
        daytime->manualBox->setChecked(false);
        daytime->modeBox->setCurrentIndex(DTL_widget::NightTimeOnly);
        save(&window, folder.filePath(QStringLiteral("editor-daytime-modes.png")));
        closeEditor(daytime);
    }
    if (QWidget *states = openEditor(aevents_tableview_widget::StatesColumn)) {
        save(states, folder.filePath(QStringLiteral("editor-state-limits.png")));
        closeEditor(states);
    }
}

// The program page's Copying tab, a range and another file filled in.
void photographProgramCopying(gui_class &window, const QDir &folder)
{
    aprogram_settings_widget *page = window.programPage;
    window.tabWidget_main->setCurrentIndex(ProgramsTab);
    page->programTabs->setCurrentIndex(aprogram_settings_widget::CopyingTab);
    aprogram_settings_copying *tab = page->copyingPage;
    tab->copyFromSpin->setValue(5);
    tab->copyToSpin->setValue(8);
    tab->scenePoolSpin->setValue(2001);
    tab->altFileEdit->setText(QStringLiteral("/home/show/stage-2025.cfg625"));
    save(&window, folder.filePath(QStringLiteral("page-programs-copying.png")));
    page->programTabs->setCurrentIndex(aprogram_settings_widget::SingleStepsTab);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        qWarning("usage: varidex625-screenshots <folder> [<translation file>]");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    substituteWindowsFonts();
    initApplicationResources();
    sim_usb_bus bus;
    bus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
    shapeMonitoredController(bus.device(1));
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr}};
    currentLanguage = 0;
    QTranslator translator;
    if (argc == 3 && !chooseLanguage(QString::fromLocal8Bit(argv[2]), translator)) {
        qWarning("cannot load the translation %s", argv[2]);
        return 2;
    }

    // Virtual time, from the simulated controller's own moment: the date and time boxes and
    // the controller's clock read the same whenever the pictures are made, so two pictures of
    // one state are one picture.
    virtual_clock clock(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30)));
    auto *controller = new kd620_controller_class;
    currentController = controller;
    populateConfiguration(*controller);  // before the real boxes: its notes need no person
    // The remote control's settings are not part of a configuration: a learnt remote.
    for (int key = 0; key < controller_configuration_class::RcuKeyCount; ++key)
        controller->rcuKeyCodes[key] = key < 48 ? u8((key * 5) % 64) : u8(0xFF);
    controller->rcuAddress = 5;
    widget_user_interaction interaction;
    installUserInteraction(&interaction);
    {
        gui_class window(controller);
        window.show();
        window.rightPanel->connectButton->click();
        window.timerTimeUpdate();
        save(&window, folder.filePath(QStringLiteral("main-window.png")));
        save(window.rightPanel, folder.filePath(QStringLiteral("right-panel.png")));
        // The main window's picture is the Scenes page on its first scene already.
        showLevelPageRows(window);
        for (int i = 0; i < pageTabCount; ++i) {
            showPage(window, pageTabs[i]);
            const QString name = QString::fromLatin1(pageTabs[i].name);
            save(&window, folder.filePath(name == QLatin1String("settings-other") ? QStringLiteral("settings-other.png")
                                                                                   : QStringLiteral("page-%1.png").arg(name)));
        }
        photographLevelTabs(window, folder);
        photographSceneCopying(window, folder);
        for (int i = 0; i < pageTabCount; ++i) {
            if (QLatin1String(pageTabs[i].name) == QLatin1String("programs"))
                showPage(window, pageTabs[i]);
        }
        photographProgramTabs(window, folder);
        photographMonitor(window, folder);
        photographActionEditors(window, folder);
        photographProgramCopying(window, folder);
    }
    delete controller;
    currentController = nullptr;
    installUserInteraction(nullptr);
    return picturesRepeated ? 1 : 0;
}
