#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class QTextStream;

// One attribute of an element: a name and a value. The value is kept and written exactly
// as set; nothing in the XML module escapes it.
class xml_attribute_class
{
public:
    xml_attribute_class() = default;
    xml_attribute_class(const QString &name, const QString &value);
    // From a text of the form name="value": the name is the text before the first "=",
    // trimmed; the value is the text between the first two double quotes after that "="
    // (the rest of the text when only one follows). A text without "=" is all name.
    explicit xml_attribute_class(const QString &text);

    // Writes name="value" with the name trimmed; nothing when both are empty.
    static QTextStream &write(QTextStream &stream, const xml_attribute_class &attribute);

    QString name;
    QString value;
};

using xml_attribute_list = QList<xml_attribute_class>;

// Appends the attributes written in a tag's text (name="value" pairs) to attributes, in
// order. Names are taken as they stand before their "="; a value runs between the next two
// double quotes. Two attributes of one name may both be appended.
void xml_parseAttributes(const QString &text, xml_attribute_list &attributes);
void xml_parseAttributes(QStringView text, xml_attribute_list &attributes);

// Shared by leaves and nodes: the first attribute of that name gets the value, else a new
// attribute is appended; returns the stored attribute.
xml_attribute_class &xml_setAttribute(xml_attribute_list &attributes, const QString &name, const QString &value);
// Value of the first attribute of that name; a null string when there is none (a found
// empty value is returned as an empty, non-null string).
QString xml_attributeValue(const xml_attribute_list &attributes, const QString &name);
// Copies a list the way the tree copies attributes: one by one through xml_setAttribute,
// so a name that stands twice ends as one attribute (first position, last value). The
// copy never shares its entries with the source.
xml_attribute_list xml_mergedAttributes(const xml_attribute_list &attributes);
// The same for a list that is no longer needed: taken over as it is when no name repeats.
xml_attribute_list xml_mergedAttributes(xml_attribute_list &&attributes);
// Writes " " and the attribute text for each attribute in order.
void xml_writeAttributes(QTextStream &stream, const xml_attribute_list &attributes);
