// The Upgrade menu: the controller's firmware from an upgrade file, and its download page.
#include "app/gui_class.h"

#include "app/upgrade_page_launcher.h"
#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/monitor_window_mask.h"

QString gui_class::chooseUpgradeFile()
{
    return userInteraction().chooseOpenFile(tr("Choose an upgrade file for QVR KD625 controller"),
                                            QStringLiteral("./"), tr("Upgrade (*.upg)"),
                                            dialog_parent::MainWindow);
}

void gui_class::slotMenuUpgradeUpgradeKd620()
{
    const QString name = chooseUpgradeFile();
    if (name.isEmpty())
        return;
    // The monitor's reads must not cross the upgrade.
    monitor->stopShows(MonitorAll);
    controller->upgradeFirmware(name);
}

void gui_class::slotMenuUpgradeVerify()
{
    const QString name = chooseUpgradeFile();
    if (name.isEmpty())
        return;
    controller->verifyFirmware(name);
}

void gui_class::slotMenuUpgradeUpgradeSearch()
{
    const QString address = upgradePageAddress();
    openUpgradePage(upgradePageCommand(QProcessEnvironment::systemEnvironment(), address), address);
}
