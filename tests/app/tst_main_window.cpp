#include "model/application_identity.h"
#include "app/language_list.h"
#include "widgets/my_time_edit.h"
#include "app/right_panel_widget.h"
#include "widgets/main_tabs.h"
#include "app/widget_user_interaction.h"
#include "events/aevents_clock_widget.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_ired_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_copying.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/aseq_settings_widget.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "settings/asettings_clock_widget.h"
#include "model/dmx_out_channel_settings.h"
#include "settings/asettings_descs_widget.h"
#include "settings/asettings_dmx_set_widget.h"
#include "settings/showDesc_class.h"
#include "settings/asettings_dmx_widget.h"
#include "settings/asettings_inputs_widget.h"
#include "settings/asettings_ired_tab.h"
#include "settings/asettings_clock_widget.h"
#include "settings/monitor/btn_lbl.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/pokaz.h"
#include "tests/sim/sim_clock_engine.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_monitor_engine.h"
#include "tests/support/built_translation.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/file_dialog_driver.h"
#include "tests/support/folder_contents.h"
#include "tests/support/image_compare.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/upgrade_file_builder.h"
#include "tests/sim/sim_device_protocol.h"
#include "widgets/guarded_spin_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

QStringList tabTexts(const QTabWidget *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

// What a menu shows: "text|status tip|icon" per entry, "-" for a separator; the icon part
// is "icon" when the entry has one.
QStringList menuEntries(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator())
            entries << QStringLiteral("-");
        else
            entries << a->text() + '|' + a->statusTip() + '|' + (a->icon().isNull() ? "" : "icon")
                           + (a->isCheckable() ? "|checkable" : "");
    }
    return entries;
}

// True when the action's icon shows the resource image.
bool showsImage(const QAction *action, const QString &resource)
{
    const QImage expected(resource);
    return imagesMatch(action->icon().pixmap(expected.size()).toImage(), expected);
}

// Runs `slot` and closes the first modal box it shows, keeping its text.
QString closeModalDuring(const std::function<void()> &slot)
{
    QString text;
    QTimer::singleShot(0, [&text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->windowTitle() + '|' + box->text();
            box->accept();
        } else if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            text = dialog->windowTitle();
            dialog->reject();
        }
    });
    slot();
    return text;
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(main_window_fixture &)>)

class tst_main_window : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formAndTabs();
    void menus();
    void languageMenuWithEnglishAlone();
    void tabChangeRefreshesItsPage_data();
    void tabChangeRefreshesItsPage();
    void fileReadBringsThePagesUpToDate();
    void deviceReadBringsThePagesUpToDate();
    void firstWindowShowsTheConfiguration();
    void dmxOutEventsFollowTheStoredRange();
    void remoteSettingsReachTheRemoteEvents();
    void viewActionsFollowTheMonitor();
    void otherPageRedrawsTheMonitorWindows();
    void connectionDroppedInsideItsAnnouncement();
    void lostControllerEndsTheConnection_data();
    void lostControllerEndsTheConnection();
    void firmwareLabelOneForm_data();
    void firmwareLabelOneForm();
    void sceneSwitching_data();
    void sceneSwitching();
    void clearDialogCancelledStillReloads();
    void fileSaveAsksAboutTheNameWritten_data();
    void fileSaveAsksAboutTheNameWritten();
    void helpAndAbout();
    void menuHoverShowsTheMenusTip();
    void hoveringAMenuTitleShowsItsTip();
    void clockFollowsTheController();
    void liveModeShowsTheScene();
    void liveSceneWaitsForTheReadsOutcome_data();
    void liveSceneWaitsForTheReadsOutcome();
    void settingsTablesShowTheConfiguration();
    void titleNamesOnlyTheEditedFile_data();
    void titleNamesOnlyTheEditedFile();

private:
    std::unique_ptr<main_window_fixture> f;
};

void tst_main_window::init()
{
    f = std::make_unique<main_window_fixture>();
}

void tst_main_window::cleanup()
{
    const QStringList problems = main_window_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_main_window::formAndTabs()
{
    gui_class &w = *f->window;
    QCOMPARE(w.windowTitle(), application_identity::name());
    QCOMPARE(w.maximumSize(), QSize(1026, 751));
    QCOMPARE(w.size(), QSize(1026, 751));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.centralWidget(), w.scrollArea);
    QCOMPARE(w.scrollArea->widget(), w.centralwidget);
    QCOMPARE(w.centralwidget->size(), QSize(1024, 703));
    QCOMPARE(mainWindow, &w);

    QCOMPARE(tabTexts(w.tabWidget_main),
             QStringList({"Events", "Scenes", "Programs", "Sequences", "Masks", "Settings"}));
    QCOMPARE(tabTexts(w.tabWidget_events), QStringList({"Inputs", "Clock", "Internal Events", "Delayed Events",
                                                        "Remote Control", "DMX Output"}));
    QCOMPARE(tabTexts(w.tabWidget_settings),
             QStringList({"Inputs", "DMX Output", "Remote Control", "Descriptions", "Other"}));
    QCOMPARE(w.tabWidget_main->currentIndex(), ScenesTab);
    QCOMPARE(w.tabWidget_events->currentIndex(), InputsEventsTab);
    for (int tab = 0; tab < 5; ++tab)
        QVERIFY(w.tabWidget_events->isTabEnabled(tab));
    QVERIFY(!w.tabWidget_events->isTabEnabled(DmxOutputEventsTab));

    // Each page on its tab page; the right panel beside the tabs.
    QCOMPARE(w.scenePage->parentWidget(), w.tab_scenes);
    QCOMPARE(w.programPage->parentWidget(), w.tab_programs);
    QCOMPARE(w.maskPage->parentWidget(), w.tab_masks);
    QCOMPARE(w.monitor->parentWidget(), w.tab_settings_other);
    QCOMPARE(w.monitor->geometry(), QRect(30, 20, 260, 220));
    QCOMPARE(w.rightPanel->parentWidget(), w.centralwidget);
    QCOMPARE(w.tabWidget_settings->widget(2), static_cast<QWidget *>(w.tab_settings_ired));
}

void tst_main_window::menus()
{
    gui_class &w = *f->window;
    QStringList titles;
    for (const QAction *a : w.menubar->actions())
        titles << a->text() + '|' + a->menu()->statusTip();
    QCOMPARE(titles, QStringList({"&File|Operations on files and exit", "&Language|Change application language",
                                  "&Views|Auxiliary windows control", "&Upgrade|Firmware version management",
                                  "&Help|Short informations about application"}));
    QCOMPARE(menuEntries(w.fileMenu), QStringList({"&Open file|Open configuration file|icon",
                                                   "&Save file|Save configuration file|icon",
                                                   "&Clear|Clear current configuration|icon",
                                                   "&Exit|Close application|icon"}));
    QCOMPARE(menuEntries(w.viewsMenu),
             QStringList({"View &Inputs|Show inputs' state in another window||checkable",
                          "View &States|Show internal states in another window||checkable",
                          "View &DMX output|Show DMX output channels in another window||checkable", "-",
                          "Close aux. &windows|Close all auxiliary windows|"}));
    QCOMPARE(menuEntries(w.upgradeMenu), QStringList({"C&heck upgrades|Search for updates at QVR website|icon",
                                                      "&Upgrade KD625|Send upgrade to KD625 controller|icon",
                                                      "&Verify firmware|Verify firmware|icon"}));
    QCOMPARE(menuEntries(w.helpMenu), QStringList({"&Help|How to get help|icon",
                                                   "&About|Information about application|icon"}));
    const std::pair<QAction *, const char *> icons[] = {
        {w.openAction, ":/fileopen.png"}, {w.saveAction, ":/filesave.png"}, {w.clearAction, ":/filenew.png"},
        {w.exitAction, ":/exit.png"},     {w.checkUpgradesAction, ":/szukaj.png"},
        {w.upgradeAction, ":/wrench.png"}, {w.verifyAction, ":/verify.png"}, {w.helpAction, ":/message.png"},
        {w.aboutAction, ":/vd_sh.png"}};
    for (const auto &[action, resource] : icons)
        QVERIFY2(showsImage(action, resource), resource);
    // The comparison tells icons apart.
    QVERIFY(!showsImage(w.openAction, QStringLiteral(":/exit.png")));
    for (QAction *view : {w.viewInputsAction, w.viewStatesAction, w.viewDmxOutAction})
        QVERIFY(!view->isChecked());
}

void tst_main_window::languageMenuWithEnglishAlone()
{
    gui_class &w = *f->window;
    QCOMPARE(w.languageMenu->actions().size(), 1);
    QAction *english = w.languageMenu->actions().first();
    QCOMPARE(english->text(), QStringLiteral("English"));
    QCOMPARE(english->statusTip(), QStringLiteral("Change language to: English"));
    QVERIFY(!english->isCheckable());
    QVERIFY(showsImage(english, QStringLiteral(":/en.png")));
    QCOMPARE(languageList[0].action, english);
    // The language in use: nothing happens, not even a parameters file.
    english->trigger();
    QCOMPARE(requestedLanguage, -1);
}

namespace {

// A page that draws from the configuration: the tab that shows it, a change made behind
// the window's back, and what the page shows of it.
struct page_case {
    const char *name;
    int mainTab;
    int subTab;  // -1: the main tab has no sub-tabs
    std::function<void(kd620_controller_class &)> change;
    std::function<QString(gui_class &)> shown;
    QString expected;
};

const QList<page_case> &drawingPages()
{
    static const QList<page_case> cases = {
        {"events inputs", EventsTab, InputsEventsTab,
         [](kd620_controller_class &c) { c.inputDescs[0] = QStringLiteral("door"); },
         [](gui_class &w) { return w.inputEventsPage->eventList->item(0, 0)->text(); },
         QStringLiteral("Input 1 (On) - door")},
        {"events internal", EventsTab, InternalEventsTab,
         [](kd620_controller_class &c) { c.eventDescs[EventInternal] = QStringLiteral("mains back"); },
         [](gui_class &w) { return w.internalEventsPage->eventList->item(0, 0)->text(); },
         QStringLiteral("mains back")},
        {"events clock", EventsTab, ClockEventsTab,
         [](kd620_controller_class &c) { c.timerTable[2].hour = 0x07; },
         [](gui_class &w) { return w.clockEventsPage->eventList->item(2, 1)->text(); },
         QStringLiteral("07:-- -- --.--.----")},
        {"events delays", EventsTab, DelayedEventsTab,
         [](kd620_controller_class &c) { writeU32(c.confData, image_layout::delayEntry(0), 0xFFF00000 | 600); },
         [](gui_class &w) { return w.delayedEventsPage->eventList->item(0, 1)->text(); },
         QStringLiteral("0h 1m 0.0s")},
        {"events remote", EventsTab, RemoteControlEventsTab,
         [](kd620_controller_class &c) { c.rcuKeyDescs[0] = QStringLiteral("red"); },
         [](gui_class &w) { return w.remoteEventsPage->eventList->item(0, 0)->text(); },
         QStringLiteral("Btn 1 pres. - red")},
        {"settings inputs", SettingsTab, InputsSettingsTab,
         [](kd620_controller_class &c) { c.inputDescs[0] = QStringLiteral("door"); },
         [](gui_class &w) { return w.inputsSettingsTable->inputsModel->item(0, 2)->text(); },
         QStringLiteral("door")},
        {"settings dmx output", SettingsTab, DmxSettingsTab,
         [](kd620_controller_class &c) { dmx_out_channel_settings{0, 100, 255, 0}.write(c.confData, 2); },
         [](gui_class &w) { return w.dmxSettingsPage->chnlModel->item(2, 1)->text(); },
         QStringLiteral("(0,100) [--,--] N")},
        {"settings descriptions", SettingsTab, DescriptionsTab,
         [](kd620_controller_class &c) { c.stateDescs[0] = QStringLiteral("ready"); },
         [](gui_class &w) { return w.descsPage->descTable->item(0, 1)->text(); }, QStringLiteral("ready")},
        {"settings remote", SettingsTab, RemoteSettingsTab,
         [](kd620_controller_class &c) { c.rcuKeyDescs[0] = QStringLiteral("red"); },
         [](gui_class &w) { return w.tab_settings_ired->keyModel->item(0, 2)->text(); }, QStringLiteral("red")},
        {"scenes", ScenesTab, -1, [](kd620_controller_class &c) { c.sceneDescs[0] = QStringLiteral("film"); },
         [](gui_class &w) { return w.scenePage->sceneTable->item(0, 0)->text(); }, QStringLiteral("film")},
        {"programs", ProgramsTab, -1,
         [](kd620_controller_class &c) { c.programDescs[1] = QStringLiteral("finale"); },
         [](gui_class &w) { return w.programPage->programTable->item(1, 0)->text(); }, QStringLiteral("finale")},
        {"sequences", SequencesTab, -1,
         [](kd620_controller_class &c) { c.eventDescs[sequenceStartEvent(0)] = QStringLiteral("chase"); },
         [](gui_class &w) { return w.sequencePage->sequenceTable->item(0, 0)->text(); }, QStringLiteral("chase")},
        {"settings other", SettingsTab, OtherTab,
         [](kd620_controller_class &c) { writeI32(c.confData, image_layout::TimeZone, 4); },
         [](gui_class &w) { return w.timeZoneSpin->text(); }, QStringLiteral("GMT +4")},
    };
    return cases;
}

} // namespace

void tst_main_window::tabChangeRefreshesItsPage_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < drawingPages().size(); ++i)
        QTest::newRow(drawingPages()[i].name) << i;
}

void tst_main_window::tabChangeRefreshesItsPage()
{
    QFETCH(int, index);
    const page_case &page = drawingPages()[index];
    gui_class &w = *f->window;
    QTabWidget *sub = page.mainTab == EventsTab ? w.tabWidget_events : w.tabWidget_settings;

    // Choosing the main tab redraws the page its sub-tab shows ...
    if (page.subTab >= 0)
        sub->setCurrentIndex(page.subTab);
    if (w.tabWidget_main->currentIndex() == page.mainTab)
        w.tabWidget_main->setCurrentIndex(page.mainTab == EventsTab ? ScenesTab : EventsTab);
    page.change(*f->controller);
    w.tabWidget_main->setCurrentIndex(page.mainTab);
    QCOMPARE(page.shown(w), page.expected);

    // ... and choosing a sub-tab there redraws that page when it comes back: the change
    // cleared meanwhile no longer shows.
    if (page.subTab >= 0) {
        sub->setCurrentIndex(page.subTab == 0 ? 1 : 0);
        f->controller->ClearConfig(0xFFFFF);
        sub->setCurrentIndex(page.subTab);
        QVERIFY(page.shown(w) != page.expected);
    }
}

void tst_main_window::fileReadBringsThePagesUpToDate()
{
    u8 *image = f->controller->confData;
    writeU16(image, image_layout::OutputChannelLimit, 32);
    writeU16(image, image_layout::DmxEventFirstChannel, 3);
    writeU16(image, image_layout::DmxEventLastChannel, 9);
    writeU16(image, image_layout::StartUpTime, 123);
    writeU16(image, image_layout::ShutDownTime, 0xFFFF);
    f->controller->programList.setStepCount(0, 3);
    f->controller->extraEntries << new extra_entry_class << new extra_entry_class;
    writeU16(image, image_layout::OrdinaryProgramCount, 510);
    f->controller->sceneDescs[0] = QStringLiteral("opening");
    gui_class &w = *f->window;
    w.sequencePage->seqNumberChange(9, 0, 0, 0);

    emit f->controller->readFileFinished();

    QCOMPARE(w.scenePage->sceneTable->item(0, 0)->text(), QStringLiteral("opening"));
    QCOMPARE(w.programPage->ordinaryPrograms, 510);
    QCOMPARE(w.scenePage->chnlsInUse, 32);
    QCOMPARE(w.maskPage->chnlsInUse, 32);
    QCOMPARE(w.dmxOutEventsPage->firstChannel, 4);
    QCOMPARE(w.dmxOutEventsPage->lastChannel, 10);
    QVERIFY(w.tabWidget_events->isTabEnabled(DmxOutputEventsTab));
    QCOMPARE(w.sequencePage->currentSequence, 0);
    QVERIFY(main_window_fixture::showsTab(w.programPage, QStringLiteral("Test entries")));
    QCOMPARE(w.programPage->stepTable->model()->rowCount(), 3);
    QCOMPARE(w.startUpTimeEdit->time(), QTime(0, 0, 12, 300));
    QCOMPARE(w.shutDownTimeEdit->time(), QTime(1, 49, 13, 500));
    // The editors' signals wrote the same values back.
    QCOMPARE(readU16(image, image_layout::StartUpTime), u16(123));
    QCOMPARE(readU16(image, image_layout::ShutDownTime), u16(0xFFFF));
    QVERIFY(w.extraEntriesCheck->isChecked());
}

void tst_main_window::deviceReadBringsThePagesUpToDate()
{
    u8 *image = f->controller->confData;
    writeU16(image, image_layout::OutputChannelLimit, 40);
    writeU16(image, image_layout::DmxEventFirstChannel, 512);
    gui_class &w = *f->window;
    // A current program the store does not hold: a count of 0, never negative.
    w.programPage->currentProgram = 7;
    w.sequencePage->seqNumberChange(9, 0, 0, 0);

    emit f->controller->readKd620Finished();

    QCOMPARE(w.scenePage->chnlsInUse, 40);
    QCOMPARE(w.maskPage->chnlsInUse, 40);
    QCOMPARE(w.dmxOutEventsPage->firstChannel, 65);
    QCOMPARE(w.dmxOutEventsPage->lastChannel, 64);
    QVERIFY(!w.tabWidget_events->isTabEnabled(DmxOutputEventsTab));
    QCOMPARE(readU16(image, image_layout::DmxEventFirstChannel), u16(0xFFFF));
    QCOMPARE(f->controller->programList.stepCount(7), 0);
    QCOMPARE(w.programPage->stepTable->model()->rowCount(), 0);
    // The controller's read leaves the chosen sequence.
    QCOMPARE(w.sequencePage->currentSequence, 9);
}

void tst_main_window::firstWindowShowsTheConfiguration()
{
    // The configuration a -C file or the previous window (a language change) left.
    f->window.reset();
    u8 *image = f->controller->confData;
    writeU16(image, image_layout::OutputChannelLimit, 24);
    writeU16(image, image_layout::DmxEventFirstChannel, 0);
    writeU16(image, image_layout::DmxEventLastChannel, 9);
    writeU16(image, image_layout::StartUpTime, 5);
    writeU16(image, image_layout::ShutDownTime, 17);
    writeU16(image, image_layout::OrdinaryProgramCount, 512);
    f->controller->programList.setStepCount(0, 4);
    f->controller->sceneDescs[2] = QStringLiteral("third");

    f->window = std::make_unique<gui_class>(f->controller.get());
    gui_class &w = *f->window;

    QCOMPARE(w.startUpTimeEdit->time(), QTime(0, 0, 0, 500));
    QCOMPARE(w.shutDownTimeEdit->time(), QTime(0, 0, 1, 700));
    QCOMPARE(w.dmxSettingsPage->setWidget->spinChnlMax->value(), 24);
    QCOMPARE(w.scenePage->chnlsInUse, 24);
    QVERIFY(w.scenePage->channelBox(23)->flags() & Qt::ItemIsEnabled);
    for (int channel = 24; channel < 64; ++channel)
        QVERIFY(!(w.scenePage->channelBox(channel)->flags() & Qt::ItemIsEnabled));
    QCOMPARE(w.maskPage->chnlsInUse, 24);
    QVERIFY(w.tabWidget_events->isTabEnabled(DmxOutputEventsTab));
    QCOMPARE(w.dmxOutEventsPage->firstChannel, 1);
    QCOMPARE(w.dmxOutEventsPage->lastChannel, 10);
    QVERIFY(w.extraEntriesCheck->isChecked());
    QCOMPARE(w.programPage->stepTable->model()->rowCount(), 4);
    QCOMPARE(w.scenePage->sceneTable->item(2, 0)->text(), QStringLiteral("third"));
    // Showing it stored nothing new.
    QCOMPARE(readU16(image, image_layout::StartUpTime), u16(5));
    QCOMPARE(readU16(image, image_layout::ShutDownTime), u16(17));
    QCOMPARE(readU16(image, image_layout::OutputChannelLimit), u16(24));
}

void tst_main_window::remoteSettingsReachTheRemoteEvents()
{
    gui_class &w = *f->window;
    asettings_ired_tab *settings = w.tab_settings_ired;
    // Taking the tick off "Do not use RCU" switches the Remote Control events off; an
    // address set switches them on again.
    settings->noRcuBox->setChecked(false);
    QVERIFY(!w.tabWidget_events->isTabEnabled(RemoteControlEventsTab));
    settings->addrSpin->setValue(3);
    settings->setAddrButton->click();
    QVERIFY(w.tabWidget_events->isTabEnabled(RemoteControlEventsTab));

    // Read from a file: the events page shows the keys' new descriptions, and the tab
    // follows the address read.
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("keys.rcu"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<sysaddress>not used</sysaddress>\n<buttons>\n <button nr=\"0\">\n"
               "  <description>red</description>\n </button>\n</buttons>\n");
    file.close();
    f->ui.fileAnswers << name;
    settings->readFileButton->click();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(w.remoteEventsPage->eventList->item(0, 0)->text(), QStringLiteral("Btn 1 pres. - red"));
    QVERIFY(!w.tabWidget_events->isTabEnabled(RemoteControlEventsTab));
}

void tst_main_window::dmxOutEventsFollowTheStoredRange()
{
    gui_class &w = *f->window;
    u8 *image = f->controller->confData;
    writeU16(image, image_layout::DmxEventFirstChannel, 0);
    writeU16(image, image_layout::DmxEventLastChannel, 23);
    emit f->controller->readKd620Finished();
    QCOMPARE(w.dmxOutEventsPage->firstChannel, 1);
    QCOMPARE(w.dmxOutEventsPage->lastChannel, 24);
    QCOMPARE(w.dmxSettingsPage->setWidget->sbFromCh->value(), 1);
    QCOMPARE(w.dmxSettingsPage->setWidget->sbToCh->value(), 24);
    // The page lists the range once it is shown.
    w.tabWidget_events->setCurrentIndex(DmxOutputEventsTab);
    w.tabWidget_main->setCurrentIndex(EventsTab);
    QCOMPARE(w.dmxOutEventsPage->eventList->rowCount(), 48);
    QCOMPARE(w.dmxOutEventsPage->eventList->item(47, 0)->text(), QStringLiteral("Dmx Ch. 24 (Off) - no description"));

    // Switched on from the settings with no stored range: channel 64 alone in both words.
    writeU16(image, image_layout::DmxEventFirstChannel, 0xFFFF);
    w.dmxSettingsPage->setWidget->eventGenEnable(true);
    QCOMPARE(readU16(image, image_layout::DmxEventFirstChannel), u16(63));
    QCOMPARE(readU16(image, image_layout::DmxEventLastChannel), u16(63));
    QCOMPARE(w.dmxOutEventsPage->firstChannel, 64);
    QCOMPARE(w.dmxOutEventsPage->lastChannel, 64);
    QVERIFY(w.tabWidget_events->isTabEnabled(DmxOutputEventsTab));

    // A changed range reaches the page, which lists it when it is shown next.
    QCOMPARE(w.dmxOutEventsPage->eventList->rowCount(), 2);
    w.tabWidget_main->setCurrentIndex(SettingsTab);
    w.dmxSettingsPage->setWidget->sbFromCh->setValue(61);
    QCOMPARE(w.dmxOutEventsPage->firstChannel, 61);
    QCOMPARE(w.dmxOutEventsPage->lastChannel, 64);
    QCOMPARE(w.dmxOutEventsPage->eventList->rowCount(), 2);
    w.tabWidget_main->setCurrentIndex(EventsTab);
    QCOMPARE(w.dmxOutEventsPage->eventList->rowCount(), 8);

    // Switched off in the settings page as it shows the range: the tab goes.
    w.tabWidget_settings->setCurrentIndex(DmxSettingsTab);
    w.tabWidget_main->setCurrentIndex(SettingsTab);
    QVERIFY(w.dmxSettingsPage->setWidget->gbEvGen->isChecked());
    w.dmxSettingsPage->setWidget->gbEvGen->setChecked(false);
    QVERIFY(!w.tabWidget_events->isTabEnabled(DmxOutputEventsTab));
    QCOMPARE(readU16(image, image_layout::DmxEventFirstChannel), u16(0xFFFF));
    // A load of the settings page follows the image: on again from there.
    writeU16(image, image_layout::DmxEventFirstChannel, 1);
    w.dmxSettingsPage->refreshTable();
    QVERIFY(w.tabWidget_events->isTabEnabled(DmxOutputEventsTab));
    QVERIFY(w.dmxSettingsPage->setWidget->gbEvGen->isChecked());

    // The channel limit reaches the image and the scene and mask pages.
    w.dmxSettingsPage->setWidget->spinChnlMax->setValue(48);
    QCOMPARE(readU16(image, image_layout::OutputChannelLimit), u16(48));
    QCOMPARE(w.dmxSettingsPage->chnlModel->rowCount(), 48);
    QCOMPARE(w.scenePage->chnlsInUse, 48);
    QCOMPARE(w.maskPage->chnlsInUse, 48);
    QCOMPARE(w.scenePage->selFrom->maximum(), 48);
    QCOMPARE(w.scenePage->selTo->maximum(), 48);
    QCOMPARE(w.scenePage->selFrom->minimum(), 1);
    QCOMPARE(w.maskPage->selFrom->maximum(), 48);
    QCOMPARE(w.maskPage->selTo->maximum(), 48);
    w.dmxSettingsPage->setWidget->spinChnlMax->setValue(24);
    for (level_settings_page *page : {static_cast<level_settings_page *>(w.scenePage),
                                      static_cast<level_settings_page *>(w.maskPage)}) {
        QCOMPARE(page->selFrom->minimum(), 1);
        QCOMPARE(page->selFrom->maximum(), 24);
        QCOMPARE(page->selTo->maximum(), 24);
    }
}

void tst_main_window::viewActionsFollowTheMonitor()
{
    gui_class &w = *f->window;
    QSignalSpy triggered(w.viewInputsAction, &QAction::triggered);

    // Not connected: the monitor refuses, and the action does not stay checked.
    w.viewInputsAction->trigger();
    QCOMPARE(f->ui.messageTexts(), QStringList{"Not connected!"});
    QCOMPARE(f->ui.messageTitles(), QStringList{"Controller error"});
    QVERIFY(!w.viewInputsAction->isChecked());
    QCOMPARE(w.monitor->openWindows, u16(0));

    QVERIFY(f->connectAndReset());
    w.viewInputsAction->trigger();
    w.viewDmxOutAction->trigger();
    QCOMPARE(w.monitor->openWindows, u16(0x5));
    QVERIFY(w.viewInputsAction->isChecked());
    QVERIFY(w.viewDmxOutAction->isChecked());
    QVERIFY(!w.viewStatesAction->isChecked());

    // The user unchecks one: its window closes, the other stays.
    w.viewDmxOutAction->trigger();
    QCOMPARE(w.monitor->openWindows, u16(0x1));
    QVERIFY(!w.viewDmxOutAction->isChecked());

    // The connection goes: every window closes and the actions are unchecked, without
    // their triggered() running the View slots again.
    const int userTriggers = int(triggered.count());
    f->controller->setConnection(false);
    QCOMPARE(w.monitor->openWindows, u16(0));
    QVERIFY(!w.viewInputsAction->isChecked());
    QCOMPARE(int(triggered.count()), userTriggers);

    // Close aux. windows and the window's close go through the monitor too.
    QVERIFY(f->connectAndReset());
    w.viewStatesAction->trigger();
    QCOMPARE(w.monitor->openWindows, u16(0x8));
    w.closeAuxAction->trigger();
    QCOMPARE(w.monitor->openWindows, u16(0));
    QVERIFY(!w.viewStatesAction->isChecked());
}

void tst_main_window::otherPageRedrawsTheMonitorWindows()
{
    gui_class &w = *f->window;
    // The controller reports state A1 set (word 8); the report's last whole 32-bit word
    // balances its sum to zero.
    QByteArray report(32, '\0');
    qToLittleEndian<u16>(1, report.data() + 16);
    qToLittleEndian<u32>(0u - 1u, report.data() + 28);
    f->bus.device(1).findEngine<sim_monitor_engine>()->internalStates = report;
    QVERIFY(f->connectAndReset());
    // No tick comes during the test: only the window's refresh redraws.
    w.monitor->rateSpin->setValue(100);
    w.tabWidget_main->setCurrentIndex(ScenesTab);
    w.viewStatesAction->trigger();
    QTableWidget *rows = w.monitor->statesWindow->table;
    auto *title = qobject_cast<btn_lbl *>(rows->cellWidget(0, 0));
    auto *states = qobject_cast<QTextEdit *>(rows->cellWidget(0, 1));
    QCOMPARE(states->toPlainText(), QStringLiteral("A1 "));

    // Descriptions asked for, and one given behind the window's back.
    title->button->click();
    f->controller->stateDescs[0] = QStringLiteral("fire alarm");
    f->reset();

    // Another page's refresh leaves the window as it is ...
    w.tabWidget_main->setCurrentIndex(ProgramsTab);
    QCOMPARE(states->toPlainText(), QStringLiteral("A1 "));
    // ... choosing the Other page, which holds the monitor, redraws it from the report it
    // keeps, without asking the controller.
    w.tabWidget_settings->setCurrentIndex(OtherTab);
    w.tabWidget_main->setCurrentIndex(SettingsTab);
    QCOMPARE(states->toPlainText(), QStringLiteral("A1 fire alarm\n"));
    for (const QString &request : f->bus.logTexts())
        QVERIFY2(!request.contains(QStringLiteral("MONITOR")), qPrintable(request));
}

void tst_main_window::connectionDroppedInsideItsAnnouncement()
{
    gui_class &w = *f->window;
    QVERIFY(f->connectAndReset());
    w.viewInputsAction->trigger();
    QCOMPARE(w.monitor->openWindows, u16(0x1));

    // Connecting again; the panel's state-flag reads inside the "connected" announcement
    // fail, which drops the connection before the window hears of the first one.
    for (int i = 1; i <= 10; ++i)
        f->bus.device(1).injectOnRequest(REQ_STATE_FLAG, i, sim_fault::fail());
    w.rightPanel->connectButton->click();

    QVERIFY(!f->controller->isConnected());
    QCOMPARE(f->statusSignals, QList<bool>({true, false}));
    QCOMPARE(w.rightPanel->serialLabel->text(), f->controller->serialText());
    QCOMPARE(w.rightPanel->firmwareLabel->text(), QStringLiteral("F/W ver. ----"));
    QVERIFY(!w.rightPanel->normalModeButton->isChecked());
    QCOMPARE(w.rightPanel->statusLabel->text(), QStringLiteral("Disconnected"));
    QCOMPARE(w.monitor->openWindows, u16(0));
    QVERIFY(!w.viewInputsAction->isChecked());
}

using window_action = std::function<void(main_window_fixture &)>;

void tst_main_window::lostControllerEndsTheConnection_data()
{
    QTest::addColumn<window_action>("loseTheController");
    QTest::addColumn<QString>("box");  // the last box shown

    // An upgrade file the controller (3.00.0011) would take; the controller comes back from
    // its restart as its firmware, never as the loader the file is meant for.
    const auto chooseUpgradeFile = [](main_window_fixture &f) {
        upgrade_file_builder file;
        file.setBlock(1, upgrade_file_builder::pattern(1, 64));
        static QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("firmware.upg"));
        QVERIFY(file.write(path));
        f.ui.fileAnswers << path;
    };
    QTest::newRow("upgrade, the firmware comes back instead of the loader")
        << window_action([chooseUpgradeFile](main_window_fixture &f) {
               chooseUpgradeFile(f);
               f.window->upgradeAction->trigger();
           })
        << "USB Interface: Protocol error!";
    QTest::newRow("verification, the firmware comes back instead of the loader")
        << window_action([chooseUpgradeFile](main_window_fixture &f) {
               chooseUpgradeFile(f);
               f.window->verifyAction->trigger();
           })
        << "USB Interface: Protocol error!";
    QTest::newRow("remote-control read, unplugged at key 25")
        << window_action([](main_window_fixture &f) {
               f.bus.device(1).injectOnRequest(sim_protocol::request::Rcu, 26, sim_fault::vanish());
               f.window->tab_settings_ired->readDeviceButton->click();
               // Plugged in again before the user connects anew.
               f.bus.device(1).reappear();
           })
        << "USB Interface: RCU key code reading failed!";
}

// A controller the link finds gone, or leaves with its device closed, ends the connection
// as Disconnect does: the panel, the monitor's windows and the controller object all say
// so, and Connect works again.
void tst_main_window::lostControllerEndsTheConnection()
{
    QFETCH(window_action, loseTheController);
    gui_class &w = *f->window;
    QVERIFY(f->connectAndReset());
    w.viewInputsAction->trigger();
    QCOMPARE(w.monitor->openWindows, u16(0x1));

    loseTheController(*f);

    QVERIFY(!f->ui.messages.isEmpty());
    QTEST(f->ui.messages.last().title + QStringLiteral(": ") + f->ui.messages.last().text, "box");
    QCOMPARE(f->controller->connected, 0);
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(f->controller->workingMode(), int(MODE_NONE));
    QCOMPARE(w.rightPanel->statusLabel->text(), QStringLiteral("Disconnected"));
    QCOMPARE(w.rightPanel->serialLabel->text(), QStringLiteral("S/N ----"));
    QCOMPARE(w.rightPanel->firmwareLabel->text(), QStringLiteral("F/W ver. ----"));
    QVERIFY(!w.rightPanel->normalModeButton->isChecked());
    QCOMPARE(w.monitor->openWindows, u16(0));
    QVERIFY(!w.viewInputsAction->isChecked());

    // Connect, once a restarted controller has completed its restart.
    f->clock.advance(3000);
    const qsizetype boxes = f->ui.messages.size();
    w.rightPanel->connectButton->click();
    QCOMPARE(f->ui.messages.size(), boxes);  // no "Not connected!"
    QCOMPARE(f->controller->connected, 1);
    QVERIFY(f->controller->isConnected());
    QCOMPARE(f->controller->workingMode(), int(MODE_NORMAL));
    QCOMPARE(w.rightPanel->statusLabel->text(), QStringLiteral("Connected"));
    QCOMPARE(w.rightPanel->serialLabel->text(), QStringLiteral("S/N 5F1234-0042"));
    QCOMPARE(w.rightPanel->firmwareLabel->text(), QStringLiteral("F/W ver. 3.00.0011"));
    QVERIFY(w.rightPanel->normalModeButton->isChecked());
}

void tst_main_window::firmwareLabelOneForm_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");  // the words before the version
    QTest::newRow("en") << "en" << "F/W ver. ";
    QTest::newRow("pl") << "pl" << "Wersja F/W ";
    QTest::newRow("de") << "de" << "F/W-Version ";
}

// The right panel names the firmware in the window's language before a connection, with
// the controller's version while connected and after the connection ends.
void tst_main_window::firmwareLabelOneForm()
{
    QFETCH(QString, code);
    QFETCH(QString, caption);
    f.reset();
    const built_translation language(code);
    QVERIFY(language.loaded());
    f = std::make_unique<main_window_fixture>();
    const QLabel *label = f->window->rightPanel->firmwareLabel;
    QCOMPARE(label->text(), caption + "----");
    f->window->rightPanel->connectButton->click();
    QVERIFY(f->controller->isConnected());
    QCOMPARE(label->text(), caption + "3.00.0011");
    f->window->rightPanel->disconnectButton->click();
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(label->text(), caption + "----");
    QVERIFY2(label->fontMetrics().horizontalAdvance(caption + "3.00.0011") <= label->width(), qPrintable(label->text()));
    // The window goes before its language; cleanup() takes a new one.
    const QStringList problems = main_window_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    f = std::make_unique<main_window_fixture>();
}

void tst_main_window::sceneSwitching_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");  // -1: nothing happens
    QTest::newRow("scene 5") << "SceneNo:5" << 4;
    QTest::newRow("first") << "SceneNo:1" << 0;
    QTest::newRow("last") << "SceneNo:3072" << 3071;
    QTest::newRow("beyond") << "SceneNo:3073" << -1;
    QTest::newRow("zero") << "SceneNo:0" << -1;
    QTest::newRow("letters") << "SceneNo:five" << -1;
    QTest::newRow("other key") << "Scene:5" << -1;
    QTest::newRow("no number") << "SceneNo" << -1;
}

void tst_main_window::sceneSwitching()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    gui_class &w = *f->window;
    w.tabWidget_main->setCurrentIndex(SequencesTab);
    w.scenePage->sceneTable->setCurrentCell(9, 0);
    w.scenePage->sceneTabs->setCurrentIndex(2);

    QVERIFY(QMetaObject::invokeMethod(&w, "forceSceneChange", Q_ARG(QString, text)));
    if (row < 0) {
        QCOMPARE(w.tabWidget_main->currentIndex(), SequencesTab);
        QCOMPARE(w.scenePage->sceneTable->currentRow(), 9);
        QCOMPARE(w.scenePage->sceneTabs->currentIndex(), 2);
        return;
    }
    QCOMPARE(w.scenePage->sceneTable->currentRow(), row);
    QCOMPARE(w.scenePage->sceneTabs->currentIndex(), 0);
    QCOMPARE(w.tabWidget_main->currentIndex(), ScenesTab);

    // "Edit current scene" on the program page shows the scene of the current step.
    f->controller->programList.setStepCount(0, 3);
    f->controller->programList.setScene(0, 1, 77);
    w.programPage->sceneCountChange(3, true);
    w.programPage->stepTable->setCurrentIndex(w.programPage->stepTable->model()->index(1, 0));
    w.tabWidget_main->setCurrentIndex(ProgramsTab);
    w.programPage->editSceneButton->click();
    QCOMPARE(w.scenePage->sceneTable->currentRow(), 77);
    QCOMPARE(w.tabWidget_main->currentIndex(), ScenesTab);
}

void tst_main_window::clearDialogCancelledStillReloads()
{
    f->controller->sceneDescs[0] = QStringLiteral("kept");
    const QString shown = closeModalDuring([this] { f->window->rightPanel->clearConfButton->click(); });
    QCOMPARE(shown, QStringLiteral("Clear configuration"));
    QCOMPARE(f->controller->sceneDescs[0], QStringLiteral("kept"));
    QCOMPARE(f->window->scenePage->sceneTable->item(0, 0)->text(), QStringLiteral("kept"));
}

void tst_main_window::fileSaveAsksAboutTheNameWritten_data()
{
    QTest::addColumn<QString>("typed");         // into the real save dialog
    QTest::addColumn<QStringList>("existing");  // files in the folder before the save
    QTest::addColumn<int>("answer");            // to the question about replacing
    QTest::addColumn<QString>("askedAbout");    // "": no question
    QTest::addColumn<QString>("written");       // "": nothing written

    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    const QStringList both{"show.cfg620", "show.cfg625"};
    QTest::newRow("extension added, No") << "show" << QStringList{"show.cfg625"} << no << "show.cfg625" << "";
    QTest::newRow("extension added, Yes") << "show" << QStringList{"show.cfg625"} << yes << "show.cfg625"
                                          << "show.cfg625";
    QTest::newRow(".cfg620 written as .cfg625, No") << "show.cfg620" << both << no << "show.cfg625" << "";
    QTest::newRow(".cfg620 written as a new .cfg625") << "show.cfg620" << QStringList{"show.cfg620"} << no << ""
                                                      << "show.cfg625";
    QTest::newRow("name kept, Yes") << "show.cfg625" << QStringList{"show.cfg625"} << yes << "show.cfg625"
                                    << "show.cfg625";
}

// File > Save through Qt's own save dialog: one question, about the file that is written
// and only when it exists; never one about a file left alone.
void tst_main_window::fileSaveAsksAboutTheNameWritten()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, existing);
    QFETCH(int, answer);
    QFETCH(QString, askedAbout);
    QFETCH(QString, written);
    QTemporaryDir dir;
    makeFiles(dir.path(), existing);
    const folder_contents before = readFolder(dir.path());
    const QString caption = QStringLiteral("Choose a project description file for Kd625 controller");

    file_dialog_driver driver;
    driver.fileAnswers << file_dialog_driver::file_answer{dir.filePath(typed), {}};
    driver.boxAnswers << QMessageBox::StandardButton(answer);
    f->window->saveAction->trigger();

    QStringList questions;
    for (const file_dialog_driver::shown_box &box : driver.boxes) {
        if (box.title == caption) {
            questions << box.text;
            QCOMPARE(box.icon, QMessageBox::Warning);
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.defaultButton, QMessageBox::No);
        }
    }
    QCOMPARE(questions, askedAbout.isEmpty() ? QStringList()
                                             : QStringList{replaceQuestion(askedAbout)});
    QCOMPARE(changedFiles(before, readFolder(dir.path())), written.isEmpty() ? QStringList() : QStringList{written});
}

void tst_main_window::helpAndAbout()
{
    gui_class &w = *f->window;
    w.helpAction->trigger();
    QCOMPARE(f->ui.messageTitles(), QStringList{"QVR Varidex625 - Help"});
    const QString help = f->ui.messageTexts().first();
    QVERIFY2(help.startsWith("Please call or send an email.\n\ntel. "), qPrintable(help));
    QVERIFY(help.contains("\nfax. "));
    QVERIFY(help.contains("\n\nemail: "));
    QCOMPARE(f->ui.messages.first().parent, dialog_parent::MainWindow);

    const QString about = closeModalDuring([&w] { w.aboutAction->trigger(); });
    QVERIFY2(about.startsWith("QVR Varidex625 - About|Software for KD625 controller configuration.\nRelease:   "
                              + application_identity::release() + "\n\n"),
             qPrintable(about));
    QVERIFY(about.contains("email: "));
}

void tst_main_window::menuHoverShowsTheMenusTip()
{
    gui_class &w = *f->window;
    w.statusbar->showMessage(QStringLiteral("before"));
    w.slotMenuHovered(w.viewsMenu->menuAction());
    QCOMPARE(w.statusbar->currentMessage(), QStringLiteral("before"));
    const std::pair<QMenu *, QString> menus[] = {{w.fileMenu, "Operations on files and exit"},
                                                 {w.upgradeMenu, "Firmware version management"},
                                                 {w.helpMenu, "Short informations about application"},
                                                 {w.languageMenu, "Change application language"}};
    for (const auto &[menu, tip] : menus) {
        w.slotMenuHovered(menu->menuAction());
        QCOMPARE(w.statusbar->currentMessage(), tip);
    }
}

void tst_main_window::hoveringAMenuTitleShowsItsTip()
{
    gui_class &w = *f->window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const std::pair<QMenu *, QString> menus[] = {{w.fileMenu, "Operations on files and exit"},
                                                 {w.languageMenu, "Change application language"},
                                                 {w.viewsMenu, "Auxiliary windows control"},
                                                 {w.upgradeMenu, "Firmware version management"},
                                                 {w.helpMenu, "Short informations about application"}};
    for (const auto &[menu, tip] : menus) {
        w.statusbar->clearMessage();
        // The mouse moves over the title, as the windowing system delivers it.
        const QPointF at = w.menubar->actionGeometry(menu->menuAction()).center();
        QMouseEvent move(QEvent::MouseMove, at, w.menubar->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w.menubar, &move);
        QTRY_COMPARE(w.statusbar->currentMessage(), tip);
    }
}

void tst_main_window::clockFollowsTheController()
{
    gui_class &w = *f->window;
    const QString placeholder = w.rightPanel->clockLabel->text();
    QVERIFY(f->connectAndReset());
    auto *clock = f->bus.device(1).findEngine<sim_clock_engine>();
    clock->record[5] |= 0x80;  // a daylight-saving bit of the month byte
    clock->record[7] = 0x20 + 7;  // calibration +7

    // The one-second timer writes the controller's clock text; its read also reaches the
    // clock settings.
    QVERIFY(QMetaObject::invokeMethod(w.clockTimer, "timeout"));
    QCOMPARE(w.rightPanel->clockLabel->text(),
             QLocale::system().dayName(4, QLocale::ShortFormat) + QStringLiteral(", 31.12.2026  23:59:30"));
    QVERIFY(w.rightPanel->clockLabel->text() != placeholder);
    QVERIFY(f->bus.logTexts().join('\n').contains(QStringLiteral("READ_CLOCK")));
    QCOMPARE(w.clockSettings->dstBox->checkState(), Qt::Checked);
    QCOMPARE(w.clockSettings->calibrationSpin->value(), 7);

    // While the user adjusts the calibration, the controller's does not overwrite it.
    w.clockSettings->calibrationGroup->setChecked(true);
    w.clockSettings->calibrationSpin->setValue(-2);
    w.clockSettings->showCalibration(9);
    QCOMPARE(w.clockSettings->calibrationSpin->value(), -2);
    w.clockSettings->calibrationGroup->setChecked(false);
    w.clockSettings->showCalibration(9);
    QCOMPARE(w.clockSettings->calibrationSpin->value(), 9);
}

void tst_main_window::liveModeShowsTheScene()
{
    gui_class &w = *f->window;
    // The send weighs the firmware against the channels the scene page uses.
    w.dmxSettingsPage->setWidget->spinChnlMax->setValue(40);
    QCOMPARE(f->controller->channelsInUse(), 40);

    QVERIFY(f->connectAndReset());
    w.scenePage->sceneTable->setCurrentCell(11, 0);
    QSignalSpy sceneChanged(w.scenePage, &ascene_settings_widget::sceneChanged);
    w.rightPanel->liveModeButton->click();
    QCOMPARE(sceneChanged.count(), 1);
    QCOMPARE(sceneChanged.first().first().toInt(), 11);
    QVERIFY2(f->bus.logTexts().join('\n').contains(QStringLiteral("LIVE_SCENE")),
             qPrintable(f->bus.logTexts().join('\n')));

    // Live chosen away from the Scenes tab: the scene page is not asked.
    w.rightPanel->normalModeButton->click();
    w.tabWidget_main->setCurrentIndex(ProgramsTab);
    sceneChanged.clear();
    w.rightPanel->liveModeButton->click();
    QCOMPARE(sceneChanged.count(), 0);

    // Once the page is gone the send counts the image's channel limit.
    writeU16(f->controller->confData, image_layout::OutputChannelLimit, 50);
    f->window.reset();
    QCOMPARE(f->controller->channelsInUse(), 50);
}

void tst_main_window::liveSceneWaitsForTheReadsOutcome_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("step");        // the program page's current step, -1 none
    QTest::addColumn<int>("shownScene");  // the scene the page shows after the read, -1 none

    // The scene page shows its scene again when the read refreshes it.
    QTest::newRow("Scenes tab") << int(ScenesTab) << -1 << 11;
    // The program page's current step goes when the program read has fewer steps: the step
    // that becomes current shows its scene.
    QTest::newRow("Programs tab") << int(ProgramsTab) << 2 << 4;
    QTest::newRow("Events tab: no page shows a scene") << int(EventsTab) << -1 << -1;
    // The program page is not shown: the step it makes current is shown nowhere.
    QTest::newRow("Events tab shown, program step removed by the read") << int(EventsTab) << 2 << -1;
}

// In Live mode a read from the controller refreshes the pages, which ask for their scene:
// nothing of that may go out before the read has told its outcome.
void tst_main_window::liveSceneWaitsForTheReadsOutcome()
{
    QFETCH(int, tab);
    QFETCH(int, step);
    QFETCH(int, shownScene);
    gui_class &w = *f->window;
    kd620_controller_class &c = *f->controller;
    // The controller holds program 1 with one step, on scene 5; the window edits it with
    // three steps.
    c.programList.setStepCount(0, 1);
    c.programList.setScene(0, 0, 4);
    for (int scene : {4, 11})
        std::fill_n(c.confData + image_layout::sceneLevel(u32(scene), 0), 512, u8(scene));
    QVERIFY(c.packStores());
    auto *memory = f->bus.device(1).findEngine<sim_config_memory_engine>();
    QVERIFY(memory);
    memory->memory = QByteArray(reinterpret_cast<const char *>(c.confData), int(image_layout::ImageSize));
    c.programList.setStepCount(0, 3);
    w.programPage->sceneCountChange(3, true);
    if (step >= 0)
        w.programPage->stepTable->setCurrentIndex(w.programPage->stepTable->model()->index(step, 0));
    w.scenePage->sceneTable->setCurrentCell(11, 0);
    w.tabWidget_main->setCurrentIndex(tab);
    QVERIFY(f->connectAndReset());
    w.rightPanel->liveModeButton->click();
    QCOMPARE(c.uiMode, int(kd620_controller_class::UiModeLive));

    // For each request, the boxes shown before it.
    f->reset();
    QList<int> boxesBefore;
    f->bus.beforeOperation = [&] { boxesBefore << int(f->ui.messages.size()); };
    w.rightPanel->readConfButton->click();
    f->bus.beforeOperation = nullptr;
    QCOMPARE(f->ui.messageTexts(), QStringList{"Configuration reading\nsuccessful!"});
    QCOMPARE(c.programList.stepCount(0), 1);

    const QStringList log = f->bus.logTexts();
    QCOMPARE(boxesBefore.size(), log.size());
    const QRegularExpression liveRequest(QStringLiteral("LIVE_SCENE|LIVE_CHANNEL|bulk out 524"));
    QStringList liveBeforeOutcome;
    int liveScenesAfter = 0;
    for (int i = 0; i < log.size(); ++i) {
        if (!log[i].contains(liveRequest))
            continue;
        if (boxesBefore[i] == 0)
            liveBeforeOutcome << log[i];
        else if (log[i].contains(QLatin1String("LIVE_SCENE")))
            ++liveScenesAfter;
    }
    QVERIFY2(liveBeforeOutcome.isEmpty(), qPrintable(log.join('\n')));
    // Then the scene the page shows is shown on the controller, once.
    QCOMPARE(liveScenesAfter, shownScene < 0 ? 0 : 1);
    if (shownScene >= 0) {
        const QByteArray levels(reinterpret_cast<const char *>(c.confData + image_layout::sceneLevel(u32(shownScene), 0)), 512);
        QCOMPARE(f->bus.log.last().kind, sim_log_entry::Control);  // the poll that saw it done
        QByteArray lastShown;
        for (const sim_log_entry &entry : f->bus.log) {
            if (entry.what.startsWith(QLatin1String("bulk out 524")))
                lastShown = entry.data.mid(8, 512);
        }
        QCOMPARE(lastShown, levels);
    }
    QVERIFY(c.isConnected());
}

void tst_main_window::settingsTablesShowTheConfiguration()
{
    gui_class &w = *f->window;
    kd620_controller_class &c = *f->controller;
    u8 *image = c.confData;
    writeI32(image, image_layout::inputType(0), 0);
    writeI32(image, image_layout::inputType(1), 1);
    writeI32(image, image_layout::inputType(2), -1);
    writeI32(image, image_layout::inputType(3), 7);
    c.inputDescs[1] = QStringLiteral("door");
    w.tabWidget_settings->setCurrentIndex(InputsSettingsTab);
    w.tabWidget_main->setCurrentIndex(SettingsTab);
    QStandardItemModel *inputs = w.inputsSettingsTable->inputsModel;
    QCOMPARE(inputs->rowCount(), 24);
    const QStringList row0 = {inputs->item(0, 0)->text(), inputs->item(0, 1)->text()};
    QCOMPARE(row0, QStringList({"Input 1", "Normal Open"}));
    QCOMPARE(inputs->item(1, 1)->text(), QStringLiteral("Normal Close"));
    QCOMPARE(inputs->item(1, 2)->text(), QStringLiteral("door"));
    QCOMPARE(inputs->item(2, 1)->text(), QStringLiteral("Unused"));
    QCOMPARE(inputs->item(23, 0)->text(), QStringLiteral("Input 24"));
    // A type the controller does not know is stored as unused.
    QCOMPARE(inputs->item(3, 1)->text(), QStringLiteral("Unused"));
    QCOMPARE(readI32(image, image_layout::inputType(3)), -1);

    c.rcuKeyCodes[0] = 17;
    c.rcuKeyDescs[0] = QStringLiteral("play");
    c.rcuAddress = 5;
    w.tabWidget_settings->setCurrentIndex(RemoteSettingsTab);
    QStandardItemModel *keys = w.tab_settings_ired->keyModel;
    const QStringList key0 = {keys->item(0, 0)->text(), keys->item(0, 1)->text(), keys->item(0, 2)->text()};
    QCOMPARE(key0, QStringList({"Btn 1", "  17", "play"}));
    const QStringList key63 = {keys->item(63, 0)->text(), keys->item(63, 1)->text(), keys->item(63, 2)->text()};
    QCOMPARE(key63, QStringList({"Btn 64", "  - -", "no description"}));
}

void tst_main_window::titleNamesOnlyTheEditedFile_data()
{
    QTest::addColumn<bool>("copySource");  // read as Programs > Copying's source, else File > Open
    QTest::addColumn<QString>("file");     // "good", "corrupted" or "missing"
    QTest::newRow("File > Open, missing file") << false << "missing";
    QTest::newRow("File > Open, corrupted file") << false << "corrupted";
    QTest::newRow("copy source opened") << true << "good";
    QTest::newRow("copy source corrupted") << true << "corrupted";
    QTest::newRow("copy source missing") << true << "missing";
}

// Only an open or a save of the configuration being edited names a file in the title: a
// file read to copy from, or one that could not be opened, leaves it naming the edited one.
void tst_main_window::titleNamesOnlyTheEditedFile()
{
    QFETCH(bool, copySource);
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString edited = dir.filePath(QStringLiteral("rich2.cfg625"));
    const QString other = dir.filePath(QStringLiteral("empty.cfg625"));
    {
        kd620_controller_class writer;
        writer.write_confDataToFile(edited, false);
        writer.write_confDataToFile(other, false);
    }
    if (file == "corrupted")
        QVERIFY(writeFileBytes(other, QByteArray(4096, 'x')));
    else if (file == "missing")
        QVERIFY(QFile::remove(other));
    gui_class &w = *f->window;
    f->ui.windowTitles.clear();
    f->ui.fileAnswers << edited;
    w.openAction->trigger();
    QCOMPARE(f->controller->currentFile, edited);
    QCOMPARE(f->ui.windowTitles, QStringList{QStringLiteral("Varidex625 - rich2.cfg625")});
    f->ui.windowTitles.clear();
    f->ui.messages.clear();

    if (copySource) {
        w.tabWidget_main->setCurrentIndex(ProgramsTab);
        w.programPage->programTabs->setCurrentIndex(aprogram_settings_widget::CopyingTab);
        aprogram_settings_copying *copying = w.programPage->copyingPage;
        copying->altFileEdit->setText(other);
        copying->altOpenButton->click();
        QCOMPARE(w.programPage->tmpDev != nullptr, file == "good");
    } else {
        f->ui.fileAnswers << other;
        w.openAction->trigger();
    }

    QCOMPARE(f->ui.messages.size(), 1);  // the read's outcome was told
    QVERIFY2(f->ui.windowTitles.isEmpty(), qPrintable(f->ui.windowTitles.join('|')));
    QCOMPARE(f->controller->currentFile, edited);
}

QTEST_MAIN(tst_main_window)
#include "tst_main_window.moc"

