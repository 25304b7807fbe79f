#include "model/controller_configuration_class.h"

#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_defaults.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

#include <cstring>

using namespace image_layout;

namespace {

typedef controller_configuration_class config;

// The clear bit that removes the actions of each event range. Records of any other event
// (0x1370 and above, 0xFFFF among them) carry nothing and are cleared by every mask.
struct action_range {
    u32 first;
    u32 end;
    u32 bit;
};
constexpr action_range ActionRanges[] = {
    {EventDmxIn, EventInternal, config::ClearDmxInEvents},
    {EventInternal, EventTimer, config::ClearInternalEvents},
    {EventTimer, EventDmxOut, config::ClearTimers},
    {EventDmxOut, EventDelay, config::ClearDmxOutEvents},
    {EventDelay, EventRcuKey, config::ClearDelays},
    {EventRcuKey, EventInput, config::ClearRcu},
    {EventInput, EventEnd, config::ClearInputs},
};

bool actionCleared(u32 co, u32 event)
{
    for (const action_range &r : ActionRanges) {
        if (event >= r.first && event < r.end)
            return (co & r.bit) != 0;
    }
    return true;
}

// Action-table records that the actions surviving a clear with mask co will take.
int recordsKept(const event_actions_class &actions, u32 co)
{
    int kept = 0;
    for (const action_range &r : ActionRanges) {
        if (!(co & r.bit))
            kept += actions.recordsNeeded(r.first, r.end);
    }
    return kept;
}

void removeClearedActions(event_actions_class &actions, u32 co)
{
    for (const action_range &r : ActionRanges) {
        if (co & r.bit) {
            for (u32 code = r.first; code < r.end; ++code)
                actions.clearList(int(code));
        }
    }
}

// Bytes 5 to 23 of an action record: daytime limit, then the state conditions.
constexpr u32 LimitsOffset = 5;

void clearActionRecords(u8 *image, u32 co)
{
    for (u32 r = 0; r < ActionRecordCount; ++r) {
        if (actionCleared(co, readU16(image, actionRecord(r))))
            image_defaults::clearActionRecord(image, r);
        if (co & config::ClearLimits)
            std::memset(image + actionRecord(r) + LimitsOffset, 0xFF, ActionRecordSize - LimitsOffset);
    }
}

} // namespace

void controller_configuration_class::clearDescriptions(u32 co)
{
    struct group {
        u32 bit;  // besides ClearAllDescs
        QString *first;
        size_t count;
    };
    const group groups[] = {
        {ClearSceneDescs, sceneDescs.data(), sceneDescs.size()},
        {ClearProgramDescs, programDescs.data(), programDescs.size()},
        {ClearMaskDescs, maskDescs.data(), maskDescs.size()},
        {ClearInputs, inputDescs.data(), inputDescs.size()},
        {ClearInputs, &eventDescs[EventInput], EventEnd - EventInput},
        {ClearRcu, rcuKeyDescs.data(), rcuKeyDescs.size()},
        {ClearRcu, &eventDescs[EventRcuKey], EventInput - EventRcuKey},
        {0, stateDescs.data(), stateDescs.size()},
        {ClearDmxInEvents, &eventDescs[EventDmxIn], EventInternal - EventDmxIn},
        {ClearInternalEvents, &eventDescs[EventInternal], EventTimer - EventInternal},
        {ClearTimers, &eventDescs[EventTimer], EventDmxOut - EventTimer},
        {ClearDmxOutputs, &eventDescs[EventDmxOut], EventDelay - EventDmxOut},
        {ClearDelays, &eventDescs[EventDelay], EventRcuKey - EventDelay},  // delay ends and sequence starts
    };
    for (const group &g : groups) {
        if (co & (g.bit | ClearAllDescs))
            std::fill(g.first, g.first + g.count, QString());
    }
}

bool controller_configuration_class::packForClear(u32 co)
{
    // The stores come back from the image at the end; one that cannot be packed would
    // come back from stale tables, so nothing is cleared then. A store that does not fit
    // is no obstacle where the mask clears it anyway: it is cleared in memory first and
    // only what stays is packed. Everything is checked before anything is cleared.
    const bool programsCleared = (co & ClearPrograms) != 0;
    if (!programsCleared && programList.commitToImage(confData, extraEntries) != 0)
        return false;  // the program store has told the user
    const int capacity = event_actions_class::OrdinaryRecordCount;
    const bool actionsOverflow = eventActions.recordsNeeded(0, EventCount) > capacity;
    if (actionsOverflow && recordsKept(eventActions, co) > capacity) {
        showMessage(message_icon::Critical, QCoreApplication::translate("kd620_controller_class", "Warning!"),
                    QCoreApplication::translate("kd620_controller_class", "Actions limit exceed!"));
        return false;
    }

    if (programsCleared) {
        programList.clear();
        qDeleteAll(extraEntries);
        extraEntries.clear();
        programList.commitToImage(confData, extraEntries);  // an empty store always fits
    }
    // Only an overflow takes the actions out in memory: otherwise they are cleared in
    // place in the image, like every other category.
    if (actionsOverflow)
        removeClearedActions(eventActions, co);
    eventActions.encodeToImage(confData);
    packTimers();
    packCoupling();
    return true;
}

void controller_configuration_class::ClearConfig(u32 co)
{
    if (clearCategories(co))
        emit configurationCleared(co);
}

bool controller_configuration_class::clearCategories(u32 co)
{
    // Clearing everything replaces every table, so the stores need no packing first.
    if (co == ClearEverything) {
        std::memset(confData, 0xFF, ImageSize);
        writeU16(confData, StartUpTime, 0);
        writeU16(confData, ShutDownTime, 0);
        clockCalibration = 0;
    } else if (!packForClear(co)) {
        return false;
    }
    if (co & ClearTimers)
        image_defaults::clearTimerTable(confData);
    if (co & ClearDmxOutputs)
        image_defaults::clearDmxOutputs(confData);
    if (co & ClearInputs)
        image_defaults::clearInputTypes(confData);
    if (co & ClearScenes) {
        image_defaults::clearScenes(confData);
        unpackCoupling();
    }
    if (co & ClearMasks)
        image_defaults::clearMasks(confData);
    if ((co & ClearChains) && !(co & ClearPrograms))
        image_defaults::clearChains(confData);
    if (co & ClearPrograms)
        image_defaults::clearPrograms(confData);
    clearActionRecords(confData, co);
    if (co & ClearDelays)
        image_defaults::clearDelays(confData);  // the sequence lists follow at the end
    if (co & ClearSun)
        image_defaults::clearSun(confData);
    clearDescriptions(co);
    if (co & ClearDmxOutEvents) {
        writeU16(confData, DmxEventLastChannel, 0xFFFF);
        writeU16(confData, DmxEventFirstChannel, 0xFFFF);
    }
    if (co & ClearRcu) {
        std::fill(std::begin(rcuKeyCodes), std::end(rcuKeyCodes), u8(0xFF));
        rcuAddress = 0xFF;
    }
    programList.rebuildFromImage(confData, extraEntries);
    // The actions the clear left as they were stay the objects they were: an editor open
    // on one of them still finds it.
    eventActions.redecodeFromImage(confData);
    unpackTimers();
    // Removed Delay Start actions and freed delays change the sequences and the delays in use.
    rebuildSequences();
    return true;
}

void controller_configuration_class::ClearConfig()
{
    ClearConfig(ClearEverything);
}
