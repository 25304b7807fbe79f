// The line reader of the XML dialect: builds a tree from a text stream one line at a time,
// recording what it cannot read as error entries in the tree instead of stopping.
#include "model/xml/xml_element_class.h"

#include "model/bounded_line.h"
#include "model/xml/xml_names.h"
#include "model/xml/xml_start_tag.h"

#include <QTextStream>

#include <utility>

namespace {

// Reads elements for one call of xml_element_class::parse. It holds the stream and the
// caller's current line, which carries the unread rest of a line from one element to the
// next; each element is built in a local element and handed to its parent when complete.
class element_reader
{
public:
    element_reader(QTextStream &stream, QString &line) : stream(stream), line(line) {}

    // Reads one element into parent; depth 0 is the level of the caller's parent.
    bool parse(xml_element_class &parent, int depth)
    {
        if (stream.status() != QTextStream::Ok)
            return false;
        while (line.isEmpty() && !inputEnded())
            line += readLine(parent);
        if (QStringView(line).trimmed().startsWith(u"</")) {
            // The end tag of the parent, left for it. A document's root has no end tag: one
            // met at its level ends the reading, which must not pass for a whole document.
            if (isDocumentLevel(parent, depth))
                addError(parent, xml_names::UnexpectedEndTag);
            return false;
        }
        xml_element_class element(parent.level + 1);
        readElement(parent, element, depth);
        return complete(parent, element);
    }

private:
    // Finds the start tag, reads what follows it up to the end tag.
    void readElement(xml_element_class &parent, xml_element_class &element, int depth)
    {
        bool open = false;  // a start tag was read and its end tag has not come yet
        bool markedTooDeep = false;
        for (;;) {
            if (!findStartTag(parent, element)) {
                // The input ended. Inside an element, or before a start tag that is left
                // unread on the last line at the document's level, it is a truncated
                // document, which must not pass for a whole one.
                if (open)
                    element.attributes.append(xml_attribute_class(xml_names::Error, xml_names::Unclosed));
                else if (isDocumentLevel(parent, depth) && holdsUnreadStartTag())
                    addError(parent, xml_names::UnexpectedEof);
                return;
            }
            if (readStartTag(element))
                return;
            open = true;
            if (line.isEmpty())
                line = readLine(element);
            const bool childrenFollow = opensChildElement(line);
            if (childrenFollow && depth + 1 < xml_element_class::MaxDepth) {
                while (parse(element, depth + 1)) {
                }
            } else {
                if (childrenFollow && !markedTooDeep) {
                    // Deeper elements are read at this level, one after the other.
                    addError(element, xml_names::NestingTooDeep);
                    markedTooDeep = true;
                }
                readText(element);
            }
            if (line.contains(u"</")) {
                readEndTag(element);
                return;
            }
            // No end tag here: the search for a start tag goes on, and one found is read
            // into the same element.
        }
    }

    // Whether the line, blanks aside, starts with a start tag: the element holds child
    // elements. The view of the line ends here, before anything rewrites the line.
    static bool opensChildElement(const QString &line)
    {
        const QStringView trimmed = QStringView(line).trimmed();
        return trimmed.startsWith(u'<') && !trimmed.startsWith(u"</");
    }

    // The content of a document's root, which has no tags of its own.
    static bool isDocumentLevel(const xml_element_class &parent, int depth)
    {
        return depth == 0 && parent.name == xml_names::Root;
    }

    static bool isPassedOver(const QString &line)
    {
        return line.isEmpty() || line.startsWith(u"<?") || line.startsWith(u"<!");
    }

    bool holdsUnreadStartTag() const
    {
        return !isPassedOver(line) && xml_holdsStartTag(line) && !QStringView(line).trimmed().startsWith(u"</");
    }

    // Passes over empty lines, processing instructions, declarations and comments and
    // records lines that hold no tag. False when the input ended before a start tag (so a
    // start tag on the last line of the input is not read).
    bool findStartTag(xml_element_class &parent, xml_element_class &element)
    {
        for (;;) {
            if (inputEnded())
                return false;
            if (line.startsWith(u"<!--"))
                takeComment(parent);
            else if (!isPassedOver(line)) {
                if (xml_holdsStartTag(line))
                    return true;
                addError(element, xml_names::InvalidLine);
            }
            line = readLine(element).trimmed();
        }
    }

    // A comment line becomes the comment of the element whose content is being read. The
    // writer puts a blank before "-->", so the character before it is dropped.
    void takeComment(xml_element_class &parent)
    {
        const qsizetype end = line.indexOf(u"-->");
        parent.comment = end < 0 ? QString() : line.left(end - 1).mid(4).trimmed();
    }

    // Reads the start tag at the first "<" of the line into the element's name and
    // attributes (a name read before is replaced). True for a self-closing tag.
    bool readStartTag(xml_element_class &element)
    {
        line.remove(0, line.indexOf(u'<') + 1);
        const qsizetype close = line.indexOf(u'>');
        const QStringView tag(line);
        const bool selfClosing = xml_readStartTag(close < 0 ? tag : tag.left(close), element.name, element.attributes);
        if (close >= 0)
            line.remove(0, close + 1);
        return selfClosing;
    }

    // Gathers the element's text up to the next "<"; lines after the first are joined with
    // "\r\n", whatever ended them in the input.
    void readText(xml_element_class &element)
    {
        const qsizetype open = line.indexOf(u'<');
        if (open >= 0) {
            appendText(element, QStringView(line).left(open));
            line.remove(0, open);
            return;
        }
        for (;;) {
            element.text += line;
            element.text += QLatin1String("\r\n");
            if (inputEnded()) {
                addError(element, xml_names::UnexpectedEof);
                return;
            }
            line = readLine(element);
            if (line.contains(u'<'))
                return;
        }
    }

    // Adds a piece of the current line to the element's text. Once a piece was added the
    // text is no longer null, even when every piece was empty.
    static void appendText(xml_element_class &element, QStringView piece)
    {
        if (element.text.isNull())
            element.text = piece.toString();
        else
            element.text += piece;
    }

    // The line holds "</": the text before the first "<" is the element's, and an end tag
    // of another name marks the element unclosed and stays in the line for the enclosing
    // element.
    void readEndTag(xml_element_class &element)
    {
        appendText(element, QStringView(line).left(line.indexOf(u'<')));
        const QStringView endName = xml_endTagName(QStringView(line).mid(line.indexOf(u"</") + 2));
        if (endName != element.name) {
            element.attributes.append(xml_attribute_class(xml_names::Error, xml_names::Unclosed));
            return;
        }
        const qsizetype close = line.indexOf(u'>');
        if (close < 0)
            line.clear();
        else
            line.remove(0, close + 1);
    }

    // Hands the element to its parent: as a leaf when nothing is nested in it, else as a
    // child node, whose text (when not blank) becomes a leaf "value". False when nothing
    // was read. The parent keeps leaves and child nodes apart; readOrder tells where the
    // element stood among them.
    static bool complete(xml_element_class &parent, xml_element_class &element)
    {
        if (element.children.isEmpty() && element.leaves.isEmpty() && element.text.isEmpty()
            && element.name.isEmpty() && element.comment.isEmpty() && element.attributes.isEmpty())
            return false;
        const int order = int(parent.leaves.size() + parent.children.size());
        element.hasChildren = !element.leaves.isEmpty() || !element.children.isEmpty();
        if (!element.hasChildren) {
            parent.leaves.append(xml_leaf_class(std::move(element), parent.level + 1)).readOrder = order;
            return true;
        }
        if (!element.text.trimmed().isEmpty()) {
            element.leaves.append(xml_leaf_class(xml_names::TextLeaf, element.text, parent.level + 2));
            element.text.clear();
        }
        parent.children.append(xml_node_class(std::move(element), parent.level + 1)).readOrder = order;
        return true;
    }

    // The next line without its terminator, at most MaxLineLength characters; the rest of
    // a longer line is dropped and an error leaf is added to target. Reads are bounded, so
    // an endless line never makes an endless string.
    QString readLine(xml_element_class &target)
    {
        QString read;
        switch (bounded_line::read(stream, read)) {
        case bounded_line::result::Ok:
            break;
        case bounded_line::result::TooLong:
            addError(target, xml_names::LineTooLong);
            break;
        case bounded_line::result::Failed:
            // Reading ends here, and the stream's status tells the caller.
            readFailed = true;
            stream.setStatus(QTextStream::ReadCorruptData);
            addError(target, xml_names::ReadError);
            break;
        }
        return read;
    }

    // An error leaf among the target's leaves, at the level of its leaves.
    static void addError(xml_element_class &target, QLatin1String text)
    {
        target.leaves.append(xml_leaf_class(xml_names::Error, text, target.level + 1));
    }

    // The input has ended when the stream has no further character, or could not be read.
    bool inputEnded() const { return readFailed || stream.atEnd(); }

    QTextStream &stream;
    QString &line;
    bool readFailed = false;
};

} // namespace

bool xml_element_class::parse(xml_element_class &parent, QTextStream &stream, QString &currentLine)
{
    return element_reader(stream, currentLine).parse(parent, 0);
}
