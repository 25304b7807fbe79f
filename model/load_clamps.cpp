#include "model/load_clamps.h"

#include "model/image_access.h"
#include "model/image_layout.h"

u16 clampedOutputChannelLimit(u16 limit)
{
    if (limit <= 23)
        return 24;
    if (limit == 0xFFFF)
        return 32;
    if (limit > 64)
        return 64;
    return limit;
}

u16 clampedMbftCode(u16 code)
{
    if (code == 0xFFFF)
        return 10;
    if (code > 90)
        return 90;
    return code;
}

void applyLoadClamps(u8 *image)
{
    using namespace image_layout;
    writeU16(image, OutputChannelLimit, clampedOutputChannelLimit(readU16(image, OutputChannelLimit)));
    writeU16(image, MbftCode, clampedMbftCode(readU16(image, MbftCode)));
}
