#include "scenes/level_set.h"

#include "model/controller_configuration_class.h"
#include "model/image_layout.h"

#include <cstring>

namespace {

// Masks come in three ranges that a cleared configuration fills differently: the first
// two with 255 in every channel, the third with 0.
constexpr int SecondMaskRange = 128;
constexpr int ThirdMaskRange = 192;
constexpr u8 FullLevel = 255;

QString *sceneDescriptions(controller_configuration_class &configuration)
{
    return configuration.sceneDescs.data();
}

QString *maskDescriptions(controller_configuration_class &configuration)
{
    return configuration.maskDescs.data();
}

u32 timesAt(const level_set &set, int number)
{
    return set.timesOffset + image_layout::SceneTimesSize * u32(number);
}

// Every level equal to the first (compared as memory, which is fast), and the first at level.
bool allAt(const u8 *levels, u8 level)
{
    return levels[0] == level && std::memcmp(levels, levels + 1, image_layout::ChannelCount - 1) == 0;
}

// A scene with a level above 0 is in use.
level_set::row_colour sceneRowColour(const u8 *levels, int)
{
    return allAt(levels, 0) ? level_set::BaseRow : level_set::InUseRow;
}

// A mask's colour tells its range while it holds its cleared levels; green is a mask whose
// levels differ from them.
level_set::row_colour maskRowColour(const u8 *levels, int mask)
{
    if (mask >= ThirdMaskRange)
        return allAt(levels, 0) ? level_set::CyanRow : level_set::InUseRow;
    if (!allAt(levels, FullLevel))
        return level_set::InUseRow;
    return mask >= SecondMaskRange ? level_set::YellowRow : level_set::BaseRow;
}

} // namespace

const level_set &level_set::scenes()
{
    static const level_set set{int(image_layout::SceneCount),
                               image_layout::SceneLevels,
                               image_layout::SceneTimes,
                               sceneDescriptions,
                               true,
                               0,
                               true,
                               false,
                               sceneRowColour};
    return set;
}

const level_set &level_set::masks()
{
    static const level_set set{int(image_layout::MaskCount),
                               image_layout::MaskLevels,
                               image_layout::MaskTimes,
                               maskDescriptions,
                               false,
                               FullLevel,
                               false,
                               true,
                               maskRowColour};
    return set;
}

u8 *level_set::levels(u8 *image, int number) const
{
    return image + levelsOffset + image_layout::ChannelCount * u32(number);
}

const u8 *level_set::levels(const u8 *image, int number) const
{
    return image + levelsOffset + image_layout::ChannelCount * u32(number);
}

bool level_set::anyLevelSet(const u8 *image, int number) const
{
    return !allAt(levels(image, number), 0);
}

scene_times_record level_set::times(const u8 *image, int number) const
{
    return scene_times_record::read(image, timesAt(*this, number));
}

void level_set::setTimes(u8 *image, int number, const scene_times_record &times) const
{
    scene_times_record stored = times;
    stored.reserved = scene_times_record::read(image, timesAt(*this, number)).reserved;
    stored.write(image, timesAt(*this, number));
}

bool level_set::timesRuleBroken(const scene_times_record &times) const
{
    if (durationInRule)
        return u32(times.fadeUp) + times.duration + times.fadeDown == 0;
    return u32(times.fadeUp) + times.fadeDown == 0;
}

QString &level_set::description(controller_configuration_class &configuration, int number) const
{
    return descriptions(configuration)[number];
}
