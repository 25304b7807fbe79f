#include "widgets/page_base.h"
#include "widgets/table_first_fill.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

// A table's first fill is announced once, for the whole table; any later fill announces each
// cell it changes, as it always did, so that an editor open in the list hears only of its
// own cell.
class tst_table_first_fill : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aFirstFillIsAnnouncedOnceForTheWholeTable();
    void aLaterFillAnnouncesEachChangedCell();
    void aLaterFillLeavesAnOpenEditorOnAnotherCellAlone();
    void aSortingTableAnnouncesEachCell();

private:
    // Writes "row r" into every row and gives row `coloured` another background, inside a fill.
    void fill(int coloured = -1);

    std::unique_ptr<QTableWidget> table;
};

namespace {

constexpr int Rows = 50;

QString rowText(int row)
{
    return QStringLiteral("row %1").arg(row);
}

} // namespace

void tst_table_first_fill::init()
{
    table = std::make_unique<QTableWidget>(Rows, 2);
}

void tst_table_first_fill::cleanup()
{
    table.reset();
}

void tst_table_first_fill::fill(int coloured)
{
    const table_first_fill batch(table.get());
    for (int row = 0; row < Rows; ++row) {
        page_base::setCellText(table.get(), row, 0, rowText(row));
        page_base::setCellText(table.get(), row, 1, QString::number(row));
        table->item(row, 0)->setBackground(row == coloured ? QBrush(Qt::green) : QBrush(Qt::white));
    }
}

void tst_table_first_fill::aFirstFillIsAnnouncedOnceForTheWholeTable()
{
    QSignalSpy changes(table->model(), &QAbstractItemModel::dataChanged);
    fill();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex(), table->model()->index(0, 0));
    QCOMPARE(changes.at(0).at(1).toModelIndex(), table->model()->index(Rows - 1, 1));
    for (int row = 0; row < Rows; ++row) {
        QCOMPARE(table->item(row, 0)->text(), rowText(row));
        QCOMPARE(table->item(row, 0)->background(), QBrush(Qt::white));
    }
}

void tst_table_first_fill::aLaterFillAnnouncesEachChangedCell()
{
    fill();
    QSignalSpy changes(table->model(), &QAbstractItemModel::dataChanged);
    fill(7);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toModelIndex(), table->model()->index(7, 0));
    QCOMPARE(changes.at(0).at(1).toModelIndex(), table->model()->index(7, 0));
    QCOMPARE(table->item(7, 0)->background(), QBrush(Qt::green));
}

void tst_table_first_fill::aLaterFillLeavesAnOpenEditorOnAnotherCellAlone()
{
    table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table->show();
    fill();
    QVERIFY(QTest::qWaitForWindowExposed(table.get()));
    table->setCurrentCell(3, 0);
    table->editItem(table->item(3, 0));
    auto *editor = qobject_cast<QLineEdit *>(table->indexWidget(table->model()->index(3, 0)));
    QVERIFY(editor);
    editor->setText(QStringLiteral("typed"));

    fill(7);
    QCOMPARE(editor->text(), QStringLiteral("typed"));
}

void tst_table_first_fill::aSortingTableAnnouncesEachCell()
{
    table->setSortingEnabled(true);
    QSignalSpy changes(table->model(), &QAbstractItemModel::dataChanged);
    fill();
    QVERIFY(changes.count() > 1);
    for (int row = 0; row < Rows; ++row)
        QVERIFY(table->item(row, 0));
}

QTEST_MAIN(tst_table_first_fill)
#include "tst_table_first_fill.moc"
