#pragma once

#include "model/types.h"

// Settings of one DMX output channel, 4 bytes in the image.
struct dmx_out_channel_settings {
    u8 minimal = 0;          // 0..254
    u8 maximal = 0xFF;       // 1..255, above the minimal value
    u8 hysteresisDown = 0xFF;// 255: the channel is not triggered
    u8 hysteresisUp = 0xFF;  // not triggered: 255 linear, 0 non-linear characteristic

    static constexpr u8 NotTriggered = 0xFF;
    static constexpr u8 Linear = 0xFF;
    static constexpr u8 NonLinear = 0;

    bool isTriggered() const { return hysteresisDown != NotTriggered; }

    static dmx_out_channel_settings read(const u8 *image, u32 channel);
    void write(u8 *image, u32 channel) const;
};
