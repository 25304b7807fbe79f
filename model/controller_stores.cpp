#include "model/controller_configuration_class.h"

#include "model/load_clamps.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

bool controller_configuration_class::packStores()
{
    const bool actionsPacked = eventActions.encodeToImage(confData) == 0;
    if (!actionsPacked) {
        // Before the save or send says it failed, the user learns why, as a clear says it.
        showMessage(message_icon::Critical, QCoreApplication::translate("kd620_controller_class", "Warning!"),
                    QCoreApplication::translate("kd620_controller_class", "Actions limit exceed!"));
    }
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
