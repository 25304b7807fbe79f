#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "settings/asettings_inputs_delegate.h"
#include "settings/asettings_inputs_widget.h"
#include "tests/support/page_fixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

// The Inputs settings table: the type each stored word shows as (and its repair), choosing
// a type in the table's own editor, and the description shown only.
class tst_asettings_inputs_widget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<page_fixture>();
        table = new asettings_inputs_widget(f->tabPage.get());
    }
    void cleanup()
    {
        table = nullptr;
        const QStringList problems = page_fixture::tearDown(f);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void construction();
    void storedTypes_data();
    void storedTypes();
    void clearedInputsAreNormallyOpen();
    void choosingATypeStoresIt_data();
    void choosingATypeStoresIt();
    void inputAndDescriptionColumnsChangeNothing();
    void descriptionShowsAtTheNextRefresh();

private:
    std::unique_ptr<page_fixture> f;
    asettings_inputs_widget *table = nullptr;

    QString cell(int row, int column) const { return table->inputsModel->item(row, column)->text(); }
    i32 storedType(int input) const { return readI32(f->image(), image_layout::inputType(u32(input))); }
    // Opens the table's editor on a cell, as a double click does; null when there is none.
    QWidget *startEditing(int row, int column)
    {
        table->show();
        table->setCurrentIndex(table->inputsModel->index(row, column));
        table->edit(table->inputsModel->index(row, column));
        return table->indexWidget(table->inputsModel->index(row, column));
    }
};

void tst_asettings_inputs_widget::construction()
{
    QCOMPARE(table->parentWidget(), f->tabPage.get());
    QCOMPARE(table->geometry(), QRect(10, 20, 820, 570));
    QCOMPARE(table->inputsModel->rowCount(), 24);
    QCOMPARE(table->inputsModel->columnCount(), 3);
    QCOMPARE(table->model(), table->inputsModel);
    QCOMPARE(table->itemDelegate(), table->typeDelegate);
    QCOMPARE(table->typeDelegate->parent(), f->tabPage.get());
    QCOMPARE(QList<int>({table->columnWidth(0), table->columnWidth(1), table->columnWidth(2)}),
             QList<int>({90, 120, 590}));
    QStringList headers;
    for (int column = 0; column < 3; ++column)
        headers << table->inputsModel->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({"Input", "Input Type", "Description"}));
    QVERIFY(table->verticalHeader()->isHidden());
    QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(table->editTriggers() & QAbstractItemView::DoubleClicked);
    // Empty until the first refresh.
    QVERIFY(!table->inputsModel->item(0, 0) || table->inputsModel->item(0, 0)->text().isEmpty());
}

void tst_asettings_inputs_widget::storedTypes_data()
{
    QTest::addColumn<i32>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<i32>("storedAfter");
    QTest::newRow("open") << 0 << "Normal Open" << 0;
    QTest::newRow("closed") << 1 << "Normal Close" << 1;
    QTest::newRow("unused") << -1 << "Unused" << -1;
    QTest::newRow("2") << 2 << "Unused" << -1;
    QTest::newRow("0xFF") << 0xFF << "Unused" << -1;
    QTest::newRow("erased memory") << i32(0xFFFFFFFF) << "Unused" << -1;
    QTest::newRow("most negative") << std::numeric_limits<i32>::min() << "Unused" << -1;
}

void tst_asettings_inputs_widget::storedTypes()
{
    QFETCH(i32, stored);
    QFETCH(QString, text);
    QFETCH(i32, storedAfter);
    writeI32(f->image(), image_layout::inputType(23), stored);
    writeI32(f->image(), image_layout::inputType(22), 1);
    table->refresh();
    QCOMPARE(cell(23, 0), QStringLiteral("Input 24"));
    QCOMPARE(cell(23, 1), text);
    QCOMPARE(storedType(23), storedAfter);
    QCOMPARE(cell(22, 1), QStringLiteral("Normal Close"));
    QCOMPARE(storedType(22), 1);
}

void tst_asettings_inputs_widget::clearedInputsAreNormallyOpen()
{
    for (int input = 0; input < 24; ++input)
        writeI32(f->image(), image_layout::inputType(u32(input)), 7);
    f->controller->ClearConfig(kd620_controller_class::ClearInputs);
    table->refresh();
    for (int row = 0; row < 24; ++row) {
        QCOMPARE(cell(row, 0), QStringLiteral("Input %1").arg(row + 1));
        QCOMPARE(cell(row, 1), QStringLiteral("Normal Open"));
    }
}

void tst_asettings_inputs_widget::choosingATypeStoresIt_data()
{
    QTest::addColumn<i32>("stored");
    QTest::addColumn<int>("shownItem");
    QTest::addColumn<int>("chosenItem");
    QTest::addColumn<i32>("storedAfter");
    QTest::addColumn<QString>("text");
    QTest::newRow("open to unused") << 0 << 1 << 0 << i32(0xFFFFFFFF) << "Unused";
    QTest::newRow("open to closed") << 0 << 1 << 2 << 1 << "Normal Close";
    QTest::newRow("closed to open") << 1 << 2 << 1 << 0 << "Normal Open";
    QTest::newRow("unknown shows unused") << 9 << 0 << 2 << 1 << "Normal Close";
}

void tst_asettings_inputs_widget::choosingATypeStoresIt()
{
    QFETCH(i32, stored);
    QFETCH(int, shownItem);
    QFETCH(int, chosenItem);
    QFETCH(i32, storedAfter);
    QFETCH(QString, text);
    table->refresh();
    writeI32(f->image(), image_layout::inputType(4), stored);

    auto *combo = qobject_cast<QComboBox *>(startEditing(4, asettings_inputs_widget::TypeColumn));
    QVERIFY(combo);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, QStringList({"Unused", "Normal Open", "Normal Close"}));
    QCOMPARE(combo->currentIndex(), shownItem);

    combo->setCurrentIndex(chosenItem);
    QTest::keyClick(combo, Qt::Key_Return);
    // The delegate commits once the editor has handled the key.
    QTRY_VERIFY(!table->indexWidget(table->inputsModel->index(4, 1)));
    QCOMPARE(storedType(4), storedAfter);
    QCOMPARE(cell(4, 1), text);
    QCOMPARE(storedType(5), 0);
}

void tst_asettings_inputs_widget::inputAndDescriptionColumnsChangeNothing()
{
    f->controller->inputDescs[2] = QStringLiteral("gate");
    table->refresh();
    auto *label = qobject_cast<QLabel *>(startEditing(2, asettings_inputs_widget::InputColumn));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Input 3"));
    QTest::keyClick(label, Qt::Key_Return);
    QTRY_VERIFY(!table->indexWidget(table->inputsModel->index(2, 0)));
    QCOMPARE(cell(2, 0), QStringLiteral("Input 3"));
    QCOMPARE(storedType(2), 0);

    QVERIFY(!startEditing(2, asettings_inputs_widget::DescriptionColumn));
    QCOMPARE(f->controller->inputDescs[2], QStringLiteral("gate"));
}

void tst_asettings_inputs_widget::descriptionShowsAtTheNextRefresh()
{
    table->refresh();
    f->controller->inputDescs[0] = QStringLiteral("  front door ");
    QCOMPARE(cell(0, 2), QString());
    table->refresh();
    QCOMPARE(cell(0, 2), QStringLiteral("  front door "));
}

QTEST_MAIN(tst_asettings_inputs_widget)
#include "tst_asettings_inputs_widget.moc"
