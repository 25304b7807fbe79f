#include "tests/support/page_fixture.h"
#include "widgets/page_base.h"
#include "widgets/table_setup.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QtTest>

// The page base and the table set-up every page shares, on the page fixture.
class tst_page_base : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void pageFillsItsTabPage();
    void descriptionTexts_data();
    void descriptionTexts();
    void tableSetUp();
    void windowServicesOfTheFixture();

private:
    std::unique_ptr<page_fixture> f;
};

void tst_page_base::pageFillsItsTabPage()
{
    auto *page = new page_base(f->tabPage.get());
    QCOMPARE(page->geometry(), QRect(0, 0, page_base::PageWidth, page_base::PageHeight));
    QFont bold = f->tabPage->font();
    bold.setBold(true);
    f->tabPage->setFont(bold);
    auto *second = new page_base(f->tabPage.get());
    QVERIFY(!second->font().bold());
}

void tst_page_base::descriptionTexts_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("shown");  // "*" : elided, ends with the ellipsis
    QTest::newRow("none") << QString() << 200 << "no description";
    QTest::newRow("fits") << "Stage left" << 400 << "Stage left";
    QTest::newRow("too long") << QString(100, QLatin1Char('W')) << 60 << "*";
}

void tst_page_base::descriptionTexts()
{
    QFETCH(QString, description);
    QFETCH(int, width);
    QFETCH(QString, shown);
    const QFontMetrics metrics(page_base::listFont());
    const QString text = page_base::descriptionText(description, metrics, width);
    if (shown == QLatin1String("*")) {
        QVERIFY(text.endsWith(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(text) <= width);
    } else {
        QCOMPARE(text, shown);
    }
}

void tst_page_base::tableSetUp()
{
    QTableWidget table(3, 2);
    table_setup setup;
    setup.geometry = QRect(10, 40, 260, 600);
    setup.rowHeight = 18;
    setup.editTriggers = QAbstractItemView::DoubleClicked;
    setup.selectionBehavior = QAbstractItemView::SelectRows;
    setUpTable(&table, setup);
    QCOMPARE(table.geometry(), QRect(10, 40, 260, 600));
    QCOMPARE(table.verticalHeader()->defaultSectionSize(), 18);
    QCOMPARE(table.rowHeight(1), 18);
    QVERIFY(table.horizontalHeader()->isHidden());
    QVERIFY(!table.verticalHeader()->isHidden());
    QVERIFY(table.horizontalHeader()->stretchLastSection());
    QCOMPARE(table.editTriggers(), QAbstractItemView::EditTriggers(QAbstractItemView::DoubleClicked));
    QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);

    page_base::setCellText(&table, 2, 1, QStringLiteral("a"));
    QTableWidgetItem *item = table.item(2, 1);
    page_base::setCellText(&table, 2, 1, QStringLiteral("b"));
    QCOMPARE(table.item(2, 1), item);  // the item is kept, its text changes
    QCOMPARE(item->text(), QStringLiteral("b"));
}

void tst_page_base::windowServicesOfTheFixture()
{
    QCOMPARE(windowServices(), static_cast<window_services *>(&f->window));
    QCOMPARE(mainWindow, &f->window.window);
    QCOMPARE(windowServices()->eventTabs()->count(), 6);
    QCOMPARE(windowServices()->eventTabs()->widget(3), windowServices()->delaysPage());
    windowServices()->refreshDelaysPage();
    QCOMPARE(f->window.delaysPageRefreshes, 1);
    QCOMPARE(currentController, f->controller.get());
}

QTEST_MAIN(tst_page_base)
#include "tst_page_base.moc"
