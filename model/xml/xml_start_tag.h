#pragma once

#include "model/xml/xml_attribute_class.h"

#include <QString>
#include <QStringView>

// Pieces of tag reading shared by the document reader and the one-line leaf reader.

// True when the text holds a "<" and a ">" with the first "<" before the first ">".
bool xml_holdsStartTag(QStringView text);

// Reads the inside of a start tag (the text between "<" and ">"): a trailing "/" marks a
// self-closing tag; the first white space after the name's first character ends the name
// and the rest is read as attributes (appended to attributes). A tag that begins with
// white space keeps all its text as the name. Returns true for a self-closing tag.
bool xml_readStartTag(QStringView tagText, QString &name, xml_attribute_list &attributes);

// The name of an end tag from the text that follows its "</": up to the next ">", or to
// the end when there is none.
QStringView xml_endTagName(QStringView afterSlash);
