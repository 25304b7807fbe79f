#pragma once

#include "model/xml/xml_attribute_class.h"
#include "model/xml/xml_leaf_class.h"
#include "model/xml/xml_owning_list.h"

#include <QString>

class QTextStream;

// An element that may hold leaves and child elements. A tree owns everything under it.
// Levels are stored, not derived from the position in the tree: a document's root has
// level -1, its top-level elements 0, their leaves and child nodes 1, and so on.
class xml_node_class
{
public:
    explicit xml_node_class(int level);
    // Deep copy: name, comment, attributes (merged by name) and level of the source; each
    // leaf rebuilt at this copy's level + 1; child nodes deep-copied with their own levels;
    // iterator -1.
    xml_node_class(const xml_node_class &node);
    // The same at the given level (how a node is made from a parsed element): its leaves
    // get level + 1, its child nodes keep their levels.
    xml_node_class(const xml_node_class &node, int level);
    // The same, taking over the source's leaves and child nodes instead of copying them.
    xml_node_class(xml_node_class &&node, int level);
    xml_node_class(xml_node_class &&) = default;
    xml_node_class &operator=(const xml_node_class &other);
    xml_node_class &operator=(xml_node_class &&) = default;
    ~xml_node_class() = default;

    xml_attribute_class &setAttribute(const QString &name, const QString &value);
    // Value of the first attribute of that name; a null string when there is none.
    QString attribute(const QString &name) const;
    void removeAttribute(const QString &name);

    // The first child of that name (with ignoreCase, compared in upper case), or null.
    // Remembers the child's position in iterator (-1 when none) for nextChild.
    xml_node_class *findChild(const QString &name, bool ignoreCase = false);
    // The first child of that name that has the attribute attrName with value attrValue.
    // Sets iterator like findChild.
    xml_node_class *findChildByAttribute(const QString &name, const QString &attrName, const QString &attrValue);
    // The next child after iterator with the name of the child at iterator, or null.
    xml_node_class *nextChild();
    xml_node_class *childAt(qsizetype index);
    const xml_node_class *childAt(qsizetype index) const;
    // Appends a new child of that name at level + 1; returns it. iterator stays.
    xml_node_class &addChild(const QString &name);
    // Appends a deep copy of node at level + 1 (its leaves at level + 2, its child nodes at
    // their own levels); returns it.
    xml_node_class &addChildCopy(const xml_node_class &node);
    // Removes and destroys the child that is this very object; anything else: no change.
    void removeChild(const xml_node_class *child);

    xml_leaf_class *findLeaf(const QString &name, Qt::CaseSensitivity cs);
    const xml_leaf_class *findLeaf(const QString &name, Qt::CaseSensitivity cs) const;
    // The first leaf whose name matches and whose attribute attrName (name compared
    // exactly) has a value that matches attrValue.
    xml_leaf_class *findLeafByAttribute(const QString &name, const QString &attrName, const QString &attrValue,
                                        Qt::CaseSensitivity cs);
    // Text of the first leaf whose name matches; a null string when there is none.
    QString leafText(const QString &name, Qt::CaseSensitivity cs) const;
    // The first leaf of that name gets the text, else a new leaf at level + 1 is appended.
    xml_leaf_class &setLeaf(const QString &name, const QString &text);
    void removeLeaf(const QString &name);

    // Renumbers the subtree: leaves and children at level + 1, and so on downwards.
    void fixLevels();
    // Removes every attribute, child and leaf; name, comment, level and iterator stay.
    void clear();
    // False when this node or anything below it holds an error entry or has no name.
    bool isValid() const;

    // Writes the node and its subtree. A node named "@root" writes only its contents.
    static QTextStream &write(QTextStream &stream, const xml_node_class &node);

    QString name;
    QString comment;  // written on its own line after the start tag; empty: none
    xml_attribute_list attributes;
    xml_owning_list<xml_leaf_class> leaves;
    xml_owning_list<xml_node_class> children;
    int level = 0;
    int iterator = -1;  // position of the child found last by a search, -1 none
    // Where the reader met this node among its parent's leaves and child nodes, counted
    // together; -1 when it was not read from a document. Copies keep it.
    int readOrder = -1;

private:
    void copyLeavesFrom(const xml_owning_list<xml_leaf_class> &source);
    // Position of the first child from position from on that matches, -1 when none.
    template <typename Match>
    int findChildFrom(qsizetype from, Match match);
};
