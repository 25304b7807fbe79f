#pragma once

#include "model/scene_times_record.h"
#include "model/types.h"

#include <QString>

class controller_configuration_class;

// Scenes and masks are edited alike: each is a set of 512 DMX channel levels with three
// times and a description. What tells the two kinds apart in the configuration and in the
// editing is named here once, so the strips and the editor pages address "number n" of
// their kind without spelling out image areas, counts or rules themselves.
struct level_set {
    // What a list row's colour says of a number's levels.
    enum row_colour {
        BaseRow,     // the palette's base: nothing set (a mask of the first range as cleared)
        InUseRow,    // light green: levels differ from the cleared ones
        YellowRow,   // a mask of the second range as cleared
        CyanRow,     // a mask of the third range as cleared
    };

    int count;                 // 3072 scenes, 256 masks
    u32 levelsOffset;          // image offset of the levels of number 0, 512 bytes a number
    u32 timesOffset;           // image offset of the times record of number 0
    // The description array of a configuration (`count` texts).
    QString *(*descriptions)(controller_configuration_class &configuration);
    bool live;                 // a controller in the Live working mode follows the editing
    u8 clearLevel;             // what "Clear" sets every level to
    // Whether the duration counts in the rule that the times may not all be 0. A scene's
    // three times may not all be 0, checked whenever one of them becomes 0; a mask's fades
    // may not both be 0 when its duration is set to 0, checked only then.
    bool durationInRule;
    bool copyKeepsDuration;    // a copy onto a number leaves its duration as it was
    row_colour (*rowColour)(const u8 *levels, int number);

    static const level_set &scenes();
    static const level_set &masks();

    bool contains(int number) const { return number >= 0 && number < count; }
    // The 512 levels of a number in an image.
    u8 *levels(u8 *image, int number) const;
    const u8 *levels(const u8 *image, int number) const;
    // Whether any level of a number is above 0.
    bool anyLevelSet(const u8 *image, int number) const;
    // The colour of a number's list row.
    row_colour colourOf(const u8 *image, int number) const { return rowColour(levels(image, number), number); }
    // Times of a number; writing keeps the record's fourth word as it is in the image.
    scene_times_record times(const u8 *image, int number) const;
    void setTimes(u8 *image, int number, const scene_times_record &times) const;
    // Whether times break the rule (durationInRule); an infinite duration never does.
    bool timesRuleBroken(const scene_times_record &times) const;
    QString &description(controller_configuration_class &configuration, int number) const;
};
