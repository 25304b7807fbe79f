#include "model/xml/xml_start_tag.h"

namespace {

qsizetype firstSpace(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isSpace())
            return i;
    }
    return -1;
}

} // namespace

bool xml_holdsStartTag(QStringView text)
{
    const qsizetype open = text.indexOf(u'<');
    const qsizetype close = text.indexOf(u'>');
    return open >= 0 && close >= 0 && open < close;
}

bool xml_readStartTag(QStringView tagText, QString &name, xml_attribute_list &attributes)
{
    const bool selfClosing = tagText.endsWith(u'/');
    if (selfClosing)
        tagText.chop(1);
    const qsizetype space = firstSpace(tagText);
    if (space > 0) {
        xml_parseAttributes(tagText.mid(space + 1), attributes);
        tagText.truncate(space);
    }
    name = tagText.toString();
    return selfClosing;
}

QStringView xml_endTagName(QStringView afterSlash)
{
    const qsizetype close = afterSlash.indexOf(u'>');
    return close < 0 ? afterSlash : afterSlash.left(close);
}
