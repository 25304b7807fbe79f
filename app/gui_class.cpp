#include "app/gui_class.h"
#include "model/application_identity.h"

#include "app/language_list.h"
#include "widgets/my_time_edit.h"
#include "app/right_panel_widget.h"
#include "app/widget_user_interaction.h"
#include "events/aevents_clock_widget.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_ired_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "link/kd620_controller_class.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/aseq_settings_widget.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "settings/asettings_descs_widget.h"
#include "settings/asettings_dmx_set_widget.h"
#include "settings/asettings_dmx_widget.h"
#include "settings/asettings_inputs_widget.h"
#include "settings/asettings_ired_tab.h"
#include "settings/monitor/ctrl_monitor.h"
#include "widgets/guarded_spin_box.h"
#include "widgets/main_tabs.h"

#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalMapper>
#include <QTimer>

namespace {

constexpr int ClockTimerMs = 1000;

} // namespace

gui_class::gui_class(kd620_controller_class *controller, QWidget *parent)
    : QMainWindow(parent)
    , controller(controller)
    , otherPageButtonFont(QStringLiteral("MS Shell Dlg"), 10, QFont::Normal)
{
    setupUi(this);
    mainWindow = this;
    installWindowServices(this);
    setWindowTitle(application_identity::name());

    // The form keeps its fixed size; a smaller window scrolls it.
    takeCentralWidget();
    scrollArea = new QScrollArea(this);
    scrollArea->setWidget(centralwidget);
    centralwidget->resize(1024, 703);
    setCentralWidget(scrollArea);
    resize(maximumSize());

    createPages();
    createOtherPageGroups();
    connect(monitor, &ctrl_monitor::clrMenu, this, &gui_class::vMenuClr);
    connect(monitor, &ctrl_monitor::forceRefresh, this, &gui_class::refresh);
    inputEventsPage = new aevents_inputs_widget(tab_events_inputs);
    internalEventsPage = new aevents_vkeys_widget(tab_events_vkeys);
    remoteEventsPage = new aevents_ired_widget(tab_events_ired);
    dmxOutEventsPage = new aevents_dmxout_widget(tab_events_dmxout);
    clockEventsPage = new aevents_clock_widget(tab_events_clock);
    delayedEventsPage = new aevents_dlyd_widget(tab_events_delays);
    // The remote-control settings decide whether the Remote Control events can be edited.
    connect(tab_settings_ired, &asettings_ired_tab::keysReloaded, remoteEventsPage, &aevents_ired_widget::afterReload);
    connect(tab_settings_ired, &asettings_ired_tab::remoteEventsEnabled, this,
            [this](bool enabled) { tabWidget_events->setTabEnabled(RemoteControlEventsTab, enabled); });

    // The tab widgets are connected after the form chose the first tabs, so that choice
    // runs nothing.
    connect(tabWidget_main, &QTabWidget::currentChanged, this, &gui_class::tabChange);
    connect(tabWidget_settings, &QTabWidget::currentChanged, this, &gui_class::tabSettingsChange);
    connect(tabWidget_events, &QTabWidget::currentChanged, this, &gui_class::tabEventsChange);
    connect(this, &gui_class::currentTabChanged, scenePage, &ascene_settings_widget::sceneLiveOn);
    connect(rightPanel, &right_panel_widget::turnOnSceneLive, this, &gui_class::turnOnLiveButton);
    connect(controller, &kd620_controller_class::setConnectionStatus, this, &gui_class::connectionStatusChange);
    connect(this, &gui_class::refreshDldEvents, delayedEventsPage, qOverload<>(&aevents_dlyd_widget::refresh));

    createActions();
    createMenus();

    clockTimer = new QTimer(this);
    clockTimer->setInterval(ClockTimerMs);
    connect(clockTimer, &QTimer::timeout, this, &gui_class::timerTimeUpdate);
    clockTimer->start();

    connect(controller, &kd620_controller_class::readKd620Finished, this, &gui_class::deviceRead);
    connect(controller, &kd620_controller_class::readFileFinished, this, &gui_class::fileRead);

    asettings_dmx_set_widget *dmxSet = dmxSettingsPage->setWidget;
    // The DMX page's own connection to its limitChnls was made first, so it runs first.
    connect(dmxSet->spinChnlMax, &QSpinBox::valueChanged, scenePage, &ascene_settings_widget::limitChnls);
    connect(dmxSet->spinChnlMax, &QSpinBox::valueChanged, maskPage, &amask_settings_widget::limitChnls);
    connect(dmxSettingsPage, &asettings_dmx_widget::channelsInUseChanged, this, &gui_class::limitChannelRanges);
    connect(dmxSet, &asettings_dmx_set_widget::dmxOutEventsChanged, this, &gui_class::dmxOutEventsChanged);
    connect(dmxSet, &asettings_dmx_set_widget::dmxOutRangeChanged, dmxOutEventsPage,
            &aevents_dmxout_widget::setChannelRange);
    connect(dmxSet, &asettings_dmx_set_widget::dmxOutTabEnabled, this,
            [this](bool enabled) { tabWidget_events->setTabEnabled(DmxOutputEventsTab, enabled); });

    createOtherPageWidgets();

    connect(rightPanel->clearConfButton, &QPushButton::clicked, this, qOverload<bool>(&gui_class::ClearConfig));
    connect(programPage, &aprogram_settings_widget::relabelScenes, scenePage, &ascene_settings_widget::relabel);
    connect(programPage->editSceneButton, &QPushButton::clicked, this, &gui_class::switchToScene);

    tabWidget_events->setTabEnabled(DmxOutputEventsTab, false);
    // The first window shows the configuration it is built over (the file given with -C,
    // or the one kept across a language change) as a window shows a file just read. Its
    // first page is the Scenes tab (unless it replaces a window), whose refresh at the end
    // writes every row of the scene list: the list's labels fileRead() elides first would
    // be overwritten unseen.
    showFirstView();
}

gui_class::~gui_class()
{
    if (windowServices() == this)
        installWindowServices(nullptr);
    if (mainWindow == this)
        mainWindow = nullptr;
}

QTabWidget *gui_class::mainTabs() const
{
    return tabWidget_main;
}

QTabWidget *gui_class::eventTabs() const
{
    return tabWidget_events;
}

QTabWidget *gui_class::settingsTabs() const
{
    return tabWidget_settings;
}

void gui_class::refreshDelaysPage()
{
    emit refreshDldEvents();
}

QWidget *gui_class::delaysPage() const
{
    return delayedEventsPage;
}

void gui_class::createPages()
{
    scenePage = new ascene_settings_widget(controller, tab_scenes);
    programPage = new aprogram_settings_widget(controller, tab_programs);
    sequencePage = new aseq_settings_widget(tab_seqs);
    maskPage = new amask_settings_widget(controller, tab_masks);
    rightPanel = new right_panel_widget(controller, centralwidget);
    inputsSettingsTable = new asettings_inputs_widget(tab_settings_Inputs);
    dmxSettingsPage = new asettings_dmx_widget(tab_settings_dmx);
    descsPage = new asettings_descs_widget(tab_settings_descs);
}

void gui_class::createActions()
{
    struct menu_action_entry {
        QAction *&action;
        QString text;
        QString statusTip;
        const char *icon;
    };
    const menu_action_entry plain[] = {
        {exitAction, tr("&Exit"), tr("Close application"), ":/exit.png"},
        {openAction, tr("&Open file"), tr("Open configuration file"), ":/fileopen.png"},
        {saveAction, tr("&Save file"), tr("Save configuration file"), ":/filesave.png"},
        {clearAction, tr("&Clear"), tr("Clear current configuration"), ":/filenew.png"},
        {viewInputsAction, tr("View &Inputs"), tr("Show inputs' state in another window"), nullptr},
        {viewStatesAction, tr("View &States"), tr("Show internal states in another window"), nullptr},
        {viewDmxOutAction, tr("View &DMX output"), tr("Show DMX output channels in another window"), nullptr},
        {closeAuxAction, tr("Close aux. &windows"), tr("Close all auxiliary windows"), nullptr},
        {checkUpgradesAction, tr("C&heck upgrades"), tr("Search for updates at QVR website"), ":/szukaj.png"},
        {upgradeAction, tr("&Upgrade KD625"), tr("Send upgrade to KD625 controller"), ":/wrench.png"},
        {verifyAction, tr("&Verify firmware"), tr("Verify firmware"), ":/verify.png"},
        {helpAction, tr("&Help"), tr("How to get help"), ":/message.png"},
        {aboutAction, tr("&About"), tr("Information about application"), ":/vd_sh.png"},
    };
    for (const menu_action_entry &entry : plain) {
        entry.action = new QAction(entry.text, this);
        entry.action->setStatusTip(entry.statusTip);
        if (entry.icon)
            entry.action->setIcon(QIcon(QString::fromLatin1(entry.icon)));
    }
    for (QAction *view : {viewInputsAction, viewStatesAction, viewDmxOutAction})
        view->setCheckable(true);

    connect(exitAction, &QAction::triggered, this, &gui_class::slotMenuFileQuit);
    connect(openAction, &QAction::triggered, this, &gui_class::slotMenuFileOpen);
    connect(saveAction, &QAction::triggered, this, &gui_class::slotMenuFileSave);
    connect(clearAction, &QAction::triggered, this, qOverload<>(&gui_class::ClearConfig));
    connect(viewInputsAction, &QAction::triggered, this, &gui_class::vInputs);
    connect(viewStatesAction, &QAction::triggered, this, &gui_class::vStates);
    connect(viewDmxOutAction, &QAction::triggered, this, &gui_class::vDmxOut);
    connect(closeAuxAction, &QAction::triggered, this, &gui_class::vCloseAll);
    connect(checkUpgradesAction, &QAction::triggered, this, &gui_class::slotMenuUpgradeUpgradeSearch);
    connect(upgradeAction, &QAction::triggered, this, &gui_class::slotMenuUpgradeUpgradeKd620);
    connect(verifyAction, &QAction::triggered, this, &gui_class::slotMenuUpgradeVerify);
    connect(helpAction, &QAction::triggered, this, &gui_class::slotMenuHelpHelp);
    connect(aboutAction, &QAction::triggered, this, &gui_class::slotMenuHelpAbout);
}

void gui_class::createMenus()
{
    fileMenu = menubar->addMenu(tr("&File"));
    fileMenu->setStatusTip(tr("Operations on files and exit"));
    fileMenu->addActions({openAction, saveAction, clearAction, exitAction});

    createLanguageMenu();

    viewsMenu = menubar->addMenu(tr("&Views"));
    viewsMenu->setStatusTip(tr("Auxiliary windows control"));
    viewsMenu->addActions({viewInputsAction, viewStatesAction, viewDmxOutAction});
    viewsMenu->addSeparator();
    viewsMenu->addAction(closeAuxAction);

    upgradeMenu = menubar->addMenu(tr("&Upgrade"));
    upgradeMenu->setStatusTip(tr("Firmware version management"));
    upgradeMenu->addActions({checkUpgradesAction, upgradeAction, verifyAction});

    helpMenu = menubar->addMenu(tr("&Help"));
    helpMenu->setStatusTip(tr("Short informations about application"));
    helpMenu->addActions({helpAction, aboutAction});

    // Hovering a title shows its action's status tip, which would clear what
    // slotMenuHovered() shows: the titles' actions carry their menus' tips.
    for (QMenu *menu : {fileMenu, languageMenu, viewsMenu, upgradeMenu, helpMenu})
        menu->menuAction()->setStatusTip(menu->statusTip());
    connect(menubar, &QMenuBar::hovered, this, &gui_class::slotMenuHovered);
}

void gui_class::createLanguageMenu()
{
    languageMenu = menubar->addMenu(tr("&Language"));
    languageMenu->setToolTip(tr("Language"));
    languageMenu->setStatusTip(tr("Change application language"));
    languageMapper = new QSignalMapper(this);
    for (int i = 0; i < languageList.size(); ++i) {
        language_entry_class &entry = languageList[i];
        entry.action = new QAction(this);
        entry.action->setText(entry.name);
        entry.action->setStatusTip(tr("Change language to: ") + entry.name);
        languageMenu->addAction(entry.action);
        entry.action->setIcon(QIcon(QStringLiteral(":/%1.png").arg(entry.code)));
        connect(entry.action, &QAction::triggered, languageMapper, qOverload<>(&QSignalMapper::map));
        languageMapper->setMapping(entry.action, i);
    }
    connect(languageMapper, &QSignalMapper::mappedInt, this, &gui_class::changeUiLanguage);
}

void gui_class::limitChannelRanges(int channels)
{
    for (level_settings_page *page : {static_cast<level_settings_page *>(scenePage),
                                      static_cast<level_settings_page *>(maskPage)}) {
        page->selFrom->setRange(1, channels);
        page->selTo->setRange(1, channels);
    }
}

void gui_class::dmxOutEventsChanged(bool enabled, int first, int last)
{
    dmxOutEventsPage->setChannelRange(first, last);
    tabWidget_events->setTabEnabled(DmxOutputEventsTab, enabled);
    if (enabled)
        dmxOutEventsPage->refresh();
}
