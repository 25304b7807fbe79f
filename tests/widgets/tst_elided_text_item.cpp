#include "widgets/elided_text_item.h"
#include "widgets/page_base.h"

#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QtTest>

// The list cells whose elision is worked out when their text is first asked for: they show,
// and report, what eliding at once would have given.
class tst_elided_text_item : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheElision_data();
    void showsTheElision();
    void theViewDrawsTheElision();
    void rewritingReportsWhatChanges();
    void anotherWidthElidesAnew();
    void settingTheTextMakesAPlainItem_data();
    void settingTheTextMakesAPlainItem();
    void aPlainItemIsElidedAtOnce();

private:
    // Elides the text into cell (0, 0) and returns its item.
    QTableWidgetItem *elide(const QString &text, int width);
    QString elision(const QString &text, int width) const
    {
        return metrics().elidedText(text, Qt::ElideRight, width);
    }
    QFontMetrics metrics() const { return QFontMetrics(table->font()); }

    std::unique_ptr<QTableWidget> table;
};

namespace {

const QString LongText = QStringLiteral("A description much too long for the list's column, elided");

// The text a styled delegate draws for an index, as the view asks for it.
class drawn_text_delegate : public QStyledItemDelegate
{
public:
    QString textOf(const QModelIndex &index) const
    {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option.text;
    }
};

} // namespace

void tst_elided_text_item::init()
{
    table = std::make_unique<QTableWidget>(3, 1);
    table->setFont(page_base::listFont());
}

void tst_elided_text_item::cleanup()
{
    table.reset();
}

QTableWidgetItem *tst_elided_text_item::elide(const QString &text, int width)
{
    page_base::setElidedCellText(table.get(), 0, 0, text, metrics(), width);
    return table->item(0, 0);
}

void tst_elided_text_item::showsTheElision_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("fits") << QStringLiteral("Stage left") << 400;
    QTest::newRow("too long") << LongText << 120;
    QTest::newRow("empty") << QString() << 100;
}

void tst_elided_text_item::showsTheElision()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QTableWidgetItem *item = elide(text, width);
    QVERIFY(dynamic_cast<elided_text_item *>(item));
    QCOMPARE(item->text(), elision(text, width));
    const QModelIndex index = table->model()->index(0, 0);
    QCOMPARE(index.data(Qt::DisplayRole).toString(), elision(text, width));
    QCOMPARE(index.data(Qt::EditRole).toString(), elision(text, width));
    if (width < metrics().horizontalAdvance(text))
        QVERIFY(item->text().endsWith(QChar(0x2026)));
}

void tst_elided_text_item::theViewDrawsTheElision()
{
    elide(LongText, 120);
    drawn_text_delegate delegate;
    QCOMPARE(delegate.textOf(table->model()->index(0, 0)), elision(LongText, 120));
}

void tst_elided_text_item::rewritingReportsWhatChanges()
{
    QTableWidgetItem *item = elide(LongText, 120);
    QSignalSpy changes(table.get(), &QTableWidget::itemChanged);
    elide(LongText, 120);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(table->item(0, 0), item);

    elide(QStringLiteral("Short"), 120);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(item->text(), QStringLiteral("Short"));
    elide(LongText, 120);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(item->text(), elision(LongText, 120));
}

void tst_elided_text_item::anotherWidthElidesAnew()
{
    QTableWidgetItem *item = elide(LongText, 120);
    QSignalSpy changes(table.get(), &QTableWidget::itemChanged);
    elide(LongText, 200);
    QCOMPARE(item->text(), elision(LongText, 200));
    QCOMPARE(changes.count(), 1);
    elide(LongText, 200);
    QCOMPARE(changes.count(), 1);
}

// Another writer's text is shown as it is; the table hears of it only when what the cell
// shows changes, whether or not the elision was asked for before.
void tst_elided_text_item::settingTheTextMakesAPlainItem_data()
{
    QTest::addColumn<bool>("readFirst");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");
    QTest::newRow("the elision, unread") << false << QStringLiteral("*") << 0;
    QTest::newRow("the elision, read") << true << QStringLiteral("*") << 0;
    QTest::newRow("the whole text, unread") << false << LongText << 1;
    QTest::newRow("the whole text, read") << true << LongText << 1;
    QTest::newRow("another text") << false << QStringLiteral("Other") << 1;
}

void tst_elided_text_item::settingTheTextMakesAPlainItem()
{
    QFETCH(bool, readFirst);
    QFETCH(QString, text);
    QFETCH(int, changes);
    if (text == QLatin1String("*"))
        text = elision(LongText, 120);
    QTableWidgetItem *item = elide(LongText, 120);
    if (readFirst)
        QCOMPARE(item->text(), elision(LongText, 120));
    QSignalSpy spy(table.get(), &QTableWidget::itemChanged);
    item->setText(text);
    QCOMPARE(spy.count(), changes);
    QCOMPARE(item->text(), text);
    QCOMPARE(table->model()->index(0, 0).data().toString(), text);
}

void tst_elided_text_item::aPlainItemIsElidedAtOnce()
{
    page_base::setCellText(table.get(), 0, 0, QStringLiteral("plain"));
    QTableWidgetItem *item = elide(LongText, 120);
    QVERIFY(!dynamic_cast<elided_text_item *>(item));
    QCOMPARE(item->text(), elision(LongText, 120));
}

QTEST_MAIN(tst_elided_text_item)
#include "tst_elided_text_item.moc"
