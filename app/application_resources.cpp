#include "app/application_resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must stand outside every namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

void initApplicationResources()
{
    static const bool registered = (registerResources(), true);
    (void)registered;
}
