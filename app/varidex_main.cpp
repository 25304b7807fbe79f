#include "app/varidex_main.h"

#include "app/application_resources.h"
#include "app/language_list.h"
#include "app/start_options.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

int varidexMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    initApplicationResources();
    widget_user_interaction interaction;
    installUserInteraction(&interaction);

    // Translation files are found in the working directory.
    const language_selection languages = buildLanguageList(QDir(), QString(), QString(), &app);
    languageList = languages.entries;
    requestedLanguage = languages.requested;

    mainWindow = nullptr;
    currentController = new kd620_controller_class;
    const start_options options = parseStartOptions(app.arguments());
    applyStartOptions(options, *currentController);

    installLanguage(requestedLanguage);
    requestedLanguage = -1;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Varidex625"));
    window.resize(1024, 749);
    mainWindow = &window;
    window.show();
    const int result = app.exec();
    mainWindow = nullptr;

    delete currentController;
    currentController = nullptr;
    languageList.clear();
    installUserInteraction(nullptr);
    return result;
}
