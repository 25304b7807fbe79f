#include "model/xml/xml_attribute_class.h"

#include <QTextStream>

namespace {

// The text between the first double quote at or after from and the next one; the rest of
// the text when there is only one, empty when there is none. end receives the position
// after the closing quote, or -1 when it is missing.
QString quotedValue(const QString &text, qsizetype from, qsizetype &end)
{
    end = -1;
    const qsizetype open = text.indexOf(u'"', from);
    if (open < 0)
        return QString();
    const qsizetype close = text.indexOf(u'"', open + 1);
    if (close < 0)
        return text.mid(open + 1);
    end = close + 1;
    return text.mid(open + 1, close - open - 1);
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
    value = quotedValue(text, equals + 1, end);
}

QTextStream &xml_attribute_class::write(QTextStream &stream, const xml_attribute_class &attribute)
{
    if (!attribute.name.isEmpty() || !attribute.value.isEmpty())
        stream << attribute.name.trimmed() << "=\"" << attribute.value << '"';
    return stream;
}

void xml_parseAttributes(const QString &text, xml_attribute_list &attributes)
{
    QString rest = text.trimmed();
    while (!rest.isEmpty()) {
        const qsizetype equals = rest.indexOf(u'=');
        const QString name = equals < 0 ? rest : rest.left(equals);
        qsizetype end;
        const QString value = quotedValue(rest, 0, end);
        attributes.append(xml_attribute_class(name, value));
        rest = end < 0 ? QString() : rest.mid(end).trimmed();
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
    xml_attribute_list merged;
    for (const xml_attribute_class &attribute : attributes)
        xml_setAttribute(merged, attribute.name, attribute.value);
    return merged;
}

void xml_writeAttributes(QTextStream &stream, const xml_attribute_list &attributes)
{
    for (const xml_attribute_class &attribute : attributes) {
        stream << ' ';
        xml_attribute_class::write(stream, attribute);
    }
}
