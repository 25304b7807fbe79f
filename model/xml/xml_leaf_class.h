#pragma once

#include "model/xml/xml_attribute_class.h"

#include <QString>

class QTextStream;
class xml_element_class;

// An element without child elements, always written on one line.
class xml_leaf_class
{
public:
    xml_leaf_class(const QString &name, const QString &text, int level);
    // Copy: name, text and attributes (merged by name); the given level when it is 0 or
    // more, otherwise the source's.
    xml_leaf_class(const xml_leaf_class &leaf, int level = -2);
    // From an element: its name, text and attributes (merged by name), at the given level.
    xml_leaf_class(const xml_element_class &element, int level);
    // The same, taking over the element's name, text and attributes instead of copying them.
    xml_leaf_class(xml_element_class &&element, int level);
    // From one line that holds a whole element, e.g. <name a="1">text</name>. A line
    // without "<" before ">" gives an empty leaf; a missing or other end tag adds the
    // attribute "@error" = "unclosed".
    xml_leaf_class(const QString &line, int level);
    xml_leaf_class(xml_leaf_class &&) = default;
    xml_leaf_class &operator=(const xml_leaf_class &other);
    xml_leaf_class &operator=(xml_leaf_class &&) = default;

    // The first attribute of that name gets the value, else one is appended; returns it.
    xml_attribute_class &setAttribute(const QString &name, const QString &value);
    // Value of the first attribute of that name; a null string when there is none.
    QString attribute(const QString &name) const;
    void clearAttributes();
    // False when the name is empty or "@error", or an attribute is named "@error".
    bool isValid() const;

    // Writes the leaf line: indentation, <name attributes>text</name> or <name attributes/>.
    static QTextStream &write(QTextStream &stream, const xml_leaf_class &leaf);

    QString name;
    QString text;  // may be empty; may hold line breaks, written unchanged
    xml_attribute_list attributes;
    int level = 0;  // the line is indented by this many blanks
    // Where the reader met this entry among its parent's leaves and child nodes, counted
    // together (the two lists each keep their own order only); -1 when it was not read
    // from a document. Copies keep it.
    int readOrder = -1;
};

// The validity test of one entry: a name that is neither empty nor "@error", and no
// attribute named "@error".
bool xml_isErrorFree(const QString &name, const xml_attribute_list &attributes);
// Indentation of an entry's lines: one blank per level, none for a level of 0 or below.
QString xml_indentation(int level);
// The end of every line the writer puts out (a line feed; the stream is flushed).
void xml_endLine(QTextStream &stream);
