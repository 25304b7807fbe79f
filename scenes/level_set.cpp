#include "scenes/level_set.h"

#include "model/controller_configuration_class.h"
#include "model/image_layout.h"

#include <algorithm>

namespace {

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

} // namespace

const level_set &level_set::scenes()
{
    static const level_set set{int(image_layout::SceneCount), image_layout::SceneLevels, image_layout::SceneTimes,
                               sceneDescriptions, true};
    return set;
}

const level_set &level_set::masks()
{
    static const level_set set{int(image_layout::MaskCount), image_layout::MaskLevels, image_layout::MaskTimes,
                               maskDescriptions, false};
    return set;
}

u8 *level_set::levels(u8 *image, int number) const
{
    return image + levelsOffset + image_layout::ChannelCount * u32(number);
}

bool level_set::anyLevelSet(const u8 *image, int number) const
{
    const u8 *first = image + levelsOffset + image_layout::ChannelCount * u32(number);
    return std::any_of(first, first + image_layout::ChannelCount, [](u8 level) { return level != 0; });
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

QString &level_set::description(controller_configuration_class &configuration, int number) const
{
    return descriptions(configuration)[number];
}
