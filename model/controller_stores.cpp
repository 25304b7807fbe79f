#include "model/controller_configuration_class.h"

#include "model/load_clamps.h"

bool controller_configuration_class::packStores()
{
    const bool actionsPacked = eventActions.encodeToImage(confData) == 0;
    const bool programsPacked = programList.commitToImage(confData, extraEntries) == 0;
    packTimers();
    packCoupling();
    return actionsPacked && programsPacked;
}

void controller_configuration_class::rebuildStores()
{
    applyLoadClamps(confData);
    programList.rebuildFromImage(confData, extraEntries);
    eventActions.decodeFromImage(confData);
    unpackTimers();
    unpackCoupling();
    rebuildSequences();
}
