#pragma once

#include "model/types.h"
#include "ui_MainWindow.h"
#include "widgets/window_services.h"

#include <QFont>
#include <QMainWindow>
#include <QTime>

class aevents_clock_widget;
class aevents_dlyd_widget;
class aevents_dmxout_widget;
class aevents_inputs_widget;
class aevents_ired_widget;
class aevents_vkeys_widget;
class amask_settings_widget;
class aprogram_settings_widget;
class ascene_settings_widget;
class aseq_settings_widget;
class asettings_clock_widget;
class asettings_descs_widget;
class asettings_dmx_widget;
class asettings_inputs_widget;
class ctrl_monitor;
class kd620_controller_class;
class MyTimeEdit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSignalMapper;
class QSpinBox;
class QTimer;
class right_panel_widget;

// The main window: three nested tab widgets with every page of the program, the right
// panel, the menus and the Settings/Other page, which is the window's own. It keeps the
// pages in step with the configuration of its controller object (the current one).
//
// The implementation is split by area: gui_class.cpp builds the window, gui_refresh.cpp
// keeps the pages in step and runs the File, Views and Help menus, gui_other_page.cpp is
// the Settings/Other page, gui_upgrade_menu.cpp the Upgrade menu, gui_language.cpp the
// language switch and gui_clear.cpp the clear dialog.
class gui_class : public QMainWindow, public Ui::MainWindow, public window_services
{
    Q_OBJECT

public:
    explicit gui_class(kd620_controller_class *controller, QWidget *parent = nullptr);
    ~gui_class() override;

    // What the pages ask of the window.
    QTabWidget *mainTabs() const override;
    QTabWidget *eventTabs() const override;
    QTabWidget *settingsTabs() const override;
    void refreshDelaysPage() override;
    QWidget *delaysPage() const override;

    kd620_controller_class *controller = nullptr;
    QTimer *clockTimer = nullptr;
    QSignalMapper *languageMapper = nullptr;
    QScrollArea *scrollArea = nullptr;

    // The pages, each on its tab page.
    ascene_settings_widget *scenePage = nullptr;
    amask_settings_widget *maskPage = nullptr;
    aprogram_settings_widget *programPage = nullptr;
    aseq_settings_widget *sequencePage = nullptr;
    right_panel_widget *rightPanel = nullptr;
    asettings_inputs_widget *inputsSettingsTable = nullptr;
    aevents_inputs_widget *inputEventsPage = nullptr;
    aevents_vkeys_widget *internalEventsPage = nullptr;
    aevents_ired_widget *remoteEventsPage = nullptr;
    aevents_clock_widget *clockEventsPage = nullptr;
    aevents_dlyd_widget *delayedEventsPage = nullptr;
    aevents_dmxout_widget *dmxOutEventsPage = nullptr;
    asettings_dmx_widget *dmxSettingsPage = nullptr;
    asettings_clock_widget *clockSettings = nullptr;
    asettings_descs_widget *descsPage = nullptr;
    ctrl_monitor *monitor = nullptr;

    // The Settings/Other page.
    QGroupBox *dateTimeGroup = nullptr;
    QGroupBox *sunGroup = nullptr;
    QGroupBox *delayTimesGroup = nullptr;
    QGroupBox *miscGroup = nullptr;
    QGroupBox *generatorGroup = nullptr;
    QCheckBox *extraEntriesCheck = nullptr;
    QLabel *startUpLabel = nullptr;
    QLabel *shutDownLabel = nullptr;
    MyTimeEdit *startUpTimeEdit = nullptr;
    MyTimeEdit *shutDownTimeEdit = nullptr;
    QLabel *latitudeLabel = nullptr;
    QLabel *longitudeLabel = nullptr;
    QLabel *timeZoneLabel = nullptr;
    QSpinBox *eventNumberSpin = nullptr;
    QSpinBox *latitudeSpin = nullptr;
    QSpinBox *longitudeSpin = nullptr;
    QSpinBox *timeZoneSpin = nullptr;
    QPushButton *generateButton = nullptr;
    QPushButton *calculateButton = nullptr;
    QPushButton *readSunTimesButton = nullptr;
    QPushButton *saveSunTimesButton = nullptr;
    QLabel *chooseEventLabel = nullptr;
    QComboBox *eventKindCombo = nullptr;
    QComboBox *subEventCombo = nullptr;

    // The menus and their actions.
    QMenu *fileMenu = nullptr;
    QMenu *upgradeMenu = nullptr;
    QMenu *languageMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QMenu *viewsMenu = nullptr;
    QAction *exitAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *clearAction = nullptr;
    QAction *checkUpgradesAction = nullptr;
    QAction *upgradeAction = nullptr;
    QAction *verifyAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *viewInputsAction = nullptr;
    QAction *viewStatesAction = nullptr;
    QAction *viewDmxOutAction = nullptr;
    QAction *closeAuxAction = nullptr;

    // The font of the Settings/Other page's push buttons.
    QFont otherPageButtonFont;

public slots:
    void saveLatit(int latitude);
    void timerTimeUpdate();
    void saveLongit(int longitude);
    void saveTZone(int zone);
    void tabChange(int);
    void tabSettingsChange(int);
    void tabEventsChange(int);
    void turnOnLiveButton();
    void refresh();
    void fileRead();
    void deviceRead();
    void enableTimeChanged(QTime time);
    void disableTimeChanged(QTime time);
    void entriesEnable(int state);
    void destTmpDev() override;
    void displaySN();
    void connectionStatusChange(bool);
    void slotMenuFileQuit();
    void slotMenuFileOpen();
    void slotMenuFileSave();
    void slotMenuHelpHelp();
    void slotMenuHelpAbout();
    void slotMenuHelpAboutQT();
    void slotMenuHovered(QAction *action);
    void slotMenuUpgradeUpgradeSearch();
    void slotMenuUpgradeUpgradeKd620();
    void slotMenuUpgradeVerify();
    void ClearConfig(bool);
    void ClearConfig();
    void ClearExec(u16 flags);
    void Wygeneruj();
    void evTypeChanged(int index);
    void prepEvMode(int mode);
    void switchToScene();
    void changeUiLanguage(int index);
    void extPanelEnable(int state);
    void sunEventsEnable(bool on);
    void recalculate();
    void getSunEventsTimes();
    void saveSunEventsTimes();
    void forceSceneChange(QString text);
    void vInputs(bool on);
    void vStates(bool on);
    void vDmxOut(bool on);
    void vCloseAll();
    void vMenuClr(u16 mask);

signals:
    void currentTabChanged();
    void refreshDldEvents();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    // The DMX output settings switched the DMX output events on or off.
    void dmxOutEventsChanged(bool enabled, int first, int last);
    // The DMX output channels in use are now 1..channels: so are the scene and mask pages'
    // channel ranges.
    void limitChannelRanges(int channels);

private:
    void createPages();
    void createActions();
    void createMenus();
    void createLanguageMenu();
    // The Settings/Other page (gui_other_page.cpp).
    void createOtherPageGroups();
    void createOtherPageWidgets();
    void refreshOtherPage();
    void mirrorExtraEntries();
    // What depends on the configuration, reloaded after a read or clear.
    // All that fileRead() does but the scene list's labels.
    void reloadAfterRead();
    void reloadLimits();
    void reloadProgramCounts();
    // A View action: opens or closes the monitor window, and unchecks the action when the
    // window is not open afterwards.
    void viewWindow(bool on, u16 window, void (ctrl_monitor::*open)(), QAction *action);
    // Shows scene row `row` on the Scenes tab.
    void showScene(int row);
    // The upgrade file the user chooses; empty when cancelled.
    QString chooseUpgradeFile();
    // The window's first view of its configuration, as a window shows a file just read;
    // after a language change, what the window it replaces showed: its tabs and current
    // items, its title and its right panel's view of the connection (gui_language.cpp).
    void showFirstView();
};
