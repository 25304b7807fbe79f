#include "model/xml/xml_escape.h"

#include <QtTest>

namespace {

// The unescaping rule taken literally: one scan from left to right, one character at a
// time, each position checked for "&&", "&lt;" and "&gt;" in that order.
QString scannedOneByOne(const QString &text)
{
    QString unescaped;
    const QStringView view(text);
    qsizetype i = 0;
    while (i < view.size()) {
        const QStringView rest = view.mid(i);
        if (rest.startsWith(u"&&")) {
            unescaped += u'&';
            i += 2;
        } else if (rest.startsWith(u"&lt;")) {
            unescaped += u'<';
            i += 4;
        } else if (rest.startsWith(u"&gt;")) {
            unescaped += u'>';
            i += 4;
        } else {
            unescaped += view.at(i);
            i += 1;
        }
    }
    return unescaped;
}

} // namespace

// Descriptions are unescaped as they are read from a configuration file; most hold no
// ampersand and are taken as they stand, the others are unescaped in one pass.
class tst_xml_unescape : public QObject
{
    Q_OBJECT

private slots:
    void sameTextWithAndWithoutEntities_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unescaped");
        QTest::newRow("plain") << "scene 5" << "scene 5";
        QTest::newRow("quotes, brackets and line breaks") << "a \"q\" ' <b>\r\nc" << "a \"q\" ' <b>\r\nc";
        QTest::newRow("letters beyond Latin-1") << "été \u263A" << "été \u263A";
        QTest::newRow("entities and a doubled ampersand") << "scene 2 &lt;A&&B&gt;" << "scene 2 <A&B>";
        QTest::newRow("at the very start and end") << "&&x&&" << "&x&";
        QTest::newRow("only a doubled ampersand") << "&&" << "&";
        QTest::newRow("lone ampersand at the end") << "x &" << "x &";
        QTest::newRow("entity cut short at the end") << "x &lt" << "x &lt";
        QTest::newRow("escaped entity") << "&&lt;" << "&lt;";
        QTest::newRow("five ampersands") << "&&&&&" << "&&&";
        QTest::newRow("other entities stay") << "&amp;&quot;" << "&amp;&quot;";
        QTest::newRow("empty") << "" << "";
    }
    void sameTextWithAndWithoutEntities()
    {
        QFETCH(QString, text);
        QFETCH(QString, unescaped);
        QCOMPARE(xml_unescapeText(text), unescaped);
        QCOMPARE(xml_unescapeText(text), scannedOneByOne(text));
    }

    // Every text of up to six characters over the characters that matter.
    void sameAsTheScanForEveryShortText()
    {
        const QString alphabet = QStringLiteral("&<>lgt;x");
        QStringList texts{QString()};
        for (int length = 1; length <= 6; ++length) {
            QStringList longer;
            for (const QString &text : std::as_const(texts)) {
                for (const QChar c : alphabet)
                    longer << text + c;
            }
            texts = longer;
            for (const QString &text : std::as_const(texts)) {
                if (xml_unescapeText(text) != scannedOneByOne(text))
                    QFAIL(qPrintable(QStringLiteral("\"%1\" unescaped as \"%2\"").arg(text, xml_unescapeText(text))));
            }
        }
    }

    // A text without an ampersand is not copied; a missing text still comes back as an
    // empty one.
    void textWithoutAmpersandIsShared()
    {
        const QString text = QString::fromUtf8("scene 1 <nothing to replace>");
        QCOMPARE(xml_unescapeText(text).constData(), text.constData());
        QVERIFY(xml_unescapeText(QString()).isEmpty());
        QVERIFY(!xml_unescapeText(QString()).isNull());
    }
};

QTEST_GUILESS_MAIN(tst_xml_unescape)
#include "tst_xml_unescape.moc"
