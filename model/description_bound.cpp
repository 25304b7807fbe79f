#include "model/description_bound.h"

namespace description_bound {

QString bounded(const QString &text)
{
    if (text.size() <= MaxLength)
        return text;
    qsizetype length = MaxLength;
    if (text.at(length - 1).isHighSurrogate() && text.at(length).isLowSurrogate())
        --length;
    return text.left(length);
}

} // namespace description_bound
