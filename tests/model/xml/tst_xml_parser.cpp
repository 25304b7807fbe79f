#include "model/xml/xml_element_class.h"
#include "model/xml/xml_report.h"
#include "tests/model/xml/xml_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int MaxLineLength = xml_element_class::MaxLineLength;
constexpr int MaxDepth = xml_element_class::MaxDepth;

// The deepest level of an element read (a node, or a leaf other than an error or value
// leaf) below node, and the number of error leaves with the given text.
void survey(const xml_node_class &node, int &deepestElement, int &errorCount, const QString &errorText)
{
    deepestElement = qMax(deepestElement, node.level);
    for (const xml_leaf_class &leaf : node.leaves) {
        if (leaf.name == QLatin1String("@error"))
            errorCount += leaf.text == errorText ? 1 : 0;
        else if (leaf.name != QLatin1String("value"))
            deepestElement = qMax(deepestElement, leaf.level);
    }
    for (const xml_node_class &child : node.children)
        survey(child, deepestElement, errorCount, errorText);
}

// A device that serves its bytes, then fails while still claiming to hold more.
class failing_device : public QIODevice
{
public:
    explicit failing_device(const QByteArray &bytes) : bytes(bytes) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 1000 + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (served || maxSize < bytes.size())
            return -1;
        served = true;
        memcpy(data, bytes.constData(), size_t(bytes.size()));
        return bytes.size();
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes;
    bool served = false;
};

} // namespace

class tst_xml_parser : public QObject
{
    Q_OBJECT

private:
    // Reads the document fed in each way and checks the tree and its validity.
    void checkDocument(const QByteArray &document, const QString &expected, bool valid, int trickleStep = 1)
    {
        for (xml_feed feed : {xml_feed::Buffer, xml_feed::Trickle, xml_feed::String}) {
            xml_element_class root = makeRoot();
            const int added = readDocument(root, document, feed, trickleStep);
            QVERIFY2(added >= 0, feedName(feed));
            QCOMPARE(describeTree(root), expected);
            QVERIFY2(root.isValid() == valid, feedName(feed));
        }
    }

    void addDocumentColumns()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("valid");
    }

private slots:
    void wellFormed_data()
    {
        addDocumentColumns();
        QTest::newRow("parameters file")
            << QByteArray("<ini device=\"Kd625\">\n <desc>Kd620 parameters file</desc>\n <lang>de</lang>\n"
                          " <lang_name>Deutsch</lang_name>\n</ini>\n")
            << joinedLines({"node @root -1",
                      "  node ini 0 [device=\"Kd625\"]",
                      "    leaf desc 1 \"Kd620 parameters file\"",
                      "    leaf lang 1 \"de\"",
                      "    leaf lang_name 1 \"Deutsch\""})
            << true;
        QTest::newRow("project description")
            << QByteArray("\n<project>\n<contents>Light visualisation project description</contents>\n"
                          "<descriptions>\n<scenes>\n<scene nr=\"1\">Intro &&amp; more</scene>\n"
                          "<scene nr=\"12\">&lt;b&gt;</scene>\n</scenes>\n</descriptions>\n"
                          "<library></library>\n</project>\n")
            << joinedLines({"node @root -1",
                      "  node project 0",
                      "    leaf contents 1 \"Light visualisation project description\"",
                      "    leaf library 1 \"\"",
                      "    node descriptions 1",
                      "      node scenes 2",
                      "        leaf scene 3 \"Intro &&amp; more\" [nr=\"1\"]",
                      "        leaf scene 3 \"&lt;b&gt;\" [nr=\"12\"]"})
            << true;
        QTest::newRow("text over several lines")
            << QByteArray("<r>\n<a>ab\ncd\nef</a>\n<b>\n  text\n </b>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  node r 0",
                      "    leaf a 1 \"ab\r\ncd\r\nef\"",
                      "    leaf b 1 \"  text\r\n \""})
            << true;
        QTest::newRow("text lines ended by carriage return and line feed")
            << QByteArray("<r>\r\n<a>ab\r\ncd</a>\r\n</r>\r\n")
            << joinedLines({"node @root -1", "  node r 0", "    leaf a 1 \"ab\r\ncd\""})
            << true;
        QTest::newRow("elements sharing a line")
            << QByteArray("<r>\n<a><b>1</b><c>2</c></a><d/>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  node r 0",
                      "    leaf d 1 \"\"",
                      "    node a 1",
                      "      leaf b 2 \"1\"",
                      "      leaf c 2 \"2\""})
            << true;
        QTest::newRow("declarations and comments passed over")
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE x>\n<!-- top comment -->\n<a>\n<!-- first -->\n"
                          "<!-- inner -->\n<b>1</b>\n\n</a>\n")
            << joinedLines({"node @root -1 #top comment", "  node a 0 #inner", "    leaf b 1 \"1\""})
            << true;
        QTest::newRow("attributes")
            << QByteArray("<r>\n<x a=\"1\" b = \"two words\" c=\"\"/>\n<y  q=\"1\" q=\"2\">t</y>\n"
                          "<z k=\"a>b\">u</z>\n<w >v</w>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  node r 0",
                      "    leaf x 1 \"\" [a=\"1\" b =\"two words\" c=\"\"]",
                      "    leaf y 1 \"t\" [q=\"2\"]",
                      "    leaf z 1 \"b\">u\" [k=\"a\"]",
                      "    leaf w 1 \"v\""})
            << true;
        QTest::newRow("white space after the opening bracket stays in the name")
            << QByteArray("<r>\n< a x=\"1\">t</ a x=\"1\">\n</r>\n")
            << joinedLines({"node @root -1", "  node r 0", "    leaf  a x=\"1\" 1 \"t\""})
            << true;
        QTest::newRow("text beside child elements becomes a value leaf")
            << QByteArray("<r>\n<a>\n<b/>\n</a>\n</r>\n")
            << joinedLines({"node @root -1", "  node r 0", "    node a 1", "      leaf b 2 \"\""})
            << true;
    }
    void wellFormed()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, expected);
        QFETCH(bool, valid);
        checkDocument(document, expected, valid);
    }

    // Every case finishes; the error entries show where reading failed.
    void malformed_data()
    {
        addDocumentColumns();
        QTest::newRow("end tag of another element")
            << QByteArray("<r>\n<a>1</b>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  leaf @error 0 \"unexpected end tag\"",
                      "  node r 0 [@error=\"unclosed\"]",
                      "    leaf a 1 \"1\" [@error=\"unclosed\"]"})
            << false;
        QTest::newRow("end tag differing in case")
            << QByteArray("<r>\n<a>1</A>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  leaf @error 0 \"unexpected end tag\"",
                      "  node r 0 [@error=\"unclosed\"]",
                      "    leaf a 1 \"1\" [@error=\"unclosed\"]"})
            << false;
        QTest::newRow("stray end tag at the top")
            << QByteArray("<a>1</a>\n</b>\n<c>2</c>\n<d/>\n")
            << joinedLines({"node @root -1", "  leaf a 0 \"1\"", "  leaf @error 0 \"unexpected end tag\""})
            << false;
        QTest::newRow("stray end tag inside an element")
            << QByteArray("<r>\n<a>1</a>\n</b>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  leaf @error 0 \"unexpected end tag\"",
                      "  node r 0 [@error=\"unclosed\"]",
                      "    leaf a 1 \"1\""})
            << false;
        QTest::newRow("text before a child element")
            << QByteArray("<r>\n<a>txt<b>x</b></a>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  leaf @error 0 \"unexpected end tag\"",
                      "  node r 0 [@error=\"unclosed\"]",
                      "    leaf a 1 \"txt\" [@error=\"unclosed\"]",
                      "    leaf b 1 \"x\""})
            << false;
        // Not an error: the value of a later attribute is taken, and that attribute is lost.
        QTest::newRow("attribute without quotes takes the next quoted value")
            << QByteArray("<r>\n<x a=1 b=\"2\"/>\n<y s='1' t=\"2\" u='3'/>\n</r>\n")
            << joinedLines({"node @root -1", "  node r 0", "    leaf x 1 \"\" [a=\"2\"]", "    leaf y 1 \"\" [s=\"2\" u=\"\"]"})
            << true;
        QTest::newRow("end of input inside text")
            << QByteArray("<r>\n<a>text\nmore\n")
            << joinedLines({"node @root -1",
                      "  node r 0 [@error=\"unclosed\"]",
                      "    node a 1 [@error=\"unclosed\"]",
                      "      leaf @error 2 \"unexpected EOF !\"",
                      "      leaf value 2 \"text\r\nmore\r\n\""})
            << false;
        QTest::newRow("end of input inside an element")
            << QByteArray("<r>\n<a>1</a>\n\n")
            << joinedLines({"node @root -1", "  node r 0 [@error=\"unclosed\"]", "    leaf a 1 \"1\""})
            << false;
        // The last line is never taken as a start tag: its element is not read.
        QTest::newRow("start tag on the last line")
            << QByteArray("<a>1</a>\n<b>\n")
            << joinedLines({"node @root -1", "  leaf a 0 \"1\"", "  leaf @error 0 \"unexpected EOF !\""})
            << false;
        QTest::newRow("document of one line")
            << QByteArray("<x/>")
            << joinedLines({"node @root -1", "  leaf @error 0 \"unexpected EOF !\""})
            << false;
        QTest::newRow("element on the last line inside an open element")
            << QByteArray("<r>\n<a>1</a>\n")
            << joinedLines({"node @root -1", "  leaf r 0 \"\" [@error=\"unclosed\"]", "  leaf @error 0 \"unexpected EOF !\""})
            << false;
        QTest::newRow("plain text where an element is expected")
            << QByteArray("<r>\n<a/>\njust text\n<b/>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  node r 0",
                      "    leaf a 1 \"\"",
                      "    node b 1",
                      "      leaf @error 2 \"invalid line\""})
            << false;
        QTest::newRow("line of blanks where an element is expected")
            << QByteArray("<r>\n<a/>\n   \n<b/>\n</r>\n")
            << joinedLines({"node @root -1",
                      "  node r 0",
                      "    leaf a 1 \"\"",
                      "    node b 1",
                      "      leaf @error 2 \"invalid line\""})
            << false;
        QTest::newRow("indented comment line read as an element")
            << QByteArray("  <!-- note -->\n<a>\n<b>1</b>\n</a>\n")
            << joinedLines({"node @root -1",
                      "  node !-- 0 [note --=\"\" @error=\"unclosed\"]",
                      "    node a 1",
                      "      leaf b 2 \"1\""})
            << false;
        QTest::newRow("tag without a name")
            << QByteArray("<r>\n<>x</>\n</r>\n")
            << joinedLines({"node @root -1", "  node r 0", "    leaf  1 \"x\""})
            << false;
        QTest::newRow("only an end tag")
            << QByteArray("</a>\n")
            << joinedLines({"node @root -1", "  leaf @error 0 \"unexpected end tag\""})
            << false;
        QTest::newRow("empty document") << QByteArray() << joinedLines({"node @root -1"}) << true;
        QTest::newRow("empty lines only") << QByteArray("\n\n\n") << joinedLines({"node @root -1"}) << true;
        QTest::newRow("garbage bytes")
            << QByteArray("\x01<\x02>\xff\xfe</\n<<>>\n\0\0\n", 17)
            << joinedLines({"node @root -1",
                      "  leaf \x02 0 \"\uFFFD\uFFFD\" [@error=\"unclosed\"]",
                      "  leaf @error 0 \"unexpected end tag\""})
            << false;
    }
    void malformed()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, expected);
        QFETCH(bool, valid);
        checkDocument(document, expected, valid);
    }

    void nestingIsBounded_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("closed");
        QTest::newRow("deepest allowed") << MaxDepth << true;
        QTest::newRow("one level deeper") << MaxDepth + 1 << true;
        QTest::newRow("200 levels") << 200 << true;
        QTest::newRow("100000 levels, never closed") << 100000 << false;
    }
    void nestingIsBounded()
    {
        QFETCH(int, depth);
        QFETCH(bool, closed);
        QByteArray document = QByteArray("<a>\n").repeated(depth) + "x\n";
        if (closed)
            document += QByteArray("</a>\n").repeated(depth);
        xml_element_class root = makeRoot();
        QVERIFY(readDocument(root, document, xml_feed::Buffer) >= 0);
        int deepestElement = -1;
        int tooDeep = 0;
        survey(root, deepestElement, tooDeep, QStringLiteral("nesting too deep"));
        QCOMPARE(deepestElement, qMin(depth, MaxDepth) - 1);
        QCOMPARE(tooDeep, depth > MaxDepth ? 1 : 0);
        QCOMPARE(root.isValid(), depth <= MaxDepth);
    }

    void nestingIsBoundedWithinOneLine()
    {
        const QByteArray document = "<r>\n" + QByteArray("<a>").repeated(3000) + "\n</r>\n";
        xml_element_class root = makeRoot();
        QVERIFY(readDocument(root, document, xml_feed::Buffer) >= 0);
        int deepestElement = -1;
        int tooDeep = 0;
        survey(root, deepestElement, tooDeep, QStringLiteral("nesting too deep"));
        QCOMPARE(deepestElement, MaxDepth - 1);
        QCOMPARE(tooDeep, 1);
        QVERIFY(!root.isValid());
    }

    void longLines_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("valid");
        const QString x = QStringLiteral("x");
        auto textLine = [](int length, const char *end) {
            return "<r>\n<t>" + QByteArray(length, 'x') + "</t>" + end + "</r>\n";
        };
        QTest::newRow("longest line")
            << textLine(MaxLineLength - 7, "\n")
            << joinedLines({"node @root -1", "  node r 0"}) + "\n    leaf t 1 \"" + x.repeated(MaxLineLength - 7) + "\""
            << true;
        QTest::newRow("longest line ended by carriage return and line feed")
            << textLine(MaxLineLength - 7, "\r\n")
            << joinedLines({"node @root -1", "  node r 0"}) + "\n    leaf t 1 \"" + x.repeated(MaxLineLength - 7) + "\""
            << true;
        QTest::newRow("one character too long")
            << textLine(MaxLineLength - 6, "\n")
            << joinedLines({"node @root -1", "  node r 0", "    leaf @error 1 \"line too long\""}) + "\n    leaf t 1 \""
                   + x.repeated(MaxLineLength - 6) + "\""
            << false;
        QTest::newRow("one character too long, carriage return and line feed")
            << textLine(MaxLineLength - 6, "\r\n")
            << joinedLines({"node @root -1", "  node r 0", "    leaf @error 1 \"line too long\""}) + "\n    leaf t 1 \""
                   + x.repeated(MaxLineLength - 6) + "\""
            << false;
        QTest::newRow("three times too long")
            << textLine(3 * MaxLineLength, "\n")
            << joinedLines({"node @root -1", "  node r 0", "    leaf @error 1 \"line too long\""}) + "\n    leaf t 1 \""
                   + x.repeated(MaxLineLength - 3) + "\r\n\" [@error=\"unclosed\"]"
            << false;
        QTest::newRow("too long first line")
            << QByteArray(MaxLineLength + 10, 'x') + "\n<a>1</a>\n\n"
            << joinedLines({"node @root -1",
                      "  leaf @error 0 \"line too long\"",
                      "  node a 0",
                      "    leaf @error 1 \"invalid line\"",
                      "    leaf value 1 \"1\""})
            << false;
    }
    void longLines()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, expected);
        QFETCH(bool, valid);
        // Pieces of an odd size, so that reads end at every kind of place in a line.
        checkDocument(document, expected, valid, 61);
    }

    // A line of many megabytes is read in bounded pieces and cut; the lines after it are
    // read as usual.
    void hugeLine()
    {
        const QByteArray document = "<r>\n<t>" + QByteArray(8 * 1024 * 1024, 'x') + "</t>\n<u>1</u>\n</r>\n";
        xml_element_class root = makeRoot();
        QVERIFY(readDocument(root, document, xml_feed::Buffer) >= 0);
        QCOMPARE(root.children.size(), 1);
        const xml_node_class &r = root.children.at(0);
        QVERIFY(r.attribute(QStringLiteral("@error")).isNull());
        QCOMPARE(r.leaves.size(), 3);
        QCOMPARE(r.leaves.at(0).text, QStringLiteral("line too long"));
        QCOMPARE(r.leaves.at(1).text, QString(MaxLineLength - 3, QLatin1Char('x')) + QStringLiteral("\r\n"));
        QCOMPARE(r.leaves.at(1).attribute(QStringLiteral("@error")), QStringLiteral("unclosed"));
        QCOMPARE(r.leaves.at(2).name, QStringLiteral("u"));
        QCOMPARE(r.leaves.at(2).text, QStringLiteral("1"));
    }

    // The configuration file's reader passes over empty lines itself and hands the first
    // line in; reading goes on from it as if the parser had read it.
    void handedInFirstLine()
    {
        const QByteArray document("\n\n<a>\n<b>1</b>\n</a>\n");
        xml_source source(document, xml_feed::Buffer);
        QString currentLine;
        while (currentLine.trimmed().isEmpty() && !source.stream.atEnd())
            currentLine = source.stream.readLine();
        QCOMPARE(currentLine, QStringLiteral("<a>"));
        xml_element_class root = makeRoot();
        QVERIFY(readDocument(root, source.stream, currentLine, document.size()) >= 0);
        QCOMPARE(describeTree(root), joinedLines({"node @root -1", "  node a 0", "    leaf b 1 \"1\""}));
    }

    void streamInErrorReadsNothing()
    {
        QByteArray document("<r>\n<a>1</a>\n</r>\n");
        xml_source source(document, xml_feed::Buffer);
        source.stream.setStatus(QTextStream::ReadCorruptData);
        xml_element_class root = makeRoot();
        QString currentLine = QStringLiteral("<held>");
        QVERIFY(!xml_element_class::parse(root, source.stream, currentLine));
        QCOMPARE(currentLine, QStringLiteral("<held>"));
        QCOMPARE(describeTree(root), QStringLiteral("node @root -1"));
    }

    // A device that fails ends the reading, and the tree and the stream say so.
    void failingDeviceEndsReading()
    {
        failing_device device("<r>\n<a>1</a>\n");
        QTextStream stream(&device);
        xml_element_class root = makeRoot();
        QString currentLine;
        QVERIFY(readDocument(root, stream, currentLine, 100) >= 0);
        QCOMPARE(describeTree(root), joinedLines({"node @root -1",
                                                  "  node r 0 [@error=\"unclosed\"]",
                                                  "    leaf a 1 \"1\"",
                                                  "    leaf @error 1 \"read error\""}));
        QCOMPARE(stream.status(), QTextStream::ReadCorruptData);
    }

    // The current line carries what follows an element to the next call.
    void currentLineHoldsTheRest()
    {
        xml_source source("<r>\n<a>1</a> <b/>\n</r> tail\n\n", xml_feed::Buffer);
        xml_element_class root = makeRoot();
        QString currentLine;
        QVERIFY(xml_element_class::parse(root, source.stream, currentLine));
        QCOMPARE(currentLine, QStringLiteral(" tail"));
    }

    // Leaves and child nodes are kept in two lists; each entry tells where it stood among
    // both, and copies keep that.
    void readOrderTellsWhereEntriesStood()
    {
        for (xml_feed feed : {xml_feed::Buffer, xml_feed::Trickle, xml_feed::String}) {
            xml_element_class root = makeRoot();
            QVERIFY(readDocument(root, "<r>\n<a/>\n<n>\n <x>1</x>\n</n>\n<b>2</b> <m><y/></m>\n<c></c>\n</r>\n",
                                 feed) > 0);
            QCOMPARE(root.children.size(), 1);
            const xml_node_class copy(root.children[0], 3);
            for (const xml_node_class *r : {&root.children.at(0), &copy}) {
                QCOMPARE(r->readOrder, 0);
                QCOMPARE(r->leaves.size(), 3);
                QCOMPARE(r->children.size(), 2);
                QCOMPARE(QList<int>({r->leaves.at(0).readOrder, r->leaves.at(1).readOrder, r->leaves.at(2).readOrder}),
                         QList<int>({0, 2, 4}));
                QCOMPARE(QList<int>({r->children.at(0).readOrder, r->children.at(1).readOrder}), QList<int>({1, 3}));
                QCOMPARE(r->children.at(1).leaves.at(0).readOrder, 0);
            }
            // Entries built otherwise stand nowhere.
            QCOMPARE(xml_leaf_class(QStringLiteral("a"), QString(), 0).readOrder, -1);
            QCOMPARE(xml_node_class(0).readOrder, -1);
        }
    }

    void leafFromLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("element with text") << "<a x=\"1\">text</a>" << "leaf a 3 \"text\" [x=\"1\"]";
        QTest::newRow("self-closing, trimmed") << "  <a/>  " << "leaf a 3 \"\"";
        QTest::newRow("self-closing with attributes") << "<a x=\"1\" x=\"2\" />" << "leaf a 3 \"\" [x=\"1\" x=\"2\"]";
        QTest::newRow("other end tag") << "<a>text</b>" << "leaf a 3 \"text\" [@error=\"unclosed\"]";
        QTest::newRow("no end tag") << "<a>text" << "leaf a 3 \"text\" [@error=\"unclosed\"]";
        QTest::newRow("child element") << "<a>te<b>xt</b></a>" << "leaf a 3 \"te\" [@error=\"unclosed\"]";
        QTest::newRow("end tag without bracket") << "<a>t</a" << "leaf a 3 \"t\"";
        QTest::newRow("no tag") << "plain text" << "leaf  3 \"\"";
        QTest::newRow("bracket order") << ">a<" << "leaf  3 \"\"";
    }
    void leafFromLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(describeLeaf(xml_leaf_class(line, 3)), expected);
    }

    void parseAttributes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two") << "a=\"1\" b=\"2\"" << " [a=\"1\" b=\"2\"]";
        QTest::newRow("blanks around the equals sign") << "  a = \"1\"  " << " [a =\"1\"]";
        QTest::newRow("same name twice") << "a=\"1\" a=\"2\"" << " [a=\"1\" a=\"2\"]";
        QTest::newRow("bare value") << "a=1 b=\"2\"" << " [a=\"2\"]";
        QTest::newRow("single quotes") << "a='1'" << " [a=\"\"]";
        QTest::newRow("open quote") << "a=\"1 b=2" << " [a=\"1 b=2\"]";
        QTest::newRow("name only") << "a" << " [a=\"\"]";
        QTest::newRow("value without name") << "a=\"x\" \"y\"" << " [a=\"x\" \"y\"=\"y\"]";
        QTest::newRow("empty") << "   " << "";
    }
    void parseAttributes()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        xml_attribute_list attributes{xml_attribute_class(QStringLiteral("kept"), QStringLiteral("0"))};
        xml_parseAttributes(text, attributes);
        QCOMPARE(attributes.takeFirst().name, QStringLiteral("kept"));
        QCOMPARE(describeAttributes(attributes), expected);
    }

    void reportLog()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        {
            QFile older(QStringLiteral("xml_report.log"));
            QVERIFY(older.open(QIODevice::WriteOnly));
            older.write(QByteArray(4096, 'o'));
        }
        xml_element_class root = makeRoot();
        QVERIFY(readDocument(root, "<r>\n<a>1</b>\n</r>\n", xml_feed::Buffer) >= 0);
        QVERIFY(!root.isValid());
        QVERIFY(writeXmlReport(root));
        QFile log(QStringLiteral("xml_report.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("<@error>unexpected end tag</@error>\n"
                                           "<r @error=\"unclosed\">\n"
                                           " <a @error=\"unclosed\">1</a>\n"
                                           "</r>\n"));
        log.close();
        QVERIFY(QDir::setCurrent(previous));
    }
};

QTEST_GUILESS_MAIN(tst_xml_parser)
#include "tst_xml_parser.moc"
