#include "app/varidex_main.h"

#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/parameters_file.h"
#include "app/start_options.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "widgets/font_substitutes.h"

#include <QApplication>
#include <QDir>

void startUp(const QStringList &arguments, QObject *translatorOwner)
{
    // The parameters file and the translation files are found in the working directory.
    const saved_language saved = readSavedLanguage(QString::fromLatin1(parametersFileName));
    const language_selection languages = buildLanguageList(QDir(), saved.code, saved.name, translatorOwner);
    languageList = languages.entries;
    requestedLanguage = languages.requested;
    currentLanguage = -1;
    // The saved language speaks from the start: the boxes of the files read below too.
    installLanguage(requestedLanguage);

    mainWindow = nullptr;
    currentController = new kd620_controller_class;
    const start_options options = parseStartOptions(arguments);
    applyStartOptions(options, *currentController);
    // No window exists yet: the reader's boxes have no parent and the title stays plain.
    for (const QString &file : options.configFiles)
        currentController->read_confDataFromFile(file);
}

int runMainWindows()
{
    // A language change ends the event loop with a request; the window is then built anew
    // under the new translator, and the controller keeps its configuration and connection.
    int result = 0;
    gui_class *window = nullptr;
    while (requestedLanguage != -1) {
        if (!window || currentLanguage != requestedLanguage) {
            delete window;  // takes its pages, menus and actions along
            window = nullptr;
            mainWindow = nullptr;
            if (currentLanguage != requestedLanguage)
                installLanguage(requestedLanguage);
            window = new gui_class(currentController);
            window->show();
        }
        requestedLanguage = -1;
        result = QApplication::exec();
    }
    delete window;
    mainWindow = nullptr;
    return result;
}

void shutDown()
{
    delete currentController;
    currentController = nullptr;
    if (currentLanguage > 0)
        installLanguage(0);
    currentLanguage = -1;
    languageList.clear();
}

int varidexMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    substituteWindowsFonts();
    initApplicationResources();
    widget_user_interaction interaction;
    installUserInteraction(&interaction);
    startUp(app.arguments(), &app);
    const int result = runMainWindows();
    shutDown();
    installUserInteraction(nullptr);
    return result;
}
