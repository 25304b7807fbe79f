#include "model/xml/xml_element_class.h"
#include "tests/model/xml/xml_test_support.h"

#include <QtTest>

#include <utility>

namespace {

using attribute_pairs = QList<QPair<QString, QString>>;

xml_attribute_list attributeList(const attribute_pairs &pairs)
{
    xml_attribute_list list;
    for (const auto &[name, value] : pairs)
        list.append(xml_attribute_class(name, value));
    return list;
}

// An element as the reader completes one: attributes as read (a name may stand twice),
// leaves of other levels with attributes of their own, and a child node that the reader
// completed before (its own level, its leaves one deeper, no attribute name twice).
xml_element_class sampleElement(const attribute_pairs &pairs)
{
    xml_element_class element(4);
    element.name = QStringLiteral("e");
    element.comment = QStringLiteral("c");
    element.text = QStringLiteral("t");
    element.attributes = attributeList(pairs);
    element.leaves.append(xml_leaf_class(QStringLiteral("l1"), QStringLiteral("v"), 9)).attributes =
        attributeList(pairs);
    element.leaves.append(xml_leaf_class(QStringLiteral("l2"), QString(), 0));
    xml_node_class &child = element.addChild(QStringLiteral("child"));
    child.level = 12;
    child.leaves.append(xml_leaf_class(QStringLiteral("cl"), QStringLiteral("w"), 13)).attributes =
        attributeList({{"nr", "2"}});
    element.findChild(QStringLiteral("child"));
    return element;
}

} // namespace

// The reader hands each element it completes to its parent by taking over its name, text,
// attributes, leaves and children instead of copying them; what it makes must be exactly
// what the copying conversions make.
class tst_xml_taking_over : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data()
    {
        QTest::addColumn<attribute_pairs>("pairs");
        QTest::newRow("no attributes") << attribute_pairs{};
        QTest::newRow("names once each") << attribute_pairs{{"nr", "1"}, {"mode", "on"}};
        QTest::newRow("a name twice") << attribute_pairs{{"k", "1"}, {"k", "2"}};
        QTest::newRow("a name twice around another") << attribute_pairs{{"a", "1"}, {"b", "2"}, {"a", "3"}};
        QTest::newRow("empty names and values") << attribute_pairs{{"", ""}, {"x", ""}, {"", "v"}};
    }

    void conversions()
    {
        QFETCH(attribute_pairs, pairs);

        const xml_element_class source = sampleElement(pairs);
        xml_element_class taken = sampleElement(pairs);
        const xml_leaf_class *firstLeaf = &taken.leaves[0];
        const xml_node_class *firstChild = &taken.children[0];
        const xml_node_class copiedNode(source, 1);
        const xml_node_class takenNode(std::move(taken), 1);
        QCOMPARE(describeTree(takenNode), describeTree(copiedNode));
        QCOMPARE(takenNode.iterator, -1);
        QCOMPARE(takenNode.leaves.at(0).level, 2);
        // Taken over, not copied.
        QCOMPARE(&takenNode.leaves.at(0), firstLeaf);
        QCOMPARE(&takenNode.children.at(0), firstChild);

        xml_element_class takenForLeaf = sampleElement(pairs);
        const xml_leaf_class copiedLeaf(source, 3);
        const xml_leaf_class takenLeaf(std::move(takenForLeaf), 3);
        QCOMPARE(describeLeaf(takenLeaf), describeLeaf(copiedLeaf));

        xml_attribute_list list = attributeList(pairs);
        const QString merged = describeAttributes(xml_mergedAttributes(std::as_const(list)));
        QCOMPARE(describeAttributes(xml_mergedAttributes(std::move(list))), merged);
    }

    // Repeated names merge as the copy rules say: the first one's place, the last value.
    void mergedAttributes_data()
    {
        QTest::addColumn<attribute_pairs>("pairs");
        QTest::addColumn<QString>("merged");
        QTest::newRow("none") << attribute_pairs{} << QString();
        QTest::newRow("unique") << attribute_pairs{{"nr", "1"}, {"mode", "on"}} << " [nr=\"1\" mode=\"on\"]";
        QTest::newRow("repeated") << attribute_pairs{{"a", "1"}, {"b", "2"}, {"a", "3"}} << " [a=\"3\" b=\"2\"]";
        QTest::newRow("three times") << attribute_pairs{{"a", "1"}, {"a", "2"}, {"a", "3"}} << " [a=\"3\"]";
    }
    void mergedAttributes()
    {
        QFETCH(attribute_pairs, pairs);
        QFETCH(QString, merged);
        const xml_attribute_list list = attributeList(pairs);
        QCOMPARE(describeAttributes(xml_mergedAttributes(list)), merged);
        QCOMPARE(describeAttributes(xml_mergedAttributes(attributeList(pairs))), merged);
        QCOMPARE(describeAttributes(list), describeAttributes(attributeList(pairs)));
    }
};

QTEST_GUILESS_MAIN(tst_xml_taking_over)
#include "tst_xml_taking_over.moc"
