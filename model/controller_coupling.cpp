#include "model/controller_configuration_class.h"

#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

#include <algorithm>

using namespace image_layout;

namespace {

// A coupling entry: bits 0-11 the scene, bits 12-15 the group; 0xFFFF pads a table.
constexpr u16 CouplingPad = 0xFFFF;
constexpr u16 SceneBits = 0x0FFF;

u16 entryScene(u16 entry) { return entry & SceneBits; }
u16 entryGroup(u16 entry) { return entry >> 12; }
u16 couplingEntry(u16 scene, int group) { return u16((scene & SceneBits) | (group << 12)); }

} // namespace

bool couplingEntryLessThan(const u16 *a, const u16 *b)
{
    if (entryScene(*a) != entryScene(*b))
        return entryScene(*a) < entryScene(*b);
    return entryGroup(*a) < entryGroup(*b);
}

void controller_configuration_class::packCoupling()
{
    // Table A in group order, each group's scenes ascending; table B the same entries by
    // scene, then group.
    QList<u16> entries;
    for (int g = 0; g < CouplingGroupCount; ++g) {
        std::sort(couplingGroups[g].begin(), couplingGroups[g].end());
        for (u16 scene : std::as_const(couplingGroups[g])) {
            if (entries.size() < int(CouplingEntryCount))
                entries.append(couplingEntry(scene, g));
        }
    }
    QList<u16> byScene = entries;
    std::sort(byScene.begin(), byScene.end(), [](u16 a, u16 b) { return couplingEntryLessThan(&a, &b); });
    for (u32 i = 0; i < CouplingEntryCount; ++i) {
        const bool used = i < u32(entries.size());
        writeU16(confData, CouplingTableA + 2 * i, used ? entries[int(i)] : CouplingPad);
        writeU16(confData, CouplingTableB + 2 * i, used ? byScene[int(i)] : CouplingPad);
    }
}

void controller_configuration_class::unpackCoupling()
{
    for (QList<u16> &group : couplingGroups)
        group.clear();
    auto usable = [](u16 entry) { return entryScene(entry) < SceneCount && entryGroup(entry) < CouplingGroupCount; };
    for (u32 i = 0; i < CouplingEntryCount; ++i) {
        const u16 entry = readU16(confData, CouplingTableA + 2 * i);
        if (!usable(entry))
            continue;
        const u16 scene = entryScene(entry);
        // A scene belongs to the first group that names it.
        const bool taken = std::any_of(std::begin(couplingGroups), std::end(couplingGroups),
                                       [scene](const QList<u16> &g) { return g.contains(scene); });
        if (!taken)
            couplingGroups[entryGroup(entry)].append(scene);
    }
    bool coherent = true;
    for (u32 i = 0; i < CouplingEntryCount; ++i) {
        const u16 entry = readU16(confData, CouplingTableB + 2 * i);
        if (usable(entry) && !couplingGroups[entryGroup(entry)].contains(entryScene(entry)))
            coherent = false;
    }
    if (!coherent) {
        showMessage(message_icon::Information,
                    QCoreApplication::translate("kd620_controller_class", "Configuration error:"),
                    QCoreApplication::translate("kd620_controller_class",
                                                "Coupling tables are not coherent!\r\nThe first one was taken."),
                    message_button::Ok, message_button::NoButton, dialog_parent::None);
    }
}

int controller_configuration_class::coupledSceneCount() const
{
    int n = 0;
    for (const QList<u16> &group : couplingGroups)
        n += int(group.size());
    return n;
}
