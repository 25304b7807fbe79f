#include "model/xml/xml_leaf_class.h"

#include "model/xml/xml_element_class.h"
#include "model/xml/xml_names.h"
#include "model/xml/xml_start_tag.h"

#include <QTextStream>

#include <utility>

xml_leaf_class::xml_leaf_class(const QString &name, const QString &text, int level)
    : name(name), text(text), level(level)
{
}

xml_leaf_class::xml_leaf_class(const xml_leaf_class &leaf, int level)
    : name(leaf.name), text(leaf.text), attributes(xml_mergedAttributes(leaf.attributes)),
      level(level >= 0 ? level : leaf.level), readOrder(leaf.readOrder)
{
}

xml_leaf_class::xml_leaf_class(const xml_element_class &element, int level)
    : name(element.name), text(element.text), attributes(xml_mergedAttributes(element.attributes)), level(level)
{
}

xml_leaf_class::xml_leaf_class(xml_element_class &&element, int level)
    : name(std::move(element.name)), text(std::move(element.text)),
      attributes(xml_mergedAttributes(std::move(element.attributes))), level(level)
{
}

xml_leaf_class::xml_leaf_class(const QString &line, int level) : level(level)
{
    const QString trimmed = line.trimmed();
    if (!xml_holdsStartTag(trimmed))
        return;
    // What follows the first "<": the start tag up to the first ">", then text and end tag.
    const QString afterOpen = trimmed.mid(trimmed.indexOf(u'<') + 1);
    const qsizetype close = afterOpen.indexOf(u'>');
    const bool selfClosing = xml_readStartTag(QStringView(afterOpen).left(close), name, attributes);
    if (selfClosing)
        return;
    const QString rest = afterOpen.mid(close + 1);
    const qsizetype endTag = rest.indexOf(u'<');
    text = endTag < 0 ? rest : rest.left(endTag);
    if (endTag < 0 || !QStringView(rest).mid(endTag).startsWith(u"</")
        || xml_endTagName(QStringView(rest).mid(endTag + 2)) != name) {
        attributes.append(xml_attribute_class(xml_names::Error, xml_names::Unclosed));
    }
}

xml_leaf_class &xml_leaf_class::operator=(const xml_leaf_class &other)
{
    xml_leaf_class copy(other);
    return *this = std::move(copy);
}

xml_attribute_class &xml_leaf_class::setAttribute(const QString &name, const QString &value)
{
    return xml_setAttribute(attributes, name, value);
}

QString xml_leaf_class::attribute(const QString &name) const
{
    return xml_attributeValue(attributes, name);
}

void xml_leaf_class::clearAttributes()
{
    attributes.clear();
}

bool xml_leaf_class::isValid() const
{
    return xml_isErrorFree(name, attributes);
}

QTextStream &xml_leaf_class::write(QTextStream &stream, const xml_leaf_class &leaf)
{
    const QString name = leaf.name.trimmed();
    stream << xml_indentation(leaf.level) << '<' << name;
    xml_writeAttributes(stream, leaf.attributes);
    if (leaf.text.isEmpty())
        stream << "/>";
    else
        stream << '>' << leaf.text << "</" << name << '>';
    xml_endLine(stream);
    return stream;
}

bool xml_isErrorFree(const QString &name, const xml_attribute_list &attributes)
{
    if (name.isEmpty() || name == xml_names::Error)
        return false;
    for (const xml_attribute_class &attribute : attributes) {
        if (attribute.name == xml_names::Error)
            return false;
    }
    return true;
}

QString xml_indentation(int level)
{
    return level > 0 ? QString(level, u' ') : QString();
}

void xml_endLine(QTextStream &stream)
{
    stream << Qt::endl;
}
