#include "model/dmx_out_channel_settings.h"

#include "model/image_layout.h"

dmx_out_channel_settings dmx_out_channel_settings::read(const u8 *image, u32 channel)
{
    const u8 *p = image + image_layout::dmxOutSettings(channel);
    dmx_out_channel_settings s;
    s.minimal = p[0];
    s.maximal = p[1];
    s.hysteresisDown = p[2];
    s.hysteresisUp = p[3];
    return s;
}

void dmx_out_channel_settings::write(u8 *image, u32 channel) const
{
    u8 *p = image + image_layout::dmxOutSettings(channel);
    p[0] = minimal;
    p[1] = maximal;
    p[2] = hysteresisDown;
    p[3] = hysteresisUp;
}
