#pragma once

// Helpers shared by the XML module's tests: reading a document the way the system's readers
// do, over a whole buffer or a device that yields one byte at a time, and a plain text
// description of a tree that shows every field the reader fills in.

#include "model/xml/xml_element_class.h"

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QStringList>
#include <QTextStream>

#include <cstring>
#include <memory>

// A sequential device that hands out its bytes a few at a time (one by default), like a
// slow pipe.
class trickle_device : public QIODevice
{
public:
    explicit trickle_device(const QByteArray &bytes, int step = 1) : bytes(bytes), step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return bytes.size() - position + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (position >= bytes.size())
            return -1;
        const qint64 count = qMin(qMin(maxSize, qint64(step)), qint64(bytes.size() - position));
        memcpy(data, bytes.constData() + position, size_t(count));
        position += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes;
    int step;
    qsizetype position = 0;
};

// How a document reaches the reader.
enum class xml_feed { Buffer, Trickle, String };

inline const char *feedName(xml_feed feed)
{
    switch (feed) {
    case xml_feed::Buffer: return "buffer";
    case xml_feed::Trickle: return "a few bytes at a time";
    case xml_feed::String: return "string";
    }
    return "";
}

// Lines joined with line feeds, for expected descriptions.
inline QString joinedLines(std::initializer_list<const char *> list)
{
    QStringList joined;
    for (const char *line : list)
        joined << QString::fromUtf8(line);
    return joined.join(QLatin1Char('\n'));
}

inline xml_element_class makeRoot()
{
    xml_element_class root(-1);
    root.name = QStringLiteral("@root");
    return root;
}

// A text stream over the document, fed as asked, with the device it reads kept alive.
class xml_source
{
public:
    xml_source(const QByteArray &document, xml_feed feed, int trickleStep = 1) : text(QString::fromUtf8(document))
    {
        switch (feed) {
        case xml_feed::Buffer: {
            auto buffer = std::make_unique<QBuffer>();
            buffer->setData(document);
            buffer->open(QIODevice::ReadOnly);
            device = std::move(buffer);
            break;
        }
        case xml_feed::Trickle:
            device = std::make_unique<trickle_device>(document, trickleStep);
            break;
        case xml_feed::String:
            break;
        }
        if (device)
            stream.setDevice(device.get());
        else
            stream.setString(&text, QIODevice::ReadOnly);
        stream.setEncoding(QStringConverter::Utf8);
    }

    QTextStream stream;

private:
    QString text;
    std::unique_ptr<QIODevice> device;
};

// Reads a whole document into root as the system's readers do: one current line for the
// whole document, parse until it reports that nothing more was read. Returns the number of
// calls that added something, or -1 when the reader did not stop within a bound that every
// finishing reader meets (each call that adds something consumes input).
inline int readDocument(xml_element_class &root, QTextStream &stream, QString &currentLine, qsizetype documentSize)
{
    int added = 0;
    while (xml_element_class::parse(root, stream, currentLine)) {
        if (++added > documentSize + 1)
            return -1;
    }
    return added;
}

inline int readDocument(xml_element_class &root, const QByteArray &document, xml_feed feed, int trickleStep = 1)
{
    xml_source source(document, feed, trickleStep);
    QString currentLine;
    return readDocument(root, source.stream, currentLine, document.size());
}

inline QString describeAttributes(const xml_attribute_list &attributes)
{
    if (attributes.isEmpty())
        return QString();
    QStringList parts;
    for (const xml_attribute_class &attribute : attributes)
        parts << attribute.name + QStringLiteral("=\"") + attribute.value + QLatin1Char('"');
    return QStringLiteral(" [") + parts.join(QLatin1Char(' ')) + QLatin1Char(']');
}

inline QString describeLeaf(const xml_leaf_class &leaf)
{
    return QStringLiteral("leaf ") + leaf.name + QLatin1Char(' ') + QString::number(leaf.level) + QStringLiteral(" \"")
        + leaf.text + QLatin1Char('"') + describeAttributes(leaf.attributes);
}

// One line per entry, two blanks of indentation per depth below the described node:
//   node NAME LEVEL [ATTRIBUTES] #COMMENT
//   leaf NAME LEVEL "TEXT" [ATTRIBUTES]
// leaves before child nodes, as the tree stores them.
inline void describeNode(const xml_node_class &node, int depth, QStringList &lines)
{
    const QString indent(2 * depth, QLatin1Char(' '));
    QString line = indent + QStringLiteral("node ") + node.name + QLatin1Char(' ') + QString::number(node.level)
        + describeAttributes(node.attributes);
    if (!node.comment.isEmpty())
        line += QStringLiteral(" #") + node.comment;
    lines << line;
    for (const xml_leaf_class &leaf : node.leaves)
        lines << indent + QStringLiteral("  ") + describeLeaf(leaf);
    for (const xml_node_class &child : node.children)
        describeNode(child, depth + 1, lines);
}

inline QString describeTree(const xml_node_class &node)
{
    QStringList lines;
    describeNode(node, 0, lines);
    return lines.join(QLatin1Char('\n'));
}

// The writer's text of a node.
inline QString writtenText(const xml_node_class &node)
{
    QString text;
    QTextStream stream(&text);
    xml_node_class::write(stream, node);
    stream.flush();
    return text;
}
