#pragma once

#include "programs/copied_program.h"
#include "model/types.h"

#include <optional>

// Reads programs straight from the program tables of a configuration image, as the
// controller would play them, without building a program store: the source of a copy
// from another configuration file. Whatever the image holds, nothing is read outside its
// tables.
class image_program_reader
{
public:
    // image: a whole configuration image (not owned), read only.
    explicit image_program_reader(const u8 *image);

    // Program `program` (0-based): none when its first-step address lies outside the step
    // table. The steps carry their own step events and fade-down 0; the program's fade-down
    // (from its last end word) is the copy's. At most 999 steps are read, and the program
    // ends before a step whose scene does not exist, at its last step (end word other than
    // "more steps follow") and at the end of the step table. An end word of "repeat
    // endlessly" gives recurrences 0; a fade-down with recurrences 0 gives 1; stored
    // recurrences above 100, which no program can have, read as 1.
    std::optional<copied_program> read(int program) const;
    // The program's fade-down after a break and chained event, as stored.
    u16 breakFadeDown(int program) const;
    u16 chainedEvent(int program) const;

private:
    const u8 *image;
};
