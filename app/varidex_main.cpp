#include "app/varidex_main.h"

#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"

#include <QApplication>
#include <QMainWindow>

int varidexMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    widget_user_interaction interaction;
    installUserInteraction(&interaction);

    currentController = new kd620_controller_class;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Varidex625"));
    window.resize(1024, 749);
    mainWindow = &window;
    window.show();
    const int result = app.exec();
    mainWindow = nullptr;

    delete currentController;
    currentController = nullptr;
    installUserInteraction(nullptr);
    return result;
}
