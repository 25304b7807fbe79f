#include "events/delay_lock.h"

#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"

int delayOwner(const u8 *image, int delay)
{
    if (delay < 0 || delay >= int(image_layout::DelayCount))
        return -1;
    const u32 owner = delay_entry_class(readU32(image, image_layout::delayEntry(u32(delay)))).sequence();
    return owner < image_layout::SequenceCount ? int(owner) : -1;
}

bool delayLocked(const u8 *image, int delay)
{
    return delayOwner(image, delay) >= 0;
}
