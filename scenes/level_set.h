#pragma once

#include "model/scene_times_record.h"
#include "model/types.h"

#include <QString>

class controller_configuration_class;

// Scenes and masks are edited alike: each is a set of 512 DMX channel levels with three
// times and a description. What tells the two kinds apart in the configuration is named
// here once, so the strips and the editor pages address "number n" of their kind without
// spelling out image areas or counts themselves.
struct level_set {
    int count;                 // 3072 scenes, 256 masks
    u32 levelsOffset;          // image offset of the levels of number 0, 512 bytes a number
    u32 timesOffset;           // image offset of the times record of number 0
    // The description array of a configuration (`count` texts).
    QString *(*descriptions)(controller_configuration_class &configuration);
    bool live;                 // a controller in the Live working mode follows the editing

    static const level_set &scenes();
    static const level_set &masks();

    bool contains(int number) const { return number >= 0 && number < count; }
    // The 512 levels of a number in an image.
    u8 *levels(u8 *image, int number) const;
    // Whether any level of a number is above 0.
    bool anyLevelSet(const u8 *image, int number) const;
    // Times of a number; writing keeps the record's fourth word as it is in the image.
    scene_times_record times(const u8 *image, int number) const;
    void setTimes(u8 *image, int number, const scene_times_record &times) const;
    QString &description(controller_configuration_class &configuration, int number) const;
};
