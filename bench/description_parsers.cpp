#include "bench/description_parsers.h"

#include "model/xml/xml_element_class.h"
#include "model/xml/xml_escape.h"
#include "model/xml/xml_names.h"

#include <QStringDecoder>
#include <QTextStream>
#include <QXmlStreamReader>

namespace description_parsers {

namespace {

const QString NumberAttribute = QStringLiteral("nr");
const QString ModeAttribute = QStringLiteral("mode");

QString leafLine(const QString &name, const QString &number, const QString &mode, const QString &text)
{
    return name + QLatin1Char(' ') + number + QLatin1Char(' ') + mode + QLatin1String(": ") + text;
}

void collectLeafLines(const xml_node_class &node, QStringList &lines)
{
    for (const xml_leaf_class &leaf : node.leaves) {
        lines << leafLine(leaf.name, leaf.attribute(NumberAttribute), leaf.attribute(ModeAttribute),
                          xml_unescapeText(leaf.text));
    }
    for (const xml_node_class &child : node.children)
        collectLeafLines(child, lines);
}

} // namespace

std::unique_ptr<xml_element_class> parseOurs(const QByteArray &text)
{
    QTextStream in(text);
    in.setEncoding(QStringConverter::System);
    QString line;
    do {
        line = in.readLine().trimmed();
    } while (line.isEmpty() && !in.atEnd());
    auto root = std::make_unique<xml_element_class>(-1);
    root->name = xml_names::Root;
    while (xml_element_class::parse(*root, in, line)) {
    }
    return root;
}

QByteArray asStandardXml(const QByteArray &text)
{
    // Left to right, pair by pair: "&&&lt;" (an ampersand, then "<") becomes "&amp;&lt;".
    QByteArray xml = text;
    return xml.replace("&&", "&amp;");
}

std::vector<standard_leaf> parseStandard(const QByteArray &xml, QString *error)
{
    QStringDecoder decode(QStringConverter::System);
    const QString text = decode(xml);
    QXmlStreamReader reader(text);
    std::vector<standard_leaf> leaves;
    // The element opened last, and whether the innermost open element has child elements.
    standard_leaf current;
    bool hasChildElements = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            hasChildElements = false;
            const QXmlStreamAttributes attributes = reader.attributes();
            current = {reader.name().toString(), attributes.value(NumberAttribute).toString(),
                    attributes.value(ModeAttribute).toString(), QString()};
            break;
        }
        case QXmlStreamReader::Characters:
            current.text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            if (!hasChildElements)
                leaves.push_back(std::move(current));
            current = standard_leaf();
            hasChildElements = true;  // the element around the closed one has a child
            break;
        default:
            break;
        }
    }
    *error = reader.hasError() ? reader.errorString() : QString();
    return leaves;
}

QStringList leafLines(const xml_element_class &root)
{
    QStringList lines;
    collectLeafLines(root, lines);
    lines.sort();
    return lines;
}

QStringList leafLines(const std::vector<standard_leaf> &leaves)
{
    QStringList lines;
    for (const standard_leaf &leaf : leaves)
        lines << leafLine(leaf.name, leaf.number, leaf.mode, leaf.text);
    lines.sort();
    return lines;
}

} // namespace description_parsers
