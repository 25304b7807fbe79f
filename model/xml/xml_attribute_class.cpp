#include "model/xml/xml_attribute_class.h"

#include <QTextStream>

#include <utility>

namespace {

// The text between the first double quote and the next one; the rest of the text when
// there is only one, a null view when there is none. end receives the position after the
// closing quote, or -1 when it is missing.
QStringView quotedValue(QStringView text, qsizetype &end)
{
    end = -1;
    const qsizetype open = text.indexOf(u'"');
    if (open < 0)
        return QStringView();
    const qsizetype close = text.indexOf(u'"', open + 1);
    if (close < 0)
        return text.mid(open + 1);
    end = close + 1;
    return text.mid(open + 1, close - open - 1);
}

// True when two attributes of the list share a name. Lists are short: a tag holds a few.
bool holdsRepeatedName(const xml_attribute_list &attributes)
{
    for (qsizetype i = 1; i < attributes.size(); ++i) {
        for (qsizetype j = 0; j < i; ++j) {
            if (attributes.at(i).name == attributes.at(j).name)
                return true;
        }
    }
    return false;
}

} // namespace

xml_attribute_class::xml_attribute_class(const QString &name, const QString &value) : name(name), value(value) {}

xml_attribute_class::xml_attribute_class(const QString &text)
{
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0) {
        name = text.trimmed();
        return;
    }
    name = text.left(equals).trimmed();
    qsizetype end;
    value = quotedValue(QStringView(text).mid(equals + 1), end).toString();
}

QTextStream &xml_attribute_class::write(QTextStream &stream, const xml_attribute_class &attribute)
{
    if (!attribute.name.isEmpty() || !attribute.value.isEmpty())
        stream << attribute.name.trimmed() << "=\"" << attribute.value << '"';
    return stream;
}

void xml_parseAttributes(const QString &text, xml_attribute_list &attributes)
{
    xml_parseAttributes(QStringView(text), attributes);
}

void xml_parseAttributes(QStringView text, xml_attribute_list &attributes)
{
    // The pieces are views into the text: only the names and values kept become strings.
    QStringView rest = text.trimmed();
    while (!rest.isEmpty()) {
        const qsizetype equals = rest.indexOf(u'=');
        const QStringView name = equals < 0 ? rest : rest.left(equals);
        qsizetype end;
        const QStringView value = quotedValue(rest, end);
        xml_attribute_class attribute;
        attribute.name = name.toString();
        attribute.value = value.toString();
        attributes.append(std::move(attribute));
        rest = end < 0 ? QStringView() : rest.mid(end).trimmed();
    }
}

xml_attribute_class &xml_setAttribute(xml_attribute_list &attributes, const QString &name, const QString &value)
{
    for (xml_attribute_class &attribute : attributes) {
        if (attribute.name == name) {
            attribute.value = value;
            return attribute;
        }
    }
    attributes.append(xml_attribute_class(name, value));
    return attributes.last();
}

QString xml_attributeValue(const xml_attribute_list &attributes, const QString &name)
{
    for (const xml_attribute_class &attribute : attributes) {
        if (attribute.name == name)
            return attribute.value.isNull() ? QString(QLatin1String("")) : attribute.value;
    }
    return QString();
}

xml_attribute_list xml_mergedAttributes(const xml_attribute_list &attributes)
{
    // Without a repeated name the merge is the list as it stands, but a list of its own: a
    // list shared with the source would take along the writes through a reference the
    // source has handed out (setAttribute's), which no detach can see coming.
    if (!holdsRepeatedName(attributes))
        return xml_attribute_list(attributes.cbegin(), attributes.cend());
    xml_attribute_list merged;
    for (const xml_attribute_class &attribute : attributes)
        xml_setAttribute(merged, attribute.name, attribute.value);
    return merged;
}

xml_attribute_list xml_mergedAttributes(xml_attribute_list &&attributes)
{
    if (!holdsRepeatedName(attributes))
        return std::move(attributes);
    return xml_mergedAttributes(std::as_const(attributes));
}

void xml_writeAttributes(QTextStream &stream, const xml_attribute_list &attributes)
{
    for (const xml_attribute_class &attribute : attributes) {
        stream << ' ';
        xml_attribute_class::write(stream, attribute);
    }
}
