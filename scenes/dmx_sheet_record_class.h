#pragma once

#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "model/types.h"

#include <QString>

#include <array>

// One column of a DMX sheet as read: a scene or mask with its number, its three times, its
// 512 levels and its description. What the sheet leaves out keeps the values below.
class dmx_sheet_record_class
{
public:
    // The column has no number (yet): the reading gives it the lowest free one.
    static constexpr u16 NoNumber = 0xFFFF;

    u16 number = NoNumber;                        // 1-based scene or mask number
    u16 fadeUp = 0;                               // tenths of a second
    u16 duration = scene_times_record::Infinite;  // tenths of a second; 0xFFFF infinite
    u16 fadeDown = 0;                             // tenths of a second
    std::array<u8, image_layout::ChannelCount> levels{};
    QString description;

    bool hasNumber() const { return number != NoNumber; }
};
