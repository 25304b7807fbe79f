#include "model/xml/xml_element_class.h"
#include "model/xml/xml_escape.h"
#include "tests/model/xml/xml_test_support.h"

#include <QtTest>

class tst_xml_escape : public QObject
{
    Q_OBJECT

private slots:
    void escape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("nothing to do") << "plain \"quoted\"\r\n text" << "plain \"quoted\"\r\n text";
        QTest::newRow("all three") << "a&b<c>d" << "a&&b&lt;c&gt;d";
        QTest::newRow("entity typed by a user") << "&lt;" << "&&lt;";
        QTest::newRow("ampersands") << "&&&" << "&&&&&&";
        QTest::newRow("empty") << "" << "";
    }
    void escape()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(xml_escapeText(text), escaped);
        QCOMPARE(xml_unescapeText(escaped), text);
    }

    // Texts as other writers left them read the same, except where the old order of
    // replacements turned "&&lt;" into "&<".
    void unescape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unescaped");
        QTest::newRow("doubled ampersand") << "Intro &&amp; more" << "Intro &amp; more";
        QTest::newRow("three ampersands") << "&&&" << "&&";
        QTest::newRow("entities") << "&lt;b&gt;" << "<b>";
        QTest::newRow("escaped entity") << "&&lt;" << "&lt;";
        QTest::newRow("escaped ampersand before gt") << "&&gt;" << "&gt;";
        QTest::newRow("other entities stay") << "&amp; &quot; &l &" << "&amp; &quot; &l &";
        QTest::newRow("entity without semicolon") << "&lt" << "&lt";
    }
    void unescape()
    {
        QFETCH(QString, text);
        QFETCH(QString, unescaped);
        QCOMPARE(xml_unescapeText(text), unescaped);
    }

    // Every text of up to five characters over the characters that matter comes back from
    // escaping and unescaping, and its escaped form holds no bracket.
    void roundTripOfEveryShortText()
    {
        const QString alphabet = QStringLiteral("&<>lgt;x");
        QStringList texts{QString()};
        int checked = 0;
        for (int length = 1; length <= 5; ++length) {
            QStringList longer;
            for (const QString &text : std::as_const(texts)) {
                for (const QChar c : alphabet)
                    longer << text + c;
            }
            texts = longer;
            for (const QString &text : std::as_const(texts)) {
                const QString escaped = xml_escapeText(text);
                if (xml_unescapeText(escaped) != text || escaped.contains(u'<') || escaped.contains(u'>'))
                    QFAIL(qPrintable(QStringLiteral("\"%1\" escaped as \"%2\"").arg(text, escaped)));
                ++checked;
            }
        }
        QCOMPARE(checked, 8 + 64 + 512 + 4096 + 32768);
    }

    // The way descriptions travel in the configuration file: escaped into one line, read
    // back by the reader, unescaped.
    void descriptionThroughAFile_data()
    {
        QTest::addColumn<QString>("description");
        QTest::newRow("brackets") << "<b>bold</b>";
        QTest::newRow("entity typed by a user") << "a &lt; b";
        QTest::newRow("ampersands") << "R&&B & more&";
        QTest::newRow("blanks and quotes") << "  \"quoted\"  ";
    }
    void descriptionThroughAFile()
    {
        QFETCH(QString, description);
        const QByteArray document = "<descriptions>\n<scene nr=\"1\">" + xml_escapeText(description).toUtf8()
            + "</scene>\n</descriptions>\n";
        xml_element_class root = makeRoot();
        QVERIFY(readDocument(root, document, xml_feed::Buffer) >= 0);
        QVERIFY(root.isValid());
        const xml_node_class *group = root.findChild(QStringLiteral("descriptions"));
        QVERIFY(group);
        QCOMPARE(xml_unescapeText(group->leaves.at(0).text), description);
    }
};

QTEST_GUILESS_MAIN(tst_xml_escape)
#include "tst_xml_escape.moc"
