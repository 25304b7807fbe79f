#include "app/varidex_main.h"

#include "app/application_resources.h"
#include "app/language_list.h"
#include "app/parameters_file.h"
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

    // The parameters file and the translation files are found in the working directory.
    const saved_language saved = readSavedLanguage(QString::fromLatin1(parametersFileName));
    const language_selection languages = buildLanguageList(QDir(), saved.code, saved.name, &app);
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
