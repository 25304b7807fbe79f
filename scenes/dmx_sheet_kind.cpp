#include "scenes/dmx_sheet_kind.h"

#include "scenes/level_set.h"

const dmx_sheet_kind &dmx_sheet_kind::scenes()
{
    static const dmx_sheet_kind kind{level_set::scenes(), false, dmx_sheet_format::SceneHeader,
                                     dmx_sheet_format::SceneNumberKey, true, "Invalid value:"};
    return kind;
}

const dmx_sheet_kind &dmx_sheet_kind::masks()
{
    static const dmx_sheet_kind kind{level_set::masks(), true, dmx_sheet_format::MaskHeader,
                                     dmx_sheet_format::MaskNumberKey, false, "Invalid value :"};
    return kind;
}

const dmx_sheet_kind &dmx_sheet_kind::of(const level_set &set)
{
    return &set == &level_set::masks() ? masks() : scenes();
}

int dmx_sheet_kind::count() const
{
    return set.count;
}
