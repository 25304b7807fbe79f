#pragma once

#include "model/bounded_line.h"
#include "model/xml/xml_node_class.h"

#include <QString>

class QTextStream;

// The unit the reader builds for every element it reads, and the type of a document's
// root (level -1, named "@root").
//
// Reading a document: create the root, keep one current line for the whole document
// (empty, or the first line read beforehand), and call parse(root, stream, line) until it
// returns false; then root.isValid() tells whether the tree holds error entries.
class xml_element_class : public xml_node_class
{
public:
    // Deepest nesting the reader follows: elements nested deeper are read flat at the
    // deepest level and marked with an "@error" leaf, so a crafted file cannot exhaust the
    // stack.
    static constexpr int MaxDepth = 64;
    // Longest line the reader takes, in characters; the rest of a longer line is dropped
    // and marked with an "@error" leaf.
    static constexpr int MaxLineLength = int(bounded_line::MaxLength);

    explicit xml_element_class(int level);

    // Reads one element (with everything inside it) from stream, beginning with the text
    // held in currentLine, and adds it to parent as a leaf or a child node. Returns true
    // when it added something, false when there was nothing more to read at this level
    // (an end tag, the end of the input, or a stream in error). On return currentLine holds
    // what follows the element read. Faults never stop it: they become error entries in
    // the tree.
    static bool parse(xml_element_class &parent, QTextStream &stream, QString &currentLine);

    // With child entries: written as its node copy (its own text is not written);
    // otherwise as one leaf line of its level, name, attributes and text.
    static QTextStream &write(QTextStream &stream, const xml_element_class &element);

    // Shows the element's text form in an information box.
    void preview() const;

    QString text;              // text gathered by the reader
    bool hasChildren = false;  // set by the reader: the element got leaves or child nodes
};
