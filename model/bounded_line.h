#pragma once

#include "model/description_bound.h"

#include <QString>

class QTextStream;

// Reading the lines of a text that comes from outside (the XML part of a configuration
// file, a sunrise/sunset table) with a bound on their length: a text without line breaks
// never becomes one endless string, so memory does not grow with the file.
namespace bounded_line {

// The longest line kept, in characters: the longest a description makes, the longest line
// this program writes.
constexpr qsizetype MaxLength = description_bound::MaxLineLength;

enum class result {
    Ok,       // line holds the next line; a null line at the end of the text
    TooLong,  // line holds the first MaxLength characters; the rest was read and dropped
    Failed,   // nothing came although the device has more; line is null
};

// Reads the next line, without its terminator, into line.
result read(QTextStream &stream, QString &line);

} // namespace bounded_line
