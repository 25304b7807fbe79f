#include "model/xml/xml_node_class.h"

#include "model/xml/xml_names.h"

#include <QTextStream>

#include <utility>

namespace {

bool namesMatch(const QString &a, const QString &b, Qt::CaseSensitivity cs)
{
    return QString::compare(a, b, cs) == 0;
}

} // namespace

xml_node_class::xml_node_class(int level) : level(level) {}

xml_node_class::xml_node_class(const xml_node_class &node) : xml_node_class(node, node.level) {}

xml_node_class::xml_node_class(const xml_node_class &node, int level)
    : name(node.name), comment(node.comment), attributes(xml_mergedAttributes(node.attributes)),
      children(node.children), level(level), readOrder(node.readOrder)
{
    copyLeavesFrom(node.leaves);
}

xml_node_class::xml_node_class(xml_node_class &&node, int level)
    : name(std::move(node.name)), comment(std::move(node.comment)),
      attributes(xml_mergedAttributes(std::move(node.attributes))), leaves(std::move(node.leaves)),
      children(std::move(node.children)), level(level), readOrder(node.readOrder)
{
    // The leaves taken over follow the copy rules all the same: this node's level + 1, and
    // no attribute name twice.
    for (xml_leaf_class &leaf : leaves) {
        leaf.level = level + 1;
        leaf.attributes = xml_mergedAttributes(std::move(leaf.attributes));
    }
}

xml_node_class &xml_node_class::operator=(const xml_node_class &other)
{
    xml_node_class copy(other);
    return *this = std::move(copy);
}

void xml_node_class::copyLeavesFrom(const xml_owning_list<xml_leaf_class> &source)
{
    for (const xml_leaf_class &leaf : source)
        leaves.append(xml_leaf_class(leaf, level + 1));
}

xml_attribute_class &xml_node_class::setAttribute(const QString &name, const QString &value)
{
    return xml_setAttribute(attributes, name, value);
}

QString xml_node_class::attribute(const QString &name) const
{
    return xml_attributeValue(attributes, name);
}

void xml_node_class::removeAttribute(const QString &name)
{
    for (qsizetype i = 0; i < attributes.size(); ++i) {
        if (attributes.at(i).name == name) {
            attributes.removeAt(i);
            return;
        }
    }
}

template <typename Match>
int xml_node_class::findChildFrom(qsizetype from, Match match)
{
    for (qsizetype i = from; i < children.size(); ++i) {
        if (match(children.at(i)))
            return int(i);
    }
    return -1;
}

xml_node_class *xml_node_class::findChild(const QString &name, bool ignoreCase)
{
    const QString wanted = ignoreCase ? name.toUpper() : name;
    iterator = findChildFrom(0, [&](const xml_node_class &child) {
        return ignoreCase ? child.name.toUpper() == wanted : child.name == wanted;
    });
    return childAt(iterator);
}

xml_node_class *xml_node_class::findChildByAttribute(const QString &name, const QString &attrName,
                                                     const QString &attrValue)
{
    iterator = findChildFrom(0, [&](const xml_node_class &child) {
        if (child.name != name)
            return false;
        const QString value = child.attribute(attrName);
        return !value.isNull() && value == attrValue;
    });
    return childAt(iterator);
}

xml_node_class *xml_node_class::nextChild()
{
    // The iterator may point past the end after removals: then there is nothing next.
    const xml_node_class *current = childAt(iterator);
    if (!current) {
        if (iterator >= 0)
            iterator = -1;
        return nullptr;
    }
    const QString wanted = current->name;
    iterator = findChildFrom(qsizetype(iterator) + 1, [&](const xml_node_class &child) { return child.name == wanted; });
    return childAt(iterator);
}

xml_node_class *xml_node_class::childAt(qsizetype index)
{
    return index >= 0 && index < children.size() ? &children[index] : nullptr;
}

const xml_node_class *xml_node_class::childAt(qsizetype index) const
{
    return index >= 0 && index < children.size() ? &children[index] : nullptr;
}

xml_node_class &xml_node_class::addChild(const QString &name)
{
    xml_node_class child(level + 1);
    child.name = name;
    return children.append(std::move(child));
}

xml_node_class &xml_node_class::addChildCopy(const xml_node_class &node)
{
    return children.append(xml_node_class(node, level + 1));
}

void xml_node_class::removeChild(const xml_node_class *child)
{
    const qsizetype index = children.indexOf(child);
    if (index >= 0)
        children.removeAt(index);
}

const xml_leaf_class *xml_node_class::findLeaf(const QString &name, Qt::CaseSensitivity cs) const
{
    for (const xml_leaf_class &leaf : leaves) {
        if (namesMatch(leaf.name, name, cs))
            return &leaf;
    }
    return nullptr;
}

xml_leaf_class *xml_node_class::findLeaf(const QString &name, Qt::CaseSensitivity cs)
{
    return const_cast<xml_leaf_class *>(std::as_const(*this).findLeaf(name, cs));
}

xml_leaf_class *xml_node_class::findLeafByAttribute(const QString &name, const QString &attrName,
                                                    const QString &attrValue, Qt::CaseSensitivity cs)
{
    for (xml_leaf_class &leaf : leaves) {
        if (!namesMatch(leaf.name, name, cs))
            continue;
        const QString value = leaf.attribute(attrName);
        if (!value.isNull() && namesMatch(value, attrValue, cs))
            return &leaf;
    }
    return nullptr;
}

QString xml_node_class::leafText(const QString &name, Qt::CaseSensitivity cs) const
{
    const xml_leaf_class *leaf = findLeaf(name, cs);
    if (!leaf)
        return QString();
    return leaf->text.isNull() ? QString(QLatin1String("")) : leaf->text;
}

xml_leaf_class &xml_node_class::setLeaf(const QString &name, const QString &text)
{
    if (xml_leaf_class *leaf = findLeaf(name, Qt::CaseSensitive)) {
        leaf->text = text;
        return *leaf;
    }
    return leaves.append(xml_leaf_class(name, text, level + 1));
}

void xml_node_class::removeLeaf(const QString &name)
{
    for (qsizetype i = 0; i < leaves.size(); ++i) {
        if (leaves.at(i).name == name) {
            leaves.removeAt(i);
            return;
        }
    }
}

void xml_node_class::fixLevels()
{
    for (xml_leaf_class &leaf : leaves)
        leaf.level = level + 1;
    for (xml_node_class &child : children) {
        child.level = level + 1;
        child.fixLevels();
    }
}

void xml_node_class::clear()
{
    attributes.clear();
    children.clear();
    leaves.clear();
}

bool xml_node_class::isValid() const
{
    if (!xml_isErrorFree(name, attributes))
        return false;
    for (const xml_leaf_class &leaf : leaves) {
        if (!leaf.isValid())
            return false;
    }
    for (const xml_node_class &child : children) {
        if (!child.isValid())
            return false;
    }
    return true;
}

QTextStream &xml_node_class::write(QTextStream &stream, const xml_node_class &node)
{
    const bool root = node.name == xml_names::Root;
    const bool bare = node.comment.isEmpty() && node.leaves.isEmpty() && node.children.isEmpty();
    const QString indentation = xml_indentation(node.level);
    const QString name = node.name.trimmed();
    if (!root) {
        stream << indentation << '<' << name;
        xml_writeAttributes(stream, node.attributes);
        stream << (bare ? "/>" : ">");
        xml_endLine(stream);
    }
    if (bare)
        return stream;
    if (!node.comment.isEmpty()) {
        stream << indentation << " <!-- " << node.comment << " -->";
        xml_endLine(stream);
    }
    for (const xml_leaf_class &leaf : node.leaves)
        xml_leaf_class::write(stream, leaf);
    for (const xml_node_class &child : node.children)
        write(stream, child);
    if (!root) {
        stream << indentation << "</" << name << '>';
        xml_endLine(stream);
    }
    return stream;
}
