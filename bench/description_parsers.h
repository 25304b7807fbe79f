#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class xml_element_class;

// Two parsers of one project description text, for the file benchmark: the program's own
// line parser as the file reader runs it, and Qt's QXmlStreamReader over the same text
// made into standard XML. Both decode the text as the reader does (the local 8-bit
// encoding) and keep every element's name, attributes and text; a comparison of what
// each found shows that both read the whole description.
namespace description_parsers {

// The program's parser: the document's root, as the reader has it before taking the
// descriptions out.
std::unique_ptr<xml_element_class> parseOurs(const QByteArray &text);

// An element without child elements, as QXmlStreamReader gives it.
struct standard_leaf {
    QString name;
    QString number;  // the "nr" attribute
    QString mode;    // the "mode" attribute
    QString text;
};

// The description text as standard XML. Our writer doubles an ampersand instead of
// writing "&amp;" ("&lt;" and "&gt;" are standard already); the doubled ampersands are
// the only thing a standard parser refuses.
QByteArray asStandardXml(const QByteArray &text);

// QXmlStreamReader over standard XML text: its elements without child elements, in
// document order; *error gets the reader's error text, empty when none.
std::vector<standard_leaf> parseStandard(const QByteArray &xml, QString *error);

// What each parser found, one sorted line per element without child elements ("name
// nr mode: text", texts unescaped), so the two can be compared.
QStringList leafLines(const xml_element_class &root);
QStringList leafLines(const std::vector<standard_leaf> &leaves);

} // namespace description_parsers
