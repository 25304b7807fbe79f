#include "tests/support/page_window.h"

page_window::page_window()
{
    window.resize(1024, 703);
    main = new QTabWidget(&window);
    for (const char *title : {"Events", "Scenes", "Programs", "Sequences", "Masks", "Settings"})
        main->addTab(new QWidget, QString::fromLatin1(title));
    events = new QTabWidget(main->widget(0));
    for (const char *title :
         {"Inputs", "Clock", "Internal Events", "Delayed Events", "Remote Control", "DMX Output"})
        events->addTab(new QWidget, QString::fromLatin1(title));
    settings = new QTabWidget(main->widget(5));
    for (const char *title : {"Inputs", "DMX Output", "Remote Control", "Descriptions", "Other"})
        settings->addTab(new QWidget, QString::fromLatin1(title));
    delays = events->widget(3);
    mainWindow = &window;
    installWindowServices(this);
}

page_window::~page_window()
{
    if (windowServices() == this)
        installWindowServices(nullptr);
    if (mainWindow == &window)
        mainWindow = nullptr;
}
