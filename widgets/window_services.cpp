#include "widgets/window_services.h"

QWidget *mainWindow = nullptr;

namespace {

window_services *installedServices = nullptr;

} // namespace

window_services *windowServices()
{
    return installedServices;
}

void installWindowServices(window_services *services)
{
    installedServices = services;
}
