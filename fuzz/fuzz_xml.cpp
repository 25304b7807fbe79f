// Feeds arbitrary bytes to the XML line reader, whole and a few bytes at a time, and checks
// what must hold for any input: the reader stops, the two feeds give the same tree, the
// levels follow the nesting and stay within the depth bound, the tree can be written, and
// escaping is undone by unescaping.
#include "model/xml/xml_element_class.h"
#include "model/xml/xml_escape.h"
#include "tests/model/xml/xml_test_support.h"

#include <QByteArray>
#include <QString>
#include <QTextStream>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

#define check(condition) checkThat(condition, #condition)

void checkThat(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "failed: %s\n", what);
        std::abort();
    }
}

// Every entry's level is its depth below the root, and no node lies deeper than the bound.
void checkLevels(const xml_node_class &node, int level)
{
    check(node.level == level);
    check(level < xml_element_class::MaxDepth);
    for (const xml_leaf_class &leaf : node.leaves)
        check(leaf.level == level + 1);
    for (const xml_node_class &child : node.children)
        checkLevels(child, level + 1);
}

QString readAndDescribe(const QByteArray &bytes, xml_feed feed, int trickleStep)
{
    // Latin-1 gives every byte one character, so both feeds see the same text: how Qt's
    // UTF-8 decoder replaces broken sequences depends on where a read ends, which is not
    // the reader's concern.
    xml_source source(bytes, feed, trickleStep);
    source.stream.setEncoding(QStringConverter::Latin1);
    xml_element_class root = makeRoot();
    QString currentLine;
    check(readDocument(root, source.stream, currentLine, bytes.size()) >= 0);
    for (const xml_leaf_class &leaf : root.leaves)
        check(leaf.level == 0);
    for (const xml_node_class &child : root.children)
        checkLevels(child, 0);
    root.isValid();
    return describeTree(root) + writtenText(xml_node_class(root, -1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int trickleStep = size > 0 ? 1 + data[0] % 13 : 1;
    check(readAndDescribe(bytes, xml_feed::Buffer, 1) == readAndDescribe(bytes, xml_feed::Trickle, trickleStep));

    const QString text = QString::fromUtf8(bytes);
    check(xml_unescapeText(xml_escapeText(text)) == text);
    const xml_leaf_class leaf(text, 0);
    check(leaf.level == 0);
    return 0;
}
