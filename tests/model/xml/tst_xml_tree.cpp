#include "model/xml/xml_element_class.h"
#include "tests/model/xml/xml_test_support.h"
#include "tests/support/scripted_interaction.h"

#include <QtTest>

namespace {

xml_attribute_list attributeList(std::initializer_list<std::pair<const char *, const char *>> list)
{
    xml_attribute_list result;
    for (const auto &[name, value] : list)
        result.append(xml_attribute_class(QString::fromUtf8(name), QString::fromUtf8(value)));
    return result;
}

// A node of level 2 with a comment, a repeated attribute, leaves and children at levels of
// their own, and a search done (iterator set).
xml_node_class sampleNode()
{
    xml_node_class node(2);
    node.name = QStringLiteral("n");
    node.comment = QStringLiteral("c");
    node.attributes = attributeList({{"a", "1"}, {"b", "2"}, {"a", "3"}});
    node.leaves.append(xml_leaf_class(QStringLiteral("l1"), QStringLiteral("t1"), 5)).attributes =
        attributeList({{"x", "1"}, {"x", "2"}});
    node.leaves.append(xml_leaf_class(QStringLiteral("l2"), QString(), 9));
    xml_node_class child(7);
    child.name = QStringLiteral("c1");
    child.leaves.append(xml_leaf_class(QStringLiteral("cl"), QStringLiteral("v"), 1));
    node.children.append(child);
    node.addChild(QStringLiteral("c2"));
    node.findChild(QStringLiteral("c2"));
    return node;
}

} // namespace

class tst_xml_tree : public QObject
{
    Q_OBJECT

private slots:
    void attributeFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "name=\"value\"" << "name" << "value";
        QTest::newRow("blanks and more") << " name = \"va lue\" extra" << "name" << "va lue";
        QTest::newRow("no equals sign") << "  name  " << "name" << "";
        QTest::newRow("open quote") << "a=\"x" << "a" << "x";
        QTest::newRow("no quotes") << "a=x" << "a" << "";
        QTest::newRow("second equals sign") << "a=b=\"c\"" << "a" << "c";
    }
    void attributeFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const xml_attribute_class attribute(text);
        QCOMPARE(attribute.name, name);
        QCOMPARE(attribute.value, value);
    }

    void leafCopyRules()
    {
        xml_leaf_class leaf(QStringLiteral("l"), QStringLiteral("t"), 4);
        leaf.attributes = attributeList({{"a", "1"}, {"b", "2"}, {"a", "3"}});
        const QString merged = QStringLiteral(" [a=\"3\" b=\"2\"]");

        const xml_leaf_class same(leaf);
        QCOMPARE(same.level, 4);
        QCOMPARE(describeAttributes(same.attributes), merged);
        QCOMPARE(same.text, QStringLiteral("t"));
        QCOMPARE(xml_leaf_class(leaf, 0).level, 0);
        QCOMPARE(xml_leaf_class(leaf, -1).level, 4);

        xml_leaf_class assigned(QStringLiteral("other"), QString(), 0);
        assigned = leaf;
        QCOMPARE(assigned.name, QStringLiteral("l"));
        QCOMPARE(assigned.level, 4);
        QCOMPARE(describeAttributes(assigned.attributes), merged);
    }

    void nodeCopyRules()
    {
        const xml_node_class source = sampleNode();
        QCOMPARE(source.iterator, 1);
        const QString deepCopy = joinedLines({"node n 2 [a=\"3\" b=\"2\"] #c",
                                              "  leaf l1 3 \"t1\" [x=\"2\"]",
                                              "  leaf l2 3 \"\"",
                                              "  node c1 7",
                                              "    leaf cl 8 \"v\"",
                                              "  node c2 3"});
        xml_node_class copy(source);
        QCOMPARE(describeTree(copy), deepCopy);
        QCOMPARE(copy.iterator, -1);
        copy.children[0].name = QStringLiteral("changed");
        QCOMPARE(source.children.at(0).name, QStringLiteral("c1"));

        xml_node_class assigned(0);
        assigned = source;
        QCOMPARE(describeTree(assigned), deepCopy);
        QCOMPARE(assigned.iterator, -1);

        // A list of leaves copied as a whole keeps every leaf's level.
        const xml_owning_list<xml_leaf_class> leaves = source.leaves;
        QCOMPARE(leaves.at(0).level, 5);
        QCOMPARE(leaves.at(1).level, 9);

        // Appended to another node: level of that node + 1, leaves + 2, children their own.
        xml_node_class parent(10);
        xml_node_class &appended = parent.addChildCopy(source);
        QCOMPARE(describeTree(appended), joinedLines({"node n 11 [a=\"3\" b=\"2\"] #c",
                                                      "  leaf l1 12 \"t1\" [x=\"2\"]",
                                                      "  leaf l2 12 \"\"",
                                                      "  node c1 7",
                                                      "    leaf cl 8 \"v\"",
                                                      "  node c2 3"}));
        QCOMPARE(appended.iterator, -1);
    }

    void conversionsFromAnElement()
    {
        xml_element_class element(4);
        element.name = QStringLiteral("e");
        element.comment = QStringLiteral("c");
        element.text = QStringLiteral("t");
        element.hasChildren = true;
        element.attributes = attributeList({{"k", "1"}, {"k", "2"}});
        element.leaves.append(xml_leaf_class(QStringLiteral("l"), QStringLiteral("v"), 9));
        element.addChild(QStringLiteral("child"));

        const xml_node_class node(element, 1);
        QCOMPARE(describeTree(node), joinedLines({"node e 1 [k=\"2\"] #c", "  leaf l 2 \"v\"", "  node child 5"}));

        const xml_leaf_class leaf(element, 3);
        QCOMPARE(leaf.name, QStringLiteral("e"));
        QCOMPARE(leaf.text, QStringLiteral("t"));
        QCOMPARE(leaf.level, 3);
        QCOMPARE(describeAttributes(leaf.attributes), QStringLiteral(" [k=\"2\"]"));
    }

    // A copy owns its attributes: writing through a reference that setAttribute handed out
    // before the copy changes the original only, and the copy's own edits leave the
    // original alone, for every way a leaf or a node is copied.
    void copiesAreIndependentOfKeptReferences()
    {
        xml_leaf_class leaf(QStringLiteral("l"), QString(), 1);
        xml_attribute_class &leafValue = leaf.setAttribute(QStringLiteral("a"), QStringLiteral("1"));
        const xml_leaf_class leafCopy(leaf);
        xml_leaf_class leafAssigned(QStringLiteral("other"), QString(), 0);
        leafAssigned = leaf;
        xml_node_class node(0);
        xml_attribute_class &nodeValue = node.setAttribute(QStringLiteral("a"), QStringLiteral("1"));
        xml_attribute_class &leafInNode = node.setLeaf(QStringLiteral("l"), QString()).setAttribute(QStringLiteral("a"), QStringLiteral("1"));
        xml_node_class &child = node.addChild(QStringLiteral("c"));
        xml_attribute_class &childValue = child.setAttribute(QStringLiteral("a"), QStringLiteral("1"));
        const xml_node_class nodeCopy(node);
        xml_node_class nodeAssigned(0);
        nodeAssigned = node;
        xml_node_class parent(0);
        const xml_node_class &appended = parent.addChildCopy(node);
        const xml_owning_list<xml_node_class> children = node.children;
        xml_element_class element(0);
        xml_attribute_class &elementValue = element.setAttribute(QStringLiteral("a"), QStringLiteral("1"));
        const xml_leaf_class leafOfElement(element, 1);
        const xml_node_class nodeOfElement(element, 1);

        for (xml_attribute_class *kept : {&leafValue, &nodeValue, &leafInNode, &childValue, &elementValue})
            kept->value = QStringLiteral("2");
        QCOMPARE(leaf.attribute(QStringLiteral("a")), QStringLiteral("2"));
        QCOMPARE(node.attribute(QStringLiteral("a")), QStringLiteral("2"));
        QCOMPARE(child.attribute(QStringLiteral("a")), QStringLiteral("2"));
        const QList<const xml_leaf_class *> leafCopies{&leafCopy, &leafAssigned, &leafOfElement, &nodeCopy.leaves.at(0),
                                                       &nodeAssigned.leaves.at(0), &appended.leaves.at(0)};
        for (const xml_leaf_class *copy : leafCopies)
            QCOMPARE(copy->attribute(QStringLiteral("a")), QStringLiteral("1"));
        const QList<const xml_node_class *> nodeCopies{&nodeCopy, &nodeAssigned, &appended, &nodeOfElement,
                                                       &nodeCopy.children.at(0), &nodeAssigned.children.at(0),
                                                       &appended.children.at(0), &children.at(0)};
        for (const xml_node_class *copy : nodeCopies)
            QCOMPARE(copy->attribute(QStringLiteral("a")), QStringLiteral("1"));

        // The other way round: a copy's reference changes the copy only.
        xml_leaf_class second(leaf);
        second.setAttribute(QStringLiteral("a"), QStringLiteral("3")).value = QStringLiteral("4");
        QCOMPARE(second.attribute(QStringLiteral("a")), QStringLiteral("4"));
        QCOMPARE(leaf.attribute(QStringLiteral("a")), QStringLiteral("2"));
    }

    // Entries are held by pointer: a reference handed out stays valid while its list grows.
    void referencesStayValid()
    {
        xml_node_class node(0);
        xml_node_class &first = node.addChild(QStringLiteral("first"));
        xml_leaf_class &leaf = node.setLeaf(QStringLiteral("leaf"), QStringLiteral("1"));
        for (int i = 0; i < 1000; ++i) {
            node.addChild(QString::number(i));
            node.setLeaf(QString::number(i), QString());
        }
        first.setLeaf(QStringLiteral("inside"), QStringLiteral("x"));
        leaf.text = QStringLiteral("2");
        QCOMPARE(node.childAt(0)->leafText(QStringLiteral("inside"), Qt::CaseSensitive), QStringLiteral("x"));
        QCOMPARE(node.leafText(QStringLiteral("leaf"), Qt::CaseSensitive), QStringLiteral("2"));
        QCOMPARE(&node.children[0], &first);
    }

    void searchingChildren()
    {
        xml_node_class node(0);
        for (const char *name : {"a", "b", "a", "c", "A"})
            node.addChild(QString::fromUtf8(name));
        QCOMPARE(node.findChild(QStringLiteral("a")), node.childAt(0));
        QCOMPARE(node.iterator, 0);
        QCOMPARE(node.nextChild(), node.childAt(2));
        QCOMPARE(node.iterator, 2);
        QCOMPARE(node.nextChild(), nullptr);
        QCOMPARE(node.iterator, -1);
        QCOMPARE(node.nextChild(), nullptr);

        QCOMPARE(node.findChild(QStringLiteral("A"), true), node.childAt(0));
        QCOMPARE(node.findChild(QStringLiteral("A"), false), node.childAt(4));
        QCOMPARE(node.findChild(QStringLiteral("x")), nullptr);
        QCOMPARE(node.iterator, -1);
        QCOMPARE(node.nextChild(), nullptr);

        QCOMPARE(node.childAt(-1), nullptr);
        QCOMPARE(node.childAt(5), nullptr);
        QCOMPARE(std::as_const(node).childAt(4)->name, QStringLiteral("A"));
    }

    void searchingChildrenByAttribute()
    {
        xml_node_class node(0);
        for (int i = 0; i < 4; ++i)
            node.addChild(QStringLiteral("item"));
        node.addChild(QStringLiteral("other")).setAttribute(QStringLiteral("id"), QStringLiteral("2"));
        node.children[1].setAttribute(QStringLiteral("id"), QStringLiteral("2"));
        node.children[2].setAttribute(QStringLiteral("id"), QString());
        node.children[3].setAttribute(QStringLiteral("id"), QStringLiteral("2"));
        QCOMPARE(node.findChildByAttribute(QStringLiteral("item"), QStringLiteral("id"), QStringLiteral("2")), node.childAt(1));
        QCOMPARE(node.iterator, 1);
        // nextChild goes on by name alone.
        QCOMPARE(node.nextChild(), node.childAt(2));
        QCOMPARE(node.findChildByAttribute(QStringLiteral("item"), QStringLiteral("id"), QString()), node.childAt(2));
        QCOMPARE(node.findChildByAttribute(QStringLiteral("item"), QStringLiteral("ID"), QStringLiteral("2")), nullptr);
        QCOMPARE(node.iterator, -1);
    }

    void addingAndRemovingChildren()
    {
        xml_node_class node(3);
        node.addChild(QStringLiteral("a"));
        xml_node_class &b = node.addChild(QStringLiteral("b"));
        node.addChild(QStringLiteral("b"));
        QCOMPARE(b.level, 4);
        QCOMPARE(node.findChild(QStringLiteral("b")), &b);
        node.addChild(QStringLiteral("c"));
        QCOMPARE(node.iterator, 1);

        const xml_node_class copy(b);
        node.removeChild(&copy);
        node.removeChild(nullptr);
        QCOMPARE(node.children.size(), 4);

        // Removals leave the iterator alone; past the end, nextChild finds nothing.
        node.removeChild(node.childAt(3));
        node.removeChild(node.childAt(2));
        node.removeChild(node.childAt(1));
        QCOMPARE(node.children.size(), 1);
        QCOMPARE(node.iterator, 1);
        QCOMPARE(node.nextChild(), nullptr);
        QCOMPARE(node.iterator, -1);
    }

    void leaves()
    {
        xml_node_class node(1);
        node.setLeaf(QStringLiteral("Lang"), QStringLiteral("de"));
        node.setLeaf(QStringLiteral("empty"), QString());
        node.setLeaf(QStringLiteral("key"), QStringLiteral("1")).setAttribute(QStringLiteral("nr"), QStringLiteral("Ab"));
        node.setLeaf(QStringLiteral("Lang"), QStringLiteral("fr"));
        node.leaves.append(xml_leaf_class(QStringLiteral("Lang"), QStringLiteral("second"), 2));
        QCOMPARE(describeTree(node), joinedLines({"node  1",
                                                  "  leaf Lang 2 \"fr\"",
                                                  "  leaf empty 2 \"\"",
                                                  "  leaf key 2 \"1\" [nr=\"Ab\"]",
                                                  "  leaf Lang 2 \"second\""}));

        QCOMPARE(node.findLeaf(QStringLiteral("lang"), Qt::CaseSensitive), nullptr);
        QCOMPARE(node.findLeaf(QStringLiteral("lang"), Qt::CaseInsensitive), &node.leaves[0]);
        QCOMPARE(node.leafText(QStringLiteral("LANG"), Qt::CaseInsensitive), QStringLiteral("fr"));
        QVERIFY(node.leafText(QStringLiteral("none"), Qt::CaseInsensitive).isNull());
        const QString empty = node.leafText(QStringLiteral("empty"), Qt::CaseSensitive);
        QVERIFY(empty.isEmpty() && !empty.isNull());

        QCOMPARE(node.findLeafByAttribute(QStringLiteral("KEY"), QStringLiteral("nr"), QStringLiteral("ab"), Qt::CaseInsensitive),
                 &node.leaves[2]);
        QCOMPARE(node.findLeafByAttribute(QStringLiteral("key"), QStringLiteral("nr"), QStringLiteral("ab"), Qt::CaseSensitive),
                 nullptr);
        QCOMPARE(node.findLeafByAttribute(QStringLiteral("key"), QStringLiteral("NR"), QStringLiteral("Ab"), Qt::CaseInsensitive),
                 nullptr);

        node.removeLeaf(QStringLiteral("Lang"));
        node.removeLeaf(QStringLiteral("none"));
        QCOMPARE(node.leaves.size(), 3);
        QCOMPARE(node.leafText(QStringLiteral("Lang"), Qt::CaseSensitive), QStringLiteral("second"));
    }

    void settingAndReadingAttributes()
    {
        xml_node_class node(0);
        node.attributes = attributeList({{"a", "1"}, {"b", ""}, {"a", "2"}});
        xml_attribute_class &set = node.setAttribute(QStringLiteral("a"), QStringLiteral("x"));
        QCOMPARE(&set, &node.attributes[0]);
        QCOMPARE(node.setAttribute(QStringLiteral("c"), QStringLiteral("3")).name, QStringLiteral("c"));
        QCOMPARE(describeAttributes(node.attributes), QStringLiteral(" [a=\"x\" b=\"\" a=\"2\" c=\"3\"]"));
        QVERIFY(node.attribute(QStringLiteral("none")).isNull());
        QVERIFY(!node.attribute(QStringLiteral("b")).isNull());
        QVERIFY(node.attribute(QStringLiteral("b")).isEmpty());
        node.removeAttribute(QStringLiteral("a"));
        node.removeAttribute(QStringLiteral("none"));
        QCOMPARE(describeAttributes(node.attributes), QStringLiteral(" [b=\"\" a=\"2\" c=\"3\"]"));

        xml_leaf_class leaf(QStringLiteral("l"), QString(), 0);
        leaf.setAttribute(QStringLiteral("a"), QStringLiteral("1"));
        QCOMPARE(leaf.attribute(QStringLiteral("a")), QStringLiteral("1"));
        leaf.clearAttributes();
        QVERIFY(leaf.attributes.isEmpty());
    }

    void fixLevelsAndClear()
    {
        xml_node_class node = sampleNode();
        node.children[0].level = 40;
        node.fixLevels();
        QCOMPARE(describeTree(node), joinedLines({"node n 2 [a=\"1\" b=\"2\" a=\"3\"] #c",
                                                  "  leaf l1 3 \"t1\" [x=\"1\" x=\"2\"]",
                                                  "  leaf l2 3 \"\"",
                                                  "  node c1 3",
                                                  "    leaf cl 4 \"v\"",
                                                  "  node c2 3"}));
        node.clear();
        QCOMPARE(describeTree(node), QStringLiteral("node n 2 #c"));
        QCOMPARE(node.iterator, 1);
    }

    void validity()
    {
        xml_element_class root = makeRoot();
        QVERIFY(root.isValid());
        xml_node_class &a = root.addChild(QStringLiteral("a"));
        xml_node_class &b = a.addChild(QStringLiteral("b"));
        b.setLeaf(QStringLiteral("l"), QStringLiteral("x"));
        QVERIFY(root.isValid());

        b.setLeaf(QStringLiteral("@error"), QStringLiteral("invalid line"));
        QVERIFY(!root.isValid());
        b.removeLeaf(QStringLiteral("@error"));
        b.leaves[0].setAttribute(QStringLiteral("@error"), QStringLiteral("unclosed"));
        QVERIFY(!root.isValid());
        b.leaves[0].clearAttributes();
        b.setLeaf(QString(), QStringLiteral("no name"));
        QVERIFY(!root.isValid());
        b.removeLeaf(QString());
        QVERIFY(root.isValid());
        b.setAttribute(QStringLiteral("@error"), QStringLiteral("unclosed"));
        QVERIFY(!root.isValid());
        QVERIFY(!b.isValid());
        QVERIFY(!a.isValid());
        b.removeAttribute(QStringLiteral("@error"));
        a.addChild(QString());
        QVERIFY(!root.isValid());
    }

    void preview()
    {
        scripted_interaction ui;
        xml_element_class element(0);
        element.name = QStringLiteral("e");
        element.text = QStringLiteral("not shown");
        element.setLeaf(QStringLiteral("l"), QStringLiteral("v"));
        element.preview();
        QCOMPARE(ui.messages.size(), 1);
        const message_request &box = ui.messages.at(0);
        QCOMPARE(box.title, QStringLiteral("Preview: "));
        QCOMPARE(box.text, QStringLiteral("<e>\n <l>v</l>\n</e>\n"));
        QCOMPARE(box.icon, message_icon::Information);
        QCOMPARE(box.buttons, unsigned(message_button::Ok));
        QCOMPARE(box.parent, dialog_parent::None);
    }
};

QTEST_GUILESS_MAIN(tst_xml_tree)
#include "tst_xml_tree.moc"
