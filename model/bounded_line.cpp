#include "model/bounded_line.h"

#include <QTextStream>

namespace bounded_line {

result read(QTextStream &stream, QString &line)
{
    // Two characters of headroom: a chunk that stops right after a carriage return may
    // come back without it, and must still count as over-long.
    constexpr qint64 chunk = MaxLength + 2;
    line = stream.readLine(chunk);
    if (line.isNull() && !stream.atEnd())
        return result::Failed;
    if (line.size() <= MaxLength)
        return result::Ok;
    if (line.size() == chunk) {
        while (stream.readLine(chunk).size() == chunk) {
        }
    }
    line.truncate(MaxLength);
    return result::TooLong;
}

} // namespace bounded_line
