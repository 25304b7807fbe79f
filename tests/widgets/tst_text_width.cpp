// The width a column is given for its texts, judged as the view judges it: the least width
// at which the view elides none of them.
#include "tests/support/text_fit.h"
#include "widgets/font_substitutes.h"
#include "widgets/page_base.h"
#include "widgets/text_width.h"

#include <QFontMetricsF>
#include <QTableWidget>
#include <QtTest>

class tst_text_width : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void columnShowsItsTextsWhole_data();
    void columnShowsItsTextsWhole();
};

void tst_text_width::initTestCase()
{
    substituteWindowsFonts();  // measured in the faces the program shows
}

void tst_text_width::columnShowsItsTextsWhole_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("listFont");
    // "Internal event 1000" takes a fraction of a pixel more than its rounded advance.
    QTest::newRow("a fraction over the rounded width")
        << QStringList{QStringLiteral("Internal event 1000")} << true << true;
    QTest::newRow("without a grid") << QStringList{QStringLiteral("Internal event 1000")} << false << true;
    QTest::newRow("the widest of several")
        << QStringList{QStringLiteral("Zdarzenie wewnętrzne 1024"), QStringLiteral("Zdarzenie wewnętrzne 1000"),
                       QStringLiteral("Int. Ereignis 1024")}
        << true << true;
    QTest::newRow("the forms' font") << QStringList{QStringLiteral("no description")} << true << false;
}

// At the width given, no text of the column is elided by the view; a pixel less, one is.
void tst_text_width::columnShowsItsTextsWhole()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, grid);
    QFETCH(bool, listFont);
    QTableWidget table(int(texts.size()), 1);
    table.setFont(listFont ? page_base::listFont() : formsDialogFont());
    table.setShowGrid(grid);
    table.resize(600, 400);
    for (int row = 0; row < texts.size(); ++row)
        table.setItem(row, 0, new QTableWidgetItem(texts[row]));

    const int width = columnWidthFor(&table, texts);
    table.setColumnWidth(0, width);
    QVERIFY(noneListed(cutTexts(cellTexts(&table, {}))));
    table.setColumnWidth(0, width - 1);
    QVERIFY(!cutTexts(cellTexts(&table, {})).isEmpty());
    QCOMPARE(columnWidthFor(&table, texts, width + 5), width + 5);  // a wider least width holds
}

QTEST_MAIN(tst_text_width)
#include "tst_text_width.moc"
