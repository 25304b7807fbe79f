// varidex625-screenshots: photographs the main window connected to one simulated
// controller, with a fully populated configuration, for the documentation.
// Usage: varidex625-screenshots <folder>
// Writes main-window.png (the Scenes tab), right-panel.png and one picture of every page
// (page-<name>.png; the Settings/Other page as settings-other.png).
#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/right_panel_widget.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/page_tabs.h"

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
    sim_usb_bus bus;
    bus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr}};
    currentLanguage = 0;

    auto *controller = new kd620_controller_class;
    currentController = controller;
    populateConfiguration(*controller);  // before the real boxes: its notes need no person
    widget_user_interaction interaction;
    installUserInteraction(&interaction);
    {
        gui_class window(controller);
        window.show();
        window.rightPanel->connectButton->click();
        window.timerTimeUpdate();
        save(&window, folder.filePath(QStringLiteral("main-window.png")));
        save(window.rightPanel, folder.filePath(QStringLiteral("right-panel.png")));
        for (int i = 0; i < pageTabCount; ++i) {
            showPage(window, pageTabs[i]);
            const QString name = QString::fromLatin1(pageTabs[i].name);
            save(&window, folder.filePath(name == QLatin1String("settings-other") ? QStringLiteral("settings-other.png")
                                                                                   : QStringLiteral("page-%1.png").arg(name)));
        }
    }
    delete controller;
    currentController = nullptr;
    installUserInteraction(nullptr);
    return 0;
}
