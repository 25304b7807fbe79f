// The main window keeps its pages in step with the configuration and runs the File, Views
// and Help menus.
#include "app/gui_class.h"
#include "model/application_identity.h"

#include "widgets/my_time_edit.h"
#include "app/right_panel_widget.h"
#include "events/aevents_clock_widget.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_ired_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "link/kd620_controller_class.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/time_codec.h"
#include "model/user_interaction.h"
#include "programs/aprogram_conf_widget.h"
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
#include "settings/monitor/monitor_window_mask.h"
#include "widgets/main_tabs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace {


constexpr int MostPrograms = int(image_layout::ProgramCount);
constexpr u16 LastDmxEventChannel = 511;

// Unchecks a View action without emitting triggered(), so its slot does not run again.
void uncheck(QAction *action)
{
    if (action->isChecked())
        action->setChecked(false);
}

// The maker's lines of the Help and About boxes.
const char HelpPhone[] = "+1 202 555 0142";
const char HelpFax[] = "+1 202 555 0143";
const char SupportAddress[] = "support@varidex625.example";
const char MakerCompany[] = "Varidex Lighting Works";

} // namespace

void gui_class::refresh()
{
    switch (tabWidget_main->currentIndex()) {
    case EventsTab:
        switch (tabWidget_events->currentIndex()) {
        case InputsEventsTab: inputEventsPage->refresh(); break;
        case ClockEventsTab: clockEventsPage->refresh(); break;
        case InternalEventsTab: internalEventsPage->refresh(); break;
        case DelayedEventsTab: delayedEventsPage->refresh(nullptr); break;
        case RemoteControlEventsTab: remoteEventsPage->refresh(); break;
        case DmxOutputEventsTab: dmxOutEventsPage->refresh(); break;
        default: break;
        }
        break;
    case ScenesTab: scenePage->refresh(); break;
    case ProgramsTab: programPage->refresh(); break;
    case SequencesTab: sequencePage->refresh(); break;
    case MasksTab: maskPage->refresh(); break;
    case SettingsTab:
        switch (tabWidget_settings->currentIndex()) {
        case InputsSettingsTab: inputsSettingsTable->refresh(); break;
        case DmxSettingsTab: dmxSettingsPage->refreshTable(); break;
        case RemoteSettingsTab: tab_settings_ired->refreshTable(); break;
        case DescriptionsTab: descsPage->refresh(); break;
        case OtherTab: refreshOtherPage(); break;
        default: break;
        }
        break;
    default: break;
    }
}

void gui_class::tabChange(int)
{
    refresh();
}

void gui_class::tabSettingsChange(int)
{
    refresh();
}

void gui_class::tabEventsChange(int)
{
    refresh();
}

void gui_class::turnOnLiveButton()
{
    if (tabWidget_main->currentIndex() == ScenesTab)
        emit currentTabChanged();
}

void gui_class::fileRead()
{
    scenePage->relabel();
    reloadAfterRead();
}

void gui_class::reloadAfterRead()
{
    programPage->ordinaryPrograms = MostPrograms - int(controller->extraEntries.size());
    programPage->relabel();
    reloadLimits();
    sequencePage->seqNumberChange(0, 0, 0, 0);
    reloadProgramCounts();
}

void gui_class::deviceRead()
{
    reloadLimits();
    reloadProgramCounts();
}

void gui_class::reloadLimits()
{
    const u8 *image = controller->confData;
    asettings_dmx_set_widget *dmxSet = dmxSettingsPage->setWidget;
    dmxSet->spinChnlMax->setValue(readU16(image, image_layout::OutputChannelLimit));
    startUpTimeEdit->setTime(tenthsToTime(readU16(image, image_layout::StartUpTime)));
    shutDownTimeEdit->setTime(tenthsToTime(readU16(image, image_layout::ShutDownTime)));
    dmxSet->eventGenEnable(readU16(image, image_layout::DmxEventFirstChannel) <= LastDmxEventChannel);
}

void gui_class::reloadProgramCounts()
{
    mirrorExtraEntries();
    const int program = qMax(0, programPage->currentProgram);
    programPage->sceneCountChange(qMax(0, controller->programList.stepCount(program)), true);
    refresh();
}

void gui_class::switchToScene()
{
    const int row = programPage->stepTable->currentIndex().row();
    if (row < 0)
        return;
    const int scene = controller->programList.scene(programPage->currentProgram, row);
    if (scene < 0)
        return;
    showScene(scene);
}

void gui_class::forceSceneChange(QString text)
{
    // "SceneNo:<n>" shows scene n, counted from 1 as the scene list numbers them.
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts[0] != QLatin1String("SceneNo"))
        return;
    bool ok = false;
    const uint scene = parts[1].toUInt(&ok, 10);
    if (!ok || scene < 1 || scene > image_layout::SceneCount)
        return;
    showScene(int(scene) - 1);
}

void gui_class::showScene(int row)
{
    scenePage->sceneTable->setCurrentCell(row, 0);
    scenePage->sceneTabs->setCurrentIndex(0);
    tabWidget_main->setCurrentIndex(ScenesTab);
    refresh();
}

void gui_class::vInputs(bool on)
{
    viewWindow(on, MonitorInputs, &ctrl_monitor::shInputsClicked, viewInputsAction);
}

void gui_class::vDmxOut(bool on)
{
    viewWindow(on, MonitorDmxOut, &ctrl_monitor::shDmxOutClicked, viewDmxOutAction);
}

void gui_class::vStates(bool on)
{
    viewWindow(on, MonitorStates, &ctrl_monitor::shStatesClicked, viewStatesAction);
}

void gui_class::viewWindow(bool on, u16 window, void (ctrl_monitor::*open)(), QAction *action)
{
    if (on)
        (monitor->*open)();
    else
        monitor->stopShows(window);
    // The monitor may have refused to open it.
    if (!(monitor->openWindows & window))
        uncheck(action);
}

void gui_class::vCloseAll()
{
    monitor->stopShows(MonitorAll);
}

void gui_class::vMenuClr(u16 mask)
{
    if (mask & MonitorInputs)
        uncheck(viewInputsAction);
    if (mask & MonitorStates)
        uncheck(viewStatesAction);
    if (mask & MonitorDmxOut)
        uncheck(viewDmxOutAction);
}

void gui_class::closeEvent(QCloseEvent *event)
{
    monitor->stopShows(MonitorAll);
    QMainWindow::closeEvent(event);
}

void gui_class::timerTimeUpdate()
{
    // Reading the clock is a request of its own: never between a transfer's frames. The
    // label goes on at the first tick after the transfer.
    if (controller->transferHoldsLink())
        return;
    rightPanel->clockLabel->setText(controller->controllerTimeText());
}

void gui_class::displaySN()
{
    rightPanel->showDevice(controller->serialText(), controller->firmwareText());
}

void gui_class::connectionStatusChange(bool)
{
    // The connection may have changed again while the signal was being delivered: the
    // controller's state counts, not the argument.
    displaySN();
    if (controller->workingMode() == MODE_NORMAL)
        rightPanel->normalModeButton->setChecked(true);
}

void gui_class::destTmpDev()
{
    if (scenePage->tmpDev)
        scenePage->destTmpDev();
    if (maskPage->tmpDev)
        maskPage->destTmpDev();
    if (programPage->tmpDev)
        programPage->destTmpDev();
}

void gui_class::slotMenuFileQuit()
{
    QApplication::closeAllWindows();
}

void gui_class::slotMenuFileOpen()
{
    rightPanel->readConfFromFileClick(true);
}

void gui_class::slotMenuFileSave()
{
    rightPanel->saveConfToFileClick(true);
}

void gui_class::slotMenuHelpHelp()
{
    const QString text = tr("Please call or send an email.") + QStringLiteral("\n\ntel. ") + QLatin1String(HelpPhone)
        + QStringLiteral("\nfax. ") + QLatin1String(HelpFax) + QStringLiteral("\n\nemail: ")
        + QLatin1String(SupportAddress);
    showMessage(message_icon::Information, tr("QVR Varidex625 - Help"), text);
}

void gui_class::slotMenuHelpAbout()
{
    const QString text = tr("Software for KD625 controller configuration.\nRelease:   ") + application_identity::release()
        + QStringLiteral("\n\n") + QLatin1String(MakerCompany) + QStringLiteral("\n")
        + tr("Limited company\n1 Lantern Street\n62-500 Lumenfield\nLumenland\n\ntel. %1\nfax. %2\n"
             "Tax no. 625-000-128\n\nemail: %3")
              .arg(QLatin1String(HelpPhone), QLatin1String(HelpFax), QLatin1String(SupportAddress));
    QMessageBox::about(this, tr("QVR Varidex625 - About"), text);
}

void gui_class::slotMenuHelpAboutQT()
{
    QMessageBox::aboutQt(this, tr("About Qt libraries: "));
}

void gui_class::slotMenuHovered(QAction *action)
{
    const QString tip = action->toolTip();
    const std::pair<QString, QMenu *> menus[] = {
        {tr("File"), fileMenu}, {tr("Upgrade"), upgradeMenu}, {tr("Help"), helpMenu}, {tr("Language"), languageMenu}};
    for (const auto &[title, menu] : menus) {
        if (tip == title) {
            statusbar->showMessage(menu->statusTip());
            return;
        }
    }
}
