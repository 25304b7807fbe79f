#pragma once

#include "model/xml/xml_escape.h"

#include <QString>

// The longest description a configuration holds, and the lines it makes in the files that
// carry descriptions. Every way a description comes in (the editors, the DMX sheet import,
// the configuration and remote-control files) holds it to this bound, and the readers take
// every line such a description makes: whatever our writers write reads back whole, and a
// line longer than any of ours is still cut where the readers stop.
namespace description_bound {

// In characters as a text counts them (a character beyond the basic plane counts two).
constexpr qsizetype MaxLength = 65536;
// The element around a description on its line, its number and mode included (the longest
// is "<input nr=\"24\" mode=\"off\">" with "</input>"), with room to spare.
constexpr qsizetype LineMarkup = 64;
// The longest line a description makes: every character escaped at its longest.
constexpr qsizetype MaxLineLength = xml_LongestEscape * MaxLength + LineMarkup;
// A character of a text takes up to three bytes in the local 8-bit encoding.
constexpr qsizetype MaxBytesPerCharacter = 3;

// The text cut to MaxLength characters, never between the halves of a surrogate pair.
QString bounded(const QString &text);

} // namespace description_bound
