// varidex625-screenshots: photographs the main window connected to one simulated
// controller, for the documentation. Usage: varidex625-screenshots <folder>
// Writes main-window.png (the Scenes tab), settings-other.png, right-panel.png and one
// picture of every other tab (tab-<n>.png) for a look at each page.
#include "widgets/main_tabs.h"
#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/right_panel_widget.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "tests/sim/sim_usb_bus.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

namespace {

void save(QWidget *widget, const QString &path)
{
    QApplication::processEvents();
    if (!widget->grab().save(path))
        qWarning("cannot write %s", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: varidex625-screenshots <folder>");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    initApplicationResources();
    widget_user_interaction interaction;
    installUserInteraction(&interaction);
    sim_usb_bus bus;
    bus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr}};
    currentLanguage = 0;

    auto *controller = new kd620_controller_class;
    currentController = controller;
    {
        gui_class window(controller);
        window.show();
        window.rightPanel->connectButton->click();
        window.timerTimeUpdate();
        save(&window, folder.filePath(QStringLiteral("main-window.png")));
        save(window.rightPanel, folder.filePath(QStringLiteral("right-panel.png")));
        for (int tab = 0; tab < window.tabWidget_events->count(); ++tab) {
            window.tabWidget_main->setCurrentIndex(EventsTab);
            window.tabWidget_events->setCurrentIndex(tab);
            save(&window, folder.filePath(QStringLiteral("tab-events-%1.png").arg(tab)));
        }
        for (int tab = 2; tab < 5; ++tab) {
            window.tabWidget_main->setCurrentIndex(tab);
            save(&window, folder.filePath(QStringLiteral("tab-%1.png").arg(tab)));
        }
        window.tabWidget_main->setCurrentIndex(SettingsTab);
        for (int tab = 0; tab < window.tabWidget_settings->count(); ++tab) {
            window.tabWidget_settings->setCurrentIndex(tab);
            save(&window, folder.filePath(tab == 4 ? QStringLiteral("settings-other.png")
                                                   : QStringLiteral("tab-settings-%1.png").arg(tab)));
        }
        mainWindow = nullptr;
    }
    delete controller;
    currentController = nullptr;
    installUserInteraction(nullptr);
    return 0;
}
